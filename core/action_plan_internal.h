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
// Children of a decision node: the listed sizes in chips, the all-in
// threshold and merge, ordered and de-duplicated, then a child record each.
void player_children(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                     std::vector<ChildSpec>& out);

// The steps of player_children.

// The chip figures of a decision node that its sizes are resolved against.
struct BetLimits {
  int seat = 0;                     // the acting seat
  std::int64_t stack = 0;           // its chips behind
  std::int64_t opponent_stack = 0;  // the other seat's chips behind
  std::int64_t level = 0;           // the bet the seat faces (0 when none)
  std::int64_t to_call = 0;         // chips the seat puts in to call
  std::int64_t pot_after_call = 0;
  std::int64_t allin = 0;     // the level of an all-in
  std::int64_t min_raise = 0;  // the smallest level a bet or raise may reach (at least 1)
  int streets_left = 0;       // this street and the ones after it
  bool can_bet = false;       // the opponent has chips behind
  double pot() const { return static_cast<double>(pot_after_call); }
  // Chips behind as a share of the pot after a call (0 without a pot).
  double spr() const { return pot_after_call > 0 ? static_cast<double>(opponent_stack) / pot() : 0.0; }
};
BetLimits bet_limits(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx);

// Sizes to chips: the level a bet (`raising` false) or raise of `spec`
// reaches, between the smallest bet or raise and the all-in. Pot fractions
// are of the pot after a call (a raise adds them to the level it faces);
// geometric sizes spread the chips behind over the streets left (or the
// size's own count) with the size's cap.
std::int64_t size_to_chips(const SizeSpec& spec, bool raising, const BetLimits& limits);

// Whether the seat faces a bet (else it may check).
bool facing_bet(const BuildContext& ctx);
// The lead (donk) rule: OOP bets from the street's lead sizes, when it has
// them, as the first action of the tree and as the first action of a street
// after calling IP's bet on the street before; else from its bet sizes.
bool takes_lead_sizes(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx);
// Raise caps: a chip raise with a cap of N is not offered once N raises were
// made on the street.
bool raise_capped(const SizeSpec& spec, const BuildContext& ctx);

// The actions the size lists give: check and the bets, or fold, call and the
// raises (none after an all-in or without chips behind).
std::vector<Action> listed_actions(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                                   const BetLimits& limits);
// All-in threshold: adds the all-in, when none is listed, if it is at most
// the seat's threshold times the pot after a call.
void add_threshold_allin(std::vector<Action>& actions, const TreeConfig& cfg, const BuildContext& ctx,
                         const BetLimits& limits);
// All-in merge: clamps every size to [min_raise, allin] and turns it into
// the all-in when the all-in lies at most round(merge threshold x (pot + 2 x
// (size - level))) above the level faced (or the size is the all-in).
void merge_near_allin(std::vector<Action>& actions, const TreeConfig& cfg, const BuildContext& ctx,
                      const BetLimits& limits);
// Actions without a size first, in their order, then the sizes ascending.
void order_actions(std::vector<Action>& actions);
// De-duplication: drops each size whose share of the pot after a call (above
// the level faced) is not below (s - t) / (1 + t), s being the share of the
// next larger size kept and t the threshold.
void drop_close_sizes(std::vector<Action>& actions, const TreeConfig& cfg, const BetLimits& limits);
// The child record of one action.
ChildSpec player_child(const PlanNode& node, const BuildContext& ctx, const BetLimits& limits, const Action& a);
// The cards a chance node or an all-in runout deals.
std::vector<Card> deal_cards(const Board& board, const CardContext* context, const BuildContext& ctx);
// Children of a chance node (`runout` false) or of an all-in runout terminal.
void deal_children(const Board& board, const CardContext* context, const PlanNode& node, const BuildContext& ctx,
                   bool runout, std::vector<ChildSpec>& out);

}  // namespace velmora::plan_detail
