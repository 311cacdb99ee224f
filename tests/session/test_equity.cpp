// Sampled and exact showdown equity.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "core/card_context.h"
#include "core/evaluator.h"
#include "core/range.h"
#include "session/equity.h"

namespace velmora_app {
namespace {

using velmora::Card;
using velmora::Pocket;

Card C(const char* t) { return velmora::parse_card(t); }

std::vector<Pocket> class_pockets(int rank) {
  std::vector<Pocket> out;
  for (int s1 = 0; s1 < 4; ++s1) {
    for (int s2 = s1 + 1; s2 < 4; ++s2) {
      out.push_back(velmora::make_pocket(static_cast<Card>(rank * 4 + s1), static_cast<Card>(rank * 4 + s2)));
    }
  }
  return out;
}

// Exact equity by brute force over every compatible pair on a full board.
double brute_force_equity(const std::vector<Card>& board, const std::vector<Pocket>& hero,
                          const std::vector<double>& hw, const std::vector<Pocket>& opp, const std::vector<float>& ow) {
  std::uint64_t dead = 0;
  for (Card c : board) dead |= velmora::card_bit(c);
  double total = 0, score = 0;
  for (std::size_t h = 0; h < hero.size(); ++h) {
    if (!(hw[h] > 0) || (velmora::pocket_mask(hero[h]) & dead)) continue;
    const auto hs = velmora::evaluate_hand(hero[h], board);
    for (std::size_t o = 0; o < opp.size(); ++o) {
      if (!(ow[o] > 0) || (velmora::pocket_mask(opp[o]) & (dead | velmora::pocket_mask(hero[h])))) continue;
      const auto os = velmora::evaluate_hand(opp[o], board);
      const double w = hw[h] * ow[o];
      total += w;
      score += hs > os ? w : (hs == os ? 0.5 * w : 0.0);
    }
  }
  return score / total;
}

// What the sampler estimates on a full board: the hero hand drawn by its
// weight, then the opponent by weight among the pockets compatible with it.
double sampler_target(const std::vector<Card>& board, const std::vector<Pocket>& hero, const std::vector<double>& hw,
                      const std::vector<Pocket>& opp, const std::vector<float>& ow) {
  std::uint64_t dead = 0;
  for (Card c : board) dead |= velmora::card_bit(c);
  double hero_total = 0, score = 0;
  for (std::size_t h = 0; h < hero.size(); ++h) {
    if (!(hw[h] > 0) || (velmora::pocket_mask(hero[h]) & dead)) continue;
    hero_total += hw[h];
    double compat = 0, s = 0;
    const auto hs = velmora::evaluate_hand(hero[h], board);
    for (std::size_t o = 0; o < opp.size(); ++o) {
      if (!(ow[o] > 0) || (velmora::pocket_mask(opp[o]) & (dead | velmora::pocket_mask(hero[h])))) continue;
      const auto os = velmora::evaluate_hand(opp[o], board);
      compat += ow[o];
      s += hs > os ? ow[o] : (hs == os ? 0.5 * ow[o] : 0.0);
    }
    if (compat > 0) score += hw[h] * s / compat;
  }
  return score / hero_total;
}

TEST(CumulativeWeights, SkipsUnusableWeightsAndSamplesByWeight) {
  const std::vector<double> w{0.5, -1.0, NAN, INFINITY, 0.0, 1.5};
  const CumulativeWeights t = build_cumulative_weights(w);
  EXPECT_EQ(t.sums, (std::vector<double>{0.5, 0.5, 0.5, 0.5, 0.5, 2.0}));
  EXPECT_EQ(t.total, 2.0);
  std::mt19937 gen(7);
  int counts[6] = {};
  for (int i = 0; i < 20000; ++i) ++counts[sample_weighted_index(t, gen)];
  EXPECT_EQ(counts[1] + counts[2] + counts[3] + counts[4], 0) << "zero-width entries are never drawn";
  EXPECT_NEAR(counts[0] / 20000.0, 0.25, 0.02);

  EXPECT_EQ(sample_weighted_index(build_cumulative_weights(std::vector<double>{}), gen), -1);
  EXPECT_EQ(sample_weighted_index(build_cumulative_weights(std::vector<double>{0.0, -2.0}), gen), -1);
}

TEST(UniformDraws, MatchTheStandardLibraryAlgorithms) {
  std::mt19937 a(12345), b(12345);
  for (int i = 0; i < 2000; ++i) {
    const std::uint32_t n = 1 + static_cast<std::uint32_t>(i % 52);
    std::uniform_int_distribution<std::uint32_t> dist(0, n - 1);
    ASSERT_EQ(uniform_below(a, n), dist(b));
  }
  for (int i = 0; i < 2000; ++i) {
    const double u = uniform_unit(a);
    ASSERT_EQ(u, (std::generate_canonical<double, 64>(b)));
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}

TEST(EstimateEquity, AcesAgainstKingsAllInAveragesNearEightyTwoPercent) {
  const auto aa = class_pockets(12);
  const auto kk = class_pockets(11);
  std::mt19937 gen(2024);
  std::mt19937 deal(99);
  double sum = 0.0;
  const int trials = 4000;
  for (int t = 0; t < trials; ++t) {
    // Random hands first, then a random flop from the rest: a preflop all-in.
    const Pocket hero = aa[deal() % aa.size()];
    const Pocket opp = kk[deal() % kk.size()];
    std::uint64_t used = velmora::pocket_mask(hero) | velmora::pocket_mask(opp);
    std::vector<Card> flop;
    while (flop.size() < 3) {
      const Card c = static_cast<Card>(deal() % 52);
      if (used & velmora::card_bit(c)) continue;
      used |= velmora::card_bit(c);
      flop.push_back(c);
    }
    const std::vector<double> hw{1.0};
    const std::vector<float> ow{1.0f};
    const double eq = estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, std::vector<Pocket>{hero}, hw,
                                      std::vector<Pocket>{opp}, ow, 10);
    ASSERT_TRUE(std::isfinite(eq));
    sum += eq;
  }
  EXPECT_NEAR(sum / trials, 0.819, 0.01);
}

TEST(EstimateEquity, TurnSpotAgreesWithTheAverageOverEveryRiver) {
  const std::vector<Card> flop{C("Kh"), C("9h"), C("4c")};
  const Card turn = C("2d");
  const std::vector<Pocket> hero{velmora::make_pocket(C("Ah"), C("Qh")), velmora::make_pocket(C("Jc"), C("Tc")),
                                 velmora::make_pocket(C("Kd"), C("Qs"))};
  const std::vector<double> hw{1.0, 0.5, 1.0};
  const std::vector<Pocket> opp{velmora::make_pocket(C("Ks"), C("Jd")), velmora::make_pocket(C("9s"), C("9d")),
                                velmora::make_pocket(C("Th"), C("8h")), velmora::make_pocket(C("Ac"), C("Kc"))};
  const std::vector<float> ow{1.0f, 1.0f, 1.0f, 1.0f};
  // Each pair of hands sees every river card the board and both hands leave
  // (44 of them) with equal chance: average the sampler's full-board target.
  double exact = 0.0;
  for (std::size_t h = 0; h < hero.size(); ++h) {
    for (std::size_t o = 0; o < opp.size(); ++o) {
      const std::uint64_t used = velmora::pocket_mask(hero[h]) | velmora::pocket_mask(opp[o]) |
                                 velmora::card_bit(flop[0]) | velmora::card_bit(flop[1]) | velmora::card_bit(flop[2]) |
                                 velmora::card_bit(turn);
      if (std::popcount(used) != 8) continue;
      for (int r = 0; r < 52; ++r) {
        if (used & velmora::card_bit(static_cast<Card>(r))) continue;
        const std::vector<Card> board{flop[0], flop[1], flop[2], turn, static_cast<Card>(r)};
        // Opponent weight among the pockets compatible with this hero hand.
        double compat = 0;
        for (std::size_t k = 0; k < opp.size(); ++k) {
          if (!(velmora::pocket_mask(opp[k]) & (velmora::pocket_mask(hero[h]) | (used & ~velmora::pocket_mask(opp[o])))))
            compat += ow[k];
        }
        const auto hs = velmora::evaluate_hand(hero[h], board);
        const auto os = velmora::evaluate_hand(opp[o], board);
        const double w = hw[h] / 2.5 * ow[o] / compat / 44.0;
        exact += hs > os ? w : (hs == os ? 0.5 * w : 0.0);
      }
    }
  }
  std::mt19937 gen(31);
  EXPECT_NEAR(estimate_equity(gen, flop, turn, velmora::kNoCard, hero, hw, opp, ow, 40000), exact, 0.01);
}

TEST(ExactRiverEquity, MatchesEnumerationOnFixedBoards) {
  const char* boards[][5] = {{"Ah", "Kd", "7c", "7s", "2h"}, {"Qs", "Js", "Ts", "4d", "4c"}, {"9h", "8h", "3c", "2d", "Kh"}};
  for (const auto& b : boards) {
    std::array<velmora::Range, 2> ranges{};
    ranges[0] = velmora::parse_range("AA,KK,77,AK,KQ,QJs,T9s:0.5,54s,22");
    ranges[1] = velmora::parse_range("QQ,JJ,AQ,AJs,KJ,98s,76s:0.25,A5s");
    velmora::Board board{C(b[0]), C(b[1]), C(b[2]), C(b[3]), C(b[4])};
    std::sort(board.begin(), board.begin() + 3);
    const velmora::CardContext ctx(board, ranges);
    const std::vector<Card> cards(board.begin(), board.end());
    std::vector<double> hw(ctx.weights(0).begin(), ctx.weights(0).end());
    for (std::size_t i = 0; i < hw.size(); i += 3) hw[i] *= 0.3;  // a strategy-shaped weighting
    const double exact = exact_river_equity(ctx.runout_showdown(board[3], board[4]), 0, ctx.pockets(0),
                                            ctx.pockets(1), hw, ctx.weights(1));
    EXPECT_NEAR(exact, brute_force_equity(cards, ctx.pockets(0), hw, ctx.pockets(1), ctx.weights(1)), 1e-12);
    // Seen from the other seat, the two equities share the pot.
    std::vector<double> ow(ctx.weights(1).begin(), ctx.weights(1).end());
    std::vector<float> hwf(hw.begin(), hw.end());
    const double other =
        exact_river_equity(ctx.runout_showdown(board[3], board[4]), 1, ctx.pockets(1), ctx.pockets(0), ow, hwf);
    EXPECT_NEAR(exact + other, 1.0, 1e-6);
    // The sampler on a full board draws the hero first, then a compatible
    // opponent, and converges to that weighting.
    std::mt19937 gen(3);
    const double est = estimate_equity(gen, std::vector<Card>(cards.begin(), cards.begin() + 3), board[3], board[4],
                                       ctx.pockets(0), hw, ctx.pockets(1), ctx.weights(1), 20000);
    EXPECT_NEAR(est, sampler_target(cards, ctx.pockets(0), hw, ctx.pockets(1), ctx.weights(1)), 0.012);
  }
}

TEST(Equity, SeededRunsRepeatAndUncomputableCasesAreNaN) {
  const std::vector<Card> flop{C("Ah"), C("7d"), C("2c")};
  const std::vector<Pocket> hero{velmora::make_pocket(C("Kh"), C("Qh"))};
  const std::vector<Pocket> sharing{velmora::make_pocket(C("Kh"), C("Kd"))};
  const std::vector<Pocket> nines{velmora::make_pocket(C("9s"), C("9c"))};
  const std::vector<double> one{1.0};
  const std::vector<float> onef{1.0f};
  std::mt19937 g1(0xC0FFEE), g2(0xC0FFEE);
  EXPECT_EQ(estimate_equity(g1, flop, velmora::kNoCard, velmora::kNoCard, hero, one, nines, onef, 500),
            estimate_equity(g2, flop, velmora::kNoCard, velmora::kNoCard, hero, one, nines, onef, 500));
  std::mt19937 gen(1);
  // Every attempt fails after 32 opponent draws.
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero, one, sharing, onef, 50)));
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero,
                                         std::vector<double>{0.0}, sharing, onef, 50)));
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero, one,
                                         std::vector<Pocket>{}, std::vector<float>{}, 50)));
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero, one, sharing,
                                         std::vector<float>{NAN}, 50)));
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero, one, sharing, onef, 0)));
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, hero,
                                         std::vector<double>{1.0, 1.0}, sharing, onef, 50)))
      << "weight list length differs from the pocket list";
  // A hero pocket that holds a board card never yields a sample.
  const std::vector<Pocket> blocked{velmora::make_pocket(C("Ah"), C("Kc"))};
  EXPECT_TRUE(std::isnan(estimate_equity(gen, flop, velmora::kNoCard, velmora::kNoCard, blocked, one, nines, onef, 50)));
}

TEST(ExactRiverEquity, TiesBlockersAndEmptyHeroes) {
  std::array<velmora::Range, 2> ranges{};
  ranges[0] = velmora::parse_range("32o,AsKd");
  ranges[1] = velmora::parse_range("42o");
  velmora::Board board{C("Ts"), C("Js"), C("Qs"), C("Ks"), C("As")};
  std::sort(board.begin(), board.begin() + 3);
  const velmora::CardContext ctx(board, ranges);
  const auto& sd = ctx.runout_showdown(board[3], board[4]);
  std::vector<double> hw(ctx.weights(0).begin(), ctx.weights(0).end());
  EXPECT_DOUBLE_EQ(exact_river_equity(sd, 0, ctx.pockets(0), ctx.pockets(1), hw, ctx.weights(1)), 0.5)
      << "everyone plays the royal flush";
  std::vector<double> zero(hw.size(), 0.0);
  EXPECT_TRUE(std::isnan(exact_river_equity(sd, 0, ctx.pockets(0), ctx.pockets(1), zero, ctx.weights(1))));
  EXPECT_TRUE(std::isnan(exact_river_equity(velmora::RunoutShowdown{}, 0, ctx.pockets(0), ctx.pockets(1), hw,
                                            ctx.weights(1))));
}

}  // namespace
}  // namespace velmora_app
