// The hand rankings every table is cut from.
#pragma once
#include "scripts/rangegen/hand_classes.h"

namespace rangegen {

struct Rankings {
  Weights vs_random;  // all-in equity against a random hand
  Weights vs_top;     // all-in equity against the best 15% of hands
  Weights vs_wide;    // all-in equity against the best 40% of hands
  Weights premium;    // 4-bets and 5-bets: equity against QQ+ and AK
  Weights strength;   // value: equity against the best 15%
  Weights playable;   // tight opening and calling: strength plus a playability bonus
  Weights playable_wide;  // wide opening and calling: vs_wide plus the bonus
  Weights bluff;      // suited bluff candidates; -1 for pairs and offsuit hands
};

Rankings compute_rankings(int samples);

// The playability bonus added to the strength of a class.
double playability_bonus(const HandClass& c);

}  // namespace rangegen

namespace rangegen {

// Ranking for a range of `width` (share of all combos): the tight ranking for
// ranges of 15% and less, the wide one from 45% on, blended in between.
Weights ranking_for_width(const Rankings& r, double width);

}  // namespace rangegen
