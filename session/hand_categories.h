// Sorts a two-card combo on a node's board into the hand categories of the
// results page: made hands, pair classes, draws, missed draws, air.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/cards.h"

namespace velmora_app {

inline constexpr int kBucketCount = 21;
inline constexpr std::array<std::string_view, kBucketCount> kHandBuckets = {
    "straight flush", "quads",       "full house",  "flush",        "straight",
    "set",            "trips",       "two pair",    "top pair",     "overpair",
    "middle pair",    "bottom pair", "dry pair",    "flush draw",   "missed FD",
    "open ended straight draw",      "missed OESD", "gutter",       "missed gutter",
    "back door flush draw",          "air",
};
inline constexpr int kAirBucket = 20;

// Bucket position of a name (white space around it and case aside), -1 for
// a text without a bucket ("pair", "").
int hand_bucket_index(std::string_view name);

// The buckets a combo whose category texts are `texts` is credited to, in
// their order: each text's bucket, "air" when none names one. The buckets
// query and every filter by bucket read a combo through this one rule.
std::vector<int> hand_bucket_credit_of_texts(std::span<const std::string> texts);

// 0 high card .. 8 straight flush for 5 to 7 cards; 0 for any other count.
// Throws std::out_of_range for a code of 52 or more.
int made_hand_category(std::span<const velmora::Card> cards);

struct FlushDrawFlags {
  bool flush_draw = false;
  bool back_door = false;
};
FlushDrawFlags flush_draw_flags(std::span<const velmora::Card> cards, velmora::Pocket pocket, bool is_flop,
                                bool has_flush);

struct StraightDrawFlags {
  bool open_ended = false;  // two or more ranks complete a straight
  bool gutshot = false;     // exactly one rank does
};
StraightDrawFlags straight_draw_flags(std::span<const velmora::Card> cards);

// "overpair", "dry pair", "top pair", "middle pair", "bottom pair", "pair",
// or empty when neither hole rank pairs the board. `board_ranks` are the
// distinct board ranks, highest first; `rank_counts` counts each rank (0..12)
// on the board.
std::string pair_class(velmora::Pocket pocket, std::span<const int> board_ranks,
                       const std::array<int, 13>& rank_counts);

// The context's board with the node's dealt turn and river written in.
std::vector<velmora::Card> board_at_node(const velmora::CardContext& context, const velmora::PlanNode& node);

// Tags of a combo, sorted and unique; empty when the node's board does not
// hold 3 to 5 cards.
std::vector<std::string> hand_category_tags(const velmora::CardContext& context, const velmora::PlanNode& node,
                                            velmora::Pocket pocket);

// The buckets (positions in kHandBuckets) a combo is credited to, in the
// order found, "air" when no other; empty when the board is not 3 to 5 cards.
std::vector<int> hand_bucket_credit(const velmora::CardContext& context, const velmora::PlanNode& node,
                                    velmora::Pocket pocket);

// Both of the above on a board already built with `board_at_node`.
std::vector<std::string> hand_category_tags_on_board(std::span<const velmora::Card> board, velmora::Pocket pocket);
std::vector<int> hand_bucket_credit_on_board(std::span<const velmora::Card> board, velmora::Pocket pocket);

}  // namespace velmora_app
