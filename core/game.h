// The solvable spot: config, card context, tree, per-node records, node locks.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/payoffs.h"
#include "core/runout_matchups.h"

namespace velmora {

struct GameNode : PlanNode {
  std::array<std::vector<float>, 2> values;
  std::array<std::vector<std::int16_t>, 2> values16;
  std::array<float, 2> scale{1.0f, 1.0f};
  std::array<std::uint8_t, 2> has_values16{0, 0};
};

// Lock vector: A x H floats, action-major. A clear sign bit is a locked
// probability; a set sign bit (the -1.0 filler) leaves the entry unlocked.
using LockVector = std::vector<float>;

class Game {
 public:
  // With `cancel`, building the tree and the all-in tables stops with
  // SetupCancelled soon after the flag is set.
  Game(const TreeConfig& config, CardContext&& context, const CancelFlag* cancel = nullptr);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const TreeConfig& config() const { return config_; }
  const CardContext& card_context() const { return card_context_; }
  // The plan the tree was built from: its board and configuration. Its
  // nodes have moved into nodes().
  const ActionPlan& plan() const { return plan_; }
  // Showdown shares for the all-in terminals before the river.
  const RunoutMatchups& runout_matchups() const { return matchups_; }
  // Payoff fields of a terminal node (an empty record for other nodes).
  const TerminalPayoff& terminal_payoff(std::uint64_t node) const { return terminal_payoffs_[node]; }
  const std::vector<GameNode>& nodes() const { return nodes_; }
  bool compress() const { return compress_ != 0; }
  void set_compress(bool on) { compress_ = on ? 1 : 0; }

  // Bytes the node records, their action and child lists and the terminal
  // payoffs of a tree with `nodes` nodes and `edges` actions in all take (the
  // card context and the all-in tables are counted by their own classes).
  // Counts are doubles: the memory estimate asks for trees of any size.
  static double planned_bytes(double nodes, double edges);

  void set_node_lock(std::uint64_t node, LockVector&& lock);
  const LockVector* find_node_lock(std::uint64_t node) const;
  const std::unordered_map<std::uint64_t, LockVector>& node_locks() const { return node_locks_; }
  void store_node_values(std::uint64_t node, int seat, const std::vector<float>& values);

  // Suit-isomorphism data of a chance node (empty when nothing is skipped).
  const std::vector<std::uint32_t>& deal_twins(const PlanNode& node) const;
  const SlotPairLists& deal_swap_pairs(const PlanNode& node, std::size_t k) const;

 private:
  TreeConfig config_;
  CardContext card_context_;
  ActionPlan plan_;
  std::vector<GameNode> nodes_;
  RunoutMatchups matchups_;
  std::vector<TerminalPayoff> terminal_payoffs_;  // by node index
  std::unordered_map<std::uint64_t, LockVector> node_locks_;
  std::uint8_t compress_ = 0;
};

inline bool lock_entry_set(float v) { return !std::signbit(v); }

}  // namespace velmora
