// End-to-end runs of SolveSession on small river and turn spots.
#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <future>
#include <cmath>
#include <limits>
#include <locale>
#include <numeric>
#include <regex>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/range.h"
#include "session/memory_estimate.h"
#include "session/solve_session.h"
#include "session/solve_worker.h"
#include "session_test_support.h"

namespace velmora_app {
namespace {

using testing::Recorder;
using testing::river_config;
using testing::run_to_end;
using testing::turn_config;
using testing::wait_idle;

const std::regex kIterPattern(R"(^Iter (\d+) \| exploitability\xE2\x89\x88(-?\d+\.\d{4})$)");

int count_text(const std::vector<SolveProgress>& reports, const std::string& prefix) {
  int n = 0;
  for (const auto& r : reports) n += r.text.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

int count_results(const std::vector<SolveProgress>& reports) {
  int n = 0;
  for (const auto& r : reports) n += r.result.has_value() ? 1 : 0;
  return n;
}

// Checks the whole report sequence of a run that ended with "Done".
void expect_done_sequence(const std::vector<SolveProgress>& reports, std::uint32_t budget, std::uint32_t iterations) {
  ASSERT_EQ(reports.size(), 3u + iterations + 3u);
  EXPECT_EQ(reports[0].text, "Init: building game object...");
  EXPECT_EQ(reports[1].text, "Init: building game tree structures...");
  EXPECT_EQ(reports[2].text, "Init: starting solver...");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(reports[i].fraction, 0.0);
  for (std::uint32_t i = 1; i <= iterations; ++i) {
    const SolveProgress& p = reports[2 + i];
    const double expected = budget == 0 ? 0.0 : std::min(0.999, static_cast<double>(i) / budget);
    EXPECT_DOUBLE_EQ(p.fraction, expected);
    EXPECT_FALSE(p.result.has_value());
    if (i < 50 && i != budget) {
      // No measurement before iteration 50: no figure, not a 0 that reads as solved.
      EXPECT_EQ(p.text, "Iter " + std::to_string(i) + " | exploitability\xE2\x89\x88\xE2\x80\x94");
      continue;
    }
    std::smatch m;
    ASSERT_TRUE(std::regex_match(p.text, m, kIterPattern)) << p.text;
    EXPECT_EQ(std::stoul(m[1].str()), i);
  }
  const double fin = budget == 0 ? 0.0 : std::min(0.999, static_cast<double>(iterations) / budget);
  const auto n = reports.size();
  EXPECT_EQ(reports[n - 3].text, "Finalizing: computing results...");
  EXPECT_EQ(reports[n - 2].text, "Finalizing: building result snapshot...");
  EXPECT_DOUBLE_EQ(reports[n - 3].fraction, fin);
  EXPECT_DOUBLE_EQ(reports[n - 2].fraction, fin);
  EXPECT_EQ(reports[n - 1].text, "Done");
  EXPECT_EQ(reports[n - 1].fraction, 1.0);
  EXPECT_EQ(count_results(reports), 1);
  ASSERT_TRUE(reports.back().result.has_value());
  EXPECT_TRUE(reports.back().result->success);
}

void expect_consistent_snapshot(const SolveResult& r) {
  ASSERT_FALSE(r.nodes.empty());
  EXPECT_EQ(r.nodes[0].kind, "decision");
  EXPECT_EQ(r.nodes[0].seat, "OOP");
  EXPECT_EQ(r.root_action_labels.size(), r.nodes[0].children.size());
  EXPECT_EQ(r.root_action_keys.size(), r.nodes[0].children.size());
  ASSERT_EQ(r.root_action_frequencies.size(), r.nodes[0].children.size());
  EXPECT_NEAR(std::accumulate(r.root_action_frequencies.begin(), r.root_action_frequencies.end(), 0.0), 1.0, 1e-5);
  for (std::size_t a = 0; a < r.nodes[0].children.size(); ++a) {
    EXPECT_EQ(r.root_action_labels[a], r.nodes[0].children[a].label);
    EXPECT_EQ(r.root_action_keys[a], r.nodes[0].children[a].key);
    EXPECT_FLOAT_EQ(r.root_action_frequencies[a], r.nodes[0].children[a].frequency);
  }
  for (std::size_t i = 0; i < r.nodes.size(); ++i) {
    const ResultNode& n = r.nodes[i];
    ASSERT_TRUE(n.kind == "decision" || n.kind == "chance" || n.kind == "terminal") << n.kind;
    EXPECT_EQ(n.seat.empty(), n.kind != "decision");
    if (n.kind == "terminal") {
      EXPECT_TRUE(n.children.empty());
    }
    EXPECT_EQ(n.pot, r.starting_pot + n.invested_oop + n.invested_ip) << "node " << i;
    double sum = 0.0;
    for (const auto& c : n.children) {
      EXPECT_GT(c.child_index, 0);
      EXPECT_LT(static_cast<std::size_t>(c.child_index), r.nodes.size());
      sum += c.frequency;
    }
    if (!n.children.empty()) {
      EXPECT_NEAR(sum, 1.0, 1e-5) << "node " << i;
    }
  }
}

TEST(SolveSessionRun, RiverSpotReportsEveryStageAndStoresTheResult) {
  SolveSession session;
  const SolveConfig config = river_config();
  const auto reports = run_to_end(session, config);
  expect_done_sequence(reports, config.max_iterations, config.max_iterations);

  const SolveResult& r = *reports.back().result;
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.board, config.board);
  EXPECT_EQ(r.starting_pot, 100);
  EXPECT_EQ(r.effective_stack, 200);
  EXPECT_EQ(r.iterations, 60u);
  EXPECT_TRUE(std::isfinite(r.exploitability));
  // The last iteration report shows the final measurement.
  std::smatch m;
  const std::string& last_iter = reports[reports.size() - 4].text;
  ASSERT_TRUE(std::regex_match(last_iter, m, kIterPattern));
  EXPECT_NEAR(std::stod(m[2].str()), r.exploitability, 6e-5);
  EXPECT_EQ(r.root_action_labels, (std::vector<std::string>{"Check", "Bet 50%", "All-In"}));
  EXPECT_EQ(r.root_action_keys, (std::vector<std::string>{"check", "bet 50%", "allin"}));
  expect_consistent_snapshot(r);
  for (const auto& n : r.nodes) {
    EXPECT_TRUE(n.chance_deal.empty()) << "a river spot deals nothing";
  }

  EXPECT_FALSE(session.is_running());
  const auto [game, solver] = session.stored_result();
  EXPECT_TRUE(game && solver);
  EXPECT_TRUE(session.node_action_stats(0).ok);
}

// A starting street before the board's last card (a flop profile on a river
// board) starts where the board is: the tree never waits for a dealt card.
TEST(SolveSessionRun, StartBeforeTheBoardsStreetStartsOnTheBoardsStreet) {
  SolveConfig early = river_config();
  early.starting_street = "flop";
  SolveSession a;
  const auto got = run_to_end(a, early);
  SolveSession b;
  const auto want = run_to_end(b, river_config());
  const SolveResult& r = *got.back().result;
  const SolveResult& w = *want.back().result;
  ASSERT_TRUE(r.success) << r.message;
  EXPECT_EQ(r.nodes.size(), w.nodes.size());
  EXPECT_EQ(r.root_action_labels, w.root_action_labels);
  EXPECT_FLOAT_EQ(r.ev_oop, w.ev_oop);
  EXPECT_FLOAT_EQ(r.ev_ip, w.ev_ip);
  EXPECT_GT(r.ev_oop + r.ev_ip, 99.0f);  // the pot is played for, not lost to empty deals
}

TEST(SolveSessionRun, TurnSpotDealsRiversWithEqualChanceShares) {
  SolveSession session;
  const SolveConfig config = turn_config();
  const auto reports = run_to_end(session, config);
  expect_done_sequence(reports, config.max_iterations, config.max_iterations);
  const SolveResult& r = *reports.back().result;
  expect_consistent_snapshot(r);
  int chance_nodes = 0;
  for (const auto& n : r.nodes) {
    if (n.kind != "chance") continue;
    ++chance_nodes;
    EXPECT_EQ(n.chance_deal, "river");
    ASSERT_FALSE(n.children.empty());
    for (const auto& c : n.children) {
      EXPECT_EQ(c.key, "chance");
      EXPECT_EQ(c.label.size(), 2u);
      EXPECT_FLOAT_EQ(c.frequency, 1.0f / static_cast<float>(n.children.size()));
      EXPECT_EQ(r.nodes[c.child_index].kind, "decision");
    }
  }
  EXPECT_GT(chance_nodes, 0);
}

TEST(SolveSessionRun, ReachedTargetEndsEarlyAndBudgetZeroRunsNoIteration) {
  SolveSession session;
  SolveConfig config = river_config();
  config.max_iterations = 200;
  config.target_exploitability = 1e6f;
  auto reports = run_to_end(session, config);
  expect_done_sequence(reports, 200, 50);
  EXPECT_EQ(reports.back().result->iterations, 50u);

  config.max_iterations = 0;
  reports = run_to_end(session, config);
  expect_done_sequence(reports, 0, 0);
  EXPECT_EQ(reports.back().result->iterations, 0u);
}

TEST(SolveSessionRun, NumbersInTextsIgnoreTheProcessLocale) {
  const std::locale saved_global;
  const std::string saved_c = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  std::locale::global(std::locale("de_DE.UTF-8"));

  EXPECT_EQ(format_iteration_text(50, 0.12345f), "Iter 50 | exploitability\xE2\x89\x88" "0.1235");
  EXPECT_EQ(format_iteration_text(123456, 2.5f), "Iter 123456 | exploitability\xE2\x89\x88" "2.5000");
  SolveSession session;
  SolveConfig config = river_config();
  config.oop_range = "12.5%";
  const auto reports = run_to_end(session, config);

  std::locale::global(saved_global);
  std::setlocale(LC_ALL, saved_c.c_str());

  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().text, "Done");
  int iters = 0;
  int measured = 0;
  for (const auto& p : reports) {
    if (p.text.rfind("Iter ", 0) != 0) continue;
    ++iters;
    if (iters < 50) continue;  // no figure yet
    ++measured;
    EXPECT_TRUE(std::regex_match(p.text, kIterPattern)) << p.text;
  }
  EXPECT_EQ(iters, 60);
  EXPECT_EQ(measured, 11);
}

// Before its first measurement the solver's figure is a placeholder 0, which
// would read as a solved spot: those reports carry no figure.
TEST(SolveSessionRun, IterationsBeforeTheFirstMeasurementCarryNoFigure) {
  EXPECT_EQ(format_iteration_text(31, std::nullopt), "Iter 31 | exploitability\xE2\x89\x88\xE2\x80\x94");
  EXPECT_EQ(format_iteration_text(50, 0.0f), "Iter 50 | exploitability\xE2\x89\x88" "0.0000")
      << "a measured 0 is a figure";
  // {iteration, budget, interval, measured}: the last measurement stands
  // until the next; the budget's last iteration is measured.
  for (const auto& [it, budget, interval, measured] :
       {std::tuple{1u, 2000u, 50u, false}, std::tuple{49u, 2000u, 50u, false}, std::tuple{50u, 2000u, 50u, true},
        std::tuple{51u, 2000u, 50u, true}, std::tuple{1999u, 2000u, 0u, false}, std::tuple{2000u, 2000u, 0u, true}}) {
    EXPECT_EQ(exploitability_measured(it, budget, interval), measured) << it << "/" << budget << " every " << interval;
  }

  // A budget below the interval: only its last report has a figure, the
  // result's own.
  SolveSession session;
  SolveConfig config = river_config();
  config.max_iterations = 30;
  const auto reports = run_to_end(session, config);
  expect_done_sequence(reports, 30, 30);
  std::smatch m;
  ASSERT_TRUE(std::regex_match(reports[2 + 30].text, m, kIterPattern)) << reports[2 + 30].text;
  EXPECT_NEAR(std::stod(m[2].str()), reports.back().result->exploitability, 6e-5);
}

TEST(SolveSessionControl, CancelMidSolveEndsWithACancelledResultAndNoFinalizing) {
  SolveSession session;
  SolveConfig config = turn_config();
  config.max_iterations = 1000000;
  auto rec = std::make_shared<Recorder>();
  ASSERT_TRUE(session.start(config, rec->callback(rec)));
  ASSERT_TRUE(rec->wait_reports(6));  // three Init reports and three iterations
  EXPECT_TRUE(session.is_running());
  EXPECT_FALSE(session.node_action_stats(0).ok) << "no stored result while solving";
  session.cancel();
  ASSERT_TRUE(rec->wait_final());
  ASSERT_TRUE(wait_idle(session));

  const auto reports = rec->reports();
  EXPECT_EQ(count_results(reports), 1);
  EXPECT_EQ(count_text(reports, "Finalizing"), 0);
  const SolveProgress& last = reports.back();
  EXPECT_EQ(last.text, "Cancelled");
  EXPECT_EQ(last.fraction, 0.0);
  ASSERT_TRUE(last.result.has_value());
  EXPECT_FALSE(last.result->success);
  EXPECT_EQ(last.result->message, "Cancelled");
  EXPECT_EQ(last.result->board, config.board);
  EXPECT_EQ(last.result->starting_pot, config.starting_pot);
  EXPECT_EQ(last.result->effective_stack, config.effective_stack);
  // The whole iterations it reached: the last one reported.
  std::uint32_t reported = 0;
  const std::regex iter("^Iter (\\d+) ");
  std::smatch m;
  for (const SolveProgress& p : reports)
    if (std::regex_search(p.text, m, iter)) reported = static_cast<std::uint32_t>(std::stoul(m[1].str()));
  EXPECT_GE(reported, 3u);
  EXPECT_EQ(last.result->iterations, reported);
  EXPECT_TRUE(last.result->nodes.empty());
  EXPECT_TRUE(last.result->root_action_labels.empty());
  EXPECT_FALSE(session.stored_result().first);
  EXPECT_EQ(rec->reports_after_final(), 0);
}

// A cancel made while the card context and the tree are being built ends the
// run there: no later set-up stage is reported and no solver is built.
TEST(SolveSessionControl, CancelDuringSetUpStopsBeforeTheNextStage) {
  SolveSession session;
  const SolveConfig config = turn_config();
  auto rec = std::make_shared<Recorder>();
  ProgressCallback cb = [rec, &session](const SolveProgress& p) {
    (*rec)(p);
    if (p.text == "Init: building game object...") session.cancel();
  };
  ASSERT_TRUE(session.start(config, cb));
  ASSERT_TRUE(rec->wait_final());
  ASSERT_TRUE(wait_idle(session));
  const auto reports = rec->reports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1].text, "Cancelled");
  EXPECT_EQ(reports[1].result->message, "Cancelled");
  EXPECT_FALSE(session.stored_result().first);
  // The next run is not affected by the cancel.
  EXPECT_EQ(run_to_end(session, river_config()).back().text, "Done");
}

// A closing program waits for the worker only so long: wait_idle answers
// whether the worker is gone, and keeps answering false while it still holds
// the session (here, kept busy in its own report).
TEST(SolveSessionControl, WaitIdleTellsWhetherAWorkerStillHoldsTheSession) {
  SolveSession session;
  EXPECT_TRUE(session.wait_idle(std::chrono::milliseconds(0)));
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  auto rec = std::make_shared<Recorder>();
  ProgressCallback cb = [rec, released](const SolveProgress& p) {
    (*rec)(p);
    if (p.text == "Init: building game object...") released.wait();
  };
  ASSERT_TRUE(session.start(turn_config(), cb));
  ASSERT_TRUE(rec->wait_reports(1));
  session.cancel();
  EXPECT_FALSE(session.wait_idle(std::chrono::milliseconds(30)));
  EXPECT_TRUE(session.is_running());
  release.set_value();
  ASSERT_TRUE(session.wait_idle(std::chrono::seconds(60)));
  EXPECT_FALSE(session.is_running());
  const auto reports = rec->reports();
  EXPECT_EQ(reports.back().text, "Cancelled");
  EXPECT_EQ(count_results(reports), 1);
}

TEST(SolveSessionControl, SecondStartIsRefusedAndLeavesTheFirstRunAlone) {
  SolveSession session;
  SolveConfig config = turn_config();
  config.max_iterations = 1000000;
  auto first = std::make_shared<Recorder>();
  auto second = std::make_shared<Recorder>();
  ASSERT_TRUE(session.start(config, first->callback(first)));
  EXPECT_FALSE(session.start(river_config(), second->callback(second)));
  ASSERT_TRUE(first->wait_reports(5));
  EXPECT_TRUE(session.is_running());
  session.cancel();
  ASSERT_TRUE(first->wait_final());
  ASSERT_TRUE(wait_idle(session));
  EXPECT_EQ(first->reports().back().text, "Cancelled");
  EXPECT_TRUE(second->reports().empty());
}

TEST(SolveSessionControl, CancelWhileIdleDoesNotStopTheNextSolve) {
  SolveSession session;
  session.cancel();
  session.cancel();
  const auto reports = run_to_end(session, river_config());
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().text, "Done");
}

TEST(SolveSessionControl, ClearResultDuringASolveEmptiesTheStoreAndTheSolveStoresItsOwn) {
  SolveSession session;
  run_to_end(session, river_config());
  ASSERT_TRUE(session.stored_result().first);

  SolveConfig config = river_config();
  config.max_iterations = 400;
  auto rec = std::make_shared<Recorder>();
  // The worker waits at its first iteration report until the store was cleared.
  std::promise<void> reached, release;
  std::shared_future<void> released = release.get_future().share();
  ProgressCallback cb = [rec, &reached, released](const SolveProgress& p) {
    (*rec)(p);
    if (p.text.rfind("Iter 1 ", 0) == 0) {
      reached.set_value();
      released.wait();
    }
  };
  ASSERT_TRUE(session.start(config, cb));
  EXPECT_FALSE(session.stored_result().first) << "start drops the previous result";
  reached.get_future().wait();
  session.clear_result();
  EXPECT_FALSE(session.stored_result().first);
  EXPECT_FALSE(session.node_hand_strategy(0).ok);
  release.set_value();
  ASSERT_TRUE(rec->wait_final());
  ASSERT_TRUE(wait_idle(session));
  EXPECT_EQ(rec->reports().back().text, "Done");
  EXPECT_TRUE(session.stored_result().first);
  EXPECT_TRUE(session.node_hand_strategy(0).ok);

  session.clear_result();
  EXPECT_FALSE(session.stored_result().second);
  EXPECT_FALSE(session.node_action_stats(0).ok);
}

TEST(SolveSessionControl, DestroyingTheSessionMidSolveCancelsAndWaitsForTheWorker) {
  SolveConfig config = turn_config();
  config.max_iterations = 1000000;
  auto rec = std::make_shared<Recorder>();
  auto session = std::make_unique<SolveSession>();
  ASSERT_TRUE(session->start(config, rec->callback(rec)));
  ASSERT_TRUE(rec->wait_reports(5));
  session.reset();  // must not return before the worker let go of the session
  const auto reports = rec->reports();
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().text, "Cancelled");
  EXPECT_EQ(count_results(reports), 1);
  // The worker released its copy of the callback before finishing.
  EXPECT_EQ(rec.use_count(), 1);
}

TEST(SolveSessionControl, ReceiverErrorEndsTheRunWithOneErrorReport) {
  SolveSession session;
  SolveConfig config = river_config();
  auto rec = std::make_shared<Recorder>();
  ProgressCallback cb = [rec](const SolveProgress& p) {
    (*rec)(p);
    if (p.text.rfind("Iter 2 ", 0) == 0) throw std::runtime_error("receiver failed");
  };
  ASSERT_TRUE(session.start(config, cb));
  ASSERT_TRUE(rec->wait_final());
  ASSERT_TRUE(wait_idle(session));
  const auto reports = rec->reports();
  EXPECT_EQ(count_results(reports), 1);
  EXPECT_EQ(reports.back().text, "Error: receiver failed");
  EXPECT_EQ(reports.back().result->message, "receiver failed");
  EXPECT_FALSE(session.stored_result().first);
}

// Runs a request expected to fail before solving; returns its one report.
SolveProgress failing_run(const SolveConfig& config) {
  SolveSession session;
  const auto reports = run_to_end(session, config);
  EXPECT_EQ(count_results(reports), 1);
  EXPECT_FALSE(session.is_running());
  EXPECT_FALSE(session.stored_result().first);
  return reports.empty() ? SolveProgress{} : reports.back();
}

std::string core_range_error(const char* text) {
  try {
    velmora::parse_range(text);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST(SolveSessionErrors, BadBoardRangeAndSizeTextsReportTheExactMessage) {
  SolveConfig c = river_config();
  c.board = "AhKs";
  SolveProgress p = failing_run(c);
  EXPECT_EQ(p.text, "Error: Board must include at least a flop (6 chars, e.g. AhKsQd)");
  EXPECT_EQ(p.fraction, 0.0);
  ASSERT_TRUE(p.result);
  EXPECT_FALSE(p.result->success);
  EXPECT_EQ(p.result->message, "Board must include at least a flop (6 chars, e.g. AhKsQd)");
  EXPECT_EQ(p.result->board, "AhKs");

  c = river_config();
  c.board = "AhAhKd7c2h";
  EXPECT_EQ(failing_run(c).text, "Error: Flop cards must be unique");

  c = river_config();
  c.oop_range = "AA,ZZ";
  const std::string range_error = core_range_error("AA,ZZ");
  ASSERT_FALSE(range_error.empty());
  EXPECT_EQ(failing_run(c).text, "Error: " + range_error);

  c = river_config();
  c.ip_range = "150%";
  EXPECT_EQ(failing_run(c).text, "Error: Weight must be within [0, 1]");

  c = river_config();
  c.oop_range = "AhKs";  // every combo touches the board
  EXPECT_EQ(failing_run(c).text, "Error: Player range empty after filtering board cards");

  c = river_config();
  c.oop_flop = testing::sizing("33", "2.5x, 1x");
  p = failing_run(c);
  EXPECT_EQ(p.text,
            "Error: OOP flop sizing (bet='33', raise='2.5x, 1x', bet_norm='33%', raise_norm='2.5x,1x'): "
            "Relative raise must exceed 1.0x");
  EXPECT_EQ(p.result->starting_pot, 100) << "the result carries what was read before the error";

  c = river_config();
  c.ip_river = testing::sizing(" 50 ", "1x", true);
  EXPECT_EQ(failing_run(c).text,
            "Error: IP river sizing (bet=' 50 ', raise='1x', bet_norm='50%,a', raise_norm='1x,a'): "
            "Relative raise must exceed 1.0x");

  c = river_config();
  c.oop_turn = testing::sizing("%", "");
  EXPECT_EQ(failing_run(c).text, "Error: Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");

  c = river_config();
  c.effective_stack = -100;
  EXPECT_EQ(failing_run(c).text, "Error: Starting pot and effective stack must not be negative");
}

// Requests that used to be solved into meaningless results: a start street
// whose card is not on the board, a board with trailing text, chips beyond
// what the tree's pots hold.
TEST(SolveSessionErrors, RequestsThatCannotBeSolvedAsTypedAreRefused) {
  SolveConfig c = river_config();
  c.board = "AhKs7d";
  EXPECT_EQ(failing_run(c).text, "Error: A river start needs a board of 5 cards (e.g. AhKsQd7c2h)");
  c.starting_street = "turn";
  EXPECT_EQ(failing_run(c).text, "Error: A turn start needs a board of 4 cards (e.g. AhKsQd7c)");

  for (const char* board : {"AhKsQd7", "Qs8s3dTh2cJc", "AhKsQd7c2"}) {
    c = river_config();
    c.board = board;
    EXPECT_EQ(failing_run(c).text, "Error: Board must be a flop, turn or river (6, 8 or 10 chars, e.g. AhKsQd)")
        << board;
  }

  c = river_config();
  c.starting_pot = 2000000000;
  EXPECT_EQ(failing_run(c).text, "Error: Starting pot and effective stack must not exceed 1000000 chips");
  c.starting_pot = 100;
  c.effective_stack = 1000001;
  EXPECT_EQ(failing_run(c).text, "Error: Starting pot and effective stack must not exceed 1000000 chips");

  // The largest pot and stack are solved, and every pot in the result is exact.
  c.starting_pot = 1000000;
  c.effective_stack = 1000000;
  c.max_iterations = 5;
  SolveSession session;
  const auto reports = run_to_end(session, c);
  ASSERT_TRUE(reports.back().result && reports.back().result->success) << reports.back().text;
  for (const ResultNode& n : reports.back().result->nodes) {
    EXPECT_GE(n.pot, 1000000);
    EXPECT_LE(n.pot, 3000000);
  }
}

// A rake percent outside 0..100 or a cap that is negative or not finite
// used to be solved into payoffs worth more than the pot (-50 %) or less
// than nothing for both seats (500 %); NaN passed as well. The estimate and
// the solve refuse them with the same text.
TEST(SolveSessionErrors, RakeOutsideItsRangeIsRefusedAtEstimateAndStart) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::string percent_error = "Rake percent must be a number within [0, 100]";
  const std::string cap_error = "Rake cap must be a finite number of chips, 0 or more";
  struct Case {
    double percent;
    double cap;
    const std::string& error;
  };
  const Case refused[] = {{-50.0, 10.0, percent_error}, {500.0, 1e9, percent_error}, {nan, 0.0, percent_error},
                          {100.0001, 5.0, percent_error}, {-inf, 0.0, percent_error}, {5.0, -1.0, cap_error},
                          {5.0, inf, cap_error},          {5.0, nan, cap_error}};
  for (const Case& k : refused) {
    SolveConfig c = river_config();
    c.rake_percent = k.percent;
    c.rake_cap = k.cap;
    EXPECT_EQ(failing_run(c).text, "Error: " + k.error) << k.percent << "% cap " << k.cap;
    std::string error;
    EXPECT_FALSE(estimate_solve_memory(c, &error).has_value());
    EXPECT_EQ(error, k.error) << k.percent << "% cap " << k.cap;
  }
  for (const auto& [percent, cap] : {std::pair{0.0, 0.0}, std::pair{100.0, 1e9}, std::pair{5.0, 0.0}}) {
    SolveConfig c = river_config();
    c.rake_percent = percent;
    c.rake_cap = cap;
    std::string error;
    EXPECT_TRUE(estimate_solve_memory(c, &error).has_value()) << percent << "% cap " << cap << ": " << error;
  }

  // A rake in range takes from the pot and never adds to it: the two seats'
  // values sum to the pot less at most the cap.
  SolveConfig c = river_config();
  c.rake_percent = 5.0;
  c.rake_cap = 3.0;
  SolveSession session;
  const auto reports = run_to_end(session, c);
  ASSERT_TRUE(reports.back().result && reports.back().result->success) << reports.back().text;
  const SolveResult& r = *reports.back().result;
  const double total = static_cast<double>(r.ev_oop) + static_cast<double>(r.ev_ip);
  EXPECT_LE(total, 100.0 + 1e-3);
  EXPECT_GE(total, 100.0 - 3.0 - 1e-3);
}

}  // namespace
}  // namespace velmora_app
