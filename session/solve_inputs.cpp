#include "session/solve_inputs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/card_context.h"
#include "session/action_labels.h"
#include "session/normalizers.h"

namespace velmora_app {

velmora::Board parse_request_board(const std::string& board_text) {
  if (board_text.size() < 6) {
    throw std::invalid_argument("Board must include at least a flop (6 chars, e.g. AhKsQd)");
  }
  if (board_text.size() != 8 && board_text.size() != 10 && board_text.size() != 6) {
    throw std::invalid_argument("Board must be a flop, turn or river (6, 8 or 10 chars, e.g. AhKsQd)");
  }
  const std::string_view text(board_text);
  const auto flop = velmora::parse_flop(text.substr(0, 6));
  velmora::Board board{flop[0], flop[1], flop[2], velmora::kNoCard, velmora::kNoCard};
  if (text.size() >= 8) board[3] = velmora::parse_card(text.substr(6, 2));
  if (text.size() >= 10) board[4] = velmora::parse_card(text.substr(8, 2));
  return board;
}

std::array<velmora::Range, 2> parse_request_ranges(const SolveConfig& config) {
  std::array<velmora::Range, 2> ranges{};
  ranges[0] = parse_range_or_percent(config.oop_range);
  ranges[1] = parse_range_or_percent(config.ip_range);
  return ranges;
}

int seat_emptied_by_board(const SolveConfig& config) {
  try {
    const velmora::Board board = parse_request_board(config.board);
    const auto ranges = parse_request_ranges(config);
    for (int seat = 0; seat < 2; ++seat) {
      if (!velmora::range_clears_board(ranges[seat], board)) return seat;
    }
  } catch (const std::exception&) {
  }
  return -1;
}

velmora::TreeConfig build_tree_config(const SolveConfig& config, const velmora::Board& board,
                                      bool size_error_context) {
  // A negative figure would wrap around to billions of chips in the tree's
  // unsigned fields and make the tree explode; a huge one would overflow the
  // pots of the tree and of the results.
  if (config.starting_pot < 0 || config.effective_stack < 0) {
    throw std::invalid_argument("Starting pot and effective stack must not be negative");
  }
  if (config.starting_pot > kMaxChips || config.effective_stack > kMaxChips) {
    throw std::invalid_argument("Starting pot and effective stack must not exceed 1000000 chips");
  }
  // Rake is a share of the pot, at most all of it, capped at a number of
  // chips: a negative share pays the winner more than the pot, one above
  // 100 % leaves both seats with less than nothing, and NaN spreads into
  // every payoff.
  if (!(config.rake_percent >= 0.0 && config.rake_percent <= 100.0)) {
    throw std::invalid_argument("Rake percent must be a number within [0, 100]");
  }
  if (!(std::isfinite(config.rake_cap) && config.rake_cap >= 0.0)) {
    throw std::invalid_argument("Rake cap must be a finite number of chips, 0 or more");
  }
  velmora::TreeConfig tree;
  tree.start_street = static_cast<std::uint8_t>(street_from_name(config.starting_street));
  // Betting on a street whose card is not on the board would be played for
  // nothing: no card is ever dealt there.
  const int board_street = board[4] != velmora::kNoCard ? 2 : board[3] != velmora::kNoCard ? 1 : 0;
  if (tree.start_street > board_street) {
    throw std::invalid_argument(tree.start_street == 2 ? "A river start needs a board of 5 cards (e.g. AhKsQd7c2h)"
                                                       : "A turn start needs a board of 4 cards (e.g. AhKsQd7c)");
  }
  tree.starting_pot = static_cast<std::uint32_t>(config.starting_pot);
  tree.effective_stack = static_cast<std::uint32_t>(config.effective_stack);
  tree.rake_rate = config.rake_percent / 100.0;
  tree.rake_cap = config.rake_cap;
  tree.all_in_threshold[0] = config.oop_jam_threshold_pct ? std::max(*config.oop_jam_threshold_pct / 100.0, 0.0) : 0.0;
  tree.all_in_threshold[1] = config.ip_jam_threshold_pct ? std::max(*config.ip_jam_threshold_pct / 100.0, 0.0) : 0.0;
  tree.all_in_merge_threshold = 0.0;
  tree.size_dedupe_threshold = 0.0;
  if (size_error_context) {
    parse_street_sizing(tree.flop, config.oop_flop, config.ip_flop, "flop");
    parse_street_sizing(tree.turn, config.oop_turn, config.ip_turn, "turn");
    parse_street_sizing(tree.river, config.oop_river, config.ip_river, "river");
  } else {
    parse_street_sizing_plain(tree.flop, config.oop_flop, config.ip_flop, "flop");
    parse_street_sizing_plain(tree.turn, config.oop_turn, config.ip_turn, "turn");
    parse_street_sizing_plain(tree.river, config.oop_river, config.ip_river, "river");
  }
  return tree;
}

}  // namespace velmora_app
