// A training traversal in three steps around one parallel region. The
// chance nodes that open regions (a turn spot's river deals, a flop spot's
// turn deals) lie below a few betting nodes; those nodes need the values of
// the chance nodes below them, but the reach a chance node hands its
// children comes from the opponent's strategies above it alone. So a first
// walk of the nodes above takes every such chance node's reach, one region
// values the children of all of them, and a second walk makes the values
// and updates of the nodes above with the children's rows in hand. The
// terminals above the region (folds, all-ins on the street before) are
// valued in it too, and the chance nodes' rows are combined in parallel
// before the second walk. Every value and update is the one
// solve_recursive makes, with the same operations in the same order.
#include <stdexcept>

#include "core/discounted_cfr.h"
#include "core/discounted_cfr_internal.h"
#include "core/kernels.h"
#include "core/payoffs.h"

namespace velmora {

using namespace cfr_detail;

bool DiscountedCfr::splits_above(const Game& game, std::uint64_t node, int seat, std::size_t depth,
                                 std::size_t& frontiers) const {
  if (node >= states_.size()) return false;
  const NodeState& st = states_[node];
  const CardContext& cc = game.card_context();
  const std::size_t H = cc.hand_count(seat);
  const std::size_t H_opp = cc.hand_count(1 - seat);
  if (st.type == kNodeTerminal) return true;
  const std::size_t A = st.actions;
  if (A == 0 || H == 0) return true;
  if (st.type == kNodeChance) {
    if (!opens_region(A, H, depth, chance_parallel_safe(node))) return false;
    ++frontiers;
    return true;
  }
  // River nodes above the region would be valued twice.
  if (river_root(node) || game.nodes()[node].river != kNoCard) return false;
  const std::uint32_t* children = child_table_.data() + st.first_child;
  if (st.seat != seat) {
    if (A == 1) return splits_above(game, children[0], seat, depth + 1, frontiers);
    if (st.hands != H_opp) return true;
  } else if (st.hands != H) {
    return true;
  }
  for (std::size_t a = 0; a < A; ++a) {
    if (!splits_above(game, children[a], seat, depth + 1, frontiers)) return false;
  }
  return true;
}

bool DiscountedCfr::split_traversal(const Game& game, int seat) {
  if (threads_ < 2 || !pool_ || game.nodes().empty()) return false;
  std::int8_t& known = split_[static_cast<std::size_t>(seat)];
  if (known < 0) {
    std::size_t frontiers = 0;
    known = splits_above(game, 0, seat, 0, frontiers) && frontiers > 0 ? 1 : 0;
  }
  return known == 1;
}

void DiscountedCfr::frontier_step(const Game& game, std::uint64_t node, const float* opp_reach,
                                  float* values, std::size_t H, std::size_t H_opp, std::size_t depth) {
  const PlanNode& plan = game.nodes()[node];
  const bool terminal = states_[node].type == kNodeTerminal;
  const std::size_t A = terminal ? 1 : plan.children.size();
  if (top_pass_ == TopPass::kCollect) {
    if (frontier_used_ == frontiers_.size()) frontiers_.emplace_back();
    Frontier& f = frontiers_[frontier_used_++];
    f.node = node;
    f.depth = depth;
    f.terminal = terminal;
    f.reach.resize(H_opp);
    if (terminal) {
      std::copy(opp_reach, opp_reach + H_opp, f.reach.begin());
    } else {
      scale_into(f.reach.data(), opp_reach, chance_reach_scale(plan, A), H_opp);
    }
    f.rows.resize(A * H);
    return;
  }
  if (frontier_used_ >= frontiers_.size() || frontiers_[frontier_used_].node != node) {
    throw std::logic_error("Traversal met the nodes the region values in another order the second time");
  }
  const Frontier& f = frontiers_[frontier_used_++];
  const std::vector<float>& made = terminal ? f.rows : f.values;
  std::copy(made.begin(), made.begin() + static_cast<std::ptrdiff_t>(H), values);
}

void DiscountedCfr::name_next_in_lane(const Game& game, const Frontier& f, std::uint64_t next_job,
                                      RiverWork& work) const {
  const Frontier& g = frontiers_[next_job >> 32];
  work.next_root = kNoNextRoot;
  work.next_span = 0;
  if (g.terminal) return;
  const auto& here = game.nodes()[f.node].children;
  const auto& there = game.nodes()[g.node].children;
  if (here.size() < 2 || there.size() < 2) return;
  // Siblings share a shape and lie one after the other: the first two give
  // a child's node count and matrix bytes.
  const auto units = [this](const auto& c) {
    return static_cast<std::int64_t>(states_[c[1]].block) - static_cast<std::int64_t>(states_[c[0]].block);
  };
  const std::int64_t span = units(there);
  if (span <= 0 || !river_root(there[0])) return;
  work.next_root = there[next_job & 0xFFFFFFFFu];
  if (here[1] - here[0] != there[1] - there[0] || units(here) != span) {
    work.next_span = static_cast<std::size_t>(span) * 8;
  }
}

void DiscountedCfr::value_frontiers(Game& game, int seat) {
  const std::size_t H = game.card_context().hand_count(seat);
  const std::size_t count = frontier_used_;
  const std::size_t used = std::min(threads_, kMaxShares);
  // Block b holds every b-th terminal, then the b-th run of every chance
  // node's children in tree order: a thread values the same children in
  // every traversal.
  std::vector<std::vector<std::uint64_t>>& lanes = frontier_lanes_;
  lanes.resize(used);
  std::array<Block, kMaxShares> blocks;
  std::size_t total = 0;
  for (std::size_t b = 0; b < used; ++b) {
    lanes[b].clear();
    // The terminals first, spread over the blocks.
    for (std::size_t f = b; f < count; f += used) {
      if (frontiers_[f].terminal) lanes[b].push_back(std::uint64_t{f} << 32);
    }
    for (std::size_t f = 0; f < count; ++f) {
      if (frontiers_[f].terminal) continue;
      const std::size_t A = game.nodes()[frontiers_[f].node].children.size();
      for (std::size_t c = b * A / used; c < (b + 1) * A / used; ++c) lanes[b].push_back(std::uint64_t{f} << 32 | c);
    }
    blocks[b].next.store(0, std::memory_order_relaxed);
    blocks[b].end = lanes[b].size();
    total += lanes[b].size();
  }
  run_region(*this, threads_, std::span<Block>(blocks.data(), used), total,
             [&](std::size_t b, std::size_t i, ScratchStack& s) {
               stop_if_cancelled();
               const std::uint64_t job = lanes[b][i];
               Frontier& f = frontiers_[job >> 32];
               if (f.terminal) {
                 terminal_values(game, payoffs_[states_[f.node].first_child], seat,
                                 std::span<const float>(f.reach.data(), f.reach.size()),
                                 std::span<float>(f.rows.data(), H));
                 return;
               }
               const std::size_t c = job & 0xFFFFFFFFu;
               const PlanNode& plan = game.nodes()[f.node];
               before_chance_child(*this, game, plan, c, seat, false, s);
               if (c + 1 == (b + 1) * plan.children.size() / used) {
                 // The block's last child: this thread goes on with its block
                 // of the next chance node, not with the child after this.
                 s.river().next_root = kNoNextRoot;
                 if (i + 1 < lanes[b].size()) name_next_in_lane(game, f, lanes[b][i + 1], s.river());
                 if (s.river().next_root != kNoNextRoot) prefetch_opponent_regrets(s.river().next_root, seat);
               }
               solve_recursive(game, plan.children[c], seat, f.reach.data(), f.rows.data() + c * H, f.depth + 1, s);
             });
}

void DiscountedCfr::solve_split(Game& game, int seat, const float* opp_reach, float* values, ScratchStack& scratch) {
  // Whatever happens, later traversals walk the whole tree again.
  struct Restore {
    TopPass& pass;
    ~Restore() { pass = TopPass::kWhole; }
  } restore{top_pass_};
  frontier_used_ = 0;
  top_pass_ = TopPass::kCollect;
  solve_recursive(game, 0, seat, opp_reach, values, 0, scratch);
  top_pass_ = TopPass::kWhole;
  const std::size_t recorded = frontier_used_;
  value_frontiers(game, seat);
  // Each chance node's values from its children's rows, a few nodes a thread.
  parallel_for(recorded, [&](std::size_t begin, std::size_t end) {
    std::unique_ptr<ScratchStack> local = acquire_scratch();
    for (std::size_t i = begin; i < end; ++i) {
      Frontier& f = frontiers_[i];
      if (f.terminal) continue;
      const std::size_t H = game.card_context().hand_count(seat);
      f.values.resize(H);
      combine_chance(game, game.nodes()[f.node], seat, f.rows.data(), H, f.values.data(), local->frame(f.depth));
    }
    release_scratch(std::move(local));
  });
  frontier_used_ = 0;
  top_pass_ = TopPass::kReplay;
  solve_recursive(game, 0, seat, opp_reach, values, 0, scratch);
  if (frontier_used_ != recorded) {
    throw std::logic_error("Traversal met fewer of the nodes the region values the second time");
  }
}

}  // namespace velmora
