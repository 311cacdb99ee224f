#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/game.h"
#include "core/payoffs.h"
#include "core/range.h"

using namespace velmora;

namespace {

TreeConfig config_for(int street) {
  TreeConfig c;
  c.start_street = static_cast<std::uint8_t>(street);
  c.starting_pot = 100;
  c.effective_stack = 200;
  const std::vector<SizeSpec> bets{SizeSpec{kSizePotFraction, 0.5, 0.0, 0, 0, 0}};
  for (StreetSizeLists* l : {&c.flop, &c.turn, &c.river}) l->bets = {bets, bets};
  return c;
}

std::array<Range, 2> symmetric_ranges() { return {parse_range("99+,AQs+,KQs,AKo"), parse_range("TT+,AJs+,KJs+")}; }

// The pocket with suits s and t exchanged.
Pocket swap_suits(Pocket p, int s, int t) {
  auto sw = [&](Card c) -> Card {
    const int su = card_suit(c);
    return static_cast<Card>(card_rank(c) * 4 + (su == s ? t : su == t ? s : su));
  };
  return make_pocket(sw(pocket_lo(p)), sw(pocket_hi(p)));
}

}  // namespace

TEST(Game, MirrorsThePlanAndStoresLocks) {
  const Board river{0, 21, 38, 47, 12};
  Game g(config_for(2), CardContext(river, symmetric_ranges()));
  // The game takes over the plan's nodes; an independent plan of the same
  // spot must match them node for node.
  const CardContext ctx(river, symmetric_ranges());
  const ActionPlan plan(config_for(2), &ctx);
  ASSERT_EQ(g.nodes().size(), plan.node_count());
  EXPECT_TRUE(g.plan().nodes().empty());
  for (std::size_t i = 0; i < g.nodes().size(); ++i) {
    const GameNode& n = g.nodes()[i];
    EXPECT_EQ(n.actions, plan.node(i).actions);
    EXPECT_EQ(n.children, plan.node(i).children);
    EXPECT_EQ(n.pot, plan.node(i).pot);
    EXPECT_TRUE(n.values[0].empty() && n.values16[1].empty());
    EXPECT_EQ(n.scale[0], 1.0f);
    EXPECT_EQ(n.has_values16[1], 0);
    EXPECT_TRUE(g.deal_twins(n).empty());  // river start: nothing is dealt
  }
  EXPECT_EQ(g.card_context().board(), river);
  EXPECT_EQ(g.config().start_street, 2);
  // A flop profile on this board is solved from the river, and says so.
  const Game from_flop(config_for(0), CardContext(river, symmetric_ranges()));
  EXPECT_EQ(from_flop.config().start_street, 2);
  EXPECT_EQ(from_flop.nodes().size(), g.nodes().size());

  EXPECT_EQ(g.find_node_lock(0), nullptr);
  g.set_node_lock(0, {0.25f, 0.75f});
  g.set_node_lock(0, {-1.0f, 0.0f, -0.0f});
  ASSERT_NE(g.find_node_lock(0), nullptr);
  const LockVector& lock = *g.find_node_lock(0);
  ASSERT_EQ(lock.size(), 3u);
  EXPECT_FALSE(lock_entry_set(lock[0]));
  EXPECT_TRUE(lock_entry_set(lock[1]));   // +0.0 locks to probability 0
  EXPECT_FALSE(lock_entry_set(lock[2]));  // -0.0 leaves the entry to the solver
  EXPECT_EQ(g.find_node_lock(1), nullptr);

  TreeConfig bad = config_for(2);
  bad.start_street = 4;
  EXPECT_THROW(Game(bad, CardContext(river, symmetric_ranges())), std::logic_error);
}

TEST(Game, StoreNodeValuesPlainAndCompressed) {
  Game g(config_for(2), CardContext({0, 21, 38, 47, 12}, symmetric_ranges()));
  g.store_node_values(1, 0, {2.0f, -1.0f, 0.5f});
  EXPECT_EQ(g.nodes()[1].values[0], (std::vector<float>{2.0f, -1.0f, 0.5f}));
  EXPECT_FALSE(g.nodes()[1].has_values16[0]);

  g.set_compress(true);
  g.store_node_values(1, 0, {2.0f, -1.0f});
  const GameNode& n = g.nodes()[1];
  EXPECT_TRUE(n.values[0].empty());
  EXPECT_EQ(n.values16[0], (std::vector<std::int16_t>{32767, -16384}));
  EXPECT_EQ(n.scale[0], 2.0f);
  EXPECT_EQ(n.has_values16[0], 1);

  g.store_node_values(1, 1, {0.0f, 0.0f, 0.0f});
  EXPECT_EQ(n.values16[1], (std::vector<std::int16_t>{0, 0, 0}));
  EXPECT_EQ(n.scale[1], 1.0f);
  EXPECT_EQ(n.has_values16[1], 1);
  g.store_node_values(1, 1, {});
  EXPECT_TRUE(n.values16[1].empty());
  EXPECT_EQ(n.has_values16[1], 0);
  g.store_node_values(1, 1, {NAN, -4.0f});
  EXPECT_EQ(n.values16[1], (std::vector<std::int16_t>{0, -32767}));

  g.store_node_values(g.nodes().size(), 0, {1.0f});  // out of range: ignored
  g.store_node_values(1, 2, {1.0f});
  g.set_compress(false);
  g.store_node_values(1, 0, {3.0f});
  EXPECT_TRUE(n.values16[0].empty());
  EXPECT_EQ(n.scale[0], 1.0f);
}

// On a monotone flop with suit-symmetric ranges, every chance node deals one
// card per rank of the interchangeable suits, and the twin of each skipped
// card is the child dealing the same rank in the representative suit. The
// swap pairs map each hand onto its suit-exchanged twin, and a showdown on a
// skipped runout equals the twin's values with those pairs swapped.
TEST(Game, DealTwinsLineUpWithChanceChildren) {
  const Board flop{2, 22, 30, kNoCard, kNoCard};  // 2h 7h 9h
  Game g(config_for(0), CardContext(flop, symmetric_ranges()));
  const CardContext& ctx = g.card_context();
  int turn_nodes = 0, river_nodes = 0;
  std::size_t pairs_checked = 0, showdowns_checked = 0;
  for (const GameNode& n : g.nodes()) {
    if (n.type != kNodeChance) {
      EXPECT_TRUE(g.deal_twins(n).empty());
      continue;
    }
    const bool turn = n.turn == kNoCard;
    (turn ? turn_nodes : river_nodes)++;
    const DealIsomorphism& level = turn ? ctx.suit_isomorphism().turn : ctx.suit_isomorphism().river[n.turn];
    const auto& twins = g.deal_twins(n);
    ASSERT_EQ(twins.size(), level.skipped.size());
    EXPECT_EQ(n.children.size() + twins.size(), turn ? 49u : 48u);
    for (std::size_t k = 0; k < twins.size(); ++k) {
      ASSERT_LT(twins[k], n.children.size());
      const Card skipped = level.skipped[k];
      const Card dealt = static_cast<Card>(n.actions[twins[k]].amount);
      const int rep = level.representative[card_suit(skipped)];
      EXPECT_EQ(card_rank(dealt), card_rank(skipped));
      EXPECT_EQ(card_suit(dealt), rep);
      const SlotPairLists& pairs = g.deal_swap_pairs(n, k);
      for (int seat = 0; seat < 2; ++seat) {
        EXPECT_EQ(pairs[seat].size(), level.swaps[card_suit(skipped)][seat].size());
        for (const SlotPair& p : pairs[seat]) {
          EXPECT_EQ(ctx.pockets(seat)[p.b], swap_suits(ctx.pockets(seat)[p.a], card_suit(skipped), rep));
          ++pairs_checked;
        }
      }
      if (!turn && k == 0) {
        // Showdown on (turn, skipped) versus (turn, twin) with pairs swapped.
        for (int seat = 0; seat < 2; ++seat) {
          const std::vector<float>& reach = ctx.initial_reach(1 - seat);
          PlanNode a, b;
          a.type = b.type = kNodeTerminal;
          a.turn = b.turn = n.turn;
          a.river = skipped;
          b.river = dealt;
          a.pot = b.pot = 100;
          std::vector<float> va(ctx.hand_count(seat)), vb(ctx.hand_count(seat));
          terminal_values(g, a, seat, reach, va);
          terminal_values(g, b, seat, reach, vb);
          for (const SlotPair& p : pairs[seat]) std::swap(vb[p.a], vb[p.b]);
          showdowns_checked += !pairs[seat].empty();
          for (std::size_t h = 0; h < va.size(); ++h) EXPECT_NEAR(va[h], vb[h], 1e-6) << "hand " << h;
        }
      }
    }
    EXPECT_TRUE(g.deal_swap_pairs(n, twins.size())[0].empty());
  }
  EXPECT_GT(turn_nodes, 0);
  EXPECT_GT(river_nodes, 0);
  EXPECT_GT(pairs_checked, 0u);
  EXPECT_GT(showdowns_checked, 0u);
}
