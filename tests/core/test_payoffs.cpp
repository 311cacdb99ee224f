#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>

#include "core/bet_size.h"
#include "core/card_context.h"
#include "core/evaluator.h"
#include "core/game.h"
#include "core/payoffs.h"

using namespace velmora;

namespace {

struct Spot {
  double rake_rate = 0.0;
  double rake_cap = 0.0;
  std::uint32_t pot = 100;
};

std::unique_ptr<Game> make_game(const Board& board, const std::array<Range, 2>& ranges, const Spot& spot) {
  TreeConfig c;
  c.start_street = board[4] != kNoCard ? 2 : board[3] != kNoCard ? 1 : 0;
  c.starting_pot = spot.pot;
  c.effective_stack = 100;
  c.rake_rate = spot.rake_rate;
  c.rake_cap = spot.rake_cap;
  return std::make_unique<Game>(c, CardContext(board, ranges));
}

PlanNode terminal(const Game& g, Card turn, Card river, std::uint32_t invested, int folder = -1) {
  PlanNode n;
  n.type = kNodeTerminal;
  n.invested = invested;
  n.pot = g.config().starting_pot + 2 * invested;
  n.seat_totals = {invested, invested};
  n.turn = turn;
  n.river = river;
  n.last_action = folder >= 0 ? kActFold : kActCall;
  n.last_actor = static_cast<std::uint8_t>(folder >= 0 ? folder : 0);
  return n;
}

bool disjoint(Pocket a, Pocket b) { return (pocket_mask(a) & pocket_mask(b)) == 0; }

// Pairwise reference: every own hand against every opponent hand that shares
// no card with it or with the five board cards.
std::vector<double> brute_showdown(const Game& g, const std::array<Card, 5>& board5, double pot, int s,
                                   const std::vector<float>& reach) {
  const CardContext& ctx = g.card_context();
  std::uint64_t bmask = 0;
  for (Card c : board5) bmask |= card_bit(c);
  const double n = ctx.pair_weight();
  const double rake = std::min(g.config().rake_cap, pot * g.config().rake_rate);
  const double win = (pot / 2 - rake) / n, lose = -(pot / 2) / n, tie = -(rake / 2) / n;
  std::vector<double> out(ctx.hand_count(s), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const Pocket p = ctx.pockets(s)[i];
    if (pocket_mask(p) & bmask) continue;
    const HandStrength hs = evaluate_hand(p, board5);
    for (std::size_t j = 0; j < reach.size(); ++j) {
      const Pocket q = ctx.pockets(1 - s)[j];
      if ((pocket_mask(q) & bmask) || !disjoint(p, q)) continue;
      const HandStrength ho = evaluate_hand(q, board5);
      out[i] += reach[j] * (hs > ho ? win : hs < ho ? lose : tie);
    }
  }
  return out;
}

std::array<Range, 2> random_ranges(std::mt19937& rng, int combos) {
  std::array<Range, 2> r{};
  std::uniform_int_distribution<int> pick(0, kNumPockets - 1);
  std::uniform_real_distribution<float> w(0.05f, 1.0f);
  for (int k = 0; k < combos; ++k) {
    const int idx = pick(rng);
    r[0][idx] = w(rng);
    r[1][pick(rng)] = w(rng);
    if (k % 5 == 0) r[1][idx] = w(rng);  // shared pockets
  }
  return r;
}

std::vector<float> random_reach(std::mt19937& rng, std::size_t n) {
  std::uniform_real_distribution<float> w(0.0f, 1.0f);
  std::vector<float> r(n);
  for (float& x : r) x = w(rng) < 0.2f ? 0.0f : w(rng);
  return r;
}

Board random_board(std::mt19937& rng, int cards) {
  std::vector<Card> deck(kNumCards);
  for (int c = 0; c < kNumCards; ++c) deck[c] = static_cast<Card>(c);
  std::shuffle(deck.begin(), deck.end(), rng);
  Board b{deck[0], deck[1], deck[2], kNoCard, kNoCard};
  std::sort(b.begin(), b.begin() + 3);
  if (cards >= 4) b[3] = deck[3];
  if (cards >= 5) b[4] = deck[4];
  return b;
}

void expect_near(const std::vector<float>& got, const std::vector<double>& want, const char* what) {
  ASSERT_EQ(got.size(), want.size());
  double scale = 1e-9;
  for (double w : want) scale = std::max(scale, std::fabs(w));
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 2e-5 * scale) << what << " hand " << i;
}

}  // namespace

TEST(Payoffs, ShowdownMatchesPairwiseOnRandomRivers) {
  std::mt19937 rng(1234);
  for (int round = 0; round < 12; ++round) {
    const Board b = random_board(rng, 5);
    const auto ranges = random_ranges(rng, 140);
    const Spot spot = round % 2 ? Spot{0.05, 3.0, 100} : Spot{};
    const auto g = make_game(b, ranges, spot);
    const std::array<Card, 5> board5{b[0], b[1], b[2], b[3], b[4]};
    for (int s = 0; s < 2; ++s) {
      const auto reach = random_reach(rng, g->card_context().hand_count(1 - s));
      for (std::uint32_t invested : {0u, 35u, 100u}) {
        const PlanNode n = terminal(*g, b[3], b[4], invested);
        std::vector<float> out(g->card_context().hand_count(s), 7.0f);
        terminal_values(*g, n, s, reach, out);
        expect_near(out, brute_showdown(*g, board5, n.pot, s, reach), spot.rake_rate > 0 ? "rake" : "no rake");
        std::vector<float> direct(out.size(), 7.0f);
        ASSERT_TRUE(showdown_values(*g, n, s, reach, direct));
        expect_near(direct, brute_showdown(*g, board5, n.pot, s, reach), "showdown_values");
      }
    }
  }
}

// Full ranges on both sides: the largest card groups and lane layouts the
// scan tables meet. Showdowns with and without rake, folds on the river, and
// the call/fold pair valued in one scan, all against the pairwise sums.
TEST(Payoffs, FullRangesMatchPairwise) {
  std::mt19937 rng(2024);
  std::array<Range, 2> full{};
  for (int i = 0; i < kNumPockets; ++i) full[0][i] = full[1][i] = 1.0f;
  for (const Spot spot : {Spot{}, Spot{0.05, 3.0, 100}}) {
    const Board b = random_board(rng, 5);
    const auto g = make_game(b, full, spot);
    const CardContext& ctx = g->card_context();
    const std::array<Card, 5> board5{b[0], b[1], b[2], b[3], b[4]};
    for (int s = 0; s < 2; ++s) {
      const auto reach = random_reach(rng, ctx.hand_count(1 - s));
      const PlanNode call = terminal(*g, b[3], b[4], 40);
      const PlanNode fold = terminal(*g, b[3], b[4], 40, s);
      std::vector<float> sd(ctx.hand_count(s)), fd(ctx.hand_count(s));
      terminal_values(*g, call, s, reach, sd);
      const auto want = brute_showdown(*g, board5, call.pot, s, reach);
      expect_near(sd, want, "full-range showdown");
      terminal_values(*g, fold, s, reach, fd);
      std::vector<double> want_fold(fd.size(), 0.0);
      const double pot = spot.pot + 80.0;
      const double factor = -(pot / 2) / ctx.pair_weight();
      for (std::size_t i = 0; i < want_fold.size(); ++i) {
        const Pocket p = ctx.pockets(s)[i];
        if (pocket_mask(p) & (card_bit(b[3]) | card_bit(b[4]))) continue;
        for (std::size_t j = 0; j < reach.size(); ++j) {
          const Pocket q = ctx.pockets(1 - s)[j];
          if (!(pocket_mask(q) & (card_bit(b[3]) | card_bit(b[4]))) && disjoint(p, q)) want_fold[i] += reach[j] * factor;
        }
      }
      expect_near(fd, want_fold, "full-range fold");
      std::vector<float> sd2(sd.size(), 9.0f), fd2(fd.size(), 9.0f);
      ASSERT_TRUE(showdown_and_fold_values(*g, make_terminal_payoff(*g, call), make_terminal_payoff(*g, fold), s,
                                           reach, sd2, fd2));
      expect_near(sd2, want, "pair showdown");
      expect_near(fd2, want_fold, "pair fold");
    }
  }
}

// An opponent calling or folding to a river bet: the pair valued in one scan
// against two reaches gives the two terminals' own values bit for bit, also
// when either reach is all zero; terminals that make no pair are refused.
TEST(Payoffs, CallAndFoldToTwoReachesMatchTheTerminalsApart) {
  std::mt19937 rng(4321);
  for (int round = 0; round < 8; ++round) {
    const Board b = random_board(rng, 5);
    const auto g = make_game(b, random_ranges(rng, 160), round % 2 ? Spot{0.05, 3.0, 100} : Spot{});
    const CardContext& ctx = g->card_context();
    for (int s = 0; s < 2; ++s) {
      const TerminalPayoff call = make_terminal_payoff(*g, terminal(*g, b[3], b[4], 40));
      const TerminalPayoff fold = make_terminal_payoff(*g, terminal(*g, b[3], b[4], 20, 1 - s));
      const std::size_t H = ctx.hand_count(s);
      const std::vector<float> zero(ctx.hand_count(1 - s), 0.0f);
      for (int zeros = 0; zeros < 3; ++zeros) {
        const auto call_reach = zeros == 1 ? zero : random_reach(rng, zero.size());
        const auto fold_reach = zeros == 2 ? zero : random_reach(rng, zero.size());
        std::vector<float> want_call(H), want_fold(H), got_call(H, 5.0f), got_fold(H, 5.0f);
        terminal_values(*g, call, s, call_reach, want_call);
        terminal_values(*g, fold, s, fold_reach, want_fold);
        ASSERT_TRUE(showdown_beside_fold_values(*g, call, fold, s, call_reach, fold_reach, got_call, got_fold));
        for (std::size_t h = 0; h < H; ++h) {
          ASSERT_EQ(got_call[h], want_call[h]) << "call, round " << round << " hand " << h;
          ASSERT_EQ(got_fold[h], want_fold[h]) << "fold, round " << round << " hand " << h;
        }
        if (zeros == 0) {
          EXPECT_NE(std::count(want_fold.begin(), want_fold.end(), 0.0f), static_cast<long>(H));
        }
      }
      // Not a pair: two showdowns, or a fold on another river.
      std::vector<float> a(H, 5.0f), f(H, 5.0f);
      const auto r = random_reach(rng, ctx.hand_count(1 - s));
      EXPECT_FALSE(showdown_beside_fold_values(*g, call, call, s, r, r, a, f));
      TerminalPayoff elsewhere = fold;
      elsewhere.river = kNoCard;
      EXPECT_FALSE(showdown_beside_fold_values(*g, call, elsewhere, s, r, r, a, f));
      EXPECT_EQ(a[0], 5.0f);
    }
  }
}

TEST(Payoffs, FoldMatchesPairwiseWithIdenticalPockets) {
  std::mt19937 rng(99);
  for (int cards : {3, 4, 5}) {
    const Board b = random_board(rng, cards);
    const auto g = make_game(b, random_ranges(rng, 200), Spot{0.05, 3.0, 80});
    const CardContext& ctx = g->card_context();
    for (int s = 0; s < 2; ++s) {
      const auto reach = random_reach(rng, ctx.hand_count(1 - s));
      for (int folder = 0; folder < 2; ++folder) {
        const PlanNode n = terminal(*g, b[3], b[4], 20, folder);
        std::vector<float> out(ctx.hand_count(s));
        terminal_values(*g, n, s, reach, out);
        const double pot = 80 + 40, rake = std::min(3.0, pot * 0.05);
        const double factor = (s == folder ? -pot / 2 : pot / 2 - rake) / ctx.pair_weight();
        std::vector<double> want(out.size(), 0.0);
        for (std::size_t i = 0; i < want.size(); ++i) {
          for (std::size_t j = 0; j < reach.size(); ++j) {
            if (disjoint(ctx.pockets(s)[i], ctx.pockets(1 - s)[j])) want[i] += reach[j] * factor;
          }
        }
        expect_near(out, want, "fold");
      }
    }
    // Opponent reach all zero: nothing to win or lose.
    std::vector<float> zero(ctx.hand_count(1), 0.0f), out(ctx.hand_count(0), 3.0f);
    terminal_values(*g, terminal(*g, b[3], b[4], 0, 1), 0, zero, out);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 0.0f; }));
  }
}

// Pairwise runout average of an all-in terminal: every completion where both
// seats keep a live hand, divided by the completions a matchup sees.
std::vector<double> brute_runout(const Game& g, const PlanNode& n, int s, const std::vector<float>& reach) {
  const CardContext& ctx = g.card_context();
  const Board& b = ctx.board();
  std::vector<double> want(ctx.hand_count(s), 0.0);
  auto add_runout = [&](Card t, Card r) {
    const std::uint64_t cards2 = card_bit(t) | card_bit(r);
    auto live = [&](int seat) {
      return std::any_of(ctx.pockets(seat).begin(), ctx.pockets(seat).end(),
                         [&](Pocket p) { return !(pocket_mask(p) & cards2); });
    };
    if (!live(0) || !live(1)) return;
    const auto v = brute_showdown(g, {b[0], b[1], b[2], t, r}, n.pot, s, reach);
    for (std::size_t i = 0; i < want.size(); ++i) want[i] += v[i];
  };
  std::uint64_t dead = ctx.board_mask();
  if (n.turn != kNoCard) dead |= card_bit(n.turn);
  for (Card t = 0; t < kNumCards; ++t) {
    if (dead & card_bit(t)) continue;
    if (n.turn != kNoCard) {
      add_runout(n.turn, t);
      continue;
    }
    for (Card r = t + 1; r < kNumCards; ++r) {
      if (!(dead & card_bit(r))) add_runout(t, r);
    }
  }
  // A matchup sees the completions that miss its own four cards.
  for (double& w : want) w /= (n.turn != kNoCard ? 44.0 : 990.0);
  return want;
}

TEST(Payoffs, RunoutAveragesShowdownsOverMissingCards) {
  std::mt19937 rng(7);
  for (int cards : {4, 3}) {
    const Board b = random_board(rng, cards);
    // Small ranges keep the flop's 1176 runouts cheap to check pairwise.
    const auto g = make_game(b, random_ranges(rng, cards == 4 ? 120 : 14), Spot{0.05, 3.0, 60});
    const CardContext& ctx = g->card_context();
    const PlanNode n = terminal(*g, b[3], kNoCard, 50);
    for (int s = 0; s < 2; ++s) {
      const auto reach = random_reach(rng, ctx.hand_count(1 - s));
      std::vector<float> out(ctx.hand_count(s));
      terminal_values(*g, n, s, reach, out);
      expect_near(out, brute_runout(*g, n, s, reach), cards == 4 ? "turn runout" : "flop runout");
    }
  }
}

// A tree starting on `street` whose only bets before the river are all-ins.
TreeConfig allin_config(const Spot& spot, std::uint8_t street) {
  TreeConfig c;
  c.start_street = street;
  c.starting_pot = spot.pot;
  c.effective_stack = 100;
  c.rake_rate = spot.rake_rate;
  c.rake_cap = spot.rake_cap;
  SizeSpec all_in;
  all_in.kind = kSizeAllIn;
  for (StreetSizeLists* s : {&c.flop, &c.turn}) {
    for (int seat = 0; seat < 2; ++seat) s->bets[seat] = {all_in};
  }
  return c;
}

// An all-in terminal's values for both seats against random reach equal
// the pairwise runout average.
void expect_allin_matches(const Game& g, const PlanNode& n, std::mt19937& rng, const char* what) {
  const CardContext& ctx = g.card_context();
  for (int s = 0; s < 2; ++s) {
    const auto reach = random_reach(rng, ctx.hand_count(1 - s));
    std::vector<float> out(ctx.hand_count(s), 5.0f);
    terminal_values(g, n, s, reach, out);
    expect_near(out, brute_runout(g, n, s, reach), what);
  }
}

// A tree with all-in lines gets precomputed runout shares for its all-in
// terminals; their values must equal the pairwise runout average, with and
// without rake, for both seats, on the flop and on several turns.
TEST(Payoffs, AllInTerminalsOfATreeMatchTheRunoutAverage) {
  std::mt19937 rng(31);
  for (const Spot spot : {Spot{}, Spot{0.05, 3.0, 60}}) {
    const Board b = random_board(rng, 3);
    const Game g(allin_config(spot, 0), CardContext(b, random_ranges(rng, 14)));
    int flop_checked = 0, turn_checked = 0;
    for (const GameNode& n : g.nodes()) {
      if (n.type != kNodeTerminal || n.last_action == kActFold || n.river != kNoCard) continue;
      const bool flop = n.turn == kNoCard;
      if ((flop && flop_checked >= 1) || (!flop && turn_checked >= 3)) continue;
      ASSERT_TRUE(g.runout_matchups().has(n.turn));
      (flop ? flop_checked : turn_checked)++;
      expect_allin_matches(g, n, rng, flop ? "flop all-in" : "turn all-in");
    }
    EXPECT_EQ(flop_checked, 1);
    EXPECT_EQ(turn_checked, 3);
    EXPECT_GT(g.runout_matchups().memory_bytes(), 0u);
  }
}

// A spot that starts on the turn: its all-in terminals use the board's own
// turn card and get their shares too.
TEST(Payoffs, AllInTerminalsOfATurnSpotMatchTheRunoutAverage) {
  std::mt19937 rng(77);
  for (const Spot spot : {Spot{}, Spot{0.05, 3.0, 60}}) {
    const Board b = random_board(rng, 4);
    const Game g(allin_config(spot, 1), CardContext(b, random_ranges(rng, 60)));
    int checked = 0;
    for (const GameNode& n : g.nodes()) {
      if (n.type != kNodeTerminal || n.last_action == kActFold || n.river != kNoCard) continue;
      ASSERT_EQ(n.turn, b[3]);
      ASSERT_TRUE(g.runout_matchups().has(n.turn));
      ++checked;
      expect_allin_matches(g, n, rng, "turn-spot all-in");
    }
    EXPECT_GT(checked, 0);
  }
}

// One combo against one combo all-in on the flop: the runout terminal pays
// exactly the equity over every turn and river that misses both hands.
TEST(Payoffs, FlopAllInPaysTheExactEquity) {
  const Board b{parse_card("2c"), parse_card("7d"), parse_card("9h"), kNoCard, kNoCard};
  std::array<Range, 2> r{};
  set_range_weight(r[0], parse_card("Ah"), parse_card("Ad"), 1.0f);
  set_range_weight(r[1], parse_card("Kh"), parse_card("Kd"), 1.0f);
  const auto g = make_game(b, r, Spot{0.0, 0.0, 100});
  const PlanNode n = terminal(*g, kNoCard, kNoCard, 100);  // pot 300
  const std::uint64_t used = g->card_context().board_mask() | pocket_mask(make_pocket(parse_card("Ah"), parse_card("Ad"))) |
                             pocket_mask(make_pocket(parse_card("Kh"), parse_card("Kd")));
  int wins = 0, losses = 0, runouts = 0;
  for (Card t = 0; t < kNumCards; ++t) {
    for (Card rv = t + 1; rv < kNumCards; ++rv) {
      if ((used & card_bit(t)) || (used & card_bit(rv))) continue;
      const std::array<Card, 5> full{b[0], b[1], b[2], t, rv};
      const HandStrength a = evaluate_hand(make_pocket(parse_card("Ah"), parse_card("Ad")), full);
      const HandStrength k = evaluate_hand(make_pocket(parse_card("Kh"), parse_card("Kd")), full);
      ++runouts;
      wins += a > k;
      losses += a < k;
    }
  }
  ASSERT_EQ(runouts, 990);
  std::vector<float> out(1);
  terminal_values(*g, n, 0, std::vector<float>{1.0f}, out);
  EXPECT_NEAR(out[0], 150.0 * (wins - losses) / 990.0, 1e-3);
  terminal_values(*g, n, 1, std::vector<float>{1.0f}, out);
  EXPECT_NEAR(out[0], 150.0 * (losses - wins) / 990.0, 1e-3);
}

TEST(Payoffs, TiesWinsAndLossesOnFixedBoards) {
  // Royal flush on board: every hand splits.
  const Board royal{35, 39, 43, 47, 51};  // Ts Js Qs Ks As
  std::array<Range, 2> ranges{};
  for (int i = 0; i < 60; ++i) ranges[0][i * 19] = ranges[1][i * 21 + 5] = 1.0f;
  for (const Spot spot : {Spot{}, Spot{0.05, 3.0, 100}}) {
    const auto g = make_game(royal, ranges, spot);
    const CardContext& ctx = g->card_context();
    std::vector<float> reach(ctx.hand_count(1), 1.0f), out(ctx.hand_count(0));
    terminal_values(*g, terminal(*g, royal[3], royal[4], 0), 0, reach, out);
    for (std::size_t i = 0; i < out.size(); ++i) {
      double compatible = 0;
      for (Pocket q : ctx.pockets(1)) compatible += disjoint(ctx.pockets(0)[i], q);
      EXPECT_NEAR(out[i], -(spot.rake_rate > 0 ? 1.5 : 0.0) / ctx.pair_weight() * compatible, 1e-6);
    }
  }
  // 2c 7d 9h Js 3c: AA beats every KK, QQ; several weak hands lose to all.
  const Board dry{0, 4, 21, 30, 39};
  std::array<Range, 2> r2{};
  for (Card a = 48; a < 52; ++a)
    for (Card b = a + 1; b < 52; ++b) r2[0][pocket_index(a, b)] = 1.0f;  // AA
  r2[0][pocket_index(8, 13)] = r2[0][pocket_index(9, 12)] = r2[0][pocket_index(10, 15)] = 1.0f;  // 4-5 offsuit
  for (Card a = 40; a < 48; ++a)
    for (Card b = a + 1; b < 48; ++b)
      if (card_rank(a) == card_rank(b)) r2[1][pocket_index(a, b)] = 1.0f;  // QQ, KK
  const auto g = make_game(dry, r2, Spot{0.05, 3.0, 100});
  const CardContext& ctx = g->card_context();
  std::vector<float> reach(ctx.hand_count(1), 0.5f), out(ctx.hand_count(0));
  terminal_values(*g, terminal(*g, dry[3], dry[4], 0), 0, reach, out);
  const double total = 0.5 * ctx.hand_count(1);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const bool aces = card_rank(pocket_lo(ctx.pockets(0)[i])) == 12;
    EXPECT_NEAR(out[i], (aces ? 47.0 : -50.0) * total / ctx.pair_weight(), 1e-5) << i;
  }
}

TEST(Payoffs, BadInputsAndHelpers) {
  std::mt19937 rng(5);
  const Board b = random_board(rng, 4);
  const auto g = make_game(b, random_ranges(rng, 60), Spot{});
  const CardContext& ctx = g->card_context();
  std::vector<float> short_reach(ctx.hand_count(1) - 1, 1.0f), out(ctx.hand_count(0), 9.0f);
  terminal_values(*g, terminal(*g, b[3], kNoCard, 10, 1), 0, short_reach, out);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 0.0f; }));
  std::vector<float> reach(ctx.hand_count(1), 1.0f);
  EXPECT_FALSE(showdown_values(*g, terminal(*g, b[3], kNoCard, 0), 0, reach, out));

  PlanNode n = terminal(*g, kNoCard, kNoCard, 0);
  EXPECT_EQ(chance_outcome_count(n), 45);
  EXPECT_EQ(runout_hands(*g, n, 1).size(), ctx.hand_count(1));
  n.turn = b[3];
  EXPECT_EQ(chance_outcome_count(n), 44);
  EXPECT_EQ(&runout_hands(*g, n, 0), &ctx.live_after_card(b[3]).seat[0]);
  n.river = 0;
  while (ctx.board_mask() & card_bit(n.river)) ++n.river;
  EXPECT_EQ(chance_outcome_count(n), 0);
  EXPECT_EQ(&runout_hands(*g, n, 0), &ctx.live_after_runout(n.turn, n.river).seat[0]);
  const std::vector<Card> dealt = dealt_cards(*g, n);
  EXPECT_EQ(dealt, (std::vector<Card>{b[0], b[1], b[2], b[3], n.river}));
}

// Up to four showdowns on one river valued in one scan: every lane is what a
// single scan writes, bit for bit, for even, raked and tying payoffs and for
// batches mixing even and raked lanes. Hands dead on the river and lanes
// past the count are left as they were.
TEST(Payoffs, BatchedShowdownsMatchSingleScans) {
  std::mt19937 rng(777);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::uniform_real_distribution<double> pay(0.01, 2.0);
  constexpr float kUntouched = 12345.0f;
  std::size_t dead_seen = 0;
  for (int round = 0; round < 3; ++round) {
    const Board b = random_board(rng, 3);
    const auto g = make_game(b, random_ranges(rng, 300), Spot{});
    const CardContext& ctx = g->card_context();
    for (int runout = 0; runout < 2; ++runout) {
      Card t = 0, r = 0;
      while (t == r || (ctx.board_mask() & (card_bit(t) | card_bit(r)))) {
        t = static_cast<Card>(rng() % kNumCards);
        r = static_cast<Card>(rng() % kNumCards);
      }
      const ShowdownScan& scan = ctx.runout_showdown(t, r).scan;
      for (int s = 0; s < 2; ++s) {
        const std::size_t H = ctx.hand_count(s);
        std::vector<std::vector<float>> reach(kScanBatch, std::vector<float>(ctx.hand_count(1 - s)));
        const float* rp[kScanBatch];
        for (std::size_t k = 0; k < kScanBatch; ++k) {
          const bool empty = k == static_cast<std::size_t>(round + runout) % kScanBatch;
          for (float& x : reach[k]) x = empty || u(rng) < 0.33f ? 0.0f : u(rng);
          rp[k] = reach[k].data();
        }
        for (int kind = 0; kind < 4; ++kind) {  // even, raked, raked with ties, even and raked mixed
          const bool with_tie = kind == 2;
          double win[kScanBatch], lose[kScanBatch], tie[kScanBatch];
          for (std::size_t k = 0; k < kScanBatch; ++k) {
            win[k] = pay(rng);
            const bool even = kind == 0 || (kind == 3 && k % 2 == 1);
            lose[k] = even ? -win[k] : -win[k] - 0.1 * pay(rng);
            tie[k] = -0.05 * pay(rng);
          }
          for (std::size_t count = 1; count <= kScanBatch; ++count) {
            std::vector<std::vector<float>> got(kScanBatch, std::vector<float>(H, kUntouched));
            float* op[kScanBatch];
            for (std::size_t k = 0; k < kScanBatch; ++k) op[k] = got[k].data();
            scan_showdown_batch(scan, s, count, rp, op, win, lose, tie, with_tie);
            for (std::size_t k = 0; k < kScanBatch; ++k) {
              std::vector<float> want(H, kUntouched);
              if (k < count) {
                scan_showdown(scan, s, rp[k], want.data(), win[k], lose[k], tie[k], with_tie, false);
                dead_seen += static_cast<std::size_t>(std::count(want.begin(), want.end(), kUntouched));
              }
              ASSERT_EQ(0, std::memcmp(got[k].data(), want.data(), H * sizeof(float)))
                  << "round " << round << " seat " << s << " kind " << kind << " count " << count << " lane " << k;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(dead_seen, 0u);
  const float* none[kScanBatch + 1] = {};
  float* nowhere[kScanBatch + 1] = {};
  const double w[kScanBatch + 1] = {};
  EXPECT_THROW(scan_showdown_batch(ShowdownScan{}, 0, kScanBatch + 1, none, nowhere, w, w, w, false),
               std::invalid_argument);
}

TEST(Payoffs, BatchedFoldsMatchSingleScans) {
  std::mt19937 rng(778);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::uniform_real_distribution<double> pay(0.01, 2.0);
  constexpr float kUntouched = 12345.0f;
  std::size_t dead_seen = 0;
  const auto same_bits = [](const std::vector<float>& a, const std::vector<float>& b) {
    return std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
  };
  for (int round = 0; round < 2; ++round) {
    const auto g = make_game(random_board(rng, 3), random_ranges(rng, 300), Spot{});
    const CardContext& ctx = g->card_context();
    Card t = 0, r = 0;
    while (t == r || (ctx.board_mask() & (card_bit(t) | card_bit(r)))) {
      t = static_cast<Card>(rng() % kNumCards);
      r = static_cast<Card>(rng() % kNumCards);
    }
    const ShowdownScan* tables[2] = {&ctx.runout_showdown(t, r).scan, &ctx.fold_table(t)};
    for (int s = 0; s < 2; ++s) {
      const std::size_t H = ctx.hand_count(s);
      std::vector<std::vector<float>> reach(kScanBatch, std::vector<float>(ctx.hand_count(1 - s)));
      const float* rp[kScanBatch];
      double win[kScanBatch], lose[kScanBatch], tie[kScanBatch], factor[kScanBatch];
      for (std::size_t k = 0; k < kScanBatch; ++k) {
        const bool empty = k == static_cast<std::size_t>(round + 2 * s) % kScanBatch;
        for (float& x : reach[k]) x = empty || u(rng) < 0.33f ? 0.0f : u(rng);
        rp[k] = reach[k].data();
        win[k] = pay(rng);
        lose[k] = k % 2 == 0 ? -win[k] : -win[k] - 0.1 * pay(rng);  // even payoffs still take the general formula
        tie[k] = -0.05 * pay(rng);
        factor[k] = pay(rng) - 1.0;
      }
      for (std::size_t count = 1; count <= kScanBatch; ++count) {
        std::vector<std::vector<float>> got(2 * kScanBatch, std::vector<float>(H, kUntouched));
        std::vector<std::vector<float>> want = got;
        float* op[2 * kScanBatch];
        for (std::size_t k = 0; k < 2 * kScanBatch; ++k) op[k] = got[k].data();
        for (int table = 0; table < 2; ++table) {
          scan_fold_batch(*tables[table], s, count, rp, op, factor);
          for (std::size_t k = 0; k < count; ++k) scan_fold(*tables[table], s, rp[k], want[k].data(), factor[k]);
          for (std::size_t k = 0; k < kScanBatch; ++k) {
            ASSERT_TRUE(same_bits(got[k], want[k])) << "fold table " << table << " seat " << s << " lane " << k;
          }
        }
        for (const bool with_tie : {false, true}) {
          const ShowdownScan& scan = *tables[0];
          scan_showdown_and_fold_batch(scan, s, count, rp, op, win, lose, tie, with_tie, op + kScanBatch, factor);
          for (std::size_t k = 0; k < count; ++k) {
            scan_showdown_and_fold(scan, s, rp[k], want[k].data(), win[k], lose[k], tie[k], with_tie,
                                   want[kScanBatch + k].data(), factor[k]);
          }
          for (std::size_t k = 0; k < 2 * kScanBatch; ++k) {
            ASSERT_TRUE(same_bits(got[k], want[k])) << "tie " << with_tie << " seat " << s << " lane " << k;
            if (k % kScanBatch >= count) continue;
            dead_seen += static_cast<std::size_t>(std::count(got[k].begin(), got[k].end(), kUntouched));
          }
        }
      }
    }
  }
  EXPECT_GT(dead_seen, 0u);
  const float* none[kScanBatch + 1] = {};
  float* nowhere[kScanBatch + 1] = {};
  const double w[kScanBatch + 1] = {};
  EXPECT_THROW(scan_fold_batch(ShowdownScan{}, 0, kScanBatch + 1, none, nowhere, w), std::invalid_argument);
  EXPECT_THROW(
      scan_showdown_and_fold_batch(ShowdownScan{}, 0, kScanBatch + 1, none, nowhere, w, w, w, false, nowhere, w),
      std::invalid_argument);
}

// Payoffs read only the context handed to them: one put together from the
// parts of two games (the rake of one, the cards and all-in tables of the
// other) pays as the game with that rake does, to the bit.
TEST(Payoffs, ReadOnlyTheContextHandedToThem) {
  std::mt19937 rng(77);
  const Board b = random_board(rng, 5);
  const auto ranges = random_ranges(rng, 120);
  auto plain = make_game(b, ranges, Spot{});
  auto raked = make_game(b, ranges, Spot{0.05, 3.0, 100});
  const PayoffContext mixed{raked->config(), plain->card_context(), plain->runout_matchups()};
  for (int s = 0; s < 2; ++s) {
    const std::vector<float> reach = random_reach(rng, plain->card_context().hand_count(1 - s));
    const std::size_t H = plain->card_context().hand_count(s);
    for (const PlanNode& n : {terminal(*plain, b[3], b[4], 30), terminal(*plain, b[3], b[4], 30, 1 - s)}) {
      std::vector<float> got(H), want(H), unraked(H);
      terminal_values(mixed, n, s, reach, got);
      terminal_values(*raked, n, s, reach, want);
      terminal_values(plain->payoff_context(), n, s, reach, unraked);
      ASSERT_EQ(std::memcmp(got.data(), want.data(), H * sizeof(float)), 0) << s;
      if (n.last_action != kActFold) {
        EXPECT_NE(got, unraked) << s;  // the rake reached the showdown
      }
      EXPECT_EQ(make_terminal_payoff(mixed, n).pot, make_terminal_payoff(*raked, n).pot) << s;
    }
  }
}
