#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/bet_size.h"
#include "expect_throw.h"

using namespace velmora;

namespace {

using velmora::testing::expect_error;

SizeSpec raise_size(const std::string& token) { return parse_bet_size(token, true); }
SizeSpec bet_size(const std::string& token) { return parse_bet_size(token, false); }

// Switches LC_NUMERIC to a decimal-comma locale for one scope.
class CommaLocale {
 public:
  CommaLocale() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    saved_ = current != nullptr ? current : "C";
    active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  }
  ~CommaLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

}  // namespace

TEST(NumberReaders, ParseDoubleFollowsStrtodSemantics) {
  EXPECT_DOUBLE_EQ(parse_double("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(parse_double("  \t-0.125"), -0.125);
  EXPECT_DOUBLE_EQ(parse_double("+1e2"), 100.0);
  EXPECT_DOUBLE_EQ(parse_double("0x1.8p1"), 3.0);
  EXPECT_TRUE(std::isinf(parse_double("inf")));
  EXPECT_TRUE(std::isinf(parse_double("-Infinity")));
  EXPECT_TRUE(std::isnan(parse_double("nan")));

  expect_error<std::invalid_argument>([] { parse_double(""); }, "invalid stod argument");
  expect_error<std::invalid_argument>([] { parse_double("   "); }, "invalid stod argument");
  expect_error<std::invalid_argument>([] { parse_double("abc"); }, "invalid stod argument");
  expect_error<std::out_of_range>([] { parse_double("1e999"); }, "stod argument out of range");
  expect_error<std::out_of_range>([] { parse_double("-1e999"); }, "stod argument out of range");
  expect_error<std::invalid_argument>([] { parse_double("12.5q"); },
                                      "Failed to parse floating-point number from '12.5q' (hex=31322e3571)");
  expect_error<std::invalid_argument>([] { parse_double("2,5"); },
                                      "Failed to parse floating-point number from '2,5' (hex=322c35)");
  expect_error<std::invalid_argument>([] { parse_double("1 "); },
                                      "Failed to parse floating-point number from '1 ' (hex=3120)");
  // An embedded NUL byte is leftover text, not an end of input.
  EXPECT_THROW(parse_double(std::string_view("7\0" "1", 3)), std::invalid_argument);
  expect_error<std::invalid_argument>([] { parse_double("1\xff"); },
                                      "Failed to parse floating-point number from '1\xff' (hex=31ff)");
}

TEST(NumberReaders, ParseIntIsStrictBaseTen) {
  EXPECT_EQ(parse_int("40"), 40);
  EXPECT_EQ(parse_int("  -17"), -17);
  EXPECT_EQ(parse_int("+8"), 8);
  EXPECT_EQ(parse_int("2147483647"), 2147483647);
  EXPECT_EQ(parse_int("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(parse_int("007"), 7);

  for (const char* bad : {"", " ", "40.5", "abc", "+-5", "-", "+", "0x10", "1e3", "12 ", "9223372036854775808",
                          "-99999999999999999999"}) {
    expect_error<std::invalid_argument>([bad] { parse_int(bad); },
                                        std::string("Failed to parse integer from '") + bad + "'");
  }
  expect_error<std::out_of_range>([] { parse_int("2147483648"); }, "Integer value is out of range");
  expect_error<std::out_of_range>([] { parse_int("-2147483649"); }, "Integer value is out of range");
  expect_error<std::out_of_range>([] { parse_int("9223372036854775807"); }, "Integer value is out of range");
}

TEST(NumberReaders, IgnoreADecimalCommaLocale) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh generates it)";
  // Sanity: the C library now uses a comma as the decimal point.
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");

  EXPECT_DOUBLE_EQ(parse_double("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(parse_double("0.8"), 0.8);
  expect_error<std::invalid_argument>([] { parse_double("2,5"); },
                                      "Failed to parse floating-point number from '2,5' (hex=322c35)");
  const SizeSpec relative = raise_size("2.5x");
  EXPECT_DOUBLE_EQ(relative.value, 2.5);
  const SizeSpec pot = bet_size("33.3%");
  EXPECT_DOUBLE_EQ(pot.value, 0.333);
  const SizeSpec geo = raise_size("2%12.5e");
  EXPECT_DOUBLE_EQ(geo.geo_max_fraction, 0.125);
}

TEST(BetSizes, PotFractions) {
  const SizeSpec s = bet_size(" 75% ");
  EXPECT_EQ(s.kind, kSizePotFraction);
  EXPECT_DOUBLE_EQ(s.value, 0.75);
  EXPECT_EQ(s.amount, 0);
  EXPECT_EQ(s.geo_max_fraction, 0.0);
  EXPECT_DOUBLE_EQ(bet_size("33.3%").value, 0.333);
  EXPECT_DOUBLE_EQ(bet_size("150%").value, 1.5);
  expect_error<std::invalid_argument>([] { bet_size("%"); }, "invalid stod argument");
  expect_error<std::invalid_argument>([] { bet_size("12.5q%"); },
                                      "Failed to parse floating-point number from '12.5q' (hex=31322e3571)");
  expect_error<std::out_of_range>([] { bet_size("1e400%"); }, "stod argument out of range");
  // A NaN or infinite fraction would turn into an undefined chip amount.
  expect_error<std::invalid_argument>([] { bet_size("nan%"); }, "Bet size must be a finite number");
  expect_error<std::invalid_argument>([] { bet_size("inf%"); }, "Bet size must be a finite number");
}

TEST(BetSizes, RelativeRaises) {
  const SizeSpec s = raise_size("2.5X");
  EXPECT_EQ(s.kind, kSizeRelative);
  EXPECT_DOUBLE_EQ(s.value, 2.5);
  expect_error<std::invalid_argument>([] { raise_size("1x"); }, "Relative raise must exceed 1.0x");
  expect_error<std::invalid_argument>([] { raise_size("0.5x"); }, "Relative raise must exceed 1.0x");
  expect_error<std::invalid_argument>([] { raise_size("nanx"); }, "Relative raise must exceed 1.0x");
  expect_error<std::invalid_argument>([] { raise_size("infx"); }, "Bet size must be a finite number");
  expect_error<std::invalid_argument>([] { raise_size("x"); }, "invalid stod argument");
  expect_error<std::invalid_argument>([] { bet_size("2.5x"); }, "Relative raise (x) is not allowed in this context");
}

TEST(BetSizes, ChipsAndRaiseCaps) {
  SizeSpec s = bet_size("40c");
  EXPECT_EQ(s.kind, kSizeChips);
  EXPECT_EQ(s.amount, 40);
  EXPECT_EQ(s.raise_cap, 0);
  s = raise_size("40C3R");
  EXPECT_EQ(s.kind, kSizeChips);
  EXPECT_EQ(s.amount, 40);
  EXPECT_EQ(s.raise_cap, 3);
  s = bet_size("40");
  EXPECT_EQ(s.kind, kSizeChips);
  EXPECT_EQ(s.amount, 40);
  EXPECT_EQ(bet_size("-5").amount, -5);  // the tree builder clamps
  expect_error<std::invalid_argument>([] { bet_size("40c3r"); }, "Raise cap is only valid for raises");
  expect_error<std::invalid_argument>([] { raise_size("40c0r"); }, "Raise cap must be positive");
  expect_error<std::invalid_argument>([] { raise_size("40c-2r"); }, "Raise cap must be positive");
  expect_error<std::invalid_argument>([] { raise_size("40c3c"); }, "Raise cap must end with 'r'");
  expect_error<std::invalid_argument>([] { raise_size("40cr"); }, "Failed to parse integer from ''");
  expect_error<std::invalid_argument>([] { bet_size("c"); }, "Failed to parse integer from ''");
  expect_error<std::invalid_argument>([] { bet_size("40.5"); }, "Failed to parse integer from '40.5'");
  expect_error<std::invalid_argument>([] { bet_size("40r"); }, "Failed to parse integer from '40r'");
  expect_error<std::out_of_range>([] { bet_size("2147483648"); }, "Integer value is out of range");
}

TEST(BetSizes, GeometricAndAllIn) {
  SizeSpec s = bet_size("e");
  EXPECT_EQ(s.kind, kSizeGeometric);
  EXPECT_EQ(s.streets, 0);
  EXPECT_TRUE(std::isinf(s.geo_max_fraction));
  EXPECT_GT(s.geo_max_fraction, 0.0);
  s = bet_size("3E");
  EXPECT_EQ(s.streets, 3);
  s = bet_size("2%150e");
  EXPECT_EQ(s.streets, 2);
  EXPECT_DOUBLE_EQ(s.geo_max_fraction, 1.5);
  s = bet_size("%80e");
  EXPECT_EQ(s.streets, 0);
  EXPECT_DOUBLE_EQ(s.geo_max_fraction, 0.8);
  expect_error<std::invalid_argument>([] { bet_size("0e"); }, "Geometric streets must be positive");
  expect_error<std::invalid_argument>([] { bet_size("2%e"); }, "invalid stod argument");
  expect_error<std::invalid_argument>([] { bet_size("2%nane"); }, "Bet size must be a finite number");
  expect_error<std::invalid_argument>([] { bet_size("1.5e"); }, "Failed to parse integer from '1.5'");

  s = bet_size("a");
  EXPECT_EQ(s.kind, kSizeAllIn);
  EXPECT_EQ(s.value, 0.0);
  EXPECT_EQ(s.amount, 0);
  EXPECT_EQ(bet_size("whatever A").kind, kSizeAllIn);
  expect_error<std::invalid_argument>([] { bet_size(" \t "); }, "Empty bet size token");
}

TEST(BetSizes, ListsKeepOrderAndStopAtTheFirstBadToken) {
  EXPECT_TRUE(parse_bet_sizes("").empty());
  EXPECT_TRUE(parse_bet_sizes(" , ,").empty());
  const auto two = parse_bet_sizes("33%,,75%, ");
  ASSERT_EQ(two.size(), 2u);
  EXPECT_DOUBLE_EQ(two[0].value, 0.33);
  EXPECT_DOUBLE_EQ(two[1].value, 0.75);

  const auto mixed = parse_bet_size_list("3x, 40c2r, a, 2e, 50%", true);
  ASSERT_EQ(mixed.size(), 5u);
  EXPECT_EQ(mixed[0].kind, kSizeRelative);
  EXPECT_EQ(mixed[1].kind, kSizeChips);
  EXPECT_EQ(mixed[1].raise_cap, 2);
  EXPECT_EQ(mixed[2].kind, kSizeAllIn);
  EXPECT_EQ(mixed[3].kind, kSizeGeometric);
  EXPECT_EQ(mixed[4].kind, kSizePotFraction);

  expect_error<std::invalid_argument>([] { parse_bet_sizes("50%, 3x"); },
                                      "Relative raise (x) is not allowed in this context");
  expect_error<std::invalid_argument>([] { parse_bet_sizes("50%, 7q, 3x"); },
                                      "Failed to parse integer from '7q'");

  const auto [bets, raises] = parse_bet_and_raise_sizes("33%, 75%", "2.5x, a");
  ASSERT_EQ(bets.size(), 2u);
  ASSERT_EQ(raises.size(), 2u);
  EXPECT_EQ(raises[0].kind, kSizeRelative);
  EXPECT_EQ(raises[1].kind, kSizeAllIn);
  expect_error<std::invalid_argument>([] { parse_bet_and_raise_sizes("3x", "3x"); },
                                      "Relative raise (x) is not allowed in this context");
}
