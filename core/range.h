// Range text: 1326 weights indexed by pocket index.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/cards.h"

namespace velmora {

using Range = std::array<float, kNumPockets>;

struct ComboPattern {
  std::uint8_t rank_hi = 0;
  std::uint8_t rank_lo = 0;
  std::int32_t kind = 0;  // 0 any suits, 1 suited, 2 offsuit, 3 exact combo
  std::uint8_t suit1 = 0;
  std::uint8_t suit2 = 0;
};

Range parse_range(std::string_view text);
void clear_range(Range& range);
float range_weight(const Range& range, unsigned card1, unsigned card2);
void set_range_weight(Range& range, unsigned card1, unsigned card2, float weight);
bool range_suit_symmetric(const Range& range, int suit_a, int suit_b);
ComboPattern parse_combo_pattern(std::string_view text);
std::vector<int> pattern_pockets(const ComboPattern& pattern);

// Reads a float locale-independently, with the standard string-to-float
// semantics: leading whitespace skipped, "invalid stof argument" /
// "stof argument out of range" on failure. Returns the characters used.
float locale_free_stof(std::string_view text, std::size_t* used);

}  // namespace velmora
