// Reads a solve request into the solver core's inputs: the board, both
// ranges and the tree configuration. Shared by the solve worker and the
// memory estimate, so both read a request the same way.
#pragma once
#include <array>
#include <cstdint>

#include "core/action_plan.h"
#include "core/cards.h"
#include "core/range.h"
#include "session/solve_types.h"

namespace velmora_app {

// Largest starting pot and effective stack: the biggest pot a tree can
// reach (pot plus both stacks) stays exact in every field that holds it.
inline constexpr std::int32_t kMaxChips = 1000000;

// A flop, turn or river: 6, 8 or 10 characters, every one of them part of a
// card (a 7th character is a typing error, not a flop).
velmora::Board parse_request_board(const std::string& board_text);

// OOP's range, then IP's.
std::array<velmora::Range, 2> parse_request_ranges(const SolveConfig& config);

// The first seat (0 OOP, 1 IP) whose range keeps no hand once the board's
// cards are removed, or -1 (also when the board or a range does not read).
int seat_emptied_by_board(const SolveConfig& config);

// Street, pot, stack, rake, all-in thresholds and the three streets' sizes.
// With `size_error_context` a size error names seat, street and texts.
// Refuses a starting street whose card `board` does not hold, a pot or
// stack outside 0..kMaxChips, a rake percent outside 0..100 and a rake cap
// that is negative or not finite.
velmora::TreeConfig build_tree_config(const SolveConfig& config, const velmora::Board& board,
                                      bool size_error_context);

}  // namespace velmora_app
