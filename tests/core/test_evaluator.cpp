#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/evaluator.h"
#include "expect_throw.h"

using namespace velmora;

namespace {

using velmora::testing::expect_error;

std::array<Card, 7> hand(const std::string& text) {
  std::array<Card, 7> cards{};
  for (std::size_t i = 0; i < 7; ++i) cards[i] = parse_card(text.substr(i * 2, 2));
  return cards;
}

HandStrength eval(const std::string& text) { return evaluate_seven(hand(text)); }

HandStrength make(int category, std::uint32_t primary, std::uint32_t kicker) {
  return (static_cast<HandStrength>(category) << 26) | (primary << 13) | kicker;
}

std::uint32_t bit(int rank) { return 1u << rank; }

// Reference: classify five cards the plain way, then take the best of the 21 subsets.
HandStrength reference_five(const std::array<Card, 5>& five) {
  std::array<int, 13> count{};
  bool flush = true;
  for (const Card c : five) {
    ++count[static_cast<std::size_t>(card_rank(c))];
    if (card_suit(c) != card_suit(five[0])) flush = false;
  }
  std::vector<int> quads, trips, pairs, singles;  // each from high rank to low
  for (int r = 12; r >= 0; --r) {
    switch (count[static_cast<std::size_t>(r)]) {
      case 4: quads.push_back(r); break;
      case 3: trips.push_back(r); break;
      case 2: pairs.push_back(r); break;
      case 1: singles.push_back(r); break;
      default: break;
    }
  }
  int straight_top = -1;
  if (singles.size() == 5) {
    if (singles[0] - singles[4] == 4) straight_top = singles[0];
    if (singles[0] == 12 && singles[1] == 3 && singles[4] == 0) straight_top = 3;  // A-5-4-3-2
  }
  std::uint32_t all = 0;
  for (const int r : singles) all |= bit(r);

  if (flush && straight_top >= 0) return make(8, bit(straight_top), 0);
  if (!quads.empty()) return make(7, bit(quads[0]), bit(singles[0]));
  if (!trips.empty() && !pairs.empty()) return make(6, bit(trips[0]), bit(pairs[0]));
  if (flush) return make(5, all, 0);
  if (straight_top >= 0) return make(4, bit(straight_top), 0);
  if (!trips.empty()) return make(3, bit(trips[0]), bit(singles[0]) | bit(singles[1]));
  if (pairs.size() == 2) return make(2, bit(pairs[0]) | bit(pairs[1]), bit(singles[0]));
  if (pairs.size() == 1) return make(1, bit(pairs[0]), bit(singles[0]) | bit(singles[1]) | bit(singles[2]));
  return make(0, all, 0);
}

HandStrength reference_seven(const std::array<Card, 7>& cards) {
  HandStrength best = 0;
  for (int skip1 = 0; skip1 < 7; ++skip1) {
    for (int skip2 = skip1 + 1; skip2 < 7; ++skip2) {
      std::array<Card, 5> five{};
      std::size_t n = 0;
      for (int i = 0; i < 7; ++i) {
        if (i != skip1 && i != skip2) five[n++] = cards[static_cast<std::size_t>(i)];
      }
      best = std::max(best, reference_five(five));
    }
  }
  return best;
}

std::array<Card, 7> random_hand(std::mt19937_64& rng) {
  std::array<Card, 52> deck{};
  for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
  std::array<Card, 7> cards{};
  for (std::size_t i = 0; i < 7; ++i) {
    const std::size_t j = i + static_cast<std::size_t>(rng() % (52 - i));
    std::swap(deck[i], deck[j]);
    cards[i] = deck[i];
  }
  return cards;
}

}  // namespace

TEST(Evaluator, AgreesWithBruteForceOnRandomHands) {
  std::mt19937_64 rng(20240611);
  for (int n = 0; n < 300000; ++n) {
    const std::array<Card, 7> cards = random_hand(rng);
    const HandStrength expected = reference_seven(cards);
    ASSERT_EQ(evaluate_seven(cards), expected) << "hand " << n << ": " << card_to_string(cards[0])
                                               << card_to_string(cards[1]) << card_to_string(cards[2])
                                               << card_to_string(cards[3]) << card_to_string(cards[4])
                                               << card_to_string(cards[5]) << card_to_string(cards[6]);
    ASSERT_EQ(evaluate_seven_unchecked(cards.data()), expected);
  }
}

TEST(Evaluator, AgreesWithBruteForceOnCrowdedHands) {
  // Cards from four ranks, or from one or two suits: many quads, full houses, flushes
  // and straight flushes that a uniform sample rarely produces.
  std::mt19937_64 rng(77);
  for (int n = 0; n < 60000; ++n) {
    std::vector<Card> pool;
    const int mode = n % 3;
    const int base = static_cast<int>(rng() % 9);
    for (int c = 0; c < 52; ++c) {
      const bool keep = mode == 0 ? (card_rank(static_cast<Card>(c)) >= base && card_rank(static_cast<Card>(c)) < base + 4)
                        : mode == 1 ? card_suit(static_cast<Card>(c)) == base % 4
                                    : (card_suit(static_cast<Card>(c)) <= 1 && card_rank(static_cast<Card>(c)) >= base);
      if (keep) pool.push_back(static_cast<Card>(c));
    }
    std::shuffle(pool.begin(), pool.end(), rng);
    std::array<Card, 7> cards{};
    std::copy_n(pool.begin(), 7, cards.begin());
    ASSERT_EQ(evaluate_seven(cards), reference_seven(cards)) << "crowded hand " << n;
  }
}

TEST(Evaluator, IgnoresCardOrder) {
  std::mt19937_64 rng(5);
  for (int n = 0; n < 2000; ++n) {
    std::array<Card, 7> cards = random_hand(rng);
    const HandStrength first = evaluate_seven(cards);
    for (int k = 0; k < 5; ++k) {
      std::shuffle(cards.begin(), cards.end(), rng);
      ASSERT_EQ(evaluate_seven(cards), first);
    }
  }
}

TEST(Evaluator, ExactCategoryCountsOverAllHands) {
  // Every 7-card hand once; the well-known distribution of the nine categories.
  const auto start = std::chrono::steady_clock::now();
  std::array<std::uint64_t, 9> counts{};
  std::array<Card, 7> c{};
  for (int a = 0; a < 52; ++a) {
    c[0] = static_cast<Card>(a);
    for (int b = a + 1; b < 52; ++b) {
      c[1] = static_cast<Card>(b);
      for (int d = b + 1; d < 52; ++d) {
        c[2] = static_cast<Card>(d);
        for (int e = d + 1; e < 52; ++e) {
          c[3] = static_cast<Card>(e);
          for (int f = e + 1; f < 52; ++f) {
            c[4] = static_cast<Card>(f);
            for (int g = f + 1; g < 52; ++g) {
              c[5] = static_cast<Card>(g);
              for (int h = g + 1; h < 52; ++h) {
                c[6] = static_cast<Card>(h);
                ++counts[static_cast<std::size_t>(hand_category(evaluate_seven_unchecked(c.data())))];
              }
            }
          }
        }
      }
    }
  }
  const std::array<std::uint64_t, 9> expected{23294460, 58627800, 31433400, 6461620, 6180020,
                                               4047644,  3473184,  224848,   41584};
  EXPECT_EQ(counts, expected);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("seconds", std::to_string(seconds));
}

TEST(Evaluator, WheelAndSixHighStraights) {
  // A-2-3-4-5 of mixed suits with two more low cards (no six).
  EXPECT_EQ(eval("Ah2c3d4s5h8c9d"), make(4, bit(3), 0));
  EXPECT_EQ(eval("Ah2c3d4s5h5c2d"), make(4, bit(3), 0));
  // A-2-3-4-5-6: the six-high straight.
  EXPECT_EQ(eval("Ah2c3d4s5h6cKd"), make(4, bit(4), 0));
  EXPECT_GT(eval("Ah2c3d4s5h6cKd"), eval("Ah2c3d4s5h8c9d"));
  // Broadway beats every other straight, and seven connected ranks give the top one.
  EXPECT_EQ(eval("AhKcQdJsTh2c3d"), make(4, bit(12), 0));
  EXPECT_EQ(eval("8h9cTdJsQhKcAd"), make(4, bit(12), 0));
  // Four to a straight is not a straight.
  EXPECT_EQ(hand_category(eval("Ah2c3d4s7h8cJd")), 0);
}

TEST(Evaluator, StraightFlushes) {
  const HandStrength wheel_sf = eval("Ah2h3h4h5hKcKd");
  EXPECT_EQ(wheel_sf, 0x20010000u);
  const HandStrength six_high_sf = eval("Ah2h3h4h5h6hKd");
  EXPECT_EQ(six_high_sf, make(8, bit(4), 0));
  EXPECT_LT(wheel_sf, six_high_sf);
  // The straight flush is taken from the flush suit, not from a higher mixed straight.
  EXPECT_EQ(eval("5h6h7h8h9hTsJs"), make(8, bit(7), 0));
  EXPECT_EQ(eval("AsKsQsJsTs9s8s"), make(8, bit(12), 0));
  // A straight and a flush in the same hand that do not coincide make a flush.
  EXPECT_EQ(eval("5h6h7h8h9sKhTs"), make(5, bit(3) | bit(4) | bit(5) | bit(6) | bit(11), 0));
  // The weakest straight flush still beats the best quads.
  EXPECT_GT(wheel_sf, eval("AcAdAhAsKcKdKh"));
}

TEST(Evaluator, FullHousesFromTwoTripsAndFromTripsWithPairs) {
  EXPECT_EQ(eval("KcKdKhQcQdQh2s"), make(6, bit(11), bit(10)));
  EXPECT_EQ(eval("2c2d2hAcAdAh3s"), make(6, bit(12), bit(0)));
  // Trips plus two pairs: the higher pair fills the house.
  EXPECT_EQ(eval("KcKdKh5c5d9h9s"), make(6, bit(11), bit(7)));
  EXPECT_GT(eval("KcKdKh5c5d9h9s"), eval("KcKdKh5c5d8h2s"));
}

TEST(Evaluator, QuadsTakeTheHighestOtherRank) {
  EXPECT_EQ(eval("7c7d7h7sKcKdKh"), make(7, bit(5), bit(11)));
  EXPECT_EQ(eval("7c7d7h7s2c3dAh"), make(7, bit(5), bit(12)));
  EXPECT_EQ(eval("7c7d7h7s2c2dQh"), make(7, bit(5), bit(10)));
}

TEST(Evaluator, ThreePairsUseTheThirdPairAsKicker) {
  // Pairs A and K; the third pair's queen beats a jack kicker.
  const HandStrength three_pairs = eval("AcAdKcKdQcQd2s");
  EXPECT_EQ(three_pairs, make(2, bit(12) | bit(11), bit(10)));
  EXPECT_GT(three_pairs, eval("AhAsKhKsJc9d2c"));
  // Only the rank counts: a pair of deuces loses the kicker battle to a single queen.
  const HandStrength low_third = eval("AcAdKcKd2c2d3s");
  EXPECT_EQ(low_third, make(2, bit(12) | bit(11), bit(1)));
  EXPECT_LT(low_third, eval("AhAsKhKsQc3d2h"));
  EXPECT_EQ(eval("AhAsKhKsQc3d2h"), make(2, bit(12) | bit(11), bit(10)));
}

TEST(Evaluator, FlushTakesTheFiveHighestOfItsSuit) {
  EXPECT_EQ(eval("AhKhQhJh9h7h2h"), make(5, bit(12) | bit(11) | bit(10) | bit(9) | bit(7), 0));
  EXPECT_EQ(eval("2h4h6h8hTh3hAs"), make(5, bit(8) | bit(6) | bit(4) | bit(2) | bit(1), 0));
  // Six of one suit versus a different sixth card: only the top five compare.
  EXPECT_EQ(eval("AhKhQhJh9h3hKs"), eval("AhKhQhJh9h2hQs"));
}

TEST(Evaluator, LowerCategoriesAndKickers) {
  EXPECT_EQ(eval("AcKdQh9s7c5d3h"), make(0, bit(12) | bit(11) | bit(10) | bit(7) | bit(5), 0));
  EXPECT_EQ(eval("AcAdQh9s7c5d3h"), make(1, bit(12), bit(10) | bit(7) | bit(5)));
  EXPECT_EQ(eval("9c9d9hAsKc5d3h"), make(3, bit(7), bit(12) | bit(11)));
  EXPECT_EQ(eval("9c9dAhAsKc5d3h"), make(2, bit(12) | bit(7), bit(11)));
  EXPECT_EQ(eval("AcAdQh9s7c5d4h"), eval("AcAdQh9s7c5d3h"));
}

TEST(Evaluator, CheckedEntryPointsRejectBadInput) {
  std::array<Card, 7> cards = hand("AcKdQh9s7c5d3h");
  cards[4] = 52;
  expect_error<std::out_of_range>([&] { evaluate_seven(cards); }, "Card code must be in [0, 52)");
  cards[4] = kNoCard;
  expect_error<std::out_of_range>([&] { evaluate_seven(cards); }, "Card code must be in [0, 52)");

  const Pocket pocket = make_pocket(parse_card("As"), parse_card("Ks"));
  const std::array<Card, 6> six{parse_card("2c"), parse_card("3c"), parse_card("4d"),
                                parse_card("9h"), parse_card("Th"), parse_card("Jd")};
  const std::span<const Card> all(six);
  expect_error<std::invalid_argument>([&] { evaluate_hand(pocket, all.first(4)); },
                                      "Board must contain exactly 5 cards for evaluation");
  expect_error<std::invalid_argument>([&] { evaluate_hand(pocket, all); },
                                      "Board must contain exactly 5 cards for evaluation");
  EXPECT_EQ(evaluate_hand(pocket, all.first(5)), eval("AsKs2c3c4d9hTh"));
  const std::array<Card, 5> with_missing{parse_card("2c"), parse_card("3c"), parse_card("4d"), parse_card("9h"),
                                         kNoCard};
  expect_error<std::out_of_range>([&] { evaluate_hand(pocket, with_missing); }, "Card code must be in [0, 52)");
}
