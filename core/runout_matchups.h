// Showdown shares of every pair of hands over the runouts an all-in before
// the river leaves open. An all-in terminal on the turn would otherwise scan
// 44 river showdowns per visit (about a thousand on the flop); with these
// tables its values are one or two matrix-vector products.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"

namespace velmora {

class RunoutMatchups {
 public:
  // Which boards the all-in terminals the traversals reach need: bit c for
  // a turn card c, bit 52 for the flop itself.
  static std::uint64_t needed_boards(const std::vector<PlanNode>& nodes);
  // Bytes the tables for `boards` take.
  static std::size_t planned_bytes(const CardContext& context, std::uint64_t boards, bool with_rake);

  // Builds the tables of `boards`; `with_rake` also keeps the shares of
  // decided (not split) runouts, which the tie term needs.
  // With `cancel`, stops with SetupCancelled soon after the flag is set.
  void build(const CardContext& context, std::uint64_t boards, bool with_rake, const CancelFlag* cancel = nullptr);

  bool has(Card turn) const;

  // The runout average of an all-in terminal whose turn is `turn` (kNoCard
  // on the flop), for traverser `seat` against `reach` (one entry per slot of
  // the other seat): out[i] = win * W + lose * L + tie * T, where W, L and T
  // are the card-removed opponent reach weighted by the share of runouts
  // won, lost and split. `out` is overwritten. False when no table is built.
  bool values(const CardContext& context, Card turn, int seat, const float* reach, float* out, double win,
              double lose, double tie, bool with_tie) const;

  std::size_t memory_bytes() const;

 private:
  struct Table {
    std::vector<float> diff;     // H0 x H1: (won - lost) / runouts, seat 0's view
    std::vector<float> decided;  // H0 x H1: (won + lost) / runouts; only with rake
  };
  std::array<Table, kNumCards + 1> tables_;
  std::size_t h0_ = 0;
  std::size_t h1_ = 0;
};

}  // namespace velmora
