// The betting tree of one spot, as a flat vector of nodes (index 0 the root).
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/bet_size.h"
#include "core/cancel.h"
#include "core/cards.h"
#include "core/compact_list.h"

namespace velmora {

class CardContext;

struct StreetSizeLists {
  std::array<std::vector<SizeSpec>, 2> bets;    // per seat
  std::array<std::vector<SizeSpec>, 2> raises;  // per seat
  std::optional<std::vector<SizeSpec>> leads;   // seat 0 only
};

struct TreeConfig {
  std::uint8_t start_street = 0;
  std::uint32_t starting_pot = 100;
  std::uint32_t effective_stack = 100;
  double rake_rate = 0.0;
  double rake_cap = 0.0;
  StreetSizeLists flop;
  StreetSizeLists turn;
  StreetSizeLists river;
  std::array<double, 2> all_in_threshold{0.0, 0.0};
  double all_in_merge_threshold = 0.0;
  double size_dedupe_threshold = 0.0;

  const StreetSizeLists& street(int s) const;
};

enum ActionKind : std::uint8_t {
  kActFold = 1,
  kActCheck = 2,
  kActCall = 3,
  kActBet = 4,
  kActRaise = 5,
  kActAllIn = 6,
  kActDeal = 7,
};

enum NodeType : std::uint8_t {
  kNodeDecision = 0,
  kNodeChance = 1,
  kNodeTerminal = 2,
};

struct Action {
  std::uint8_t kind = 0;
  std::uint32_t amount = 0;
  bool operator==(const Action&) const = default;
};

struct PlanNode {
  std::uint8_t type = kNodeDecision;
  std::uint8_t seat = 0;
  std::uint8_t street = 0;
  std::uint8_t allin_runout = 0;
  std::uint32_t invested = 0;
  CompactList<Action> actions;
  CompactList<std::uint64_t> children;
  std::uint32_t pot = 0;
  std::array<std::uint32_t, 2> seat_totals{0, 0};
  std::uint8_t last_action = 0;
  std::uint8_t last_actor = 0;
  Card turn = kNoCard;
  Card river = kNoCard;
};

struct BuildContext {
  std::uint8_t last_kind = 0;
  std::uint8_t last_action = 0;
  std::uint8_t last_actor = 0;
  std::uint32_t raise_count = 0;
  std::uint8_t no_raise = 0;
  std::uint8_t aggressor = 0;
  std::array<std::uint32_t, 2> stack{0, 0};
  std::uint32_t level = 0;
  std::array<std::uint32_t, 2> seat_totals{0, 0};
  std::uint32_t pot = 0;
  std::uint64_t dead = 0;
  Card turn = kNoCard;
  Card river = kNoCard;
};

// Node indices follow a depth-first pre-order (a node, then the whole
// subtree of each child in action order), whatever the number of build
// threads, so one spot always gives the same numbering.
class ActionPlan {
 public:
  // `context` may be null: then no suit-isomorphic deals are skipped. With
  // `cancel`, the build stops with SetupCancelled soon after the flag is set.
  ActionPlan(const TreeConfig& config, const CardContext* context, const CancelFlag* cancel = nullptr);
  ActionPlan(const TreeConfig& config, const Board& board, const CardContext* context,
             const CancelFlag* cancel = nullptr);

  const std::vector<PlanNode>& nodes() const { return nodes_; }
  // Moves the nodes out (the game keeps them as its own node records);
  // the plan is left without nodes.
  std::vector<PlanNode> release_nodes() { return std::exchange(nodes_, {}); }
  const PlanNode& node(std::size_t i) const { return nodes_[i]; }
  std::size_t node_count() const { return nodes_.size(); }
  const Board& board() const { return board_; }
  const TreeConfig& config() const { return config_; }

  // VELMORA_ACTIONPLAN_MAX_WORKERS, else the hardware thread count.
  static unsigned max_workers_from_env();

 private:
  void build();
  void build_recursive(std::uint64_t index, const BuildContext& ctx, int depth);

  TreeConfig config_;
  Board board_{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  const CardContext* context_ = nullptr;
  const CancelFlag* cancel_ = nullptr;
  std::vector<PlanNode> nodes_;
  unsigned max_workers_ = 1;
  int max_parallel_depth_ = 2;
  std::atomic<unsigned> active_tasks_{1};
};

}  // namespace velmora
