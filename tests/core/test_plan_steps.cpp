// The steps that make the children of a decision node, at the edges the
// whole trees of test_action_plan.cpp do not reach: a short bettor's minimum
// raise, no chips behind, rounding and overflow of sizes, caps on pot-share
// raises, a second all-in, and sizes that meet no pot.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/action_plan_internal.h"

using namespace velmora;
using namespace velmora::plan_detail;

namespace {

SizeSpec pct(double v) { return SizeSpec{kSizePotFraction, v, 0.0, 0, 0, 0}; }
SizeSpec rel(double v) { return SizeSpec{kSizeRelative, v, 0.0, 0, 0, 0}; }
SizeSpec geo(int streets, double cap) { return SizeSpec{kSizeGeometric, 0.0, cap, 0, 0, streets}; }

TreeConfig config(std::uint8_t street, std::uint32_t pot, std::uint32_t stack) {
  TreeConfig c;
  c.start_street = street;
  c.starting_pot = pot;
  c.effective_stack = stack;
  return c;
}

PlanNode decision(int seat, std::uint8_t street) {
  PlanNode n;
  n.type = kNodeDecision;
  n.seat = static_cast<std::uint8_t>(seat);
  n.street = street;
  return n;
}

// A seat facing a bet of `level` on a pot of `pot` (the bettor has
// `bettor_behind` left, the seat to act `behind`).
BuildContext facing(std::uint32_t pot, std::uint32_t level, std::uint32_t bettor_behind, std::uint32_t behind) {
  BuildContext ctx;
  ctx.last_kind = kActBet;
  ctx.raise_count = 1;
  ctx.level = level;
  ctx.pot = pot + level;
  ctx.stack = {bettor_behind, behind};
  return ctx;
}

BuildContext unopened(std::uint32_t pot, std::uint32_t stack) {
  BuildContext ctx;
  ctx.pot = pot;
  ctx.stack = {stack, stack};
  return ctx;
}

std::vector<Action> acts(std::initializer_list<std::pair<int, int>> list) {
  std::vector<Action> v;
  for (auto [k, a] : list) v.push_back({static_cast<std::uint8_t>(k), static_cast<std::uint32_t>(a)});
  return v;
}

}  // namespace

TEST(PlanSteps, LimitsAndSizesAtTheirEdges) {
  // Facing 80 from a bettor with 20 behind: a full raise would pass the
  // all-in, so the smallest raise is the all-in itself.
  const TreeConfig river = config(2, 100, 400);
  BetLimits l = bet_limits(river, decision(1, 2), facing(100, 80, 20, 100));
  EXPECT_EQ(l.allin, 100);
  EXPECT_EQ(l.min_raise, 100);

  // No chips behind and no pot: nothing to bet, and no pot share to divide by.
  l = bet_limits(config(0, 0, 0), decision(0, 0), unopened(0, 0));
  EXPECT_FALSE(l.can_bet);
  EXPECT_EQ(l.spr(), 0.0);

  const BetLimits open = bet_limits(river, decision(0, 2), unopened(100, 400));
  const BetLimits raise = bet_limits(river, decision(1, 2), facing(100, 50, 350, 400));  // 50 into 100
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    SizeSpec spec;
    bool raising;
    std::int64_t chips;
    const char* why;
  };
  const Case cases[] = {
      {pct(0.125), false, 13, "12.5 rounds away from zero"},
      {pct(1e300), false, 400, "clamped to the stack, no overflow"},
      {geo(0, inf), false, 400, "one street left: the whole stack in one bet"},
      {rel(3.0), true, 150, "three times the bet faced"},
      {pct(5.0), true, 400, "a pot-share raise past the stack is the all-in"},
  };
  for (const Case& k : cases) EXPECT_EQ(size_to_chips(k.spec, k.raising, k.raising ? raise : open), k.chips) << k.why;
}

TEST(PlanSteps, CapsAndAllInsOnlyWhereTheyBelong) {
  BuildContext raised;
  raised.raise_count = 2;
  SizeSpec pot_with_cap = pct(0.5);
  pot_with_cap.raise_cap = 1;
  EXPECT_FALSE(raise_capped(pot_with_cap, raised)) << "caps belong to chip raises";

  // The threshold adds one all-in at most, and none where no raise is left.
  TreeConfig c = config(2, 100, 150);
  c.all_in_threshold = {1.5, 0.0};
  BuildContext ctx = unopened(100, 150);
  const BetLimits l = bet_limits(c, decision(0, 2), ctx);
  std::vector<Action> a = acts({{kActCheck, 0}, {kActAllIn, 150}});
  add_threshold_allin(a, c, ctx, l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActAllIn, 150}}));
  ctx.no_raise = 1;
  a = acts({{kActCheck, 0}});
  add_threshold_allin(a, c, ctx, l);
  EXPECT_EQ(a.size(), 1u);

  // The merge clamps a size past the stack to the all-in.
  c.all_in_merge_threshold = 0.0;
  a = acts({{kActCheck, 0}, {kActBet, 500}});
  merge_near_allin(a, c, unopened(100, 150), l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActAllIn, 150}}));
}

TEST(PlanSteps, OrderAndDeduplicate) {
  // Unsized actions first; a bet and an all-in of the same size keep that order.
  std::vector<Action> a = acts({{kActCheck, 0}, {kActAllIn, 100}, {kActBet, 80}, {kActBet, 100}, {kActBet, 20}});
  order_actions(a);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActBet, 20}, {kActBet, 80}, {kActBet, 100}, {kActAllIn, 100}}));

  // Without a pot nothing is compared.
  TreeConfig empty = config(2, 0, 1000);
  empty.size_dedupe_threshold = 0.2;
  a = acts({{kActCheck, 0}, {kActBet, 50}, {kActBet, 55}});
  drop_close_sizes(a, empty, bet_limits(empty, decision(0, 2), unopened(0, 1000)));
  EXPECT_EQ(a.size(), 3u);
}
