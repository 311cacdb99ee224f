#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include "core/range.h"
#include "expect_throw.h"

using namespace velmora;

namespace {

using velmora::testing::expect_error;

int count_nonzero(const Range& r) {
  return static_cast<int>(std::count_if(r.begin(), r.end(), [](float w) { return w != 0.0f; }));
}

float weight_of(const Range& r, const char* a, const char* b) { return range_weight(r, parse_card(a), parse_card(b)); }

// The set of hand classes ("AKs", "QQ", "T9o") holding weight, for span checks.
std::set<std::string> classes_of(const Range& r) {
  const std::string ranks = "23456789TJQKA";
  std::set<std::string> out;
  for (int i = 0; i < kNumPockets; ++i) {
    if (r[static_cast<std::size_t>(i)] == 0.0f) continue;
    const Pocket p = pocket_table()[static_cast<std::size_t>(i)];
    const int hi = card_rank(pocket_hi(p));
    const int lo = card_rank(pocket_lo(p));
    std::string name{ranks[static_cast<std::size_t>(hi)], ranks[static_cast<std::size_t>(lo)]};
    if (hi != lo) name += card_suit(pocket_hi(p)) == card_suit(pocket_lo(p)) ? "s" : "o";
    out.insert(name);
  }
  return out;
}

using Classes = std::set<std::string>;

}  // namespace

TEST(RangeText, EmptyTextsAndOverwriteOrder) {
  EXPECT_EQ(count_nonzero(parse_range("")), 0);
  EXPECT_EQ(count_nonzero(parse_range(",,,")), 0);
  EXPECT_EQ(count_nonzero(parse_range(" \n\t ")), 0);
  EXPECT_FLOAT_EQ(weight_of(parse_range("AA,AA:0.5"), "Ac", "Ad"), 0.5f);
  EXPECT_FLOAT_EQ(weight_of(parse_range("AA:0.5, AA"), "Ac", "Ad"), 1.0f);
  const Range r = parse_range("AA, KK, QQ, JJ, TT, 99:0.8");
  EXPECT_EQ(count_nonzero(r), 36);
  EXPECT_FLOAT_EQ(weight_of(r, "9c", "9s"), 0.8f);
  EXPECT_FLOAT_EQ(weight_of(r, "Ks", "Kh"), 1.0f);
  EXPECT_FLOAT_EQ(weight_of(r, "8s", "8h"), 0.0f);
  EXPECT_EQ(parse_range("A K s"), parse_range("AKs"));
  EXPECT_EQ(parse_range("ak S"), parse_range("AKs"));
}

TEST(RangeText, SinglePatternsCoverTheRightPockets) {
  EXPECT_EQ(count_nonzero(parse_range("AKs")), 4);
  EXPECT_EQ(count_nonzero(parse_range("AKo")), 12);
  EXPECT_EQ(count_nonzero(parse_range("AK")), 16);
  EXPECT_EQ(count_nonzero(parse_range("TT")), 6);
  const Range exact = parse_range("AhKd");
  EXPECT_EQ(count_nonzero(exact), 1);
  EXPECT_FLOAT_EQ(weight_of(exact, "Kd", "Ah"), 1.0f);
  const Range suited = parse_range("AKs");
  EXPECT_FLOAT_EQ(weight_of(suited, "As", "Ks"), 1.0f);
  EXPECT_FLOAT_EQ(weight_of(suited, "As", "Kh"), 0.0f);
  const Range offsuit = parse_range("AKo");
  EXPECT_FLOAT_EQ(weight_of(offsuit, "As", "Ks"), 0.0f);
  EXPECT_FLOAT_EQ(weight_of(offsuit, "As", "Kh"), 1.0f);
}

TEST(RangeText, PatternPocketOrder) {
  const auto pair = pattern_pockets(parse_combo_pattern("22"));
  ASSERT_EQ(pair.size(), 6u);
  EXPECT_EQ(pair[0], pocket_index(0, 1));
  EXPECT_EQ(pair[1], pocket_index(0, 2));
  EXPECT_EQ(pair[5], pocket_index(2, 3));
  const auto any = pattern_pockets(parse_combo_pattern("32"));
  ASSERT_EQ(any.size(), 16u);
  EXPECT_EQ(any[0], pocket_index(4, 0));  // 3c2c
  EXPECT_EQ(any[1], pocket_index(4, 1));  // 3c2d
  EXPECT_EQ(any[4], pocket_index(5, 0));  // 3d2c
  const ComboPattern exact = parse_combo_pattern("AhKd");
  EXPECT_EQ(exact.kind, 3);
  EXPECT_EQ(exact.rank_hi, 12);
  EXPECT_EQ(exact.rank_lo, 11);
  EXPECT_EQ(exact.suit1, 2);
  EXPECT_EQ(exact.suit2, 1);
  EXPECT_EQ(pattern_pockets(exact), std::vector<int>{pocket_index(parse_card("Ah"), parse_card("Kd"))});

  ComboPattern bad_pair;
  bad_pair.rank_hi = bad_pair.rank_lo = 5;
  bad_pair.kind = 1;
  expect_error<std::invalid_argument>([&] { pattern_pockets(bad_pair); }, "Pair cannot be suited/offsuit");
  ComboPattern out_of_table;
  out_of_table.rank_hi = 13;
  EXPECT_THROW(pattern_pockets(out_of_table), std::invalid_argument);
}

TEST(RangeText, PlusForms) {
  EXPECT_EQ(classes_of(parse_range("K9s+")), (Classes{"K9s", "KTs", "KJs", "KQs"}));
  EXPECT_EQ(classes_of(parse_range("JTs+")), (Classes{"JTs", "QJs", "KQs", "AKs"}));
  EXPECT_EQ(classes_of(parse_range("AKo+")), (Classes{"AKo"}));
  EXPECT_EQ(count_nonzero(parse_range("22+")), 13 * 6);
  EXPECT_EQ(classes_of(parse_range("QQ+")), (Classes{"QQ", "KK", "AA"}));
  EXPECT_EQ(classes_of(parse_range("A2+")), (Classes{"A2s", "A3s", "A4s", "A5s", "A6s", "A7s", "A8s", "A9s", "ATs",
                                                     "AJs", "AQs", "AKs", "A2o", "A3o", "A4o", "A5o", "A6o", "A7o",
                                                     "A8o", "A9o", "ATo", "AJo", "AQo", "AKo"}));
  // Exact combos keep their suits while the ranks move.
  const Range exact = parse_range("Ah9d+");
  EXPECT_EQ(count_nonzero(exact), 5);
  EXPECT_FLOAT_EQ(weight_of(exact, "Ah", "Qd"), 1.0f);
  EXPECT_FLOAT_EQ(weight_of(exact, "Ah", "Kd"), 1.0f);
  EXPECT_FLOAT_EQ(weight_of(exact, "Ad", "Kh"), 0.0f);
  expect_error<std::invalid_argument>([] { parse_range("+"); }, "Expected trailing '+'");
  expect_error<std::invalid_argument>([] { parse_range("AK+:0.5x"); }, "Weight string contains invalid characters");
}

TEST(RangeText, SpanForms) {
  EXPECT_EQ(classes_of(parse_range("88-55")), (Classes{"55", "66", "77", "88"}));
  EXPECT_EQ(classes_of(parse_range("55-88")), (Classes{"55", "66", "77", "88"}));
  EXPECT_EQ(classes_of(parse_range("JTs-54s")), (Classes{"54s", "65s", "76s", "87s", "98s", "T9s", "JTs"}));
  EXPECT_EQ(classes_of(parse_range("KQs-K9s")), (Classes{"K9s", "KTs", "KJs", "KQs"}));
  EXPECT_EQ(classes_of(parse_range("K9s-KQs")), (Classes{"K9s", "KTs", "KJs", "KQs"}));
  EXPECT_EQ(classes_of(parse_range("KTo-K7o")), (Classes{"K7o", "K8o", "K9o", "KTo"}));
  EXPECT_EQ(classes_of(parse_range("A5s-K2s")), (Classes{"A2s", "A3s", "A4s", "A5s", "K2s", "K3s", "K4s", "K5s"}));
  // A rectangle keeps only the cells above the diagonal.
  EXPECT_EQ(classes_of(parse_range("54s-42s")), (Classes{"42s", "43s", "52s", "53s", "54s"}));
  EXPECT_EQ(classes_of(parse_range("54s-32s")), (Classes{"32s", "43s", "54s"}));
  const Range weighted = parse_range("88-66:0.25");
  EXPECT_EQ(count_nonzero(weighted), 18);
  EXPECT_FLOAT_EQ(weight_of(weighted, "7c", "7h"), 0.25f);

  expect_error<std::invalid_argument>([] { parse_range("AKs-QJo"); }, "Suitedness mismatch in range");
  expect_error<std::invalid_argument>([] { parse_range("AA-KQs"); }, "Suitedness mismatch in range");
  expect_error<std::invalid_argument>([] { parse_range("AA-K2"); }, "Unsupported range expression");
  expect_error<std::invalid_argument>([] { parse_range("A5-K2"); }, "Unsupported range expression");
  expect_error<std::invalid_argument>([] { parse_range("AA-"); }, "Empty combo");
  expect_error<std::invalid_argument>([] { parse_range("88-55-22"); }, "Invalid combo pattern length");
}

TEST(RangeText, PatternErrors) {
  expect_error<std::invalid_argument>([] { parse_range("AhAh"); }, "Duplicate cards are not allowed");
  expect_error<std::invalid_argument>([] { parse_range("KA"); }, "First rank must be >= second rank");
  expect_error<std::invalid_argument>([] { parse_range("KdAh"); }, "First rank must be >= second rank");
  expect_error<std::invalid_argument>([] { parse_range("KAs"); }, "First rank must be >= second rank");
  expect_error<std::invalid_argument>([] { parse_range("AAs"); }, "Pair cannot have suitedness suffix");
  expect_error<std::invalid_argument>([] { parse_range("AKx"); }, "Invalid suitedness suffix");
  expect_error<std::invalid_argument>([] { parse_range("A"); }, "Invalid combo pattern length");
  expect_error<std::invalid_argument>([] { parse_range("AKsoo"); }, "Invalid combo pattern length");
  expect_error<std::invalid_argument>([] { parse_range("1K"); }, "Invalid rank character");
  expect_error<std::invalid_argument>([] { parse_range("AhKx"); }, "Invalid suit character");
  expect_error<std::invalid_argument>([] { parse_combo_pattern(""); }, "Empty combo");
  // The first bad entry fails the whole text.
  expect_error<std::invalid_argument>([] { parse_range("AA, KK, QX"); }, "Invalid rank character");
}

TEST(RangeText, WeightErrors) {
  expect_error<std::invalid_argument>([] { parse_range("AA:"); }, "Weight string is empty");
  expect_error<std::invalid_argument>([] { parse_range("AA:1.5"); }, "Weight must be within [0, 1]");
  expect_error<std::invalid_argument>([] { parse_range("AA:-0.1"); }, "Weight must be within [0, 1]");
  expect_error<std::invalid_argument>([] { parse_range("AA:nan"); }, "Weight must be within [0, 1]");
  expect_error<std::invalid_argument>([] { parse_range("AA:0.5x"); }, "Weight string contains invalid characters");
  expect_error<std::invalid_argument>([] { parse_range("AA:0.5:1"); }, "Weight string contains invalid characters");
  expect_error<std::invalid_argument>([] { parse_range(":0.5"); }, "Missing range expression");
  expect_error<std::invalid_argument>([] { parse_range("AA:abc"); }, "invalid stof argument");
  expect_error<std::out_of_range>([] { parse_range("AA:1e99"); }, "stof argument out of range");
  EXPECT_FLOAT_EQ(weight_of(parse_range("AA:1e-1"), "Ac", "Ad"), 0.1f);
  EXPECT_FLOAT_EQ(weight_of(parse_range("AA:0x1p-2"), "Ac", "Ad"), 0.25f);
}

TEST(RangeText, LocaleFreeStof) {
  std::size_t used = 99;
  EXPECT_FLOAT_EQ(locale_free_stof("  0.75abc", &used), 0.75f);
  EXPECT_EQ(used, 6u);
  EXPECT_FLOAT_EQ(locale_free_stof("1", nullptr), 1.0f);
  EXPECT_TRUE(std::isinf(locale_free_stof("-inf", &used)));
  expect_error<std::invalid_argument>([] { locale_free_stof("", nullptr); }, "invalid stof argument");
  expect_error<std::invalid_argument>([] { locale_free_stof(",5", nullptr); }, "invalid stof argument");
  // Finite in double, beyond float.
  expect_error<std::out_of_range>([] { locale_free_stof("1e39", nullptr); }, "stof argument out of range");

  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh generates it)";
  }
  const bool comma = std::string(std::localeconv()->decimal_point) == ",";
  std::size_t used_point = 0;
  const float point_value = locale_free_stof("0.8", &used_point);
  bool parsed = false;
  Range r{};
  try {
    r = parse_range("99:0.8, AKs:0.25");
    parsed = true;
  } catch (const std::exception&) {
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_TRUE(comma);
  ASSERT_TRUE(parsed);
  EXPECT_FLOAT_EQ(point_value, 0.8f);
  EXPECT_EQ(used_point, 3u);
  EXPECT_FLOAT_EQ(weight_of(r, "9c", "9d"), 0.8f);
  EXPECT_FLOAT_EQ(weight_of(r, "As", "Ks"), 0.25f);
}

TEST(RangeWeights, ReadAndWriteSinglePockets) {
  Range r{};
  set_range_weight(r, 51, 50, 0.5f);
  EXPECT_FLOAT_EQ(range_weight(r, 50, 51), 0.5f);
  EXPECT_FLOAT_EQ(r[1325], 0.5f);
  set_range_weight(r, 0, 1, 1.0f);
  set_range_weight(r, 0, 2, 0.0f);
  EXPECT_EQ(count_nonzero(r), 2);
  clear_range(r);
  EXPECT_EQ(count_nonzero(r), 0);

  expect_error<std::out_of_range>([&] { range_weight(r, 52, 1); }, "Card code must be in [0, 52)");
  expect_error<std::out_of_range>([&] { range_weight(r, 1, 255); }, "Card code must be in [0, 52)");
  expect_error<std::invalid_argument>([&] { range_weight(r, 7, 7); }, "Cards must differ");
  expect_error<std::out_of_range>([&] { set_range_weight(r, 60, 1, 0.5f); }, "Card code must be in [0, 52)");
  expect_error<std::invalid_argument>([&] { set_range_weight(r, 3, 3, 0.5f); }, "Cards must differ");
  expect_error<std::invalid_argument>([&] { set_range_weight(r, 3, 4, 1.01f); }, "Weight must be within [0, 1]");
  expect_error<std::invalid_argument>([&] { set_range_weight(r, 3, 4, -0.01f); }, "Weight must be within [0, 1]");
  expect_error<std::invalid_argument>([&] { set_range_weight(r, 3, 4, std::numeric_limits<float>::quiet_NaN()); },
                                      "Weight must be within [0, 1]");
  EXPECT_EQ(count_nonzero(r), 0);
}

TEST(RangeWeights, SuitSymmetry) {
  const Range aks = parse_range("AKs");
  for (int a = 0; a < 4; ++a) {
    for (int b = 0; b < 4; ++b) EXPECT_TRUE(range_suit_symmetric(aks, a, b)) << a << "," << b;
  }
  const Range ahkh = parse_range("AhKh");
  EXPECT_FALSE(range_suit_symmetric(ahkh, 2, 3));
  EXPECT_FALSE(range_suit_symmetric(ahkh, 3, 2));
  EXPECT_TRUE(range_suit_symmetric(ahkh, 0, 1));
  EXPECT_TRUE(range_suit_symmetric(ahkh, 2, 2));

  // Same set of pockets, different weight on one of them.
  Range uneven = parse_range("AKs");
  set_range_weight(uneven, parse_card("Ac"), parse_card("Kc"), 0.5f);
  EXPECT_FALSE(range_suit_symmetric(uneven, 0, 1));
  EXPECT_TRUE(range_suit_symmetric(uneven, 1, 2));

  // Offsuit pockets move across suits in pairs: AcKd maps to AdKc.
  const Range one_way = parse_range("AcKd");
  EXPECT_FALSE(range_suit_symmetric(one_way, 0, 1));
  EXPECT_TRUE(range_suit_symmetric(parse_range("AcKd, AdKc"), 0, 1));
  EXPECT_FALSE(range_suit_symmetric(parse_range("AcKd, AdKc:0.5"), 0, 1));

  Range with_nan = parse_range("AKs");
  with_nan[static_cast<std::size_t>(pocket_index(parse_card("2c"), parse_card("3c")))] =
      std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(range_suit_symmetric(with_nan, 2, 3));
  EXPECT_FALSE(range_suit_symmetric(with_nan, 1, 1));

  EXPECT_THROW(range_suit_symmetric(aks, 0, 4), std::out_of_range);
  EXPECT_THROW(range_suit_symmetric(aks, -1, 2), std::out_of_range);
}
