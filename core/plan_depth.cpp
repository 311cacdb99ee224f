#include "core/plan_depth.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/action_plan_internal.h"

namespace velmora {

namespace {

using plan_detail::ChildSpec;

bool is_bet_or_raise(const Action& a) { return a.kind == kActBet || a.kind == kActRaise; }

// The child of a decision node that keeps the betting going longest.
std::size_t longest_child(const PlanNode& node, const std::vector<ChildSpec>& specs) {
  const auto find = [&specs](auto&& pred) {
    const auto it = std::find_if(specs.begin(), specs.end(), pred);
    return it == specs.end() ? specs.size() : static_cast<std::size_t>(it - specs.begin());
  };
  // Out of position, a check hands the other seat the first bet.
  if (node.seat == 0) {
    const std::size_t check = find([](const ChildSpec& c) {
      return c.action.kind == kActCheck && c.node.type != kNodeTerminal;
    });
    if (check < specs.size()) return check;
  }
  // Sizes are in ascending order: the first bet or raise is the smallest.
  const std::size_t raise = find([](const ChildSpec& c) { return is_bet_or_raise(c.action); });
  if (raise < specs.size()) return raise;
  const std::size_t go_on = find([](const ChildSpec& c) {
    return (c.action.kind == kActCall || c.action.kind == kActCheck) && c.node.type != kNodeTerminal;
  });
  if (go_on < specs.size()) return go_on;
  const std::size_t all_in = find([](const ChildSpec& c) { return c.action.kind == kActAllIn; });
  return all_in < specs.size() ? all_in : 0;
}

}  // namespace

PlanTooDeep::PlanTooDeep(std::size_t actions)
    : std::length_error("The betting tree is too deep: " + std::to_string(actions) +
                        " actions in a row; use larger sizes or a smaller stack"),
      actions_(actions) {}

std::size_t longest_betting_line(const TreeConfig& config, const Board& board, const CardContext* context,
                                 const CancelFlag* cancel) {
  PlanNode node;
  BuildContext ctx;
  plan_detail::make_root(config, board, node, ctx);
  std::vector<ChildSpec> specs;
  for (std::size_t length = 0;; ++length) {
    if ((length & 0x3FF) == 0) throw_if_cancelled(cancel);
    specs.clear();
    if (node.type == kNodeDecision) {
      plan_detail::player_children(config, node, ctx, specs);
    } else if (node.type == kNodeChance || node.allin_runout) {
      plan_detail::deal_children(board, context, node, ctx, node.type != kNodeChance, specs);
    }
    if (specs.empty()) return length;
    ChildSpec& next = specs[node.type == kNodeDecision ? longest_child(node, specs) : 0];
    node = std::move(next.node);
    ctx = next.ctx;
  }
}

PlanTooDeep too_deep_plan(const TreeConfig& config, const Board& board, const CardContext* context,
                          const CancelFlag* cancel) {
  return PlanTooDeep(std::max(kMaxPlanDepth + 1, longest_betting_line(config, board, context, cancel)));
}

}  // namespace velmora
