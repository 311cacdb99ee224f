#include "session/memory_estimate.h"

#include <exception>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "session/solve_inputs.h"

namespace velmora_app {
namespace {

constexpr std::uint64_t kNodeBytes = 72;
constexpr std::uint64_t kListEntryBytes = 8;
constexpr double kMargin = 1.1;

SolveMemoryEstimate measure(const SolveConfig& config) {
  const velmora::Board board = parse_request_board(config.board);
  const auto ranges = parse_request_ranges(config);
  const velmora::TreeConfig tree_config = build_tree_config(config, false);

  const velmora::CardContext context(board, ranges);
  const velmora::ActionPlan plan(tree_config, &context);

  SolveMemoryEstimate est;
  const auto& nodes = plan.nodes();
  est.node_count = nodes.size();
  est.tree_bytes = est.node_count * kNodeBytes;
  for (const auto& n : nodes) est.tree_bytes += kListEntryBytes * (n.actions.capacity() + n.children.capacity());

  const std::uint64_t entry_bytes = config.compress ? 4 : 8;
  for (const auto& n : nodes) {
    if (n.type != velmora::kNodeDecision || n.actions.empty()) continue;
    est.strategy_bytes += context.hand_count(n.seat) * n.actions.size() * entry_bytes;
    ++est.decision_node_count;
  }
  est.oop_hand_count = context.hand_count(0);
  est.ip_hand_count = context.hand_count(1);
  est.card_context_bytes = context.memory_bytes();
  const double total =
      (static_cast<double>(est.tree_bytes) + static_cast<double>(est.card_context_bytes) +
       static_cast<double>(est.strategy_bytes)) *
      kMargin;
  est.total_bytes = static_cast<std::uint64_t>(total);
  return est;
}

}  // namespace

std::optional<SolveMemoryEstimate> estimate_solve_memory(const SolveConfig& config, std::string* error) {
  try {
    return measure(config);
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    return std::nullopt;
  }
}

}  // namespace velmora_app
