// Developer tool: compares the solve memory estimate with the peak resident
// memory of building and solving the same spot for a few iterations, and
// measures how soon a cancel takes effect in each set-up stage and inside an
// iteration, and how soon the session's destructor (a closing window) returns.
//
//   memory_estimate_bench [SPOT.json ...] [--iterations N] [--threads N] [--no-latency]
//
// Spot files hold the snake_case keys of the solve configuration map (see
// bench/spots). Without a spot argument every bench/spots/*.json under the
// current directory is read. A spot whose estimate exceeds 80 % of the
// memory the process may take (as the program counts it: the least of the
// system's, its control group's and its address space's) is estimated but
// not solved. Each spot runs in a process
// of its own, so memory freed by one spot cannot hide the growth of the
// next; its peak is the growth of the high-water mark over the resident
// memory before the solve's set-up. A spot the program refuses, whose
// estimate fails, or that is too large to be solved here is reported with
// its reason and ends the bench with exit code 1 once the other spots are
// done.
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "spot_file.h"
#include "backend/platform/memory_limits.h"
#include "core/cancel.h"
#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/runout_matchups.h"
#include "session/memory_estimate.h"
#include "session/solve_inputs.h"
#include "session/solve_session.h"
#include "session/solve_types.h"

using json = nlohmann::json;
using velmora_app::SolveConfig;
using Clock = std::chrono::steady_clock;

namespace {

// A "/proc/self/status" field in bytes (the file gives kB).
unsigned long long proc_field_bytes(const char* file, const char* key) {
  std::ifstream in(file);
  std::string line;
  const std::size_t len = std::strlen(key);
  while (std::getline(in, line)) {
    if (line.compare(0, len, key) == 0 && line.size() > len && line[len] == ':') {
      return std::strtoull(line.c_str() + len + 1, nullptr, 10) * 1024ull;
    }
  }
  return 0;
}

long long rss() { return static_cast<long long>(proc_field_bytes("/proc/self/status", "VmRSS")); }
long long high_water() { return static_cast<long long>(proc_field_bytes("/proc/self/status", "VmHWM")); }

// Resets the high-water mark to the current resident size.
bool reset_high_water() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  return static_cast<bool>(out.flush());
}

double mib(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }
double ms_since(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

SolveConfig read_spot(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  return bench_spot::read_config(json::parse(in));
}

// ---------------------------------------------------------------------------
// Estimate against the measured peak

struct Outcome {
  std::string name;
  double estimate_mib = 0.0;
  double peak_mib = 0.0;
  bool solved = false;
  bool refused = false;  // the spot's request was refused or could not be estimated
  bool too_large = false;  // estimated, but not solved for lack of memory
};

Outcome run_spot(const std::string& path, std::uint32_t iterations, long threads) {
  SolveConfig config = read_spot(path);
  if (threads > 0) config.thread_count = static_cast<std::uint64_t>(threads);
  Outcome out;
  out.name = std::filesystem::path(path).filename().string();
  std::printf("== %s (board %s, %u thread(s))\n", path.c_str(), config.board.c_str(),
              static_cast<unsigned>(config.thread_count));

  if (const std::string refusal = bench_spot::request_refusal(config); !refusal.empty()) {
    std::printf("   refused: %s\n", refusal.c_str());
    out.refused = true;
    return out;
  }
  const auto t0 = Clock::now();
  std::string error;
  const auto est = velmora_app::estimate_solve_memory(config, &error);
  const double est_ms = ms_since(t0);
  if (!est) {
    std::printf("   estimate failed: %s\n", error.c_str());
    out.refused = true;
    return out;
  }
  out.estimate_mib = mib(static_cast<long long>(est->total_bytes));
  std::printf("   estimate in %.1f ms: %.2f MiB = (tree %.2f + cards %.2f + strategy %.2f + all-in tables %.2f) x 1.1\n",
              est_ms, mib(est->total_bytes), mib(est->tree_bytes), mib(est->card_context_bytes),
              mib(est->strategy_bytes), mib(est->runout_table_bytes));
  std::printf("   nodes %llu, decision nodes %llu, hands %llu / %llu\n",
              static_cast<unsigned long long>(est->node_count),
              static_cast<unsigned long long>(est->decision_node_count),
              static_cast<unsigned long long>(est->oop_hand_count), static_cast<unsigned long long>(est->ip_hand_count));

  const unsigned long long available = velmora_platform::availableMemoryBytes();
  if (available != 0 && est->total_bytes > available / 10 * 8) {
    std::printf("   not solved: the estimate exceeds 80%% of the %.1f MiB available\n", mib(available));
    out.too_large = true;
    return out;
  }

  // The estimate's freed memory goes back to the system first, so the solve
  // cannot reuse it unseen.
  malloc_trim(0);
  if (!reset_high_water()) std::printf("   (the high-water mark could not be reset)\n");
  const long long before = rss();
  {
    const velmora::Board board = velmora_app::parse_request_board(config.board);
    const auto ranges = velmora_app::parse_request_ranges(config);
    const velmora::TreeConfig tree = velmora_app::build_tree_config(config, board, true);
    const auto t1 = Clock::now();
    velmora::Game game(tree, velmora::CardContext(board, ranges));
    const double build_ms = ms_since(t1);
    const long long built_peak = high_water();

    velmora::SolverConfig sc;
    sc.max_iterations = iterations;
    sc.target_exploitability = 0.0f;
    sc.exploitability_interval = 0;  // one measurement, after the last iteration
    sc.compress = config.compress;
    sc.thread_count = config.thread_count;
    const auto t2 = Clock::now();
    velmora::DiscountedCfr solver(sc);
    solver.solve(game);
    const double solve_ms = ms_since(t2);
    const long long peak = high_water();
    std::printf("   measured: set-up %.0f ms (peak +%.2f MiB), %u iteration(s) in %.0f ms, peak +%.2f MiB\n",
                build_ms, mib(built_peak - before), solver.iterations_done(), solve_ms, mib(peak - before));
    std::printf("   held: cards %.1f MiB, all-in tables %.1f MiB, matrices %.1f MiB\n",
                mib(static_cast<long long>(game.card_context().memory_bytes())),
                mib(static_cast<long long>(game.runout_matchups().memory_bytes())),
                mib(static_cast<long long>(solver.matrix_bytes())));
    out.peak_mib = mib(peak - before);
    out.solved = true;
  }
  const double ratio = out.peak_mib > 0 ? out.estimate_mib / out.peak_mib : 0.0;
  std::printf("   estimate %.1f MiB / peak %.1f MiB = %.3f (%s)\n", out.estimate_mib, out.peak_mib, ratio,
              ratio >= 0.9 && ratio <= 1.1 ? "within 10%" : "OUTSIDE 10%");
  return out;
}

// ---------------------------------------------------------------------------
// Cancel latency per set-up stage

// Runs `work` on a thread, sets the flag `delay_ms` after the start and
// returns the milliseconds from the flag to the end of the work (negative
// when the work ended before the flag was set).
double cancel_latency_once(double delay_ms, const std::function<void(const velmora::CancelFlag*)>& work) {
  velmora::CancelFlag flag{false};
  std::atomic<bool> finished{false};
  auto done = std::async(std::launch::async, [&] {
    try {
      work(&flag);
    } catch (const velmora::SetupCancelled&) {
    }
    finished.store(true);
  });
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delay_ms));
  if (finished.load()) {
    done.get();
    return -1.0;
  }
  const auto t = Clock::now();
  flag.store(true);
  done.get();
  return ms_since(t);
}

// The same, trying earlier cancels when a repeat of the work (its memory now
// warm) ends before the flag: a stage is measured whenever it can be.
double cancel_latency(double delay_ms, const std::function<void(const velmora::CancelFlag*)>& work) {
  double latency = -1.0;
  for (int attempt = 0; attempt < 4 && latency < 0.0; ++attempt, delay_ms /= 2) {
    latency = cancel_latency_once(delay_ms, work);
  }
  return latency;
}

double timed_ms(const std::function<void()>& work) {
  const auto t = Clock::now();
  work();
  return ms_since(t);
}

void print_latency(const char* stage, double full_ms, double latency_ms) {
  if (latency_ms < 0.0) {
    std::printf("   %-34s %9.0f ms uncancelled, finished before the cancel\n", stage, full_ms);
  } else {
    std::printf("   %-34s %9.0f ms uncancelled, stopped %7.1f ms after the cancel\n", stage, full_ms, latency_ms);
  }
}

// ---------------------------------------------------------------------------
// Cancel latency inside an iteration

// Solves until the cancel flag is set `fraction` of an iteration's time after
// the second iteration ended; returns the milliseconds from the flag to the
// end of solve, and the iteration's time in `iteration_ms`.
double iteration_cancel_latency(velmora::Game& game, velmora::SolverConfig sc, double fraction,
                                double& iteration_ms) {
  velmora::CancelFlag flag{false};
  std::mutex mutex;
  std::condition_variable cv;
  double second_ms = -1.0;
  sc.max_iterations = 1000000;
  sc.exploitability_interval = 0;
  sc.cancel = &flag;
  sc.on_progress = [&](std::uint32_t it, float, double ms) {
    if (it != 2) return;
    std::lock_guard<std::mutex> lock(mutex);
    second_ms = ms;
    cv.notify_all();
  };
  Clock::time_point set_at;
  std::thread canceller([&] {
    std::unique_lock<std::mutex> lock(mutex);
    cv.wait(lock, [&] { return second_ms >= 0.0; });
    const double wait_ms = second_ms * fraction;
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait_ms));
    set_at = Clock::now();
    flag.store(true);
  });
  velmora::DiscountedCfr solver(sc);
  solver.solve(game);
  const double latency = ms_since(set_at);
  canceller.join();
  iteration_ms = second_ms;
  return latency;
}

// The same through the session: its destructor (a window closing) cancels
// and waits for the worker, `fraction` of an iteration into the third one.
double close_in_iteration_ms(const SolveConfig& config, double iteration_ms, double fraction) {
  SolveConfig endless = config;
  endless.max_iterations = 1000000;
  std::mutex mutex;
  std::condition_variable cv;
  int iterations = 0;
  auto session = std::make_unique<velmora_app::SolveSession>();
  session->start(endless, [&](const velmora_app::SolveProgress& p) {
    if (p.text.rfind("Iter ", 0) != 0) return;
    std::lock_guard<std::mutex> lock(mutex);
    ++iterations;
    cv.notify_all();
  });
  {
    std::unique_lock<std::mutex> lock(mutex);
    cv.wait(lock, [&] { return iterations >= 2; });
  }
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(iteration_ms * fraction));
  return timed_ms([&] { session.reset(); });
}

void run_latency(const std::string& path) {
  SolveConfig config = read_spot(path);
  std::printf("== cancel latency per set-up stage: %s (cancel half-way through each stage, earlier when a repeat ends sooner)\n", path.c_str());
  const velmora::Board board = velmora_app::parse_request_board(config.board);
  const auto ranges = velmora_app::parse_request_ranges(config);
  const velmora::TreeConfig tree = velmora_app::build_tree_config(config, board, true);

  // The card context is cached while one for the same inputs lives: each
  // timed build below (the estimate's too) starts with none alive.
  const double estimate_ms = timed_ms([&] { velmora_app::estimate_solve_memory(config); });
  print_latency("memory estimate", estimate_ms, cancel_latency(estimate_ms / 2, [&](const velmora::CancelFlag* f) {
                  velmora_app::EstimateOptions o;
                  o.cancel = f;
                  velmora_app::estimate_solve_memory(config, nullptr, o);
                }));
  const double context_ms = timed_ms([&] { velmora::CardContext c(board, ranges); });
  print_latency("card context", context_ms,
                cancel_latency(context_ms / 2, [&](const velmora::CancelFlag* f) { velmora::CardContext c(board, ranges, f); }));

  const velmora::CardContext context(board, ranges);
  // The first build of the tree also pays for the process's first touch of
  // that much memory; the game's build below does not, so the tree's time
  // taken from it is the faster of two builds.
  double plan_ms = timed_ms([&] { velmora::ActionPlan p(tree, &context); });
  plan_ms = std::min(plan_ms, timed_ms([&] { velmora::ActionPlan p(tree, &context); }));
  print_latency("betting tree", plan_ms,
                cancel_latency(plan_ms / 2, [&](const velmora::CancelFlag* f) { velmora::ActionPlan p(tree, &context, f); }));

  const std::uint64_t boards = velmora::RunoutMatchups::needed_boards(velmora::ActionPlan(tree, &context).nodes());
  const double game_ms = timed_ms([&] { velmora::Game g(tree, velmora::CardContext(context)); });
  print_latency("game records and all-in tables", game_ms - plan_ms,
                cancel_latency(plan_ms + (game_ms - plan_ms) / 2, [&](const velmora::CancelFlag* f) {
                  velmora::Game g(tree, velmora::CardContext(context), f);
                }));

  const bool with_rake = tree.rake_rate > 0.0 && tree.rake_cap > 0.0;
  const double tables_ms = timed_ms([&] { velmora::RunoutMatchups m; m.build(context, boards, with_rake); });
  print_latency("all-in tables alone", tables_ms, cancel_latency(tables_ms / 2, [&](const velmora::CancelFlag* f) {
                  velmora::RunoutMatchups m;
                  m.build(context, boards, with_rake, f);
                }));

  {
    // The solver's tables are laid out and zeroed before the first
    // iteration, which is where the solver looks at the cancel flag.
    velmora::Game game(tree, velmora::CardContext(context));
    velmora::SolverConfig sc;
    sc.max_iterations = 0;  // the tables only
    sc.thread_count = config.thread_count;
    const double prepare_ms = timed_ms([&] { velmora::DiscountedCfr(sc).prepare_states(game); });
    print_latency("solver tables", prepare_ms, cancel_latency(prepare_ms / 2, [&](const velmora::CancelFlag* f) {
                    velmora::SolverConfig cancelled = sc;
                    cancelled.should_cancel = [f] { return velmora::cancel_requested(f); };
                    cancelled.cancel = f;
                    velmora::DiscountedCfr(cancelled).solve(game);
                  }));

    // Inside an iteration: the iteration is abandoned where the flag finds
    // it (it used to run to its end).
    for (const double fraction : {0.25, 0.5, 0.75}) {
      double iteration_ms = 0.0;
      const double latency = iteration_cancel_latency(game, sc, fraction, iteration_ms);
      std::printf("   cancel %3.0f%% into an iteration of %5.0f ms   solve returned after %7.1f ms\n",
                  fraction * 100.0, iteration_ms, latency);
    }
  }


  // Closing mid set-up: the session's destructor cancels and waits for the
  // worker, as the controller's does when the window closes.
  config.max_iterations = 1000000;
  for (const double at : {context_ms / 2, context_ms + plan_ms / 2, context_ms + plan_ms + (game_ms - plan_ms) / 2}) {
    auto session = std::make_unique<velmora_app::SolveSession>();
    session->start(config, [](const velmora_app::SolveProgress&) {});
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(at));
    const double close_ms = timed_ms([&] { session.reset(); });
    std::printf("   close %7.0f ms into the set-up        destructor returned after %7.1f ms\n", at, close_ms);
  }
  {
    // An iteration's time on this spot, for the closes below.
    velmora::Game game(tree, velmora::CardContext(context));
    velmora::SolverConfig sc;
    sc.thread_count = config.thread_count;
    double iteration_ms = 0.0;
    iteration_cancel_latency(game, sc, 0.0, iteration_ms);
    for (const double fraction : {0.25, 0.5, 0.75}) {
      std::printf("   close %3.0f%% into an iteration of %5.0f ms   destructor returned after %7.1f ms\n",
                  fraction * 100.0, iteration_ms, close_in_iteration_ms(config, iteration_ms, fraction));
    }
  }
}

}  // namespace

// run_spot in a child process; its figures come back through a pipe.
Outcome run_spot_isolated(const std::string& path, std::uint32_t iterations, long threads) {
  std::fflush(stdout);
  int fds[2];
  if (pipe(fds) != 0) return run_spot(path, iterations, threads);
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return run_spot(path, iterations, threads);
  }
  if (pid == 0) {
    close(fds[0]);
    double figures[5] = {0.0, 0.0, 0.0, 1.0, 0.0};
    try {
      const Outcome o = run_spot(path, iterations, threads);
      figures[0] = o.estimate_mib;
      figures[1] = o.peak_mib;
      figures[2] = o.solved ? 1.0 : 0.0;
      figures[3] = o.refused ? 1.0 : 0.0;
      figures[4] = o.too_large ? 1.0 : 0.0;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
    }
    std::fflush(stdout);
    const ssize_t written = write(fds[1], figures, sizeof figures);
    _exit(written == static_cast<ssize_t>(sizeof figures) ? 0 : 1);
  }
  close(fds[1]);
  double figures[5] = {0.0, 0.0, 0.0, 0.0, 0.0};
  const ssize_t got = read(fds[0], figures, sizeof figures);
  close(fds[0]);
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  if (got != static_cast<ssize_t>(sizeof figures)) throw std::runtime_error("the spot's process gave no figures");
  Outcome out;
  out.name = std::filesystem::path(path).filename().string();
  out.estimate_mib = figures[0];
  out.peak_mib = figures[1];
  out.solved = figures[2] != 0.0;
  out.refused = figures[3] != 0.0;
  out.too_large = figures[4] != 0.0;
  return out;
}

int main(int argc, char** argv) {
  std::vector<std::string> spots;
  std::uint32_t iterations = 3;
  long threads = -1;
  bool latency = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--iterations" || arg == "--threads") && i + 1 < argc) {
      const long v = std::strtol(argv[++i], nullptr, 10);
      if (v < 0) {
        std::fprintf(stderr, "%s must not be negative\n", arg.c_str());
        return 2;
      }
      if (arg == "--iterations") {
        iterations = static_cast<std::uint32_t>(v);
      } else {
        threads = v;
      }
    } else if (arg == "--no-latency") {
      latency = false;
    } else if (!arg.empty() && arg[0] == '-') {
      std::fprintf(stderr,
                   "usage: memory_estimate_bench [SPOT.json ...] [--iterations N] [--threads N] [--no-latency]\n");
      return 2;
    } else {
      spots.push_back(arg);
    }
  }
  if (spots.empty()) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("bench/spots", ec)) {
      if (entry.path().extension() == ".json") spots.push_back(entry.path().string());
    }
    std::sort(spots.begin(), spots.end());
  }
  if (spots.empty()) {
    std::fprintf(stderr, "no spot given and no bench/spots/*.json under the current directory\n");
    return 2;
  }
  int status = 0;
  std::vector<Outcome> outcomes;
  std::string largest;
  unsigned long long largest_bytes = 0;
  for (const auto& spot : spots) {
    try {
      outcomes.push_back(run_spot_isolated(spot, iterations, threads));
      if (outcomes.back().refused || outcomes.back().too_large) status = 1;
      const auto bytes = static_cast<unsigned long long>(outcomes.back().estimate_mib * 1048576.0);
      if (outcomes.back().solved && bytes > largest_bytes) {
        largest_bytes = bytes;
        largest = spot;
      }
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", spot.c_str(), e.what());
      status = 1;
    }
  }
  std::printf("\n%-24s %12s %12s %8s\n", "spot", "estimate MiB", "peak MiB", "ratio");
  for (const Outcome& o : outcomes) {
    if (!o.solved) continue;
    std::printf("%-24s %12.1f %12.1f %8.3f\n", o.name.c_str(), o.estimate_mib, o.peak_mib,
                o.peak_mib > 0 ? o.estimate_mib / o.peak_mib : 0.0);
  }
  if (latency && !largest.empty()) {
    std::printf("\n");
    try {
      run_latency(largest);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "latency: %s\n", e.what());
      status = 1;
    }
  }
  return status;
}
