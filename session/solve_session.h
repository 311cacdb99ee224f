// Runs one solve at a time on a worker thread and keeps the last solved game
// for the result queries.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "session/node_records.h"
#include "session/solve_types.h"

namespace velmora {
class Game;
class DiscountedCfr;
}  // namespace velmora

namespace velmora_app {

// Life of a run: `start` accepts a request, the worker reports
// "Init: ...", one "Iter N | exploitability≈x.xxxx" per iteration,
// "Finalizing: ..." and ends with exactly one final report that carries a
// SolveResult: "Done" (success, result stored), "Cancelled" or
// "Error: <message>". `is_running` turns false only after that final report
// has returned.
//
// Thread start failure: when no worker thread can be started, `start` does
// not throw and does not leave the session running. The callback receives the
// single final report "Error: <message>" with a failed result at once, on the
// caller's thread, the running flag is cleared, and `start` returns true (the
// request was accepted and answered). `start` returns false only while another
// solve runs.
//
// Destruction: the destructor cancels a running solve and waits until every
// worker has sent its final report and let go of the session, so no worker
// outlives the session it refers to. The callback must therefore not destroy
// the session.
class SolveSession {
 public:
  SolveSession() = default;
  ~SolveSession();
  SolveSession(const SolveSession&) = delete;
  SolveSession& operator=(const SolveSession&) = delete;

  bool start(const SolveConfig& config, ProgressCallback callback);
  void cancel();
  void clear_result();
  bool is_running() const;
  // Waits up to `timeout` until no worker holds the session any more (the
  // last one has sent its final report and let go); false when one still does.
  bool wait_idle(std::chrono::milliseconds timeout);

  // Result queries on the stored game; `ok` false when nothing is stored or
  // the node cannot be answered.
  NodeActionStats node_action_stats(std::uint64_t node) const;
  NodeHandBuckets node_hand_buckets(std::uint64_t node) const;
  NodeHandStrategy node_hand_strategy(std::uint64_t node) const;
  NodeHandCombos node_hand_combos(std::uint64_t node) const;
  // Throws the card parser's error for a card text it rejects.
  PocketActionEvs node_pocket_action_evs(std::uint64_t node, int seat, const std::string& card1,
                                         const std::string& card2) const;
  NodeHandCombos node_seat_hand_combos(std::uint64_t node, bool ip) const;

  // Copies of the stored pair, taken under the mutex (both empty when none).
  std::pair<std::shared_ptr<velmora::Game>, std::shared_ptr<velmora::DiscountedCfr>> stored_result() const;

 private:
  struct WorkerTask;
  static void run_solve_thread(WorkerTask* task);
  void store_result(std::shared_ptr<velmora::Game> game, std::shared_ptr<velmora::DiscountedCfr> solver);
  void worker_done();

  std::atomic<bool> running{false};
  std::atomic<bool> cancel_requested{false};
  mutable std::mutex mutex;  // guards game and solver only
  std::shared_ptr<velmora::Game> game;
  std::shared_ptr<velmora::DiscountedCfr> solver;

  // Workers that still hold a reference to the session: a worker keeps
  // freeing its objects for a moment after it cleared `running`.
  std::mutex finish_mutex;
  std::condition_variable finish_cv;
  int active_workers = 0;
};

}  // namespace velmora_app
