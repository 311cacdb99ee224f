// Read side of the solver: best responses and expected values against a
// brute-force evaluation, exploitability with and without rake, node locks in
// the best response, per-node values and the strategy read-outs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/discounted_cfr.h"
#include "core/evaluator.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::make_game;
using testing::solver_config;
using testing::Spot;

// Values every hand of one seat pair by pair, straight from the tree: hand
// strengths from the evaluator, explicit card conflicts, every possible
// deal (a deal the tree leaves out is valued through the child of the same
// rank in the suit it is interchangeable with, hands relabelled by swapping
// the two suits), and the solver's average strategies.
class BruteForce {
 public:
  BruteForce(const Game& game, const DiscountedCfr& cfr) : game_(game), cfr_(cfr), cc_(game.card_context()) {
    for (int s = 0; s < 2; ++s) {
      for (std::size_t i = 0; i < cc_.pockets(s).size(); ++i) slot_of_[s][pocket_index_of(cc_.pockets(s)[i])] = i;
    }
    for (std::size_t i = 0; i < cc_.pockets(0).size(); ++i) {
      for (std::size_t j = 0; j < cc_.pockets(1).size(); ++j) {
        if (!(pocket_mask(cc_.pockets(0)[i]) & pocket_mask(cc_.pockets(1)[j]))) {
          pair_weight_ += static_cast<double>(cc_.weights(0)[i]) * cc_.weights(1)[j];
        }
      }
    }
  }

  // Chips as the solver reports them: expected winnings plus half the pot.
  double root_value(int seat, bool best_response) {
    seat_ = seat;
    best_response_ = best_response;
    std::vector<double> reach(cc_.weights(1 - seat).begin(), cc_.weights(1 - seat).end());
    double total = 0.0;
    for (std::size_t i = 0; i < cc_.pockets(seat).size(); ++i) {
      total += cc_.weights(seat)[i] * hand_value(0, i, reach);
    }
    return total / pair_weight_ + game_.config().starting_pot / 2.0;
  }

 private:
  static int pocket_index_of(Pocket p) { return pocket_index(pocket_lo(p), pocket_hi(p)); }

  double rake(double pot) const { return std::min(game_.config().rake_cap, pot * game_.config().rake_rate); }

  std::vector<Card> board_of(const PlanNode& n) const {
    std::vector<Card> cards = cc_.board_cards();
    for (Card c : {n.turn, n.river}) {
      if (c != kNoCard && std::find(cards.begin(), cards.end(), c) == cards.end()) cards.push_back(c);
    }
    return cards;
  }

  double terminal(const PlanNode& n, std::size_t i, const std::vector<double>& reach) const {
    const int s = seat_;
    const Pocket own = cc_.pockets(s)[i];
    const std::vector<Card> board = board_of(n);
    const double pot = game_.config().starting_pot + 2.0 * n.invested;
    double v = 0.0;
    for (std::size_t j = 0; j < reach.size(); ++j) {
      const Pocket opp = cc_.pockets(1 - s)[j];
      if (reach[j] == 0.0 || (pocket_mask(own) & pocket_mask(opp))) continue;
      double payoff;
      if (n.last_action == kActFold) {
        payoff = n.last_actor == s ? -pot / 2.0 : pot / 2.0 - rake(pot);
      } else {
        const HandStrength a = evaluate_hand(own, board);
        const HandStrength b = evaluate_hand(opp, board);
        payoff = a > b ? pot / 2.0 - rake(pot) : (a < b ? -pot / 2.0 : -rake(pot) / 2.0);
      }
      v += reach[j] * payoff;
    }
    return v;
  }

  double hand_value(std::uint64_t node, std::size_t i, const std::vector<double>& reach) {
    const GameNode& n = game_.nodes()[node];
    if (n.type == kNodeTerminal) return terminal(n, i, reach);
    const std::size_t A = n.children.size();
    if (n.type == kNodeChance) return chance(n, i, reach);

    const std::size_t H_opp = reach.size();
    const std::size_t H = cc_.pockets(seat_).size();
    std::vector<double> child(A);
    if (n.seat != seat_) {
      const std::vector<float> p = cfr_.average_hand_strategy(node);
      double v = 0.0;
      for (std::size_t a = 0; a < A; ++a) {
        std::vector<double> r(H_opp);
        for (std::size_t j = 0; j < H_opp; ++j) r[j] = reach[j] * (A == 1 ? 1.0 : p[a * H_opp + j]);
        v += hand_value(n.children[a], i, r);
      }
      return v;
    }
    for (std::size_t a = 0; a < A; ++a) child[a] = hand_value(n.children[a], i, reach);
    if (!best_response_) {
      const std::vector<float> p = cfr_.average_hand_strategy(node);
      double v = 0.0;
      for (std::size_t a = 0; a < A; ++a) v += p[a * H + i] * child[a];
      return v;
    }
    const LockVector* lock = game_.find_node_lock(node);
    if (lock && lock->size() == A) {
      double v = 0.0;
      for (std::size_t a = 0; a < A; ++a) v += (*lock)[a] * child[a];
      return v;
    }
    if (lock && lock->size() >= A * H && !std::signbit((*lock)[i])) {
      double v = 0.0;
      for (std::size_t a = 0; a < A; ++a) {
        if (!std::signbit((*lock)[a * H + i])) v += (*lock)[a * H + i] * child[a];
      }
      return v;
    }
    return *std::max_element(child.begin(), child.end());
  }

  // Mask of the ranks of one suit on the given cards.
  static unsigned suit_ranks(const std::vector<Card>& cards, int suit) {
    unsigned m = 0;
    for (Card c : cards) {
      if (card_suit(c) == suit) m |= 1u << card_rank(c);
    }
    return m;
  }

  Pocket swap_suits(Pocket p, int s, int t) const {
    auto swap_card = [&](Card c) -> Card {
      const int suit = card_suit(c);
      const int to = suit == s ? t : (suit == t ? s : suit);
      return static_cast<Card>(card_rank(c) * 4 + to);
    };
    return make_pocket(swap_card(pocket_lo(p)), swap_card(pocket_hi(p)));
  }

  double chance(const PlanNode& n, std::size_t i, const std::vector<double>& reach) {
    const std::vector<Card> board = board_of(n);
    std::uint64_t dead = 0;
    for (Card c : board) dead |= card_bit(c);
    const double scale = n.turn == kNoCard ? 1.0 / 45.0 : 1.0 / 44.0;
    const int s = seat_;
    double v = 0.0;
    for (int c = 0; c < kNumCards; ++c) {
      const Card card = static_cast<Card>(c);
      if ((dead & card_bit(card)) || (pocket_mask(cc_.pockets(s)[i]) & card_bit(card))) continue;
      std::uint64_t child = 0;
      bool found = false;
      int swap_from = -1, swap_to = -1;
      for (std::size_t k = 0; k < n.children.size() && !found; ++k) {
        if (n.actions[k].amount == card) {
          child = n.children[k];
          found = true;
        }
      }
      for (std::size_t k = 0; k < n.children.size() && !found; ++k) {
        const Card twin = static_cast<Card>(n.actions[k].amount);
        if (card_rank(twin) != card_rank(card)) continue;
        if (suit_ranks(board, card_suit(twin)) != suit_ranks(board, card_suit(card))) continue;
        child = n.children[k];
        swap_from = card_suit(card);
        swap_to = card_suit(twin);
        found = true;
      }
      EXPECT_TRUE(found) << "no child for card " << c;
      if (!found) continue;
      std::vector<double> r(reach.size(), 0.0);
      std::size_t own = i;
      if (swap_from < 0) {
        for (std::size_t j = 0; j < reach.size(); ++j) {
          if (!(pocket_mask(cc_.pockets(1 - s)[j]) & card_bit(card))) r[j] = reach[j] * scale;
        }
      } else {
        own = slot_of_[s][pocket_index_of(swap_suits(cc_.pockets(s)[i], swap_from, swap_to))];
        for (std::size_t j = 0; j < reach.size(); ++j) {
          const Pocket p = cc_.pockets(1 - s)[j];
          if (pocket_mask(p) & card_bit(card)) continue;
          r[slot_of_[1 - s][pocket_index_of(swap_suits(p, swap_from, swap_to))]] = reach[j] * scale;
        }
      }
      v += hand_value(child, own, r);
    }
    return v;
  }

  const Game& game_;
  const DiscountedCfr& cfr_;
  const CardContext& cc_;
  std::array<std::array<std::size_t, kNumPockets>, 2> slot_of_{};
  double pair_weight_ = 0.0;
  int seat_ = 0;
  bool best_response_ = true;
};

Spot river_spot() {
  return Spot{
      .board = "Qs8s3dTh2c",
      .oop_range = "AA,QQ,TT,88,AKs,AQs,KQs,QJs,JTs,T9s,98s,76s,AQo",
      .ip_range = "KK,JJ,99,33,AQs,KJs,QTs,J9s,98s,87s,KQo",
      .pot = 100,
      .stack = 250,
      .bets = "50%",
      .raises = "a",
      .add_all_in = true,
  };
}

// Hearts and clubs are both absent from this board, so the tree deals one of
// the two suits on the river and reuses its values for the other.
Spot turn_spot() {
  return Spot{
      .board = "Qs8s3dTd",
      .oop_range = "AA,QQ,TT,AKs,AQs,KQs,JTs,98s,AQo",
      .ip_range = "KK,JJ,88,AJs,KJs,QJs,T9s,KQo",
      .pot = 100,
      .stack = 1000,
      .bets = "50%",
      .raises = "",
  };
}

void expect_matches_brute_force(Game& game, std::uint32_t iterations, std::uint64_t threads) {
  DiscountedCfr cfr(solver_config(iterations, threads, 0));
  cfr.solve(game);
  BruteForce brute(game, cfr);
  const auto br = cfr.best_response_values(game);
  const auto ev = cfr.expected_values(game);
  for (int seat = 0; seat < 2; ++seat) {
    EXPECT_NEAR(br[seat], brute.root_value(seat, true), 2e-3) << "seat " << seat;
    EXPECT_NEAR(ev[seat], brute.root_value(seat, false), 2e-3) << "seat " << seat;
    EXPECT_GE(br[seat], ev[seat] - 1e-4f);
  }
}

TEST(BestResponseTest, MatchesBruteForceOnRiver) {
  auto game = make_game(river_spot());
  expect_matches_brute_force(*game, 7, 1);
  // With rake the fold and split payoffs change.
  Spot raked = river_spot();
  raked.rake_rate = 0.05;
  raked.rake_cap = 4.0;
  auto raked_game = make_game(raked);
  expect_matches_brute_force(*raked_game, 5, 2);
}

TEST(BestResponseTest, MatchesBruteForceOnTurnWithSkippedDeals) {
  auto game = make_game(turn_spot());
  bool skipped = false;
  for (const GameNode& n : game->nodes()) {
    if (n.type == kNodeChance && !game->deal_twins(n).empty() && n.children.size() < 44) skipped = true;
  }
  ASSERT_TRUE(skipped) << "expected river deals left out by suit isomorphism";
  expect_matches_brute_force(*game, 6, 4);
}

TEST(BestResponseTest, LocksShapeTheBestResponse) {
  const Spot spot = river_spot();
  auto game = make_game(spot);
  const GameNode& root = game->nodes()[0];
  const std::size_t A = root.actions.size();
  const std::size_t H = game->card_context().hand_count(0);
  {
    // Every hand locked to action 1 (a bet): seat 0's best response is the
    // value of betting everything at the root and responding best below.
    LockVector lock(A * H, 0.0f);
    std::fill(lock.begin() + H, lock.begin() + 2 * H, 1.0f);
    game->set_node_lock(0, std::move(lock));
    DiscountedCfr cfr(solver_config(6, 1, 0));
    cfr.solve(*game);
    BruteForce brute(*game, cfr);
    EXPECT_NEAR(cfr.best_response_values(*game)[0], brute.root_value(0, true), 2e-3);
    for (std::size_t h = 0; h < H; ++h) EXPECT_FLOAT_EQ(cfr.average_hand_strategy(0)[H + h], 1.0f);
  }
  {
    // One probability per action for all hands.
    LockVector lock(A, 0.0f);
    lock[0] = 0.25f;
    lock[A - 1] = 0.75f;
    game->set_node_lock(0, std::move(lock));
    DiscountedCfr cfr(solver_config(6, 1, 0));
    cfr.solve(*game);
    BruteForce brute(*game, cfr);
    EXPECT_NEAR(cfr.best_response_values(*game)[0], brute.root_value(0, true), 2e-3);
  }
  {
    // Half of the hands locked; the others take their best action.
    LockVector lock(A * H, -1.0f);
    for (std::size_t h = 0; h < H; h += 2) {
      lock[h] = 0.5f;
      lock[H + h] = 0.5f;
      for (std::size_t a = 2; a < A; ++a) lock[a * H + h] = 0.0f;
    }
    game->set_node_lock(0, std::move(lock));
    DiscountedCfr cfr(solver_config(6, 1, 0));
    cfr.solve(*game);
    BruteForce brute(*game, cfr);
    EXPECT_NEAR(cfr.best_response_values(*game)[0], brute.root_value(0, true), 2e-3);
  }
}

TEST(BestResponseTest, ExploitabilityFromRootMeasures) {
  Spot raked = river_spot();
  raked.rake_rate = 0.05;
  raked.rake_cap = 3.0;
  auto game = make_game(raked);
  DiscountedCfr cfr(solver_config(40, 1, 0));
  cfr.solve(*game);
  const auto br = cfr.best_response_values(*game);
  const auto ev = cfr.expected_values(*game);
  // Each seat's EV is subtracted from its own best response.
  EXPECT_NEAR(cfr.last_exploitability(), ((br[0] - ev[0]) + (br[1] - ev[1])) / 2.0, 1e-4);
  EXPECT_GT(cfr.last_exploitability(), 0.0f);
  // Both seats pay rake, so the two EVs sum to less than the pot.
  EXPECT_LT(ev[0] + ev[1], 100.0f);

  // A cap of 0 means no rake: the game is zero-sum and the best responses
  // alone give the exploitability (each relative to an even split).
  Spot capped = river_spot();
  capped.rake_rate = 0.05;
  capped.rake_cap = 0.0;
  auto game2 = make_game(capped);
  DiscountedCfr cfr2(solver_config(40, 1, 0));
  cfr2.solve(*game2);
  const auto br2 = cfr2.best_response_values(*game2);
  const auto ev2 = cfr2.expected_values(*game2);
  EXPECT_NEAR(cfr2.last_exploitability(), (br2[0] + br2[1]) / 2.0 - 50.0, 1e-4);
  EXPECT_NEAR(ev2[0] + ev2[1], 100.0, 1e-3);
}

TEST(BestResponseTest, NodeValuesAgreeWithRootMeasures) {
  auto game = make_game(river_spot());
  DiscountedCfr cfr(solver_config(30, 1, 0));
  cfr.solve(*game);
  const CardContext& cc = game->card_context();
  const auto ev = cfr.expected_values(*game);
  for (int seat = 0; seat < 2; ++seat) {
    const auto v = cfr.compute_node_cfvalues(*game, 0, seat);
    ASSERT_EQ(v.size(), cc.hand_count(seat));
    double total = 0.0;
    for (std::size_t h = 0; h < v.size(); ++h) total += cc.weights(seat)[h] * v[h];
    EXPECT_NEAR(total + 50.0, ev[seat], 1e-3);
  }
  // At the root the acting seat's values are its average strategy applied to
  // the children's values.
  const GameNode& root = game->nodes()[0];
  const std::size_t H = cc.hand_count(root.seat);
  const auto p = cfr.average_hand_strategy(0);
  const auto v = cfr.compute_node_cfvalues(*game, 0, root.seat);
  std::vector<double> mixed(H, 0.0);
  for (std::size_t a = 0; a < root.children.size(); ++a) {
    const auto child = cfr.compute_node_cfvalues(*game, root.children[a], root.seat);
    for (std::size_t h = 0; h < H; ++h) mixed[h] += p[a * H + h] * child[h];
  }
  for (std::size_t h = 0; h < H; ++h) EXPECT_NEAR(v[h], mixed[h], 1e-5);

  // A zero reach values every hand at 0; a reach of the wrong length too.
  const std::vector<float> zero(cc.hand_count(1), 0.0f);
  for (float x : cfr.compute_node_cfvalues_for_reach(*game, 0, 0, zero)) EXPECT_EQ(x, 0.0f);
  const std::vector<float> wrong(3, 1.0f);
  const auto w = cfr.compute_node_cfvalues_for_reach(*game, 0, 0, wrong);
  ASSERT_EQ(w.size(), cc.hand_count(0));
  for (float x : w) EXPECT_EQ(x, 0.0f);
  // The caller's reach is used as given: doubling it doubles every value.
  std::vector<float> doubled(cc.weights(1));
  for (float& x : doubled) x *= 2.0f;
  const auto d = cfr.compute_node_cfvalues_for_reach(*game, 0, 0, doubled);
  const auto base = cfr.compute_node_cfvalues(*game, 0, 0);
  for (std::size_t h = 0; h < d.size(); ++h) EXPECT_NEAR(d[h], 2.0f * base[h], 1e-5 + 1e-5 * std::fabs(base[h]));
}

TEST(BestResponseTest, StrategyReadOuts) {
  auto game = make_game(river_spot());
  DiscountedCfr cfr(solver_config(0, 1, 0));
  // Nothing prepared yet: no strategies.
  EXPECT_TRUE(cfr.average_strategy(0).empty());
  cfr.solve(*game);  // budget 0: states prepared, all sums zero
  const GameNode& root = game->nodes()[0];
  const std::size_t A = root.actions.size();
  const auto avg = cfr.average_strategy(0);
  ASSERT_EQ(avg.size(), A);
  for (float x : avg) EXPECT_FLOAT_EQ(x, 1.0f / static_cast<float>(A));
  for (float x : cfr.average_hand_strategy(0)) EXPECT_EQ(x, 1.0f / static_cast<float>(A));

  // Terminals have no strategy, nor does an index past the tree.
  std::size_t terminal = 0;
  while (game->nodes()[terminal].type != kNodeTerminal) ++terminal;
  EXPECT_TRUE(cfr.average_strategy(terminal).empty());
  EXPECT_TRUE(cfr.average_hand_strategy(game->nodes().size()).empty());

  // After solving, per-hand rows are distributions and the overall
  // frequencies are their unweighted means.
  DiscountedCfr solved(solver_config(50, 1, 0));
  solved.solve(*game);
  const std::size_t H = game->card_context().hand_count(root.seat);
  const auto per_hand = solved.average_hand_strategy(0);
  const auto overall = solved.average_strategy(0);
  for (std::size_t h = 0; h < H; ++h) {
    double total = 0.0;
    for (std::size_t a = 0; a < A; ++a) total += per_hand[a * H + h];
    EXPECT_NEAR(total, 1.0, 1e-5);
  }
  for (std::size_t a = 0; a < A; ++a) {
    double mean = 0.0;
    for (std::size_t h = 0; h < H; ++h) mean += per_hand[a * H + h];
    EXPECT_NEAR(overall[a], mean / H, 1e-6);
  }
}

TEST(BestResponseTest, SingleActionNodeReportsCertainty) {
  // Without any size both players can only check: one action per node.
  Spot s = river_spot();
  s.bets = "";
  s.raises = "";
  s.add_all_in = false;
  auto game = make_game(s);
  ASSERT_EQ(game->nodes()[0].actions.size(), 1u);
  DiscountedCfr cfr(solver_config(3, 1, 0));
  cfr.solve(*game);
  EXPECT_EQ(cfr.average_strategy(0), std::vector<float>{1.0f});
  const auto ev = cfr.expected_values(*game);
  const auto br = cfr.best_response_values(*game);
  BruteForce brute(*game, cfr);
  EXPECT_NEAR(ev[0], brute.root_value(0, false), 1e-3);
  // Nothing to choose: the best response is the expected value.
  EXPECT_NEAR(br[0], ev[0], 1e-4);
  EXPECT_NEAR(br[1], ev[1], 1e-4);
}

}  // namespace
}  // namespace velmora
