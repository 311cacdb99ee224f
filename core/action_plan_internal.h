// The tree builder's per-node steps, shared by ActionPlan (which builds the
// nodes) and count_plan (which only counts them), so the two never differ.
#pragma once
#include <cstdint>
#include <vector>

#include "core/action_plan.h"

namespace velmora::plan_detail {

// One child of a node before it is placed in the node vector.
struct ChildSpec {
  Action action;
  PlanNode node;
  BuildContext ctx;
};

// The configured street, moved up to the board's own street when the board
// already holds that street's card.
std::uint8_t start_street(const TreeConfig& config, const Board& board);
// The root node and its build context; `config.start_street` must already be
// the one start_street gives.
void make_root(const TreeConfig& config, const Board& board, PlanNode& root, BuildContext& ctx);
// Children of a decision node.
void player_children(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                     std::vector<ChildSpec>& out);
// The cards a chance node or an all-in runout deals.
std::vector<Card> deal_cards(const Board& board, const CardContext* context, const BuildContext& ctx);
// Children of a chance node (`runout` false) or of an all-in runout terminal.
void deal_children(const Board& board, const CardContext* context, const PlanNode& node, const BuildContext& ctx,
                   bool runout, std::vector<ChildSpec>& out);

}  // namespace velmora::plan_detail
