#include "session/memory_estimate.h"

#include <cmath>
#include <exception>

#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "core/runout_matchups.h"
#include "session/solve_inputs.h"

namespace velmora_app {
namespace {

constexpr double kMargin = 1.1;

std::uint64_t to_bytes(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= 18446744073709549568.0) return std::numeric_limits<std::uint64_t>::max();
  return static_cast<std::uint64_t>(v);
}

bool same_sizing(const StreetSizing& a, const StreetSizing& b) {
  return a.bet_sizes == b.bet_sizes && a.raise_sizes == b.raise_sizes && a.add_all_in == b.add_all_in &&
         a.dont_donk == b.dont_donk;
}

SolveMemoryEstimate measure(const SolveConfig& config, const EstimateOptions& options) {
  const velmora::Board board = parse_request_board(config.board);
  const auto ranges = parse_request_ranges(config);
  const velmora::TreeConfig tree_config = build_tree_config(config, board, false);

  const velmora::CardContext context(board, ranges, options.cancel);
  SolveMemoryEstimate est;
  est.oop_hand_count = context.hand_count(0);
  est.ip_hand_count = context.hand_count(1);
  est.card_context_bytes = context.memory_bytes();
  const double hands[2] = {static_cast<double>(est.oop_hand_count), static_cast<double>(est.ip_hand_count)};
  const bool with_rake = tree_config.rake_rate > 0.0 && tree_config.rake_cap > 0.0;

  // Each part is counted by the class that allocates it.
  const auto tree_bytes = [](const velmora::PlanCount& c) {
    return velmora::Game::planned_bytes(c.nodes, c.edges, c.decision_nodes) +
           velmora::DiscountedCfr::planned_node_bytes(c.nodes, c.edges, c.decision_nodes);
  };
  const auto strategy_bytes = [&](const velmora::PlanCount& c) {
    const double cells = c.decision_actions[0] * hands[0] + c.decision_actions[1] * hands[1];
    return velmora::DiscountedCfr::planned_matrix_bytes(cells, config.compress);
  };
  const auto runout_bytes = [&](const velmora::PlanCount& c) {
    return static_cast<double>(velmora::RunoutMatchups::planned_bytes(context, c.allin_boards, with_rake));
  };
  // The running weight of the count leaves out the all-in tables: they are
  // known only at its end, and bounded by the card context's size.
  const std::function<double(const velmora::PlanCount&)> weigh = [&](const velmora::PlanCount& c) {
    return (tree_bytes(c) + strategy_bytes(c)) * kMargin;
  };
  const double limit = static_cast<double>(options.limit_bytes) - static_cast<double>(est.card_context_bytes) * kMargin;

  velmora::PlanCount count;
  try {
    count = velmora::count_plan(tree_config, context, options.cancel, weigh, limit);
  } catch (const velmora::PlanTooLarge&) {
    SolveMemoryEstimate over;
    over.oop_hand_count = est.oop_hand_count;
    over.ip_hand_count = est.ip_hand_count;
    over.exceeds_limit = true;
    over.total_bytes = options.limit_bytes;
    return over;
  }

  est.node_count = to_bytes(count.nodes);
  est.decision_node_count = to_bytes(count.decision_nodes);
  est.tree_bytes = to_bytes(tree_bytes(count));
  est.strategy_bytes = to_bytes(strategy_bytes(count));
  est.runout_table_bytes = to_bytes(runout_bytes(count));
  const double total = (static_cast<double>(est.tree_bytes) + static_cast<double>(est.card_context_bytes) +
                        static_cast<double>(est.strategy_bytes) + static_cast<double>(est.runout_table_bytes)) *
                       kMargin;
  est.total_bytes = to_bytes(total);
  if (est.total_bytes > options.limit_bytes) {
    est.exceeds_limit = true;
    est.total_bytes = options.limit_bytes;
  }
  return est;
}

}  // namespace

std::optional<SolveMemoryEstimate> estimate_solve_memory(const SolveConfig& config, std::string* error,
                                                         const EstimateOptions& options) {
  if (options.size_fault != nullptr) options.size_fault->reset();
  try {
    return measure(config, options);
  } catch (const SizeTokenError& e) {
    if (error != nullptr) *error = e.what();
    if (options.size_fault != nullptr) *options.size_fault = e.fault();
    return std::nullopt;
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    return std::nullopt;
  }
}

bool same_memory_inputs(const SolveConfig& a, const SolveConfig& b) {
  return a.board == b.board && a.starting_pot == b.starting_pot && a.effective_stack == b.effective_stack &&
         a.rake_percent == b.rake_percent && a.rake_cap == b.rake_cap && a.starting_street == b.starting_street &&
         a.compress == b.compress && a.oop_range == b.oop_range && a.ip_range == b.ip_range &&
         same_sizing(a.oop_flop, b.oop_flop) && same_sizing(a.oop_turn, b.oop_turn) &&
         same_sizing(a.oop_river, b.oop_river) && same_sizing(a.ip_flop, b.ip_flop) &&
         same_sizing(a.ip_turn, b.ip_turn) && same_sizing(a.ip_river, b.ip_river) &&
         a.oop_jam_threshold_pct == b.oop_jam_threshold_pct && a.ip_jam_threshold_pct == b.ip_jam_threshold_pct;
}

}  // namespace velmora_app
