// Seven-card hand evaluator: bit masks only, no tables, no allocation.
#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "core/cards.h"

namespace velmora {

// Larger is stronger; equal is a split. Category in bits 26 and up,
// deciding ranks in bits 13..25, kickers in bits 0..12.
using HandStrength = std::uint32_t;

HandStrength evaluate_seven(const std::array<Card, 7>& cards);
HandStrength evaluate_seven_unchecked(const Card* cards);  // codes known to be < 52
HandStrength evaluate_hand(Pocket pocket, std::span<const Card> board);

inline constexpr int hand_category(HandStrength s) { return static_cast<int>(s >> 26); }

}  // namespace velmora
