// A range text as the solver reads it, put on the 13 x 13 grid of hand
// classes: what each class holds and which classes each piece of the text
// sets, for a window that draws and edits the range as a grid.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "session/action_labels.h"

namespace velmora_app {

// One piece of a range text between commas.
struct RangeTextPiece {
  std::string text;          // as typed, without the blanks around it
  std::vector<int> classes;  // grid positions (hand_class_index) of the classes it sets, ascending
  // The weight it sets, as a text the solver reads back to the same weight;
  // "" for a piece without one (weight 1).
  std::string weight;
};

// Per grid position (hand_class_index): the mean weight of the class's
// combos, so that a class partly in range (exact combos) holds the share it
// has. Throws what parse_range_or_percent throws for a text the solver
// refuses.
std::array<double, kHandClassCount> range_class_weights(std::string_view text);

struct RangeTextPieces {
  bool share = false;  // one share of every hand ("50%"): a single piece over all classes
  std::vector<RangeTextPiece> pieces;
};

// The pieces in order. Throws as range_class_weights does.
RangeTextPieces range_text_pieces(std::string_view text);

}  // namespace velmora_app
