// How many bytes a solve request will need, found by building its card
// context and betting tree without solving.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "session/solve_types.h"

namespace velmora_app {

struct SolveMemoryEstimate {
  std::uint64_t total_bytes = 0;  // (tree + card context + strategy) * 1.1
  std::uint64_t card_context_bytes = 0;
  std::uint64_t tree_bytes = 0;
  std::uint64_t strategy_bytes = 0;
  std::uint64_t node_count = 0;
  std::uint64_t decision_node_count = 0;  // decision nodes with at least one action
  std::uint64_t oop_hand_count = 0;
  std::uint64_t ip_hand_count = 0;
};

// Empty on failure, with the failure's text written to `error` when given.
// Safe on any thread, beside a running solve.
std::optional<SolveMemoryEstimate> estimate_solve_memory(const SolveConfig& config, std::string* error = nullptr);

}  // namespace velmora_app
