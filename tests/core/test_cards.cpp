#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "core/cards.h"
#include "expect_throw.h"

using namespace velmora;

using velmora::testing::expect_error;

TEST(Cards, ParsesRanksAndSuitsInEitherCase) {
  const std::string ranks = "23456789TJQKA";
  for (int r = 0; r < 13; ++r) {
    EXPECT_EQ(parse_rank(ranks[static_cast<std::size_t>(r)]), r);
    EXPECT_EQ(rank_to_char(static_cast<std::uint8_t>(r)), ranks[static_cast<std::size_t>(r)]);
  }
  EXPECT_EQ(parse_rank('t'), 8);
  EXPECT_EQ(parse_rank('a'), 12);
  EXPECT_EQ(parse_suit('C'), 0);
  EXPECT_EQ(parse_suit('D'), 1);
  EXPECT_EQ(parse_suit('h'), 2);
  EXPECT_EQ(parse_suit('S'), 3);
  for (const char bad : {'1', '0', 'x', ' ', 'B', '\0'}) {
    expect_error<std::invalid_argument>([bad] { parse_rank(bad); }, "Invalid rank character");
  }
  for (const char bad : {'x', 'a', 'b', '3'}) {
    expect_error<std::invalid_argument>([bad] { parse_suit(bad); }, "Invalid suit character");
  }
  expect_error<std::out_of_range>([] { rank_to_char(13); }, "Rank is out of range");
  expect_error<std::out_of_range>([] { rank_to_char(255); }, "Rank is out of range");
}

TEST(Cards, ParseCardAndItsErrors) {
  EXPECT_EQ(parse_card("as"), 51);
  EXPECT_EQ(parse_card("AS"), 51);
  EXPECT_EQ(parse_card("Ts"), 35);
  EXPECT_EQ(parse_card("2c"), 0);
  expect_error<std::invalid_argument>([] { parse_card("1s"); }, "Invalid rank character");
  expect_error<std::invalid_argument>([] { parse_card("Ax"); }, "Invalid suit character");
  expect_error<std::invalid_argument>([] { parse_card("Ahh"); }, "Card token must consist of two characters");
  expect_error<std::invalid_argument>([] { parse_card(""); }, "Card token must consist of two characters");
  expect_error<std::invalid_argument>([] { parse_card("10s"); }, "Card token must consist of two characters");
}

TEST(Cards, CardTextRoundTripsForEveryCode) {
  for (unsigned code = 0; code < 52; ++code) {
    const std::string text = card_to_string(code);
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(parse_card(text), code);
    EXPECT_NO_THROW(check_card_code(code));
  }
  EXPECT_EQ(card_to_string(0), "2c");
  EXPECT_EQ(card_to_string(51), "As");
  expect_error<std::out_of_range>([] { card_to_string(52); }, "Card code must be in [0, 52)");
  expect_error<std::out_of_range>([] { card_to_string(kNoCard); }, "Card code must be in [0, 52)");
  expect_error<std::out_of_range>([] { check_card_code(52); }, "Card code must be in [0, 52)");
  expect_error<std::out_of_range>([] { check_card_code(0xFFFFFFFFu); }, "Card code must be in [0, 52)");
}

TEST(Cards, ParseFlopSortsAndValidates) {
  const std::array<Card, 3> expected{41, 47, 50};  // Qd, Ks, Ah
  EXPECT_EQ(parse_flop("QdAhKs"), expected);
  EXPECT_EQ(parse_flop("Ah Ks Qd"), expected);
  EXPECT_EQ(parse_flop("ahksqd"), expected);
  EXPECT_EQ(parse_flop("\tA h\nK\rs\v Q\fd "), expected);
  expect_error<std::invalid_argument>([] { parse_flop("AhAhKd"); }, "Flop cards must be unique");
  expect_error<std::invalid_argument>([] { parse_flop("KdAhAh"); }, "Flop cards must be unique");
  expect_error<std::invalid_argument>([] { parse_flop("AhKs"); }, "Flop string must contain exactly three cards");
  expect_error<std::invalid_argument>([] { parse_flop("AhKsQdJc"); },
                                      "Flop string must contain exactly three cards");
  expect_error<std::invalid_argument>([] { parse_flop(""); }, "Flop string must contain exactly three cards");
  expect_error<std::invalid_argument>([] { parse_flop("AhKs1d"); }, "Invalid rank character");
  expect_error<std::invalid_argument>([] { parse_flop("AhKsQz"); }, "Invalid suit character");
}

TEST(Cards, PocketIndexIsABijection) {
  EXPECT_EQ(pocket_index(0, 1), 0);
  EXPECT_EQ(pocket_index(1, 0), 0);
  EXPECT_EQ(pocket_index(50, 51), 1325);
  EXPECT_EQ(pocket_index(51, 50), 1325);

  std::set<int> seen;
  const auto& table = pocket_table();
  for (int a = 0; a < kNumCards; ++a) {
    for (int b = a + 1; b < kNumCards; ++b) {
      const int idx = pocket_index(static_cast<Card>(a), static_cast<Card>(b));
      ASSERT_GE(idx, 0);
      ASSERT_LT(idx, kNumPockets);
      EXPECT_EQ(idx, pocket_index(static_cast<Card>(b), static_cast<Card>(a)));
      EXPECT_TRUE(seen.insert(idx).second) << "index " << idx << " reused by " << a << "," << b;
      const Pocket p = table[static_cast<std::size_t>(idx)];
      EXPECT_EQ(pocket_lo(p), a);
      EXPECT_EQ(pocket_hi(p), b);
      EXPECT_EQ(p, make_pocket(static_cast<Card>(b), static_cast<Card>(a)));
      EXPECT_EQ(pocket_mask(p), card_bit(static_cast<Card>(a)) | card_bit(static_cast<Card>(b)));
    }
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kNumPockets));
}
