// The solve memory estimate: parts, growth with the tree, errors.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "session/memory_estimate.h"
#include "session/solve_inputs.h"
#include "session/solve_session.h"
#include "session_test_support.h"

namespace velmora_app {
namespace {

using testing::sizing;

SolveConfig flop_config() {
  SolveConfig c = testing::river_config();
  c.board = "AhKsQd";
  c.starting_street = "flop";
  c.oop_range = "AA,KK,AK,JTs";
  c.ip_range = "QQ,AQ,KQ,98s";
  const StreetSizing s = sizing("50", "", false);
  c.oop_flop = c.oop_turn = c.oop_river = s;
  c.ip_flop = c.ip_turn = c.ip_river = s;
  return c;
}

SolveMemoryEstimate estimate(const SolveConfig& c) {
  std::string error;
  const auto e = estimate_solve_memory(c, &error);
  EXPECT_TRUE(e.has_value()) << error;
  return e.value_or(SolveMemoryEstimate{});
}

TEST(MemoryEstimate, TotalIsTheSumOfItsPartsWithTenPercentMargin) {
  const SolveMemoryEstimate e = estimate(flop_config());
  EXPECT_GT(e.node_count, 0u);
  EXPECT_GT(e.decision_node_count, 0u);
  EXPECT_LT(e.decision_node_count, e.node_count);
  EXPECT_GE(e.tree_bytes, e.node_count * 72);
  EXPECT_GT(e.card_context_bytes, 0u);
  EXPECT_GT(e.strategy_bytes, 0u);
  const double sum =
      static_cast<double>(e.tree_bytes + e.card_context_bytes + e.strategy_bytes + e.runout_table_bytes);
  EXPECT_EQ(e.total_bytes, static_cast<std::uint64_t>(sum * 1.1));
  // AA, KK and AK lose the combos holding the board's ace or king.
  EXPECT_EQ(e.oop_hand_count, 3u + 3u + 9u + 4u);
  EXPECT_EQ(e.ip_hand_count, 3u + 9u + 9u + 4u);
}

TEST(MemoryEstimate, MoreSizesMakeABiggerTreeAndCompressHalvesTheStrategy) {
  SolveConfig small = flop_config();
  SolveConfig big = flop_config();
  big.oop_flop = big.ip_flop = sizing("33, 75", "2.5x", true);
  big.oop_turn = big.ip_turn = sizing("50, 100", "", true);
  const SolveMemoryEstimate a = estimate(small);
  const SolveMemoryEstimate b = estimate(big);
  EXPECT_GT(b.node_count, a.node_count);
  EXPECT_GT(b.decision_node_count, a.decision_node_count);
  EXPECT_GT(b.tree_bytes, a.tree_bytes);
  EXPECT_GT(b.strategy_bytes, a.strategy_bytes);
  EXPECT_GT(b.total_bytes, a.total_bytes);
  EXPECT_EQ(b.card_context_bytes, a.card_context_bytes) << "the cards do not depend on the sizes";

  big.compress = true;
  const SolveMemoryEstimate c = estimate(big);
  EXPECT_EQ(c.strategy_bytes * 2, b.strategy_bytes);
  EXPECT_EQ(c.tree_bytes, b.tree_bytes);
  EXPECT_EQ(c.card_context_bytes, b.card_context_bytes);
  EXPECT_EQ(c.node_count, b.node_count);
  EXPECT_EQ(c.decision_node_count, b.decision_node_count);
  EXPECT_LT(c.total_bytes, b.total_bytes);
}

TEST(MemoryEstimate, WiderRangesGrowTheStrategyAndTheCardTables) {
  SolveConfig narrow = flop_config();
  SolveConfig wide = flop_config();
  wide.oop_range = "AA,KK,QQ,JJ,TT,AK,AQ,AJ,KQ,JTs,T9s,98s";
  const SolveMemoryEstimate a = estimate(narrow);
  const SolveMemoryEstimate b = estimate(wide);
  EXPECT_EQ(b.node_count, a.node_count);
  EXPECT_GT(b.oop_hand_count, a.oop_hand_count);
  EXPECT_GT(b.strategy_bytes, a.strategy_bytes);
  EXPECT_GT(b.card_context_bytes, a.card_context_bytes);
}

TEST(MemoryEstimate, CountsMatchTheTreeThatASolveBuilds) {
  SolveConfig c = testing::turn_config();
  c.max_iterations = 1;
  const SolveMemoryEstimate e = estimate(c);
  SolveSession session;
  const auto reports = testing::run_to_end(session, c);
  ASSERT_FALSE(reports.empty());
  ASSERT_TRUE(reports.back().result && reports.back().result->success);
  const auto& nodes = reports.back().result->nodes;
  EXPECT_EQ(e.node_count, nodes.size());
  std::uint64_t decisions = 0;
  for (const auto& n : nodes) decisions += (n.kind == "decision" && !n.children.empty()) ? 1 : 0;
  EXPECT_EQ(e.decision_node_count, decisions);
}

TEST(MemoryEstimate, BoardTextIsReadLikeTheSolveReadsIt) {
  SolveConfig c = flop_config();
  const SolveMemoryEstimate flop = estimate(c);
  std::string error;
  for (const char* board : {"AhKsQdT", "AhKsQdTc2", "AhKsQdTc2cJc"}) {
    c.board = board;  // a stray character or a sixth card: no flop, turn or river
    EXPECT_FALSE(estimate_solve_memory(c, &error).has_value()) << board;
    EXPECT_EQ(error, "Board must be a flop, turn or river (6, 8 or 10 chars, e.g. AhKsQd)");
  }
  c.board = "AhKsQdTc";
  c.starting_street = "turn";
  EXPECT_LT(estimate(c).node_count, flop.node_count);
}

// Each part is what the solve allocates: the card context, the all-in tables
// (the tie shares as well with rake) and the solver's matrices.
TEST(MemoryEstimate, PartsAreWhatTheSolveAllocatesAllInTablesIncluded) {
  std::uint64_t without_rake = 0;
  for (const bool rake : {false, true}) {
    SolveConfig c = flop_config();
    const StreetSizing s = sizing("50", "", true);
    c.oop_flop = c.oop_turn = c.oop_river = s;
    c.ip_flop = c.ip_turn = c.ip_river = s;
    c.rake_percent = rake ? 5.0 : 0.0;
    c.rake_cap = rake ? 3.0 : 0.0;
    const SolveMemoryEstimate e = estimate(c);

    const velmora::Board board = parse_request_board(c.board);
    velmora::Game game(build_tree_config(c, board, false), velmora::CardContext(board, parse_request_ranges(c)));
    velmora::DiscountedCfr solver(velmora::SolverConfig{});
    solver.prepare_states(game);
    EXPECT_EQ(e.node_count, game.nodes().size());
    EXPECT_EQ(e.card_context_bytes, game.card_context().memory_bytes());
    EXPECT_EQ(e.strategy_bytes, solver.matrix_bytes());
    EXPECT_GT(e.runout_table_bytes, 0u);
    EXPECT_EQ(e.runout_table_bytes + sizeof(velmora::RunoutMatchups), game.runout_matchups().memory_bytes());
    const double sum = static_cast<double>(e.tree_bytes + e.card_context_bytes + e.strategy_bytes +
                                           e.runout_table_bytes);
    EXPECT_EQ(e.total_bytes, static_cast<std::uint64_t>(sum * 1.1));
    if (rake) {
      EXPECT_EQ(e.runout_table_bytes, 2 * without_rake);
    } else {
      without_rake = e.runout_table_bytes;
    }
  }
}

TEST(MemoryEstimate, HugeSpotsAreCountedNotBuiltAndStopAtTheLimit) {
  // Pot 10 behind stacks of 1000, two sizes and all-ins on every street:
  // hundreds of millions of nodes, far more than any machine holds.
  SolveConfig c = flop_config();
  c.starting_pot = 10;
  c.effective_stack = 1000;
  const StreetSizing s = sizing("33, 75", "33, 75", true);
  c.oop_flop = c.oop_turn = c.oop_river = s;
  c.ip_flop = c.ip_turn = c.ip_river = s;
  const SolveMemoryEstimate e = estimate(c);
  EXPECT_FALSE(e.exceeds_limit);
  EXPECT_GT(e.node_count, 500000000u);
  EXPECT_GT(e.total_bytes, std::uint64_t{100} << 30);

  EstimateOptions limited;
  limited.limit_bytes = std::uint64_t{1} << 30;
  const SolveMemoryEstimate over = estimate_solve_memory(c, nullptr, limited).value_or(SolveMemoryEstimate{});
  EXPECT_TRUE(over.exceeds_limit);
  EXPECT_EQ(over.total_bytes, limited.limit_bytes);
  EXPECT_EQ(over.oop_hand_count, e.oop_hand_count);

  // A superseded request stops: no record, the cancel as its text.
  velmora::CancelFlag set{true};
  EstimateOptions cancelled;
  cancelled.cancel = &set;
  std::string error;
  EXPECT_FALSE(estimate_solve_memory(c, &error, cancelled).has_value());
  EXPECT_EQ(error, "Cancelled");
}

TEST(MemoryEstimate, SameInputsIgnoreWhatDoesNotChangeTheMemory) {
  const SolveConfig a = flop_config();
  SolveConfig b = a;
  b.max_iterations = 7;
  b.thread_count = 12;
  b.node_locks.push_back(NodeLock{0, "AA", 1, 1.0f});
  EXPECT_TRUE(same_memory_inputs(a, b));
  b.ip_turn.add_all_in = !b.ip_turn.add_all_in;
  EXPECT_FALSE(same_memory_inputs(a, b));
  b = a;
  b.oop_jam_threshold_pct = 150.0;
  EXPECT_FALSE(same_memory_inputs(a, b));
}

TEST(MemoryEstimate, FailuresGiveNoRecordAndTheUnwrappedText) {
  SolveConfig c = flop_config();
  c.oop_flop = sizing("%", "");
  std::string error;
  EXPECT_FALSE(estimate_solve_memory(c, &error).has_value());
  EXPECT_EQ(error, "Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");

  c = flop_config();
  c.ip_river = sizing("50", "1x");
  EXPECT_FALSE(estimate_solve_memory(c, &error).has_value());
  EXPECT_EQ(error, "Relative raise must exceed 1.0x") << "no seat or street context in the estimate";

  c = flop_config();
  c.board = "AhKs";
  EXPECT_FALSE(estimate_solve_memory(c, &error).has_value());
  EXPECT_EQ(error, "Board must include at least a flop (6 chars, e.g. AhKsQd)");

  c = flop_config();
  c.ip_range = "AhKs,AsAh";
  EXPECT_FALSE(estimate_solve_memory(c, &error).has_value());
  EXPECT_EQ(error, "Player range empty after filtering board cards");

  c = flop_config();
  c.starting_pot = -1;
  EXPECT_FALSE(estimate_solve_memory(c).has_value()) << "no error text requested";

  // A refused size token tells where it was typed; anything else leaves
  // the fault empty.
  std::optional<SizeTokenFault> fault;
  EstimateOptions options;
  options.size_fault = &fault;
  c = flop_config();
  c.ip_turn = sizing("50, 3x3", "");
  EXPECT_FALSE(estimate_solve_memory(c, &error, options).has_value());
  EXPECT_EQ(error, "Failed to parse floating-point number from '3x3' (hex=337833)");
  ASSERT_TRUE(fault.has_value());
  EXPECT_EQ(fault->seat, 1);
  EXPECT_EQ(fault->street, "turn");
  EXPECT_FALSE(fault->raise);
  EXPECT_EQ(fault->token, "3x3");
  c = flop_config();
  c.board = "AhKs";
  EXPECT_FALSE(estimate_solve_memory(c, &error, options).has_value());
  EXPECT_FALSE(fault.has_value()) << "a board error is no size fault";
  c = flop_config();
  c.oop_flop = sizing("%", "");
  EXPECT_FALSE(estimate_solve_memory(c, &error, options).has_value());
  ASSERT_TRUE(fault.has_value()) << "the normaliser's refusals name the field too";
  EXPECT_EQ(std::tie(fault->seat, fault->street, fault->token), std::tuple(0, std::string("flop"), std::string("%")));
  fault = SizeTokenFault{};
  EXPECT_TRUE(estimate_solve_memory(flop_config(), &error, options).has_value());
  EXPECT_FALSE(fault.has_value()) << "a success leaves no fault behind";
}

}  // namespace
}  // namespace velmora_app
