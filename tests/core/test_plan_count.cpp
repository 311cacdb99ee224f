// Counting a betting tree without building it: the count equals the built
// tree on every kind of spot, stops at a weight limit and on cancel.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "core/range.h"
#include "core/runout_matchups.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::Spot;

SizeSpec chips(int amount, int cap) { return SizeSpec{kSizeChips, 0.0, 0.0, amount, cap, 0}; }

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
  const std::vector<std::pair<Spot, std::uint8_t>> cases = {
      // Flop with all-ins on every street: flop and turn all-in tables.
      {{"Qs8s3d", "22+,A2+,K9+", "22+,A2+,KT+", 100, 150, 0, 0, "33%,75%", "60%", true}, 0},
      // Monotone flop, symmetric ranges: skipped turn and river deals.
      {{"QsJs3s", "AA,KK,QQ,AKs,JTs", "AA,KK,AQs", 100, 300, 0, 0, "50%", "2.5x", true}, 0},
      // Turn and river boards; a flop profile on a turn board starts there.
      {{"Qs8s3dTh", "AA,KK,QQ", "AK,AQ", 100, 1000, 0, 0, "50%", "a"}, 1},
      {{"Qs8s3dTh", "AA,KK,QQ", "AK,AQ", 100, 1000, 0, 0, "50%", "a"}, 0},
      {{"Qs8s3dTh2c", "22+,A2+", "22+,K2+", 50, 400, 0, 0, "33%,75%", "2.5x"}, 2},
      // Paired board, relative raises; no chips behind.
      {{"5s5d5h", "AA,KK,QQ,JJ", "AA,TT", 100, 200, 0, 0, "e,a", "3x"}, 0},
      {{"AhKs7d", "AA,KK", "QQ", 100, 0, 0, 0, "50%", "a"}, 0},
  };
  for (const auto& [spot, street] : cases) {
    expect_count_matches_build(testing::tree_config(spot, street), testing::make_context(spot),
                               spot.board + " " + spot.bets + " / " + spot.raises);
  }

  // Capped chip raises, all-in thresholds and OOP leads keep the raise count
  // and the lead rule in play.
  const Spot spot{"AhKs7d", "AA,KK,QQ,JJ", "AA,TT,99", 100, 300, 0, 0, "50%", "3x"};
  TreeConfig cfg = testing::tree_config(spot, 0);
  for (StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    s->raises[0].push_back(chips(20, 2));
    s->raises[1].push_back(chips(40, 1));
    s->leads = std::vector<SizeSpec>{SizeSpec{kSizePotFraction, 0.25, 0.0, 0, 0, 0}};
  }
  cfg.all_in_threshold = {1.5, 2.0};
  expect_count_matches_build(cfg, testing::make_context(spot), "caps, thresholds and leads");
}

TEST(PlanCount, HugeTreesAreCountedOrStoppedAtTheLimit) {
  // Pot 10 behind stacks of 1000 with two sizes and all-ins: close to a
  // billion nodes, counted without building one.
  const Spot deep_spot{"AhKs7d", "AA,KK,AK", "QQ,JJ", 10, 1000, 0, 0, "33%,75%", "33%,75%", true};
  const CardContext context = testing::make_context(deep_spot);
  const TreeConfig deep = testing::tree_config(deep_spot, 0);
  const PlanCount count = count_plan(deep, context);
  EXPECT_GT(count.nodes, 5e8);
  EXPECT_EQ(count.edges, count.nodes - 1.0);
  EXPECT_LT(count.decision_nodes, count.nodes);

  // With a weight, counting stops once the part counted passes the limit.
  const auto nodes_weigh = [](const PlanCount& c) { return c.nodes; };
  EXPECT_THROW(count_plan(deep, context, nullptr, nodes_weigh, 1e6), PlanTooLarge);
  EXPECT_EQ(count_plan(deep, context, nullptr, nodes_weigh, count.nodes + 1.0).nodes, count.nodes);

  // Absurd stacks on a river with many sizes: a raise war of thousands of
  // lines per street, stopped at the limit.
  const Spot absurd{"AhKs7dTc2c", "AA", "KK", 1, 2000000000, 0, 0, "10%,20%,33%,50%,75%,100%,150%",
                    "1.5x,2x,2.5x,3x,4x", true};
  EXPECT_THROW(count_plan(testing::tree_config(absurd, 2), testing::make_context(absurd), nullptr, nodes_weigh, 1e7),
               PlanTooLarge);

  CancelFlag set{true};
  EXPECT_THROW(count_plan(deep, context, &set), SetupCancelled);
}

}  // namespace
}  // namespace velmora
