// Developer tool: solves one spot with the solver core and reports
// convergence, time, peak memory, tree size, EVs and the root strategy.
//
//   solve_bench SPOT.json [--threads N] [--iterations N] [--target CHIPS]
//                         [--target-pct PCT] [--interval N] [--compress 0|1]
//                         [--node I,J,...] [--ignore-memory-gate]
//
// Before solving it checks the program's memory gate: the program's own
// estimate of the spot, with what follows a solve in the program, against
// the memory the program would be offered (the least of the machine's
// available memory, its control group's and its address space's). A spot
// the program would refuse is refused with the figures (exit code 1) unless
// --ignore-memory-gate is given.
//
// --node also prints the result-query summary of the node reached from the
// root by those action indices (a chance node on the way takes its first
// child without an index).
//
// The spot file holds the snake_case keys of the solve configuration map
// ("board", "oop_range", "ip_range", "starting_pot", "effective_stack",
// "rake_percent", "rake_cap", "starting_street", "max_iterations",
// "target_exploitability" (chips), "thread_count", "oop_flop_bet_sizes",
// "oop_flop_raise_sizes", "oop_flop_add_all_in", "oop_flop_dont_donk", ...
// for turn, river and "ip_", and "compress"). The sizes, ranges and board
// are read exactly as the program reads the same keys: a bare number is a
// pot percentage ("33" = 33%), chips are written "40c" ("52%, 2.5x, a").
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>

#include "spot_file.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "backend/solve_room.h"
#include "core/bet_size.h"
#include "core/card_context.h"
#include "core/cards.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "core/range.h"
#include "session/memory_estimate.h"
#include "session/node_queries.h"
#include "session/solve_inputs.h"
#include "session/solve_worker.h"

using namespace velmora;
using json = nlohmann::json;

namespace {

struct Options {
  std::string spot_path;
  long threads = -1;
  long iterations = -1;
  double target_chips = -1.0;
  double target_pct = -1.0;
  long interval = 10;
  int compress = -1;
  std::vector<std::size_t> node_path;
  bool node_given = false;
  bool ignore_memory_gate = false;
};

[[noreturn]] void usage() {
  std::fprintf(stderr,
               "usage: solve_bench SPOT.json [--threads N] [--iterations N] [--target CHIPS] "
               "[--target-pct PCT] [--interval N] [--compress 0|1] [--node I,J,...] [--ignore-memory-gate]\n");
  std::exit(2);
}

// Locale-independent number reading for the command line.
double read_number(const char* text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double v = 0.0;
  if (!(in >> v)) usage();
  return v;
}

// "2,0,1" as action indices; an empty text is the root.
std::vector<std::size_t> read_path(const std::string& text) {
  std::vector<std::size_t> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const std::string item = text.substr(start, end - start);
    if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos || item.size() > 6) usage();
    out.push_back(static_cast<std::size_t>(std::stoul(item)));
    start = end + 1;
  }
  return out;
}

Options parse_args(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto next = [&]() -> const char* {
      if (i + 1 >= argc) usage();
      return argv[++i];
    };
    if (a == "--threads") {
      o.threads = static_cast<long>(read_number(next()));
    } else if (a == "--iterations") {
      o.iterations = static_cast<long>(read_number(next()));
    } else if (a == "--target") {
      o.target_chips = read_number(next());
    } else if (a == "--target-pct") {
      o.target_pct = read_number(next());
    } else if (a == "--interval") {
      o.interval = static_cast<long>(read_number(next()));
    } else if (a == "--compress") {
      o.compress = static_cast<int>(read_number(next()));
    } else if (a == "--node") {
      o.node_path = read_path(next());
      o.node_given = true;
    } else if (a == "--ignore-memory-gate") {
      o.ignore_memory_gate = true;
    } else if (!a.empty() && a[0] == '-') {
      usage();
    } else {
      o.spot_path = a;
    }
  }
  if (o.spot_path.empty()) usage();
  return o;
}

template <class T>
T value_or(const json& j, const char* key, T fallback) {
  return bench_json::value_or<T>(j, key, fallback);
}

long rss_kib(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t n = std::strlen(key);
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::strtol(line.c_str() + n, nullptr, 10);
  }
  return -1;
}

long peak_rss_kib() {
  const long kib = rss_kib("VmHWM:");
  if (kib >= 0) return kib;
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// CPU time of the whole process (every thread), in seconds.
double process_cpu_s() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double mib(std::uint64_t bytes) { return static_cast<double>(bytes) / 1048576.0; }

// Why the program would not start the request for lack of memory, with the
// figures, or "" when it would.
std::string memory_gate_refusal(const velmora_app::SolveConfig& request) {
  velmora_app::EstimateOptions options;
  // The program stops counting past the machine's memory (a terabyte when
  // that is unknown): more than that is never there.
  const std::uint64_t machine = velmora_platform::totalPhysicalMemoryBytes();
  options.limit_bytes = machine != 0 ? machine : std::uint64_t(1) << 40;
  const auto estimate = velmora_app::estimate_solve_memory(request, nullptr, options);
  if (!estimate || estimate->total_bytes == 0) return "";  // the solve itself says what is wrong
  const solve_room::Need need = solve_room::needOf(*estimate, request.thread_count);
  const velmora_platform::MemoryRoom room = velmora_platform::memoryRoom();
  const std::uint64_t required = solve_room::requiredBytes(need, room.bytes, room.addressSpaceBytes);
  const bool over = estimate->exceeds_limit || need.totalBytes() > options.limit_bytes;
  if (!over && solve_room::fits(required, room.bytes)) return "";
  const char* bound = room.bound == velmora_platform::MemoryBound::ControlGroup   ? "its control group's limit"
                      : room.bound == velmora_platform::MemoryBound::AddressSpace ? "its address-space limit"
                                                                                  : "the machine's available memory";
  char text[512];
  if (over) {
    std::snprintf(text, sizeof text, "the spot needs more than the machine's %.1f MiB", mib(options.limit_bytes));
  } else {
    std::snprintf(text, sizeof text,
                  "the program would not start this solve: it needs about %.1f MiB (the solve %.1f MiB; its result, "
                  "the Results page, a save and an open of it %.1f MiB; address space it reserves %.1f MiB), "
                  "%.1f MiB available (the least is %s)",
                  mib(required), mib(need.solveBytes), mib(need.totalBytes() - need.solveBytes),
                  mib(required - need.totalBytes()), mib(room.bytes), bound);
  }
  return text;
}

std::string action_label(const Action& a, std::uint32_t pot) {
  char buf[64];
  switch (a.kind) {
    case kActFold:
      return "Fold";
    case kActCheck:
      return "Check";
    case kActCall:
      return "Call";
    case kActAllIn:
      std::snprintf(buf, sizeof buf, "All-In %u", a.amount);
      return buf;
    case kActBet:
    case kActRaise:
      std::snprintf(buf, sizeof buf, "%s %u (%.0f%%)", a.kind == kActBet ? "Bet" : "Raise", a.amount,
                    pot > 0 ? 100.0 * a.amount / pot : 0.0);
      return buf;
    case kActDeal:
      return card_to_string(a.amount);
    default:
      return "Action";
  }
}

// The node the path leads to from the root, chance nodes taking their first
// child; the text says why when there is none.
std::uint64_t follow_path(const Game& game, const std::vector<std::size_t>& path, std::string& error) {
  const auto& nodes = game.nodes();
  std::uint64_t index = 0;
  std::size_t step = 0;
  for (;;) {
    const GameNode& n = nodes[index];
    if (n.type == kNodeChance && !n.children.empty()) {
      index = n.children[0];
      continue;
    }
    if (step == path.size()) return index;
    if (n.type != kNodeDecision || path[step] >= n.children.size()) {
      error = "action " + std::to_string(path[step]) + " (step " + std::to_string(step + 1) +
              ") does not exist at node " + std::to_string(index);
      return 0;
    }
    index = n.children[path[step++]];
  }
}

}  // namespace

int main(int argc, char** argv) {
  // As the program does, before any thread starts.
  velmora_platform::boundAllocatorArenasUnderAddressLimit();
  const Options opt = parse_args(argc, argv);
  std::ifstream file(opt.spot_path);
  if (!file) {
    std::fprintf(stderr, "cannot open %s\n", opt.spot_path.c_str());
    return 1;
  }
  try {
    const json spot = json::parse(file);
    using Clock = std::chrono::steady_clock;

    // Read as the program reads the same keys: the sizes go through its
    // normalisers, the ranges through its range reader; what it refuses
    // before a start is refused here in its words.
    const velmora_app::SolveConfig request = bench_spot::read_config(spot);
    if (const std::string refusal = bench_spot::request_refusal(request); !refusal.empty()) {
      std::fprintf(stderr, "error: %s\n", refusal.c_str());
      return 1;
    }
    {
      // The gate counts the threads this run uses.
      velmora_app::SolveConfig gated = request;
      if (opt.threads > 0) gated.thread_count = static_cast<std::uint64_t>(opt.threads);
      if (const std::string refusal = memory_gate_refusal(gated); !refusal.empty()) {
        if (!opt.ignore_memory_gate) {
          std::fprintf(stderr, "refused: %s (--ignore-memory-gate solves it anyway)\n", refusal.c_str());
          return 1;
        }
        std::printf("memory gate ignored: %s\n", refusal.c_str());
      }
    }
    const auto t_setup = Clock::now();
    const Board board = velmora_app::parse_request_board(request.board);
    const std::array<Range, 2> ranges = velmora_app::parse_request_ranges(request);
    const TreeConfig tree = velmora_app::build_tree_config(request, board, true);

    check_plan_depth(tree, board);
    CardContext context(board, ranges);
    const double context_s = std::chrono::duration<double>(Clock::now() - t_setup).count();
    const std::size_t hands0 = context.hand_count(0);
    const std::size_t hands1 = context.hand_count(1);
    Game game(tree, std::move(context));
    const double setup_s = std::chrono::duration<double>(Clock::now() - t_setup).count();

    std::size_t decisions = 0;
    std::size_t chances = 0;
    for (const GameNode& n : game.nodes()) {
      decisions += n.type == kNodeDecision;
      chances += n.type == kNodeChance;
    }

    SolverConfig cfg;
    cfg.max_iterations = opt.iterations >= 0 ? static_cast<std::uint32_t>(opt.iterations)
                                             : value_or<std::uint32_t>(spot, "max_iterations", 2000);
    cfg.thread_count = opt.threads > 0 ? static_cast<std::uint64_t>(opt.threads)
                                       : value_or<std::uint64_t>(spot, "thread_count", 1);
    double target = value_or<double>(spot, "target_exploitability", 0.1);
    if (opt.target_chips >= 0.0) target = opt.target_chips;
    if (opt.target_pct >= 0.0) target = tree.starting_pot * opt.target_pct / 100.0;
    cfg.target_exploitability = static_cast<float>(target);
    cfg.exploitability_interval = static_cast<std::uint32_t>(opt.interval < 0 ? 0 : opt.interval);
    cfg.compress = opt.compress >= 0 ? opt.compress != 0 : value_or<bool>(spot, "compress", false);

    std::printf("spot %s: board %s, hands %zu / %zu, nodes %zu (%zu decision, %zu chance)\n", opt.spot_path.c_str(),
                value_or<std::string>(spot, "board", "").c_str(), hands0, hands1, game.nodes().size(), decisions, chances);
    std::printf("setup %.2f s (card context %.2f s, tree and tables %.2f s)\n", setup_s, context_s,
                setup_s - context_s);
    std::printf("memory after building the game %.1f MiB (peak %.1f MiB)\n", rss_kib("VmRSS:") / 1024.0,
                peak_rss_kib() / 1024.0);
    std::printf("threads %llu, budget %u, target %.4f chips, interval %u, compress %d\n",
                static_cast<unsigned long long>(cfg.thread_count), cfg.max_iterations, cfg.target_exploitability,
                cfg.exploitability_interval, cfg.compress ? 1 : 0);

    // The loop of DiscountedCfr::solve, driven here so the exploitability
    // checks (a diagnostic the product runs every 50 iterations) are timed
    // apart from the training iterations.
    const double pot = tree.starting_pot;
    const std::uint32_t interval = cfg.exploitability_interval;
    const std::uint32_t budget = cfg.max_iterations;
    DiscountedCfr solver(cfg);
    game.set_compress(cfg.compress);
    solver.prepare_states(game);
    double train_s = 0.0;
    double train_cpu_s = 0.0;
    double check_s = 0.0;
    float exploitability = 0.0f;
    std::uint32_t done = 0;
    std::printf("iter      train s     wall s  exploitability\n");
    for (std::uint32_t it = 1; it <= budget; ++it) {
      const auto t0 = Clock::now();
      const double cpu0 = process_cpu_s();
      solver.run_iteration(game, it - 1);
      train_cpu_s += process_cpu_s() - cpu0;
      const auto t1 = Clock::now();
      train_s += std::chrono::duration<double>(t1 - t0).count();
      done = it;
      const bool measure = it == budget || (interval != 0 && it % interval == 0);
      if (!measure) continue;
      exploitability = solver.measure_exploitability(game);
      check_s += std::chrono::duration<double>(Clock::now() - t1).count();
      std::printf("iter %5u  %8.2f  %8.2f  %.4f chips  %.4f%% of pot\n", it, train_s, train_s + check_s,
                  exploitability, pot > 0 ? 100.0 * exploitability / pot : 0.0);
      std::fflush(stdout);
      if (interval != 0 && cfg.target_exploitability >= exploitability) break;
    }
    const double solve_s = train_s + check_s;
    const auto ev = solver.expected_values(game);

    std::printf("--- summary\n");
    std::printf("iterations      %u\n", done);
    std::printf("train seconds   %.2f (%.1f ms per iteration)\n", train_s, done ? 1000.0 * train_s / done : 0.0);
    std::printf("train cpu       %.2f s (%.1f ms per iteration, all threads)\n", train_cpu_s,
                done ? 1000.0 * train_cpu_s / done : 0.0);
    std::printf("check seconds   %.2f (exploitability checks)\n", check_s);
    std::printf("solve seconds   %.2f (both)\n", solve_s);
    std::printf("exploitability  %.4f chips (%.4f%% of pot)\n", exploitability,
                pot > 0 ? 100.0 * exploitability / pot : 0.0);
    std::printf("peak memory     %.1f MiB\n", peak_rss_kib() / 1024.0);
    {
      // What the solver's threads cost while it waits between requests.
      const double idle0 = process_cpu_s();
      std::this_thread::sleep_for(std::chrono::seconds(1));
      std::printf("idle cpu        %.1f ms over 1 s after the last request\n", 1000.0 * (process_cpu_s() - idle0));
    }
    std::printf("regret/strategy storage %.1f MiB\n", solver.matrix_bytes() / 1048576.0);
    std::printf("tree nodes      %zu\n", game.nodes().size());
    std::printf("EV OOP          %.3f\n", ev[0]);
    std::printf("EV IP           %.3f\n", ev[1]);
    {
      // What the solve worker does after the last iteration, before the
      // result reaches the window.
      const auto t0 = Clock::now();
      velmora_app::SolveResult snapshot;
      velmora_app::fill_result_snapshot(snapshot, game, solver, static_cast<std::int32_t>(tree.starting_pot));
      const auto t1 = Clock::now();
      const NodeFrequencies frequencies = solver.reach_weighted_frequencies(game);
      std::printf("result snapshot %.3f s (%zu node records; their reach-weighted frequencies alone %.3f s)\n",
                  std::chrono::duration<double>(t1 - t0).count(), snapshot.nodes.size(),
                  std::chrono::duration<double>(Clock::now() - t1).count());
      // The root's frequencies as the results page shows them: each hand
      // counted by its range weight.
      const GameNode& root = game.nodes()[0];
      const std::vector<float>& freq = snapshot.root_action_frequencies;
      std::printf("root strategy (%s, range-weighted):\n", root.seat == 0 ? "OOP" : "IP");
      for (std::size_t a = 0; a < root.actions.size(); ++a) {
        std::printf("  %-22s %.4f\n", action_label(root.actions[a], root.pot).c_str(),
                    a < freq.size() ? freq[a] : 0.0f);
      }
    }
    std::printf("root through the result queries (label, key, frequency, combos, EV, equity; hand-category "
                "buckets):\n%s",
                velmora_app::describe_node(game, solver, 0).c_str());
    if (opt.node_given) {
      std::string error;
      const std::uint64_t index = follow_path(game, opt.node_path, error);
      std::string path_text;
      for (std::size_t i = 0; i < opt.node_path.size(); ++i) {
        path_text += (i ? "," : "") + std::to_string(opt.node_path[i]);
      }
      if (!error.empty()) {
        std::fprintf(stderr, "--node %s: %s\n", path_text.c_str(), error.c_str());
        return 1;
      }
      const auto t0 = Clock::now();
      const std::string text = velmora_app::describe_node(game, solver, index);
      std::printf("node %s through the result queries (label, key, frequency, combos, EV, equity; hand-category "
                  "buckets), %.3f s:\n%s",
                  path_text.c_str(), std::chrono::duration<double>(Clock::now() - t0).count(),
                  text.empty() ? "  not a decision node\n" : text.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "error: %s\n", e.what());
    return 1;
  }
  return 0;
}
