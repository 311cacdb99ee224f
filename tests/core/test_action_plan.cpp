#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <thread>
#include <tuple>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/range.h"

using namespace velmora;

namespace {

SizeSpec pct(double v) { return SizeSpec{kSizePotFraction, v, 0.0, 0, 0, 0}; }
SizeSpec chips(int amount, int cap = 0) { return SizeSpec{kSizeChips, 0.0, 0.0, amount, cap, 0}; }
SizeSpec allin() { return SizeSpec{kSizeAllIn, 0.0, 0.0, 0, 0, 0}; }
SizeSpec geo(int streets, double cap) { return SizeSpec{kSizeGeometric, 0.0, cap, 0, 0, streets}; }

const Board kRiver{0, 21, 38, 47, 12};  // 2c 7d Jh Ks 5c
const Board kFlop{4, 21, 38, kNoCard, kNoCard};

TreeConfig river_config(std::uint32_t pot, std::uint32_t stack) {
  TreeConfig c;
  c.start_street = 2;
  c.starting_pot = pot;
  c.effective_stack = stack;
  return c;
}

void both(StreetSizeLists& l, std::vector<SizeSpec> bets, std::vector<SizeSpec> raises) {
  l.bets = {bets, bets};
  l.raises = {raises, raises};
}

std::vector<Action> acts(std::initializer_list<std::pair<int, int>> list) {
  std::vector<Action> v;
  for (auto [k, a] : list) v.push_back({static_cast<std::uint8_t>(k), static_cast<std::uint32_t>(a)});
  return v;
}

int count_type(const ActionPlan& p, int type) {
  int n = 0;
  for (const PlanNode& node : p.nodes()) n += node.type == type;
  return n;
}

// Subtree sizes, checking that every subtree is one contiguous pre-order
// block and that each non-root node has exactly one parent.
std::size_t check_preorder(const ActionPlan& p, std::uint64_t i) {
  const PlanNode& n = p.node(i);
  EXPECT_EQ(n.actions.size(), n.children.size());
  std::size_t size = 1;
  for (std::uint64_t c : n.children) {
    EXPECT_EQ(c, i + size) << "node " << i;
    size += check_preorder(p, c);
  }
  return size;
}

const PlanNode& follow(const ActionPlan& p, std::initializer_list<int> path) {
  std::uint64_t i = 0;
  for (int k : path) i = p.node(i).children.at(k);
  return p.node(i);
}

struct EnvGuard {
  explicit EnvGuard(const char* v) { setenv("VELMORA_ACTIONPLAN_MAX_WORKERS", v, 1); }
  ~EnvGuard() { unsetenv("VELMORA_ACTIONPLAN_MAX_WORKERS"); }
};

auto fields(const PlanNode& n) {
  return std::tie(n.type, n.seat, n.street, n.allin_runout, n.invested, n.actions, n.children, n.pot, n.seat_totals,
                  n.last_action, n.last_actor, n.turn, n.river);
}

bool same_nodes(const ActionPlan& a, const ActionPlan& b) {
  if (a.node_count() != b.node_count()) return false;
  for (std::size_t i = 0; i < a.node_count(); ++i) {
    if (fields(a.node(i)) != fields(b.node(i))) return false;
  }
  return true;
}

}  // namespace

// Pot 100, stack 300, 50% bet, pot raise and all-in for both seats. Counted
// by hand: root {check, bet 50, all-in 300}; facing 50: {fold, call 50,
// raise 250, all-in}; facing 250 the pot raise clamps to the all-in, so
// {fold, call 200, all-in}; facing any all-in {fold, call}. That gives a
// 12-node subtree under each 50 bet, 33 nodes, 21 terminals, 12 decisions.
TEST(ActionPlan, RiverTreeCountedByHand) {
  TreeConfig c = river_config(100, 300);
  both(c.river, {pct(0.5), allin()}, {pct(1.0), allin()});
  ActionPlan p(c, kRiver, nullptr);
  EXPECT_EQ(p.node_count(), 33u);
  EXPECT_EQ(count_type(p, kNodeTerminal), 21);
  EXPECT_EQ(count_type(p, kNodeDecision), 12);
  EXPECT_EQ(check_preorder(p, 0), p.node_count());

  EXPECT_EQ(p.node(0).actions, acts({{kActCheck, 0}, {kActBet, 50}, {kActAllIn, 300}}));
  const PlanNode& facing50 = follow(p, {1});
  EXPECT_EQ(facing50.seat, 1);
  EXPECT_EQ(facing50.actions, acts({{kActFold, 0}, {kActCall, 50}, {kActRaise, 250}, {kActAllIn, 300}}));
  const PlanNode& facing250 = follow(p, {1, 2});
  EXPECT_EQ(facing250.actions, acts({{kActFold, 0}, {kActCall, 200}, {kActAllIn, 300}}));
  EXPECT_EQ(facing250.pot, 400u);
  EXPECT_EQ(facing250.invested, 50u);

  for (const PlanNode& n : p.nodes()) {
    if (n.last_action == kActAllIn) {
      ASSERT_EQ(n.type, kNodeDecision);
      EXPECT_EQ(n.actions, acts({{kActFold, 0}, {kActCall, static_cast<int>(n.seat_totals[1 - n.seat] -
                                                                          n.seat_totals[n.seat])}}));
    }
    if (n.type == kNodeTerminal && n.last_action == kActFold) {
      EXPECT_EQ(n.seat, n.last_actor);
    } else if (n.type == kNodeTerminal) {
      EXPECT_EQ(n.pot, 100 + 2 * n.invested);
      EXPECT_EQ(n.seat_totals[0], n.seat_totals[1]);
      EXPECT_EQ(n.allin_runout, 0);
    }
  }
  const PlanNode& allin_called = follow(p, {1, 2, 2, 1});
  EXPECT_EQ(allin_called.pot, 700u);
  EXPECT_EQ(allin_called.invested, 300u);
}

TEST(ActionPlan, CheckCheckRiverAndUnknownStreet) {
  ActionPlan p(river_config(100, 100), kRiver, nullptr);
  ASSERT_EQ(p.node_count(), 3u);
  EXPECT_EQ(p.node(0).actions, acts({{kActCheck, 0}}));
  EXPECT_EQ(p.node(1).seat, 1);
  EXPECT_EQ(p.node(2).type, kNodeTerminal);
  EXPECT_EQ(p.node(2).last_action, kActCheck);
  EXPECT_EQ(p.node(2).turn, 47);
  EXPECT_EQ(p.node(2).river, 12);

  // A flop start on a river board starts on the river: same tree, no deals.
  TreeConfig early = river_config(100, 100);
  early.start_street = 0;
  ActionPlan e(early, kRiver, nullptr);
  ASSERT_EQ(e.node_count(), 3u);
  EXPECT_EQ(e.node(0).street, 2);
  EXPECT_EQ(e.node(2).type, kNodeTerminal);

  TreeConfig bad = river_config(100, 100);
  bad.start_street = 3;
  EXPECT_THROW(ActionPlan(bad, kRiver, nullptr), std::logic_error);
  try {
    ActionPlan q(bad, kRiver, nullptr);
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "Unknown street");
  }
  EXPECT_THROW(bad.street(3), std::logic_error);
}

TEST(ActionPlan, SizeResolutionDedupeAndMerge) {
  // Facing 50 into 100: 50% pot raise and a 100-chip raise both reach 150.
  TreeConfig c = river_config(100, 1000);
  both(c.river, {pct(0.5)}, {pct(0.5), chips(100)});
  EXPECT_EQ(follow(ActionPlan(c, kRiver, nullptr), {1}).actions,
            acts({{kActFold, 0}, {kActCall, 50}, {kActRaise, 150}}));

  // Threshold 0.2 drops 50% next to 55% (0.5 is not below (0.55-0.2)/1.2).
  c = river_config(100, 1000);
  c.size_dedupe_threshold = 0.2;
  both(c.river, {pct(0.55), pct(0.25), pct(0.5)}, {});
  EXPECT_EQ(ActionPlan(c, kRiver, nullptr).node(0).actions, acts({{kActCheck, 0}, {kActBet, 25}, {kActBet, 55}}));

  // Merge: 80 into 100 with 100 behind stays at 0.1 (m = 26), merges at 0.5.
  c = river_config(100, 100);
  both(c.river, {pct(0.8)}, {});
  c.all_in_merge_threshold = 0.1;
  EXPECT_EQ(ActionPlan(c, kRiver, nullptr).node(0).actions, acts({{kActCheck, 0}, {kActBet, 80}}));
  c.all_in_merge_threshold = 0.5;
  EXPECT_EQ(ActionPlan(c, kRiver, nullptr).node(0).actions, acts({{kActCheck, 0}, {kActAllIn, 100}}));

  // Geometric over 2 streets with spr 4: f = (sqrt(9) - 1) / 2 = 1; capped at
  // 0.5 pot; a negative chip bet clamps to the 1-chip minimum.
  c = river_config(100, 400);
  both(c.river, {geo(2, std::numeric_limits<double>::infinity()), geo(2, 0.5), chips(-20)}, {});
  EXPECT_EQ(ActionPlan(c, kRiver, nullptr).node(0).actions,
            acts({{kActCheck, 0}, {kActBet, 1}, {kActBet, 50}, {kActBet, 100}}));
}

TEST(ActionPlan, AllInThresholdAndRaiseCap) {
  TreeConfig c = river_config(100, 150);
  c.all_in_threshold[0] = 1.5;
  ActionPlan at150(c, kRiver, nullptr);
  EXPECT_EQ(at150.node(0).actions, acts({{kActCheck, 0}, {kActAllIn, 150}}));
  EXPECT_EQ(follow(at150, {0}).actions, acts({{kActCheck, 0}}));  // seat 1 has no threshold
  c.effective_stack = 151;
  EXPECT_EQ(ActionPlan(c, kRiver, nullptr).node(0).actions, acts({{kActCheck, 0}}));

  c = river_config(100, 1000);
  both(c.river, {pct(0.5)}, {chips(40, 2)});
  ActionPlan p(c, kRiver, nullptr);
  const PlanNode& first = follow(p, {1});  // facing the first bet: raise offered (clamped to min 100)
  EXPECT_EQ(first.actions, acts({{kActFold, 0}, {kActCall, 50}, {kActRaise, 100}}));
  EXPECT_EQ(follow(p, {1, 2}).actions, acts({{kActFold, 0}, {kActCall, 50}}));  // facing a raise: capped
}

TEST(ActionPlan, ZeroStackOffersNoBets) {
  TreeConfig c = river_config(100, 0);
  both(c.river, {pct(0.5), allin()}, {allin()});
  c.all_in_threshold = {2.0, 2.0};
  ActionPlan p(c, kRiver, nullptr);
  EXPECT_EQ(p.node_count(), 3u);
}

TEST(ActionPlan, FlopAllInCallRunsOutTurnAndRiver) {
  TreeConfig c;
  c.start_street = 0;
  c.starting_pot = 100;
  c.effective_stack = 100;
  both(c.flop, {allin()}, {});
  ActionPlan p(c, kFlop, nullptr);
  const PlanNode& runout = follow(p, {1, 1});
  EXPECT_EQ(runout.type, kNodeTerminal);
  EXPECT_EQ(runout.allin_runout, 1);
  EXPECT_EQ(runout.street, 1);
  EXPECT_EQ(runout.pot, 300u);
  ASSERT_EQ(runout.children.size(), 49u);
  for (std::size_t k = 0; k < runout.children.size(); ++k) {
    const PlanNode& t = p.node(runout.children[k]);
    EXPECT_EQ(runout.actions[k].kind, kActDeal);
    EXPECT_EQ(t.turn, runout.actions[k].amount);
    EXPECT_EQ(t.allin_runout, 1);
    ASSERT_EQ(t.children.size(), 48u);
    const PlanNode& r = p.node(t.children.back());
    EXPECT_EQ(r.type, kNodeTerminal);
    EXPECT_EQ(r.allin_runout, 0);
    EXPECT_EQ(r.river, t.actions.back().amount);
    EXPECT_EQ(r.last_action, kActCall);
  }
  EXPECT_EQ(check_preorder(p, 0), p.node_count());
}

TEST(ActionPlan, LeadsFollowTheAggressor) {
  TreeConfig c;
  c.start_street = 0;
  c.starting_pot = 100;
  c.effective_stack = 1000;
  both(c.flop, {pct(0.5)}, {});
  c.flop.leads = std::vector<SizeSpec>{pct(0.25)};
  both(c.turn, {pct(0.7)}, {});
  c.turn.leads = std::vector<SizeSpec>{pct(0.3)};
  ActionPlan p(c, kFlop, nullptr);
  EXPECT_EQ(p.node(0).actions, acts({{kActCheck, 0}, {kActBet, 25}}));
  // IP bet 50 and OOP called: OOP leads 30% of 200 on every turn.
  const PlanNode& led = follow(p, {0, 1, 1, 7});
  EXPECT_EQ(led.street, 1);
  EXPECT_EQ(led.actions, acts({{kActCheck, 0}, {kActBet, 60}}));
  // After check-check OOP uses its bet list (70% of 100).
  EXPECT_EQ(follow(p, {0, 0, 7}).actions, acts({{kActCheck, 0}, {kActBet, 70}}));
  // IP called OOP's lead: no aggressor in position, bets again (70% of 150).
  EXPECT_EQ(follow(p, {1, 1, 7}).actions, acts({{kActCheck, 0}, {kActBet, 105}}));
  EXPECT_EQ(check_preorder(p, 0), p.node_count());
}

TEST(ActionPlan, MonotoneFlopSkipsInterchangeableSuits) {
  std::array<Range, 2> ranges{parse_range("TT+,AKs,KQs,AQo"), parse_range("99+,AJs+,KQs")};
  const Board board{2, 22, 30, kNoCard, kNoCard};  // 2h 7h 9h
  CardContext ctx(board, ranges);
  TreeConfig c;
  c.start_street = 0;
  ActionPlan p(c, &ctx);
  const PlanNode& chance = follow(p, {0, 0});
  ASSERT_EQ(chance.type, kNodeChance);
  EXPECT_LT(chance.children.size(), 49u);
  EXPECT_EQ(chance.children.size() + ctx.suit_isomorphism().turn.skipped.size(), 49u);
  for (const Action& a : chance.actions) {
    EXPECT_LT(ctx.suit_isomorphism().turn.representative[card_suit(static_cast<Card>(a.amount))], 0);
  }
}

TEST(ActionPlan, NumberingIndependentOfWorkers) {
  TreeConfig c;
  c.start_street = 0;
  c.starting_pot = 60;
  c.effective_stack = 300;
  both(c.flop, {pct(0.33), allin()}, {pct(0.5)});
  both(c.turn, {pct(0.75)}, {allin()});
  both(c.river, {pct(1.0)}, {});
  std::optional<ActionPlan> serial;
  {
    EnvGuard env("1");
    EXPECT_EQ(ActionPlan::max_workers_from_env(), 1u);
    serial.emplace(c, kFlop, nullptr);
  }
  EnvGuard env("16");
  EXPECT_EQ(ActionPlan::max_workers_from_env(), 16u);
  ActionPlan parallel(c, kFlop, nullptr);
  EXPECT_TRUE(same_nodes(*serial, parallel));
  EXPECT_EQ(check_preorder(parallel, 0), parallel.node_count());

  const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
  for (const char* v : {"0", "-3", "abc", "99999999999"}) {
    EnvGuard g(v);
    EXPECT_EQ(ActionPlan::max_workers_from_env(), hw) << v;
  }
  EnvGuard g(" 3threads");
  EXPECT_EQ(ActionPlan::max_workers_from_env(), 3u);
}
