// Cancelling the set-up stages: card context, betting tree, game and all-in
// tables stop with SetupCancelled once the flag is set, also from another
// thread in the middle of a multi-threaded build, and cache nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "core/cancel.h"
#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/runout_matchups.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::parse_board_text;

// A wide flop with two bet sizes, a raise and all-ins.
TreeConfig wide_tree(std::uint32_t pot, std::uint32_t stack) {
  TreeConfig cfg;
  cfg.starting_pot = pot;
  cfg.effective_stack = stack;
  auto [bets, raises] = parse_bet_and_raise_sizes("33%,75%,a", "60%,a");
  for (StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    for (int seat = 0; seat < 2; ++seat) {
      s->bets[seat] = bets;
      s->raises[seat] = raises;
    }
  }
  return cfg;
}

std::array<Range, 2> wide_ranges() { return {parse_range("22+,A2+,K2+,Q2+,J2+,T2+"), parse_range("22+,A2+,K2+,Q5+")}; }

TEST(SetupCancel, EveryStageStopsOnASetFlag) {
  CancelFlag set{true};
  const Board flop = parse_board_text("Qs8s3d");
  EXPECT_THROW(CardContext(flop, wide_ranges(), &set), SetupCancelled);
  const CardContext context(flop, wide_ranges());
  EXPECT_GT(context.hand_count(0), 0u);

  const TreeConfig cfg = wide_tree(100, 100);
  EXPECT_THROW(ActionPlan(cfg, &context, &set), SetupCancelled);
  EXPECT_THROW(Game(cfg, CardContext(context), &set), SetupCancelled);
  RunoutMatchups matchups;
  EXPECT_THROW(matchups.build(context, std::uint64_t{1} << kNumCards, false, &set), SetupCancelled);
  // The solver's tables: no iteration runs and no progress is reported.
  Game game(cfg, CardContext(parse_board_text("Qs8s3dTh2c"), {parse_range("AA,KK,QQ"), parse_range("JJ,TT")}));
  SolverConfig sc;
  sc.max_iterations = 5;
  sc.setup_cancel = &set;
  int reports = 0;
  sc.on_progress = [&reports](std::uint32_t, float, double) { ++reports; };
  DiscountedCfr cancelled(sc);
  EXPECT_THROW(cancelled.solve(game), SetupCancelled);
  EXPECT_EQ(cancelled.iterations_done(), 0u);
  EXPECT_EQ(reports, 0);

  // An unset flag changes nothing: the tree is the one built without a flag.
  CancelFlag clear{false};
  const ActionPlan with_flag(cfg, &context, &clear);
  const ActionPlan without(cfg, &context);
  EXPECT_EQ(with_flag.node_count(), without.node_count());
  RunoutMatchups built;
  built.build(context, std::uint64_t{1} << kNumCards, false, &clear);
  EXPECT_TRUE(built.has(kNoCard));
  sc.setup_cancel = &clear;
  DiscountedCfr solved(sc);
  solved.solve(game);
  EXPECT_EQ(solved.iterations_done(), 5u);
  EXPECT_EQ(reports, 5);
}

TEST(SetupCancel, FlagSetFromAnotherThreadStopsABuildUnderWay) {
  const Board flop = parse_board_text("Qs8s3d");
  const CardContext context(flop, wide_ranges());
  // About 2.4 million nodes: far more than the moment before the flag is set.
  const TreeConfig cfg = wide_tree(100, 500);
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
