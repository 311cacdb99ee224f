// Suits that the board and both ranges cannot tell apart, and the hand
// relabelling that lets a chance node reuse one deal's values for another.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/cards.h"
#include "core/range.h"

namespace velmora {

struct SlotPair {
  std::uint16_t a;  // a < b
  std::uint16_t b;
};
using SlotPairLists = std::array<std::vector<SlotPair>, 2>;  // per seat

// The data of one deal level (the turn from a flop, or the river after a
// given turn card). The cards still in the deck whose suit has no
// representative are dealt explicitly; they are the chance node's children,
// numbered from 0 in card order. Every other card in the deck is skipped and
// reuses the values of its twin, the card of the same rank in the
// representative suit, with the hands relabelled by the slot pairs of the
// two suits.
struct DealIsomorphism {
  bool present = false;
  std::array<std::int8_t, 4> representative{-1, -1, -1, -1};  // per suit, -1 none
  std::vector<Card> skipped;                                  // skipped cards, in card order
  std::vector<std::uint32_t> twins;                           // per skipped card: child number it reuses
  std::array<SlotPairLists, 4> swaps;                         // per suit s with a representative: pairs of (s, rep)
};

struct SuitIsomorphism {
  std::array<std::uint8_t, 4> suit_class{0, 0, 0, 0};
  DealIsomorphism turn;  // present when the turn is not dealt
  // Per turn card, so that a river chance node always sees the data of the
  // turn card actually dealt; present when the river is not dealt.
  std::array<DealIsomorphism, 52> river;
};

SuitIsomorphism build_suit_isomorphism(const std::array<Range, 2>& ranges,
                                       const std::array<std::vector<Pocket>, 2>& pockets, const Board& board);

}  // namespace velmora
