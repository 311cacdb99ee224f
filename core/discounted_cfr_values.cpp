// Read side of the solver: value and best-response traversals under the
// average strategies, root measures, per-node values and strategy read-outs.
#include <immintrin.h>

#include <algorithm>
#include <cmath>

#include "core/discounted_cfr.h"
#include "core/discounted_cfr_internal.h"
#include "core/kernels.h"
#include "core/payoffs.h"
#include "core/node_kernels.h"

namespace velmora {

using namespace cfr_detail;

namespace {

// out[h] = sum over a of p[a*H+h] * v[a*H+h], products and sum in double.
void expected_action_sum(float* out, const float* p, const float* v, std::size_t A, std::size_t H) {
  std::size_t h = 0;
  for (; h + 4 <= H; h += 4) {
    __m256d acc = _mm256_setzero_pd();
    for (std::size_t a = 0; a < A; ++a) {
      const __m256d pa = _mm256_cvtps_pd(_mm_loadu_ps(p + a * H + h));
      const __m256d va = _mm256_cvtps_pd(_mm_loadu_ps(v + a * H + h));
      acc = _mm256_add_pd(acc, _mm256_mul_pd(pa, va));
    }
    _mm_storeu_ps(out + h, _mm256_cvtpd_ps(acc));
  }
  for (; h < H; ++h) {
    double acc = 0.0;
    for (std::size_t a = 0; a < A; ++a) {
      acc += static_cast<double>(p[a * H + h]) * static_cast<double>(v[a * H + h]);
    }
    out[h] = static_cast<float>(acc);
  }
}

// Per-hand maximum over the actions.
void max_action(float* out, const float* v, std::size_t A, std::size_t H) {
  std::copy(v, v + H, out);
  for (std::size_t a = 1; a < A; ++a) {
    const float* row = v + a * H;
    for (std::size_t h = 0; h < H; ++h) out[h] = row[h] > out[h] ? row[h] : out[h];
  }
}

float weighted_total(const std::vector<float>& weights, const std::vector<float>& values) {
  const std::size_t n = std::min(weights.size(), values.size());
  double total = 0.0;
  for (std::size_t i = 0; i < n; ++i) total += static_cast<double>(weights[i]) * static_cast<double>(values[i]);
  return static_cast<float>(total);
}

}  // namespace

// ---------------------------------------------------------------------------
// Matrix views

const float* DiscountedCfr::regrets_view(const NodeState& st, std::vector<float>& tmp) const {
  if (!compress_) return regrets_of(st);
  const std::size_t n = std::size_t{st.actions} * st.hands;
  decode16(grow(tmp, n), regrets16_of(st), n, regrets_scale(st));
  return tmp.data();
}

const float* DiscountedCfr::strategy_sums_view(const NodeState& st, std::vector<float>& tmp) const {
  if (!compress_) return strategy_sums_of(st);
  const std::size_t n = std::size_t{st.actions} * st.hands;
  decode16(grow(tmp, n), strategy_sums16_of(st), n, strategy_sums_scale(st));
  return tmp.data();
}

std::vector<float> DiscountedCfr::node_regrets(std::uint64_t node) const {
  settle();
  if (node >= states_.size() || !states_[node].initialised) return {};
  std::vector<float> tmp;
  const NodeState& st = states_[node];
  const float* p = regrets_view(st, tmp);
  return std::vector<float>(p, p + std::size_t{st.actions} * st.hands);
}

std::vector<float> DiscountedCfr::node_strategy_sums(std::uint64_t node) const {
  settle();
  if (node >= states_.size() || !states_[node].initialised) return {};
  std::vector<float> tmp;
  const NodeState& st = states_[node];
  const float* p = strategy_sums_view(st, tmp);
  return std::vector<float>(p, p + std::size_t{st.actions} * st.hands);
}

// Average strategy: p(a) = max(S, 0) / sum over actions of max(S, 0), or 1/A
// when that sum is not positive, which is regret matching applied to the sums.
void DiscountedCfr::average_into(const NodeState& st, float* out, std::vector<float>& tmp,
                                 std::vector<float>& scratch) const {
  const std::size_t A = st.actions;
  const std::size_t H = st.hands;
  const float* sums = strategy_sums_view(st, tmp);
  regret_matching(out, grow(scratch, H), sums, A, H);
}

// ---------------------------------------------------------------------------
// Value traversals

void DiscountedCfr::compute_cfvalue_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach,
                                              float* values, std::size_t depth, ScratchStack& scratch) {
  value_recursive(game, node, seat, opp_reach, values, depth, scratch, false);
}

void DiscountedCfr::compute_best_cfvalue_recursive(const Game& game, std::uint64_t node, int seat,
                                                   const float* opp_reach, float* values, std::size_t depth,
                                                   ScratchStack& scratch) {
  value_recursive(game, node, seat, opp_reach, values, depth, scratch, true);
}

void DiscountedCfr::value_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach,
                                    float* values, std::size_t depth, ScratchStack& scratch, bool best_response) {
  const GameNode& n = game.nodes()[node];
  const CardContext& cc = game.card_context();
  const std::size_t H = cc.hand_count(seat);
  const std::size_t H_opp = cc.hand_count(1 - seat);
  // After a solve the node states carry type and children: the larger node
  // record is then only read at chance nodes.
  const bool solved = states_.size() == game.nodes().size();
  const std::uint8_t type = solved ? states_[node].type : n.type;

  if (type == kNodeTerminal) {
    stop_if_cancelled();
    terminal_values(game, solved ? payoffs_[states_[node].first_child] : game.terminal_payoff(node), seat,
                    std::span<const float>(opp_reach, H_opp),
                    std::span<float>(values, H));
    return;
  }
  const std::size_t A = solved ? states_[node].actions : n.children.size();
  if (A == 0 || H == 0) {
    std::fill(values, values + H, 0.0f);
    return;
  }
  const std::uint64_t* node_children = solved ? nullptr : n.children.data();
  const std::uint32_t* table_children = solved ? child_table_.data() + states_[node].first_child : nullptr;
  const auto child = [&](std::size_t a) -> std::uint64_t {
    return table_children != nullptr ? table_children[a] : node_children[a];
  };

  Frame& frame = scratch.frame(depth);
  if (type == kNodeChance) {
    const bool safe = chance_parallel_safe(node);
    expand_chance(*this, game, n, seat, opp_reach, values, H, H_opp, depth, frame, scratch, safe, safe,
                  [this, &game, seat, best_response](std::uint64_t child, const float* r, float* out, std::size_t d,
                                                     ScratchStack& s) {
                    value_recursive(game, child, seat, r, out, d, s, best_response);
                  },
                  true);
    return;
  }

  const bool has_state = node < states_.size() && states_[node].initialised;
  const int actor = has_state ? states_[node].seat : n.seat;

  if (actor != seat) {
    if (A == 1) {
      value_recursive(game, child(0), seat, opp_reach, values, depth + 1, scratch, best_response);
      return;
    }
    if (!has_state || states_[node].hands != H_opp || states_[node].actions != A) {
      std::fill(values, values + H, 0.0f);
      return;
    }
    float* strategy = grow(frame.buf[kStrategy], A * H_opp);
    average_into(states_[node], strategy, frame.buf[kSums], frame.buf[kRowScratch]);
    float* child_values = grow(frame.buf[kChildValues], A * H);
    float* reach = grow(frame.buf[kReach], 2 * H_opp);
    std::size_t fold = A;
    std::size_t showdown = A;
    value_opponent_fold_pair(
        game, states_[node].fold_pair, A,
        [&](std::size_t a) { return solved ? payoffs_[states_[child(a)].first_child] : game.terminal_payoff(child(a)); },
        strategy_reach_rows(reach, opp_reach, strategy, H_opp),
        seat, H_opp, child_values, H, fold, showdown);
    for (std::size_t a = 0; a < A; ++a) {
      if (a == fold || a == showdown) continue;
      multiply(reach, opp_reach, strategy + a * H_opp, H_opp);
      value_recursive(game, child(a), seat, reach, child_values + a * H, depth + 1, scratch, best_response);
    }
    sum_rows_double(values, child_values, A, H);
    return;
  }

  if (!has_state || states_[node].hands != H || states_[node].actions != A) {
    std::fill(values, values + H, 0.0f);
    return;
  }
  float* child_values = grow(frame.buf[kChildValues], A * H);
  std::size_t fold = A;
  std::size_t showdown = A;
  value_fold_pair(
      game, states_[node].fold_pair, A,
      [&](std::size_t a) { return solved ? payoffs_[states_[child(a)].first_child] : game.terminal_payoff(child(a)); },
      seat, opp_reach, H_opp, child_values, H, fold, showdown);
  if (solved) {
    for (std::size_t a = 0; a < A; ++a) prefetch_opponent_regrets(child(a), seat, true);
  }
  for (std::size_t a = 0; a < A; ++a) {
    if (a == fold || a == showdown) continue;
    value_recursive(game, child(a), seat, opp_reach, child_values + a * H, depth + 1, scratch, best_response);
  }

  if (!best_response) {
    float* strategy = grow(frame.buf[kStrategy], A * H);
    average_into(states_[node], strategy, frame.buf[kSums], frame.buf[kRowScratch]);
    expected_action_sum(values, strategy, child_values, A, H);
    return;
  }

  const LockVector* lock = game.node_locks().empty() ? nullptr : game.find_node_lock(node);
  if (lock && lock->size() == A) {
    // One probability per action for every hand.
    float* strategy = grow(frame.buf[kStrategy], A * H);
    for (std::size_t a = 0; a < A; ++a) std::fill(strategy + a * H, strategy + (a + 1) * H, (*lock)[a]);
    expected_action_sum(values, strategy, child_values, A, H);
    return;
  }
  if (lock && lock->size() >= A * H) {
    const LockVector& L = *lock;
    for (std::size_t h = 0; h < H; ++h) {
      if (lock_entry_set(L[h])) {
        double acc = 0.0;
        for (std::size_t a = 0; a < A; ++a) {
          const float p = L[a * H + h];
          if (lock_entry_set(p)) acc += static_cast<double>(p) * static_cast<double>(child_values[a * H + h]);
        }
        values[h] = static_cast<float>(acc);
      } else {
        float best = child_values[h];
        for (std::size_t a = 1; a < A; ++a) best = child_values[a * H + h] > best ? child_values[a * H + h] : best;
        values[h] = best;
      }
    }
    return;
  }
  max_action(values, child_values, A, H);
}

// ---------------------------------------------------------------------------
// Root measures and per-node values

std::array<float, 2> DiscountedCfr::root_values(const Game& game, bool best_response) {
  std::array<float, 2> out{0.0f, 0.0f};
  if (game.nodes().empty()) return out;
  const CardContext& cc = game.card_context();
  for (int seat = 0; seat < 2; ++seat) {
    std::vector<float> values(cc.hand_count(seat), 0.0f);
    ScratchStack scratch;
    value_recursive(game, 0, seat, cc.weights(1 - seat).data(), values.data(), 0, scratch, best_response);
    out[seat] = weighted_total(cc.weights(seat), values);
  }
  return out;
}

std::array<float, 2> DiscountedCfr::expected_values(const Game& game) {
  settle();
  std::array<float, 2> v = root_values(game, false);
  const float half_pot = static_cast<float>(game.config().starting_pot) / 2.0f;
  return {v[0] + half_pot, v[1] + half_pot};
}

std::array<float, 2> DiscountedCfr::best_response_values(const Game& game) {
  settle();
  std::array<float, 2> v = root_values(game, true);
  const float half_pot = static_cast<float>(game.config().starting_pot) / 2.0f;
  return {v[0] + half_pot, v[1] + half_pot};
}

std::vector<float> DiscountedCfr::compute_node_cfvalues(const Game& game, std::uint64_t node, int seat) {
  return compute_node_cfvalues_for_reach(game, node, seat, game.card_context().weights(1 - seat));
}

std::vector<float> DiscountedCfr::compute_node_cfvalues_for_reach(const Game& game, std::uint64_t node, int seat,
                                                                  const std::vector<float>& opp_reach) {
  settle();
  if (seat != 0 && seat != 1) return {};
  const CardContext& cc = game.card_context();
  std::vector<float> values(cc.hand_count(seat), 0.0f);
  if (node >= game.nodes().size() || opp_reach.size() != cc.hand_count(1 - seat)) return values;
  ScratchStack scratch;
  value_recursive(game, node, seat, opp_reach.data(), values.data(), 0, scratch, false);
  return values;
}

// ---------------------------------------------------------------------------
// Strategy read-outs

std::vector<float> DiscountedCfr::average_hand_strategy(std::uint64_t node) const {
  settle();
  if (node >= states_.size()) return {};
  const NodeState& st = states_[node];
  if (!st.initialised || st.actions == 0 || st.hands == 0) return {};
  std::vector<float> out(st.actions * st.hands);
  std::vector<float> tmp;
  std::vector<float> scratch;
  average_into(st, out.data(), tmp, scratch);
  return out;
}

std::vector<float> DiscountedCfr::average_strategy(std::uint64_t node) const {
  const std::vector<float> per_hand = average_hand_strategy(node);
  if (per_hand.empty()) return {};
  const NodeState& st = states_[node];
  const std::size_t A = st.actions;
  const std::size_t H = st.hands;
  std::vector<float> out(A);
  for (std::size_t a = 0; a < A; ++a) {
    double total = 0.0;
    for (std::size_t h = 0; h < H; ++h) total += static_cast<double>(per_hand[a * H + h]);
    out[a] = static_cast<float>(total / static_cast<double>(H));
  }
  return out;
}

}  // namespace velmora
