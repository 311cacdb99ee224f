// Discounted CFR solve loop: known equilibria, convergence, the discount
// schedule, measurement points, cancel, node locks, 16-bit storage and
// determinism across thread counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "core/discounted_cfr.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::make_game;
using testing::solver_config;
using testing::Spot;

// A polarised river: OOP holds the nuts (AA) or a bluff catcher that loses
// to everything (QQ) against IP's KK; one all-in size for both.
Spot toy_river() {
  return Spot{
      .board = "2s2d2h3c3d",
      .oop_range = "AA,QQ",
      .ip_range = "KK",
      .pot = 100,
      .stack = 100,
  };
}

Spot small_river() {
  return Spot{
      .board = "Qs8s3dTh2c",
      .oop_range = "AA,KK,QQ,JJ,TT,99,88,AKs,AQs,AJs,KQs,QJs,JTs,T9s,98s,87s,76s,AKo,AQo",
      .ip_range = "QQ-22,AQs-ATs,KQs,KJs,QJs,JTs,T9s,98s,AQo,AJo,KQo",
      .pot = 100,
      .stack = 300,
      .bets = "50%",
      .raises = "a",
      .add_all_in = true,
  };
}

// A turn spot without all-ins; both ranges hold well over 128 combos, so the
// river deals of the training pass run in parallel.
Spot small_turn() {
  return Spot{
      .board = "Qs8s3dTh",
      .oop_range = "22+,ATs+,KTs+,QTs+,JTs,T9s,98s,87s,AJo+,KQo",
      .ip_range = "22+,A9s+,KTs+,QTs+,J9s+,T9s,98s,87s,76s,ATo+,KJo+,QJo",
      .pot = 100,
      .stack = 1000,
      .bets = "50%",
      .raises = "",
  };
}

// A flop spot whose turn deals open parallel regions (OOP holds over 128
// combos); each turn card leads to three river deals, which busy threads
// share with threads that ran out of turn cards.
Spot small_flop() {
  Spot s = small_turn();
  s.board = "Qs8s3d";
  s.oop_range = "22+,ATs+,KTs+,QTs+,JTs,T9s,AJo+";
  s.ip_range = "JJ-22,AQs,KQs,QJs,JTs";
  return s;
}

std::uint32_t bits(float x) {
  std::uint32_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

enum class Matrices { kRegrets, kStrategySums, kBoth };

// Expects every node's chosen matrices to be the same bit for bit in two
// solvers of one game; returns how many non-empty matrices were compared.
std::size_t expect_same_matrices(std::size_t nodes, const DiscountedCfr& a, const DiscountedCfr& b, Matrices which) {
  std::size_t compared = 0;
  for (std::size_t node = 0; node < nodes; ++node) {
    for (const bool sums : {false, true}) {
      if (which == (sums ? Matrices::kRegrets : Matrices::kStrategySums)) continue;
      const auto x = sums ? a.node_strategy_sums(node) : a.node_regrets(node);
      const auto y = sums ? b.node_strategy_sums(node) : b.node_regrets(node);
      // An uninitialised node's matrices are empty vectors without storage.
      const auto same = [](float p, float q) { return bits(p) == bits(q); };
      if (!std::equal(x.begin(), x.end(), y.begin(), y.end(), same)) {
        ADD_FAILURE() << "node " << node << (sums ? " strategy sums" : " regrets") << " differ";
        return compared;
      }
      if (!x.empty()) ++compared;
    }
  }
  return compared;
}

struct Trace {
  std::vector<std::uint32_t> iterations;
  std::vector<float> exploitability;
};

Trace solve_traced(Game& game, SolverConfig cfg, std::unique_ptr<DiscountedCfr>* out = nullptr) {
  Trace t;
  cfg.on_progress = [&t](std::uint32_t it, float e, double ms) {
    EXPECT_GE(ms, 0.0);
    t.iterations.push_back(it);
    t.exploitability.push_back(e);
  };
  auto cfr = std::make_unique<DiscountedCfr>(cfg);
  cfr->solve(game);
  if (out) *out = std::move(cfr);
  return t;
}

// ---------------------------------------------------------------------------

TEST(DiscountedCfrTest, ToyRiverReachesKnownValues) {
  // Pot-sized all-in: OOP bets AA always and QQ half the time, IP calls half
  // the time; OOP wins 75 of the 100 chip pot on average.
  auto game = make_game(toy_river());
  DiscountedCfr cfr(solver_config(3000, 1, 100, 0.005f));
  cfr.solve(*game);
  const auto ev = cfr.expected_values(*game);
  EXPECT_NEAR(ev[0], 75.0, 0.05);
  EXPECT_NEAR(ev[1], 25.0, 0.05);
  EXPECT_LE(cfr.last_exploitability(), 0.05f);

  // 5% rake capped at 3 is paid at every terminal of this tree: the bluff
  // and call frequencies shift and the two values sum to 97.
  Spot raked = toy_river();
  raked.rake_rate = 0.05;
  raked.rake_cap = 3.0;
  auto game2 = make_game(raked);
  DiscountedCfr cfr2(solver_config(3000, 1, 100, 0.005f));
  cfr2.solve(*game2);
  const auto ev2 = cfr2.expected_values(*game2);
  EXPECT_NEAR(ev2[0], 73.119, 0.05);
  EXPECT_NEAR(ev2[1], 23.881, 0.05);

  // Root strategy: QQ bluffs 100/197 of the time with rake, AA always bets.
  const auto root = cfr2.average_hand_strategy(0);
  const auto& pockets = game2->card_context().pockets(0);
  ASSERT_EQ(root.size(), 2 * pockets.size());
  const std::size_t H = pockets.size();
  for (std::size_t h = 0; h < H; ++h) {
    const bool aces = card_rank(pocket_lo(pockets[h])) == 12;
    EXPECT_NEAR(root[H + h], aces ? 1.0 : 100.0 / 197.0, 0.02) << h;
  }
}

TEST(DiscountedCfrTest, ExploitabilityFallsBelowTargetOnRiverAndTurn) {
  for (const Spot& spot : {small_river(), small_turn()}) {
    auto game = make_game(spot);
    const float target = 0.001f * static_cast<float>(spot.pot);
    const Trace t = solve_traced(*game, solver_config(3000, 4, 10, target));
    ASSERT_FALSE(t.iterations.empty());
    for (std::size_t i = 0; i < t.iterations.size(); ++i) {
      EXPECT_EQ(t.iterations[i], i + 1);
      EXPECT_GE(t.exploitability[i], -1e-4f) << spot.board << " iteration " << i + 1;
    }
    // Stopped at a measurement that met the target, before the budget.
    EXPECT_LE(t.exploitability.back(), target) << spot.board;
    EXPECT_EQ(t.iterations.back() % 10, 0u);
    EXPECT_LT(t.iterations.back(), 3000u);
    // Measurements improve overall: the first one is well above the last.
    EXPECT_GT(t.exploitability[9], 4 * t.exploitability.back()) << spot.board;
  }
}

TEST(DiscountedCfrTest, DiscountSchedule) {
  auto game = make_game(toy_river());
  SolverConfig cfg = solver_config(70, 1, 0);
  std::vector<float> alpha, gamma;
  DiscountedCfr* solver = nullptr;
  cfg.on_progress = [&](std::uint32_t, float, double) {
    alpha.push_back(solver->alpha());
    gamma.push_back(solver->gamma());
    EXPECT_EQ(solver->beta(), 0.5f);
  };
  DiscountedCfr cfr(cfg);
  solver = &cfr;
  EXPECT_EQ(cfr.alpha(), 0.0f);
  EXPECT_EQ(cfr.beta(), 0.5f);
  cfr.solve(*game);
  ASSERT_EQ(alpha.size(), 70u);
  // Iteration i is at index i - 1.
  EXPECT_EQ(alpha[0], 0.0f);
  EXPECT_EQ(alpha[1], 0.0f);
  EXPECT_EQ(alpha[2], 0.5f);
  for (std::size_t i = 3; i < alpha.size(); ++i) {
    const double x = static_cast<double>(i) - 1.0;  // t - 1 with t = i
    EXPECT_FLOAT_EQ(alpha[i], static_cast<float>(x * std::sqrt(x) / (x * std::sqrt(x) + 1.0)));
    EXPECT_GT(alpha[i], alpha[i - 1]);
  }
  for (std::size_t iteration : {1u, 2u, 5u, 17u, 65u}) EXPECT_EQ(gamma[iteration - 1], 0.0f) << iteration;
  EXPECT_EQ(gamma[2], 0.125f);
  EXPECT_EQ(gamma[3], static_cast<float>(8.0 / 27.0));
  // Between restarts gamma grows towards 1: t = 16 + d gives (d / (d + 1))^3.
  for (std::size_t d = 1; d < 48; ++d) {
    EXPECT_FLOAT_EQ(gamma[16 + d], static_cast<float>(std::pow(d / (d + 1.0), 3.0))) << d;
  }
}

TEST(DiscountedCfrTest, MeasurementPointsAndBudgetEdges) {
  auto game = make_game(small_river());
  {
    // Budget 0: nothing runs.
    const Trace t = solve_traced(*game, solver_config(0, 1, 50, 1000.0f));
    EXPECT_TRUE(t.iterations.empty());
  }
  {
    // Interval 0 and a target every measurement meets: every iteration runs
    // and the only measurement is after the last.
    std::unique_ptr<DiscountedCfr> cfr;
    const Trace t = solve_traced(*game, solver_config(30, 1, 0, 1000.0f), &cfr);
    ASSERT_EQ(t.iterations.size(), 30u);
    for (std::size_t i = 0; i + 1 < 30; ++i) EXPECT_EQ(t.exploitability[i], 0.0f);
    EXPECT_GT(t.exploitability[29], 0.0f);
    EXPECT_EQ(cfr->iterations_done(), 30u);
    EXPECT_EQ(cfr->last_exploitability(), t.exploitability[29]);
  }
  {
    // Interval 50, budget 120: measured at 50, 100 and 120; each value is
    // repeated until the next measurement and equals that of a run ending
    // at the same iteration.
    const Trace t = solve_traced(*game, solver_config(120, 1, 50));
    ASSERT_EQ(t.iterations.size(), 120u);
    for (std::size_t i = 0; i < 49; ++i) EXPECT_EQ(t.exploitability[i], 0.0f);
    for (std::size_t i = 50; i < 99; ++i) EXPECT_EQ(bits(t.exploitability[i]), bits(t.exploitability[49]));
    for (std::size_t i = 100; i < 119; ++i) EXPECT_EQ(bits(t.exploitability[i]), bits(t.exploitability[99]));
    for (std::uint32_t end : {50u, 100u, 120u}) {
      std::unique_ptr<DiscountedCfr> cfr;
      solve_traced(*game, solver_config(end, 1, 0), &cfr);
      EXPECT_EQ(bits(cfr->last_exploitability()), bits(t.exploitability[end - 1])) << end;
    }
    EXPECT_NE(t.exploitability[49], t.exploitability[99]);
  }
}

TEST(DiscountedCfrTest, CancelStopsBeforeTheNextIteration) {
  auto game = make_game(small_turn());
  SolverConfig cfg = solver_config(500, 4, 50);
  std::vector<std::uint32_t> seen;
  int asked = 0;
  cfg.on_progress = [&](std::uint32_t it, float, double) { seen.push_back(it); };
  cfg.should_cancel = [&] {
    ++asked;
    return seen.size() >= 6;
  };
  DiscountedCfr cfr(cfg);
  cfr.solve(*game);
  EXPECT_EQ(cfr.iterations_done(), 6u);
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(asked, 7);
  EXPECT_EQ(cfr.last_exploitability(), 0.0f);

  // Cancelled before the first iteration: nothing runs.
  SolverConfig now = solver_config(10, 1, 1);
  now.should_cancel = [] { return true; };
  DiscountedCfr cancelled(now);
  cancelled.solve(*game);
  EXPECT_EQ(cancelled.iterations_done(), 0u);
}

TEST(DiscountedCfrTest, ACancelInsideAnIterationLeavesTheLastWholeIteration) {
  // The flag is set from another thread half an iteration after the third
  // one ended, so it lands inside an iteration (or its exploitability
  // check), with part of the matrices rewritten: a river walk, the split
  // traversal of a turn and a flop with helpers, with and without checks.
  struct Case {
    const char* label;
    Spot spot;
    std::uint64_t threads;
    std::uint32_t interval;
  };
  const Case cases[] = {
      {"river, 1 thread", small_river(), 1, 0},  {"turn, 4 threads", small_turn(), 4, 0},
      {"turn, checked", small_turn(), 4, 1},     {"flop, 4 threads", small_flop(), 4, 0},
      {"flop, 1 thread, checked", small_flop(), 1, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.label);
    auto game = make_game(k.spot);
    CancelFlag flag{false};
    std::thread canceller;
    std::uint32_t progress_calls = 0;
    SolverConfig cfg = solver_config(100000, k.threads, k.interval);
    cfg.cancel = &flag;
    cfg.on_progress = [&](std::uint32_t it, float, double ms) {
      ++progress_calls;
      if (it != 3) return;
      canceller = std::thread([&flag, ms] {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms / 2));
        flag.store(true);
      });
    };
    DiscountedCfr cut(cfg);
    cut.solve(*game);
    canceller.join();
    const std::uint32_t whole = cut.iterations_done();
    ASSERT_GE(whole, 3u);
    ASSERT_LT(whole, 100000u);
    EXPECT_EQ(progress_calls, whole) << "a report for every whole iteration, none for the abandoned one";

    DiscountedCfr reference(solver_config(whole, k.threads, 0));
    reference.solve(*game);
    EXPECT_EQ(cut.alpha(), reference.alpha());
    EXPECT_EQ(cut.gamma(), reference.gamma());
    EXPECT_GT(expect_same_matrices(game->nodes().size(), cut, reference, Matrices::kBoth), 0u);
    EXPECT_FALSE(cut.abandoned());
    EXPECT_EQ(cut.expected_values(*game), reference.expected_values(*game));
  }
}

TEST(DiscountedCfrTest, AbandonedIterationIsRecomputedOnceAndForgottenByTheNextSolve) {
  auto game = make_game(small_turn());
  CancelFlag flag{false};
  SolverConfig cfg = solver_config(50, 2, 0);
  cfg.cancel = &flag;
  bool once = true;
  cfg.on_progress = [&flag, &once](std::uint32_t it, float, double) {
    if (it == 2 && once) flag.store(true);  // seen by the first stop of iteration 3
    once = once && it != 2;
  };
  DiscountedCfr cfr(cfg);
  cfr.solve(*game);
  EXPECT_EQ(cfr.iterations_done(), 2u);
  EXPECT_TRUE(cfr.abandoned());
  const std::vector<float> first = cfr.average_strategy(0);
  EXPECT_FALSE(cfr.abandoned());
  EXPECT_EQ(cfr.average_strategy(0), first);

  // A new solve starts afresh; with the flag down it runs to the end.
  flag.store(false);
  cfr.solve(*game);
  EXPECT_EQ(cfr.iterations_done(), 50u);
  EXPECT_FALSE(cfr.abandoned());
}

TEST(DiscountedCfrTest, NodeLockIsRespectedAndKeepsLockedRegrets) {
  auto game = make_game(small_river());
  const GameNode& root = game->nodes()[0];
  ASSERT_EQ(root.type, kNodeDecision);
  const std::size_t A = root.actions.size();
  ASSERT_GE(A, 3u);
  const auto& pockets = game->card_context().pockets(root.seat);
  const std::size_t H = pockets.size();

  // Lock the pocket jacks and the suited ace-kings: 0.7 on action 1, the
  // rest shared equally; every other hand is left to the solver.
  LockVector lock(A * H, -1.0f);
  std::vector<bool> locked(H, false);
  for (std::size_t h = 0; h < H; ++h) {
    const Card lo = pocket_lo(pockets[h]);
    const Card hi = pocket_hi(pockets[h]);
    const bool jacks = card_rank(lo) == 9 && card_rank(hi) == 9;
    const bool ak_suited = card_rank(lo) == 11 && card_rank(hi) == 12 && card_suit(lo) == card_suit(hi);
    if (!jacks && !ak_suited) continue;
    locked[h] = true;
    for (std::size_t a = 0; a < A; ++a) lock[a * H + h] = a == 1 ? 0.7f : 0.3f / static_cast<float>(A - 1);
  }
  game->set_node_lock(0, std::move(lock));
  const LockVector& stored = *game->find_node_lock(0);

  DiscountedCfr cfr(solver_config(400, 1, 0));
  cfr.solve(*game);
  const auto strategy = cfr.average_hand_strategy(0);
  ASSERT_EQ(strategy.size(), A * H);
  bool free_hand_differs = false;
  for (std::size_t h = 0; h < H; ++h) {
    if (!locked[h]) {
      free_hand_differs = free_hand_differs || std::fabs(strategy[H + h] - 0.7f) > 0.05f;
      continue;
    }
    for (std::size_t a = 0; a < A; ++a) EXPECT_NEAR(strategy[a * H + h], stored[a * H + h], 1e-6) << h << " " << a;
  }
  EXPECT_TRUE(free_hand_differs);
  // Locked entries keep their regrets; the free hands of the same node learn.
  const auto regrets = cfr.node_regrets(0);
  ASSERT_EQ(regrets.size(), A * H);
  bool free_learned = false;
  for (std::size_t i = 0; i < A * H; ++i) {
    if (locked[i % H]) {
      EXPECT_EQ(regrets[i], 0.0f) << i;
    } else {
      free_learned = free_learned || regrets[i] != 0.0f;
    }
  }
  EXPECT_TRUE(free_learned);
  // A node below the root still learns.
  bool learned = false;
  for (std::size_t i = 1; i < game->nodes().size() && !learned; ++i) {
    for (float r : cfr.node_regrets(i)) learned = learned || r != 0.0f;
  }
  EXPECT_TRUE(learned);
}

// Every combo of the hand class `ranks` (two rank indices, 12 is an ace) at
// the root, locked to `rows(h)` and left free elsewhere.
template <typename Rows>
LockVector lock_class_at_root(const Game& game, int hi_rank, int lo_rank, Rows rows) {
  const std::size_t A = game.nodes()[0].actions.size();
  const auto& pockets = game.card_context().pockets(game.nodes()[0].seat);
  const std::size_t H = pockets.size();
  LockVector lock(A * H, -1.0f);
  for (std::size_t h = 0; h < H; ++h) {
    if (card_rank(pocket_hi(pockets[h])) != hi_rank || card_rank(pocket_lo(pockets[h])) != lo_rank) continue;
    for (std::size_t a = 0; a < A; ++a) lock[a * H + h] = rows(a, h);
  }
  return lock;
}

TEST(DiscountedCfrTest, LockedNodeLetsTheRestOfTheRangeAdapt) {
  {
    // Locking the aces at the root to the strategy the free solve found
    // changes nothing: the other hands of the node still reach it.
    auto game = make_game(small_river());
    DiscountedCfr free_cfr(solver_config(600, 2, 0));
    free_cfr.solve(*game);
    const auto free_ev = free_cfr.expected_values(*game);
    const float free_expl = free_cfr.last_exploitability();
    const auto found = free_cfr.average_hand_strategy(0);
    const std::size_t H = game->card_context().hand_count(game->nodes()[0].seat);
    game->set_node_lock(0, lock_class_at_root(*game, 12, 12, [&](std::size_t a, std::size_t h) {
                          return found[a * H + h];
                        }));
    DiscountedCfr locked_cfr(solver_config(600, 2, 0));
    locked_cfr.solve(*game);
    const auto locked_ev = locked_cfr.expected_values(*game);
    const float tolerance = 2.0f * free_expl + 0.05f;
    EXPECT_LT(locked_cfr.last_exploitability(), 0.005f * 100.0f);
    EXPECT_NEAR(locked_ev[0], free_ev[0], tolerance);
    EXPECT_NEAR(locked_ev[1], free_ev[1], tolerance);
  }
  {
    // The nuts locked to check: the bluff catcher stops betting (a bet is
    // only ever called now), and IP wins what the lock gives away.
    auto free_game = make_game(toy_river());
    DiscountedCfr free_cfr(solver_config(2000, 1, 0));
    free_cfr.solve(*free_game);
    const auto free_ev = free_cfr.expected_values(*free_game);

    auto game = make_game(toy_river());
    ASSERT_EQ(game->nodes()[0].actions.size(), 2u);
    ASSERT_EQ(game->nodes()[0].actions[0].kind, kActCheck);
    game->set_node_lock(0, lock_class_at_root(*game, 12, 12, [](std::size_t a, std::size_t) {
                          return a == 0 ? 1.0f : 0.0f;
                        }));
    DiscountedCfr cfr(solver_config(2000, 1, 0));
    cfr.solve(*game);
    const auto strategy = cfr.average_hand_strategy(0);
    const auto& pockets = game->card_context().pockets(0);
    const std::size_t H = pockets.size();
    for (std::size_t h = 0; h < H; ++h) {
      const bool aces = card_rank(pocket_lo(pockets[h])) == 12;
      EXPECT_NEAR(strategy[h], 1.0f, aces ? 1e-6f : 0.02f) << h;
    }
    EXPECT_LT(cfr.last_exploitability(), 0.5f);
    const auto ev = cfr.expected_values(*game);
    EXPECT_GT(ev[1], free_ev[1] + 10.0f);
    EXPECT_LT(ev[0], free_ev[0] - 10.0f);
  }
}

TEST(DiscountedCfrTest, CompressedStorageTracksFullPrecision) {
  auto game = make_game(small_turn());
  DiscountedCfr full(solver_config(200, 4, 0));
  full.solve(*game);
  const auto ev_full = full.expected_values(*game);

  SolverConfig cfg = solver_config(200, 4, 0);
  cfg.compress = true;
  DiscountedCfr compressed(cfg);
  compressed.solve(*game);
  EXPECT_TRUE(game->compress());
  EXPECT_TRUE(compressed.compressed());
  EXPECT_EQ(2 * compressed.matrix_bytes(), full.matrix_bytes());
  const auto ev_packed = compressed.expected_values(*game);

  const double pot = 100.0;
  EXPECT_NEAR(ev_packed[0], ev_full[0], 0.005 * pot);
  EXPECT_NEAR(ev_packed[1], ev_full[1], 0.005 * pot);
  EXPECT_LT(compressed.last_exploitability(), 0.005f * pot);
  EXPECT_LT(full.last_exploitability(), 0.005f * pot);
  // The 16-bit rounding is random but seeded by node and iteration: the run
  // is the same on any number of threads.
  SolverConfig one = solver_config(40, 1, 10);
  one.compress = true;
  SolverConfig four = solver_config(40, 4, 10);
  four.compress = true;
  const Trace t1 = solve_traced(*game, one);
  const Trace t4 = solve_traced(*game, four);
  ASSERT_EQ(t1.exploitability.size(), t4.exploitability.size());
  for (std::size_t i = 0; i < t1.exploitability.size(); ++i) {
    EXPECT_EQ(bits(t1.exploitability[i]), bits(t4.exploitability[i])) << i;
  }
  // Root frequencies agree to within a few percent.
  const auto f_full = full.average_strategy(0);
  const auto f_packed = compressed.average_strategy(0);
  ASSERT_EQ(f_full.size(), f_packed.size());
  for (std::size_t a = 0; a < f_full.size(); ++a) EXPECT_NEAR(f_packed[a], f_full[a], 0.03);
}

// Under ThreadSanitizer every memory access is checked and a run takes many
// times as long: the runs are shorter there, and still cross every parallel
// region of the training and of the exploitability checks.
#if defined(__SANITIZE_THREAD__)
constexpr std::uint32_t kTurnRuns = 12, kTurnChecks = 4, kFlopRuns = 2, kFlopChecks = 2;
#else
constexpr std::uint32_t kTurnRuns = 60, kTurnChecks = 10, kFlopRuns = 10, kFlopChecks = 5;
#endif

TEST(DiscountedCfrTest, SameSpotGivesTheSameRunForAnyThreadCount) {
  auto game = make_game(small_turn());
  ASSERT_GE(game->card_context().hand_count(0), 128u);
  ASSERT_GE(game->card_context().hand_count(1), 128u);
  const Trace single = solve_traced(*game, solver_config(kTurnRuns, 1, kTurnChecks));
  std::unique_ptr<DiscountedCfr> a;
  std::unique_ptr<DiscountedCfr> b;
  const Trace four_a = solve_traced(*game, solver_config(kTurnRuns, 4, kTurnChecks), &a);
  const Trace four_b = solve_traced(*game, solver_config(kTurnRuns, 4, kTurnChecks), &b);
  ASSERT_EQ(single.exploitability.size(), kTurnRuns);
  for (std::size_t i = 0; i < kTurnRuns; ++i) {
    EXPECT_EQ(bits(four_a.exploitability[i]), bits(four_b.exploitability[i])) << i;
    EXPECT_EQ(bits(four_a.exploitability[i]), bits(single.exploitability[i])) << i;
  }
  EXPECT_GT(single.exploitability[kTurnRuns - 1], 0.0f);
  expect_same_matrices(game->nodes().size(), *a, *b, Matrices::kStrategySums);

  auto flop = make_game(small_flop());
  ASSERT_GE(flop->card_context().hand_count(0), 128u);
  const Trace flop_single = solve_traced(*flop, solver_config(kFlopRuns, 1, kFlopChecks));
  for (int run = 0; run < 2; ++run) {
    const Trace flop_four = solve_traced(*flop, solver_config(kFlopRuns, 4, kFlopChecks));
    ASSERT_EQ(flop_four.exploitability.size(), kFlopRuns);
    for (std::size_t i = 0; i < kFlopRuns; ++i) {
      EXPECT_EQ(bits(flop_four.exploitability[i]), bits(flop_single.exploitability[i])) << "flop " << i;
    }
  }
  // A second solve on the same object starts again from zero regrets.
  SolverConfig again = solver_config(kTurnRuns, 4, kTurnChecks);
  std::vector<float> second;
  again.on_progress = [&](std::uint32_t, float e, double) { second.push_back(e); };
  DiscountedCfr twice(again);
  twice.solve(*game);
  second.clear();
  twice.solve(*game);
  ASSERT_EQ(second.size(), kTurnRuns);
  for (std::size_t i = 0; i < kTurnRuns; ++i) EXPECT_EQ(bits(second[i]), bits(single.exploitability[i])) << i;
}

// With node locks above the parallel river deals (the turn root) and below
// them (a river node), the traversal that values every river deal's
// children in one region still gives the single-thread run bit for bit.
TEST(DiscountedCfrTest, LocksAboveAndBelowTheRegionKeepEveryThreadCountEqual) {
  auto game = make_game(small_turn());
  const GameNode& root = game->nodes()[0];
  const std::size_t A = root.actions.size();
  const std::size_t H = game->card_context().hand_count(root.seat);
  LockVector top(A * H, -1.0f);
  for (std::size_t h = 0; h < H; h += 3) {
    for (std::size_t a = 0; a < A; ++a) top[a * H + h] = a == 0 ? 1.0f : 0.0f;
  }
  game->set_node_lock(0, std::move(top));
  std::uint64_t river = 0;
  while (river < game->nodes().size() &&
         !(game->nodes()[river].type == kNodeDecision && game->nodes()[river].river != kNoCard)) {
    ++river;
  }
  ASSERT_LT(river, game->nodes().size());
  const GameNode& r = game->nodes()[river];
  const std::size_t Hr = game->card_context().hand_count(r.seat);
  LockVector low(r.actions.size() * Hr, -1.0f);
  for (std::size_t a = 0; a < r.actions.size(); ++a) low[a * Hr] = a == 0 ? 1.0f : 0.0f;
  game->set_node_lock(river, std::move(low));

  std::unique_ptr<DiscountedCfr> one;
  std::unique_ptr<DiscountedCfr> four;
  const Trace single = solve_traced(*game, solver_config(20, 1, 5), &one);
  const Trace split = solve_traced(*game, solver_config(20, 4, 5), &four);
  ASSERT_EQ(single.exploitability.size(), 20u);
  ASSERT_EQ(split.exploitability.size(), 20u);
  for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(bits(split.exploitability[i]), bits(single.exploitability[i])) << i;
  expect_same_matrices(game->nodes().size(), *one, *four, Matrices::kRegrets);
}

// River subtrees are valued in batches unless the game holds a node lock; a
// lock on a terminal changes nothing else, so the two solves must agree bit
// for bit: even payoffs, raked ones with ties, a river root, 16-bit storage.
TEST(DiscountedCfrTest, RiverBatchesGiveWhatTheNodeByNodePassGives) {
  Spot raked = small_turn();
  raked.rake_rate = 0.05;
  raked.rake_cap = 3.0;
  raked.raises = "a";
  Spot river = small_river();
  river.rake_rate = 0.05;
  river.rake_cap = 1.0;
  const std::vector<std::pair<Spot, bool>> cases = {
      {small_turn(), false}, {raked, false}, {small_river(), false}, {river, false}, {raked, true}};
  for (const auto& [spot, compress] : cases) {
    SCOPED_TRACE(spot.board + (compress ? " 16-bit" : "") + (spot.rake_rate > 0 ? " raked" : ""));
    auto batched = make_game(spot);
    auto plain = make_game(spot);
    std::uint64_t terminal = 0;
    while (plain->nodes()[terminal].type != kNodeTerminal) ++terminal;
    plain->set_node_lock(terminal, LockVector{});
    SolverConfig cfg = solver_config(12, 2, 4);
    cfg.compress = compress;
    std::unique_ptr<DiscountedCfr> a;
    std::unique_ptr<DiscountedCfr> b;
    const Trace ta = solve_traced(*batched, cfg, &a);
    const Trace tb = solve_traced(*plain, cfg, &b);
    ASSERT_EQ(ta.exploitability.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(bits(ta.exploitability[i]), bits(tb.exploitability[i])) << i;
    EXPECT_GT(ta.exploitability.back(), 0.0f);
    EXPECT_GT(expect_same_matrices(batched->nodes().size(), *a, *b, Matrices::kBoth), 10u);
  }
}

}  // namespace
}  // namespace velmora
