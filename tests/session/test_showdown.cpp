// The showdown of two pockets on a full board. The plain wins, the tie and
// the short texts are checked through the controller (test_app_controller_core);
// here the texts it passes through as typed.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/cards.h"
#include "core/evaluator.h"
#include "session/showdown.h"

namespace velmora_app {
namespace {

TEST(Showdown, ReadsWhiteSpaceAnywhereEitherCaseAndOnlyTheFirstCards) {
  EXPECT_EQ(showdown_winner("\tah kd\n7c 4s 2h ", "ac\tad", " kh ks").winner, "OOP");

  const std::array<velmora::Card, 5> board{velmora::parse_card("Qs"), velmora::parse_card("Js"),
                                           velmora::parse_card("Ts"), velmora::parse_card("3d"),
                                           velmora::parse_card("2c")};
  const auto strength = [&](const char* a, const char* b) {
    return static_cast<std::int64_t>(
        velmora::evaluate_hand(velmora::make_pocket(velmora::parse_card(a), velmora::parse_card(b)), board));
  };
  // Cards past the fifth of the board and the second of a pocket are not read.
  const ShowdownOutcome r = showdown_winner("QsJsTs3d2c9h", "AsKs7h", "9s8s");
  EXPECT_EQ(r.oop_strength, strength("As", "Ks"));
  EXPECT_EQ(r.ip_strength, strength("9s", "8s"));
  EXPECT_EQ(r.winner, "OOP");  // royal flush over a straight flush
}

TEST(Showdown, TextsThatAreNotCardsLeaveItUnknown) {
  for (const auto& bad : {std::array<std::string, 3>{"AhKd7c4s2x", "AcAd", "KhKs"},
                          std::array<std::string, 3>{"AhKd7c4s2h", "AcAd", "KhK?"},
                          std::array<std::string, 3>{"", "", ""}}) {
    const ShowdownOutcome r = showdown_winner(bad[0], bad[1], bad[2]);
    EXPECT_EQ(r.winner, "UNKNOWN") << bad[0] << " " << bad[1] << " " << bad[2];
    EXPECT_EQ(r.oop_strength, 0);
    EXPECT_EQ(r.ip_strength, 0);
  }
}

}  // namespace
}  // namespace velmora_app
