// Node result queries on solved small river and turn spots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <map>
#include <mutex>
#include <numeric>
#include <set>
#include <stdexcept>
#include <thread>

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

using velmora::Card;
using velmora::Pocket;

std::string combo_key(const std::string& a, const std::string& b) { return a + b; }

class SolvedRiver : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session_ = new SolveSession();
    SolveConfig c = testing::river_config();
    c.max_iterations = 200;
    const auto reports = testing::run_to_end(*session_, c);
    ASSERT_FALSE(reports.empty());
    ASSERT_EQ(reports.back().text, "Done");
    std::tie(game_, solver_) = session_->stored_result();
  }
  static void TearDownTestSuite() {
    game_.reset();
    solver_.reset();
    delete session_;
  }

  static const velmora::PlanNode& node(std::uint64_t i) { return game_->nodes()[i]; }
  static std::uint64_t child(std::uint64_t i, std::size_t a) { return node(i).children.at(a); }
  static const velmora::CardContext& ctx() { return game_->card_context(); }

  static SolveSession* session_;
  static std::shared_ptr<velmora::Game> game_;
  static std::shared_ptr<velmora::DiscountedCfr> solver_;
};

SolveSession* SolvedRiver::session_ = nullptr;
std::shared_ptr<velmora::Game> SolvedRiver::game_;
std::shared_ptr<velmora::DiscountedCfr> SolvedRiver::solver_;

void expect_all_failed(const SolveSession& s, std::uint64_t n, bool seat_combos_too) {
  const NodeActionStats st = s.node_action_stats(n);
  EXPECT_FALSE(st.ok);
  EXPECT_TRUE(st.labels.empty() && st.keys.empty() && st.frequencies.empty() && st.combos.empty() &&
              st.equities.empty() && st.evs.empty());
  const NodeHandBuckets b = s.node_hand_buckets(n);
  EXPECT_FALSE(b.ok);
  EXPECT_TRUE(b.rows.empty());
  const NodeHandStrategy hs = s.node_hand_strategy(n);
  EXPECT_FALSE(hs.ok);
  EXPECT_TRUE(hs.class_names.empty() && hs.class_weights.empty() && hs.probabilities.empty());
  const NodeHandCombos c = s.node_hand_combos(n);
  EXPECT_FALSE(c.ok);
  EXPECT_TRUE(c.rows.empty());
  const PocketActionEvs p = s.node_pocket_action_evs(n, 0, "Ac", "Ad");
  EXPECT_FALSE(p.ok);
  EXPECT_TRUE(p.action_evs.empty());
  if (seat_combos_too) {
    EXPECT_FALSE(s.node_seat_hand_combos(n, false).ok);
  }
}

TEST(NodeQueriesUnsolved, EveryQueryFailsBeforeAnySolve) {
  SolveSession s;
  expect_all_failed(s, 0, true);
  expect_all_failed(s, 12345, true);
}

TEST_F(SolvedRiver, BadIndicesAndNonDecisionNodesFail) {
  const std::uint64_t count = game_->nodes().size();
  expect_all_failed(*session_, count, true);
  expect_all_failed(*session_, ~std::uint64_t{0}, true);
  bool saw_terminal = false;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (node(i).type != velmora::kNodeTerminal) continue;
    saw_terminal = true;
    expect_all_failed(*session_, i, false);
    const NodeHandCombos ip = session_->node_seat_hand_combos(i, true);
    EXPECT_TRUE(ip.ok) << "seat combos do not look at the node type";
    EXPECT_EQ(ip.rows.size(), ctx().hand_count(1));
    break;
  }
  EXPECT_TRUE(saw_terminal);
  // The pocket query needs the acting seat: OOP acts at the root.
  EXPECT_FALSE(session_->node_pocket_action_evs(0, 1, "Ac", "Ad").ok);
}

TEST_F(SolvedRiver, ActionStatsAddUpOverTheRange) {
  const NodeActionStats st = session_->node_action_stats(0);
  ASSERT_TRUE(st.ok);
  EXPECT_EQ(st.labels, (std::vector<std::string>{"Check", "Bet 50%", "All-In"}));
  EXPECT_EQ(st.keys, (std::vector<std::string>{"check", "bet 50%", "allin"}));
  ASSERT_EQ(st.frequencies.size(), 3u);
  ASSERT_EQ(st.combos.size(), 3u);
  ASSERT_EQ(st.evs.size(), 3u);
  ASSERT_EQ(st.equities.size(), 3u);
  EXPECT_NEAR(std::accumulate(st.frequencies.begin(), st.frequencies.end(), 0.0), 1.0, 1e-5);
  // Every hand's strategy sums to 1, so the combos sum to the range weight.
  const auto& w = ctx().weights(0);
  const double range_weight = std::accumulate(w.begin(), w.end(), 0.0);
  EXPECT_NEAR(std::accumulate(st.combos.begin(), st.combos.end(), 0.0), range_weight, 1e-3);
  for (std::size_t a = 0; a < 3; ++a) {
    EXPECT_TRUE(std::isfinite(st.evs[a]));
    if (st.combos[a] > 0) {
      EXPECT_GE(st.equities[a], 0.0);
      EXPECT_LE(st.equities[a], 1.0);
    }
  }
}

TEST_F(SolvedRiver, FoldingIsWorthNothingInChips) {
  const std::uint64_t facing_bet = child(0, 1);  // OOP bets: IP may fold, call or raise
  ASSERT_EQ(node(facing_bet).actions.at(0).kind, velmora::kActFold);
  const NodeActionStats st = session_->node_action_stats(facing_bet);
  ASSERT_TRUE(st.ok);
  EXPECT_EQ(st.labels.at(0), "Fold");
  if (st.combos[0] > 0) {
    EXPECT_NEAR(st.evs[0], 0.0, 1e-3);
  }
  const NodeHandCombos rows = session_->node_hand_combos(facing_bet);
  ASSERT_TRUE(rows.ok);
  ASSERT_FALSE(rows.rows.empty());
  for (const auto& r : rows.rows) EXPECT_NEAR(r.action_evs.at(0), 0.0, 1e-3) << r.card1 << r.card2;
}

TEST_F(SolvedRiver, ComboRowsFollowTheStrategyAndSortByEv) {
  const NodeHandCombos c = session_->node_hand_combos(0);
  ASSERT_TRUE(c.ok);
  ASSERT_EQ(c.rows.size(), ctx().hand_count(0));
  std::set<std::string> seen;
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    const HandComboRow& r = c.rows[i];
    if (i > 0) {
      EXPECT_GE(c.rows[i - 1].ev, r.ev);
    }
    EXPECT_TRUE(seen.insert(combo_key(r.card1, r.card2)).second);
    EXPECT_EQ(r.weight, 1.0) << "reach is 1 at the root";
    ASSERT_EQ(r.action_probabilities.size(), 3u);
    ASSERT_EQ(r.action_evs.size(), 3u);
    EXPECT_NEAR(std::accumulate(r.action_probabilities.begin(), r.action_probabilities.end(), 0.0), 1.0, 1e-5);
    // The node value is the strategy's mix of the action values.
    double mix = 0;
    for (std::size_t a = 0; a < 3; ++a) mix += r.action_probabilities[a] * r.action_evs[a];
    EXPECT_NEAR(r.ev, mix, 1e-3 * (1 + std::abs(r.ev)));
    EXPECT_FALSE(r.tags.empty());
    EXPECT_TRUE(std::is_sorted(r.tags.begin(), r.tags.end()));
  }
}

TEST_F(SolvedRiver, CheckBackValueIsThePotTimesShowdownEquityAgainstTheCheckingRange) {
  // OOP's checking probabilities per combo, from the root's rows.
  std::map<Pocket, double> check_prob;
  for (const auto& r : session_->node_hand_combos(0).rows) {
    check_prob[velmora::make_pocket(velmora::parse_card(r.card1), velmora::parse_card(r.card2))] =
        r.action_probabilities[0];
  }
  const std::uint64_t ip_node = child(0, 0);
  ASSERT_EQ(node(ip_node).seat, 1);
  ASSERT_EQ(node(ip_node).actions.at(0).kind, velmora::kActCheck);
  const NodeHandCombos c = session_->node_hand_combos(ip_node);
  ASSERT_TRUE(c.ok);
  const std::vector<Card> board = ctx().board_cards();
  const double pot = node(ip_node).pot;
  int checked = 0;
  for (const auto& r : c.rows) {
    const Pocket hero = velmora::make_pocket(velmora::parse_card(r.card1), velmora::parse_card(r.card2));
    double total = 0, score = 0;
    const auto hs = velmora::evaluate_hand(hero, board);
    for (const auto& [opp, p] : check_prob) {
      if ((velmora::pocket_mask(opp) & velmora::pocket_mask(hero)) != 0 || !(p > 0)) continue;
      const auto os = velmora::evaluate_hand(opp, board);
      total += p;
      score += hs > os ? p : (hs == os ? 0.5 * p : 0.0);
    }
    if (total <= 0) continue;
    EXPECT_NEAR(r.action_evs[0], pot * score / total, 1e-3 * pot) << r.card1 << r.card2;
    EXPECT_EQ(r.weight, 1.0) << "IP has not acted yet";
    ++checked;
  }
  EXPECT_GT(checked, 10);
}

TEST_F(SolvedRiver, RowWeightsCarryTheOwnReachAlongThePath) {
  std::map<std::string, double> check_prob;
  for (const auto& r : session_->node_hand_combos(0).rows) check_prob[combo_key(r.card1, r.card2)] = r.action_probabilities[0];
  const std::uint64_t ip_node = child(0, 0);
  const std::uint64_t oop_again = child(ip_node, 1);  // check, bet: OOP acts again
  ASSERT_EQ(node(oop_again).seat, 0);
  const NodeHandCombos c = session_->node_hand_combos(oop_again);
  ASSERT_TRUE(c.ok);
  const auto checking = std::count_if(check_prob.begin(), check_prob.end(), [](const auto& e) { return e.second > 0; });
  ASSERT_EQ(c.rows.size(), static_cast<std::size_t>(checking)) << "a hand that never checks has no row";
  for (const auto& r : c.rows) {
    EXPECT_NEAR(r.weight, check_prob.at(combo_key(r.card1, r.card2)), 1e-6);
  }
}

TEST_F(SolvedRiver, PocketEvsMatchTheComboRowsInEitherCardOrder) {
  for (const std::uint64_t n : {std::uint64_t{0}, child(0, 1)}) {
    const int seat = node(n).seat;
    const NodeHandCombos c = session_->node_hand_combos(n);
    ASSERT_TRUE(c.ok);
    for (std::size_t i = 0; i < c.rows.size(); i += 7) {
      const HandComboRow& r = c.rows[i];
      const PocketActionEvs a = session_->node_pocket_action_evs(n, seat, r.card1, r.card2);
      const PocketActionEvs b = session_->node_pocket_action_evs(n, seat, r.card2 + "x", r.card1);
      ASSERT_TRUE(a.ok);
      ASSERT_TRUE(b.ok);
      EXPECT_EQ(a.action_evs, b.action_evs);
      ASSERT_EQ(a.action_evs.size(), r.action_evs.size());
      for (std::size_t k = 0; k < r.action_evs.size(); ++k) {
        EXPECT_NEAR(a.action_evs[k], r.action_evs[k], 1e-3 * (1 + std::abs(r.action_evs[k])));
      }
    }
  }
  EXPECT_FALSE(session_->node_pocket_action_evs(0, 0, "Ac", "Ac").ok) << "same card twice";
  EXPECT_FALSE(session_->node_pocket_action_evs(0, 0, "9c", "4d").ok) << "not in the range";
  EXPECT_FALSE(session_->node_pocket_action_evs(0, 0, "A", "Kd").ok);
  EXPECT_THROW(session_->node_pocket_action_evs(0, 0, "Zc", "Kd"), std::invalid_argument);
}

TEST_F(SolvedRiver, BucketsListOnlyHeldBucketsInFixedOrder) {
  const NodeHandBuckets b = session_->node_hand_buckets(0);
  ASSERT_TRUE(b.ok);
  ASSERT_FALSE(b.rows.empty());
  int last = -1;
  std::map<std::string, double> combos;
  for (const auto& r : b.rows) {
    const int index = hand_bucket_index(r.name);
    ASSERT_GE(index, 0) << r.name;
    EXPECT_GT(index, last);
    last = index;
    EXPECT_GT(r.combos, 0.0);
    ASSERT_EQ(r.action_probabilities.size(), 3u);
    EXPECT_NEAR(std::accumulate(r.action_probabilities.begin(), r.action_probabilities.end(), 0.0), 1.0, 1e-5);
    combos[r.name] = r.combos;
  }
  // AhKsQd7c2h: AA, KK, QQ, 77 and 22 are sets, three combos each.
  EXPECT_DOUBLE_EQ(combos["set"], 15.0);
  // JTs makes Broadway; T9s and 65s hold nothing.
  EXPECT_DOUBLE_EQ(combos["straight"], 4.0);
  EXPECT_EQ(combos.count("flush draw"), 0u) << "no draws on the river";
}

TEST_F(SolvedRiver, ClassStrategyCoversTheGridAndPicksTheDominantAction) {
  const NodeHandStrategy hs = session_->node_hand_strategy(0);
  ASSERT_TRUE(hs.ok);
  ASSERT_EQ(hs.class_names.size(), 169u);
  EXPECT_EQ(hs.class_names.front(), "AA");
  EXPECT_EQ(hs.class_names.back(), "22");
  ASSERT_EQ(hs.class_weights.size(), 169u);
  ASSERT_EQ(hs.dominant_keys.size(), 169u);
  ASSERT_EQ(hs.action_labels, (std::vector<std::string>{"Check", "Bet 50%", "All-In"}));
  ASSERT_EQ(hs.probabilities.size(), 169u * 3u);
  const std::set<std::string> held{"AA", "KK", "QQ", "77", "22", "AKs", "AKo", "AQs", "AQo", "KQs", "KQo", "JTs",
                                   "T9s", "65s"};
  const std::vector<std::string> keys{"check", "bet 50%", "allin"};
  for (int c = 0; c < 169; ++c) {
    const std::string& name = hs.class_names[c];
    if (!held.count(name)) {
      EXPECT_EQ(hs.class_weights[c], 0.0f) << name;
      EXPECT_EQ(hs.dominant_keys[c], "") << name;
      for (int a = 0; a < 3; ++a) EXPECT_EQ(hs.probabilities[c * 3 + a], 0.0f);
      continue;
    }
    EXPECT_GT(hs.class_weights[c], 0.0f) << name;
    const float* p = &hs.probabilities[c * 3];
    EXPECT_NEAR(p[0] + p[1] + p[2], 1.0, 1e-5) << name;
    const int best = static_cast<int>(std::max_element(p, p + 3) - p);
    EXPECT_EQ(hs.dominant_keys[c], keys[best]) << name;
  }
}

TEST_F(SolvedRiver, RiverEquityOfTheBettingRangeIsExact) {
  const NodeActionStats st = session_->node_action_stats(0);
  ASSERT_TRUE(st.ok);
  ASSERT_GT(st.combos[1], 0.0);
  // Hands weighted by how often they bet, against IP's whole range.
  const std::vector<float> strategy = solver_->average_hand_strategy(0);
  const std::size_t H = ctx().hand_count(0);
  const std::vector<Card> board = ctx().board_cards();
  double total = 0, score = 0;
  for (std::size_t h = 0; h < H; ++h) {
    const double x = ctx().weights(0)[h] * strategy[H + h];
    const auto hs = velmora::evaluate_hand(ctx().pockets(0)[h], board);
    for (std::size_t o = 0; o < ctx().hand_count(1); ++o) {
      const Pocket villain = ctx().pockets(1)[o];
      if (!(x > 0) || (velmora::pocket_mask(villain) & velmora::pocket_mask(ctx().pockets(0)[h]))) continue;
      const auto os = velmora::evaluate_hand(villain, board);
      const double xy = x * ctx().weights(1)[o];
      total += xy;
      score += hs > os ? xy : (hs == os ? 0.5 * xy : 0.0);
    }
  }
  EXPECT_NEAR(st.equities[1], score / total, 1e-9);
}

TEST_F(SolvedRiver, QueriesOnHeldCopiesSurviveANewSolveAndConcurrentReplacement) {
  SolveSession other;
  testing::run_to_end(other, testing::river_config());
  auto [g, s] = other.stored_result();
  ASSERT_TRUE(g && s);
  const NodeActionStats before = node_action_stats(*g, *s, 0);

  // A reader on another thread keeps asking while the owner solves twice;
  // each answer is either empty or a whole record.
  std::mutex mutex;
  std::condition_variable answered;
  bool stop = false;
  int whole = 0;
  std::thread reader([&] {
    for (;;) {
      {
        std::lock_guard<std::mutex> lock(mutex);
        if (stop) return;
      }
      const NodeHandStrategy hs = other.node_hand_strategy(0);
      if (hs.ok) {
        EXPECT_EQ(hs.class_names.size(), 169u);
        EXPECT_EQ(hs.probabilities.size(), 169u * hs.action_labels.size());
        std::lock_guard<std::mutex> lock(mutex);
        ++whole;
        answered.notify_all();
      } else {
        EXPECT_TRUE(hs.class_names.empty());
      }
    }
  });
  for (int i = 0; i < 2; ++i) {
    SolveConfig c = testing::river_config();
    c.max_iterations = 120;
    const auto reports = testing::run_to_end(other, c);
    EXPECT_FALSE(reports.empty());
    if (reports.empty()) break;  // the reader still has to be stopped
    EXPECT_EQ(reports.back().text, "Done");
    // The second whole answer from now was asked for after the run ended:
    // the reader has read this run's result (however late it is scheduled).
    std::unique_lock<std::mutex> lock(mutex);
    const int seen = whole;
    EXPECT_TRUE(answered.wait_for(lock, std::chrono::seconds(60), [&] { return whole >= seen + 2; }));
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    stop = true;
  }
  reader.join();

  other.clear_result();
  // The old pair outlived the session's own references.
  const NodeActionStats after = node_action_stats(*g, *s, 0);
  ASSERT_TRUE(after.ok);
  EXPECT_EQ(after.combos, before.combos);
  EXPECT_EQ(after.evs, before.evs);
  EXPECT_FALSE(describe_node(*g, *s, 0).empty());
}

// Locks every OOP class at the root to checking: the bets are never taken.
TEST(NodeQueriesLocked, ActionThatNoHandTakesHasNoCombosEvOrEquity) {
  SolveConfig c = testing::river_config();
  for (const char* cls : {"AA", "KK", "QQ", "77", "22", "AKs", "AKo", "AQs", "AQo", "KQs", "KQo", "JTs", "T9s", "65s"}) {
    c.node_locks.push_back(NodeLock{0, cls, 0, 1.0f});
  }
  SolveSession s;
  const auto reports = testing::run_to_end(s, c);
  ASSERT_FALSE(reports.empty());
  ASSERT_EQ(reports.back().text, "Done");
  EXPECT_EQ(reports.back().result->root_action_frequencies, (std::vector<float>{1.0f, 0.0f, 0.0f}));
  const NodeActionStats st = s.node_action_stats(0);
  ASSERT_TRUE(st.ok);
  EXPECT_GT(st.combos[0], 0.0);
  for (std::size_t a = 1; a < 3; ++a) {
    EXPECT_EQ(st.combos[a], 0.0);
    EXPECT_TRUE(std::isnan(st.evs[a])) << st.evs[a];
    EXPECT_TRUE(std::isnan(st.equities[a]));
  }
  const NodeHandBuckets b = s.node_hand_buckets(0);
  ASSERT_TRUE(b.ok);
  for (const auto& row : b.rows) EXPECT_EQ(row.action_probabilities, (std::vector<float>{1.0f, 0.0f, 0.0f}));
}

TEST(NodeQueriesLocked, PartialLockSpreadsTheRestOverTheOtherActions) {
  SolveConfig c = testing::river_config();
  c.node_locks.push_back(NodeLock{0, "AA", 2, 0.2f});
  c.node_locks.push_back(NodeLock{0, "AA", 1, 0.7f});  // the later lock wins
  c.node_locks.push_back(NodeLock{0, "KK", 3, 1.0f});  // no such action: dropped
  c.node_locks.push_back(NodeLock{0, "93o", 0, 1.0f});  // not in the range: dropped
  c.node_locks.push_back(NodeLock{-1, "QQ", 0, 1.0f});
  c.node_locks.push_back(NodeLock{1 << 30, "QQ", 0, 1.0f});
  c.node_locks.push_back(NodeLock{0, "77", 0, NAN});  // not a probability: dropped
  c.node_locks.push_back(NodeLock{0, "22", 0, 3.0f});  // clamped to 1
  SolveSession s;
  const auto reports = testing::run_to_end(s, c);
  ASSERT_FALSE(reports.empty());
  ASSERT_EQ(reports.back().text, "Done");
  auto [game, solver] = s.stored_result();
  const velmora::LockVector* lock = game->find_node_lock(0);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(game->node_locks().size(), 1u);
  const auto& pockets = game->card_context().pockets(0);
  const std::size_t H = pockets.size();
  ASSERT_EQ(lock->size(), 3 * H);
  for (std::size_t h = 0; h < H; ++h) {
    const std::string cls = hand_class_label(pockets[h]);
    const float p0 = (*lock)[h], p1 = (*lock)[H + h], p2 = (*lock)[2 * H + h];
    if (cls == "AA") {
      EXPECT_FLOAT_EQ(p0, 0.15f);
      EXPECT_FLOAT_EQ(p1, 0.7f);
      EXPECT_FLOAT_EQ(p2, 0.15f);
    } else if (cls == "22") {
      EXPECT_EQ(p0, 1.0f);
      EXPECT_EQ(p1, 0.0f);
      EXPECT_FALSE(std::signbit(p1)) << "a locked zero";
    } else {
      EXPECT_TRUE(std::signbit(p0) && std::signbit(p1) && std::signbit(p2)) << cls << " is not locked";
    }
  }
  const NodeHandStrategy hs = s.node_hand_strategy(0);
  ASSERT_TRUE(hs.ok);
  const int aa = hand_class_index("AA");
  EXPECT_NEAR(hs.probabilities[aa * 3 + 0], 0.15, 1e-4);
  EXPECT_NEAR(hs.probabilities[aa * 3 + 1], 0.7, 1e-4);
  EXPECT_NEAR(hs.probabilities[aa * 3 + 2], 0.15, 1e-4);
}

// One pocket against a narrow range: on some lines the opponent keeps little
// more than the hands the pocket blocks. A pocket's own EVs have a figure
// exactly where its Hand Details row has one, and the same figure.
TEST(NodeQueriesTurn, PocketEvsHaveNoFigureWhereTheComboRowHasNone) {
  SolveConfig c = testing::turn_config();
  c.board = "Kd7c2h5s";
  c.max_iterations = 300;
  c.oop_turn = c.oop_river = c.ip_turn = c.ip_river = testing::sizing("33,75", "60", true);
  c.oop_range = "AhAs";
  c.ip_range = "AA,KK";
  SolveSession s;
  ASSERT_EQ(testing::run_to_end(s, c).back().text, "Done");
  const auto g = s.stored_result().first;
  std::size_t without = 0;
  for (std::uint64_t n = 0; n < g->nodes().size(); ++n) {
    for (const HandComboRow& r : s.node_hand_combos(n).rows) {
      const PocketActionEvs p = s.node_pocket_action_evs(n, g->nodes()[n].seat, r.card1, r.card2);
      ASSERT_TRUE(p.ok && p.action_evs.size() == r.action_evs.size());
      for (std::size_t a = 0; a < r.action_evs.size(); ++a) {
        const double want = r.action_evs[a], got = p.action_evs[a];
        without += std::isnan(want);
        ASSERT_TRUE(std::isnan(want) ? std::isnan(got) : std::abs(got - want) <= 1e-3 * (1 + std::abs(want)))
            << "node " << n << " " << r.card1 << r.card2 << " action " << a << ": " << got << " for " << want;
      }
    }
  }
  EXPECT_GT(without, 0u) << "the spot has hands without an EV";
}

TEST(NodeQueriesTurn, ChanceNodesFailAndSampledEquitiesRepeat) {
  SolveSession s;
  const auto reports = testing::run_to_end(s, testing::turn_config());
  ASSERT_FALSE(reports.empty());
  ASSERT_EQ(reports.back().text, "Done");
  auto [g, solver] = s.stored_result();
  const auto& nodes = g->nodes();
  std::uint64_t chance = 0;
  while (chance < nodes.size() && nodes[chance].type != velmora::kNodeChance) ++chance;
  ASSERT_LT(chance, nodes.size());
  expect_all_failed(s, chance, false);
  EXPECT_TRUE(s.node_seat_hand_combos(chance, false).ok);

  // The river decision after a deal: its board has five cards and the dealt
  // card is dead for both seats.
  const std::uint64_t river_node = nodes[chance].children.at(0);
  const Card river = nodes[river_node].river;
  ASSERT_NE(river, velmora::kNoCard);
  const NodeHandCombos live = s.node_seat_hand_combos(river_node, true);
  ASSERT_TRUE(live.ok);
  for (const auto& r : live.rows) {
    EXPECT_NE(velmora::parse_card(r.card1), river);
    EXPECT_NE(velmora::parse_card(r.card2), river);
  }
  const NodeActionStats river_stats = s.node_action_stats(river_node);
  EXPECT_TRUE(river_stats.ok);
  // Hand Details lists no combo holding a card of the board or the deal.
  for (const std::uint64_t dealt : nodes[chance].children) {
    const std::uint64_t dead = g->card_context().board_mask() | velmora::card_bit(nodes[dealt].river);
    for (const auto& r : s.node_hand_combos(dealt).rows) {
      const Pocket p = velmora::make_pocket(velmora::parse_card(r.card1), velmora::parse_card(r.card2));
      EXPECT_EQ(velmora::pocket_mask(p) & dead, 0u) << r.card1 << r.card2;
    }
  }

  const NodeActionStats a = s.node_action_stats(0);
  const NodeActionStats b = s.node_action_stats(0);
  ASSERT_TRUE(a.ok && b.ok);
  for (std::size_t k = 0; k < a.equities.size(); ++k) {
    if (std::isnan(a.equities[k])) {
      EXPECT_TRUE(std::isnan(b.equities[k]));
      continue;
    }
    EXPECT_EQ(a.equities[k], b.equities[k]) << "the seed is fixed per node";
    EXPECT_GE(a.equities[k], 0.0);
    EXPECT_LE(a.equities[k], 1.0);
  }
  const NodeHandBuckets buckets = s.node_hand_buckets(0);
  ASSERT_TRUE(buckets.ok);
  for (const auto& r : buckets.rows) EXPECT_GT(r.combos, 0.0);
}

}  // namespace
}  // namespace velmora_app
