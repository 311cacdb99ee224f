// How many bytes a solve request will need, found by building its card
// context and counting (not building) its betting tree.
#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/cancel.h"
#include "session/normalizers.h"
#include "session/solve_types.h"

namespace velmora_app {

// The flag a caller sets to stop an estimate it started.
using EstimateCancelFlag = velmora::CancelFlag;

struct SolveMemoryEstimate {
  // (tree + card context + strategy + all-in tables) * 1.1; with
  // `exceeds_limit`, the limit the count passed (the need is larger).
  std::uint64_t total_bytes = 0;
  std::uint64_t card_context_bytes = 0;
  // Node records, their lists, terminal payoffs and the solver's per-node records.
  std::uint64_t tree_bytes = 0;
  std::uint64_t strategy_bytes = 0;  // the solver's regret and strategy-sum matrices
  std::uint64_t runout_table_bytes = 0;  // showdown shares of the all-in runouts
  std::uint64_t node_count = 0;
  std::uint64_t decision_node_count = 0;  // decision nodes with at least one action
  std::uint64_t oop_hand_count = 0;
  std::uint64_t ip_hand_count = 0;
  bool exceeds_limit = false;  // counting stopped at the limit; the parts are left 0
};

struct EstimateOptions {
  // Stops the estimate (an error "Cancelled") soon after it is set.
  const EstimateCancelFlag* cancel = nullptr;
  // Counting stops once the need passes this many bytes.
  std::uint64_t limit_bytes = std::numeric_limits<std::uint64_t>::max();
  // Filled when the estimate fails on a size token the solver cannot read:
  // which seat, street and field, and the token as typed.
  std::optional<SizeTokenFault>* size_fault = nullptr;
};

// Empty on failure, with the failure's text written to `error` when given.
// Safe on any thread, beside a running solve; its memory and time stay
// small whatever the size of the tree.
std::optional<SolveMemoryEstimate> estimate_solve_memory(const SolveConfig& config, std::string* error = nullptr,
                                                         const EstimateOptions& options = {});

// True when the two requests need the same memory: they differ at most in
// the iteration budget, the target, the thread count and the node locks.
bool same_memory_inputs(const SolveConfig& a, const SolveConfig& b);

}  // namespace velmora_app
