// The reach-weighted action frequencies of every node against a brute-force
// sum over the hands: each hand's range weight times its strategy along the
// path, hands that hold a dealt card left out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/discounted_cfr.h"
#include "solver_spots.h"

namespace velmora {
namespace {

using testing::make_game;
using testing::solver_config;
using testing::Spot;

// Walks the tree from the root with both seats' reach in doubles and checks
// every decision node's frequencies.
class BruteFrequencies {
 public:
  BruteFrequencies(const Game& game, const DiscountedCfr& cfr, const NodeFrequencies& got)
      : game_(game), cfr_(cfr), got_(got), cc_(game.card_context()) {}

  void check() {
    std::array<std::vector<double>, 2> reach;
    for (int s = 0; s < 2; ++s) reach[s].assign(cc_.weights(s).begin(), cc_.weights(s).end());
    walk(0, reach);
  }

  int reached = 0;    // decision nodes some hand of the acting seat reaches
  int unreached = 0;  // decision nodes none reaches

 private:
  void walk(std::uint64_t index, const std::array<std::vector<double>, 2>& reach) {
    const GameNode& n = game_.nodes()[index];
    const std::span<const float> f = got_.of(index);
    ASSERT_EQ(f.size(), n.actions.size()) << index;
    if (n.type == kNodeChance) {
      for (float x : f) EXPECT_TRUE(std::isnan(x)) << "chance node " << index;
      for (std::uint64_t c : n.children) {
        const GameNode& child = game_.nodes()[c];
        std::array<std::vector<double>, 2> next = reach;
        for (int s = 0; s < 2; ++s) {
          for (std::size_t h = 0; h < next[s].size(); ++h) {
            const Pocket p = cc_.pockets(s)[h];
            for (Card dealt : {child.turn, child.river}) {
              if (dealt != kNoCard && (pocket_mask(p) & card_bit(dealt))) next[s][h] = 0.0;
            }
          }
        }
        walk(c, next);
      }
      return;
    }
    if (n.type != kNodeDecision) return;
    const int s = n.seat;
    const std::size_t H = cc_.hand_count(s);
    const std::size_t A = n.actions.size();
    const std::vector<float> p = cfr_.average_hand_strategy(index);
    ASSERT_EQ(p.size(), A * H);
    double total = 0.0;
    for (std::size_t h = 0; h < H; ++h) total += reach[s][h];
    if (total > 0.0) {
      ++reached;
    } else {
      ++unreached;
    }
    for (std::size_t a = 0; a < A; ++a) {
      double sum = 0.0;
      for (std::size_t h = 0; h < H; ++h) sum += reach[s][h] * p[a * H + h];
      if (total > 0.0) {
        EXPECT_NEAR(f[a], sum / total, 2e-5) << "node " << index << " action " << a;
      } else {
        EXPECT_TRUE(std::isnan(f[a])) << "node " << index << " no hand reaches it";
      }
    }
    for (std::size_t a = 0; a < A; ++a) {
      std::array<std::vector<double>, 2> next = reach;
      for (std::size_t h = 0; h < H; ++h) next[s][h] *= p[a * H + h];
      walk(n.children[a], next);
    }
  }

  const Game& game_;
  const DiscountedCfr& cfr_;
  const NodeFrequencies& got_;
  const CardContext& cc_;
};

bool same_values(const NodeFrequencies& a, const NodeFrequencies& b) {
  return a.first == b.first && a.values.size() == b.values.size() &&
         std::memcmp(a.values.data(), b.values.data(), a.values.size() * sizeof(float)) == 0;
}

TEST(ReachFrequencies, WeightedRiverRangesMatchTheSumOverHandsAndALineNoHandTakesHasNone) {
  const Spot spot{.board = "Qs8s3dTh2c",
                  .oop_range = "AA:0.25,QQ,TT:0.5,AKs,AQs:0.75,KQs,JTs,98s,AQo:0.1",
                  .ip_range = "KK:0.5,JJ,99,AQs,KJs:0.3,QTs,98s,KQo",
                  .bets = "50%",
                  .raises = "a",
                  .add_all_in = true};
  auto game = make_game(spot);
  // Every OOP hand checks at the root: nothing reaches the bets' subtrees
  // where OOP acts again, while IP still reaches its own nodes there.
  const std::size_t A = game->nodes()[0].actions.size();
  const std::size_t H = game->card_context().hand_count(0);
  ASSERT_EQ(game->nodes()[0].actions[0].kind, kActCheck);
  LockVector lock(A * H, 0.0f);
  for (std::size_t h = 0; h < H; ++h) lock[h] = 1.0f;
  game->set_node_lock(0, std::move(lock));
  DiscountedCfr cfr(solver_config(40));
  cfr.solve(*game);
  const NodeFrequencies got = cfr.reach_weighted_frequencies(*game);
  ASSERT_EQ(got.first.size(), game->nodes().size() + 1);
  BruteFrequencies brute(*game, cfr, got);
  brute.check();
  EXPECT_GT(brute.reached, 5);
  EXPECT_GT(brute.unreached, 0);

  // The weights matter: IP's node after the check counts KK at a half, not
  // as the plain mean over the hands does.
  const std::uint64_t ip_node = game->nodes()[0].children[0];
  const std::vector<float> plain = cfr.average_strategy(ip_node);
  double gap = 0.0;
  for (std::size_t a = 0; a < plain.size(); ++a) gap = std::max(gap, std::fabs(double{plain[a]} - got.of(ip_node)[a]));
  EXPECT_GT(gap, 1e-3);
}

TEST(ReachFrequencies, TurnDealsDropTheHandsHoldingTheCardOnEveryThreadAndTable) {
  const Spot spot{.board = "Qs8s3dTd",
                  .oop_range = "AA,QQ:0.5,TT,AKs,AQs,KQs,JTs,98s,AQo",
                  .ip_range = "KK,JJ,88,AJs,KJs:0.5,QJs,T9s,KQo",
                  .stack = 1000,
                  .bets = "50%",
                  .raises = ""};
  // The walk below the deals runs inline on one thread and is shared out
  // over three; 16-bit tables are decoded on the way.
  for (const auto& [threads, compress] : {std::pair{1, false}, std::pair{3, false}, std::pair{2, true}}) {
    SCOPED_TRACE(::testing::Message() << threads << " threads" << (compress ? ", compressed" : ""));
    auto game = make_game(spot);
    SolverConfig cfg = solver_config(15, threads);
    cfg.compress = compress;
    DiscountedCfr cfr(cfg);
    cfr.solve(*game);
    ASSERT_EQ(cfr.compressed(), compress);
    const NodeFrequencies got = cfr.reach_weighted_frequencies(*game);
    BruteFrequencies brute(*game, cfr, got);
    brute.check();
    EXPECT_GT(brute.reached, 50);
    EXPECT_TRUE(same_values(got, cfr.reach_weighted_frequencies(*game))) << "the same numbers, bit for bit";
  }
}

TEST(ReachFrequencies, WithoutStrategySumsEveryHandPlaysEachActionAlike) {
  const Spot spot{.board = "Qs8s3dTh2c", .oop_range = "AA:0.2,KK", .ip_range = "QQ,JJ", .bets = "50%", .raises = ""};
  auto game = make_game(spot);
  DiscountedCfr cfr(solver_config(0));
  cfr.solve(*game);  // states prepared, every sum 0
  const NodeFrequencies got = cfr.reach_weighted_frequencies(*game);
  for (std::uint64_t i = 0; i < game->nodes().size(); ++i) {
    const GameNode& n = game->nodes()[i];
    if (n.type != kNodeDecision) continue;
    for (float x : got.of(i)) EXPECT_FLOAT_EQ(x, 1.0f / static_cast<float>(n.actions.size())) << i;
  }
  EXPECT_TRUE(got.of(game->nodes().size()).empty());
}

}  // namespace
}  // namespace velmora
