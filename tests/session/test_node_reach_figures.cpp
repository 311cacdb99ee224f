// Node summaries count only what reaches the node: each hand of the acting
// seat at its range weight times its own path reach, the opponent at its
// path reach. Checked against sums over the hands written out here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/evaluator.h"
#include "core/game.h"
#include "session/action_labels.h"
#include "session/hand_categories.h"
#include "session/node_queries.h"
#include "session/solve_session.h"
#include "session_test_support.h"

namespace velmora_app {
namespace {

using velmora::Pocket;

// OOP AA,QQ against IP KK on a board of deuces full, all-in the only size:
// OOP jams its aces and half its queens, IP calls half the time.
SolveConfig toy_config() {
  SolveConfig c;
  c.board = "2s2d2h3c3d";
  c.starting_street = "river";
  c.starting_pot = 100;
  c.effective_stack = 100;
  c.max_iterations = 3000;
  c.target_exploitability = 0.0f;
  c.thread_count = 1;
  c.oop_range = "AA,QQ";
  c.ip_range = "KK";
  const StreetSizing s = testing::sizing("a", "a");
  c.oop_flop = c.oop_turn = c.oop_river = s;
  c.ip_flop = c.ip_turn = c.ip_river = s;
  return c;
}

struct Solved {
  SolveSession session;
  SolveResult result;
  std::shared_ptr<velmora::Game> game;
  std::shared_ptr<velmora::DiscountedCfr> solver;

  explicit Solved(const SolveConfig& c) {
    const auto reports = testing::run_to_end(session, c);
    if (reports.empty() || !reports.back().result) return;
    result = *reports.back().result;
    std::tie(game, solver) = session.stored_result();
  }
  const velmora::PlanNode& node(std::uint64_t i) const { return game->nodes()[i]; }
  std::size_t action(std::uint64_t i, velmora::ActionKind kind) const {
    for (std::size_t a = 0; a < node(i).actions.size(); ++a) {
      if (node(i).actions[a].kind == kind) return a;
    }
    ADD_FAILURE() << "node " << i << " has no action of kind " << int(kind);
    return 0;
  }
  std::uint64_t child(std::uint64_t i, velmora::ActionKind kind) const { return node(i).children[action(i, kind)]; }
};

// Per action: the mean of the rows' action EVs, each row counted by its
// weight times its probability of the action; rows without an EV (they meet
// no opponent hand) left out.
std::vector<double> row_weighted_evs(const NodeHandCombos& rows, std::size_t A) {
  std::vector<double> num(A, 0.0), den(A, 0.0);
  for (const auto& r : rows.rows) {
    for (std::size_t a = 0; a < A; ++a) {
      if (std::isnan(r.action_evs[a])) continue;
      num[a] += r.weight * r.action_probabilities[a] * r.action_evs[a];
      den[a] += r.weight * r.action_probabilities[a];
    }
  }
  for (std::size_t a = 0; a < A; ++a) num[a] = den[a] > 0 ? num[a] / den[a] : NAN;
  return num;
}

TEST(NodeReachFigures, ToyGameFacingTheJamReadsTheJammingRange) {
  const Solved s(toy_config());
  ASSERT_TRUE(s.result.success);
  const float tolerance = std::max(s.result.exploitability, 1e-3f);

  // The root: AA always and QQ half the time jam.
  const NodeActionStats root = s.session.node_action_stats(0);
  ASSERT_TRUE(root.ok);
  ASSERT_EQ(root.labels, (std::vector<std::string>{"Check", "All-In"}));
  EXPECT_NEAR(root.frequencies[0], 0.25, 0.01);
  EXPECT_NEAR(root.combos[1], 9.0, 0.1);

  // IP facing the jam meets AA and half of QQ: a third of the pot.
  const std::uint64_t facing = s.child(0, velmora::kActAllIn);
  const NodeActionStats st = s.session.node_action_stats(facing);
  ASSERT_TRUE(st.ok);
  ASSERT_EQ(st.labels, (std::vector<std::string>{"Fold", "Call"}));
  EXPECT_NEAR(st.frequencies[0], 0.5, 0.02);
  EXPECT_NEAR(st.frequencies[1], 0.5, 0.02);
  EXPECT_NEAR(st.equities[1], 1.0 / 3.0, 0.005);
  const NodeHandCombos rows = s.session.node_hand_combos(facing);
  ASSERT_TRUE(rows.ok);
  ASSERT_EQ(rows.rows.size(), 6u);
  for (const auto& r : rows.rows) {
    EXPECT_NEAR(st.evs[1], r.action_evs[1], tolerance) << r.card1 << r.card2;
    EXPECT_NEAR(st.evs[0], r.action_evs[0], 1e-6) << r.card1 << r.card2;
  }
}

// OOP's AA is locked to bet at the root: after check and an IP bet, OOP acts
// with every hand but its aces, each counted by its range weight times how
// often it checked.
TEST(NodeReachFigures, RiverNodeTwoDecisionsDeepSumsTheReachingHands) {
  SolveConfig c = testing::river_config();
  c.max_iterations = 150;
  c.oop_range = "AA,KK:0.5,QQ,77:0.25,22,AK,AQ:0.75,KQ,JTs,T9s,65s:0.4";
  c.ip_range = "AA,KK:0.5,AK,AQ:0.3,AJ,KJ,QJ,JJ:0.6,TT,98s";
  c.node_locks.push_back(NodeLock{0, "AA", 1, 1.0f});
  const Solved s(c);
  ASSERT_TRUE(s.result.success);
  const std::uint64_t ip_node = s.child(0, velmora::kActCheck);
  const std::uint64_t deep = s.child(ip_node, velmora::kActBet);
  ASSERT_EQ(s.node(deep).seat, 0);
  const velmora::CardContext& ctx = s.game->card_context();
  const std::size_t H = ctx.hand_count(0), H_ip = ctx.hand_count(1);
  const std::size_t A = s.node(deep).actions.size();

  // Reaches written out: OOP's range weight times its check at the root; IP's
  // range weight times its bet after the check.
  const std::vector<float> root_p = s.solver->average_hand_strategy(0);
  const std::vector<float> ip_p = s.solver->average_hand_strategy(ip_node);
  const std::vector<float> p = s.solver->average_hand_strategy(deep);
  const std::size_t bet = s.action(ip_node, velmora::kActBet);
  std::vector<double> x(H), y(H_ip);
  for (std::size_t h = 0; h < H; ++h) x[h] = ctx.weights(0)[h] * root_p[h];
  for (std::size_t o = 0; o < H_ip; ++o) y[o] = ctx.weights(1)[o] * ip_p[bet * H_ip + o];

  // Reaching combos and their combos per action: in all, per class, per bucket.
  struct Sums {
    double weight = 0;
    std::vector<double> by_action;
    void add(double w, const std::vector<double>& a) {
      weight += w;
      by_action.resize(a.size(), 0.0);
      for (std::size_t i = 0; i < a.size(); ++i) by_action[i] += a[i];
    }
  };
  Sums all;
  std::map<std::string, Sums> classes, buckets;
  const std::vector<velmora::Card> board = ctx.board_cards();
  for (std::size_t h = 0; h < H; ++h) {
    std::vector<double> taken(A);
    for (std::size_t a = 0; a < A; ++a) taken[a] = x[h] * p[a * H + h];
    all.add(x[h], taken);
    classes[hand_class_label(ctx.pockets(0)[h])].add(x[h], taken);
    if (!(x[h] > 0)) continue;
    for (int b : hand_bucket_credit_on_board(board, ctx.pockets(0)[h])) {
      buckets[std::string(kHandBuckets[b])].add(x[h], taken);
    }
  }
  ASSERT_GT(all.weight, 0.0);

  const NodeActionStats st = s.session.node_action_stats(deep);
  ASSERT_TRUE(st.ok);
  for (std::size_t a = 0; a < A; ++a) {
    EXPECT_NEAR(st.frequencies[a], all.by_action[a] / all.weight, 1e-5) << a;
    EXPECT_NEAR(st.combos[a], all.by_action[a], 1e-4) << a;
  }

  // Equity of each action's hands against IP's betting hands, exactly.
  for (std::size_t a = 0; a < A; ++a) {
    double pairs = 0, score = 0;
    for (std::size_t h = 0; h < H; ++h) {
      const double xh = x[h] * p[a * H + h];
      if (!(xh > 0)) continue;
      const auto hs = velmora::evaluate_hand(ctx.pockets(0)[h], board);
      for (std::size_t o = 0; o < H_ip; ++o) {
        const bool shared = velmora::pocket_mask(ctx.pockets(1)[o]) & velmora::pocket_mask(ctx.pockets(0)[h]);
        if (!(y[o] > 0) || shared) continue;
        const auto os = velmora::evaluate_hand(ctx.pockets(1)[o], board);
        pairs += xh * y[o];
        score += hs > os ? xh * y[o] : (hs == os ? 0.5 * xh * y[o] : 0.0);
      }
    }
    if (pairs > 0) {
      EXPECT_NEAR(st.equities[a], score / pairs, 1e-6) << a;
    }
  }
  // The bar's EVs are the rows' EVs, the opponent at its reach in both.
  // Only the reaching hands have rows: AA, which bet, has none.
  const NodeHandCombos rows = s.session.node_hand_combos(deep);
  ASSERT_TRUE(rows.ok);
  EXPECT_EQ(rows.rows.size(), std::count_if(x.begin(), x.end(), [](double v) { return v > 0; }));
  const std::vector<double> row_evs = row_weighted_evs(rows, A);
  for (std::size_t a = 0; a < A; ++a) {
    if (st.combos[a] > 1e-3) {
      EXPECT_NEAR(st.evs[a], row_evs[a], 1e-3 * (1 + std::abs(row_evs[a]))) << a;
    }
  }

  const NodeHandStrategy hs = s.session.node_hand_strategy(deep);
  ASSERT_TRUE(hs.ok);
  for (const auto& [cls, sums] : classes) {
    const int k = hand_class_index(cls);
    ASSERT_GE(k, 0);
    EXPECT_NEAR(hs.class_weights[k], sums.weight, 1e-5) << cls;
    if (!(sums.weight > 0)) {
      EXPECT_EQ(hs.dominant_keys[k], "") << cls << " does not reach the node";
      continue;
    }
    for (std::size_t a = 0; a < A; ++a) {
      EXPECT_NEAR(hs.probabilities[k * A + a], sums.by_action[a] / sums.weight, 1e-5) << cls;
    }
  }

  const NodeHandBuckets got = s.session.node_hand_buckets(deep);
  ASSERT_TRUE(got.ok);
  EXPECT_EQ(got.rows.size(), buckets.size());
  for (const auto& row : got.rows) {
    ASSERT_TRUE(buckets.count(row.name)) << row.name;
    const Sums& want = buckets[row.name];
    EXPECT_NEAR(row.combos, want.weight, 1e-5) << row.name;
    for (std::size_t a = 0; a < A; ++a) {
      EXPECT_NEAR(row.action_probabilities[a], want.by_action[a] / want.weight, 1e-5) << row.name;
    }
  }
}

// Every OOP hand checks at the root: nothing of OOP reaches its node after
// betting and facing a raise.
TEST(NodeReachFigures, NodeNoHandReachesHasNoFigures) {
  SolveConfig c = testing::river_config();
  c.max_iterations = 30;
  for (const char* cls :
       {"AA", "KK", "QQ", "77", "22", "AKs", "AKo", "AQs", "AQo", "KQs", "KQo", "JTs", "T9s", "65s"}) {
    c.node_locks.push_back(NodeLock{0, cls, 0, 1.0f});
  }
  const Solved s(c);
  ASSERT_TRUE(s.result.success);
  const std::uint64_t facing_bet = s.child(0, velmora::kActBet);
  const std::uint64_t facing_raise = s.child(facing_bet, velmora::kActAllIn);
  ASSERT_EQ(s.node(facing_raise).seat, 0);

  // IP facing the bet meets no OOP hand: no action has an EV.
  const NodeActionStats facing = s.session.node_action_stats(facing_bet);
  ASSERT_TRUE(facing.ok);
  for (double ev : facing.evs) EXPECT_TRUE(std::isnan(ev)) << ev;

  // The action figures are NaN there (checked through the controller in
  // test_app_controller_unreached.cpp); the other views hold nothing.
  EXPECT_TRUE(s.session.node_hand_buckets(facing_raise).rows.empty());
  const NodeHandStrategy hs = s.session.node_hand_strategy(facing_raise);
  ASSERT_TRUE(hs.ok);
  for (float w : hs.class_weights) EXPECT_EQ(w, 0.0f);
  const std::string text = describe_node(*s.game, *s.solver, facing_raise);
  EXPECT_NE(text.find("Fold [fold] -  combos 0.0000  EV -  equity -"), std::string::npos) << text;
}

// OOP holds only AhAs: IP's aces holding either card meet no OOP hand. They
// have no EV, come last, and the bar's EVs average the other hands.
TEST(NodeReachFigures, HandsMeetingNoOpponentHandHaveNoEv) {
  SolveConfig c = toy_config();
  c.max_iterations = 300;
  c.oop_range = "AhAs";
  c.ip_range = "AA,KK";
  const Solved s(c);
  ASSERT_TRUE(s.result.success);
  const std::uint64_t ip_node = s.child(0, velmora::kActCheck);
  const NodeHandCombos rows = s.session.node_hand_combos(ip_node);
  ASSERT_EQ(rows.rows.size(), 12u);
  for (std::size_t i = 0; i < rows.rows.size(); ++i) {
    const HandComboRow& r = rows.rows[i];
    const std::string cards = r.card1 + r.card2;
    const bool blocked = cards.find("Ah") != std::string::npos || cards.find("As") != std::string::npos;
    EXPECT_EQ(std::isnan(r.ev) && std::isnan(r.action_evs[0]), blocked) << cards;
    EXPECT_EQ(blocked, i >= 7) << "rows without an EV come last";
  }
  const NodeActionStats st = s.session.node_action_stats(ip_node);
  const std::vector<double> row_evs = row_weighted_evs(rows, st.evs.size());
  for (std::size_t a = 0; a < st.evs.size(); ++a) {
    if (st.combos[a] > 1e-3) {
      EXPECT_NEAR(st.evs[a], row_evs[a], 1e-3 * (1 + std::abs(row_evs[a]))) << a;
    }
  }
}

// A turn spot: the snapshot's one walk over the tree and the per-node
// queries give every decision node the same frequencies.
TEST(NodeReachFigures, SnapshotAndQueriesAgreeOnEveryNodeOfATurnSpot) {
  SolveConfig c = testing::turn_config();
  c.oop_range = "AA:0.5,KK,QQ,AK:0.3,AQ,JTs,65s";
  c.thread_count = 3;
  const Solved s(c);
  ASSERT_TRUE(s.result.success);
  ASSERT_EQ(s.result.nodes.size(), s.game->nodes().size());
  int compared = 0;
  for (std::uint64_t i = 0; i < s.result.nodes.size(); i += 7) {
    if (s.node(i).type != velmora::kNodeDecision) continue;
    const auto& kids = s.result.nodes[i].children;
    const NodeActionStats st = s.session.node_action_stats(i);
    ASSERT_TRUE(st.ok) << i;
    for (std::size_t a = 0; a < kids.size(); ++a) {
      if (std::isnan(st.frequencies[a])) {
        EXPECT_TRUE(std::isnan(kids[a].frequency)) << i;
      } else {
        EXPECT_NEAR(kids[a].frequency, st.frequencies[a], 1e-4) << i;
      }
    }
    ++compared;
  }
  EXPECT_GT(compared, 20);
}

}  // namespace
}  // namespace velmora_app
