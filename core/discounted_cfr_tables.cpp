// The solver's tables: per-node states and flags, the child table, the
// terminal payoff records, and the arena of regrets and strategy sums.
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <stdexcept>
#ifdef _WIN32
#include <malloc.h>
#endif

#include "core/discounted_cfr.h"
#include "core/huge_pages.h"
#include "core/payoffs.h"

namespace velmora {

namespace {

// Large arenas are aligned to 2 MiB and, on Linux, offered transparent huge
// pages: far fewer page faults when they are first zeroed and fewer TLB
// misses in the traversals.
void* allocate_arena(std::size_t bytes) {
  const std::size_t align = bytes >= kHugePage ? kHugePage : 64;
  const std::size_t rounded = (std::max<std::size_t>(bytes, 1) + align - 1) / align * align;
#ifdef _WIN32
  void* p = _aligned_malloc(rounded, align);
#else
  void* p = std::aligned_alloc(align, rounded);
#endif
  if (!p) throw std::bad_alloc();
  if (align == kHugePage) advise_huge_pages(p, rounded);
  return p;
}

// The fold and showdown children of a river decision node (see NodeState).
std::uint8_t fold_showdown_pair(const Game& game, const GameNode& n) {
  std::size_t fold = 16;
  std::size_t showdown = 16;
  for (std::size_t a = 0; a < n.children.size() && a < 15; ++a) {
    const GameNode& c = game.nodes()[n.children[a]];
    if (c.type != kNodeTerminal || c.turn == kNoCard || c.river == kNoCard) continue;
    if (c.last_action == kActFold) {
      fold = a;
    } else {
      showdown = a;
    }
  }
  if (fold >= 15 || showdown >= 15) return 0xFF;
  return static_cast<std::uint8_t>(fold | (showdown << 4));
}

}  // namespace

void DiscountedCfr::ArenaDeleter::operator()(void* p) const {
#ifdef _WIN32
  _aligned_free(p);
#else
  std::free(p);
#endif
}

double DiscountedCfr::planned_node_bytes(double nodes, double edges, double decisions) {
  // A state and a parallel-safe flag per node, a payoff record per terminal
  // (every node that is not a decision node: the few chance nodes count
  // too), the child table, and beside each decision node's matrices its
  // 16-bit scales and the padding to 8 bytes (at most 15 bytes either way).
  return nodes * static_cast<double>(sizeof(NodeState) + sizeof(std::uint8_t)) +
         (nodes - decisions) * static_cast<double>(sizeof(TerminalPayoff)) +
         edges * static_cast<double>(sizeof(std::uint32_t)) + decisions * 15.0;
}

double DiscountedCfr::planned_matrix_bytes(double cells, bool compress) {
  // Regrets and strategy sums (what matrix_bytes reports).
  return 2.0 * cells * static_cast<double>(compress ? sizeof(std::int16_t) : sizeof(float));
}

void DiscountedCfr::prepare_states(Game& game) {
  const std::vector<GameNode>& nodes = game.nodes();
  const std::size_t count = nodes.size();

  node_flags_.assign(count, kParallelSafe);
  split_ = {-1, -1};
  const auto full_board_decision = [&nodes](std::uint64_t i) {
    const GameNode& n = nodes[i];
    return n.type == kNodeDecision && n.turn != kNoCard && n.river != kNoCard;
  };
  if (count > 0 && full_board_decision(0)) node_flags_[0] |= kRiverRoot;
  for (std::size_t i = 0; i < count; ++i) {
    const GameNode& n = nodes[i];
    if (n.type != kNodeChance) continue;
    for (std::uint64_t c : n.children) {
      if (c < count && full_board_decision(c)) node_flags_[c] |= kRiverRoot;
    }
    if (n.children.size() < 2) continue;
    std::vector<std::uint64_t> sorted(n.children.begin(), n.children.end());
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) node_flags_[i] &= ~kParallelSafe;
  }

  // Lay the matrices out in node order in one arena, then zero it in
  // parallel (which also spreads the first touch of the pages).
  states_.clear();
  states_.resize(count);
  arena_.reset();
  payoffs_.clear();
  const CardContext& cc = game.card_context();
  if (count > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("Game tree too large");
  std::size_t links = 0;
  std::size_t terminals = 0;
  for (const GameNode& n : nodes) {
    links += n.children.size();
    terminals += n.type == kNodeTerminal;
  }
  child_table_.clear();
  child_table_.reserve(links);
  payoffs_.reserve(terminals);
  std::size_t units = 0;  // 8-byte units of the arena
  matrix_entries_ = 0;
  stale_.store(false, std::memory_order_relaxed);
  stale_game_ = nullptr;
  const CancelFlag* cancel = config_.cancel;
  for (std::size_t i = 0; i < count; ++i) {
    if ((i & 0xFFFF) == 0) throw_if_cancelled(cancel);
    const GameNode& n = nodes[i];
    NodeState& st = states_[i];
    st.type = n.type;
    st.seat = n.seat;
    if (n.children.size() > std::numeric_limits<std::uint16_t>::max()) throw std::length_error("Game tree too large");
    st.actions = static_cast<std::uint16_t>(n.children.size());
    st.first_child = static_cast<std::uint32_t>(child_table_.size());
    for (std::uint64_t c : n.children) child_table_.push_back(static_cast<std::uint32_t>(c));
    if (n.type == kNodeTerminal) {
      st.first_child = static_cast<std::uint32_t>(payoffs_.size());
      payoffs_.push_back(make_terminal_payoff(game, n));
      continue;
    }
    if (n.type != kNodeDecision || n.actions.empty() || n.children.empty()) continue;
    st.initialised = true;
    st.fold_pair = fold_showdown_pair(game, n);
    st.hands = static_cast<std::uint16_t>(cc.hand_count(n.seat));
    if (units > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("Game tree too large");
    st.block = static_cast<std::uint32_t>(units);
    const std::size_t entries = 2 * std::size_t{st.actions} * st.hands;
    matrix_entries_ += entries;
    const std::size_t bytes = compress_ ? 8 + entries * sizeof(std::int16_t) : entries * sizeof(float);
    units += (bytes + 7) / 8;
  }
  arena_.reset(static_cast<char*>(allocate_arena(units * 8)));
  zero_matrices(cancel);
  // Zeroing stopped part-way: these tables are never used.
  throw_if_cancelled(cancel);
}

void DiscountedCfr::zero_matrices(const CancelFlag* cancel) {
  parallel_for(states_.size(), [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      if ((i & 0xFF) == 0 && cancel_requested(cancel)) return;
      const NodeState& st = states_[i];
      if (!st.initialised) continue;
      const std::size_t size = 2 * std::size_t{st.actions} * st.hands;
      if (compress_) {
        regrets_scale(st) = 1.0f;
        strategy_sums_scale(st) = 1.0f;
        std::fill(regrets16_of(st), regrets16_of(st) + size, std::int16_t{0});
      } else {
        std::fill(regrets_of(st), regrets_of(st) + size, 0.0f);
      }
    }
  });
}

std::size_t DiscountedCfr::matrix_bytes() const {
  return matrix_entries_ * (compress_ ? sizeof(std::int16_t) : sizeof(float));
}

}  // namespace velmora
