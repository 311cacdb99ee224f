// A simple model of preflop play: who opens, defends, 4-bets and calls what,
// as shares of each hand class, cut from the rankings by range widths.
#pragma once
#include <string>

#include "scripts/rangegen/hand_classes.h"
#include "scripts/rangegen/rankings.h"

namespace rangegen {

enum class Pos { UTG, HJ, CO, BTN, SB, BB };

Pos parse_pos(const std::string& text);

// Multipliers on the widths of the model's base tables: the rake level of a
// table, or the tendencies of a player type.
struct Style {
  double open = 1.0;       // first raises
  double call = 1.0;       // flat calls of a raise
  double three_bet = 1.0;  // 3-bets
  double cont = 1.0;       // continuing against a 3-bet or a 4-bet
  double bluff = 1.0;      // bluffing share of 3-bets and 4-bets
};

// Share of each class that a player takes an action with, before any
// earlier action of the same hand is taken into account.
struct Defence {
  Weights call;
  Weights three_bet;        // value and bluffs
  Weights three_bet_value;  // the value part alone
};
struct FacingThreeBet {
  Weights call;
  Weights four_bet;
};

class PreflopModel {
 public:
  PreflopModel(const Rankings& rankings, bool heads_up) : r_(rankings), heads_up_(heads_up) {}

  Weights open(Pos opener, const Style& s) const;
  Defence defend(Pos opener, Pos defender, const Style& s) const;
  // The opener's continuing shares within its opening range (already multiplied in).
  FacingThreeBet facing_three_bet(Pos opener, Pos three_bettor, const Style& s) const;
  // The 3-bettor's calling share within its 3-betting range (already multiplied in).
  Weights calling_four_bet(Pos three_bettor, Pos four_bettor, const Style& s) const;

  const Rankings& rankings() const { return r_; }

 private:
  const Rankings& r_;
  bool heads_up_;
};

}  // namespace rangegen
