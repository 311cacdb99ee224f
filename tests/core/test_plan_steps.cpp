// The steps that make the children of a decision node, each on its own:
// chip limits, sizes to chips, the lead rule, raise caps, the all-in
// threshold and merge, ordering, de-duplication and the child records.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/action_plan_internal.h"

using namespace velmora;
using namespace velmora::plan_detail;

namespace {

SizeSpec pct(double v) { return SizeSpec{kSizePotFraction, v, 0.0, 0, 0, 0}; }
SizeSpec rel(double v) { return SizeSpec{kSizeRelative, v, 0.0, 0, 0, 0}; }
SizeSpec chips(int amount, int cap = 0) { return SizeSpec{kSizeChips, 0.0, 0.0, amount, cap, 0}; }
SizeSpec geo(int streets, double cap) { return SizeSpec{kSizeGeometric, 0.0, cap, 0, 0, streets}; }
SizeSpec allin() { return SizeSpec{kSizeAllIn, 0.0, 0.0, 0, 0, 0}; }

TreeConfig config(std::uint8_t street, std::uint32_t pot, std::uint32_t stack) {
  TreeConfig c;
  c.start_street = street;
  c.starting_pot = pot;
  c.effective_stack = stack;
  return c;
}

PlanNode decision(int seat, std::uint8_t street, std::uint32_t invested = 0) {
  PlanNode n;
  n.type = kNodeDecision;
  n.seat = static_cast<std::uint8_t>(seat);
  n.street = street;
  n.invested = invested;
  return n;
}

// The context of a seat facing a bet of `level` on a pot of `pot` (the
// bettor has `bettor_behind` left, the seat to act `behind`).
BuildContext facing(std::uint32_t pot, std::uint32_t level, std::uint32_t bettor, std::uint32_t bettor_behind,
                    std::uint32_t behind) {
  BuildContext ctx;
  ctx.last_kind = kActBet;
  ctx.raise_count = 1;
  ctx.level = level;
  ctx.pot = pot + level;
  ctx.stack[bettor] = bettor_behind;
  ctx.stack[1 - bettor] = behind;
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

TEST(PlanSteps, BetLimits) {
  const TreeConfig c = config(2, 100, 1000);
  // Unopened: nothing to call, the smallest bet is one chip.
  BetLimits l = bet_limits(c, decision(0, 2), unopened(100, 1000));
  EXPECT_EQ(l.to_call, 0);
  EXPECT_EQ(l.pot_after_call, 100);
  EXPECT_EQ(l.allin, 1000);
  EXPECT_EQ(l.min_raise, 1);
  EXPECT_EQ(l.streets_left, 1);
  EXPECT_TRUE(l.can_bet);
  EXPECT_DOUBLE_EQ(l.spr(), 10.0);

  // Facing 50: call 50 into a pot of 200 after the call; a raise goes to at
  // least 100.
  l = bet_limits(c, decision(1, 2), facing(100, 50, 0, 950, 1000));
  EXPECT_EQ(l.seat, 1);
  EXPECT_EQ(l.to_call, 50);
  EXPECT_EQ(l.pot_after_call, 200);
  EXPECT_EQ(l.allin, 1000);
  EXPECT_EQ(l.min_raise, 100);
  EXPECT_DOUBLE_EQ(l.spr(), 950.0 / 200.0);

  // Facing 80 from a bettor with 20 behind: a full raise would pass the
  // all-in, so the smallest raise is the all-in itself.
  l = bet_limits(c, decision(1, 2), facing(100, 80, 0, 20, 100));
  EXPECT_EQ(l.allin, 100);
  EXPECT_EQ(l.min_raise, 100);

  // No chips behind: nothing to bet, and no pot share to divide by.
  l = bet_limits(config(0, 0, 0), decision(0, 0), unopened(0, 0));
  EXPECT_FALSE(l.can_bet);
  EXPECT_EQ(l.streets_left, 3);
  EXPECT_EQ(l.spr(), 0.0);
}

TEST(PlanSteps, SizesToChips) {
  const TreeConfig c = config(2, 100, 400);
  const BetLimits open = bet_limits(c, decision(0, 2), unopened(100, 400));
  EXPECT_EQ(size_to_chips(pct(0.5), false, open), 50);
  EXPECT_EQ(size_to_chips(pct(0.125), false, open), 13);  // 12.5 rounds away from zero
  EXPECT_EQ(size_to_chips(pct(1e300), false, open), 400);  // clamped, no overflow
  EXPECT_EQ(size_to_chips(chips(-20), false, open), 1);
  // Geometric over 2 streets with 4 pots behind: (sqrt(9) - 1) / 2 = a pot.
  EXPECT_EQ(size_to_chips(geo(2, std::numeric_limits<double>::infinity()), false, open), 100);
  EXPECT_EQ(size_to_chips(geo(2, 0.5), false, open), 50);
  // Streets left (one, the river): the whole stack in one bet.
  EXPECT_EQ(size_to_chips(geo(0, std::numeric_limits<double>::infinity()), false, open), 400);
  EXPECT_EQ(size_to_chips(allin(), false, open), 400);

  // Facing 50 into 100: a pot-share raise adds to the level faced.
  const BetLimits raise = bet_limits(c, decision(1, 2), facing(100, 50, 0, 350, 400));
  EXPECT_EQ(size_to_chips(pct(0.5), true, raise), 150);
  EXPECT_EQ(size_to_chips(rel(3.0), true, raise), 150);
  EXPECT_EQ(size_to_chips(chips(40), true, raise), 100);  // 90 is below the smallest raise
  EXPECT_EQ(size_to_chips(pct(5.0), true, raise), 400);
}

TEST(PlanSteps, LeadRuleAndRaiseCaps) {
  TreeConfig c = config(0, 100, 1000);
  c.flop.leads = std::vector<SizeSpec>{pct(0.25)};
  c.turn.leads = std::vector<SizeSpec>{pct(0.3)};
  BuildContext ctx = unopened(100, 1000);
  EXPECT_TRUE(takes_lead_sizes(c, decision(0, 0), ctx));
  EXPECT_FALSE(takes_lead_sizes(c, decision(1, 0), ctx));
  EXPECT_FALSE(takes_lead_sizes(c, decision(0, 2), ctx));  // no river leads, and not the first street
  // A new street: OOP leads after calling IP's bet, not after its own bet
  // was called or a check-through.
  ctx.last_kind = kActDeal;
  ctx.aggressor = 1;
  EXPECT_TRUE(takes_lead_sizes(c, decision(0, 1), ctx));
  ctx.aggressor = 0;
  EXPECT_FALSE(takes_lead_sizes(c, decision(0, 1), ctx));
  EXPECT_FALSE(facing_bet(ctx));
  ctx.last_kind = kActCheck;
  EXPECT_FALSE(facing_bet(ctx));
  ctx.last_kind = kActRaise;
  EXPECT_TRUE(facing_bet(ctx));

  BuildContext raised;
  raised.raise_count = 1;
  EXPECT_FALSE(raise_capped(chips(40, 2), raised));
  raised.raise_count = 2;
  EXPECT_TRUE(raise_capped(chips(40, 2), raised));
  EXPECT_FALSE(raise_capped(chips(40), raised));  // no cap
  SizeSpec pot_with_cap = pct(0.5);
  pot_with_cap.raise_cap = 1;
  EXPECT_FALSE(raise_capped(pot_with_cap, raised));  // caps belong to chip raises

  // Listed: a capped raise is left out, the rest stay in list order.
  c = config(2, 100, 1000);
  c.river.raises[1] = {chips(40, 1), pct(1.0)};
  const BuildContext f = facing(100, 50, 0, 950, 1000);
  EXPECT_EQ(listed_actions(c, decision(1, 2), f, bet_limits(c, decision(1, 2), f)),
            acts({{kActFold, 0}, {kActCall, 50}, {kActRaise, 250}}));
}

TEST(PlanSteps, AllInThresholdAndMerge) {
  TreeConfig c = config(2, 100, 150);
  c.all_in_threshold = {1.5, 0.0};
  BuildContext ctx = unopened(100, 150);
  BetLimits l = bet_limits(c, decision(0, 2), ctx);
  std::vector<Action> a = acts({{kActCheck, 0}});
  add_threshold_allin(a, c, ctx, l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActAllIn, 150}}));
  add_threshold_allin(a, c, ctx, l);  // one all-in at most
  EXPECT_EQ(a.size(), 2u);
  a = acts({{kActCheck, 0}});
  add_threshold_allin(a, c, ctx, bet_limits(c, decision(1, 2), ctx));  // seat 1 has no threshold
  EXPECT_EQ(a.size(), 1u);
  ctx.no_raise = 1;
  add_threshold_allin(a, c, ctx, l);
  EXPECT_EQ(a.size(), 1u);
  c.effective_stack = 151;
  ctx = unopened(100, 151);
  add_threshold_allin(a, c, ctx, bet_limits(c, decision(0, 2), ctx));
  EXPECT_EQ(a.size(), 1u);

  // 80 into 100 with 100 behind: m = round(260 x 0.1) = 26 keeps the bet,
  // 0.5 merges it; a size past the stack is the all-in.
  c = config(2, 100, 100);
  ctx = unopened(100, 100);
  l = bet_limits(c, decision(0, 2), ctx);
  c.all_in_merge_threshold = 0.1;
  a = acts({{kActCheck, 0}, {kActBet, 80}, {kActBet, 500}});
  merge_near_allin(a, c, ctx, l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActBet, 80}, {kActAllIn, 100}}));
  c.all_in_merge_threshold = 0.5;
  merge_near_allin(a, c, ctx, l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActAllIn, 100}, {kActAllIn, 100}}));
}

TEST(PlanSteps, OrderAndDeduplicate) {
  std::vector<Action> a = acts({{kActCheck, 0}, {kActAllIn, 100}, {kActBet, 80}, {kActBet, 100}, {kActBet, 20}});
  order_actions(a);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActBet, 20}, {kActBet, 80}, {kActBet, 100}, {kActAllIn, 100}}));

  // Threshold 0.2: 50% goes next to 55% ((0.55 - 0.2) / 1.2 < 0.5), 25% stays.
  TreeConfig c = config(2, 100, 1000);
  c.size_dedupe_threshold = 0.2;
  const BetLimits l = bet_limits(c, decision(0, 2), unopened(100, 1000));
  a = acts({{kActCheck, 0}, {kActBet, 25}, {kActBet, 50}, {kActBet, 55}});
  drop_close_sizes(a, c, l);
  EXPECT_EQ(a, acts({{kActCheck, 0}, {kActBet, 25}, {kActBet, 55}}));
  // Without a pot nothing is compared.
  const TreeConfig empty = config(2, 0, 1000);
  a = acts({{kActCheck, 0}, {kActBet, 50}, {kActBet, 55}});
  drop_close_sizes(a, empty, bet_limits(empty, decision(0, 2), unopened(0, 1000)));
  EXPECT_EQ(a.size(), 3u);
}

TEST(PlanSteps, ChildRecords) {
  const TreeConfig c = config(0, 100, 1000);
  const BuildContext open = unopened(100, 1000);
  const BetLimits l = bet_limits(c, decision(0, 0), open);

  const ChildSpec bet = player_child(decision(0, 0), open, l, {kActBet, 50});
  EXPECT_EQ(bet.node.type, kNodeDecision);
  EXPECT_EQ(bet.node.seat, 1);
  EXPECT_EQ(bet.node.pot, 150u);
  EXPECT_EQ(bet.ctx.stack[0], 950u);
  EXPECT_EQ(bet.ctx.level, 50u);
  EXPECT_EQ(bet.ctx.raise_count, 1u);

  // IP calls the bet on the flop: the turn is dealt next, OOP was the
  // aggressor.
  const BetLimits facing_limits = bet_limits(c, bet.node, bet.ctx);
  const ChildSpec call = player_child(bet.node, bet.ctx, facing_limits, {kActCall, 50});
  EXPECT_EQ(call.node.type, kNodeChance);
  EXPECT_EQ(call.node.street, 1);
  EXPECT_EQ(call.node.invested, 50u);
  EXPECT_EQ(call.node.pot, 200u);
  EXPECT_EQ(call.ctx.aggressor, 0);
  EXPECT_EQ(call.ctx.level, 0u);

  const ChildSpec fold = player_child(bet.node, bet.ctx, facing_limits, {kActFold, 0});
  EXPECT_EQ(fold.node.type, kNodeTerminal);
  EXPECT_EQ(fold.node.seat, 1);
  EXPECT_EQ(fold.node.last_actor, 1);

  // An all-in called before the river runs the board out.
  const ChildSpec shove = player_child(decision(0, 0), open, l, {kActAllIn, 1000});
  EXPECT_EQ(shove.ctx.no_raise, 1);
  const ChildSpec called =
      player_child(shove.node, shove.ctx, bet_limits(c, shove.node, shove.ctx), {kActCall, 1000});
  EXPECT_EQ(called.node.type, kNodeTerminal);
  EXPECT_EQ(called.node.allin_runout, 1);
  EXPECT_EQ(called.node.pot, 2100u);

  // IP checks back on the river: showdown.
  const ChildSpec checked = player_child(decision(1, 2), open, bet_limits(c, decision(1, 2), open), {kActCheck, 0});
  EXPECT_EQ(checked.node.type, kNodeTerminal);
  EXPECT_EQ(checked.node.street, 2);
}
