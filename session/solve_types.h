// Records that cross the solve session's boundary: the solve request and the
// progress reports with their optional result snapshot.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora_app {

// One seat's sizes on one street, as the user typed them.
struct StreetSizing {
  std::string bet_sizes;
  std::string raise_sizes;
  bool add_all_in = false;  // an all-in joins the seat's bets and raises
  bool dont_donk = false;   // OOP may not lead on this street (read from OOP's blocks only)
};

// Fixes the frequency of one action for every combo of one hand class at one node.
struct NodeLock {
  std::int64_t node = 0;
  std::string hand;  // hand-class label such as "AKs", "QQ", "T9o"
  std::int64_t action = 0;
  float probability = 0.0f;  // in [0, 1]
};

// The solve request.
struct SolveConfig {
  std::string board;  // "AhKsQd", optionally followed by the turn and the river
  std::int32_t starting_pot = 100;
  std::int32_t effective_stack = 100;
  double rake_percent = 0.0;  // 5 means 5 %
  double rake_cap = 0.0;      // chips
  std::string starting_street = "flop";
  std::uint32_t max_iterations = 2000;
  float target_exploitability = 0.1f;  // chips
  std::uint64_t thread_count = 1;
  bool compress = false;  // keep the solver's tables in 16-bit form
  std::string oop_range;
  std::string ip_range;
  StreetSizing oop_flop, oop_turn, oop_river;
  StreetSizing ip_flop, ip_turn, ip_river;
  std::optional<double> oop_jam_threshold_pct;  // percent; empty when not enabled
  std::optional<double> ip_jam_threshold_pct;
  std::vector<NodeLock> node_locks;
};

struct ResultChild {
  std::string label;  // display label ("Bet 33%")
  std::string key;    // action key ("bet 33%")
  float frequency = 0.0f;  // NaN at a decision node no hand of the acting seat reaches
  std::int32_t child_index = 0;
};

struct ResultNode {
  std::string kind;         // "decision", "chance" or "terminal"
  std::string chance_deal;  // "turn" or "river" at a chance node, else empty
  std::string seat;         // "OOP" or "IP" at a decision node, else empty
  std::int32_t pot = 0;
  std::int32_t invested_oop = 0;  // chips each seat has put in along the path
  std::int32_t invested_ip = 0;
  std::vector<ResultChild> children;
};

// Snapshot of one finished run. Only the last report of a run carries one.
struct SolveResult {
  bool success = false;
  std::string message;  // empty on success; "Cancelled", the error text, or "Unknown error"
  std::string board;
  std::int32_t starting_pot = 0;
  std::int32_t effective_stack = 0;
  double rake_percent = 0.0;  // the rake the run was solved with
  double rake_cap = 0.0;
  std::uint32_t iterations = 0;
  float exploitability = 0.0f;
  float ev_oop = 0.0f;
  float ev_ip = 0.0f;
  std::vector<std::string> root_action_labels;
  std::vector<std::string> root_action_keys;
  std::vector<float> root_action_frequencies;  // sum to 1
  std::vector<ResultNode> nodes;               // in node-index order
};

struct SolveProgress {
  double fraction = 0.0;  // below 1 until "Done"
  std::string text;       // UTF-8 status text
  std::optional<SolveResult> result;
};

// Receives every report of a run, on the solve worker thread. It must return
// quickly (it is called once per solver iteration) and must not destroy the
// session that calls it.
using ProgressCallback = std::function<void(const SolveProgress&)>;

}  // namespace velmora_app
