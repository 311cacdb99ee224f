// Cancelling the set-up stages: card context, betting tree, game, all-in
// tables and the solver's tables stop with SetupCancelled once the flag is
// set, also from another thread in the middle of a multi-threaded build.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/cancel.h"
#include "core/discounted_cfr.h"
#include "core/runout_matchups.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::Spot;

// A wide flop with two bet sizes, a raise and all-ins.
Spot wide_flop(std::uint32_t stack) {
  return Spot{.board = "Qs8s3d", .oop_range = "22+,A2+,K2+,Q2+,J2+,T2+", .ip_range = "22+,A2+,K2+,Q5+",
              .stack = stack, .bets = "33%,75%", .raises = "60%", .add_all_in = true};
}

TEST(SetupCancel, EveryStageStopsOnASetFlag) {
  CancelFlag set{true};
  const Spot spot = wide_flop(100);
  // Before any context of these inputs is alive to be copied from the cache.
  const std::array<Range, 2> ranges{parse_range(spot.oop_range), parse_range(spot.ip_range)};
  EXPECT_THROW(CardContext(testing::parse_board_text(spot.board), ranges, &set), SetupCancelled);
  const CardContext context = testing::make_context(spot);
  const TreeConfig cfg = testing::tree_config(spot, 0);
  EXPECT_THROW(ActionPlan(cfg, &context, &set), SetupCancelled);
  EXPECT_THROW(Game(cfg, CardContext(context), &set), SetupCancelled);
  RunoutMatchups matchups;
  EXPECT_THROW(matchups.build(context, std::uint64_t{1} << kNumCards, false, &set), SetupCancelled);

  // The solver's tables: no iteration runs and no progress is reported; an
  // unset flag changes nothing.
  auto game = testing::make_game(Spot{.board = "Qs8s3dTh2c", .oop_range = "AA,KK,QQ", .ip_range = "JJ,TT"});
  SolverConfig sc = testing::solver_config(5);
  int reports = 0;
  sc.on_progress = [&reports](std::uint32_t, float, double) { ++reports; };
  sc.cancel = &set;
  DiscountedCfr cancelled(sc);
  EXPECT_THROW(cancelled.solve(*game), SetupCancelled);
  EXPECT_EQ(cancelled.iterations_done(), 0u);
  EXPECT_EQ(reports, 0);
  CancelFlag clear{false};
  sc.cancel = &clear;
  DiscountedCfr solved(sc);
  solved.solve(*game);
  EXPECT_EQ(solved.iterations_done(), 5u);
  EXPECT_EQ(reports, 5);
}

TEST(SetupCancel, FlagSetFromAnotherThreadStopsABuildUnderWay) {
  // About 2.4 million nodes: far more than the moment before the flag is set.
  const Spot spot = wide_flop(500);
  const CardContext context = testing::make_context(spot);
  const TreeConfig cfg = testing::tree_config(spot, 0);
  for (int stage = 0; stage < 2; ++stage) {
    CancelFlag flag{false};
    std::thread canceller([&flag] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      flag.store(true);
    });
    if (stage == 0) {
      EXPECT_THROW(ActionPlan(cfg, &context, &flag), SetupCancelled);
    } else {
      EXPECT_THROW(Game(cfg, CardContext(context), &flag), SetupCancelled);
    }
    canceller.join();
  }
}

}  // namespace
}  // namespace velmora
