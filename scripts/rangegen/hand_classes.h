// The 169 preflop hand classes, a weight per class, and range text.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cards.h"

namespace rangegen {

inline constexpr int kNumClasses = 169;

struct HandClass {
  std::string label;  // "AA", "AKs", "AKo"
  int hi = 0;         // rank of the higher card, 0 (deuce) .. 12 (ace)
  int lo = 0;         // rank of the lower card
  bool pair = false;
  bool suited = false;
  int combos = 0;     // 6, 4 or 12
  std::vector<std::array<velmora::Card, 2>> cards;  // every combo of the class
};

// Classes in the order range texts list them: pairs from AA down, then the
// suited classes (AKs, AQs .. A2s, KQs .. 32s), then the offsuit ones.
const std::vector<HandClass>& hand_classes();

// Index of a class label in hand_classes(); throws for an unknown label.
int class_index(const std::string& label);

// A weight in [0, 1] per class, in the order of hand_classes().
using Weights = std::array<double, kNumClasses>;

Weights no_hands();
Weights all_hands();

// Weighted number of combos of a range.
double combo_count(const Weights& w);

// Weights in steps of 1/10000, the finest the tables write.
double quantize(double w);

// Range text: the classes with a weight of at least `min_weight` joined by
// ", ", each with ":" and its weight (up to four decimals, trailing zeros
// dropped) unless the weight is 1.
std::string format_range(const Weights& w, double min_weight = 0.05);

// The same classes without weights: every class of at least `min_weight`.
std::string format_unweighted(const Weights& w, double min_weight);

}  // namespace rangegen
