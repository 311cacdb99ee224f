// Card codes, boards and the index of a two-card pocket.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

using Card = std::uint8_t;            // rank * 4 + suit, 0..51
inline constexpr Card kNoCard = 255;  // a turn or river that is not dealt
using Board = std::array<Card, 5>;    // flop ascending, turn, river
using Pocket = std::uint16_t;         // lower card in the low byte
inline constexpr int kNumCards = 52;
inline constexpr int kNumPockets = 1326;

inline constexpr int card_rank(Card c) { return c >> 2; }
inline constexpr int card_suit(Card c) { return c & 3; }

int parse_rank(char c);
int parse_suit(char c);
char rank_to_char(std::uint8_t rank);
void check_card_code(unsigned code);
Card parse_card(std::string_view text);
std::array<Card, 3> parse_flop(std::string_view text);
std::string card_to_string(unsigned code);

inline constexpr int pocket_index(Card a, Card b) {
  const int lo = a < b ? a : b;
  const int hi = a < b ? b : a;
  return lo * (101 - lo) / 2 + hi - 1;
}
inline constexpr Pocket make_pocket(Card a, Card b) {
  const Card lo = a < b ? a : b;
  const Card hi = a < b ? b : a;
  return static_cast<Pocket>(lo | (hi << 8));
}
inline constexpr Card pocket_lo(Pocket p) { return static_cast<Card>(p & 0xFF); }
inline constexpr Card pocket_hi(Pocket p) { return static_cast<Card>(p >> 8); }
inline constexpr std::uint64_t card_bit(Card c) { return std::uint64_t{1} << c; }
inline constexpr std::uint64_t pocket_mask(Pocket p) { return card_bit(pocket_lo(p)) | card_bit(pocket_hi(p)); }

// The pocket (lower card in the low byte) of each pocket index.
const std::array<Pocket, kNumPockets>& pocket_table();

}  // namespace velmora
