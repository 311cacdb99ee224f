// Size and range text normalisers.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>

#include "core/range.h"
#include "session/normalizers.h"

namespace velmora_app {
namespace {

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

const char* const kPercentTokenError = "Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'";

TEST(NormalizeSizing, TokensAllInAndRefusedSymbols) {
  EXPECT_EQ(normalize_sizing_text("33, 75", false), "33%,75%");
  EXPECT_EQ(normalize_sizing_text("33%, 2.5x", false), "33%,2.5x");
  EXPECT_EQ(normalize_sizing_text("2e", false), "2e");
  EXPECT_EQ(normalize_sizing_text("40c2r", false), "40c2r");
  EXPECT_EQ(normalize_sizing_text("50.", false), "50.%");
  EXPECT_EQ(normalize_sizing_text("33%,,\t75%, ", false), "33%,75%");
  EXPECT_EQ(normalize_sizing_text(" \t", false), "");
  EXPECT_EQ(normalize_sizing_text("0.5, 75a", false), "0.5%,75a");
  EXPECT_EQ(normalize_sizing_text("", false), "");
  EXPECT_EQ(normalize_sizing_text("33%,75%", true), "33%,75%,a");
  EXPECT_EQ(normalize_sizing_text("", true), "a");
  EXPECT_EQ(normalize_sizing_text("50, a", true), "50%,a");
  EXPECT_EQ(normalize_sizing_text("A, 50", true), "A,50%");
  EXPECT_EQ(normalize_sizing_text("33 %, 2.5 x", false), "33%,2.5x");
  EXPECT_EQ(error_of([] { normalize_sizing_text("%", false); }), kPercentTokenError);
  EXPECT_EQ(error_of([] { normalize_sizing_text("33, %", true); }), kPercentTokenError);
  EXPECT_EQ(error_of([] { normalize_sizing_text("e", false); }), "Sizing: invalid token 'e'");
  EXPECT_EQ(error_of([] { normalize_sizing_text("50,X", false); }), "Sizing: invalid token 'X'");
}

StreetSizing S(const char* bet, const char* raise, bool all_in = false, bool dont_donk = false) {
  return StreetSizing{bet, raise, all_in, dont_donk};
}

TEST(ParseStreetSizing, FillsBothSeatsAndOopLeads) {
  velmora::StreetSizeLists lists;
  parse_street_sizing(lists, S("33, 75", "2.5x", true), S("50", "", false), "flop");
  ASSERT_EQ(lists.bets[0].size(), 3u);
  EXPECT_DOUBLE_EQ(lists.bets[0][1].value, 0.75);
  EXPECT_EQ(lists.bets[0][2].kind, velmora::kSizeAllIn);
  ASSERT_EQ(lists.raises[0].size(), 2u);
  EXPECT_EQ(lists.raises[0][0].kind, velmora::kSizeRelative);
  EXPECT_EQ(lists.bets[1].size(), 1u);
  EXPECT_TRUE(lists.raises[1].empty());
  ASSERT_TRUE(lists.leads.has_value());
  EXPECT_EQ(lists.leads->size(), 3u) << "OOP leads with its bet sizes";
  parse_street_sizing(lists, S("33", "", false, true), S("50", ""), "turn");
  ASSERT_TRUE(lists.leads.has_value());
  EXPECT_TRUE(lists.leads->empty()) << "no donk bets";
}

TEST(ParseStreetSizing, ErrorsNameSeatStreetAndBothTexts) {
  velmora::StreetSizeLists lists;
  EXPECT_EQ(error_of([&] { parse_street_sizing(lists, S("33", "2.5x, 1x"), S("50", ""), "flop"); }),
            "OOP flop sizing (bet='33', raise='2.5x, 1x', bet_norm='33%', raise_norm='2.5x,1x'): "
            "Relative raise must exceed 1.0x");
  EXPECT_EQ(error_of([&] { parse_street_sizing(lists, S("33", ""), S("2.5x", "", true), "river"); }),
            "IP river sizing (bet='2.5x', raise='', bet_norm='2.5x,a', raise_norm='a'): "
            "Relative raise (x) is not allowed in this context");
  EXPECT_EQ(error_of([&] { parse_street_sizing(lists, S("33", "e"), S("50", ""), "turn"); }),
            "Sizing: invalid token 'e'") << "a normaliser error is not wrapped";
  EXPECT_EQ(error_of([&] { parse_street_sizing_plain(lists, S("33", "1x"), S("50", "")); }),
            "Relative raise must exceed 1.0x");
}

// The fault of the first refused token, or a fault with seat -1 when the
// call throws something else (or nothing).
SizeTokenFault fault_of(const std::function<void()>& f, std::string* message = nullptr) {
  try {
    f();
  } catch (const SizeTokenError& e) {
    if (message != nullptr) *message = e.what();
    return e.fault();
  } catch (const std::exception& e) {
    if (message != nullptr) *message = e.what();
  }
  return SizeTokenFault{-1, "", false, ""};
}

// A token the solver's parser refuses names the seat, the street, the field
// and the piece as typed (the parser's own text can be an internal dump).
TEST(ParseStreetSizing, RefusedTokensNameSeatStreetFieldAndThePieceAsTyped) {
  velmora::StreetSizeLists lists;
  const struct {
    StreetSizing oop, ip;
    const char* street;
    SizeTokenFault want;
  } cases[] = {
      {S("33, 3x3", "2.5x"), S("50", ""), "flop", {0, "flop", false, "3x3"}},
      {S("33", ""), S("50", "2.5x,  1x ", true), "river", {1, "river", true, "1x"}},
      {S("33", ""), S("2.5x", ""), "turn", {1, "turn", false, "2.5x"}},  // a relative size is a raise form only
      {S(" 3 x 3 ;", "a"), S("50", ""), "flop", {0, "flop", false, "3 x 3 ;"}},
      {S("33", "40.5c"), S("50", ""), "turn", {0, "turn", true, "40.5c"}},
      // The first refused piece: bets before raises, in the order typed.
      {S("33, 0x, 1e2e", "1x"), S("50", ""), "flop", {0, "flop", false, "0x"}},
  };
  for (const auto& k : cases) {
    const SizeTokenFault f = fault_of([&] { parse_street_sizing_plain(lists, k.oop, k.ip, k.street); });
    EXPECT_EQ(std::tie(f.seat, f.street, f.raise, f.token),
              std::tie(k.want.seat, k.want.street, k.want.raise, k.want.token))
        << k.want.token;
  }
  std::string message;
  fault_of([&] { parse_street_sizing_plain(lists, S("33, 3x3", ""), S("50", ""), "flop"); }, &message);
  EXPECT_EQ(message, "Failed to parse floating-point number from '3x3' (hex=337833)") << "the parser's own text";

  // With context the message is the solve's, the fault the same.
  const SizeTokenFault f =
      fault_of([&] { parse_street_sizing(lists, S("33", "2.5x, 1x"), S("50", ""), "flop"); }, &message);
  EXPECT_EQ(std::tie(f.seat, f.raise, f.token), std::tuple(0, true, std::string("1x")));
  EXPECT_EQ(message,
            "OOP flop sizing (bet='33', raise='2.5x, 1x', bet_norm='33%', raise_norm='2.5x,1x'): "
            "Relative raise must exceed 1.0x");

  // The normaliser's own refusals name the field too, with their own text.
  EXPECT_EQ(fault_of([&] { parse_street_sizing_plain(lists, S("%", ""), S("50", ""), "flop"); }, &message).token, "%");
  EXPECT_EQ(message, kPercentTokenError);
  EXPECT_EQ(fault_of([&] { parse_street_sizing_plain(lists, S("33", ""), S("50", ""), "flop"); }).seat, -1)
      << "nothing refused";
}

// A text whose meaning would change when a byte is dropped is refused
// whole, naming the piece as typed, instead of building another tree.
TEST(ParseStreetSizing, TextsThatWouldChangeWhenCleanedAreRefused) {
  velmora::StreetSizeLists lists;
  const struct {
    const char* text;
    const char* piece;
  } cases[] = {
      {"33 75", "33 75"}, {"33;75", "33;75"}, {" 50 ; 100 ", "50 ; 100"}, {"1/2", "1/2"},
      {"33, -50", "-50"}, {"0", "0"}, {"0.", "0."}, {"0.0%", "0.0%"}, {"0c2r", "0c2r"}, {"fifty", "fifty"},
      {"?", "?"}, {"\xef\xbc\x95\xef\xbc\x90", "\xef\xbc\x95\xef\xbc\x90"}, {" , ,", ", ,"},
      {"hello", "hello"}, {"50 a", "50 a"}, {"50pct", "50pct"}, {"% 5", "% 5"},
  };
  for (const auto& k : cases) {
    std::string message;
    const SizeTokenFault f =
        fault_of([&] { parse_street_sizing_plain(lists, S("33", "a"), S("50", k.text), "river"); }, &message);
    EXPECT_EQ(std::tie(f.seat, f.street, f.raise, f.token), std::tuple(1, std::string("river"), true,
                                                                        std::string(k.piece)))
        << k.text << ": " << message;
  }
}

TEST(RangeOrPercent, UniformPercentForm) {
  for (float w : parse_range_or_percent("50%")) ASSERT_EQ(w, 0.5f);
  for (float w : parse_range_or_percent(" 100% ")) ASSERT_EQ(w, 1.0f);
  EXPECT_FLOAT_EQ(parse_range_or_percent("5.5.5%")[0], 0.055f) << "the leading number is read";
  EXPECT_EQ(error_of([] { parse_range_or_percent("150%"); }), "Weight must be within [0, 1]");
  EXPECT_EQ(error_of([] { parse_range_or_percent(" ..% "); }), "Invalid percent range '..%' (expected like '50%')");
}

TEST(RangeOrPercent, OtherTextsGoToTheCoreParser) {
  for (const char* text : {"50 %", "%", "5%0%", "AA, KK", "AA:0.5, 50%"}) {
    std::string core_error;
    velmora::Range expected{};
    try {
      expected = velmora::parse_range(text);
    } catch (const std::exception& e) {
      core_error = e.what();
    }
    if (core_error.empty()) {
      EXPECT_EQ(parse_range_or_percent(text), expected) << text;
    } else {
      EXPECT_EQ(error_of([&] { parse_range_or_percent(text); }), core_error) << text;
    }
  }
}

TEST(RangeOrPercent, DecimalPointUnderACommaLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  const std::string err = error_of([] { EXPECT_FLOAT_EQ(parse_range_or_percent("12.5%")[7], 0.125f); });
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(err, "no error");
}

}  // namespace
}  // namespace velmora_app
