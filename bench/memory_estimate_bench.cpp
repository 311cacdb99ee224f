// Developer tool: compares the solve memory estimate with the growth of the
// process's resident memory while the same spot is built and solved for a
// few iterations.
//
//   memory_estimate_bench [SPOT.json ...] [--iterations N] [--threads N]
//
// Spot files hold the snake_case keys of the solve configuration map (see
// bench/spots). Without a spot argument bench/spots/flop.json is read from
// the current directory. A spot whose estimate exceeds 80 % of the available
// memory is estimated but not solved.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/memory_estimate.h"
#include "session/solve_inputs.h"
#include "session/solve_types.h"

using json = nlohmann::json;
using velmora_app::SolveConfig;

namespace {

// A "/proc/self/status" or "/proc/meminfo" field in bytes (the files give kB).
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

unsigned long long rss() { return proc_field_bytes("/proc/self/status", "VmRSS"); }

double mib(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

velmora_app::StreetSizing read_sizing(const json& j, const std::string& prefix) {
  velmora_app::StreetSizing s;
  s.bet_sizes = j.value(prefix + "_bet_sizes", std::string());
  s.raise_sizes = j.value(prefix + "_raise_sizes", std::string());
  s.add_all_in = j.value(prefix + "_add_all_in", false);
  s.dont_donk = j.value(prefix + "_dont_donk", false);
  return s;
}

SolveConfig read_spot(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  const json j = json::parse(in);
  SolveConfig c;
  c.board = j.value("board", std::string());
  c.starting_pot = j.value("starting_pot", 100);
  c.effective_stack = j.value("effective_stack", 100);
  c.rake_percent = j.value("rake_percent", 0.0);
  c.rake_cap = j.value("rake_cap", 0.0);
  c.starting_street = j.value("starting_street", std::string("flop"));
  c.max_iterations = j.value("max_iterations", 2000u);
  c.target_exploitability = j.value("target_exploitability", 0.1f);
  c.thread_count = j.value("thread_count", 1u);
  c.compress = j.value("compress", false);
  c.oop_range = j.value("oop_range", std::string());
  c.ip_range = j.value("ip_range", std::string());
  c.oop_flop = read_sizing(j, "oop_flop");
  c.oop_turn = read_sizing(j, "oop_turn");
  c.oop_river = read_sizing(j, "oop_river");
  c.ip_flop = read_sizing(j, "ip_flop");
  c.ip_turn = read_sizing(j, "ip_turn");
  c.ip_river = read_sizing(j, "ip_river");
  if (j.value("oop_add_all_in_jam_threshold_enabled", false)) {
    c.oop_jam_threshold_pct = j.value("oop_add_all_in_jam_threshold_pct", 0.0);
  }
  if (j.value("ip_add_all_in_jam_threshold_enabled", false)) {
    c.ip_jam_threshold_pct = j.value("ip_add_all_in_jam_threshold_pct", 0.0);
  }
  return c;
}

void run_spot(const std::string& path, std::uint32_t iterations, long threads) {
  SolveConfig config = read_spot(path);
  if (threads > 0) config.thread_count = static_cast<std::uint64_t>(threads);
  std::printf("== %s (board %s, %u thread(s))\n", path.c_str(), config.board.c_str(),
              static_cast<unsigned>(config.thread_count));

  const auto t0 = std::chrono::steady_clock::now();
  std::string error;
  const auto est = velmora_app::estimate_solve_memory(config, &error);
  const double est_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  if (!est) {
    std::printf("   estimate failed: %s\n", error.c_str());
    return;
  }
  std::printf("   estimate (%.0f ms): total %.1f MiB = (tree %.1f + cards %.1f + strategy %.1f) x 1.1\n", est_ms,
              mib(est->total_bytes), mib(est->tree_bytes), mib(est->card_context_bytes), mib(est->strategy_bytes));
  std::printf("   nodes %llu, decision nodes %llu, hands %llu / %llu\n",
              static_cast<unsigned long long>(est->node_count),
              static_cast<unsigned long long>(est->decision_node_count),
              static_cast<unsigned long long>(est->oop_hand_count), static_cast<unsigned long long>(est->ip_hand_count));

  const unsigned long long available = proc_field_bytes("/proc/meminfo", "MemAvailable");
  if (available != 0 && est->total_bytes > available / 10 * 8) {
    std::printf("   not solved: the estimate exceeds 80%% of the %.1f MiB available\n", mib(available));
    return;
  }

  const long long before = static_cast<long long>(rss());
  const velmora::Board board = velmora_app::parse_request_board(config.board);
  const auto ranges = velmora_app::parse_request_ranges(config);
  const velmora::TreeConfig tree = velmora_app::build_tree_config(config, true);
  velmora::Game game(tree, velmora::CardContext(board, ranges));
  const long long built = static_cast<long long>(rss());

  velmora::SolverConfig sc;
  sc.max_iterations = iterations;
  sc.target_exploitability = 0.0f;
  sc.exploitability_interval = 0;  // one measurement, after the last iteration
  sc.compress = config.compress;
  sc.thread_count = config.thread_count;
  const auto t1 = std::chrono::steady_clock::now();
  velmora::DiscountedCfr solver(sc);
  solver.solve(game);
  const double solve_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t1).count();
  const long long solved = static_cast<long long>(rss());

  const double est_build = mib(est->tree_bytes + est->card_context_bytes);
  std::printf("   measured: build +%.1f MiB (estimate %.1f), solve +%.1f MiB (estimate %.1f), %u iteration(s) in %.0f ms\n",
              mib(built - before), est_build, mib(solved - built), mib(est->strategy_bytes),
              solver.iterations_done(), solve_ms);
  const double growth = mib(solved - before);
  std::printf("   total growth %.1f MiB vs estimate %.1f MiB: estimate / measured = %.2f\n", growth,
              mib(est->total_bytes), growth > 0 ? mib(est->total_bytes) / growth : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> spots;
  std::uint32_t iterations = 3;
  long threads = -1;
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
    } else if (!arg.empty() && arg[0] == '-') {
      std::fprintf(stderr, "usage: memory_estimate_bench [SPOT.json ...] [--iterations N] [--threads N]\n");
      return 2;
    } else {
      spots.push_back(arg);
    }
  }
  if (spots.empty()) spots.push_back("bench/spots/flop.json");
  int status = 0;
  for (const auto& spot : spots) {
    try {
      run_spot(spot, iterations, threads);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", spot.c_str(), e.what());
      status = 1;
    }
  }
  return status;
}
