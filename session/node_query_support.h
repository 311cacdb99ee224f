// Helpers shared by the node result queries.
#pragma once
#include <cmath>
#include <cstdint>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"

namespace velmora_app::query_detail {

inline bool positive_finite(double v) { return v > 0.0 && std::isfinite(v); }

// A decision node that passed the checks every query makes.
struct DecisionNode {
  const velmora::PlanNode* node = nullptr;
  int seat = 0;
  std::size_t actions = 0;  // A
  std::size_t hands = 0;    // H of the acting seat
};

// Node inside the tree, a decision node with at least one action (and as
// many children when `needs_children`), an acting seat holding hands.
std::optional<DecisionNode> checked_decision_node(const velmora::Game& game, std::uint64_t index, bool needs_children);

// The node's pot for labels: its own pot, or the starting pot below 1.
std::int32_t label_pot(const velmora::Game& game, const velmora::PlanNode& node);

// (starting pot + 2 * invested) / 2, chips.
double half_pot(const velmora::Game& game, const velmora::PlanNode& node);

inline std::vector<float> as_floats(const std::vector<double>& v) { return std::vector<float>(v.begin(), v.end()); }

// Entries not above 0 or not finite become 0.
std::vector<double> sanitized(const std::vector<float>& weights);

// Share of the opponent's whole weight below which a hand counts as meeting
// no opponent hand.
inline constexpr double kCompatNoise = 1e-6;

// Per hand of `seat`: the opponent weight (from `opp`) compatible with it; 0
// when not above kCompatNoise times the opponent's whole weight.
std::vector<double> opponent_compat(const velmora::CardContext& context, int seat, const std::vector<double>& opp);

// v * N / R (N above 0), plus the half pot when it is usable; NaN, no
// figure, when R is not above 0 (the hand meets no opponent hand); other
// non-finite results become 0.
double to_chips(double value, double pair_weight, double compat, double half);

// One seat's hand values at a decision node in chips, against the opponent's
// reach at that node (`opp`: its range weights without the node's dead
// cards, times its strategy along the path, as path_reaches gives it). The
// one rule of every per-hand EV the queries give: a hand whose compatible
// opponent weight is not above kCompatNoise of that whole reach meets no
// opponent hand and has no EV (NaN).
class HandChips {
 public:
  HandChips(const velmora::Game& game, const velmora::PlanNode& node, int seat, const std::vector<double>& opp);
  // The chip EV of hand `hand` for its value `value`, NaN without one.
  double operator()(std::size_t hand, double value) const;

 private:
  std::vector<double> compat_;
  double pair_weight_ = 0.0;
  double half_ = 0.0;
};

// Board cards plus the node's dealt turn and river, as a card mask.
std::uint64_t dead_cards(const velmora::CardContext& context, const velmora::PlanNode& node);

// (node, action position) from the root down to `index`, empty for the root;
// nullopt when `index` cannot be traced back to the root.
std::optional<std::vector<std::pair<std::uint64_t, std::size_t>>> path_from_root(const velmora::Game& game,
                                                                                 std::uint64_t index);

using Path = std::vector<std::pair<std::uint64_t, std::size_t>>;

// Multiplies the reach of the seats listed in `seats` by the strategy each
// took along the path; a path node whose strategy has the wrong size is
// passed over.
void apply_path(const velmora::Game& game, velmora::DiscountedCfr& solver, const Path& path,
                std::array<std::vector<double>, 2>& reach, std::array<bool, 2> seats);

// Sets the reach of the pockets holding a card of `dead` to 0.
void clear_blocked(std::vector<double>& reach, const std::vector<velmora::Pocket>& pockets, std::uint64_t dead);

// Both seats' reach at a node: each hand's range weight (0 when not above 0
// or not finite, and for a pocket holding a dead card of the node) times its
// seat's strategy along the path from the root. nullopt when the node cannot
// be traced back to the root.
std::optional<std::array<std::vector<double>, 2>> path_reaches(const velmora::Game& game,
                                                               velmora::DiscountedCfr& solver, std::uint64_t index);

}  // namespace velmora_app::query_detail
