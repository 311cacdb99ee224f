// Small spots and a report recorder shared by the session tests.
#pragma once
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "session/solve_session.h"
#include "session/solve_types.h"

namespace velmora_app::testing {

inline StreetSizing sizing(const char* bets, const char* raises, bool all_in = false, bool dont_donk = false) {
  StreetSizing s;
  s.bet_sizes = bets;
  s.raise_sizes = raises;
  s.add_all_in = all_in;
  s.dont_donk = dont_donk;
  return s;
}

// A river spot small enough to solve in well under a second.
inline SolveConfig river_config() {
  SolveConfig c;
  c.board = "AhKsQd7c2h";
  c.starting_street = "river";
  c.starting_pot = 100;
  c.effective_stack = 200;
  c.max_iterations = 60;
  c.target_exploitability = 0.0f;
  c.thread_count = 2;
  c.oop_range = "AA,KK,QQ,77,22,AK,AQ,KQ,JTs,T9s,65s";
  c.ip_range = "AA,KK,AK,AQ,AJ,KJ,QJ,JJ,TT,98s";
  const StreetSizing oop = sizing("50", "", true);
  const StreetSizing ip = sizing("50", "", true);
  c.oop_flop = c.oop_turn = c.oop_river = oop;
  c.ip_flop = c.ip_turn = c.ip_river = ip;
  return c;
}

// A turn spot: one chance level below the turn decisions.
inline SolveConfig turn_config() {
  SolveConfig c = river_config();
  c.board = "AhKsQd7c";
  c.starting_street = "turn";
  c.max_iterations = 20;
  c.oop_range = "AA,KK,QQ,AK,AQ,JTs,65s";
  c.ip_range = "AA,AK,AJ,KJ,JJ,TT";
  const StreetSizing s = sizing("75", "", false);
  c.oop_turn = c.oop_river = s;
  c.ip_turn = c.ip_river = s;
  return c;
}

// Collects every report of one run; the final one is the one with a result.
class Recorder {
 public:
  void operator()(const SolveProgress& p) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (finished_) ++after_final_;
    reports_.push_back(p);
    finished_ = finished_ || p.result.has_value();
    cv_.notify_all();
  }

  bool wait_final(std::chrono::seconds timeout = std::chrono::seconds(60)) {
    std::unique_lock<std::mutex> lock(mutex_);
    return cv_.wait_for(lock, timeout, [this] { return finished_; });
  }

  // Blocks until `n` reports have arrived; false when the run ended first.
  bool wait_reports(std::size_t n, std::chrono::seconds timeout = std::chrono::seconds(60)) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait_for(lock, timeout, [&] { return reports_.size() >= n || finished_; });
    return reports_.size() >= n;
  }

  std::vector<SolveProgress> reports() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
  }

  int reports_after_final() {
    std::lock_guard<std::mutex> lock(mutex_);
    return after_final_;
  }

  static ProgressCallback callback(const std::shared_ptr<Recorder>& self) {
    return [self](const SolveProgress& p) { (*self)(p); };
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::vector<SolveProgress> reports_;
  bool finished_ = false;
  int after_final_ = 0;
};

inline bool wait_idle(const SolveSession& session, std::chrono::seconds timeout = std::chrono::seconds(60)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (session.is_running()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Runs one request to its end and returns every report.
inline std::vector<SolveProgress> run_to_end(SolveSession& session, const SolveConfig& config) {
  auto rec = std::make_shared<Recorder>();
  if (!session.start(config, rec->callback(rec))) return {};
  rec->wait_final();
  wait_idle(session);
  return rec->reports();
}

}  // namespace velmora_app::testing
