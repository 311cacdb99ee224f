// Discounted CFR with vector-form traversals over a built Game.
//
// Values are chips relative to an even split of the pot: a traversal carries
// the opponent's range weights (times the strategy along the path) as reach,
// and the per-hand values it returns, weighted by the traverser's own range
// weights, sum to the traverser's expected winnings in chips.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "core/cancel.h"
#include "core/game.h"
#include "core/parallel_region.h"
#include "core/scratch_stack.h"
#include "core/spin_lock.h"
#include "core/worker_pool.h"

namespace velmora {

struct ShowdownScan;

// Per-action figures of every node of a tree, laid out flat: the entries of
// node i (one per action) are values[first[i]] up to values[first[i + 1]].
struct NodeFrequencies {
  std::vector<std::uint64_t> first;  // one more entry than the tree has nodes
  std::vector<float> values;
  std::span<const float> of(std::uint64_t node) const {
    if (node + 1 >= first.size()) return {};
    return std::span<const float>(values.data() + first[node], first[node + 1] - first[node]);
  }
};

struct SolverConfig {
  std::uint32_t max_iterations = 1000;
  float target_exploitability = 0.0f;
  std::uint32_t exploitability_interval = 50;
  bool verbose = false;
  bool compress = false;
  std::uint64_t thread_count = 1;
  std::function<void(std::uint32_t iteration, float exploitability, double iteration_ms)> on_progress;
  std::function<bool()> should_cancel;
  // Stops the preparation of the solver's tables (SetupCancelled) and the
  // iteration under way soon after it is set: a large tree takes seconds to
  // lay out before the first iteration asks should_cancel, and an iteration
  // of a large flop half a second. An iteration stopped part-way is
  // abandoned (see solve). Read by every thread of the solve.
  const CancelFlag* cancel = nullptr;
};

class DiscountedCfr {
 public:
  // The traversals' buffers (see scratch_stack.h).
  using Frame = ScratchFrame;
  using RiverNode = velmora::RiverNode;
  using RiverTerminal = velmora::RiverTerminal;
  using RiverWork = velmora::RiverWork;
  using ScratchStack = velmora::ScratchStack;
  static constexpr std::uint32_t kNoPayoff = RiverTerminal::kNoPayoff;
  static constexpr std::uint64_t kNoNextRoot = RiverWork::kNoNextRoot;

  // Per-node solver state, 16 bytes. The matrices of every decision node
  // live in one arena owned by the solver, in node order, each node's block
  // starting on an 8-byte boundary (`block`, in 8-byte units): A*H regrets,
  // then A*H strategy sums, action-major; as floats, or with compression the
  // two scales (float) followed by the two matrices as 16-bit values (value =
  // q * scale / 32767). Every node also keeps its type and its children
  // (`actions` of them, listed from `first_child` in the solver's child
  // table), so the training pass walks the tree without touching the game's
  // node records; a terminal's `first_child` is the index of its payoff
  // record instead.
  struct NodeState {
    std::uint8_t seat = 0;
    bool initialised = false;  // a decision node with at least one action
    std::uint8_t type = 0;
    // A fold and a showdown child on the river, valued together when this
    // node's seat traverses: fold index in the low four bits, showdown index
    // in the high four; 0xFF when there is no such pair.
    std::uint8_t fold_pair = 0xFF;
    std::uint16_t actions = 0;
    std::uint16_t hands = 0;
    std::uint32_t first_child = 0;
    std::uint32_t block = 0;
  };

  // What prepare_states allocates for a tree of `nodes` nodes, `decisions`
  // of them decision nodes, with `edges` actions in all: the per-node records
  // and child table, and the matrices of `cells` action-hand entries (the sum
  // of A x H over decision nodes).
  static double planned_node_bytes(double nodes, double edges, double decisions);
  static double planned_matrix_bytes(double cells, bool compress);

  explicit DiscountedCfr(SolverConfig config);
  ~DiscountedCfr();
  DiscountedCfr(const DiscountedCfr&) = delete;
  DiscountedCfr& operator=(const DiscountedCfr&) = delete;

  // Runs the iterations. When the configuration's cancel flag is set during
  // an iteration, the iteration is abandoned where it is and solve returns:
  // iterations_done, the last exploitability and the discounts are those of
  // the last whole iteration, and so is every read-out below. Its matrices
  // were rewritten in place up to that point, and no copy is kept (it would
  // be as large as the matrices and cost a pass over them per iteration), so
  // the first read-out recomputes the whole iterations on `game`, which must
  // still exist then; a caller that drops the result after a cancel, as the
  // session does, never pays for that. A cancel during an exploitability
  // check keeps the iteration, which was whole, and skips the check.
  void solve(Game& game);
  float last_exploitability() const { return last_exploitability_; }
  std::uint32_t iterations_done() const { return iteration_; }
  std::size_t thread_count() const { return threads_; }
  const SolverConfig& config() const { return config_; }

  void prepare_states(Game& game);
  void run_iteration(Game& game, std::uint32_t t);
  // Whether solve abandoned an iteration whose whole predecessors the
  // read-outs have not recomputed yet.
  bool abandoned() const { return stale_.load(std::memory_order_acquire); }

  // Read side. The two root measures are in chips as a share of the pot:
  // the seat's expected winnings plus half the starting pot (so without rake
  // the two expected values sum to the pot).
  std::array<float, 2> expected_values(const Game& game);
  std::array<float, 2> best_response_values(const Game& game);
  // Per-hand values (chips relative to an even split, scaled by the opponent
  // reach mass): opponent reach = its range weights, or the given reach.
  std::vector<float> compute_node_cfvalues(const Game& game, std::uint64_t node, int seat);
  std::vector<float> compute_node_cfvalues_for_reach(const Game& game, std::uint64_t node, int seat,
                                                     const std::vector<float>& opp_reach);
  std::vector<float> average_strategy(std::uint64_t node) const;
  std::vector<float> average_hand_strategy(std::uint64_t node) const;
  // The overall action frequencies of every decision node as the solved
  // game plays them: each hand of the acting seat counts with its range
  // weight times its own reach, the product of its average strategy along
  // the path from the root (0 for a hand holding a card dealt on the way).
  // NaN at a node that no hand of the acting seat reaches and at every node
  // that is not a decision node. One walk over the tree, shared out over
  // the pool below the first chance nodes.
  NodeFrequencies reach_weighted_frequencies(const Game& game);

  // Exploitability in chips from the current average strategies.
  float measure_exploitability(const Game& game);

  // Inside the traversals of solve: leaves the iteration (by an exception
  // solve catches) once the cancel flag is set. A load and a branch.
  void stop_if_cancelled() const {
    if (abandon_ != nullptr && abandon_->load(std::memory_order_relaxed)) throw Abandoned{};
  }

  // Asks for the regrets of `node` when it is an opponent decision node of
  // a traversal for `seat` (it reads them first thing); for its strategy
  // sums instead when `sums` (what a value traversal reads there).
  void prefetch_opponent_regrets(std::uint64_t node, int seat, bool sums = false) const;

  // Current discounts.
  float alpha() const { return alpha_; }
  float beta() const { return beta_; }
  float gamma() const { return gamma_; }
  const std::vector<NodeState>& node_states() const { return states_; }
  bool compressed() const { return compress_; }
  // Decoded copies of a node's matrices (empty for a node without a state).
  std::vector<float> node_regrets(std::uint64_t node) const;
  std::vector<float> node_strategy_sums(std::uint64_t node) const;
  // Bytes held by the regret and strategy-sum arena.
  std::size_t matrix_bytes() const;

  // Splits [0, count) over the pool; the caller runs the last chunk. Runs
  // inline on a pool worker. An exception of a chunk reaches the caller once
  // every chunk has finished.
  void parallel_for(std::size_t count, const std::function<void(std::size_t, std::size_t)>& body) {
    velmora::parallel_for(pool_.get(), threads_, count, body);
  }

  // Scratch stacks for parallel chunks (see ScratchPool).
  std::unique_ptr<ScratchStack> acquire_scratch() { return scratch_pool_.acquire(); }
  void release_scratch(std::unique_ptr<ScratchStack> stack) { scratch_pool_.release(std::move(stack)); }

 private:
  class ReachWalk;
  struct Abandoned {};
  // run_iteration and measure_exploitability without settle().
  void iterate(Game& game, std::uint32_t t);
  float measure(const Game& game);
  // After an abandoned iteration: the matrices of the last whole one, by
  // running the whole iterations again from zero (same numbers: a solve is
  // deterministic). Every read-out calls it first.
  void settle() const;
  void replay_whole_iterations();
  // Zeroes every decision node's matrices; stops early once `cancel` is set.
  void zero_matrices(const CancelFlag* cancel);
  void solve_recursive(Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                       std::size_t depth, ScratchStack& scratch);
  // The traverser's node once its children are valued: its values, then its
  // strategy sums and regrets.
  void update_traverser(NodeState& st, const LockVector* lock, const float* child_values, float* values,
                        std::size_t A, std::size_t H, Frame& frame);
  // A river subtree without node locks: every opponent reach is taken on the
  // way down, the terminals are valued a batch at a time, then the nodes are
  // valued and updated from the leaves up; the same values and updates as
  // solve_recursive, in fewer scans.
  void solve_river(Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                   std::size_t depth, ScratchStack& scratch);
  void river_down(const Game& game, std::uint64_t node, int seat, std::uint32_t reach, std::uint32_t values,
                  RiverWork& work, Frame& frame);
  // The showdown table of the river root `next` (null for kNoNextRoot),
  // with its header asked for.
  const ShowdownScan* next_river_scan(const Game& game, std::uint64_t next, int seat) const;
  // Lists in this thread's prefetch stream what the river subtree at `next`
  // (the sibling after `node`, or kNoNextRoot) will read, once the walk down
  // of `node` has listed its nodes.
  void stream_next_river(std::uint64_t node, std::uint64_t next, std::size_t next_span, int seat,
                         const ShowdownScan* next_scan, RiverWork& work) const;
  bool river_root(std::uint64_t node) const;

  // A traversal whose parallel chance nodes all lie below a few betting
  // nodes of the street before (a turn spot's river deals, a flop spot's
  // turn deals) is made in three steps: the nodes above them are walked for
  // the reach each such node hands its children (`kCollect`); the children
  // of all of them are valued in one parallel region; the nodes above are
  // walked again for their values and updates (`kReplay`), each parallel
  // chance node taking its children's rows. One region a traversal instead
  // of one a chance node: its threads start, wait for its last child and
  // stop once. The numbers are those of solve_recursive.
  enum class TopPass : std::uint8_t { kWhole, kCollect, kReplay };
  // A node whose values the region makes: a parallel chance node, or a
  // terminal above the region (a fold or an all-in on the street before).
  struct Frontier {
    std::uint64_t node = 0;
    std::size_t depth = 0;
    bool terminal = false;
    std::vector<float> reach;  // as the children (or the terminal) get it
    std::vector<float> rows;   // A x H values of the children, or the terminal's H
    std::vector<float> values;  // a chance node's H values, combined from `rows`
  };
  // Whether `seat`'s traversals take the three steps (worked out once per
  // game).
  bool split_traversal(const Game& game, int seat);
  // True when every chance node reached from `node` on the way down is a
  // parallel one and nothing of the river lies above them; counts them.
  bool splits_above(const Game& game, std::uint64_t node, int seat, std::size_t depth,
                    std::size_t& frontiers) const;
  static bool opens_region(std::size_t A, std::size_t H, std::size_t depth, bool safe) {
    return A >= 12 && H >= 128 && depth <= 6 && safe;
  }
  void solve_split(Game& game, int seat, const float* opp_reach, float* values, ScratchStack& scratch);
  // The chance node or terminal `node` met above the region: records its
  // reach, or takes the values made for it.
  void frontier_step(const Game& game, std::uint64_t node, const float* opp_reach, float* values,
                     std::size_t H, std::size_t H_opp, std::size_t depth);
  void value_frontiers(Game& game, int seat);
  // Names the first node of `next_job` to the river walk in `work` as the
  // subtree that follows, with its byte span when it is shaped unlike the
  // children of `f`.
  void name_next_in_lane(const Game& game, const Frontier& f, std::uint64_t next_job, RiverWork& work) const;
  void compute_cfvalue_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach,
                                 float* values, std::size_t depth, ScratchStack& scratch);
  void compute_best_cfvalue_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach,
                                      float* values, std::size_t depth, ScratchStack& scratch);
  void value_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                       std::size_t depth, ScratchStack& scratch, bool best_response);
  // Net root values (chips relative to an even split) of both seats.
  std::array<float, 2> root_values(const Game& game, bool best_response);
  bool chance_parallel_safe(std::uint64_t node) const;

  // Float views of a node's matrices: the float storage itself, or the
  // 16-bit storage decoded into `tmp` (A*H floats).
  const float* regrets_view(const NodeState& st, std::vector<float>& tmp) const;
  const float* strategy_sums_view(const NodeState& st, std::vector<float>& tmp) const;
  char* block_of(const NodeState& st) const { return arena_.get() + std::size_t{st.block} * 8; }
  float* regrets_of(const NodeState& st) const { return reinterpret_cast<float*>(block_of(st)); }
  float* strategy_sums_of(const NodeState& st) const {
    return regrets_of(st) + std::size_t{st.actions} * st.hands;
  }
  float& regrets_scale(const NodeState& st) const { return reinterpret_cast<float*>(block_of(st))[0]; }
  float& strategy_sums_scale(const NodeState& st) const { return reinterpret_cast<float*>(block_of(st))[1]; }
  std::int16_t* regrets16_of(const NodeState& st) const { return reinterpret_cast<std::int16_t*>(block_of(st) + 8); }
  std::int16_t* strategy_sums16_of(const NodeState& st) const {
    return regrets16_of(st) + std::size_t{st.actions} * st.hands;
  }
  // Start of a node's matrices in whichever form is in use, and the bytes
  // of one entry there.
  const void* matrix_start(const NodeState& st) const {
    return compress_ ? static_cast<const void*>(regrets16_of(st)) : static_cast<const void*>(regrets_of(st));
  }
  // The rounding stream of a node's 16-bit regrets in this iteration.
  std::uint32_t rounding_seed(const NodeState& st) const;
  std::size_t entry_bytes() const { return compress_ ? sizeof(std::int16_t) : sizeof(float); }
  void average_into(const NodeState& st, float* out, std::vector<float>& tmp, std::vector<float>& scratch) const;

  SolverConfig config_;
  float last_exploitability_ = 0.0f;
  std::uint32_t iteration_ = 0;
  std::size_t threads_ = 1;
  std::unique_ptr<WorkerPool> pool_;
  std::array<std::vector<float>, 2> root_values_;
  std::vector<NodeState> states_;
  std::vector<std::uint32_t> child_table_;
  std::vector<TerminalPayoff> payoffs_;  // of the terminal nodes
  struct ArenaDeleter {
    void operator()(void* p) const;
  };
  std::unique_ptr<char[], ArenaDeleter> arena_;
  std::size_t matrix_entries_ = 0;
  // Per node: kParallelSafe (a chance node whose children may be valued at
  // the same time) and kRiverRoot (the first decision node of a river
  // subtree).
  static constexpr std::uint8_t kParallelSafe = 1;
  static constexpr std::uint8_t kRiverRoot = 2;
  std::vector<std::uint8_t> node_flags_;
  float alpha_ = 0.0f;
  float beta_ = 0.5f;
  std::uint32_t round_ = 0;  // zero-based index of the iteration under way
  float gamma_ = 0.0f;
  // The cancel flag while solve runs its iterations, else null: the value
  // read-outs outside solve are never stopped.
  const CancelFlag* abandon_ = nullptr;
  // Set (with the game) when solve abandoned an iteration, until settle has
  // recomputed the whole ones.
  mutable std::atomic<bool> stale_{false};
  Game* stale_game_ = nullptr;
  mutable std::mutex settle_mutex_;
  bool compress_ = false;
  std::array<ScratchStack, 2> scratch_;
  TopPass top_pass_ = TopPass::kWhole;
  std::vector<Frontier> frontiers_;
  std::size_t frontier_used_ = 0;  // recorded (collect) or taken (replay)
  std::vector<std::vector<std::uint64_t>> frontier_lanes_;  // per block: chance node << 32 | child
  std::array<std::int8_t, 2> split_{-1, -1};  // -1: not worked out yet
  ScratchPool scratch_pool_;
};

}  // namespace velmora
