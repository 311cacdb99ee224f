// Solve control of AppController: readiness checks, a real solve on a small
// river spot, statistics, cancel, stale reports, re-solve with node locks,
// memory gating and estimates, and destruction while workers run.
#include <QDate>
#include <QSignalSpy>
#include <QTranslator>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

#include <chrono>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/solve_room.h"
#include "session/memory_estimate.h"

using namespace app_controller_test;

namespace {

class SolveControlTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSettings(); }

  // Starts a solve and waits for its final report.
  static void solve(AppController& c, const QVariantMap& cfg) {
    c.startSolveWithConfig(cfg);
    ASSERT_TRUE(c.running()) << c.statusText().toStdString();
    ASSERT_TRUE(waitFor([&] { return solveFinished(c); })) << c.statusText().toStdString();
    ASSERT_EQ(c.statusText(), "Done");
  }

  // Keeps the GUI thread busy, applying nothing, until the session holds the
  // run's result (its final report follows at once).
  static bool blockUntilResultStored(const AppController& c) {
    QElapsedTimer timer;
    timer.start();
    while (c.nodeActionStats(0).isEmpty()) {
      if (timer.elapsed() > 60000) return false;
      QThread::msleep(1);
    }
    return true;
  }

  static int actionIndex(const AppController& c, int node, const QString& type) {
    const QVariantList actions = c.nodeActions(node);
    for (int i = 0; i < actions.size(); ++i) {
      if (actions[i].toMap().value("actionType").toString() == type) return i;
    }
    return -1;
  }
};

TEST_F(SolveControlTest, RefusedStartsNameTheFirstMissingPieceAndNeverRun) {
  AppController c;
  QSignalSpy runningSpy(&c, &AppController::runningChanged);

  c.startSolve();
  EXPECT_EQ(c.statusText(), "Not ready: enter a valid board first");
  c.reSolveWithNodeLocks();  // the empty map became the last configuration
  EXPECT_EQ(c.statusText(), "No previous solve config (solve once first)");

  QVariantMap cfg = riverSpot();
  cfg["board"] = "AhKs";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: enter a valid board first");
  cfg["board"] = "10hKsQd";  // pairs "10" and "hK" are not cards
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: enter a valid board first");

  EXPECT_EQ(AppController::normalizeBoardText("AhXxKsQd"), "AhKsQd");  // bad pairs are skipped
  // ... but a board with anything besides its cards is refused: a stray
  // character, a sixth card, an unreadable pair.
  for (const char* board : {"AhKsQd7", "Qs8s3dTh2c Jc", "AhXxKsQd", "AhKsQdTc9"}) {
    cfg["board"] = board;
    c.startSolveWithConfig(cfg);
    EXPECT_EQ(c.statusText(), "Not ready: enter a valid board first") << board;
  }
  // A turn board passes; the range check is next.
  cfg["board"] = "ah ks qd tc";
  cfg["oop_range"] = "0%";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: select at least one hand in both ranges");
  cfg["oop_range"] = "55%";
  cfg["ip_range"] = "   ";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: select at least one hand in both ranges");

  cfg["ip_range"] = "k9s";
  cfg["ip_river_raise_sizes"] = "   ";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: fill out both OOP and IP sizing");
  cfg.remove("ip_river_raise_sizes");
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: fill out both OOP and IP sizing");

  EXPECT_FALSE(c.running());
  EXPECT_EQ(runningSpy.count(), 0);
}

// A range is ready when the solver's range parser reads a hand with a weight
// above 0 from it: a uniform range is every hand; what the parser refuses or
// reads as empty is not ready, however many rank letters it holds.
TEST_F(SolveControlTest, RangeReadinessFollowsTheRangeParser) {
  AppController c;
  for (const char* ready : {"100%", "50%", " 100% ", "5.5%", "AA", "k9s", "22+", "AhKd", "AA:0, KK:0.25"}) {
    EXPECT_TRUE(c.rangeHasHand(QString::fromLatin1(ready))) << ready;
  }
  for (const char* refused : {"", "  ", "0%", "AA:0", "AA:1.5", "150%", "AKx", "AA, hello", "50 %", "%", "AhAh"}) {
    EXPECT_FALSE(c.rangeHasHand(QString::fromLatin1(refused))) << refused;
  }
  EXPECT_FALSE(c.rangeHasHand(QStringLiteral("AA, K\u00e9")));

  // A text past the longest range is refused for its length, unread (the
  // solver's reader refuses it too); one at the limit is read.
  const QString longest = QStringLiteral("AA").leftJustified(50000, QLatin1Char(' '));
  const QString tooLong = longest + QLatin1Char(' ');
  const QString lengthError = "This text is too long for a range: a range text holds at most 50000 characters";
  EXPECT_EQ(std::make_tuple(c.rangeHasHand(longest), c.rangeTextError(longest)), std::make_tuple(true, QString()));
  EXPECT_EQ(std::make_tuple(c.rangeHasHand(tooLong), c.rangeTextError(tooLong)), std::make_tuple(false, lengthError));

  // The start agrees: full ranges pass the range check and reach the sizing
  // check, and solve like any other.
  QVariantMap cfg = riverSpot(5);
  cfg["oop_range"] = "100%";
  cfg["ip_range"] = "AA:1.5";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: select at least one hand in both ranges");
  cfg["ip_range"] = tooLong;
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Error: IP range: " + lengthError);
  cfg["ip_range"] = "50%";
  cfg["ip_river_raise_sizes"] = "";
  c.startSolveWithConfig(cfg);
  EXPECT_EQ(c.statusText(), "Not ready: fill out both OOP and IP sizing");
  cfg["ip_river_raise_sizes"] = "2.5x";
  solve(c, cfg);
  EXPECT_GT(c.treeNodeCount(), 0);
}

TEST_F(SolveControlTest, SolveFillsResultsTablesAndStatistics) {
  AppController c;
  QSignalSpy resultsSpy(&c, &AppController::resultsChanged);
  QSignalSpy statsSpy(&c, &AppController::solveStatsChanged);
  const QVariantMap cfg = riverSpot(30);
  c.startSolveWithConfig(cfg);
  EXPECT_TRUE(c.running());
  EXPECT_EQ(c.statusText(), "Starting...");

  // A second start while running changes nothing, not even the status.
  QSignalSpy statusSpy(&c, &AppController::statusTextChanged);
  c.startSolveWithConfig(riverSpot(5));
  EXPECT_EQ(statusSpy.count(), 0);

  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  EXPECT_DOUBLE_EQ(c.progress(), 1.0);
  EXPECT_GE(resultsSpy.count(), 1);
  EXPECT_EQ(statsSpy.count(), 1);

  EXPECT_EQ(c.resultStartingPot(), 100);
  EXPECT_GT(c.resultIterations(), 0);
  EXPECT_LE(c.resultIterations(), 30);
  EXPECT_TRUE(std::isfinite(c.resultExploitability()));
  EXPECT_GE(c.resultExploitability(), 0.0);
  // Zero-sum without rake: the two seats' net values cancel out.
  EXPECT_NEAR(c.resultEvOop() + c.resultEvIp(), 0.0, 0.5);
  EXPECT_TRUE(c.resultsSummary().startsWith(
      QStringLiteral("Board AhKsQd7c2h | iters %1 | expl≈").arg(c.resultIterations())));

  const QVariantList root = c.rootActions();
  ASSERT_EQ(root.size(), 2);
  double sum = 0.0;
  for (const QVariant& a : root) sum += a.toMap().value("frequency").toDouble();
  EXPECT_NEAR(sum, 1.0, 1e-5);
  EXPECT_EQ(root[0].toMap().value("actionType").toString(), "check");
  EXPECT_EQ(root[1].toMap().value("name").toString(), "Bet 50%");

  ASSERT_GT(c.treeNodeCount(), 2);
  const QVariantMap meta = c.nodeMeta(0);
  EXPECT_EQ(meta.value("nodeType").toString(), "decision");
  EXPECT_EQ(meta.value("player").toString(), "OOP");
  EXPECT_EQ(meta.value("pot").toInt(), 100);
  EXPECT_EQ(meta.value("effectiveStack").toInt(), 100);
  EXPECT_TRUE(meta.value("hasChildren").toBool());
  // Every child index points inside the tree, and the root's actions mirror rootActions.
  const QVariantList actions = c.nodeActions(0);
  ASSERT_EQ(actions.size(), root.size());
  for (int i = 0; i < c.treeNodeCount(); ++i) {
    for (const QVariant& a : c.nodeActions(i)) {
      const int child = a.toMap().value("childIndex").toInt();
      EXPECT_GT(child, i);
      EXPECT_LT(child, c.treeNodeCount());
    }
  }
  const int betChild = actions[1].toMap().value("childIndex").toInt();
  EXPECT_EQ(c.nodeMeta(betChild).value("player").toString(), "IP");
  EXPECT_EQ(c.nodeMeta(betChild).value("investedOop").toInt(), 50);

  EXPECT_EQ(c.solvesToday(), 1);
  QSettings settings;
  const QString prefix = "solveActivity/" + QDate::currentDate().toString(Qt::ISODate) + "/";
  EXPECT_EQ(settings.value(prefix + "solves").toInt(), 1);
  EXPECT_EQ(settings.value(prefix + "iterationsSum").toLongLong(), c.resultIterations());
  EXPECT_NEAR(settings.value(prefix + "exploitabilitySum").toDouble(), c.resultExploitability(), 1e-6);

  // A refused start after a result keeps that result.
  QVariantMap bad = cfg;
  bad["oop_range"] = "AA:0";
  c.startSolveWithConfig(bad);
  EXPECT_EQ(c.statusText(), "Not ready: select at least one hand in both ranges");
  EXPECT_GT(c.resultIterations(), 0);
  EXPECT_GT(c.treeNodeCount(), 0);

  // A second solve right after the first is accepted and counted.
  solve(c, cfg);
  EXPECT_EQ(c.solvesToday(), 2);
}

TEST_F(SolveControlTest, WorkerErrorBecomesFailedSummaryAndIsNotCounted) {
  AppController c;
  QVariantMap cfg = riverSpot();
  cfg["rake_percent"] = 150.0;  // refused by the solve, not by the start's checks
  c.startSolveWithConfig(cfg);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_TRUE(c.statusText().startsWith("Error: Rake percent")) << c.statusText().toStdString();
  EXPECT_TRUE(c.resultsSummary().startsWith("Solve failed: Rake percent"));
  EXPECT_EQ(c.resultIterations(), 0);
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_DOUBLE_EQ(c.progress(), 0.0);
  EXPECT_EQ(c.solvesToday(), 0);
}

TEST_F(SolveControlTest, CancelEndsWithCancelledAndZeroFigures) {
  AppController c;
  c.cancelSolve();  // no solve: only the status and the session's flag
  EXPECT_EQ(c.statusText(), "Cancelling...");
  EXPECT_FALSE(c.running());

  // The next start clears the old cancel: it runs to the end.
  solve(c, riverSpot(10));
  EXPECT_GT(c.resultIterations(), 0);

  c.startSolveWithConfig(riverSpot(100000000));
  ASSERT_TRUE(waitFor([&] { return c.statusText().startsWith("Iter "); }));
  EXPECT_TRUE(c.running());
  EXPECT_EQ(c.resultIterations(), 0);  // cleared when the start was accepted
  c.cancelSolve();
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Cancelled");
  EXPECT_EQ(c.resultsSummary(), "Solve failed: Cancelled");
  EXPECT_EQ(c.resultIterations(), 0);
  EXPECT_EQ(c.resultStartingPot(), 0);
  EXPECT_DOUBLE_EQ(c.resultEvOop(), 0.0);
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_TRUE(c.rootActions().isEmpty());
  // The run keeps what it reached: its share and its iterations.
  EXPECT_GT(c.progress(), 0.0);
  EXPECT_EQ(c.lastRunOutcome(), "cancelled");
  EXPECT_GT(c.lastRunIterations(), 0);
  EXPECT_EQ(c.solvesToday(), 1);
}

TEST_F(SolveControlTest, ClearResultsDuringSolveDropsTheLateReportsOfThatRun) {
  AppController c;
  // With the spot's estimate on show the start begins at once: a worker is
  // building the turn tree when the results are cleared.
  c.requestSolveMemoryEstimate(turnSpot());
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  c.startSolveWithConfig(turnSpot());
  ASSERT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return c.statusText().startsWith("Init: ") || c.statusText().startsWith("Iter "); }))
      << c.statusText().toStdString();
  c.clearResults();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.statusText(), "Ready");

  // The cancelled worker may still be letting go of the session: a new
  // start is accepted at once and begins as soon as it can. Whatever the old
  // run still reports ("Init: ...", "Cancelled") is dropped, before and after
  // the next run starts.
  QStringList statuses;
  QStringList summaries;
  QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
  QObject::connect(&c, &AppController::resultsChanged, [&] { summaries << c.resultsSummary(); });
  c.startSolveWithConfig(riverSpot(10));
  EXPECT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_FALSE(statuses.contains("Already running"));
  pumpEvents(50);
  EXPECT_EQ(c.statusText(), "Done");
  EXPECT_FALSE(statuses.contains("Cancelled"));
  EXPECT_FALSE(summaries.contains("Solve failed: Cancelled"));
  // The new run's stage texts may be overtaken by its next report before
  // the window applies them (intermediate reports are coalesced), but the
  // old run's must never add a second one.
  EXPECT_LE(statuses.count("Init: building game object..."), 1);
  EXPECT_EQ(c.resultStartingPot(), 100);
  EXPECT_EQ(c.nodeMeta(0).value("pot").toInt(), 100);
  EXPECT_TRUE(c.resultsSummary().startsWith("Board AhKsQd7c2h | iters"));
}

// The worker's last intermediate report ("Finalizing: ...") waits in the
// queue ahead of its final report; the worker has left the session by the
// time the window applies them. The run still ends only with its results.
TEST_F(SolveControlTest, RunningTurnsFalseOnlyWithTheFinalReport) {
  AppController c;
  c.requestSolveMemoryEstimate(riverSpot(10));
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  QStringList endings;
  QObject::connect(&c, &AppController::runningChanged, [&] {
    if (!c.running()) endings << QStringLiteral("%1 | %2").arg(c.statusText()).arg(c.resultIterations());
  });
  c.startSolveWithConfig(riverSpot(10));
  ASSERT_TRUE(c.running());
  // The session clears its running flag moments after it stored the result.
  ASSERT_TRUE(blockUntilResultStored(c));
  QThread::msleep(300);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(endings.join(" / ").toStdString(), "Done | 10");
}

TEST_F(SolveControlTest, ReSolveAppliesNodeLocks) {
  AppController c;
  solve(c, riverSpot(30));
  const int bet = actionIndex(c, 0, "bet 50%");
  ASSERT_EQ(bet, 1);

  // Lock AA at the root to bet 70 % (the other action gets the rest) and
  // 76s to always check; a lock on a node beyond the tree is ignored.
  c.setNodeLock(0, "AA", bet, 0.7);
  c.setNodeLock(0, "76s", bet, -3.0);  // clamped to 0
  c.setNodeLock(100000, "KK", 0, 1.0);
  QSignalSpy runningSpy(&c, &AppController::runningChanged);
  c.reSolveWithNodeLocks();
  ASSERT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  EXPECT_EQ(runningSpy.count(), 2);

  const QVariantMap strategy = c.nodeHandStrategy(0);
  const QVariantMap probs = strategy.value("actionProbs").toMap();
  const QVariantList aa = probs.value("AA").toList();
  const QVariantList s76 = probs.value("76s").toList();
  ASSERT_EQ(aa.size(), 2);
  ASSERT_EQ(s76.size(), 2);
  EXPECT_NEAR(aa[bet].toDouble(), 0.7, 1e-3);
  EXPECT_NEAR(aa[1 - bet].toDouble(), 0.3, 1e-3);
  EXPECT_NEAR(s76[bet].toDouble(), 0.0, 1e-3);
  EXPECT_NEAR(s76[1 - bet].toDouble(), 1.0, 1e-3);

  // The locks stay after the re-solve; clearResults drops them and the last map.
  EXPECT_EQ(c.nodeLocks(0).size(), 2);
  c.clearResults();
  EXPECT_TRUE(c.nodeLocks(0).isEmpty());
  c.reSolveWithNodeLocks();
  EXPECT_EQ(c.statusText(), "No previous solve config (solve once first)");
}

TEST_F(SolveControlTest, NodeLockTableRules) {
  AppController c;
  c.setNodeLock(3, "AKs", 1, 1.7);
  c.setNodeLock(-1, "AKs", 1, 0.5);
  c.setNodeLock(3, "", 1, 0.5);
  c.setNodeLock(3, "QQ", 0, std::nan(""));
  QVariantList locks = c.nodeLocks(3);
  ASSERT_EQ(locks.size(), 1);
  EXPECT_EQ(locks[0].toMap().value("hand").toString(), "AKs");
  EXPECT_EQ(locks[0].toMap().value("actionIndex").toInt(), 1);
  EXPECT_DOUBLE_EQ(locks[0].toMap().value("actionProb").toDouble(), 1.0);

  c.setNodeLock(3, "AKs", 2, 0.25);  // replaces
  locks = c.nodeLocks(3);
  ASSERT_EQ(locks.size(), 1);
  EXPECT_EQ(locks[0].toMap().value("actionIndex").toInt(), 2);
  EXPECT_DOUBLE_EQ(locks[0].toMap().value("actionProb").toDouble(), 0.25);

  c.clearNodeLocks(-1);
  EXPECT_EQ(c.nodeLocks(3).size(), 1);
  c.clearNodeLocks(3);
  EXPECT_TRUE(c.nodeLocks(3).isEmpty());
  EXPECT_TRUE(c.nodeLocks(-5).isEmpty());
}

TEST_F(SolveControlTest, BuildSolveConfigReadsKeysDefaultsAndLocks) {
  QVariantMap cfg = riverSpot();
  cfg["oop_add_all_in_jam_threshold_enabled"] = true;
  cfg["oop_add_all_in_jam_threshold_pct"] = 30.5;
  cfg["ip_add_all_in_jam_threshold_pct"] = 40.0;  // not enabled: not read
  cfg["target_exploitability"] = 0.9;
  velmora_app::SolveConfig config = AppController::buildSolveConfigFrom(cfg, nullptr);
  EXPECT_EQ(config.board, "AhKsQd7c2h");
  EXPECT_EQ(config.starting_street, "river");
  EXPECT_EQ(config.thread_count, 2u);
  EXPECT_FLOAT_EQ(config.target_exploitability, 0.9f);
  EXPECT_EQ(config.oop_river.bet_sizes, "50");
  EXPECT_EQ(config.ip_flop.raise_sizes, "2.5x");
  ASSERT_TRUE(config.oop_jam_threshold_pct.has_value());
  EXPECT_DOUBLE_EQ(*config.oop_jam_threshold_pct, 30.5);
  EXPECT_FALSE(config.ip_jam_threshold_pct.has_value());
  EXPECT_FALSE(config.compress);
  EXPECT_TRUE(config.node_locks.empty());

  const velmora_app::SolveConfig defaults = AppController::buildSolveConfigFrom(QVariantMap(), nullptr);
  EXPECT_EQ(defaults.board, "");
  EXPECT_EQ(defaults.starting_pot, 100);
  EXPECT_EQ(defaults.effective_stack, 100);
  EXPECT_EQ(defaults.starting_street, "flop");
  EXPECT_EQ(defaults.max_iterations, 2000u);
  EXPECT_FLOAT_EQ(defaults.target_exploitability, 0.1f);
  EXPECT_EQ(defaults.thread_count, 1u);

  AppController::NodeLockTable table;
  table[4]["AKs"] = AppController::LockEntry{1, 1.5};
  table[4]["QQ"] = AppController::LockEntry{-1, 0.5};  // no action: skipped
  table[-2]["JJ"] = AppController::LockEntry{0, 0.5};  // no node: skipped
  config = AppController::buildSolveConfigFrom(cfg, &table);
  ASSERT_EQ(config.node_locks.size(), 1u);
  EXPECT_EQ(config.node_locks[0].node, 4);
  EXPECT_EQ(config.node_locks[0].hand, "AKs");
  EXPECT_EQ(config.node_locks[0].action, 1);
  EXPECT_FLOAT_EQ(config.node_locks[0].probability, 1.0f);
}

TEST_F(SolveControlTest, RamGateRefusesWhenTheEstimateDoesNotFit) {
  AppController c;
  solve(c, riverSpot(10));
  ASSERT_GT(c.systemAvailableMemoryBytes(), 0u);

  // Publish an estimate larger than any machine's free memory (the solve
  // above asked for its own estimate: generation 1).
  c.requestSolveMemoryEstimate(riverSpot());  // takes generation 2
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  const quint64 huge = quint64(1) << 62;
  ASSERT_TRUE(QMetaObject::invokeMethod(&c, "deliverMemoryEstimate", Q_ARG(quint64, 2), Q_ARG(quint64, huge),
                                        Q_ARG(QString, AppController::formatMemoryBytes(huge))));
  ASSERT_EQ(c.solveRequiredMemoryBytes(), huge);
  c.startSolveWithConfig(riverSpot(10));
  EXPECT_EQ(c.statusText(), "Not enough RAM to solve (after clearing previous results)");
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.resultIterations(), 0);  // the previous result was cleared first
  EXPECT_EQ(c.treeNodeCount(), 0);

  // An estimate that fits lets the solve start; the solve and the node
  // tables it leaves become the memory the stored result holds.
  c.requestSolveMemoryEstimate(riverSpot());
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() != huge; }));
  const quint64 estimate = c.solveRequiredMemoryBytes();
  ASSERT_GT(estimate, 0u);
  solve(c, riverSpot(10));
  const auto solveEstimate =
      velmora_app::estimate_solve_memory(AppController::buildSolveConfigFrom(riverSpot(), nullptr, c.systemThreadCount()));
  ASSERT_TRUE(solveEstimate.has_value());
  const solve_room::Need need = solve_room::needOf(*solveEstimate, 2);
  EXPECT_EQ(c.resultsReclaimableMemoryBytes(), need.heldBytes());
  EXPECT_LT(c.resultsReclaimableMemoryBytes(), estimate);
  EXPECT_GE(c.effectiveAvailableMemoryBytes(), c.systemAvailableMemoryBytes());
  if (c.systemMemoryBytes() != 0) {
    EXPECT_LE(c.effectiveAvailableMemoryBytes(), c.systemMemoryBytes());
  }
}

TEST_F(SolveControlTest, OnlyTheNewestEstimateIsPublished) {
  AppController c;
  QVariantMap small = riverSpot();
  QVariantMap larger = riverSpot();
  larger["oop_range"] = "22+, A2s+, K9s+, ATo+";
  larger["ip_river_bet_sizes"] = "33, 50, 75, 125";

  std::string error;
  const velmora_app::SolveConfig largerConfig = AppController::buildSolveConfigFrom(larger, nullptr, c.systemThreadCount());
  const auto largerEstimate = velmora_app::estimate_solve_memory(largerConfig, &error);
  ASSERT_TRUE(largerEstimate.has_value()) << error;
  // The figure published is the solve with what follows it.
  const quint64 expected = solve_room::needOf(*largerEstimate, largerConfig.thread_count).totalBytes();
  const auto smallEstimate =
      velmora_app::estimate_solve_memory(AppController::buildSolveConfigFrom(small, nullptr), &error);
  ASSERT_TRUE(smallEstimate.has_value());
  ASSERT_NE(largerEstimate->total_bytes, smallEstimate->total_bytes);

  QSignalSpy spy(&c, &AppController::solveRequiredMemoryChanged);
  for (int i = 0; i < 5; ++i) c.requestSolveMemoryEstimate(small);
  c.requestSolveMemoryEstimate(larger);  // generation 6
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() != 0; }));
  pumpEvents(300);  // let any older thread finish and be dropped
  EXPECT_EQ(c.solveRequiredMemoryBytes(), expected);
  EXPECT_EQ(c.solveRequiredMemoryText(), AppController::formatMemoryBytes(expected));
  EXPECT_EQ(spy.count(), 1);

  // A delivery carrying an older generation is dropped; the newest one lands.
  QMetaObject::invokeMethod(&c, "deliverMemoryEstimate", Q_ARG(quint64, 5), Q_ARG(quint64, 42),
                            Q_ARG(QString, "old"));
  EXPECT_EQ(c.solveRequiredMemoryBytes(), expected);
  QMetaObject::invokeMethod(&c, "deliverMemoryEstimate", Q_ARG(quint64, 6), Q_ARG(quint64, 42),
                            Q_ARG(QString, "new"));
  EXPECT_EQ(c.solveRequiredMemoryBytes(), 42u);
  EXPECT_EQ(c.solveRequiredMemoryText(), "new");

  // A request the estimate cannot read publishes its error text and no bytes.
  QVariantMap bad = small;
  bad["rake_percent"] = -1.0;
  c.requestSolveMemoryEstimate(bad);
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() == 0; }));
  EXPECT_EQ(c.solveRequiredMemoryText(), "Rake percent must be a number within [0, 100]");
}

// A size token the solver cannot read shows in the memory line as the
// field and the token, in the UI language, never as the parser's dump; the
// estimate publishes no bytes, so nothing can start.
TEST_F(SolveControlTest, MemoryLineNamesTheFieldOfAnUnreadableSizeToken) {
  AppController c;
  const auto memoryLineFor = [&](const char* key, const char* sizes) {
    QVariantMap cfg = riverSpot();
    cfg[key] = sizes;
    const QString before = c.solveRequiredMemoryText();  // every case reads differently
    c.requestSolveMemoryEstimate(cfg);
    EXPECT_TRUE(waitFor([&] { return c.solveRequiredMemoryText() != before; })) << key;
    EXPECT_EQ(c.solveRequiredMemoryBytes(), 0u) << key;
    return c.solveRequiredMemoryText();
  };
  const QString cut = QString("1.2.3.4.5.6.7.8.9.10.11.12.13x").left(23) + QChar(0x2026);
  const struct {
    const char* key;
    const char* sizes;
    QString line;
  } cases[] = {
      {"oop_flop_bet_sizes", "33, 3x3", "OOP flop bet sizes: '3x3' is not a valid size"},
      {"ip_river_raise_sizes", "2.5x, 1x", "IP river raise sizes: '1x' is not a valid size"},
      {"oop_turn_raise_sizes", "2x, 1.2.3.4.5.6.7.8.9.10.11.12.13x",  // a long token is cut
       "OOP turn raise sizes: '" + cut + "' is not a valid size"},
      {"ip_flop_bet_sizes", "50, 1e2e%1", "IP flop bet sizes: '1e2e%1' is not a valid size"},  // "%1" stays as typed
      // Refused by the normaliser: texts that would read as another tree.
      {"oop_river_bet_sizes", "33 75", "OOP river bet sizes: '33 75' is not a valid size"},
      {"ip_turn_bet_sizes", "%", "IP turn bet sizes: '%' is not a valid size"},
      {"ip_flop_raise_sizes", "hello", "IP flop raise sizes: 'hello' is not a valid size"},
      // A right-to-left override is written out: it would reverse the line.
      {"ip_flop_bet_sizes", "50, 7\u202E5", "IP flop bet sizes: '7<U+202E>5' is not a valid size"},
  };
  for (const auto& k : cases) EXPECT_EQ(memoryLineFor(k.key, k.sizes), k.line);

  // A range the board leaves empty names the seat and the range.
  EXPECT_EQ(memoryLineFor("ip_range", "Qs2h"), "IP range: no hand of 'Qs2h' is left once the board's cards are removed");
  EXPECT_EQ(memoryLineFor("ip_range", "Qs2h,\nJs2h"),
            "IP range: no hand of 'Qs2h,<U+000A>Js2h' is left once the board's cards are removed");

  QTranslator german;
  ASSERT_TRUE(german.load(":/Velmora/i18n/velmora_de.qm"));
  QCoreApplication::installTranslator(&german);
  const QString translated = memoryLineFor("oop_flop_bet_sizes", "3x3");
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(translated, "OOP Flop-Bet-Größen: '3x3' ist keine gültige Größe");
  EXPECT_FALSE(translated.contains("hex=") || translated.contains("Failed to parse")) << translated.toStdString();
  // The line shown follows a change of language at once, without a new estimate.
  EXPECT_EQ(c.solveRequiredMemoryText(), "OOP flop bet sizes: '3x3' is not a valid size");
}

// A start refuses a size text the solver would refuse or read as another
// tree, and a range the board empties, with the memory line's words, and
// keeps the previous result.
TEST_F(SolveControlTest, StartRefusesSizeAndRangeFaultsNamingTheField) {
  AppController c;
  solve(c, riverSpot(10));
  const int iterations = c.resultIterations();
  ASSERT_GT(iterations, 0);
  for (const char* typed : {"33 75", "1/2", "-50", "0", "fifty"}) {
    QVariantMap cfg = riverSpot(10);
    cfg["ip_river_bet_sizes"] = typed;
    c.startSolveWithConfig(cfg);
    EXPECT_EQ(c.statusText(), QString("Error: IP river bet sizes: '%1' is not a valid size").arg(typed));
    EXPECT_FALSE(c.running());
  }
  QVariantMap blocked = riverSpot(10);
  blocked["oop_range"] = "AhKd, Qd7c";
  c.startSolveWithConfig(blocked);
  EXPECT_EQ(c.statusText(), "Error: OOP range: no hand of 'AhKd, Qd7c' is left once the board's cards are removed");
  EXPECT_EQ(c.resultIterations(), iterations);
}

// A flop spot far larger than any machine: pot 10, stacks 1000, two sizes and
// all-ins on every street.
QVariantMap hugeFlopSpot() {
  QVariantMap m = riverSpot(100);
  m.insert("board", "Ah Ks 7d");
  m.insert("starting_street", "flop");
  m.insert("starting_pot", 10);
  m.insert("effective_stack", 1000);
  for (auto it = m.begin(); it != m.end(); ++it) {
    if (it.key().endsWith("_sizes")) it.value() = "33, 75";
    if (it.key().endsWith("_add_all_in")) it.value() = true;
  }
  return m;
}

TEST_F(SolveControlTest, StartIsCheckedAgainstTheEstimateOfItsOwnSpot) {
  AppController c;
  QStringList statuses;
  QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
  // A small spot's figure is on show when the huge spot is asked for and
  // started at once: the start waits for the huge spot's own figure.
  c.requestSolveMemoryEstimate(riverSpot());
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  const quint64 small = c.solveRequiredMemoryBytes();
  c.requestSolveMemoryEstimate(hugeFlopSpot());
  c.startSolveWithConfig(hugeFlopSpot());
  ASSERT_TRUE(waitFor([&] { return !c.running(); }));
  EXPECT_EQ(c.statusText(), "Not enough RAM to solve (after clearing previous results)");
  EXPECT_FALSE(statuses.contains("Init: building game object..."));
  // The count stopped at the machine's memory: "more than" that.
  EXPECT_GT(c.solveRequiredMemoryBytes(), small);
  if (c.systemMemoryBytes() != 0) {
    EXPECT_EQ(c.solveRequiredMemoryBytes(), c.systemMemoryBytes());
    EXPECT_EQ(c.solveRequiredMemoryText(), "More than " + AppController::formatMemoryBytes(c.systemMemoryBytes()));
  }

  // Started with no estimate asked for at all: the start asks for it. An
  // edit made while it waits asks for another spot's figure; the start still
  // gets its own, and the edited spot's figure is the one on show.
  AppController d;
  d.startSolveWithConfig(hugeFlopSpot());
  EXPECT_TRUE(d.running());
  d.requestSolveMemoryEstimate(riverSpot());
  ASSERT_TRUE(waitFor([&] { return !d.running(); }));
  EXPECT_EQ(d.statusText(), "Not enough RAM to solve (after clearing previous results)");
  ASSERT_TRUE(waitFor([&] { return d.solveRequiredMemoryBytes() == small; }));
}

TEST_F(SolveControlTest, StartRightAfterACancelBeginsOnceThePreviousWorkerLetsGo) {
  AppController c;
  QStringList statuses;
  QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
  c.startSolveWithConfig(riverSpot(100000000));
  ASSERT_TRUE(waitFor([&] { return c.statusText().startsWith("Iter "); }));
  c.cancelSolve();
  c.startSolveWithConfig(riverSpot(10));
  EXPECT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Done");
  EXPECT_EQ(c.resultIterations(), 10);
  EXPECT_FALSE(statuses.contains("Already running"));

  // A start that waits (here for its estimate) is dropped by a cancel.
  c.startSolveWithConfig(turnSpot());
  ASSERT_TRUE(c.running());
  c.cancelSolve();
  pumpEvents(300);
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.statusText(), "Cancelled");
}

TEST_F(SolveControlTest, OutOfRangeNumbersAreClampedOrRefused) {
  QVariantMap cfg = riverSpot(10);
  const auto read = [&](const char* key, const QVariant& v, int maxThreads = 0) {
    QVariantMap m = cfg;
    m[key] = v;
    return AppController::buildSolveConfigFrom(m, nullptr, maxThreads);
  };
  EXPECT_EQ(read("thread_count", -5, 8).thread_count, 1u);
  EXPECT_EQ(read("thread_count", "many", 8).thread_count, 1u);
  EXPECT_EQ(read("thread_count", 3000, 8).thread_count, 8u);
  EXPECT_EQ(read("thread_count", 6, 8).thread_count, 6u);
  EXPECT_EQ(read("starting_pot", 5e9).starting_pot, std::numeric_limits<int>::max()) << "no wrap to a negative pot";
  EXPECT_EQ(read("max_iterations", 1e12).max_iterations, 4294967295u);

  AppController c;
  for (const QVariant& budget : {QVariant(-1), QVariant(0), QVariant("none")}) {
    cfg["max_iterations"] = budget;
    c.startSolveWithConfig(cfg);
    EXPECT_EQ(c.statusText(), "Not ready: the iteration count must be at least 1") << budget.toString().toStdString();
    EXPECT_FALSE(c.running());
  }
  cfg["max_iterations"] = 10;

  // Pot and stack beyond what the tree holds: the session's refusal.
  cfg["starting_pot"] = 2e9;
  cfg["effective_stack"] = 2e9;
  c.startSolveWithConfig(cfg);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Error: Starting pot and effective stack must not exceed 1000000 chips");

  // A project's thread count of -5 or 3000 solves with what the machine has.
  cfg["starting_pot"] = 100;
  cfg["effective_stack"] = 100;
  for (const int count : {-5, 3000}) {
    cfg["thread_count"] = count;
    solve(c, cfg);
    EXPECT_EQ(c.resultIterations(), 10) << count;
  }

  // A street whose card is not on the board is refused by the session.
  cfg["board"] = "AhKs7d";
  cfg["starting_street"] = "river";
  c.startSolveWithConfig(cfg);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Error: A river start needs a board of 5 cards (e.g. AhKsQd7c2h)");
}

TEST_F(SolveControlTest, DestroyingTheControllerWhileWorkersRunIsSafe) {
  {
    auto c = std::make_unique<AppController>();
    c->startSolveWithConfig(riverSpot(100000000));
    ASSERT_TRUE(waitFor([&] { return c->statusText().startsWith("Iter "); }));
    c->requestSolveMemoryEstimate(turnSpot());
    c.reset();  // cancels, waits for the solve and the estimate
  }
  {
    auto c = std::make_unique<AppController>();
    c->startSolveWithConfig(turnSpot());  // still building when destroyed
    for (int i = 0; i < 4; ++i) c->requestSolveMemoryEstimate(turnSpot());
    c.reset();
  }
  pumpEvents(100);  // reports posted before destruction must go nowhere
  SUCCEED();
}

// Closing the window: the event loop's end tells every worker to stop, and
// the program then waits only a bounded while for them. A close during the
// set-up of a solve, or before its start has begun, ends every worker and
// lets no run go on to iterate.
TEST_F(SolveControlTest, ClosingDuringSetUpStopsEveryWorker) {
  {
    // The start still waits for the estimate of its spot.
    AppController c;
    QStringList statuses;
    QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
    c.startSolveWithConfig(turnSpot(1000000));
    c.beginShutdown();
    ASSERT_TRUE(c.finishShutdown(std::chrono::seconds(60)));
    pumpEvents(300);
    for (const QString& s : statuses) EXPECT_FALSE(s.startsWith("Init:") || s.startsWith("Iter ")) << s.toStdString();
  }
  {
    // The worker is building the game.
    AppController c;
    c.requestSolveMemoryEstimate(turnSpot(1000000));
    ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
    QStringList statuses;
    QObject::connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
    c.startSolveWithConfig(turnSpot(1000000));
    ASSERT_TRUE(waitFor([&] { return statuses.contains("Init: building game object..."); }));
    c.requestSolveMemoryEstimate(riverSpot(5));
    c.beginShutdown();
    ASSERT_TRUE(c.finishShutdown(std::chrono::seconds(60)));
    pumpEvents(300);
    EXPECT_EQ(c.resultIterations(), 0);
    EXPECT_FALSE(statuses.contains("Done"));
  }
}

}  // namespace

// A fast solve reports after every iteration; while the GUI thread is busy
// those reports must not pile up in its event queue. They coalesce into the
// newest one, and the final report still arrives, last.
TEST_F(SolveControlTest, IntermediateReportsCoalesceWhileTheGuiIsBusy) {
  AppController c;
  // The shell asks for the spot's estimate while it is edited; the start
  // then begins at once.
  c.requestSolveMemoryEstimate(riverSpot(3000));
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; }));
  QSignalSpy statusChanges(&c, &AppController::statusTextChanged);
  c.startSolveWithConfig(riverSpot(3000));
  ASSERT_TRUE(c.running());
  const int before = statusChanges.count();
  ASSERT_TRUE(blockUntilResultStored(c));  // however long the solve takes
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  EXPECT_EQ(c.statusText(), "Done");
  EXPECT_EQ(c.resultIterations(), 3000);
  EXPECT_LE(statusChanges.count() - before, 20);
}
