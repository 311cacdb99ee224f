// Suit isomorphism, checked against a brute-force search for suit exchanges
// that leave the dealt cards and both ranges unchanged, and against the
// showdown tables the relabelled values stand for.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "board_inputs.h"
#include "core/card_context.h"

namespace velmora {
namespace {

using testing::make_board;
using testing::make_ranges;

Card swap_card(Card c, int s, int t) {
  const int suit = card_suit(c);
  return Card(card_rank(c) * 4 + (suit == s ? t : (suit == t ? s : suit)));
}

bool invariant(const std::array<Range, 2>& ranges, const std::vector<std::uint64_t>& card_sets, int s, int t) {
  for (const auto set : card_sets) {
    for (Card c = 0; c < kNumCards; ++c) {
      if ((set & card_bit(c)) && !(set & card_bit(swap_card(c, s, t)))) return false;
    }
  }
  for (const auto& r : ranges) {
    for (int idx = 0; idx < kNumPockets; ++idx) {
      const Pocket p = pocket_table()[idx];
      if (r[idx] != r[pocket_index(swap_card(pocket_lo(p), s, t), swap_card(pocket_hi(p), s, t))]) return false;
    }
  }
  return true;
}

// The chance node's children: the cards left in the deck whose suit is dealt.
std::vector<Card> children_of(const DealIsomorphism& level, std::uint64_t dead) {
  std::vector<Card> children;
  for (Card c = 0; c < kNumCards; ++c) {
    if (!(dead & card_bit(c)) && level.representative[card_suit(c)] < 0) children.push_back(c);
  }
  return children;
}

void check_level(const CardContext& ctx, const DealIsomorphism& level, const std::array<Range, 2>& ranges,
                 const std::vector<std::uint64_t>& card_sets, std::uint64_t dead) {
  ASSERT_TRUE(level.present);
  for (int s = 0; s < 4; ++s) {
    int rep = -1;
    for (int t = 0; t < s && rep < 0; ++t) rep = invariant(ranges, card_sets, s, t) ? t : -1;
    ASSERT_EQ(level.representative[s], rep) << "suit " << s;
    for (int seat = 0; seat < 2; ++seat) {
      // Each pair swaps two pockets; every pocket the exchange moves is in one pair.
      std::vector<int> seen(ctx.hand_count(seat), 0);
      for (const SlotPair& pair : level.swaps[s][seat]) {
        ASSERT_TRUE(pair.a < pair.b && pair.b < seen.size());
        const Pocket p = ctx.pockets(seat)[pair.a];
        EXPECT_EQ(ctx.pockets(seat)[pair.b],
                  make_pocket(swap_card(pocket_lo(p), s, rep), swap_card(pocket_hi(p), s, rep)));
        ++seen[pair.a];
        ++seen[pair.b];
      }
      for (std::size_t i = 0; i < seen.size(); ++i) {
        const Pocket p = ctx.pockets(seat)[i];
        const bool moves =
            rep >= 0 && make_pocket(swap_card(pocket_lo(p), s, rep), swap_card(pocket_hi(p), s, rep)) != p;
        EXPECT_EQ(seen[i], moves ? 1 : 0);
      }
    }
  }
  const auto children = children_of(level, dead);
  std::vector<Card> skipped;
  for (Card c = 0; c < kNumCards; ++c) {
    if (!(dead & card_bit(c)) && level.representative[card_suit(c)] >= 0) skipped.push_back(c);
  }
  ASSERT_EQ(level.skipped, skipped);
  ASSERT_EQ(level.twins.size(), skipped.size());
  for (std::size_t k = 0; k < skipped.size(); ++k) {
    ASSERT_LT(level.twins[k], children.size());
    EXPECT_EQ(children[level.twins[k]],
              swap_card(skipped[k], card_suit(skipped[k]), level.representative[card_suit(skipped[k])]));
  }
}

// Checks every level of a context; returns the number of skipped turn cards.
std::size_t check_all_levels(const Board& board, const std::array<Range, 2>& ranges) {
  const CardContext ctx(board, ranges);
  const SuitIsomorphism& iso = ctx.suit_isomorphism();
  for (int s = 1, next = 1; s < 4; ++s) {
    int cls = -1;
    for (int t = 0; t < s && cls < 0; ++t) cls = invariant(ranges, {}, s, t) ? iso.suit_class[t] : -1;
    EXPECT_EQ(iso.suit_class[s], cls >= 0 ? cls : next++);
  }
  const std::uint64_t flop = card_bit(board[0]) | card_bit(board[1]) | card_bit(board[2]);
  EXPECT_EQ(iso.turn.present, board[3] == kNoCard);
  if (board[3] == kNoCard) check_level(ctx, iso.turn, ranges, {flop}, flop);
  for (Card turn = 0; turn < kNumCards; ++turn) {
    const bool possible = board[4] == kNoCard && (board[3] == kNoCard ? !(flop & card_bit(turn)) : turn == board[3]);
    EXPECT_EQ(iso.river[turn].present, possible);
    const std::uint64_t dealt = flop | card_bit(turn);
    if (possible)
      check_level(ctx, iso.river[turn], ranges, board[3] == kNoCard ? std::vector{flop, dealt} : std::vector{dealt},
                  dealt);
  }
  return iso.turn.skipped.size();
}

const char* kSymmetric = "AA,KK,QQ,JJ,TT,AKs,AQo,KQs,T9s,76s,65o,A5s";

TEST(SuitIsomorphism, LevelsMatchBruteForceOnManyBoards) {
  const auto symmetric = make_ranges(kSymmetric, "99-22,AJs+,KJo+,QTs,J9s,87s,54s:0.5");
  const auto hearts_apart = make_ranges(kSymmetric, "QQ,JJ,AhKh,T9s");
  const auto asymmetric = make_ranges("AcKc,AdKd:0.5,AhKh:0.25,AsKs:0.75", "QQ");
  struct Case {
    Board board;
    const std::array<Range, 2>& ranges;
    std::size_t skipped_turns;
  };
  const Case cases[] = {
      {make_board("9h6h3h"), symmetric, 26},     // monotone: diamonds and spades follow clubs
      {make_board("AhKh7d"), symmetric, 13},     // two-tone: spades follow clubs
      {make_board("AhKd7c"), symmetric, 0},      // rainbow: every suit differs on the flop
      {make_board("7c7d2h"), symmetric, 12},     // paired rainbow: diamonds follow clubs
      {make_board("7c7d2h"), hearts_apart, 12},  // hearts differ in the range only
      {make_board("9h6h3h"), hearts_apart, 26},
      {make_board("9h6h3h"), asymmetric, 0},
      {make_board("8s8c8d"), symmetric, 24},  // trips: diamonds and spades follow clubs
      {make_board("7c7d2h", "9s"), hearts_apart, 0},
      {make_board("9h6h3h", "2c"), symmetric, 0},
      {make_board("Ts9s4d", "2c", "Qh"), symmetric, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(card_to_string(c.board[0]) + card_to_string(c.board[1]) + card_to_string(c.board[2]));
    EXPECT_EQ(check_all_levels(c.board, c.ranges), c.skipped_turns);
    if (HasFatalFailure()) return;
  }
  const CardContext asym(make_board("9h6h3h"), asymmetric);
  EXPECT_EQ(asym.suit_isomorphism().suit_class, (std::array<std::uint8_t, 4>{0, 1, 2, 3}));
  for (const auto& level : asym.suit_isomorphism().river) EXPECT_TRUE(level.skipped.empty());
  EXPECT_THROW(build_suit_isomorphism(symmetric, {}, Board{kNoCard, 4, 8, kNoCard, kNoCard}), std::out_of_range);
}

TEST(SuitIsomorphism, RiverTwinsFollowTheTurnCardActuallyDealt) {
  // Turn cards of one suit skip the same rivers, but the dealt turn leaves the
  // deck: after 2d the explicit rivers start 2c, 2h, 3c; after Qd 2c, 2d, 2h, 3c.
  const CardContext ctx(make_board("AhKh7d"), make_ranges(kSymmetric, "QQ"));
  const auto& low = ctx.suit_isomorphism().river[parse_card("2d")];
  const auto& high = ctx.suit_isomorphism().river[parse_card("Qd")];
  EXPECT_EQ(low.skipped, high.skipped);
  ASSERT_EQ(low.skipped[1], parse_card("3s"));
  EXPECT_EQ(low.twins[1], 2u);
  EXPECT_EQ(high.twins[1], 3u);
  EXPECT_EQ(low.twins.back(), high.twins.back());  // As, above both turns
  EXPECT_TRUE(ctx.suit_isomorphism().river[parse_card("2c")].skipped.empty());
}

// Strength of slot i on a runout after the skipped card must equal that of its
// partner slot on the exchanged runout after the twin; reach must agree too.
void check_relabelling(const CardContext& ctx, const SlotPairLists& lists,
                       const std::vector<std::pair<std::pair<Card, Card>, std::pair<Card, Card>>>& mirrored) {
  for (int seat = 0; seat < 2; ++seat) {
    std::vector<std::uint16_t> partner(ctx.hand_count(seat));
    for (std::size_t i = 0; i < partner.size(); ++i) partner[i] = std::uint16_t(i);
    for (const auto& pair : lists[seat]) std::swap(partner[pair.a], partner[pair.b]);
    const auto strengths = [&](std::pair<Card, Card> runout) {
      std::vector<std::uint32_t> by_slot(partner.size(), 0);
      for (const auto& e : ctx.runout_showdown(runout.first, runout.second).seat[seat]) {
        if (e.slot != kNoSlot) by_slot[e.slot] = e.strength_plus_one;
      }
      return by_slot;
    };
    for (const auto& [skipped, twin] : mirrored) {
      const auto here = strengths(skipped);
      const auto there = strengths(twin);
      for (std::size_t i = 0; i < here.size(); ++i) ASSERT_EQ(here[i], there[partner[i]]) << "slot " << i;
    }
    for (std::size_t i = 0; i < partner.size(); ++i)
      EXPECT_NEAR(ctx.initial_reach(seat)[i], ctx.initial_reach(seat)[partner[i]], 1e-7);
  }
}

TEST(SuitIsomorphism, SwapPairsReproduceSkippedShowdowns) {
  const CardContext flop(make_board("AhKh7d"), make_ranges(kSymmetric, "99-22,AJs+,KJo+,QTs"));
  const auto& turn = flop.suit_isomorphism().turn;
  const auto children = children_of(turn, flop.board_mask());
  for (std::size_t k = 0; k < turn.skipped.size(); ++k) {
    const Card y = turn.skipped[k], x = children[turn.twins[k]];
    const int s = card_suit(y), t = turn.representative[s];
    std::vector<std::pair<std::pair<Card, Card>, std::pair<Card, Card>>> mirrored;
    for (Card r = 0; r < kNumCards; ++r) {
      if (r != y && !(flop.board_mask() & card_bit(r))) mirrored.push_back({{y, r}, {x, swap_card(r, s, t)}});
    }
    check_relabelling(flop, turn.swaps[s], mirrored);
    if (HasFatalFailure()) return;
  }
  const Board board = make_board("7c7d2h", "9s");
  const CardContext ctx(board, make_ranges(kSymmetric, "QQ,JJ,AhKh,T9s"));
  const auto& river = ctx.suit_isomorphism().river[board[3]];
  const auto rivers = children_of(river, ctx.board_mask());
  ASSERT_EQ(river.skipped.size(), 12u);  // diamonds, twinned with clubs
  for (std::size_t k = 0; k < river.skipped.size(); ++k) {
    check_relabelling(ctx, river.swaps[card_suit(river.skipped[k])],
                      {{{board[3], river.skipped[k]}, {board[3], rivers[river.twins[k]]}}});
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace velmora
