// Node queries over the acting seat's whole range: action statistics,
// hand-category buckets and the 169-class strategy.
#include "session/node_queries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

#include "session/action_labels.h"
#include "session/equity.h"
#include "session/hand_categories.h"
#include "session/node_query_support.h"

namespace velmora_app {

using namespace query_detail;

namespace {

constexpr std::uint32_t kEquitySeedMix = 0xC0FFEE;
constexpr std::size_t kFlopSamples = 6000;
constexpr std::size_t kTurnSamples = 4000;

// The acting seat's average strategy (A x H), sanitised; empty when its size
// is not A x H.
std::vector<float> hand_strategy(velmora::DiscountedCfr& solver, std::uint64_t index, const DecisionNode& d) {
  std::vector<float> s = solver.average_hand_strategy(index);
  if (s.size() != d.actions * d.hands) return {};
  for (float& v : s) {
    if (!std::isfinite(v)) v = 0.0f;
  }
  return s;
}

// Equity of the hands `hero_weights` describes against the opponent's
// hands at `opp_weights`.
double action_equity(std::mt19937& gen, const velmora::CardContext& ctx, const velmora::PlanNode& node, int seat,
                     const std::vector<double>& hero_weights, const std::vector<float>& opp_weights) {
  const int opp = 1 - seat;
  double eq;
  if (node.turn != velmora::kNoCard && node.river != velmora::kNoCard) {
    eq = exact_river_equity(ctx.runout_showdown(node.turn, node.river), seat, ctx.pockets(seat), ctx.pockets(opp),
                            hero_weights, opp_weights);
  } else {
    const auto& board = ctx.board_cards();
    const std::size_t samples = node.turn != velmora::kNoCard ? kTurnSamples : kFlopSamples;
    eq = estimate_equity(gen, std::span<const velmora::Card>(board.data(), std::min<std::size_t>(3, board.size())),
                         node.turn, node.river, ctx.pockets(seat), hero_weights, ctx.pockets(opp), opp_weights,
                         samples);
  }
  if (!std::isfinite(eq)) return std::numeric_limits<double>::quiet_NaN();
  return std::clamp(eq, 0.0, 1.0);
}

// The acting seat's hands as they arrive at a node: range weight times own
// path reach, and the opponent's reach there; nullopt when the node cannot be
// traced back to the root.
struct NodeReach {
  std::vector<double> own;  // H of the acting seat
  std::vector<double> opp;  // of the other seat
  double total = 0.0;       // sum of `own`
};

std::optional<NodeReach> node_reach(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index,
                                    const DecisionNode& d) {
  auto reaches = path_reaches(game, solver, index);
  if (!reaches) return std::nullopt;
  NodeReach r;
  r.own = std::move((*reaches)[d.seat]);
  r.opp = std::move((*reaches)[1 - d.seat]);
  if (r.own.size() != d.hands) return std::nullopt;
  for (double& x : r.own) {
    if (!positive_finite(x)) x = 0.0;
    r.total += x;
  }
  return r;
}

}  // namespace

NodeActionStats node_action_stats(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto d = checked_decision_node(game, index, true);
  if (!d) return {};
  const velmora::CardContext& ctx = game.card_context();
  const velmora::PlanNode& node = *d->node;
  const std::size_t A = d->actions;
  const std::size_t H = d->hands;
  if (ctx.weights(d->seat).size() != H) return {};
  const std::vector<float> strategy = hand_strategy(solver, index, *d);
  if (strategy.empty()) return {};
  const auto reach = node_reach(game, solver, index, *d);
  if (!reach) return {};
  const std::vector<double>& x = reach->own;
  const bool reached = reach->total > 0.0;
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

  NodeActionStats out;
  const std::int32_t pot = label_pot(game, node);
  for (std::size_t a = 0; a < A; ++a) {
    out.labels.push_back(action_display_label(node.actions[a], pot));
    out.keys.push_back(action_key_label(node.actions[a], pot));
  }

  const std::vector<float> opp_reach = as_floats(reach->opp);
  std::vector<std::vector<float>> child_values(A);
  for (std::size_t a = 0; a < A; ++a) {
    child_values[a] = solver.compute_node_cfvalues_for_reach(game, node.children[a], d->seat, opp_reach);
    if (child_values[a].size() != H) return {};
  }

  const std::vector<double> compat = opponent_compat(ctx, d->seat, reach->opp);
  const double pair_weight = ctx.pair_weight();
  const double half = half_pot(game, node);
  for (std::size_t a = 0; a < A; ++a) {
    // The EV averages the hands that meet an opponent hand; an action no
    // such hand takes has none.
    double combos = 0.0;
    double valued = 0.0;
    double numerator = 0.0;
    for (std::size_t h = 0; h < H; ++h) {
      const double s = strategy[a * H + h];
      if (!(x[h] > 0.0) || !(s > 0.0)) continue;
      combos += x[h] * s;
      if (!(compat[h] > 0.0)) continue;
      double v = child_values[a][h];
      if (pair_weight > 0.0) v = v * pair_weight / compat[h];
      if (!std::isfinite(v)) continue;
      valued += x[h] * s;
      numerator += x[h] * s * v;
    }
    double ev = valued > 0.0 ? numerator / valued : kNone;
    if (std::isfinite(ev) && std::isfinite(half) && half > 0.0) ev += half;
    out.frequencies.push_back(reached ? static_cast<float>(combos / reach->total)
                                      : std::numeric_limits<float>::quiet_NaN());
    out.combos.push_back(combos);
    out.evs.push_back(reached ? ev : kNone);
  }

  std::mt19937 gen(static_cast<std::uint32_t>(index ^ kEquitySeedMix));
  std::vector<double> hero(H);
  for (std::size_t a = 0; a < A; ++a) {
    if (!reached) {
      out.equities.push_back(kNone);
      continue;
    }
    for (std::size_t h = 0; h < H; ++h) {
      const double s = strategy[a * H + h];
      const double v = (x[h] > 0.0 && s > 0.0) ? x[h] * s : 0.0;
      hero[h] = std::isfinite(v) ? v : 0.0;
    }
    out.equities.push_back(action_equity(gen, ctx, node, d->seat, hero, opp_reach));
  }
  out.ok = true;
  return out;
}

NodeHandBuckets node_hand_buckets(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto d = checked_decision_node(game, index, false);
  if (!d) return {};
  const velmora::CardContext& ctx = game.card_context();
  const std::size_t A = d->actions;
  const std::size_t H = d->hands;
  if (ctx.weights(d->seat).size() != H) return {};
  const std::vector<float> strategy = hand_strategy(solver, index, *d);
  if (strategy.empty()) return {};
  const std::vector<velmora::Card> board = board_at_node(ctx, *d->node);
  if (board.size() < 3 || board.size() > 5) return {};
  const auto reach = node_reach(game, solver, index, *d);
  if (!reach) return {};

  std::array<double, kBucketCount> combos{};
  std::vector<std::vector<double>> sums(kBucketCount, std::vector<double>(A, 0.0));
  const auto& pockets = ctx.pockets(d->seat);
  for (std::size_t h = 0; h < H; ++h) {
    const double w = reach->own[h];
    if (!positive_finite(w)) continue;
    for (int b : hand_bucket_credit_on_board(board, pockets[h])) {
      combos[b] += w;
      for (std::size_t a = 0; a < A; ++a) {
        const double s = strategy[a * H + h];
        if (s > 0.0) sums[b][a] += s * w;
      }
    }
  }

  NodeHandBuckets out;
  for (int b = 0; b < kBucketCount; ++b) {
    if (!(combos[b] > 0.0)) continue;
    HandBucketRow row;
    row.name = std::string(kHandBuckets[b]);
    row.combos = combos[b];
    double total = 0.0;
    for (std::size_t a = 0; a < A; ++a) {
      const float p = static_cast<float>(sums[b][a] / combos[b]);
      row.action_probabilities.push_back(p);
      if (positive_finite(p)) total += p;
    }
    if (total > 0.0) {
      const double scale = 1.0 / total;
      for (float& p : row.action_probabilities) p = static_cast<float>(p * scale);
    }
    out.rows.push_back(std::move(row));
  }
  out.ok = true;
  return out;
}

NodeHandStrategy node_hand_strategy(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto d = checked_decision_node(game, index, false);
  if (!d) return {};
  const velmora::CardContext& ctx = game.card_context();
  const velmora::PlanNode& node = *d->node;
  const std::size_t A = d->actions;
  const std::size_t H = d->hands;
  if (ctx.weights(d->seat).size() != H) return {};
  const std::vector<float> strategy = hand_strategy(solver, index, *d);
  if (strategy.empty()) return {};
  const auto reach = node_reach(game, solver, index, *d);
  if (!reach) return {};

  NodeHandStrategy out;
  const std::int32_t pot = label_pot(game, node);
  std::vector<std::string> keys;
  for (std::size_t a = 0; a < A; ++a) {
    out.action_labels.push_back(action_display_label(node.actions[a], pot));
    keys.push_back(action_key_label(node.actions[a], pot));
  }

  std::vector<double> class_weight(kHandClassCount, 0.0);
  std::vector<double> class_sum(kHandClassCount * A, 0.0);
  const auto& pockets = ctx.pockets(d->seat);
  for (std::size_t h = 0; h < H; ++h) {
    const double r = reach->own[h];
    if (!positive_finite(r)) continue;
    const int c = hand_class_index(hand_class_label(pockets[h]));
    if (c < 0) continue;
    class_weight[c] += r;
    for (std::size_t a = 0; a < A; ++a) class_sum[c * A + a] += strategy[a * H + h] * r;
  }

  out.class_names = hand_class_names();
  out.class_weights.assign(kHandClassCount, 0.0f);
  out.dominant_keys.assign(kHandClassCount, std::string());
  out.probabilities.assign(kHandClassCount * A, 0.0f);
  for (int c = 0; c < kHandClassCount; ++c) {
    if (!(class_weight[c] > 0.0)) continue;
    out.class_weights[c] = static_cast<float>(class_weight[c]);
    std::size_t best = 0;
    for (std::size_t a = 0; a < A; ++a) {
      const float p = static_cast<float>(class_sum[c * A + a] / class_weight[c]);
      out.probabilities[c * A + a] = p;
      if (p > out.probabilities[c * A + best]) best = a;
    }
    out.dominant_keys[c] = keys[best];
  }
  out.ok = true;
  return out;
}

std::string describe_node(const velmora::Game& game, velmora::DiscountedCfr& solver, std::uint64_t index) {
  const auto d = checked_decision_node(game, index, false);
  if (!d) return {};
  std::ostringstream os;
  os.imbue(std::locale::classic());
  os.setf(std::ios::fixed);
  os.precision(4);
  auto figure = [&os](double v) -> std::ostream& {
    if (!std::isfinite(v)) return os << '-';
    return os << (std::abs(v) < 5e-5 ? 0.0 : v);  // no "-0.0000"
  };
  const std::int32_t pot = label_pot(game, *d->node);
  const NodeActionStats stats = node_action_stats(game, solver, index);
  os << "node " << index << " (" << (d->seat == 0 ? "OOP" : "IP") << ", pot " << d->node->pot << ")\n";
  for (std::size_t a = 0; a < d->actions; ++a) {
    os << "  " << action_display_label(d->node->actions[a], pot) << " [" << action_key_label(d->node->actions[a], pot)
       << "] ";
    if (!stats.ok) {
      os << "-\n";
      continue;
    }
    figure(stats.frequencies[a]) << "  combos ";
    figure(stats.combos[a]) << "  EV ";
    figure(stats.evs[a]) << "  equity ";
    figure(stats.equities[a]) << '\n';
  }
  const NodeHandBuckets buckets = node_hand_buckets(game, solver, index);
  for (const auto& row : buckets.rows) {
    os << "  " << row.name << ": " << row.combos << " combos";
    for (float p : row.action_probabilities) os << ' ' << p;
    os << '\n';
  }
  return os.str();
}

}  // namespace velmora_app
