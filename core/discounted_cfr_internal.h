// Shared pieces of the training and value traversals: scratch buffer roles
// and the expansion of a chance node.
#pragma once
#include <immintrin.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <memory>
#include <span>
#include <vector>

#include "core/discounted_cfr.h"
#include "core/kernels.h"
#include "core/payoffs.h"
#include "core/row_sums.h"
#include "core/parallel_region.h"

namespace velmora::cfr_detail {

// Roles of the buffers of one scratch frame.
enum Buffer : int {
  kChildValues = 0,  // A x H values of the children
  kStrategy,         // A x H strategy of the acting seat
  kRowScratch,       // H floats for regret matching
  kReach,            // opponent reach handed to one child
  kRegrets,          // decoded regrets (16-bit storage)
  kSums,             // decoded strategy sums (16-bit storage)
  kSwapped,          // one child row with suit-swapped hands
};

inline float* grow(std::vector<float>& buffer, std::size_t n) {
  if (buffer.size() < n) buffer.resize(n);
  return buffer.data();
}

// Requests every cache line of [p, p + bytes) at once, so the rows of a
// node's matrices arrive in parallel instead of one stream at a time.
inline void prefetch_lines(const void* p, std::size_t bytes) {
  const char* c = static_cast<const char*>(p);
  for (std::size_t off = 0; off < bytes; off += 64) _mm_prefetch(c + off, _MM_HINT_T0);
}

// The same into the second-level cache, for data needed after a subtree.
inline void prefetch_lines_later(const void* p, std::size_t bytes) {
  const char* c = static_cast<const char*>(p);
  for (std::size_t off = 0; off < bytes; off += 64) _mm_prefetch(c + off, _MM_HINT_T1);
}

// Opponent reach is scaled by 1/45 when the turn is dealt and 1/44 for the
// river (the cards left once both players' hands are known).
inline float chance_reach_scale(const PlanNode& node, std::size_t A) {
  std::size_t n = 0;
  if (node.turn == kNoCard) {
    n = 45;
  } else if (node.river == kNoCard) {
    n = 44;
  }
  if (n == 0) n = A;
  return n == 0 ? 1.0f : 1.0f / static_cast<float>(n);
}

// The fold and showdown children of a node state's `fold_pair`; false when
// it has none (or names children the node does not have).
inline bool fold_pair_children(std::uint8_t pair, std::size_t A, std::size_t& fold, std::size_t& showdown) {
  if (pair == 0xFF) return false;
  fold = pair & 15u;
  showdown = pair >> 4;
  return fold < A && showdown < A;
}

// At a traverser node with a river fold and showdown child (the node
// state's `fold_pair`), values both in one scan into their rows of
// `child_values` and returns their indices in `fold` and `showdown`; both
// stay A when there is no such pair. `payoff(a)` gives the payoff record of
// child a.
template <class ChildPayoff>
void value_fold_pair(const Game& game, std::uint8_t pair, std::size_t A, ChildPayoff payoff, int seat,
                     const float* opp_reach, std::size_t H_opp, float* child_values, std::size_t H, std::size_t& fold,
                     std::size_t& showdown) {
  std::size_t f = A;
  std::size_t c = A;
  fold = A;
  showdown = A;
  if (!fold_pair_children(pair, A, f, c)) return;
  if (showdown_and_fold_values(game, payoff(c), payoff(f), seat,
                               std::span<const float>(opp_reach, H_opp), std::span<float>(child_values + c * H, H),
                               std::span<float>(child_values + f * H, H))) {
    fold = f;
    showdown = c;
  }
}

// At an opponent node with a river fold and showdown child, values both in
// one scan against the reach each child is handed (`reach_row(a, k)` gives
// child a's row, computed into buffer k = 0 or 1 when it has to be), into
// their rows of `child_values`; returns their indices in `fold` and
// `showdown`, both A when there is no such pair.
template <class ChildPayoff, class ReachRow>
void value_opponent_fold_pair(const Game& game, std::uint8_t pair, std::size_t A, ChildPayoff payoff,
                              ReachRow reach_row, int seat, std::size_t H_opp, float* child_values, std::size_t H,
                              std::size_t& fold, std::size_t& showdown) {
  std::size_t f = A;
  std::size_t c = A;
  fold = A;
  showdown = A;
  if (!fold_pair_children(pair, A, f, c)) return;
  const float* fold_reach = reach_row(f, 0);
  const float* call_reach = reach_row(c, 1);
  if (showdown_beside_fold_values(game, payoff(c), payoff(f), seat, std::span<const float>(call_reach, H_opp),
                                  std::span<const float>(fold_reach, H_opp),
                                  std::span<float>(child_values + c * H, H),
                                  std::span<float>(child_values + f * H, H))) {
    fold = f;
    showdown = c;
  }
}

// The reach_row of value_opponent_fold_pair for an opponent strategy: child
// a's reach is opp_reach times row a of `strategy` (A x H_opp), written into
// row k of `rows` (2 x H_opp).
inline auto strategy_reach_rows(float* rows, const float* opp_reach, const float* strategy, std::size_t H_opp) {
  return [rows, opp_reach, strategy, H_opp](std::size_t a, int k) {
    float* row = rows + static_cast<std::size_t>(k) * H_opp;
    multiply(row, opp_reach, strategy + a * H_opp, H_opp);
    return static_cast<const float*>(row);
  };
}

// Before child c of a chance node is valued: asks for what the next child
// reads first, and names it to the child's river walk as the subtree that
// follows.
inline void before_chance_child(const DiscountedCfr& cfr, const Game& game, const PlanNode& node, std::size_t c,
                                int seat, bool value_traversal, DiscountedCfr::ScratchStack& s) {
  const std::size_t A = node.children.size();
  const std::uint64_t* children = node.children.data();
  // The next child's first reads can be under way while this one runs.
  if (c + 1 < A) cfr.prefetch_opponent_regrets(children[c + 1], seat, value_traversal);
  s.river().next_root = c + 1 < A ? children[c + 1] : DiscountedCfr::kNoNextRoot;
  // A child's subtree looks up the board of the next one when it starts:
  // the node of the child after next is asked for now.
  for (std::size_t k = c == 0 ? 1 : 2; k <= 2; ++k) {
    if (c + k < A && children[c + k] < game.nodes().size()) {
      _mm_prefetch(reinterpret_cast<const char*>(&game.nodes()[children[c + k]].turn), _MM_HINT_T1);
    }
  }
}

// The chance node's values from its children's rows (A x H): summed in
// child order, then the suit-isomorphic deals added from their
// representative child with the traverser's hands swapped.
void combine_chance(const Game& game, const PlanNode& node, int seat, const float* child_values, std::size_t H,
                    float* values, DiscountedCfr::Frame& frame);

// Values of a chance node: children valued against the scaled reach (in
// parallel when asked), summed in child order, then the suit-isomorphic deals
// added from their representative child with the traverser's hands swapped.
// `recurse(child, reach, out, depth, scratch)` values one child. Every child
// writes its own row, so the values never depend on which thread computed
// them. `safe`: the children are distinct subtrees that may run at the same
// time; `parallel`: this node opens a parallel region (implies `safe`).
template <class Recurse>
void expand_chance(DiscountedCfr& cfr, const Game& game, const PlanNode& node, int seat, const float* reach,
                   float* values, std::size_t H, std::size_t H_opp, std::size_t depth, DiscountedCfr::Frame& frame,
                   DiscountedCfr::ScratchStack& scratch, bool parallel, bool safe, Recurse&& recurse,
                   bool value_traversal = false) {
  const std::size_t A = node.children.size();
  frame.actions = A;
  frame.hands = H;
  float* scaled = grow(frame.buf[kReach], H_opp);
  scale_into(scaled, reach, chance_reach_scale(node, A), H_opp);
  float* child_values = grow(frame.buf[kChildValues], A * H);
  const std::uint64_t* children = node.children.data();
  auto value_child = [&](std::size_t c, DiscountedCfr::ScratchStack& s) {
    cfr.stop_if_cancelled();
    before_chance_child(cfr, game, node, c, seat, value_traversal, s);
    recurse(children[c], scaled, child_values + c * H, depth + 1, s);
  };

  if (safe && t_region != nullptr && !t_helping && t_region->idle.load(std::memory_order_relaxed) > 0) {
    // Inside a region with idle threads: share this node's children.
    const std::function<void(std::size_t, DiscountedCfr::ScratchStack&)> run = value_child;
    run_with_helpers(*t_region, A, run, scratch);
  } else if (parallel && safe && t_region == nullptr && !t_helping && cfr.thread_count() > 1) {
    const std::size_t shares = std::min<std::size_t>(cfr.thread_count(), A);
    std::array<Block, kMaxShares> blocks;
    const std::size_t used = std::min(shares, kMaxShares);
    for (std::size_t b = 0; b < used; ++b) {
      blocks[b].next.store(b * A / used, std::memory_order_relaxed);
      blocks[b].end = (b + 1) * A / used;
    }
    run_region(cfr, shares, std::span<Block>(blocks.data(), used), A,
               [&](std::size_t, std::size_t c, DiscountedCfr::ScratchStack& s) { value_child(c, s); });
  } else {
    for (std::size_t c = 0; c < A; ++c) value_child(c, scratch);
  }

  combine_chance(game, node, seat, child_values, H, values, frame);
}

}  // namespace velmora::cfr_detail
