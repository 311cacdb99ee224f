#include "session/node_query_support.h"

#include <algorithm>
#include <array>
#include <limits>

namespace velmora_app::query_detail {

std::optional<DecisionNode> checked_decision_node(const velmora::Game& game, std::uint64_t index, bool needs_children) {
  const auto& nodes = game.nodes();
  if (index >= nodes.size()) return std::nullopt;
  const velmora::PlanNode& n = nodes[index];
  if (n.type != velmora::kNodeDecision || n.actions.empty()) return std::nullopt;
  if (needs_children && n.children.size() < n.actions.size()) return std::nullopt;
  if (n.seat > 1) return std::nullopt;
  DecisionNode d;
  d.node = &n;
  d.seat = n.seat;
  d.actions = n.actions.size();
  d.hands = game.card_context().hand_count(n.seat);
  if (d.hands == 0) return std::nullopt;
  return d;
}

std::int32_t label_pot(const velmora::Game& game, const velmora::PlanNode& node) {
  const auto pot = static_cast<std::int32_t>(node.pot);
  return pot >= 1 ? pot : static_cast<std::int32_t>(game.config().starting_pot);
}

double half_pot(const velmora::Game& game, const velmora::PlanNode& node) {
  return (static_cast<double>(game.config().starting_pot) + 2.0 * static_cast<double>(node.invested)) / 2.0;
}

std::vector<double> sanitized(const std::vector<float>& weights) {
  std::vector<double> out(weights.size());
  for (std::size_t i = 0; i < weights.size(); ++i) out[i] = positive_finite(weights[i]) ? weights[i] : 0.0;
  return out;
}

std::vector<double> opponent_compat(const velmora::CardContext& context, int seat, const std::vector<double>& opp) {
  const auto& opp_pockets = context.pockets(1 - seat);
  double total = 0.0;
  std::array<double, velmora::kNumCards> blocked{};
  const std::size_t n = std::min(opp.size(), opp_pockets.size());
  for (std::size_t o = 0; o < n; ++o) {
    total += opp[o];
    blocked[velmora::pocket_lo(opp_pockets[o])] += opp[o];
    blocked[velmora::pocket_hi(opp_pockets[o])] += opp[o];
  }
  // The solver sums the opponent in floats: a weight this small against the
  // whole cannot be told from the rounding of those sums.
  const double noise = total * kCompatNoise;
  const auto& pockets = context.pockets(seat);
  const auto& same = context.opponent_slot(seat);
  std::vector<double> compat(pockets.size(), 0.0);
  for (std::size_t h = 0; h < pockets.size(); ++h) {
    double identical = 0.0;
    if (h < same.size() && same[h] != velmora::kNoSlot && same[h] < n) identical = opp[same[h]];
    const double r =
        total - blocked[velmora::pocket_lo(pockets[h])] - blocked[velmora::pocket_hi(pockets[h])] + identical;
    compat[h] = positive_finite(r) && r > noise ? r : 0.0;
  }
  return compat;
}

double to_chips(double value, double pair_weight, double compat, double half) {
  if (!(compat > 0.0)) return std::numeric_limits<double>::quiet_NaN();
  double v = value;
  if (pair_weight > 0.0) v = v * pair_weight / compat;
  if (std::isfinite(half) && half > 0.0 && std::isfinite(v)) v += half;
  return std::isfinite(v) ? v : 0.0;
}

HandChips::HandChips(const velmora::Game& game, const velmora::PlanNode& node, int seat, const std::vector<double>& opp)
    : compat_(opponent_compat(game.card_context(), seat, opp)),
      pair_weight_(game.card_context().pair_weight()),
      half_(half_pot(game, node)) {}

double HandChips::operator()(std::size_t hand, double value) const {
  return to_chips(value, pair_weight_, hand < compat_.size() ? compat_[hand] : 0.0, half_);
}

std::uint64_t dead_cards(const velmora::CardContext& context, const velmora::PlanNode& node) {
  std::uint64_t dead = context.board_mask();
  if (node.turn < velmora::kNumCards) dead |= velmora::card_bit(node.turn);
  if (node.river < velmora::kNumCards) dead |= velmora::card_bit(node.river);
  return dead;
}

std::optional<std::vector<std::pair<std::uint64_t, std::size_t>>> path_from_root(const velmora::Game& game,
                                                                                 std::uint64_t index) {
  const auto& nodes = game.nodes();
  if (index >= nodes.size()) return std::nullopt;
  constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();
  std::vector<std::pair<std::uint64_t, std::size_t>> parent(nodes.size(), {kNone, 0});
  for (std::uint64_t i = 0; i < nodes.size(); ++i) {
    const auto& children = nodes[i].children;
    for (std::size_t k = 0; k < children.size(); ++k) {
      const std::uint64_t c = children[k];
      if (c == 0 || c >= nodes.size() || parent[c].first != kNone) continue;
      parent[c] = {i, k};
    }
  }
  std::vector<std::pair<std::uint64_t, std::size_t>> path;
  std::uint64_t cur = index;
  while (cur != 0) {
    if (parent[cur].first == kNone || path.size() >= nodes.size()) return std::nullopt;
    path.push_back(parent[cur]);
    cur = parent[cur].first;
  }
  std::reverse(path.begin(), path.end());
  return path;
}

void apply_path(const velmora::Game& game, velmora::DiscountedCfr& solver, const Path& path,
                std::array<std::vector<double>, 2>& reach, std::array<bool, 2> seats) {
  const auto& nodes = game.nodes();
  const velmora::CardContext& ctx = game.card_context();
  for (const auto& [index, k] : path) {
    const velmora::PlanNode& pn = nodes[index];
    if (pn.type != velmora::kNodeDecision || pn.seat > 1 || !seats[pn.seat]) continue;
    const std::size_t H = ctx.hand_count(pn.seat);
    const std::vector<float> strategy = solver.average_hand_strategy(index);
    if (strategy.size() != pn.actions.size() * H || k >= pn.actions.size()) continue;
    auto& r = reach[pn.seat];
    for (std::size_t h = 0; h < H && h < r.size(); ++h) {
      const double f = strategy[k * H + h];
      r[h] *= positive_finite(f) ? f : 0.0;
    }
  }
}

void clear_blocked(std::vector<double>& reach, const std::vector<velmora::Pocket>& pockets, std::uint64_t dead) {
  for (std::size_t i = 0; i < reach.size() && i < pockets.size(); ++i) {
    if (velmora::pocket_mask(pockets[i]) & dead) reach[i] = 0.0;
  }
}

std::optional<std::array<std::vector<double>, 2>> path_reaches(const velmora::Game& game,
                                                               velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto path = path_from_root(game, index);
  if (!path) return std::nullopt;
  const velmora::CardContext& ctx = game.card_context();
  const std::uint64_t dead = dead_cards(ctx, game.nodes()[index]);
  std::array<std::vector<double>, 2> reach;
  for (int seat = 0; seat < 2; ++seat) {
    reach[seat] = sanitized(ctx.weights(seat));
    reach[seat].resize(ctx.hand_count(seat), 0.0);
    clear_blocked(reach[seat], ctx.pockets(seat), dead);
  }
  apply_path(game, solver, *path, reach, {true, true});
  return reach;
}

}  // namespace velmora_app::query_detail
