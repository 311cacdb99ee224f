#include "core/payoffs.h"

#include <algorithm>
#include <bit>
#include <array>
#include <cmath>

#include "core/card_context.h"
#include "core/runout_matchups.h"

namespace velmora {

namespace {

// Chip factors per unit of card-removed opponent reach.
struct Factors {
  double win = 0.0;
  double lose = 0.0;
  double tie = 0.0;
  // Whether the rake makes split pots pay: ties are then counted apart.
  bool with_tie = false;
};

Factors payoff_factors(const PayoffContext& spot, double pot) {
  const TreeConfig& cfg = spot.config;
  const double rake = std::min(cfg.rake_cap, pot * cfg.rake_rate);
  const double n = spot.cards.pair_weight();
  Factors f;
  if (n > 0.0) {
    f.win = (pot / 2.0 - rake) / n;
    f.lose = -(pot / 2.0) / n;
    f.tie = -(rake / 2.0) / n;
  }
  f.with_tie = std::fabs(rake) > 1e-9 && f.tie != 0.0;
  return f;
}

double fold_pot(const PayoffContext& spot, const PlanNode& node) {
  return static_cast<double>(spot.config.starting_pot) + 2.0 * static_cast<double>(node.invested);
}

bool sizes_match(const PayoffContext& spot, int seat, std::span<const float> opp_reach, std::span<float> out) {
  if (seat < 0 || seat > 1) return false;
  const CardContext& ctx = spot.cards;
  return opp_reach.size() == ctx.hand_count(1 - seat) && out.size() == ctx.hand_count(seat);
}

// Adds the showdown values of seat s on the runout (turn, river) to `out`.
// Returns false, touching nothing, when either seat has no live hand there.
// Without rake only strictly weaker and strictly stronger hands pay; with
// rake the split pots are collected too and pay the tie factor.
// With `add` false the live hands' entries are written rather than added to
// (the caller has zeroed `out`).
bool accumulate_showdown(const PayoffContext& spot, Card turn, Card river, double pot, int s,
                         std::span<const float> reach_span, std::span<float> out_span, bool add = true) {
  if (turn == kNoCard || river == kNoCard) return false;
  const CardContext& ctx = spot.cards;
  const RunoutShowdown& sd = ctx.runout_showdown(turn, river);
  if (sd.seat[0].size() < 3 || sd.seat[1].size() < 3) return false;
  const Factors f = payoff_factors(spot, pot);
  scan_showdown(sd.scan, s, reach_span.data(), out_span.data(), f.win, f.lose, f.tie, f.with_tie, add);
  return true;
}

// A seat's live slots on the node's board.
const std::vector<std::uint16_t>& live_hands(const CardContext& ctx, Card turn, Card river, int seat) {
  const int s = seat & 1;
  if (turn == kNoCard || turn >= kNumCards) return ctx.all_slots(s);
  if (river != kNoCard && river < kNumCards) return ctx.live_after_runout(turn, river).seat[s];
  return ctx.live_after_card(turn).seat[s];
}

// The fold table of a board (the runout's showdown scan on the river).
const ShowdownScan& fold_scan(const CardContext& ctx, Card turn, Card river) {
  const bool turn_dealt = turn != kNoCard && turn < kNumCards;
  if (!turn_dealt) return ctx.fold_table(kNoCard);
  if (river != kNoCard && river < kNumCards) return ctx.runout_showdown(turn, river).scan;
  return ctx.fold_table(turn);
}

// Fold payoff into a zeroed `out` whose sizes are already checked.
void fold_into(const PayoffContext& spot, Card turn, Card river, int seat, double factor,
               std::span<const float> opp_reach, std::span<float> out) {
  scan_fold(fold_scan(spot.cards, turn, river), seat, opp_reach.data(), out.data(), factor);
}

// True when some entry is not zero (NaN counts as non-zero).
bool any_reach(std::span<const float> r) {
  std::uint32_t acc = 0;
  const std::size_t n = r.size();
  const float* p = r.data();
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    std::uint32_t block = 0;
    for (std::size_t k = 0; k < 16; ++k) block |= std::bit_cast<std::uint32_t>(p[i + k]) & 0x7FFFFFFFu;
    if (block != 0) return true;
  }
  for (; i < n; ++i) acc |= std::bit_cast<std::uint32_t>(p[i]) & 0x7FFFFFFFu;
  return acc != 0;
}

}  // namespace

const std::vector<std::uint16_t>& runout_hands(const PayoffContext& spot, const PlanNode& node, int seat) {
  return live_hands(spot.cards, node.turn, node.river, seat);
}

std::vector<Card> dealt_cards(const PayoffContext& spot, const PlanNode& node) {
  std::vector<Card> cards = spot.cards.board_cards();
  for (Card c : {node.turn, node.river}) {
    if (c != kNoCard && std::find(cards.begin(), cards.end(), c) == cards.end()) cards.push_back(c);
  }
  return cards;
}

int chance_outcome_count(const PlanNode& node) {
  if (node.turn == kNoCard) return 45;
  if (node.river == kNoCard) return 44;
  return 0;
}

namespace {

// A showdown and a fold terminal on the same full board (calling or folding
// to a river bet).
bool river_pair(const TerminalPayoff& showdown, const TerminalPayoff& fold) {
  return showdown.last_action != kActFold && fold.last_action == kActFold && showdown.turn != kNoCard &&
         showdown.river != kNoCard && fold.turn == showdown.turn && fold.river == showdown.river;
}

// The scan of a river pair's board and the payoff factors of its two
// terminals for `seat`; no scan when either seat has no live hand there
// (both payoffs are zero).
struct PairScan {
  const ShowdownScan* scan = nullptr;
  Factors showdown;
  double fold_factor = 0.0;
};

PairScan pair_scan(const PayoffContext& spot, const TerminalPayoff& showdown, const TerminalPayoff& fold, int seat) {
  PairScan p;
  const RunoutShowdown& sd = spot.cards.runout_showdown(showdown.turn, showdown.river);
  if (sd.seat[0].size() < 3 || sd.seat[1].size() < 3) return p;
  p.scan = &sd.scan;
  p.showdown = payoff_factors(spot, showdown.pot);
  const Factors ff = payoff_factors(spot, fold.pot);
  p.fold_factor = seat != fold.last_actor ? ff.win : ff.lose;
  return p;
}

}  // namespace

bool showdown_and_fold_values(const PayoffContext& spot, const TerminalPayoff& showdown, const TerminalPayoff& fold,
                              int seat, std::span<const float> opp_reach, std::span<float> showdown_out,
                              std::span<float> fold_out) {
  if (!river_pair(showdown, fold)) return false;
  if (!sizes_match(spot, seat, opp_reach, showdown_out) || fold_out.size() != showdown_out.size()) return false;
  std::fill(showdown_out.begin(), showdown_out.end(), 0.0f);
  std::fill(fold_out.begin(), fold_out.end(), 0.0f);
  if (!any_reach(opp_reach)) return true;
  const PairScan p = pair_scan(spot, showdown, fold, seat);
  if (p.scan == nullptr) return true;
  scan_showdown_and_fold(*p.scan, seat, opp_reach.data(), showdown_out.data(), p.showdown.win, p.showdown.lose,
                         p.showdown.tie, p.showdown.with_tie, fold_out.data(), p.fold_factor);
  return true;
}

bool showdown_beside_fold_values(const PayoffContext& spot, const TerminalPayoff& showdown, const TerminalPayoff& fold,
                                 int seat, std::span<const float> call_reach, std::span<const float> fold_reach,
                                 std::span<float> showdown_out, std::span<float> fold_out) {
  if (!river_pair(showdown, fold)) return false;
  if (!sizes_match(spot, seat, call_reach, showdown_out) || !sizes_match(spot, seat, fold_reach, fold_out)) {
    return false;
  }
  if (!any_reach(call_reach) || !any_reach(fold_reach)) {
    // One of them has no reach: its values are zero, the other's as usual.
    terminal_values(spot, showdown, seat, call_reach, showdown_out);
    terminal_values(spot, fold, seat, fold_reach, fold_out);
    return true;
  }
  std::fill(showdown_out.begin(), showdown_out.end(), 0.0f);
  std::fill(fold_out.begin(), fold_out.end(), 0.0f);
  const PairScan p = pair_scan(spot, showdown, fold, seat);
  if (p.scan == nullptr) return true;
  scan_showdown_beside_fold(*p.scan, seat, call_reach.data(), showdown_out.data(), p.showdown.win, p.showdown.lose,
                            p.showdown.tie, p.showdown.with_tie, fold_reach.data(), fold_out.data(), p.fold_factor);
  return true;
}

namespace {

// Jobs of one kind, one board and one payoff form, gathered a batch at a
// time.
struct RiverBatch {
  std::size_t n = 0;
  Card turn = kNoCard;
  Card river = kNoCard;
  bool with_tie = false;
  bool even = false;
  std::array<const float*, kScanBatch> reach{};
  std::array<float*, kScanBatch> out{};
  std::array<float*, kScanBatch> fold_out{};
  std::array<double, kScanBatch> win{};
  std::array<double, kScanBatch> lose{};
  std::array<double, kScanBatch> tie{};
  std::array<double, kScanBatch> fold_factor{};

  // Whether a job keyed so can join; when not, the batch must be flushed.
  bool fits(Card t, Card r, bool tie_, bool even_) const {
    return n == 0 || (n < kScanBatch && turn == t && river == r && with_tie == tie_ && even == even_);
  }
  void key(Card t, Card r, bool tie_, bool even_) {
    turn = t;
    river = r;
    with_tie = tie_;
    even = even_;
  }
};

enum class JobKind { kShowdown, kPair, kFold };

JobKind job_kind(const RiverJob& j) {
  if (j.fold != nullptr) return JobKind::kPair;
  return j.terminal->last_action == kActFold ? JobKind::kFold : JobKind::kShowdown;
}

}  // namespace

void river_batch_values(const PayoffContext& spot, int seat, std::span<const RiverJob> jobs) {
  if (seat < 0 || seat > 1) return;
  const CardContext& ctx = spot.cards;
  const std::size_t H = ctx.hand_count(seat);
  const std::size_t H_opp = ctx.hand_count(1 - seat);
  // Full boards where both seats hold live hands; elsewhere a showdown
  // pays nothing.
  const auto showdown_scan = [&](Card turn, Card river) -> const ShowdownScan* {
    const RunoutShowdown& sd = ctx.runout_showdown(turn, river);
    return sd.seat[0].size() >= 3 && sd.seat[1].size() >= 3 ? &sd.scan : nullptr;
  };

  for (const JobKind kind : {JobKind::kShowdown, JobKind::kPair, JobKind::kFold}) {
    RiverBatch b;
    const auto flush = [&] {
      if (b.n == 0) return;
      if (kind == JobKind::kFold) {
        scan_fold_batch(fold_scan(ctx, b.turn, b.river), seat, b.n, b.reach.data(), b.out.data(),
                        b.fold_factor.data());
      } else if (const ShowdownScan* scan = showdown_scan(b.turn, b.river)) {
        if (kind == JobKind::kShowdown) {
          scan_showdown_batch(*scan, seat, b.n, b.reach.data(), b.out.data(), b.win.data(), b.lose.data(),
                              b.tie.data(), b.with_tie);
        } else {
          scan_showdown_and_fold_batch(*scan, seat, b.n, b.reach.data(), b.out.data(), b.win.data(), b.lose.data(),
                                       b.tie.data(), b.with_tie, b.fold_out.data(), b.fold_factor.data());
        }
      }
      b.n = 0;
    };
    for (const RiverJob& j : jobs) {
      if (job_kind(j) != kind) continue;
      const TerminalPayoff& t = *j.terminal;
      const std::span<const float> reach(j.reach, H_opp);
      const std::span<float> out(j.out, H);
      Factors f;
      if (kind == JobKind::kShowdown) {
        if (t.turn == kNoCard || t.river == kNoCard) {
          terminal_values(spot, t, seat, reach, out);
          continue;
        }
        std::fill(out.begin(), out.end(), 0.0f);
        if (!any_reach(reach)) continue;
        f = payoff_factors(spot, t.pot);
      } else if (kind == JobKind::kPair) {
        const std::span<float> fold_out(j.fold_out, H);
        if (!river_pair(t, *j.fold)) {
          terminal_values(spot, t, seat, reach, out);
          terminal_values(spot, *j.fold, seat, reach, fold_out);
          continue;
        }
        std::fill(out.begin(), out.end(), 0.0f);
        std::fill(fold_out.begin(), fold_out.end(), 0.0f);
        if (!any_reach(reach)) continue;
        f = payoff_factors(spot, t.pot);
      } else {
        std::fill(out.begin(), out.end(), 0.0f);
        if (!any_reach(reach)) continue;
        f = payoff_factors(spot, t.pot);
      }
      const bool with_tie = kind != JobKind::kFold && f.with_tie;
      const bool even = kind == JobKind::kShowdown && !with_tie && f.lose == -f.win;
      if (!b.fits(t.turn, t.river, with_tie, even)) flush();
      b.key(t.turn, t.river, with_tie, even);
      b.reach[b.n] = j.reach;
      b.out[b.n] = j.out;
      b.fold_out[b.n] = j.fold_out;
      b.win[b.n] = f.win;
      b.lose[b.n] = f.lose;
      b.tie[b.n] = f.tie;
      if (kind == JobKind::kFold) {
        b.fold_factor[b.n] = seat != t.last_actor ? f.win : f.lose;
      } else if (kind == JobKind::kPair) {
        const Factors ff = payoff_factors(spot, j.fold->pot);
        b.fold_factor[b.n] = seat != j.fold->last_actor ? ff.win : ff.lose;
      }
      ++b.n;
    }
    flush();
  }
}

void fold_values(const PayoffContext& spot, const PlanNode& node, int seat, double factor,
                 std::span<const float> opp_reach, std::span<float> out) {
  std::fill(out.begin(), out.end(), 0.0f);
  if (sizes_match(spot, seat, opp_reach, out)) fold_into(spot, node.turn, node.river, seat, factor, opp_reach, out);
}

bool showdown_values(const PayoffContext& spot, const PlanNode& node, int seat, std::span<const float> opp_reach,
                     std::span<float> out) {
  if (node.turn == kNoCard || node.river == kNoCard) return false;
  if (!sizes_match(spot, seat, opp_reach, out)) return false;
  const RunoutShowdown& sd = spot.cards.runout_showdown(node.turn, node.river);
  if (sd.seat[0].size() < 3 || sd.seat[1].size() < 3) return false;
  std::fill(out.begin(), out.end(), 0.0f);
  return accumulate_showdown(spot, node.turn, node.river, static_cast<double>(node.pot), seat, opp_reach, out);
}

TerminalPayoff make_terminal_payoff(const PayoffContext& spot, const PlanNode& node) {
  TerminalPayoff t;
  t.last_action = node.last_action;
  t.last_actor = node.last_actor;
  t.turn = node.turn;
  t.river = node.river;
  const double fold = fold_pot(spot, node);
  if (node.last_action == kActFold) {
    t.pot = fold;
  } else if (node.turn != kNoCard && node.river != kNoCard) {
    // Full board: with no rake the pot of the fold rule and the node's pot
    // agree at every showdown.
    const TreeConfig& cfg = spot.config;
    const double rake = std::min(cfg.rake_cap, fold * cfg.rake_rate);
    t.pot = std::fabs(rake) > 1e-9 ? static_cast<double>(node.pot) : fold;
  } else {
    t.pot = static_cast<double>(node.pot);
  }
  return t;
}

void terminal_values(const PayoffContext& spot, const PlanNode& node, int seat, std::span<const float> opp_reach,
                     std::span<float> out) {
  terminal_values(spot, make_terminal_payoff(spot, node), seat, opp_reach, out);
}

void terminal_values(const PayoffContext& spot, const TerminalPayoff& node, int seat, std::span<const float> opp_reach,
                     std::span<float> out) {
  std::fill(out.begin(), out.end(), 0.0f);
  if (!sizes_match(spot, seat, opp_reach, out)) return;
  // No opponent reach: every fold, showdown and runout value is zero.
  if (!any_reach(opp_reach)) return;

  if (node.last_action == kActFold) {
    const Factors f = payoff_factors(spot, node.pot);
    fold_into(spot, node.turn, node.river, seat, seat != node.last_actor ? f.win : f.lose, opp_reach, out);
    return;
  }

  if (node.turn != kNoCard && node.river != kNoCard) {
    accumulate_showdown(spot, node.turn, node.river, node.pot, seat, opp_reach, out, false);
    return;
  }

  // All-in runout: the showdown averaged over every completion of the board,
  // from the precomputed shares when the spot has them.
  const CardContext& ctx = spot.cards;
  if (node.river == kNoCard && spot.runouts.has(node.turn)) {
    const double allin_pot = node.pot;
    const Factors f = payoff_factors(spot, allin_pot);
    if (spot.runouts.values(ctx, node.turn, seat, opp_reach.data(), out.data(), f.win, f.lose, f.tie, f.with_tie)) {
      return;
    }
    std::fill(out.begin(), out.end(), 0.0f);
  }
  std::uint64_t dead = ctx.board_mask();
  if (node.turn != kNoCard) dead |= card_bit(node.turn);
  if (node.river != kNoCard) dead |= card_bit(node.river);
  const double pot = node.pot;
  int count = 0;
  const Card known = node.turn != kNoCard ? node.turn : node.river;
  for (int c1 = 0; c1 < kNumCards; ++c1) {
    if (dead & card_bit(static_cast<Card>(c1))) continue;
    if (known != kNoCard) {
      if (accumulate_showdown(spot, std::min<Card>(known, c1), std::max<Card>(known, c1), pot, seat, opp_reach, out))
        ++count;
      continue;
    }
    for (int c2 = c1 + 1; c2 < kNumCards; ++c2) {
      if (dead & card_bit(static_cast<Card>(c2))) continue;
      if (accumulate_showdown(spot, static_cast<Card>(c1), static_cast<Card>(c2), pot, seat, opp_reach, out)) ++count;
    }
  }
  if (count == 0) {
    std::fill(out.begin(), out.end(), 0.0f);
    return;
  }
  // Each matchup of two pockets sees only the completions that miss its four
  // cards (990 from a flop, 44 from a turn), the same share a chance node
  // deals it; dividing by every completion of the board would shrink all-in
  // values by 990/1176 on the flop.
  const int open_cards = kNumCards - std::popcount(dead) - 4;
  const int matchup_runouts = known != kNoCard ? open_cards : open_cards * (open_cards - 1) / 2;
  const float inv = 1.0f / static_cast<float>(matchup_runouts);
  for (float& v : out) v *= inv;
}

}  // namespace velmora
