// Small spots for the solver tests: board text, two range texts and one size
// text per kind, the same for both seats and every street.
#pragma once
#include <memory>
#include <string>

#include "core/bet_size.h"
#include "core/card_context.h"
#include "core/cards.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/range.h"

namespace velmora::testing {

struct Spot {
  std::string board;
  std::string oop_range;
  std::string ip_range;
  std::uint32_t pot = 100;
  std::uint32_t stack = 100;
  double rake_rate = 0.0;
  double rake_cap = 0.0;
  std::string bets = "a";
  std::string raises = "a";
  bool add_all_in = false;
};

inline Board parse_board_text(const std::string& text) {
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  const auto flop = parse_flop(text.substr(0, 6));
  for (int i = 0; i < 3; ++i) board[i] = flop[i];
  if (text.size() >= 8) board[3] = parse_card(text.substr(6, 2));
  if (text.size() >= 10) board[4] = parse_card(text.substr(8, 2));
  return board;
}

// The spot's tree: the same sizes for both seats on every street.
inline TreeConfig tree_config(const Spot& spot, std::uint8_t start_street) {
  TreeConfig cfg;
  cfg.start_street = start_street;
  cfg.starting_pot = spot.pot;
  cfg.effective_stack = spot.stack;
  cfg.rake_rate = spot.rake_rate;
  cfg.rake_cap = spot.rake_cap;
  auto [bets, raises] = parse_bet_and_raise_sizes(spot.bets, spot.raises);
  if (spot.add_all_in) {
    SizeSpec all_in;
    all_in.kind = kSizeAllIn;
    bets.push_back(all_in);
    raises.push_back(all_in);
  }
  for (StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    for (int seat = 0; seat < 2; ++seat) {
      s->bets[seat] = bets;
      s->raises[seat] = raises;
    }
  }
  return cfg;
}

inline CardContext make_context(const Spot& spot) {
  return CardContext(parse_board_text(spot.board), {parse_range(spot.oop_range), parse_range(spot.ip_range)});
}

inline std::unique_ptr<Game> make_game(const Spot& spot) {
  const Board board = parse_board_text(spot.board);
  const auto street = static_cast<std::uint8_t>(board[4] != kNoCard ? 2 : (board[3] != kNoCard ? 1 : 0));
  return std::make_unique<Game>(tree_config(spot, street), make_context(spot));
}

inline SolverConfig solver_config(std::uint32_t iterations, std::uint64_t threads = 1, std::uint32_t interval = 0,
                                  float target = 0.0f) {
  SolverConfig cfg;
  cfg.max_iterations = iterations;
  cfg.thread_count = threads;
  cfg.exploitability_interval = interval;
  cfg.target_exploitability = target;
  return cfg;
}

}  // namespace velmora::testing
