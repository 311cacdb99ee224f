#include "session/hand_categories.h"

#include <algorithm>
#include <bit>

#include "session/normalizers.h"

namespace velmora_app {
namespace {

using velmora::Card;

bool holds_straight(unsigned mask) {
  const unsigned s = mask & (mask << 1) & (mask << 2) & (mask << 3) & (mask << 4);
  return s != 0 || (mask & 0x100Fu) == 0x100Fu;
}

unsigned rank_mask_of(std::span<const Card> cards) {
  unsigned mask = 0;
  for (Card c : cards) mask |= 1u << velmora::card_rank(c);
  return mask;
}

// Suit with the most cards, the first in club-diamond-heart-spade order on a
// tie, and that count.
std::pair<int, int> dominant_suit(std::span<const Card> cards) {
  std::array<int, 4> counts{};
  for (Card c : cards) ++counts[velmora::card_suit(c)];
  int best = 0;
  for (int s = 1; s < 4; ++s) {
    if (counts[s] > counts[best]) best = s;
  }
  return {best, counts[best]};
}

bool hole_has_suit(velmora::Pocket pocket, int suit) {
  return velmora::card_suit(velmora::pocket_lo(pocket)) == suit || velmora::card_suit(velmora::pocket_hi(pocket)) == suit;
}

// The category texts of one combo in the order they are found; false when
// the board size is not that of a flop, turn or river.
bool collect_findings(std::span<const Card> board, velmora::Pocket pocket, std::vector<std::string>& found) {
  if (board.size() < 3 || board.size() > 5) return false;
  std::vector<Card> cards;
  cards.reserve(board.size() + 2);
  cards.push_back(velmora::pocket_lo(pocket));
  cards.push_back(velmora::pocket_hi(pocket));
  cards.insert(cards.end(), board.begin(), board.end());

  const int c = made_hand_category(cards);  // validates every code first
  std::array<int, 13> counts{};
  for (Card b : board) ++counts[velmora::card_rank(b)];
  std::vector<int> ranks_desc;
  for (int r = 12; r >= 0; --r) {
    if (counts[r] > 0) ranks_desc.push_back(r);
  }

  const bool has_flush = c == 5 || c == 8;
  const bool has_straight = c == 4 || c == 8;
  const bool river = board.size() == 5;
  bool plays_board = false;
  if (river) {
    const int b = made_hand_category(board);
    plays_board = c == b && c < 2 && b < 2;
  }

  switch (c) {
    case 1: {
      std::string pc = pair_class(pocket, ranks_desc, counts);
      if (!pc.empty()) found.push_back(std::move(pc));
      break;
    }
    case 2: found.emplace_back("two pair"); break;
    case 3: {
      const int r1 = velmora::card_rank(velmora::pocket_lo(pocket));
      const int r2 = velmora::card_rank(velmora::pocket_hi(pocket));
      found.emplace_back(r1 == r2 && counts[r1] == 1 ? "set" : "trips");
      break;
    }
    case 4: found.emplace_back("straight"); break;
    case 5: found.emplace_back("flush"); break;
    case 6: found.emplace_back("full house"); break;
    case 7: found.emplace_back("quads"); break;
    case 8: found.emplace_back("straight flush"); break;
    default: break;
  }

  if (!river) {
    const FlushDrawFlags fd = flush_draw_flags(cards, pocket, board.size() == 3, has_flush);
    if (fd.flush_draw) found.emplace_back("flush draw");
    if (fd.back_door) found.emplace_back("back door flush draw");
    if (!has_straight) {
      const StraightDrawFlags sd = straight_draw_flags(cards);
      if (sd.open_ended) found.emplace_back("open ended straight draw");
      if (sd.gutshot) found.emplace_back("gutter");
    }
  } else if (plays_board) {
    // What the hand held on the turn, to name the draw it missed.
    const std::span<const Card> turn_list(cards.data(), 6);
    const int t = made_hand_category(turn_list);
    if (t != 5 && t != 8) {
      const auto [suit, count] = dominant_suit(turn_list);
      if (count == 4 && hole_has_suit(pocket, suit) && !has_flush) found.emplace_back("missed FD");
    }
    if (t != 4 && t != 8) {
      const StraightDrawFlags sd = straight_draw_flags(turn_list);
      if (sd.open_ended && !has_straight) found.emplace_back("missed OESD");
      if (sd.gutshot && !has_straight) found.emplace_back("missed gutter");
    }
  }
  return true;
}

}  // namespace

int hand_bucket_index(std::string_view name) {
  name = trim_c_space(name);
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (int i = 0; i < kBucketCount; ++i) {
    const std::string_view bucket = kHandBuckets[i];
    if (bucket.size() == name.size() &&
        std::equal(bucket.begin(), bucket.end(), name.begin(), [&](char a, char b) { return lower(a) == lower(b); })) {
      return i;
    }
  }
  return -1;
}

std::vector<int> hand_bucket_credit_of_texts(std::span<const std::string> texts) {
  std::vector<int> buckets;
  for (const std::string& text : texts) {
    const int b = hand_bucket_index(text);
    if (b >= 0) buckets.push_back(b);
  }
  if (buckets.empty()) buckets.push_back(kAirBucket);
  return buckets;
}

int made_hand_category(std::span<const Card> cards) {
  if (cards.size() < 5 || cards.size() > 7) return 0;
  for (Card c : cards) velmora::check_card_code(c);

  unsigned mask = 0;
  std::array<unsigned, 4> suit_mask{};
  std::array<int, 4> suit_count{};
  std::array<int, 13> count{};
  for (Card c : cards) {
    const int r = velmora::card_rank(c);
    const int s = velmora::card_suit(c);
    mask |= 1u << r;
    suit_mask[s] |= 1u << r;
    ++suit_count[s];
    ++count[r];
  }
  std::array<unsigned, 5> by_count{};
  for (int r = 0; r < 13; ++r) by_count[count[r]] |= 1u << r;

  for (int s = 0; s < 4; ++s) {
    if (suit_count[s] >= 5) return holds_straight(suit_mask[s]) ? 8 : 5;
  }
  const int trips = std::popcount(by_count[3]);
  const int pairs = std::popcount(by_count[2]);
  if (by_count[4] != 0) return 7;
  if (trips >= 2) return 6;
  if (trips == 1 && pairs >= 1) return 6;
  if (holds_straight(mask)) return 4;
  if (trips == 1) return 3;
  if (pairs >= 2) return 2;
  if (pairs == 1) return 1;
  return 0;
}

FlushDrawFlags flush_draw_flags(std::span<const Card> cards, velmora::Pocket pocket, bool is_flop, bool has_flush) {
  FlushDrawFlags flags;
  if (has_flush) return flags;
  const auto [suit, count] = dominant_suit(cards);
  if (!hole_has_suit(pocket, suit)) return flags;
  if (count == 4) flags.flush_draw = true;
  if (count == 3 && is_flop) flags.back_door = true;
  return flags;
}

StraightDrawFlags straight_draw_flags(std::span<const Card> cards) {
  StraightDrawFlags flags;
  const unsigned mask = rank_mask_of(cards);
  if (holds_straight(mask)) return flags;
  int outs = 0;
  for (int r = 0; r < 13; ++r) {
    const unsigned bit = 1u << r;
    if ((mask & bit) == 0 && holds_straight(mask | bit)) ++outs;
  }
  if (outs >= 2) flags.open_ended = true;
  if (outs == 1) flags.gutshot = true;
  return flags;
}

std::string pair_class(velmora::Pocket pocket, std::span<const int> board_ranks, const std::array<int, 13>& rank_counts) {
  const int r1 = velmora::card_rank(velmora::pocket_lo(pocket));
  const int r2 = velmora::card_rank(velmora::pocket_hi(pocket));
  const int top = board_ranks.empty() ? -1 : board_ranks.front();
  if (r1 == r2) return r1 > top ? "overpair" : "dry pair";
  const auto on_board = [&](int r) { return r >= 0 && r < 13 && rank_counts[r] > 0; };
  if (!on_board(r1) && !on_board(r2)) return {};
  std::size_t i = 0;
  while (i < board_ranks.size() && board_ranks[i] != r1 && board_ranks[i] != r2) ++i;
  if (i == board_ranks.size()) return {};
  if (i == 0) return "top pair";
  if (i == 1) return "middle pair";
  if (i + 1 == board_ranks.size()) return "bottom pair";
  return "pair";
}

std::vector<Card> board_at_node(const velmora::CardContext& context, const velmora::PlanNode& node) {
  std::vector<Card> board = context.board_cards();
  if (node.turn != velmora::kNoCard) {
    if (board.size() >= 4) {
      board[3] = node.turn;
    } else if (board.size() == 3) {
      board.push_back(node.turn);
    }
  }
  if (node.river != velmora::kNoCard) {
    if (board.size() >= 5) {
      board[4] = node.river;
    } else if (board.size() == 4) {
      board.push_back(node.river);
    }
  }
  if (board.size() > 5) board.resize(5);
  return board;
}

std::vector<std::string> hand_category_tags_on_board(std::span<const Card> board, velmora::Pocket pocket) {
  std::vector<std::string> tags;
  if (!collect_findings(board, pocket, tags)) return {};
  if (tags.empty()) tags.emplace_back("air");
  std::sort(tags.begin(), tags.end());
  tags.erase(std::unique(tags.begin(), tags.end()), tags.end());
  return tags;
}

std::vector<int> hand_bucket_credit_on_board(std::span<const Card> board, velmora::Pocket pocket) {
  std::vector<std::string> found;
  if (!collect_findings(board, pocket, found)) return {};
  return hand_bucket_credit_of_texts(found);
}

std::vector<std::string> hand_category_tags(const velmora::CardContext& context, const velmora::PlanNode& node,
                                            velmora::Pocket pocket) {
  return hand_category_tags_on_board(board_at_node(context, node), pocket);
}

std::vector<int> hand_bucket_credit(const velmora::CardContext& context, const velmora::PlanNode& node,
                                    velmora::Pocket pocket) {
  return hand_bucket_credit_on_board(board_at_node(context, node), pocket);
}

}  // namespace velmora_app
