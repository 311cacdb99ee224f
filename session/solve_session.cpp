#include "session/solve_session.h"

#include <exception>

#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/threads.h"
#include "session/node_queries.h"
#include "session/solve_worker.h"

namespace velmora_app {

SolveSession::~SolveSession() {
  cancel();
  std::unique_lock<std::mutex> lock(finish_mutex);
  finish_cv.wait(lock, [this] { return active_workers == 0; });
}

bool SolveSession::start(const SolveConfig& config, ProgressCallback callback) {
  if (running.exchange(true)) return false;
  cancel_requested.store(false);
  {
    std::lock_guard<std::mutex> lock(mutex);
    game.reset();
    solver.reset();
  }

  {
    std::lock_guard<std::mutex> lock(finish_mutex);
    ++active_workers;
  }
  std::unique_ptr<WorkerTask> task;
  std::string failure;
  try {
    task = std::make_unique<WorkerTask>(WorkerTask{*this, config, callback});
    velmora::Thread worker([raw = task.get()] { run_solve_thread(raw); });
    task.release();  // the worker owns it now
    worker.detach();
    return true;
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "Unknown error";
  }
  // No worker will report: answer the request here, once, and go idle.
  task.reset();
  report_start_failure(config, callback, failure);
  running.store(false);
  worker_done();
  return true;
}

void SolveSession::cancel() { cancel_requested.exchange(true); }

void SolveSession::clear_result() {
  std::lock_guard<std::mutex> lock(mutex);
  game.reset();
  solver.reset();
}

bool SolveSession::is_running() const { return running.load(); }

bool SolveSession::wait_idle(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(finish_mutex);
  return finish_cv.wait_for(lock, timeout, [this] { return active_workers == 0; });
}

std::pair<std::shared_ptr<velmora::Game>, std::shared_ptr<velmora::DiscountedCfr>> SolveSession::stored_result()
    const {
  std::lock_guard<std::mutex> lock(mutex);
  return {game, solver};
}

void SolveSession::store_result(std::shared_ptr<velmora::Game> g, std::shared_ptr<velmora::DiscountedCfr> s) {
  std::lock_guard<std::mutex> lock(mutex);
  game = std::move(g);
  solver = std::move(s);
}

void SolveSession::worker_done() {
  // Last touch of the session by a worker: the destructor may proceed as
  // soon as this lock is released.
  std::lock_guard<std::mutex> lock(finish_mutex);
  --active_workers;
  finish_cv.notify_all();
}

// Every query copies the stored pair under the mutex and reads only its
// copies, so a solve that replaces or drops the result meanwhile cannot pull
// the objects away from under it.

NodeActionStats SolveSession::node_action_stats(std::uint64_t node) const {
  const auto [g, s] = stored_result();
  if (!g || !s) return {};
  return velmora_app::node_action_stats(*g, *s, node);
}

NodeHandBuckets SolveSession::node_hand_buckets(std::uint64_t node) const {
  const auto [g, s] = stored_result();
  if (!g || !s) return {};
  return velmora_app::node_hand_buckets(*g, *s, node);
}

NodeHandStrategy SolveSession::node_hand_strategy(std::uint64_t node) const {
  const auto [g, s] = stored_result();
  if (!g || !s) return {};
  return velmora_app::node_hand_strategy(*g, *s, node);
}

NodeHandCombos SolveSession::node_hand_combos(std::uint64_t node) const {
  const auto [g, s] = stored_result();
  if (!g || !s) return {};
  return velmora_app::node_hand_combos(*g, *s, node);
}

PocketActionEvs SolveSession::node_pocket_action_evs(std::uint64_t node, int seat, const std::string& card1,
                                                     const std::string& card2) const {
  const auto [g, s] = stored_result();
  if (!g || !s) return {};
  return velmora_app::node_pocket_action_evs(*g, *s, node, seat, card1, card2);
}

NodeHandCombos SolveSession::node_seat_hand_combos(std::uint64_t node, bool ip) const {
  const auto [g, s] = stored_result();
  if (!g) return {};
  return velmora_app::node_seat_hand_combos(*g, node, ip);
}

}  // namespace velmora_app
