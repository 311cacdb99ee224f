#include "scripts/rangegen/preflop_model.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "scripts/rangegen/shapes.h"

namespace rangegen {

namespace {

constexpr double kAllCombos = 1326.0;
constexpr double kBluffCap = 0.7;      // the best bluffs raise 70% of their combos
constexpr double kBluffFloor = -0.5;   // only suited classes are bluff candidates
constexpr double kEdge = 0.12;         // mixed band: 12% of a range's combos
constexpr double kValueEdge = 0.3;     // 3-bet value mixes over a wider band

using Pair = std::pair<Pos, Pos>;

// Opening widths, share of all combos, before the style's multiplier.
double open_width(Pos p, bool heads_up) {
  if (heads_up) return 0.80;
  switch (p) {
    case Pos::UTG: return 0.17;
    case Pos::HJ: return 0.21;
    case Pos::CO: return 0.275;
    case Pos::BTN: return 0.44;
    case Pos::SB: return 0.40;
    case Pos::BB: break;
  }
  throw std::invalid_argument("The big blind does not open");
}

// Defending against an open: 3-bet and flat-call widths, share of all combos.
// The big blind, with a third of the raise already in and the best price,
// defends widest: about 30% against UTG up to 53% against the button.
struct DefenceWidths {
  double three_bet;
  double call;
};
DefenceWidths defence_widths(Pos opener, Pos defender, bool heads_up) {
  if (heads_up) return {0.16, 0.52};
  static const std::map<Pair, DefenceWidths> table = {
      {{Pos::UTG, Pos::HJ}, {0.050, 0.035}},  {{Pos::UTG, Pos::CO}, {0.052, 0.040}},
      {{Pos::UTG, Pos::BTN}, {0.055, 0.065}}, {{Pos::UTG, Pos::SB}, {0.050, 0.020}},
      {{Pos::UTG, Pos::BB}, {0.045, 0.250}},  {{Pos::HJ, Pos::CO}, {0.060, 0.045}},
      {{Pos::HJ, Pos::BTN}, {0.065, 0.075}},  {{Pos::HJ, Pos::SB}, {0.058, 0.022}},
      {{Pos::HJ, Pos::BB}, {0.055, 0.280}},   {{Pos::CO, Pos::BTN}, {0.085, 0.090}},
      {{Pos::CO, Pos::SB}, {0.075, 0.030}},   {{Pos::CO, Pos::BB}, {0.070, 0.330}},
      {{Pos::BTN, Pos::SB}, {0.105, 0.040}},  {{Pos::BTN, Pos::BB}, {0.110, 0.420}},
      {{Pos::SB, Pos::BB}, {0.140, 0.440}},
  };
  const auto it = table.find({opener, defender});
  if (it == table.end()) throw std::invalid_argument("No defence against that opener");
  return it->second;
}

// Value share of a 3-bet range against an opener: tighter openers face more value.
double three_bet_value_share(Pos opener, bool heads_up) {
  if (heads_up) return 0.50;
  switch (opener) {
    case Pos::UTG: return 0.70;
    case Pos::HJ: return 0.65;
    case Pos::CO: return 0.60;
    default: return 0.55;
  }
}

// Share of the opening range that goes on against a 3-bet.
double continue_share(Pos opener, Pos three_bettor, bool heads_up) {
  if (heads_up) return 0.50;
  static const std::map<Pair, double> table = {
      {{Pos::UTG, Pos::HJ}, 0.44},  {{Pos::UTG, Pos::CO}, 0.45}, {{Pos::UTG, Pos::BTN}, 0.47},
      {{Pos::UTG, Pos::SB}, 0.46},  {{Pos::UTG, Pos::BB}, 0.46}, {{Pos::HJ, Pos::CO}, 0.46},
      {{Pos::HJ, Pos::BTN}, 0.48},  {{Pos::HJ, Pos::SB}, 0.48},  {{Pos::HJ, Pos::BB}, 0.48},
      {{Pos::CO, Pos::BTN}, 0.50},  {{Pos::CO, Pos::SB}, 0.52},  {{Pos::CO, Pos::BB}, 0.52},
      {{Pos::BTN, Pos::SB}, 0.56},  {{Pos::BTN, Pos::BB}, 0.56}, {{Pos::SB, Pos::BB}, 0.48},
  };
  const auto it = table.find({opener, three_bettor});
  if (it == table.end()) throw std::invalid_argument("No 3-bet against that opener");
  return it->second;
}

// 4-bets of an opener: value and bluff combos.
std::pair<double, double> four_bet_combos(Pos opener, bool heads_up) {
  if (heads_up) return {48, 22};
  switch (opener) {
    case Pos::UTG: return {22, 8};
    case Pos::HJ: return {26, 10};
    case Pos::CO: return {32, 14};
    case Pos::BTN: return {40, 18};
    default: return {40, 16};
  }
}

// 4-bets grow against wider 3-bettors: late position and the blinds.
double four_bet_factor(Pos three_bettor) {
  switch (three_bettor) {
    case Pos::CO: return 1.05;
    case Pos::BTN: return 1.15;
    case Pos::SB:
    case Pos::BB: return 1.1;
    default: return 1.0;
  }
}

// Share of the value 3-bets that call a 4-bet (after the 5-bet jams).
double call_four_bet_share(Pos four_bettor, bool heads_up) {
  if (heads_up) return 0.60;
  switch (four_bettor) {
    case Pos::UTG: return 0.40;
    case Pos::HJ: return 0.45;
    case Pos::CO: return 0.50;
    default: return 0.55;
  }
}

// 5-bet jams against a 4-bet: AA always, then fewer and fewer of KK, QQ,
// AK and JJ over a band of 24 combos.
constexpr double kJamCombos = 16;
constexpr double kJamBand = 24;

}  // namespace

Pos parse_pos(const std::string& text) {
  static const std::map<std::string, Pos> names = {{"UTG", Pos::UTG}, {"HJ", Pos::HJ}, {"CO", Pos::CO},
                                                   {"BTN", Pos::BTN}, {"SB", Pos::SB}, {"BB", Pos::BB}};
  const auto it = names.find(text);
  if (it == names.end()) throw std::invalid_argument("Unknown position " + text);
  return it->second;
}

Weights PreflopModel::open(Pos opener, const Style& s) const {
  const double width = open_width(opener, heads_up_) * s.open;
  const double target = width * kAllCombos;
  return top_share(ranking_for_width(r_, width), all_hands(), target, kEdge * target);
}

Defence PreflopModel::defend(Pos opener, Pos defender, const Style& s) const {
  const DefenceWidths d = defence_widths(opener, defender, heads_up_);
  const double three_bet = d.three_bet * s.three_bet * kAllCombos;
  const double call = d.call * s.call * kAllCombos;
  const double value_share = three_bet_value_share(opener, heads_up_);
  const double value = three_bet * value_share;
  const double bluffs = three_bet * (1 - value_share) * s.bluff;

  const double cont_width = (three_bet + call) / kAllCombos;
  const Weights cont = top_share(ranking_for_width(r_, cont_width), all_hands(), three_bet + call,
                                 kEdge * (three_bet + call));
  const Weights value_share_w = top_share(r_.strength, all_hands(), value, kValueEdge * value);
  const Weights rest = minus_clamped(all_hands(), value_share_w);
  const Weights bluff_share_w = product(graded_share(r_.bluff, rest, bluffs, kBluffCap, kBluffFloor), rest);
  Defence out;
  out.three_bet = plus_capped(value_share_w, bluff_share_w);
  out.three_bet_value = value_share_w;
  out.call = minus_clamped(cont, out.three_bet);
  return out;
}

FacingThreeBet PreflopModel::facing_three_bet(Pos opener, Pos three_bettor, const Style& s) const {
  const Weights opened = open(opener, s);
  const double mass = combo_count(opened);
  const double cont = std::min(1.0, continue_share(opener, three_bettor, heads_up_) * s.cont) * mass;
  const auto [base_value, base_bluffs] = four_bet_combos(opener, heads_up_);
  const double factor = heads_up_ ? 1.0 : four_bet_factor(three_bettor);
  const double value = base_value * factor;
  const double bluffs = base_bluffs * factor;
  const Weights cont_w = top_share(r_.playable, opened, cont, kEdge * cont);
  const Weights value_w = top_share(r_.premium, opened, value, kEdge * value);
  // 4-bet bluffs: the suited wheel aces first, then suited aces and kings
  // that would fold.
  Weights rest = no_hands();
  Weights score = r_.bluff;
  for (int i = 0; i < kNumClasses; ++i) {
    const HandClass& c = hand_classes()[i];
    if (!c.suited || c.hi < 11) continue;
    const bool wheel_ace = c.hi == 12 && c.lo <= 3;
    rest[i] = (1 - value_w[i]) * (wheel_ace ? 1.0 : 1 - cont_w[i]);
    if (wheel_ace) score[i] += 1.0;
  }
  const Weights bluff_w =
      product(graded_share(score, product(opened, rest), bluffs * s.bluff, kBluffCap, kBluffFloor), rest);
  const Weights four_bet = plus_capped(value_w, bluff_w);
  FacingThreeBet out;
  out.four_bet = product(opened, four_bet);
  out.call = product(opened, minus_clamped(cont_w, four_bet));
  return out;
}

Weights PreflopModel::calling_four_bet(Pos three_bettor, Pos four_bettor, const Style& s) const {
  // Bluffs fold to a 4-bet; the value 3-bets jam or call.
  const Weights three_bets = defend(four_bettor, three_bettor, s).three_bet_value;
  const double mass = combo_count(three_bets);
  const double calls = call_four_bet_share(four_bettor, heads_up_) * s.cont * mass;
  const Weights jam = top_share(r_.premium, three_bets, kJamCombos, kJamBand);
  const Weights go_on = top_share(r_.premium, three_bets, kJamCombos + calls, kEdge * calls);
  return product(three_bets, minus_clamped(go_on, jam));
}

}  // namespace rangegen
