#include "core/evaluator.h"

#include <bit>
#include <stdexcept>

namespace velmora {
namespace {

constexpr std::uint32_t kRankBits = 0x1FFF;
constexpr std::uint32_t kWheel = 0x100F;  // A, 5, 4, 3, 2

constexpr int kHighCard = 0;
constexpr int kPair = 1;
constexpr int kTwoPair = 2;
constexpr int kTrips = 3;
constexpr int kStraight = 4;
constexpr int kFlush = 5;
constexpr int kFullHouse = 6;
constexpr int kQuads = 7;
constexpr int kStraightFlush = 8;

inline HandStrength encode(int category, std::uint32_t primary, std::uint32_t kicker) {
  return (static_cast<HandStrength>(category) << 26) | (primary << 13) | kicker;
}

// Highest set bit of a mask (bit 0 for an empty mask, which no caller relies on).
inline std::uint32_t top_bit(std::uint32_t m) { return 1u << (31 - std::countl_zero(m | 1u)); }

inline std::uint32_t drop_lowest(std::uint32_t m) { return m & (m - 1); }

// The k highest ranks of a mask holding at most k + 2 ranks.
inline std::uint32_t keep_top(std::uint32_t m, int k) {
  m = std::popcount(m) > k ? drop_lowest(m) : m;
  m = std::popcount(m) > k ? drop_lowest(m) : m;
  return m;
}

// Top rank bit of the highest straight in a rank mask, 0 when there is none.
inline std::uint32_t straight_top(std::uint32_t m) {
  const std::uint32_t runs = m & (m << 1) & (m << 2) & (m << 3) & (m << 4);
  const std::uint32_t wheel = (m & kWheel) == kWheel ? (1u << 3) : 0u;
  return runs != 0 ? top_bit(runs) : wheel;
}

}  // namespace

// Branches are laid out for the usual case: on a fixed board most pockets fall
// into the same few categories, so the predictor follows them well.
HandStrength evaluate_seven_unchecked(const Card* cards) {
  // One 16-bit lane of rank bits per suit.
  const auto lane_bit = [](unsigned c) { return std::uint64_t{1} << (((c & 3u) << 4) | (c >> 2)); };
  const std::uint64_t lanes = lane_bit(cards[0]) | lane_bit(cards[1]) | lane_bit(cards[2]) | lane_bit(cards[3]) |
                              lane_bit(cards[4]) | lane_bit(cards[5]) | lane_bit(cards[6]);
  const auto s0 = static_cast<std::uint32_t>(lanes) & kRankBits;
  const auto s1 = static_cast<std::uint32_t>(lanes >> 16) & kRankBits;
  const auto s2 = static_cast<std::uint32_t>(lanes >> 32) & kRankBits;
  const auto s3 = static_cast<std::uint32_t>(lanes >> 48) & kRankBits;

  // Flush suit: clubs first (seven cards allow only one anyway).
  std::uint32_t flush = 0;
  if (std::popcount(s3) >= 5) flush = s3;
  if (std::popcount(s2) >= 5) flush = s2;
  if (std::popcount(s1) >= 5) flush = s1;
  if (std::popcount(s0) >= 5) flush = s0;
  if (flush != 0) {
    // Five suited cards leave two others: no quads and no full house is possible.
    const std::uint32_t top = straight_top(flush);
    if (top != 0) return encode(kStraightFlush, top, 0);
    return encode(kFlush, keep_top(flush, 5), 0);
  }

  // Ranks held at least once, twice, three and four times.
  const std::uint32_t both01 = s0 & s1;
  const std::uint32_t both23 = s2 & s3;
  const std::uint32_t any01 = s0 | s1;
  const std::uint32_t any23 = s2 | s3;
  const std::uint32_t at_least1 = any01 | any23;
  const std::uint32_t at_least2 = both01 | both23 | (any01 & any23);
  const std::uint32_t at_least3 = (both01 & any23) | (both23 & any01);
  const std::uint32_t quads = both01 & both23;
  const std::uint32_t trips = at_least3 & ~quads;
  const std::uint32_t pairs = at_least2 & ~at_least3;
  const std::uint32_t singles = at_least1 & ~at_least2;

  if (quads != 0) {
    const std::uint32_t q = top_bit(quads);
    return encode(kQuads, q, top_bit(at_least1 & ~q));
  }
  if (trips != 0) {
    const std::uint32_t t = top_bit(trips);
    const std::uint32_t second_trips = trips & ~t;
    if (second_trips != 0) return encode(kFullHouse, t, top_bit(second_trips));
    if (pairs != 0) return encode(kFullHouse, t, top_bit(pairs));
  }
  const std::uint32_t straight = straight_top(at_least1);
  if (straight != 0) return encode(kStraight, straight, 0);
  if (trips != 0) return encode(kTrips, trips, keep_top(singles, 2));
  if (pairs != 0) {
    if (drop_lowest(pairs) != 0) {
      const std::uint32_t two = keep_top(pairs, 2);
      return encode(kTwoPair, two, top_bit(at_least1 & ~two));
    }
    return encode(kPair, pairs, keep_top(singles, 3));
  }
  return encode(kHighCard, keep_top(at_least1, 5), 0);
}

HandStrength evaluate_seven(const std::array<Card, 7>& cards) {
  bool bad = false;
  for (const Card c : cards) bad |= c >= kNumCards;
  if (bad) throw std::out_of_range("Card code must be in [0, 52)");
  return evaluate_seven_unchecked(cards.data());
}

HandStrength evaluate_hand(Pocket pocket, std::span<const Card> board) {
  if (board.size() != 5) throw std::invalid_argument("Board must contain exactly 5 cards for evaluation");
  const std::array<Card, 7> cards{pocket_lo(pocket), pocket_hi(pocket), board[0], board[1],
                                  board[2],          board[3],          board[4]};
  return evaluate_seven(cards);
}

}  // namespace velmora
