// Node queries on single combos: rows with path reach and chip EVs, the
// action EVs of one pocket, and the combos a seat holds at a node.
#include <algorithm>
#include <array>
#include <cmath>

#include "core/cards.h"
#include "session/hand_categories.h"
#include "session/node_queries.h"
#include "session/node_query_support.h"

namespace velmora_app {

using namespace query_detail;

NodeHandCombos node_hand_combos(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto d = checked_decision_node(game, index, true);
  if (!d) return {};
  const velmora::CardContext& ctx = game.card_context();
  const velmora::PlanNode& node = *d->node;
  const int seat = d->seat;
  const int opp = 1 - seat;
  const std::size_t A = d->actions;
  const std::size_t H = d->hands;
  if (ctx.weights(seat).size() != H) return {};
  std::vector<float> strategy = solver.average_hand_strategy(index);
  if (strategy.size() != A * H) return {};
  const auto reaches = path_reaches(game, solver, index);
  if (!reaches) return {};
  const std::array<std::vector<double>, 2>& reach = *reaches;

  const std::vector<float> opp_reach = as_floats(reach[opp]);
  const std::vector<float> node_values = solver.compute_node_cfvalues_for_reach(game, index, seat, opp_reach);
  if (node_values.size() != H) return {};
  std::vector<std::vector<float>> child_values(A);
  for (std::size_t a = 0; a < A; ++a) {
    child_values[a] = solver.compute_node_cfvalues_for_reach(game, node.children[a], seat, opp_reach);
    if (child_values[a].size() != H) return {};
  }

  const HandChips chips(game, node, seat, reach[opp]);
  const std::vector<velmora::Card> board = board_at_node(ctx, node);
  const auto& pockets = ctx.pockets(seat);

  NodeHandCombos out;
  for (std::size_t h = 0; h < H; ++h) {
    // The reach is 0 for a pocket holding a board card, a hand outside the
    // range and one that left the path.
    const double w = reach[seat][h];
    if (!positive_finite(w)) continue;
    HandComboRow row;
    row.card1 = velmora::card_to_string(velmora::pocket_lo(pockets[h]));
    row.card2 = velmora::card_to_string(velmora::pocket_hi(pockets[h]));
    row.weight = w;
    row.tags = hand_category_tags_on_board(board, pockets[h]);
    row.ev = chips(h, node_values[h]);
    double sum = 0.0;
    for (std::size_t a = 0; a < A; ++a) {
      row.action_evs.push_back(chips(h, child_values[a][h]));
      float p = strategy[a * H + h];
      if (!(p >= 0.0f) || !std::isfinite(p)) p = 0.0f;
      row.action_probabilities.push_back(p);
      sum += p;
    }
    for (float& p : row.action_probabilities) {
      p = sum > 0.0 ? static_cast<float>(p / sum) : static_cast<float>(1.0 / static_cast<double>(A));
    }
    out.rows.push_back(std::move(row));
  }
  std::stable_sort(out.rows.begin(), out.rows.end(), [](const HandComboRow& x, const HandComboRow& y) {
    if (std::isnan(x.ev) || std::isnan(y.ev)) return !std::isnan(x.ev) && std::isnan(y.ev);
    return x.ev > y.ev;
  });
  out.ok = true;
  return out;
}

PocketActionEvs node_pocket_action_evs(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index,
                                       int seat, const std::string& card1, const std::string& card2) {
  const auto d = checked_decision_node(game, index, true);
  if (!d || d->seat != seat) return {};
  const velmora::CardContext& ctx = game.card_context();
  const velmora::PlanNode& node = *d->node;
  const std::size_t H = d->hands;
  if (ctx.weights(seat).size() != H) return {};
  if (card1.size() < 2 || card2.size() < 2) return {};
  const velmora::Card c1 = velmora::parse_card(std::string_view(card1).substr(0, 2));
  const velmora::Card c2 = velmora::parse_card(std::string_view(card2).substr(0, 2));
  if (c1 == c2) return {};
  const velmora::Pocket pocket = velmora::make_pocket(c1, c2);
  const auto& pockets = ctx.pockets(seat);
  const auto found = std::find(pockets.begin(), pockets.end(), pocket);
  if (found == pockets.end()) return {};
  const std::size_t slot = static_cast<std::size_t>(found - pockets.begin());
  // The opponent's reach at the node as Hand Details takes it, so that a
  // pocket has an EV here exactly where its combo row has one.
  const auto reaches = path_reaches(game, solver, index);
  if (!reaches) return {};
  const std::vector<double>& opp_reach = (*reaches)[1 - seat];
  const std::vector<float> opp_floats = as_floats(opp_reach);
  const HandChips chips(game, node, seat, opp_reach);
  PocketActionEvs out;
  for (std::size_t a = 0; a < d->actions; ++a) {
    const std::vector<float> values = solver.compute_node_cfvalues_for_reach(game, node.children[a], seat, opp_floats);
    if (values.size() != H) return {};
    out.action_evs.push_back(chips(slot, values[slot]));
  }
  out.ok = true;
  return out;
}

NodeHandCombos node_seat_hand_combos(const velmora::Game& game, std::uint64_t index, bool ip) {
  const auto& nodes = game.nodes();
  if (index >= nodes.size()) return {};
  const velmora::CardContext& ctx = game.card_context();
  const int seat = ip ? 1 : 0;
  const auto& pockets = ctx.pockets(seat);
  const auto& weights = ctx.weights(seat);
  if (pockets.empty() || weights.size() != pockets.size()) return {};
  const std::uint64_t dead = dead_cards(ctx, nodes[index]);
  NodeHandCombos out;
  for (std::size_t i = 0; i < pockets.size(); ++i) {
    if (!positive_finite(weights[i]) || (velmora::pocket_mask(pockets[i]) & dead) != 0) continue;
    HandComboRow row;
    row.card1 = velmora::card_to_string(velmora::pocket_lo(pockets[i]));
    row.card2 = velmora::card_to_string(velmora::pocket_hi(pockets[i]));
    row.weight = weights[i];
    out.rows.push_back(std::move(row));
  }
  out.ok = true;
  return out;
}

}  // namespace velmora_app
