// A node's combos folded onto the 169 hand classes of the grid, as the
// results page's matrix shows them: each class with the share of it that
// reaches the node and its combos' reach-weighted action mix.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora_app {

// One combo as the fold reads it, from a node query's row or a saved one.
struct ClassFoldCombo {
  std::string card1;  // "Ah"
  std::string card2;
  double weight = 0.0;                       // range weight times reach
  std::vector<std::string> tags;             // hand-category buckets
  std::vector<double> action_probabilities;  // one per action
};

struct HandClassFold {
  // Per class: the sum of its combos' weights, each capped at 1, over the
  // number of the class's combos that hold no board card.
  std::map<std::string, double> weights;
  // Per class: each action's share weighted by the combos' capped weights,
  // shares not above 0 or not finite made 0, then scaled to add up to 1.
  std::map<std::string, std::vector<double>> action_probabilities;
};

// Folds the combos the buckets query credits to `bucket` (white space around
// it and case aside; "" takes every combo, a text naming no bucket none): a
// tag names it, or it is "air" and no tag names a bucket. A combo without
// tags, a class or a weight above 0 is left out.
// `action_count` actions are summed; 0 takes the count of the first combo
// with any. `board` holds the node's board cards as texts ("Ah"); texts that
// name no card are passed over. Classes without a counted combo are absent.
HandClassFold fold_hand_classes(const std::vector<ClassFoldCombo>& combos, std::string_view bucket,
                                std::size_t action_count, const std::vector<std::string>& board);

}  // namespace velmora_app
