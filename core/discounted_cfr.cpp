// Discounted CFR: the solve loop, the iterations and the training
// traversal.
#include "core/discounted_cfr.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <mutex>

#include "core/discount_schedule.h"
#include "core/discounted_cfr_internal.h"
#include "core/kernels.h"
#include "core/node_kernels.h"
#include "core/payoffs.h"

namespace velmora {

using namespace cfr_detail;

namespace cfr_detail {

void combine_chance(const Game& game, const PlanNode& node, int seat, const float* child_values, std::size_t H,
                    float* values, DiscountedCfr::Frame& frame) {
  const std::size_t A = node.children.size();
  std::fill(values, values + H, 0.0f);
  accumulate_rows(values, child_values, A, H);

  const std::vector<std::uint32_t>& twins = game.deal_twins(node);
  for (std::size_t k = 0; k < twins.size(); ++k) {
    const std::size_t c = twins[k];
    if (c >= A) continue;
    const float* row = child_values + c * H;
    const std::vector<SlotPair>& pairs = game.deal_swap_pairs(node, k)[seat];
    if (pairs.empty()) {
      axpy(values, row, H, 1.0f);
      continue;
    }
    float* swapped = grow(frame.buf[kSwapped], H);
    std::copy(row, row + H, swapped);
    for (const SlotPair& p : pairs) {
      if (p.a >= H || p.b >= H) continue;
      std::swap(swapped[p.a], swapped[p.b]);
    }
    axpy(values, swapped, H, 1.0f);
  }
}

}  // namespace cfr_detail

namespace {

// Overwrites the locked entries (clear sign bit) of a strategy.
void apply_lock(float* strategy, std::size_t n, const LockVector& lock) {
  const std::size_t m = std::min(n, lock.size());
  for (std::size_t i = 0; i < m; ++i) {
    if (lock_entry_set(lock[i])) strategy[i] = lock[i];
  }
}

// The regret update of a node with a lock vector: locked entries keep their
// regrets (the lock supplies their probabilities), every other entry is
// updated as at a free node, so the rest of the range adapts to the lock.
void update_unlocked_regrets(float* regrets, const float* action_values, const float* node_values, std::size_t A,
                             std::size_t H, float alpha, float beta, const LockVector& lock) {
  const std::size_t locked_len = std::min(A * H, lock.size());
  for (std::size_t a = 0; a < A; ++a) {
    for (std::size_t h = 0; h < H; ++h) {
      const std::size_t i = a * H + h;
      if (i < locked_len && lock_entry_set(lock[i])) continue;
      const float r = regrets[i];
      const float d = r >= 0.0f ? alpha : beta;
      const float x = r * d + action_values[i];
      regrets[i] = x - node_values[h];
    }
  }
}

const LockVector* node_lock(const Game& game, std::uint64_t node) {
  if (game.node_locks().empty()) return nullptr;
  return game.find_node_lock(node);
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction and the solve loop

DiscountedCfr::DiscountedCfr(SolverConfig config)
    : config_(std::move(config)),
      threads_(config_.thread_count < 2 ? 1 : static_cast<std::size_t>(config_.thread_count)),
      scratch_pool_(threads_) {
  compress_ = config_.compress;
  alpha_ = 0.0f;
  beta_ = 0.5f;
  if (threads_ > 1) pool_ = std::make_unique<WorkerPool>(threads_ - 1);
}

DiscountedCfr::~DiscountedCfr() { pool_.reset(); }

void DiscountedCfr::solve(Game& game) {
  using Clock = std::chrono::steady_clock;
  last_exploitability_ = 0.0f;
  iteration_ = 0;
  game.set_compress(compress_);
  prepare_states(game);
  const auto start = Clock::now();
  abandon_ = config_.cancel;
  struct StopWatching {
    const CancelFlag*& flag;
    ~StopWatching() { flag = nullptr; }
  } stop_watching{abandon_};

  const std::uint32_t budget = config_.max_iterations;
  const std::uint32_t interval = config_.exploitability_interval;
  for (std::uint32_t it = 1; it <= budget && it != 0; ++it) {
    if (config_.should_cancel && config_.should_cancel()) break;
    const auto t0 = Clock::now();
    const float alpha = alpha_;
    const float beta = beta_;
    const float gamma = gamma_;
    const std::uint32_t round = round_;
    iteration_ = it;
    try {
      iterate(game, it - 1);
    } catch (const Abandoned&) {
      // The last whole iteration is the result; its matrices come back when
      // they are first read (settle).
      iteration_ = it - 1;
      alpha_ = alpha;
      beta_ = beta;
      gamma_ = gamma;
      round_ = round;
      stale_game_ = &game;
      stale_.store(true, std::memory_order_release);
      break;
    }

    const bool measure_now = it == budget || (interval != 0 && it % interval == 0);
    bool checked = measure_now;
    if (measure_now) {
      try {
        last_exploitability_ = measure(game);
      } catch (const Abandoned&) {
        checked = false;  // the iteration is whole; only its check is left out
      }
    }

    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - t0).count();
    const double ms = static_cast<double>(us) / 1000.0;
    if (config_.on_progress) config_.on_progress(it, last_exploitability_, ms);
    if (config_.verbose && (it % 50 == 0 || it == budget)) {
      std::cout << "[CFR] iteration " << it << " / " << budget << "  exploitability\u2248" << last_exploitability_
                << "  iter\u2248" << ms << "ms" << std::endl;
    }
    if (measure_now && !checked) break;
    if (interval != 0 && measure_now && config_.target_exploitability >= last_exploitability_) break;
    if (it == budget) break;  // keeps the counter from wrapping at the largest budget
  }
  if (config_.verbose) {
    const auto total = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    std::cout << "[CFR] completed " << iteration_ << " iterations in " << total << "ms"
              << "  exploitability\u2248" << last_exploitability_ << std::endl;
  }
}

float DiscountedCfr::measure_exploitability(const Game& game) {
  settle();
  return measure(game);
}

float DiscountedCfr::measure(const Game& game) {
  const std::array<float, 2> br = root_values(game, true);
  const TreeConfig& cfg = game.config();
  if (cfg.rake_rate > 0.0 && cfg.rake_cap > 0.0) {
    const std::array<float, 2> ev = root_values(game, false);
    const float d1 = br[1] - ev[1];
    const float d0 = br[0] - ev[0];
    return static_cast<float>((static_cast<double>(d1) + static_cast<double>(d0)) / 2.0);
  }
  return static_cast<float>((static_cast<double>(br[1]) + static_cast<double>(br[0])) / 2.0);
}

void DiscountedCfr::settle() const {
  if (!stale_.load(std::memory_order_acquire)) return;
  std::lock_guard<std::mutex> lock(settle_mutex_);
  if (!stale_.load(std::memory_order_relaxed)) return;
  // A read-out is const, but the matrices it reads must be whole first;
  // other readers wait on the lock meanwhile.
  const_cast<DiscountedCfr*>(this)->replay_whole_iterations();
  stale_.store(false, std::memory_order_release);
}

void DiscountedCfr::replay_whole_iterations() {
  Game& game = *stale_game_;
  zero_matrices(nullptr);
  for (std::uint32_t t = 0; t < iteration_; ++t) iterate(game, t);
  stale_game_ = nullptr;
}

std::uint32_t DiscountedCfr::rounding_seed(const NodeState& st) const {
  // splitmix64 of the node's block and the iteration: a stream of its own
  // for every node in every iteration, whichever thread updates it.
  std::uint64_t x = (std::uint64_t{st.block} << 32 | round_) + 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  x ^= x >> 31;
  return static_cast<std::uint32_t>(x) | 1u;
}

void DiscountedCfr::run_iteration(Game& game, std::uint32_t t) {
  settle();
  iterate(game, t);
}

void DiscountedCfr::iterate(Game& game, std::uint32_t t) {
  round_ = t;
  const Discounts discounts = discounts_at(t);
  alpha_ = discounts.alpha;
  beta_ = discounts.beta;
  gamma_ = discounts.gamma;

  const CardContext& cc = game.card_context();
  for (int seat = 0; seat < 2; ++seat) {
    std::vector<float>& root = root_values_[seat];
    root.assign(cc.hand_count(seat), 0.0f);
    const std::vector<float>& reach = cc.weights(1 - seat);
    if (game.nodes().empty()) continue;
    if (split_traversal(game, seat)) {
      solve_split(game, seat, reach.data(), root.data(), scratch_[seat]);
    } else {
      solve_recursive(game, 0, seat, reach.data(), root.data(), 0, scratch_[seat]);
    }
  }
}

void DiscountedCfr::prefetch_opponent_regrets(std::uint64_t node, int seat, bool sums) const {
  if (node >= states_.size()) return;
  const NodeState* st = &states_[node];
  // A traverser node is entered only to descend: what it reads first is its
  // first child's.
  if (st->initialised && st->seat == seat && st->actions > 0) {
    const std::uint32_t first = child_table_[st->first_child];
    st = &states_[first];
  }
  if (st->initialised && st->seat != seat && st->actions > 1) {
    const std::size_t bytes = std::size_t{st->actions} * st->hands * entry_bytes();
    prefetch_lines_later(static_cast<const char*>(matrix_start(*st)) + (sums ? bytes : 0), bytes);
  }
}

bool DiscountedCfr::chance_parallel_safe(std::uint64_t node) const {
  return node < node_flags_.size() && (node_flags_[node] & kParallelSafe) != 0;
}

bool DiscountedCfr::river_root(std::uint64_t node) const {
  return node < node_flags_.size() && (node_flags_[node] & kRiverRoot) != 0;
}

// ---------------------------------------------------------------------------
// Training traversal

void DiscountedCfr::solve_recursive(Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                                    std::size_t depth, ScratchStack& scratch) {
  NodeState& st = states_[node];
  const CardContext& cc = game.card_context();
  const std::size_t H = cc.hand_count(seat);
  const std::size_t H_opp = cc.hand_count(1 - seat);

  if (st.type == kNodeTerminal) {
    // Above the region: valued in it.
    if (top_pass_ != TopPass::kWhole) {
      frontier_step(game, node, opp_reach, values, H, H_opp, depth);
      return;
    }
    stop_if_cancelled();
    terminal_values(game, payoffs_[st.first_child], seat, std::span<const float>(opp_reach, H_opp),
                    std::span<float>(values, H));
    return;
  }
  const std::size_t A = st.actions;
  if (A == 0 || H == 0) {
    std::fill(values, values + H, 0.0f);
    return;
  }

  Frame& frame = scratch.frame(depth);
  if (st.type == kNodeChance) {
    if (top_pass_ != TopPass::kWhole) {
      frontier_step(game, node, opp_reach, values, H, H_opp, depth);
      return;
    }
    const bool safe = chance_parallel_safe(node);
    const bool parallel = opens_region(A, H, depth, safe);
    expand_chance(*this, game, game.nodes()[node], seat, opp_reach, values, H, H_opp, depth, frame, scratch,
                  parallel, safe,
                  [this, &game, seat](std::uint64_t child, const float* r, float* out, std::size_t d,
                                      ScratchStack& s) { solve_recursive(game, child, seat, r, out, d, s); });
    return;
  }

  if (river_root(node) && game.node_locks().empty()) {
    solve_river(game, node, seat, opp_reach, values, depth, scratch);
    return;
  }
  const std::uint32_t* children = child_table_.data() + st.first_child;
  const LockVector* lock = node_lock(game, node);

  if (st.seat != seat) {
    // Opponent: split its reach by its current strategy; no update here.
    if (A == 1) {
      solve_recursive(game, children[0], seat, opp_reach, values, depth + 1, scratch);
      return;
    }
    if (st.hands != H_opp) {
      std::fill(values, values + H, 0.0f);
      return;
    }
    prefetch_opponent_regrets(children[0], seat);
    prefetch_lines(matrix_start(st), A * H_opp * entry_bytes());
    float* child_values = grow(frame.buf[kChildValues], A * H);
    const auto payoff = [this, children](std::size_t a) { return payoffs_[states_[children[a]].first_child]; };
    std::size_t fold = A;
    std::size_t showdown = A;
    if (compress_ && !lock && A <= kFusedMaxActions) {
      // 16-bit: decoded inside the pass that writes every child's reach.
      float* rows = grow(frame.buf[kStrategy], A * H_opp);
      opponent_reach_rows16(rows, regrets16_of(st), regrets_scale(st), opp_reach, A, H_opp);
      value_opponent_fold_pair(
          game, st.fold_pair, A, payoff, [rows, H_opp](std::size_t a, int) { return rows + a * H_opp; }, seat, H_opp,
          child_values, H, fold, showdown);
      for (std::size_t a = 0; a < A; ++a) {
        if (a + 1 < A) prefetch_opponent_regrets(children[a + 1], seat);
        if (a == fold || a == showdown) continue;
        solve_recursive(game, children[a], seat, rows + a * H_opp, child_values + a * H, depth + 1, scratch);
      }
    } else {
      const float* regrets = regrets_view(st, frame.buf[kRegrets]);
      float* strategy = grow(frame.buf[kStrategy], A * H_opp);
      regret_matching(strategy, grow(frame.buf[kRowScratch], H_opp), regrets, A, H_opp);
      if (lock) apply_lock(strategy, A * H_opp, *lock);
      float* reach = grow(frame.buf[kReach], 2 * H_opp);
      value_opponent_fold_pair(game, st.fold_pair, A, payoff, strategy_reach_rows(reach, opp_reach, strategy, H_opp),
                               seat, H_opp, child_values, H, fold, showdown);
      for (std::size_t a = 0; a < A; ++a) {
        if (a + 1 < A) prefetch_opponent_regrets(children[a + 1], seat);
        if (a == fold || a == showdown) continue;
        multiply(reach, opp_reach, strategy + a * H_opp, H_opp);
        solve_recursive(game, children[a], seat, reach, child_values + a * H, depth + 1, scratch);
      }
    }
    if (top_pass_ != TopPass::kCollect) sum_rows_double(values, child_values, A, H);
    return;
  }

  // Traverser: value every action, then update regrets and strategy sums.
  if (st.hands != H) {
    std::fill(values, values + H, 0.0f);
    return;
  }
  const std::size_t size = A * H;
  // This node's matrices are read once its children are valued; ask for
  // them now, and for the regrets an opponent child reads on entry before
  // its turn comes.
  prefetch_opponent_regrets(children[0], seat);
  prefetch_lines_later(matrix_start(st), 2 * size * entry_bytes());
  float* child_values = grow(frame.buf[kChildValues], A * H);
  std::size_t fold = A;
  std::size_t showdown = A;
  value_fold_pair(
      game, st.fold_pair, A, [this, children](std::size_t a) { return payoffs_[states_[children[a]].first_child]; },
      seat, opp_reach, H_opp, child_values, H, fold, showdown);
  for (std::size_t a = 0; a < A; ++a) {
    if (a + 1 < A) prefetch_opponent_regrets(children[a + 1], seat);
    if (a == fold || a == showdown) continue;
    solve_recursive(game, children[a], seat, opp_reach, child_values + a * H, depth + 1, scratch);
  }

  if (top_pass_ == TopPass::kCollect) return;
  update_traverser(st, lock, child_values, values, A, H, frame);
}

void DiscountedCfr::update_traverser(NodeState& st, const LockVector* lock, const float* child_values,
                                     float* values, std::size_t A, std::size_t H, Frame& frame) {
  const std::size_t size = A * H;
  const bool locked = lock != nullptr && !lock->empty();
  if (compress_ && !locked && A <= kFusedMaxActions) {
    // 16-bit: decoded, updated and encoded in one pass.
    update_traverser_node16(regrets16_of(st), regrets_scale(st), strategy_sums16_of(st), strategy_sums_scale(st),
                            child_values, values, A, H, alpha_, beta_, gamma_, grow(frame.buf[kRegrets], 2 * size),
                            rounding_seed(st));
    return;
  }

  float* regrets = compress_ ? grow(frame.buf[kRegrets], size) : regrets_of(st);
  if (compress_) decode16(regrets, regrets16_of(st), size, regrets_scale(st));

  float* strategy = grow(frame.buf[kStrategy], size);
  regret_matching(strategy, grow(frame.buf[kRowScratch], H), regrets, A, H);
  if (locked) apply_lock(strategy, size, *lock);
  weighted_action_sum(values, strategy, child_values, A, H);

  if (compress_) {
    float* sums = grow(frame.buf[kSums], size);
    decode16(sums, strategy_sums16_of(st), size, strategy_sums_scale(st));
    update_strategy_sum(sums, strategy, size, gamma_);
    encode16(strategy_sums16_of(st), strategy_sums_scale(st), sums, size, sums_seed(rounding_seed(st)));
  } else {
    update_strategy_sum(strategy_sums_of(st), strategy, size, gamma_);
  }

  if (locked) {
    update_unlocked_regrets(regrets, child_values, values, A, H, alpha_, beta_, *lock);
  } else {
    update_regrets(regrets, child_values, values, A, H, alpha_, beta_);
  }
  if (compress_) encode16(regrets16_of(st), regrets_scale(st), regrets, size, rounding_seed(st));
}

}  // namespace velmora
