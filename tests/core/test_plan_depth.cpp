// Trees deeper than kMaxPlanDepth: the counter and the builder refuse them
// with the depth in the message before they recurse that deep (the builder
// before it builds anything), and accept
// (and the solver walks) every tree up to that depth, on every thread.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "core/plan_depth.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::Spot;

// The river: one-chip bets and raises make a raise war of `stack`
// raises; the deepest line is two actions longer (a check first, a call last).
Spot one_chip_river(std::uint32_t stack) {
  return Spot{.board = "Qs8s3dTh2c", .oop_range = "AA,KK,QQ", .ip_range = "AA,KK,QQ,JJ", .pot = 10, .stack = stack,
              .bets = "1c", .raises = "1c"};
}

// Actions on the deepest line of a built tree (children follow their parents).
template <class Nodes>
std::size_t built_depth(const Nodes& nodes) {
  std::vector<std::size_t> depth(nodes.size(), 0);
  std::size_t deepest = 0;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    deepest = std::max(deepest, depth[i]);
    for (std::uint64_t c : nodes[i].children) depth[c] = depth[i] + 1;
  }
  return deepest;
}

// Both the counter and the builder refuse the tree with its depth in the text.
void expect_too_deep(const TreeConfig& cfg, const CardContext& context, std::size_t actions,
                     const std::string& label) {
  const std::string text = "The betting tree is too deep: " + std::to_string(actions) +
                           " actions in a row; use larger sizes or a smaller stack";
  const auto check = [&](auto&& build, const char* who) {
    try {
      build();
      ADD_FAILURE() << label << ": accepted by the " << who;
    } catch (const PlanTooDeep& e) {
      EXPECT_EQ(e.actions(), actions) << label << ", " << who;
      EXPECT_EQ(std::string(e.what()), text) << label << ", " << who;
    }
  };
  check([&] { count_plan(cfg, context); }, "counter");
  check([&] { ActionPlan plan(cfg, &context); }, "builder");
}

TEST(PlanDepth, TheLimitIsAcceptedAndDeeperTreesAreRefusedWithTheirDepth) {
  const CardContext context = testing::make_context(one_chip_river(998));
  const TreeConfig at_limit = testing::tree_config(one_chip_river(998), 2);
  EXPECT_EQ(count_plan(at_limit, context).depth, kMaxPlanDepth);
  EXPECT_EQ(built_depth(ActionPlan(at_limit, &context).nodes()), kMaxPlanDepth);
  EXPECT_EQ(longest_betting_line(at_limit, context.board(), &context), kMaxPlanDepth);

  // A third of the pot, then raises of 1.000001x, which the minimum raise
  // turns into steps of 3 chips: 33336 actions at stack 100000.
  Spot third = one_chip_river(100000);
  third.bets = "33%";
  third.raises = "1.000001x";
  // The same sizes on every street from the flop are refused at once, not
  // after counting or building the streets above the war.
  Spot flop = one_chip_river(50000);
  flop.board = "Qs8s3d";
  struct Case {
    const char* label;
    Spot spot;
    std::uint8_t street;
    std::size_t actions;
  };
  const Case cases[] = {
      {"one action past the limit", one_chip_river(999), 2, kMaxPlanDepth + 1},
      {"1c at stack 50000", one_chip_river(50000), 2, 50002},
      {"min-raises", third, 2, 33336},
      {"flop", flop, 0, 50008},
  };
  for (const Case& k : cases) {
    expect_too_deep(testing::tree_config(k.spot, k.street), testing::make_context(k.spot), k.actions, k.label);
  }
}

// Runs in a child process. The flop: a war of one-chip raises on the
// flop, and below each of its calls turns and rivers of half-pot bets and
// all-ins, gigabytes to build. In 3 GiB of address space the builder must
// refuse it with its depth (exit code 0), not build the calls' streets first.
int build_deep_flop_in_bounded_memory() {
  Spot spot{.board = "Qs8s3d", .oop_range = "AA,KK", .ip_range = "AA,QQ", .pot = 10, .stack = 1010, .bets = "1c",
            .raises = "1c"};
  TreeConfig cfg = testing::tree_config(spot, 0);
  const auto [bets, raises] = parse_bet_and_raise_sizes("50%, a", "a");
  cfg.turn.bets = cfg.river.bets = {bets, bets};
  cfg.turn.raises = cfg.river.raises = {raises, raises};
  const CardContext context = testing::make_context(spot);
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 3ull << 30);
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 10;
  try {
    ActionPlan plan(cfg, &context);
  } catch (const PlanTooDeep& e) {
    return e.actions() == 1018 ? 0 : 11;
  } catch (...) {
  }
  return 12;
}

TEST(PlanDepthDeathTest, ATooDeepTreeIsRefusedBeforeAnyOfItIsBuilt) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizer shadow memory does not fit under an address-space cap";
#endif
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::_Exit(build_deep_flop_in_bounded_memory()), ::testing::ExitedWithCode(0), "");
}

TEST(PlanDepth, CounterAndBuilderAgreeOnTreesWithStreetsAboveTheWar) {
  // A turn war of one-chip raises above 48 river deals that only check:
  // the deep lines run through chance nodes, and the counter reaches most
  // river subtrees through its memory of an equal one counted before.
  Spot spot = one_chip_river(0);
  spot.board = "Qs8s3dTh";
  const CardContext context = testing::make_context(spot);
  for (std::uint32_t stack : {994u, 995u, 996u, 997u}) {
    spot.stack = stack;
    TreeConfig cfg = testing::tree_config(spot, 1);
    for (auto& list : cfg.river.bets) list.clear();
    for (auto& list : cfg.river.raises) list.clear();
    const std::string label = "stack " + std::to_string(stack);
    const std::size_t line = longest_betting_line(cfg, context.board(), &context);
    if (line <= kMaxPlanDepth) {
      EXPECT_EQ(built_depth(ActionPlan(cfg, &context).nodes()), line) << label;
      EXPECT_EQ(count_plan(cfg, context).depth, line) << label;
    } else {
      expect_too_deep(cfg, context, line, label);
    }
  }
}

TEST(PlanDepth, TheSolverWalksATreeOfTheGreatestDepthOnEveryThread) {
  // Turn checks, then 48 river deals with a raise war each: the training
  // pass walks the wars on the calling thread, the value passes (the
  // exploitability check, the EVs) on the pool's threads, and the node
  // values below are taken on this thread, as the results page does.
  Spot spot = one_chip_river(0);
  spot.board = "Qs8s3dTh";
  spot.stack = 995;
  TreeConfig cfg = testing::tree_config(spot, 1);
  for (auto& list : cfg.turn.bets) list.clear();
  Game game(cfg, testing::make_context(spot));
  ASSERT_EQ(built_depth(game.nodes()), kMaxPlanDepth);

  DiscountedCfr solver(testing::solver_config(2, 4, 1));
  solver.solve(game);
  EXPECT_EQ(solver.iterations_done(), 2u);
  EXPECT_TRUE(std::isfinite(solver.last_exploitability()));
  const auto evs = solver.expected_values(game);
  EXPECT_NEAR(evs[0] + evs[1], 10.0f, 1e-3f);
  const std::vector<float> values = solver.compute_node_cfvalues(game, 0, 0);
  EXPECT_EQ(values.size(), game.card_context().hand_count(0));
}

}  // namespace
}  // namespace velmora
