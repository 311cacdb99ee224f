// The deepest betting tree the program accepts. Every walk of a tree (the
// builder, the counter, the solver's traversals, the value queries) recurses
// once per action, so a line of tens of thousands of actions (stack / a
// one-chip raise) would overflow any thread's stack. Trees deeper than
// kMaxPlanDepth are refused by the counter of the memory estimate before it
// recurses that deep, and by the builder, which runs the same walk
// (check_plan_depth, core/plan_count.h) before it builds anything; the
// threads of a solve have stacks for that depth (core/threads.h), and the
// value queries on the calling thread need under 1 MiB at it.
#pragma once
#include <cstddef>
#include <stdexcept>

#include "core/action_plan.h"
#include "core/cancel.h"

namespace velmora {

class CardContext;

// The most actions one line of the tree may take from the root to a leaf.
inline constexpr std::size_t kMaxPlanDepth = 1000;

// "The betting tree is too deep: N actions in a row; use larger sizes or a
// smaller stack".
class PlanTooDeep : public std::length_error {
 public:
  explicit PlanTooDeep(std::size_t actions);
  std::size_t actions() const { return actions_; }

 private:
  std::size_t actions_;
};

// The refusal of a tree in which a walk met a node deeper than
// kMaxPlanDepth. N is the length of the line that keeps betting longest
// (the smallest bet or raise at every turn, a check to the other seat or a
// call to the next street where none is left), followed without recursion,
// or kMaxPlanDepth + 1 when the deep line is another one: the same N
// whichever walk met it first. `config.start_street` must already be the
// one plan_detail::start_street gives.
PlanTooDeep too_deep_plan(const TreeConfig& config, const Board& board, const CardContext* context,
                          const CancelFlag* cancel = nullptr);

// The number of actions of that longest-betting line.
std::size_t longest_betting_line(const TreeConfig& config, const Board& board, const CardContext* context,
                                 const CancelFlag* cancel = nullptr);

}  // namespace velmora
