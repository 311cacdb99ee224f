// Discounted CFR with vector-form traversals over a built Game.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "core/game.h"
#include "core/worker_pool.h"

namespace velmora {

struct SolverConfig {
  std::uint32_t max_iterations = 1000;
  float target_exploitability = 0.0f;
  std::uint32_t exploitability_interval = 50;
  bool verbose = false;
  bool compress = false;
  std::uint64_t thread_count = 1;
  std::function<void(std::uint32_t iteration, float exploitability, double iteration_ms)> on_progress;
  std::function<bool()> should_cancel;
};

class DiscountedCfr {
 public:
  struct Frame {
    std::vector<float> buf[12];
    std::size_t actions = 0;
    std::size_t hands = 0;
  };
  class ScratchStack {
   public:
    Frame& frame(std::size_t depth);
    std::size_t overflow_frames() const { return overflow_.size(); }

   private:
    Frame inline_[32];
    std::deque<Frame> overflow_;
  };

  struct NodeState {
    std::uint8_t seat = 0;
    bool initialised = false;
    std::uint64_t actions = 0;
    std::uint64_t hands = 0;
    std::vector<float> regrets;
    std::vector<float> strategy_sums;
    std::vector<std::int16_t> regrets16;
    float regrets_scale = 1.0f;
    std::vector<std::int16_t> strategy_sums16;
    float strategy_sums_scale = 1.0f;
  };

  explicit DiscountedCfr(SolverConfig config);
  ~DiscountedCfr();
  DiscountedCfr(const DiscountedCfr&) = delete;
  DiscountedCfr& operator=(const DiscountedCfr&) = delete;

  void solve(Game& game);
  float last_exploitability() const { return last_exploitability_; }
  std::uint32_t iterations_done() const { return iteration_; }
  std::size_t thread_count() const { return threads_; }

  void prepare_states(Game& game);
  void run_iteration(Game& game, std::uint32_t t);

  // Read side.
  std::array<float, 2> expected_values(const Game& game);
  std::array<float, 2> best_response_values(const Game& game);
  std::vector<float> compute_node_cfvalues(const Game& game, std::uint64_t node, int seat);
  std::vector<float> compute_node_cfvalues_for_reach(const Game& game, std::uint64_t node, int seat,
                                                     const std::vector<float>& opp_reach);
  std::vector<float> average_strategy(std::uint64_t node);
  std::vector<float> average_hand_strategy(std::uint64_t node);

  // Current discounts (for tests).
  float alpha() const { return alpha_; }
  float beta() const { return beta_; }
  float gamma() const { return gamma_; }
  const std::vector<NodeState>& node_states() const { return states_; }

  // Splits [0, count) over the pool; the caller runs the last chunk.
  void parallel_for(std::size_t count, const std::function<void(std::size_t, std::size_t)>& body);

 private:
  void solve_recursive(Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                       std::size_t depth, ScratchStack& scratch);
  void compute_cfvalue_recursive(const Game& game, std::uint64_t node, int seat, const float* opp_reach,
                                 float* values, std::size_t depth, ScratchStack& scratch, bool best_response);
  void chance_node(const Game& game, std::uint64_t node, int seat, const float* opp_reach, float* values,
                   std::size_t depth, ScratchStack& scratch, int mode);
  std::array<float, 2> root_values(const Game& game, bool best_response);
  std::vector<float>& regrets_of(NodeState& st);
  std::vector<float>& strategy_sums_of(NodeState& st);
  void store_regrets(NodeState& st);
  void store_strategy_sums(NodeState& st);
  void average_into(NodeState& st, float* out);

  SolverConfig config_;
  float last_exploitability_ = 0.0f;
  std::uint32_t iteration_ = 0;
  std::size_t threads_ = 1;
  std::unique_ptr<WorkerPool> pool_;
  std::array<std::vector<float>, 2> root_values_;
  std::array<std::vector<float>, 2> value_buffers_;
  std::vector<NodeState> states_;
  std::vector<std::uint8_t> parallel_safe_;
  float alpha_ = 0.0f;
  float beta_ = 0.5f;
  float gamma_ = 0.0f;
  bool compress_ = false;
  std::array<ScratchStack, 2> scratch_;
};

}  // namespace velmora
