// The training traversal of a river subtree in three steps. On the way down
// every node's opponent reach is known before any value is: an opponent
// node's strategy comes from its regrets alone, and the traverser's own
// nodes hand their reach on unchanged. So the walk down takes the reach of
// every child and lists the terminals. Those all lie on one board and are
// valued a batch at a time in one scan, which reads the board's tables once
// for the whole batch. The walk back up then sums the opponent nodes'
// children and updates the traverser's nodes, children before parents.
//
// Each value and update is the one solve_recursive makes, with the same
// operations, so a solve gives the same numbers either way.
#include <algorithm>

#include "core/discounted_cfr.h"
#include "core/discounted_cfr_internal.h"
#include "core/kernels.h"
#include "core/node_kernels.h"
#include "core/payoffs.h"
#include "core/prefetch_pump.h"

namespace velmora {

using namespace cfr_detail;

namespace {

// Room for n floats at the end of the subtree's buffer; returns its offset.
// Offsets stay valid when the buffer grows, pointers do not.
std::uint32_t take(DiscountedCfr::RiverWork& work, std::size_t n) {
  const std::size_t at = work.used;
  work.used += n;
  if (work.floats.size() < work.used) work.floats.resize(std::max(work.used, 2 * work.floats.size()));
  return static_cast<std::uint32_t>(at);
}

}  // namespace

void DiscountedCfr::solve_river(Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                                std::size_t depth, ScratchStack& scratch) {
  const CardContext& cc = game.card_context();
  const std::size_t H = cc.hand_count(seat);
  const std::size_t H_opp = cc.hand_count(1 - seat);
  RiverWork& work = scratch.river();
  Frame& frame = scratch.frame(depth);
  work.used = 0;
  work.nodes.clear();
  work.terminals.clear();
  const std::uint32_t reach = take(work, H_opp);
  const std::uint32_t root_values = take(work, H);
  std::copy(opp_reach, opp_reach + H_opp, work.floats.data() + reach);
  // The next sibling, if the hint names one: a later river root.
  std::uint64_t next = work.next_root;
  const std::size_t next_span = work.next_span;
  work.next_root = kNoNextRoot;
  work.next_span = 0;
  if (next >= states_.size() || next <= node || !river_root(next) || !states_[next].initialised) next = kNoNextRoot;
  // Asked for in full by the previous sibling's scans: no prefetching of
  // its own.
  work.in_cache = work.pumped_root == node;
  work.pumped_root = kNoNextRoot;
  const ShowdownScan* next_scan = next_river_scan(game, next, seat);
  river_down(game, node, seat, reach, root_values, work, frame);

  struct PumpGuard {
    ~PumpGuard() { t_prefetch_pump.clear(); }
  } pump_guard;
  stream_next_river(node, next, next_span, seat, next_scan, work);

  // The listed terminals, a batch at a time.
  constexpr std::size_t kChunk = 32;
  float* f = work.floats.data();
  for (std::size_t i = 0; i < work.terminals.size(); i += kChunk) {
    stop_if_cancelled();
    const std::size_t n = std::min(kChunk, work.terminals.size() - i);
    RiverJob jobs[kChunk];
    for (std::size_t k = 0; k < n; ++k) {
      const RiverTerminal& t = work.terminals[i + k];
      jobs[k].terminal = &payoffs_[t.payoff];
      jobs[k].reach = f + t.reach;
      jobs[k].out = f + t.values;
      if (t.fold != kNoPayoff) {
        jobs[k].fold = &payoffs_[t.fold];
        jobs[k].fold_out = f + t.fold_values;
      }
    }
    river_batch_values(game, seat, std::span<const RiverJob>(jobs, n));
  }

  // Children before parents: the listed nodes in reverse.
  for (std::size_t i = work.nodes.size(); i-- > 0;) {
    // A river start is one subtree: the stops above never come.
    if ((i & 0x3FF) == 0) stop_if_cancelled();
    const RiverNode& r = work.nodes[i];
    NodeState& st = states_[r.node];
    if (i > 0 && !work.in_cache) {
      // The next node up is a traverser node whose matrices were asked for
      // on the way down; they may have left the cache since.
      const NodeState& next = states_[work.nodes[i - 1].node];
      if (next.seat == seat) {
        prefetch_lines(matrix_start(next), 2 * std::size_t{next.actions} * next.hands * entry_bytes());
      }
    }
    const std::size_t A = st.actions;
    if (st.seat != seat) {
      sum_rows_double(f + r.values, f + r.child_values, A, H);
    } else {
      update_traverser(st, nullptr, f + r.child_values, f + r.values, A, H, frame);
    }
  }
  std::copy(f + root_values, f + root_values + H, values);
}

const ShowdownScan* DiscountedCfr::next_river_scan(const Game& game, std::uint64_t next, int seat) const {
  if (next == kNoNextRoot) return nullptr;
  const PlanNode& board = game.nodes()[next];
  if (board.turn >= kNumCards || board.river >= kNumCards) return nullptr;
  const ShowdownScan* scan = &game.card_context().runout_showdown(board.turn, board.river).scan;
  _mm_prefetch(reinterpret_cast<const char*>(&scan->own[seat]), _MM_HINT_T0);
  _mm_prefetch(reinterpret_cast<const char*>(&scan->order[1 - seat].slots), _MM_HINT_T0);
  _mm_prefetch(reinterpret_cast<const char*>(&scan->order[1 - seat].lane_slots), _MM_HINT_T0);
  return scan;
}

// The next sibling subtree has this one's shape and follows it in the arena
// (the matrices lie in node order): each of its nodes' matrices is this
// subtree's counterpart moved by the distance between the two roots' blocks.
// The scans of this subtree ask for what the next one will read (the
// regrets of the opponent's nodes, both matrices of the traverser's, then
// its board's showdown table) a line at a time, where the arithmetic hides
// the wait, and the next subtree finds them in the cache.
void DiscountedCfr::stream_next_river(std::uint64_t node, std::uint64_t next, std::size_t next_span, int seat,
                                      const ShowdownScan* next_scan, RiverWork& work) const {
  if (next == kNoNextRoot) return;
  const char* here = block_of(states_[node]);
  const std::ptrdiff_t ahead = block_of(states_[next]) - here;
  constexpr std::ptrdiff_t kMaxAhead = std::ptrdiff_t{1} << 20;
  if (ahead <= 0 || ahead > kMaxAhead || next_span > static_cast<std::size_t>(kMaxAhead)) return;
  PrefetchPump& pump = t_prefetch_pump;
  work.pumped_root = next;
  if (next_span != 0) {
    // A subtree of another shape: all of its bytes.
    pump.add(block_of(states_[next]), next_span);
  } else {
    for (const RiverNode& r : work.nodes) {
      const NodeState& st = states_[r.node];
      const std::size_t bytes = std::size_t{st.actions} * st.hands * entry_bytes() * (st.seat == seat ? 2 : 1);
      if (!pump.add(static_cast<const char*>(matrix_start(st)) + ahead, bytes)) {
        // A subtree too large to list: all of its bytes.
        pump.clear();
        pump.add(here + ahead, static_cast<std::size_t>(ahead));
        break;
      }
    }
  }
  if (next_scan != nullptr) {
    const auto add = [&pump](const auto& v) { pump.add(v.data(), v.size() * sizeof(v[0])); };
    add(next_scan->own[seat]);
    add(next_scan->order[1 - seat].slots);
    add(next_scan->order[1 - seat].lane_slots);
  }
}

void DiscountedCfr::river_down(const Game& game, std::uint64_t node, int seat, std::uint32_t reach,
                               std::uint32_t values, RiverWork& work, Frame& frame) {
  const NodeState& st = states_[node];
  const CardContext& cc = game.card_context();
  const std::size_t H = cc.hand_count(seat);
  const std::size_t H_opp = cc.hand_count(1 - seat);

  if (st.type == kNodeTerminal) {
    work.terminals.push_back({st.first_child, kNoPayoff, reach, values, 0});
    return;
  }
  // Below a full board there are only decision nodes and terminals.
  const std::size_t A = st.actions;
  if (st.type != kNodeDecision || A == 0 || H == 0) {
    std::fill_n(work.floats.data() + values, H, 0.0f);
    return;
  }
  const std::uint32_t* children = child_table_.data() + st.first_child;

  if (st.seat != seat) {
    if (A == 1) {
      river_down(game, children[0], seat, reach, values, work, frame);
      return;
    }
    if (st.hands != H_opp) {
      std::fill_n(work.floats.data() + values, H, 0.0f);
      return;
    }
    if (!work.in_cache) {
      prefetch_opponent_regrets(children[0], seat);
      prefetch_lines(matrix_start(st), A * H_opp * entry_bytes());
    }
    const std::uint32_t child_values = take(work, A * H);
    const std::uint32_t rows = take(work, A * H_opp);
    float* f = work.floats.data();
    if (compress_ && A <= kFusedMaxActions) {
      opponent_reach_rows16(f + rows, regrets16_of(st), regrets_scale(st), f + reach, A, H_opp);
    } else {
      const float* regrets = regrets_view(st, frame.buf[kRegrets]);
      float* strategy = grow(frame.buf[kStrategy], A * H_opp);
      regret_matching(strategy, grow(frame.buf[kRowScratch], H_opp), regrets, A, H_opp);
      for (std::size_t a = 0; a < A; ++a) multiply(f + rows + a * H_opp, f + reach, strategy + a * H_opp, H_opp);
    }
    work.nodes.push_back({static_cast<std::uint32_t>(node), child_values, values});
    if ((work.nodes.size() & 0x3FF) == 0) stop_if_cancelled();
    for (std::size_t a = 0; a < A; ++a) {
      if (a + 1 < A && !work.in_cache) prefetch_opponent_regrets(children[a + 1], seat);
      river_down(game, children[a], seat, static_cast<std::uint32_t>(rows + a * H_opp),
                 static_cast<std::uint32_t>(child_values + a * H), work, frame);
    }
    return;
  }

  if (st.hands != H) {
    std::fill_n(work.floats.data() + values, H, 0.0f);
    return;
  }
  // Asked for now, read on the way back up.
  if (!work.in_cache) {
    prefetch_opponent_regrets(children[0], seat);
    prefetch_lines_later(matrix_start(st), 2 * A * H * entry_bytes());
  }
  const std::uint32_t child_values = take(work, A * H);
  std::size_t fold = A;
  std::size_t showdown = A;
  if (fold_pair_children(st.fold_pair, A, fold, showdown)) {
    const auto row = [&](std::size_t a) { return static_cast<std::uint32_t>(child_values + a * H); };
    work.terminals.push_back({states_[children[showdown]].first_child, states_[children[fold]].first_child, reach,
                              row(showdown), row(fold)});
  } else {
    fold = A;
    showdown = A;
  }
  work.nodes.push_back({static_cast<std::uint32_t>(node), child_values, values});
  for (std::size_t a = 0; a < A; ++a) {
    if (a + 1 < A && !work.in_cache) prefetch_opponent_regrets(children[a + 1], seat);
    if (a == fold || a == showdown) continue;
    river_down(game, children[a], seat, reach, static_cast<std::uint32_t>(child_values + a * H), work, frame);
  }
}

}  // namespace velmora
