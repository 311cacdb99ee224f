// Reads a solve request into the solver core's inputs: the board, both
// ranges and the tree configuration. Shared by the solve worker and the
// memory estimate, so both read a request the same way.
#pragma once
#include <array>

#include "core/action_plan.h"
#include "core/cards.h"
#include "core/range.h"
#include "session/solve_types.h"

namespace velmora_app {

// Flop from the first 6 characters, turn and river from characters 7-8 and
// 9-10 when present (255 otherwise); anything further is ignored.
velmora::Board parse_request_board(const std::string& board_text);

// OOP's range, then IP's.
std::array<velmora::Range, 2> parse_request_ranges(const SolveConfig& config);

// Street, pot, stack, rake, all-in thresholds and the three streets' sizes.
// With `size_error_context` a size error names seat, street and texts.
velmora::TreeConfig build_tree_config(const SolveConfig& config, bool size_error_context);

}  // namespace velmora_app
