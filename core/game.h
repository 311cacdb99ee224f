// The solvable spot: config, card context, tree, per-node records, node locks.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/payoffs.h"
#include "core/runout_matchups.h"

namespace velmora {

// Values a caller stored at a node for each seat (Game::store_node_values).
struct StoredNodeValues {
  std::array<std::vector<float>, 2> values;
  std::array<std::vector<std::int16_t>, 2> values16;
  std::array<float, 2> scale{1.0f, 1.0f};
  std::array<std::uint8_t, 2> has_values16{0, 0};
};

// Per-seat views of a node's stored values. Few nodes ever store any, so a
// node keeps one pointer to its record (none until the first store), shared
// by the four views.
namespace node_values {
const StoredNodeValues& none();
struct Values {
  const StoredNodeValues* record;
  const std::vector<float>& operator[](std::size_t seat) const { return (record ? *record : none()).values[seat]; }
};
struct Values16 {
  const StoredNodeValues* record;
  const std::vector<std::int16_t>& operator[](std::size_t seat) const {
    return (record ? *record : none()).values16[seat];
  }
};
struct Scales {
  const StoredNodeValues* record;
  float operator[](std::size_t seat) const { return (record ? *record : none()).scale[seat]; }
};
struct Flags {
  const StoredNodeValues* record;
  std::uint8_t operator[](std::size_t seat) const { return (record ? *record : none()).has_values16[seat]; }
};
}  // namespace node_values

struct GameNode : PlanNode {
  // One pointer read through any of the four views (standard-layout structs
  // with the pointer as their common initial member).
  union {
    node_values::Values values{nullptr};
    node_values::Values16 values16;
    node_values::Scales scale;
    node_values::Flags has_values16;
  };
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
  // What the payoff functions read of this spot; a Game converts to it, so
  // it can be handed to them as it is.
  PayoffContext payoff_context() const { return {config_, card_context_, matchups_}; }
  operator PayoffContext() const { return payoff_context(); }
  // Payoff fields of a terminal node.
  TerminalPayoff terminal_payoff(std::uint64_t node) const { return make_terminal_payoff(*this, nodes_[node]); }
  const std::vector<GameNode>& nodes() const { return nodes_; }
  bool compress() const { return compress_ != 0; }
  void set_compress(bool on) { compress_ = on ? 1 : 0; }

  // Bytes the node records, their action and child lists and the terminal
  // payoffs of a tree with `nodes` nodes and `edges` actions in all take (the
  // card context and the all-in tables are counted by their own classes).
  // Counts are doubles: the memory estimate asks for trees of any size.
  static double planned_bytes(double nodes, double edges, double decisions);

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
  // Every node's actions and children; words a node with `children` takes.
  std::vector<std::uint64_t> links_;
  static std::size_t link_words(std::size_t children);
  RunoutMatchups matchups_;
  std::unordered_map<std::uint64_t, LockVector> node_locks_;
  std::deque<StoredNodeValues> stored_values_;  // records of store_node_values
  std::uint8_t compress_ = 0;
};

inline bool lock_entry_set(float v) { return !std::signbit(v); }

}  // namespace velmora
