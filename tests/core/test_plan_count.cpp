// Counting a betting tree without building it: the count equals the built
// tree on every kind of spot, stops at a weight limit and on cancel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "core/range.h"
#include "core/runout_matchups.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::parse_board_text;

SizeSpec chips(int amount, int cap) { return SizeSpec{kSizeChips, 0.0, 0.0, amount, cap, 0}; }

struct CountCase {
  std::string board;
  std::string oop;
  std::string ip;
  std::uint32_t pot;
  std::uint32_t stack;
  std::string bets;
  std::string raises;
  std::uint8_t start_street = 0;
};

TreeConfig tree_for(const CountCase& c) {
  TreeConfig cfg;
  cfg.start_street = c.start_street;
  cfg.starting_pot = c.pot;
  cfg.effective_stack = c.stack;
  auto [bets, raises] = parse_bet_and_raise_sizes(c.bets, c.raises);
  for (StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    for (int seat = 0; seat < 2; ++seat) {
      s->bets[seat] = bets;
      s->raises[seat] = raises;
    }
  }
  return cfg;
}

void expect_count_matches_build(const TreeConfig& cfg, const CardContext& context, const std::string& label) {
  const PlanCount count = count_plan(cfg, context);
  const ActionPlan plan(cfg, &context);
  double edges = 0.0;
  double decisions = 0.0;
  double actions[2] = {0.0, 0.0};
  for (const PlanNode& n : plan.nodes()) {
    EXPECT_EQ(n.actions.capacity(), n.children.capacity());
    edges += static_cast<double>(n.actions.capacity());
    if (n.type == kNodeDecision && !n.actions.empty()) {
      decisions += 1.0;
      actions[n.seat] += static_cast<double>(n.actions.size());
    }
  }
  EXPECT_EQ(count.nodes, static_cast<double>(plan.node_count())) << label;
  EXPECT_EQ(count.edges, edges) << label;
  EXPECT_EQ(count.decision_nodes, decisions) << label;
  EXPECT_EQ(count.decision_actions[0], actions[0]) << label;
  EXPECT_EQ(count.decision_actions[1], actions[1]) << label;
  EXPECT_EQ(count.allin_boards, RunoutMatchups::needed_boards(plan.nodes())) << label;
}

TEST(PlanCount, EqualsTheBuiltTreeOnEveryKindOfSpot) {
  const std::vector<CountCase> cases = {
      // Flop with all-ins on every street: flop and turn all-in tables.
      {"Qs8s3d", "22+,A2+,K9+", "22+,A2+,KT+", 100, 150, "33%,75%,a", "60%,a"},
      // Monotone flop, symmetric ranges: skipped turn and river deals.
      {"QsJs3s", "AA,KK,QQ,AKs,JTs", "AA,KK,AQs", 100, 300, "50%,a", "2.5x,a"},
      // Turn and river boards; a flop profile on a turn board starts there.
      {"Qs8s3dTh", "AA,KK,QQ", "AK,AQ", 100, 1000, "50%", "a", 1},
      {"Qs8s3dTh", "AA,KK,QQ", "AK,AQ", 100, 1000, "50%", "a", 0},
      {"Qs8s3dTh2c", "22+,A2+", "22+,K2+", 50, 400, "33%,75%", "2.5x", 2},
      // Paired board, relative raises, no chips behind after one raise war.
      {"5s5d5h", "AA,KK,QQ,JJ", "AA,TT", 100, 200, "e,a", "3x"},
      {"AhKs7d", "AA,KK", "QQ", 100, 0, "50%", "a"},
  };
  for (const CountCase& c : cases) {
    const CardContext context(parse_board_text(c.board), {parse_range(c.oop), parse_range(c.ip)});
    expect_count_matches_build(tree_for(c), context, c.board + " " + c.bets + " / " + c.raises);
  }

  // Capped chip raises, all-in thresholds and OOP leads keep the raise count
  // and the lead rule in play.
  const CardContext context(parse_board_text("AhKs7d"), {parse_range("AA,KK,QQ,JJ"), parse_range("AA,TT,99")});
  TreeConfig cfg = tree_for({"AhKs7d", "", "", 100, 300, "50%", "3x"});
  for (StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    s->raises[0].push_back(chips(20, 2));
    s->raises[1].push_back(chips(40, 1));
    s->leads = std::vector<SizeSpec>{SizeSpec{kSizePotFraction, 0.25, 0.0, 0, 0, 0}};
  }
  cfg.all_in_threshold = {1.5, 2.0};
  expect_count_matches_build(cfg, context, "caps, thresholds and leads");

  // All-ins only on the flop: the deals below a flop all-in are terminals
  // the traversals never value, so the flop table is the only one needed
  // (and the only one the game builds).
  TreeConfig flop_only = tree_for({"Qs8s3d", "", "", 100, 300, "a", ""});
  for (StreetSizeLists* s : {&flop_only.turn, &flop_only.river}) s->bets = {};
  const CardContext flop_context(parse_board_text("Qs8s3d"), {parse_range("AA,KK,QQ,AK"), parse_range("JJ,TT,AQ")});
  expect_count_matches_build(flop_only, flop_context, "flop all-ins only");
  EXPECT_EQ(RunoutMatchups::needed_boards(ActionPlan(flop_only, &flop_context).nodes()), std::uint64_t{1} << kNumCards);
  const Game game(flop_only, CardContext(flop_context));
  EXPECT_TRUE(game.runout_matchups().has(kNoCard));
  for (Card c = 0; c < kNumCards; ++c) EXPECT_FALSE(game.runout_matchups().has(c)) << int{c};
}

TEST(PlanCount, HugeTreesAreCountedOrStoppedAtTheLimit) {
  const std::string full = "22+,A2+,K2+,Q2+,J2+,T2+,92+,82+,72+,62+,52+,42+,32";
  const CardContext context(parse_board_text("AhKs7d"), {parse_range(full), parse_range(full)});
  // Pot 10 behind stacks of 1000 with two sizes and all-ins: close to a
  // billion nodes, counted without building one.
  const TreeConfig deep = tree_for({"AhKs7d", "", "", 10, 1000, "33%,75%,a", "33%,75%,a"});
  const PlanCount count = count_plan(deep, context);
  EXPECT_GT(count.nodes, 5e8);
  EXPECT_EQ(count.edges, count.nodes - 1.0);
  EXPECT_LT(count.decision_nodes, count.nodes);

  // With a weight, counting stops once the part counted passes the limit.
  const auto nodes_weigh = [](const PlanCount& c) { return c.nodes; };
  EXPECT_THROW(count_plan(deep, context, nullptr, nodes_weigh, 1e6), PlanTooLarge);
  const PlanCount within = count_plan(deep, context, nullptr, nodes_weigh, count.nodes + 1.0);
  EXPECT_EQ(within.nodes, count.nodes);

  // Absurd stacks on a river with many sizes: a raise war of thousands of
  // lines per street, stopped at the limit.
  const CardContext river(parse_board_text("AhKs7dTc2c"), {parse_range("AA"), parse_range("KK")});
  TreeConfig absurd = tree_for({"AhKs7dTc2c", "", "", 1, 2000000000, "10%,20%,33%,50%,75%,100%,150%,a",
                                "1.5x,2x,2.5x,3x,4x,a", 2});
  EXPECT_THROW(count_plan(absurd, river, nullptr, nodes_weigh, 1e7), PlanTooLarge);

  CancelFlag set{true};
  EXPECT_THROW(count_plan(deep, context, &set), SetupCancelled);
}

}  // namespace
}  // namespace velmora
