#include "core/suit_isomorphism.h"

#include <functional>

namespace velmora {

namespace {

using RankMasks = std::array<std::uint16_t, 4>;  // per suit, bit r for rank r

RankMasks rank_masks(std::uint64_t cards) {
  RankMasks masks{0, 0, 0, 0};
  for (int c = 0; c < kNumCards; ++c) {
    if (cards & card_bit(static_cast<Card>(c)))
      masks[card_suit(static_cast<Card>(c))] |= std::uint16_t(1u << card_rank(static_cast<Card>(c)));
  }
  return masks;
}

Card swap_suits(Card c, int s, int t) {
  const int suit = card_suit(c);
  const int mapped = suit == s ? t : (suit == t ? s : suit);
  return static_cast<Card>((c & ~3) | mapped);
}

// Pairs of slots whose pockets trade places when suits s and t are exchanged.
class SwapPairTable {
 public:
  explicit SwapPairTable(const std::array<std::vector<Pocket>, 2>& pockets) : pockets_(pockets) {
    for (int seat = 0; seat < 2; ++seat) {
      slot_of_[seat].fill(0xFFFF);
      for (std::size_t i = 0; i < pockets[seat].size(); ++i) {
        const Pocket p = pockets[seat][i];
        slot_of_[seat][pocket_index(pocket_lo(p), pocket_hi(p))] = static_cast<std::uint16_t>(i);
      }
    }
  }

  const SlotPairLists& get(int s, int t) {
    if (!built_[s][t]) {
      for (int seat = 0; seat < 2; ++seat) lists_[s][t][seat] = build(seat, s, t);
      built_[s][t] = true;
    }
    return lists_[s][t];
  }

 private:
  std::vector<SlotPair> build(int seat, int s, int t) const {
    std::vector<SlotPair> pairs;
    const auto& pockets = pockets_[seat];
    for (std::size_t i = 0; i < pockets.size(); ++i) {
      const Card a = swap_suits(pocket_lo(pockets[i]), s, t);
      const Card b = swap_suits(pocket_hi(pockets[i]), s, t);
      const std::uint16_t j = slot_of_[seat][pocket_index(a, b)];
      if (j != 0xFFFF && j > i) pairs.push_back({static_cast<std::uint16_t>(i), j});
    }
    return pairs;
  }

  const std::array<std::vector<Pocket>, 2>& pockets_;
  std::array<std::array<std::uint16_t, kNumPockets>, 2> slot_of_{};
  std::array<std::array<SlotPairLists, 4>, 4> lists_{};
  std::array<std::array<bool, 4>, 4> built_{};
};

// Fills one deal level. `dead` holds the cards that cannot be dealt;
// `alike(s, t)` tells whether the cards dealt so far leave suits s and t
// interchangeable.
void fill_level(DealIsomorphism& level, const std::array<std::uint8_t, 4>& suit_class, std::uint64_t dead,
                const std::function<bool(int, int)>& alike, SwapPairTable& pairs) {
  level = DealIsomorphism{};
  level.present = true;
  for (int s = 1; s < 4; ++s) {
    for (int t = 0; t < s; ++t) {
      if (suit_class[t] == suit_class[s] && alike(s, t)) {
        level.representative[s] = static_cast<std::int8_t>(t);
        break;
      }
    }
  }

  // Child numbers of the cards dealt explicitly, in card order.
  std::array<std::int32_t, kNumCards> number;
  number.fill(-1);
  std::int32_t next = 0;
  for (int c = 0; c < kNumCards; ++c) {
    if (dead & card_bit(static_cast<Card>(c))) continue;
    if (level.representative[card_suit(static_cast<Card>(c))] < 0) number[c] = next++;
  }
  for (int c = 0; c < kNumCards; ++c) {
    if (dead & card_bit(static_cast<Card>(c))) continue;
    const int rep = level.representative[card_suit(static_cast<Card>(c))];
    if (rep < 0) continue;
    // The twin has the same rank in the representative suit; equal rank masks
    // guarantee it is still in the deck and dealt explicitly.
    level.skipped.push_back(static_cast<Card>(c));
    level.twins.push_back(static_cast<std::uint32_t>(number[card_rank(static_cast<Card>(c)) * 4 + rep]));
  }
  for (int s = 1; s < 4; ++s) {
    if (level.representative[s] >= 0) level.swaps[s] = pairs.get(s, level.representative[s]);
  }
}

}  // namespace

SuitIsomorphism build_suit_isomorphism(const std::array<Range, 2>& ranges,
                                       const std::array<std::vector<Pocket>, 2>& pockets, const Board& board) {
  for (int i = 0; i < 5; ++i) {
    if (i < 3 || board[i] != kNoCard) check_card_code(board[i]);
  }
  SuitIsomorphism iso;

  std::uint8_t next_class = 1;
  for (int s = 1; s < 4; ++s) {
    iso.suit_class[s] = 0xFF;
    for (int t = 0; t < s; ++t) {
      if (range_suit_symmetric(ranges[0], t, s) && range_suit_symmetric(ranges[1], t, s)) {
        iso.suit_class[s] = iso.suit_class[t];
        break;
      }
    }
    if (iso.suit_class[s] == 0xFF) iso.suit_class[s] = next_class++;
  }

  const std::uint64_t flop = card_bit(board[0]) | card_bit(board[1]) | card_bit(board[2]);
  const RankMasks flop_masks = rank_masks(flop);
  SwapPairTable pairs(pockets);

  if (board[3] == kNoCard) {
    fill_level(
        iso.turn, iso.suit_class, flop, [&](int s, int t) { return flop_masks[s] == flop_masks[t]; }, pairs);
  }
  if (board[4] != kNoCard) return iso;

  if (board[3] == kNoCard) {
    for (Card turn = 0; turn < kNumCards; ++turn) {
      if (flop & card_bit(turn)) continue;
      const std::uint64_t dealt = flop | card_bit(turn);
      const RankMasks masks = rank_masks(dealt);
      fill_level(
          iso.river[turn], iso.suit_class, dealt,
          [&](int s, int t) { return flop_masks[s] == flop_masks[t] && masks[s] == masks[t]; }, pairs);
    }
  } else {
    const Card turn = board[3];
    const std::uint64_t dealt = flop | card_bit(turn);
    const RankMasks masks = rank_masks(dealt);
    fill_level(
        iso.river[turn], iso.suit_class, dealt, [&](int s, int t) { return masks[s] == masks[t]; }, pairs);
  }
  return iso;
}

}  // namespace velmora
