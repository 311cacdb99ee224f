// Hand categories on hand-picked boards: every bucket, pair classes, draws
// on the flop and turn, missed draws on the river.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/range.h"
#include "session/hand_categories.h"

namespace velmora_app {
namespace {

using velmora::Card;
using velmora::Pocket;

std::vector<Card> cards(const std::string& text) {
  std::vector<Card> out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    while (i < text.size() && text[i] == ' ') ++i;
    out.push_back(velmora::parse_card(text.substr(i, 2)));
  }
  return out;
}

Pocket hand(const std::string& text) {
  const auto c = cards(text);
  return velmora::make_pocket(c.at(0), c.at(1));
}

using Tags = std::vector<std::string>;

Tags tags(const std::string& board, const std::string& h) {
  return hand_category_tags_on_board(cards(board), hand(h));
}

std::vector<std::string> buckets(const std::string& board, const std::string& h) {
  std::vector<std::string> names;
  for (int b : hand_bucket_credit_on_board(cards(board), hand(h))) names.emplace_back(kHandBuckets.at(b));
  return names;
}

TEST(HandCategories, MadeHandsAndPairClassesOnAFlop) {
  const std::string board = "Kh7d2c";
  EXPECT_EQ(tags(board, "7s7c"), Tags{"set"});
  EXPECT_EQ(tags(board, "Kd7c"), Tags{"two pair"});
  EXPECT_EQ(tags(board, "9s9c"), Tags{"dry pair"});
  EXPECT_EQ(tags(board, "AsAc"), Tags{"overpair"});
  EXPECT_EQ(tags(board, "KsQd"), Tags{"top pair"});
  EXPECT_EQ(tags(board, "7s6s"), Tags{"middle pair"});
  EXPECT_EQ(tags(board, "2s3s"), Tags{"bottom pair"});
  // A pocket pair below the top card is never an overpair.
  EXPECT_EQ(tags(board, "QsQc"), Tags{"dry pair"});
  EXPECT_EQ(tags(board, "2s2d"), Tags{"set"});
}

TEST(HandCategories, PairedBoardsTellTripsFromSetsAndBoardPairsFromAir) {
  EXPECT_EQ(tags("Kh7d7c", "AsQs"), Tags{"air"});
  EXPECT_EQ(buckets("Kh7d7c", "AsQs"), std::vector<std::string>{"air"});
  EXPECT_EQ(tags("Kh7d7c", "7s2s"), Tags{"trips"});
  EXPECT_EQ(tags("Kh7d7c", "Ks7s"), Tags{"full house"});
  EXPECT_EQ(tags("7h7d7c", "AsQs"), Tags{"trips"}) << "trips on the board count for every hand";
  EXPECT_EQ(tags("7h7dKc", "7s7c"), Tags{"quads"});
}

TEST(HandCategories, StrongestMadeHands) {
  EXPECT_EQ(tags("9hThJh2c3d", "QhKh"), Tags{"straight flush"});
  EXPECT_EQ(tags("Ah2h3h9c", "4h5h"), Tags{"straight flush"}) << "the wheel in one suit";
  EXPECT_EQ(tags("2h7h9h", "AhKh"), Tags{"flush"});
  EXPECT_EQ(tags("9h8d7c", "Ts6s"), Tags{"straight"});
  EXPECT_EQ(tags("5d4c3h", "As2s"), Tags{"straight"});
}

TEST(HandCategories, PairWithTheThirdOfFourBoardRanksIsItsOwnTag) {
  EXPECT_EQ(tags("Kh9d6c2s", "6h5h"), Tags{"pair"});
  EXPECT_EQ(buckets("Kh9d6c2s", "6h5h"), std::vector<std::string>{"air"}) << "\"pair\" has no bucket";
  EXPECT_EQ(tags("Kh9d6c2s", "2h3h"), Tags{"bottom pair"});
  EXPECT_EQ(tags("Kh9d6c", "6h5d"), Tags{"bottom pair"});
}

TEST(HandCategories, FlushDrawsAndBackDoorOnlyOnTheFlop) {
  EXPECT_EQ(tags("Ah7h2c", "KhQd"), Tags{"back door flush draw"});
  EXPECT_EQ(tags("Ah7h2c", "KhQh"), Tags{"flush draw"});
  EXPECT_EQ(tags("Ah7h2c9d", "KhQd"), Tags{"air"}) << "no back-door draw on the turn";
  EXPECT_EQ(tags("Ah7h2c9d", "KhQh"), Tags{"flush draw"});
  EXPECT_EQ(tags("AhKh2h", "9c8d"), Tags{"air"}) << "three board hearts and no heart in hand";
  EXPECT_EQ(tags("AhKh2h9h", "5c8d"), Tags{"air"});
  EXPECT_EQ(tags("Kh7h2c", "KdQh"), (Tags{"back door flush draw", "top pair"}));
  EXPECT_EQ(buckets("Kh7h2c", "KdQh"), (std::vector<std::string>{"top pair", "back door flush draw"}))
      << "credit order is the order found, not alphabetical";
}

TEST(HandCategories, StraightDraws) {
  EXPECT_EQ(tags("9h8d2c", "Ts7s"), Tags{"open ended straight draw"});
  EXPECT_EQ(tags("9h8d2c", "Ts6s"), Tags{"gutter"});
  EXPECT_EQ(tags("5d4cKh", "As3s"), Tags{"gutter"}) << "only a deuce makes the wheel";
  EXPECT_EQ(tags("9h7d2c", "Js8s"), Tags{"gutter"});
  EXPECT_EQ(tags("9h7d5c", "Js8s"), Tags{"open ended straight draw"}) << "double gutshot counts as open-ended";
  EXPECT_EQ(tags("9h8d7c6s", "AcKd"), Tags{"open ended straight draw"}) << "the board alone can hold the draw";
  EXPECT_EQ(tags("KhTh2c", "QhJh"), (Tags{"flush draw", "open ended straight draw"}));
  EXPECT_EQ(buckets("KhTh2c", "QhJh"), (std::vector<std::string>{"flush draw", "open ended straight draw"}));
}

TEST(HandCategories, MissedDrawsOnlyForHandsThatPlayTheBoardOnTheRiver) {
  EXPECT_EQ(tags("Kh4h6c2dJs", "Qh8h"), Tags{"missed FD"});
  EXPECT_EQ(tags("KhTd6c2d3s", "QhJd"), Tags{"missed OESD"});
  EXPECT_EQ(tags("Kh9h6c2d3s", "QhJh"), (Tags{"missed FD", "missed gutter"}));
  EXPECT_EQ(buckets("Kh9h6c2d3s", "QhJh"), (std::vector<std::string>{"missed FD", "missed gutter"}));
  // The pocket pair beats the board's category: no missed draw.
  EXPECT_EQ(tags("KhTd6c2d3s", "QdQc"), Tags{"dry pair"});
  // A pair of its own improves past the board.
  EXPECT_EQ(tags("KhTd6c2d3s", "QhTh"), Tags{"middle pair"});
  // Four board hearts on the turn but no heart in hand is no flush draw.
  EXPECT_EQ(tags("Kh9h6h2h3s", "QcJc"), Tags{"missed gutter"});
  // A hand that made its draw carries no missed tag.
  EXPECT_EQ(tags("Kh9h6c2dTs", "QhJh"), Tags{"straight"});
  // Draws of the flop and turn are not reported on the river.
  EXPECT_EQ(tags("Kh9h6c2d3s", "AcAd"), Tags{"overpair"});
  // On a paired river board a hand playing the board keeps its missed draw.
  EXPECT_EQ(tags("Kh4h6c2d2s", "Qh8h"), Tags{"missed FD"});
}

TEST(HandCategories, EveryBucketIsReachable) {
  struct Case {
    const char* board;
    const char* hand;
  };
  const Case cases[] = {
      {"9hThJh2c3d", "QhKh"}, {"7h7dKc", "7s7c"},    {"KhKd7c", "Ks7s"},     {"2h7h9h", "AhKh"},
      {"9h8d7c", "Ts6s"},     {"Kh7d2c", "7s7c"},    {"Kh7d7c", "7s2s"},     {"Kh7d2c", "Kd7c"},
      {"Kh7d2c", "KsQd"},     {"Kh7d2c", "AsAc"},    {"Kh7d2c", "7s6s"},     {"Kh7d2c", "2s3s"},
      {"Kh7d2c", "9s9c"},     {"Ah7h2c", "KhQh"},    {"Kh4h6c2dJs", "Qh8h"}, {"9h8d2c", "Ts7s"},
      {"KhTd6c2d3s", "QhJd"}, {"9h8d2c", "Ts6s"},    {"Kh9h6c2d3s", "QcJd"}, {"Ah7h2c", "KhQd"},
      {"Kh7d7c", "AsQs"},
  };
  std::set<std::string> seen;
  for (const Case& c : cases) {
    for (const auto& b : buckets(c.board, c.hand)) seen.insert(b);
  }
  for (const auto name : kHandBuckets) EXPECT_TRUE(seen.count(std::string(name))) << name;
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kBucketCount));
}

TEST(MadeHandCategory, CardCountsAndBadCodes) {
  EXPECT_EQ(made_hand_category(cards("AsAdAhQcQsQd2c")), 6) << "two trips make a full house";
  EXPECT_EQ(made_hand_category(cards("KsKdQsJsTs9s")), 8);
  EXPECT_EQ(made_hand_category(cards("AsAdQhQc7s")), 2);
  EXPECT_EQ(made_hand_category(cards("AsAdJs")), 0) << "fewer than five cards";
  EXPECT_EQ(made_hand_category(cards("AsKsQsJsTs9s8s7s")), 0) << "more than seven cards";
  const std::vector<Card> bad{0, 4, 8, 12, 52};
  EXPECT_THROW(made_hand_category(bad), std::out_of_range);
  EXPECT_TRUE(tags("Kh7d", "AsAc").empty());
  EXPECT_TRUE(buckets("Kh7d", "AsAc").empty());
  EXPECT_TRUE(tags("Kh7d2c3s4s5s", "AsAc").empty());
  EXPECT_THROW(hand_category_tags_on_board(cards("Kh7d2c"), static_cast<Pocket>(60 | (3 << 8))), std::out_of_range);
}

TEST(HandCategories, NodeBoardTakesTheDealtTurnAndRiver) {
  std::array<velmora::Range, 2> ranges{};
  ranges[0] = velmora::parse_range("QhJh,AsAc");
  ranges[1] = velmora::parse_range("KK");
  const velmora::Board flop{velmora::parse_card("Kh"), velmora::parse_card("Th"), velmora::parse_card("2c"),
                            velmora::kNoCard, velmora::kNoCard};
  const velmora::CardContext ctx(flop, ranges);
  velmora::PlanNode node;
  EXPECT_EQ(board_at_node(ctx, node).size(), 3u);
  EXPECT_EQ(hand_category_tags(ctx, node, hand("QhJh")), (Tags{"flush draw", "open ended straight draw"}));
  node.turn = velmora::parse_card("6c");
  EXPECT_EQ(board_at_node(ctx, node).size(), 4u);
  node.river = velmora::parse_card("3s");
  const auto board = board_at_node(ctx, node);
  ASSERT_EQ(board.size(), 5u);
  EXPECT_EQ(board[3], velmora::parse_card("6c"));
  EXPECT_EQ(board[4], velmora::parse_card("3s"));
  EXPECT_EQ(hand_category_tags(ctx, node, hand("QhJh")), (Tags{"missed FD", "missed OESD"}));
  EXPECT_EQ(hand_bucket_credit(ctx, node, hand("AsAc")), std::vector<int>{9});
}

}  // namespace
}  // namespace velmora_app
