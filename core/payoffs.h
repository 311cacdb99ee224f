// Terminal payoffs: fold and showdown values linear in the number of hands.
#pragma once
#include <cstddef>
#include <span>
#include <vector>

#include "core/action_plan.h"

namespace velmora {

class CardContext;
class RunoutMatchups;

// What the payoffs read of a spot: the pot and rake rules of its
// configuration, its card context and its all-in tables. A Game gives one
// for itself wherever one is asked for.
struct PayoffContext {
  const TreeConfig& config;
  const CardContext& cards;
  const RunoutMatchups& runouts;
};

// The fields of a terminal node its payoff reads, gathered once per node so
// the traversals read 16 bytes per terminal instead of the node record.
struct TerminalPayoff {
  std::uint8_t last_action = 0;
  std::uint8_t last_actor = 0;
  Card turn = kNoCard;
  Card river = kNoCard;
  double pot = 0.0;  // the pot its factors are taken from
};

TerminalPayoff make_terminal_payoff(const PayoffContext& spot, const PlanNode& node);
void terminal_values(const PayoffContext& spot, const TerminalPayoff& terminal, int seat,
                     std::span<const float> opp_reach, std::span<float> out);

void terminal_values(const PayoffContext& spot, const PlanNode& node, int seat, std::span<const float> opp_reach,
                     std::span<float> out);
// A showdown and a fold terminal reached with the same opponent reach on the
// same full board (calling or folding to a river bet) valued in one scan.
// False, touching nothing, when the two do not make such a pair; the caller
// then values them apart.
bool showdown_and_fold_values(const PayoffContext& spot, const TerminalPayoff& showdown, const TerminalPayoff& fold,
                              int seat, std::span<const float> opp_reach, std::span<float> showdown_out,
                              std::span<float> fold_out);
// The same pair when the opponent chooses between them (it calls or folds
// to a river bet): the showdown against `call_reach` and the fold against
// `fold_reach`, each exactly as terminal_values gives it, in one scan. False,
// touching nothing, when the two do not make such a pair.
bool showdown_beside_fold_values(const PayoffContext& spot, const TerminalPayoff& showdown, const TerminalPayoff& fold,
                                 int seat, std::span<const float> call_reach, std::span<const float> fold_reach,
                                 std::span<float> showdown_out, std::span<float> fold_out);
// A terminal of a river subtree waiting for its batch: a showdown or a fold
// against `reach` into `out`, or a showdown with `fold` beside it, both
// against the same reach (the traverser calling or folding to a bet).
struct RiverJob {
  const TerminalPayoff* terminal = nullptr;
  const TerminalPayoff* fold = nullptr;
  const float* reach = nullptr;
  float* out = nullptr;
  float* fold_out = nullptr;
};
// Every job's values exactly as terminal_values (a pair: as
// showdown_and_fold_values) gives them; jobs of one kind on one board are
// valued a batch at a time in one scan.
void river_batch_values(const PayoffContext& spot, int seat, std::span<const RiverJob> jobs);
void fold_values(const PayoffContext& spot, const PlanNode& node, int seat, double factor,
                 std::span<const float> opp_reach, std::span<float> out);
bool showdown_values(const PayoffContext& spot, const PlanNode& node, int seat, std::span<const float> opp_reach,
                     std::span<float> out);
const std::vector<std::uint16_t>& runout_hands(const PayoffContext& spot, const PlanNode& node, int seat);
std::vector<Card> dealt_cards(const PayoffContext& spot, const PlanNode& node);
int chance_outcome_count(const PlanNode& node);

}  // namespace velmora
