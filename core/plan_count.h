// Counts the betting tree a configuration gives without building it. Deals
// multiply whole subtrees (49 turn cards, then 48 rivers each), so the count
// walks each betting line once, carries the river deals of a turn subtree as
// a factor, and remembers street subtrees it has already counted: a tree of
// billions of nodes is counted in a moment and in little memory.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <stdexcept>

#include "core/action_plan.h"
#include "core/cancel.h"

namespace velmora {

class CardContext;

// Counts are doubles: an absurd configuration can exceed 2^64 nodes.
struct PlanCount {
  double nodes = 0.0;
  double edges = 0.0;           // entries of every node's action list (its child list has as many)
  double decision_nodes = 0.0;  // decision nodes with at least one action
  std::array<double, 2> decision_actions{0.0, 0.0};  // per acting seat, the actions of those nodes
  std::uint64_t allin_boards = 0;  // the boards RunoutMatchups::needed_boards gives for the built tree
  std::size_t depth = 0;           // actions on the deepest line from the root
};

// Counting stopped once the part counted so far weighed more than the limit.
class PlanTooLarge : public std::runtime_error {
 public:
  PlanTooLarge() : std::runtime_error("Betting tree too large") {}
};

// The tree ActionPlan(config, &context) would build. `weigh` (an affine
// function of the fields, such as bytes) and `limit` stop the count with
// PlanTooLarge once the counted part passes the limit; `cancel` stops it
// with SetupCancelled. A tree deeper than kMaxPlanDepth is refused with
// PlanTooDeep (core/plan_depth.h).
PlanCount count_plan(const TreeConfig& config, const CardContext& context, const CancelFlag* cancel = nullptr,
                     const std::function<double(const PlanCount&)>& weigh = {},
                     double limit = std::numeric_limits<double>::infinity());

// Refuses with PlanTooDeep (the counter's own text and figure) a
// configuration whose tree would be deeper than kMaxPlanDepth, before any of
// it is built: the count's walk, which reaches a deep line at once because it
// counts each street subtree it has seen once. A tree builder calls it first;
// so does a caller that would build more for the tree (a card context) before.
void check_plan_depth(const TreeConfig& config, const Board& board, const CancelFlag* cancel = nullptr);

}  // namespace velmora
