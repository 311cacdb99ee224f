// The tree builder's per-node steps: the root, the children of a decision
// node (sizes to chips, raise caps, the all-in threshold and merge, the lead
// rule, ordering and de-duplication) and the deals of a chance node.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/action_plan_internal.h"
#include "core/card_context.h"

namespace velmora {

namespace {

// Rounds half away from zero, then clamps to [lo, hi]. Values that do not
// fit a 64-bit integer and NaN are clamped without rounding so that no
// conversion overflows.
std::int64_t round_clamp(double x, std::int64_t lo, std::int64_t hi) {
  if (std::isnan(x) || x <= static_cast<double>(lo)) return std::min(lo, hi);
  if (x >= static_cast<double>(hi)) return hi;
  const std::int64_t r = std::llround(x);
  return std::min(std::max(r, lo), hi);
}

std::int64_t clamp_i64(std::int64_t x, std::int64_t lo, std::int64_t hi) { return std::min(std::max(x, lo), hi); }

bool is_sized(const Action& a) {
  return (a.kind == kActBet || a.kind == kActRaise || a.kind == kActAllIn) && a.amount >= 1;
}

}  // namespace

namespace plan_detail {

std::uint8_t start_street(const TreeConfig& config, const Board& board) {
  // Betting cannot start before a street whose card is already on the board:
  // the tree would wait to deal a card that is never dealt, and those lines
  // would be worth nothing (a flop profile can meet a river board).
  const std::uint8_t board_street = board[4] < kNumCards ? 2 : board[3] < kNumCards ? 1 : 0;
  return std::max(config.start_street, board_street);
}

void make_root(const TreeConfig& config, const Board& board, PlanNode& root, BuildContext& ctx) {
  root = PlanNode{};
  root.type = kNodeDecision;
  root.seat = 0;
  root.street = config.start_street;
  root.invested = 0;
  root.pot = config.starting_pot;
  root.turn = board[3];
  root.river = board[4];

  ctx = BuildContext{};
  ctx.stack = {config.effective_stack, config.effective_stack};
  ctx.pot = config.starting_pot;
  for (Card c : board) {
    if (c < kNumCards) ctx.dead |= card_bit(c);
  }
  ctx.turn = board[3];
  ctx.river = board[4];
}

BetLimits bet_limits(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx) {
  BetLimits l;
  l.seat = node.seat & 1;
  const int o = 1 - l.seat;
  l.stack = ctx.stack[l.seat];
  l.opponent_stack = ctx.stack[o];
  l.level = ctx.level;
  l.to_call = l.stack - l.opponent_stack;
  const std::int64_t matched_total = static_cast<std::int64_t>(node.invested) + l.to_call;
  l.pot_after_call = static_cast<std::int64_t>(cfg.starting_pot) + 2 * matched_total;
  l.allin = l.level + l.opponent_stack;
  l.min_raise =
      std::max<std::int64_t>(l.level + (l.level + l.to_call < l.allin ? l.to_call : l.opponent_stack), 1);
  l.streets_left = 3 - node.street;
  // With no chips behind (a zero effective stack) there is nothing to bet.
  l.can_bet = l.opponent_stack >= 1;
  return l;
}

std::int64_t size_to_chips(const SizeSpec& spec, bool raising, const BetLimits& l) {
  const double pac = l.pot();
  switch (spec.kind) {
    case kSizePotFraction:
      return raising
                 ? clamp_i64(l.level + round_clamp(pac * spec.value, -l.allin - 1, l.allin + 1), l.min_raise, l.allin)
                 : round_clamp(pac * spec.value, l.min_raise, l.allin);
    case kSizeRelative:
      return round_clamp(static_cast<double>(l.level) * spec.value, l.min_raise, l.allin);
    case kSizeChips:
      return clamp_i64(l.level + spec.amount, l.min_raise, l.allin);
    case kSizeGeometric: {
      const int k = spec.streets != 0 ? spec.streets : l.streets_left;
      if (k <= 0) return l.min_raise;
      double f = (std::pow(2.0 * l.spr() + 1.0, 1.0 / k) - 1.0) / 2.0;
      if (std::isfinite(spec.geo_max_fraction)) f = std::min(spec.geo_max_fraction, f);
      return round_clamp(pac * f, l.min_raise, l.allin);
    }
    case kSizeAllIn:
      return l.allin;
    default:
      return l.min_raise;
  }
}

bool facing_bet(const BuildContext& ctx) {
  return !(ctx.last_kind == 0 || ctx.last_kind == kActCheck || ctx.last_kind == kActDeal);
}

bool takes_lead_sizes(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx) {
  return (node.seat & 1) == 0 && cfg.street(node.street).leads.has_value() &&
         ((ctx.last_kind == 0 && node.street == cfg.start_street) ||
          (ctx.last_kind == kActDeal && ctx.aggressor != 0));
}

bool raise_capped(const SizeSpec& spec, const BuildContext& ctx) {
  return spec.kind == kSizeChips && spec.raise_cap >= 1 &&
         ctx.raise_count >= static_cast<std::uint32_t>(spec.raise_cap);
}

std::vector<Action> listed_actions(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                                   const BetLimits& l) {
  const StreetSizeLists& lists = cfg.street(node.street);
  std::vector<Action> actions;
  if (!facing_bet(ctx)) {
    const std::vector<SizeSpec>& sizes = takes_lead_sizes(cfg, node, ctx) ? *lists.leads : lists.bets[l.seat];
    actions.push_back({kActCheck, 0});
    if (l.can_bet) {
      for (const SizeSpec& spec : sizes) {
        const std::int64_t amount = size_to_chips(spec, false, l);
        actions.push_back({amount == l.allin ? kActAllIn : kActBet, static_cast<std::uint32_t>(amount)});
      }
    }
  } else {
    actions.push_back({kActFold, 0});
    const std::int64_t call = std::min(l.to_call, l.stack);
    actions.push_back({kActCall, static_cast<std::uint32_t>(call < 1 ? 0 : call)});
    if (!ctx.no_raise && l.can_bet) {
      for (const SizeSpec& spec : lists.raises[l.seat]) {
        if (raise_capped(spec, ctx)) continue;
        const std::int64_t amount = size_to_chips(spec, true, l);
        actions.push_back({amount == l.allin ? kActAllIn : kActRaise, static_cast<std::uint32_t>(amount)});
      }
    }
  }
  return actions;
}

void add_threshold_allin(std::vector<Action>& actions, const TreeConfig& cfg, const BuildContext& ctx,
                         const BetLimits& l) {
  const double threshold = cfg.all_in_threshold[l.seat];
  if (!ctx.no_raise && l.can_bet && threshold > 0.0 && l.allin >= 1 &&
      static_cast<double>(l.allin) <= std::round(l.pot() * threshold)) {
    const bool has_allin =
        std::any_of(actions.begin(), actions.end(), [](const Action& a) { return a.kind == kActAllIn; });
    if (!has_allin) actions.push_back({kActAllIn, static_cast<std::uint32_t>(l.allin)});
  }
}

void merge_near_allin(std::vector<Action>& actions, const TreeConfig& cfg, const BuildContext& ctx,
                      const BetLimits& l) {
  for (Action& a : actions) {
    if (a.kind != kActBet && a.kind != kActRaise && a.kind != kActAllIn) continue;
    const std::int64_t amt = clamp_i64(a.amount, l.min_raise, l.allin);
    const double m = std::round((static_cast<double>(ctx.pot) + 2.0 * static_cast<double>(amt - l.level)) *
                                cfg.all_in_merge_threshold);
    if (static_cast<double>(l.allin) <= static_cast<double>(l.level) + m || amt == l.allin) {
      a.kind = kActAllIn;
      a.amount = static_cast<std::uint32_t>(l.allin);
    } else {
      a.amount = static_cast<std::uint32_t>(amt);
    }
  }
}

void order_actions(std::vector<Action>& actions) {
  std::stable_partition(actions.begin(), actions.end(), [](const Action& a) { return !is_sized(a); });
  const auto first_sized =
      std::find_if(actions.begin(), actions.end(), [](const Action& a) { return is_sized(a); });
  std::stable_sort(first_sized, actions.end(), [](const Action& a, const Action& b) {
    return a.amount != b.amount ? a.amount < b.amount : a.kind < b.kind;
  });
}

void drop_close_sizes(std::vector<Action>& actions, const TreeConfig& cfg, const BetLimits& l) {
  if (l.pot_after_call <= 0) return;
  const double pac = l.pot();
  const std::int64_t level = l.level;
  const double t = cfg.size_dedupe_threshold;
  std::vector<Action> kept_rev;
  kept_rev.reserve(actions.size());
  double last_kept = 2147483647.0;
  for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
    const bool sized = (it->kind == kActBet || it->kind == kActRaise || it->kind == kActAllIn) && it->amount > 0;
    if (sized) {
      const double lhs = ((last_kept - level) / pac - t) / (1.0 + t) * 0.999999999999;
      const double rhs = (static_cast<double>(it->amount) - level) / pac;
      if (!(lhs > rhs)) continue;
      last_kept = it->amount;
    }
    kept_rev.push_back(*it);
  }
  actions.assign(kept_rev.rbegin(), kept_rev.rend());
}

ChildSpec player_child(const PlanNode& node, const BuildContext& ctx, const BetLimits& l, const Action& a) {
  const int s = l.seat;
  const int o = 1 - s;
  ChildSpec c;
  c.action = a;
  c.ctx = ctx;
  c.ctx.last_kind = a.kind;
  c.ctx.last_action = a.kind;
  c.ctx.last_actor = static_cast<std::uint8_t>(s);
  c.ctx.aggressor = 0;
  PlanNode& n = c.node;
  n.last_action = a.kind;
  n.last_actor = static_cast<std::uint8_t>(s);
  n.seat = 0;
  n.street = node.street;
  n.turn = ctx.turn;
  n.river = ctx.river;
  n.invested = node.invested;

  switch (a.kind) {
    case kActFold:
      n.type = kNodeTerminal;
      n.seat = static_cast<std::uint8_t>(s);
      break;
    case kActCheck:
      if (s == 0) {
        n.type = kNodeDecision;
        n.seat = 1;
      } else if (node.street >= 2) {
        n.type = kNodeTerminal;
      } else {
        n.type = kNodeChance;
        n.street = static_cast<std::uint8_t>(node.street + 1);
      }
      break;
    case kActCall: {
      c.ctx.raise_count = 0;
      c.ctx.level = 0;
      c.ctx.stack[s] -= a.amount;
      c.ctx.seat_totals[s] += a.amount;
      c.ctx.pot += a.amount;
      c.ctx.aggressor = static_cast<std::uint8_t>(o);
      n.invested = node.invested + a.amount;
      if (node.street >= 2) {
        n.type = kNodeTerminal;
      } else if (ctx.no_raise || c.ctx.stack[0] < 1 || c.ctx.stack[1] < 1) {
        n.type = kNodeTerminal;
        n.allin_runout = 1;
        c.ctx.no_raise = 1;
        n.street = static_cast<std::uint8_t>(node.street + 1);
      } else {
        n.type = kNodeChance;
        n.street = static_cast<std::uint8_t>(node.street + 1);
      }
      break;
    }
    default: {  // bet, raise, all-in
      const std::int64_t matched = std::min(std::max<std::int64_t>(l.to_call, 0), l.stack);
      const std::int64_t paid = std::min(l.stack, std::max<std::int64_t>(a.amount - l.level, 0) + matched);
      n.type = kNodeDecision;
      n.seat = static_cast<std::uint8_t>(o);
      c.ctx.raise_count = ctx.raise_count + 1;
      c.ctx.no_raise = a.kind == kActAllIn ? 1 : 0;
      c.ctx.stack[s] = static_cast<std::uint32_t>(l.stack - paid);
      c.ctx.seat_totals[s] += static_cast<std::uint32_t>(paid);
      c.ctx.pot += static_cast<std::uint32_t>(paid);
      c.ctx.level = a.amount;
      n.invested = node.invested + static_cast<std::uint32_t>(matched);
      break;
    }
  }
  n.pot = c.ctx.pot;
  n.seat_totals = c.ctx.seat_totals;
  return c;
}

void player_children(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                     std::vector<ChildSpec>& out) {
  if (node.street > 2) throw std::logic_error("Unknown street");
  const BetLimits limits = bet_limits(cfg, node, ctx);
  std::vector<Action> actions = listed_actions(cfg, node, ctx, limits);
  add_threshold_allin(actions, cfg, ctx, limits);
  merge_near_allin(actions, cfg, ctx, limits);
  order_actions(actions);
  drop_close_sizes(actions, cfg, limits);
  out.reserve(actions.size());
  for (const Action& a : actions) out.push_back(player_child(node, ctx, limits, a));
}

// The cards a chance node (or an all-in runout) deals: the board's own card
// when the board fixes it, else every live card but the suit-isomorphic twins.
std::vector<Card> deal_cards(const Board& board, const CardContext* context, const BuildContext& ctx) {
  std::vector<Card> cards;
  if (ctx.turn != kNoCard && ctx.river != kNoCard) return cards;
  const bool dealing_turn = ctx.turn == kNoCard;
  const Card fixed = dealing_turn ? board[3] : board[4];
  if (fixed != kNoCard) {
    if (fixed < kNumCards && !(ctx.dead & card_bit(fixed))) cards.push_back(fixed);
  } else {
    std::uint64_t skip = 0;
    if (context != nullptr) {
      const SuitIsomorphism& iso = context->suit_isomorphism();
      const DealIsomorphism& level = dealing_turn ? iso.turn : iso.river[ctx.turn < kNumCards ? ctx.turn : 0];
      if (dealing_turn || ctx.turn < kNumCards) {
        for (Card c : level.skipped) {
          if (c < kNumCards) skip |= card_bit(c);
        }
      }
    }
    for (int c = 0; c < kNumCards; ++c) {
      const std::uint64_t bit = card_bit(static_cast<Card>(c));
      if ((ctx.dead & bit) || (skip & bit)) continue;
      cards.push_back(static_cast<Card>(c));
    }
  }
  return cards;
}

// Children of a chance node, or of an all-in runout terminal.
void deal_children(const Board& board, const CardContext* context, const PlanNode& node, const BuildContext& ctx,
                   bool runout, std::vector<ChildSpec>& out) {
  if (ctx.turn != kNoCard && ctx.river != kNoCard) return;
  const bool dealing_turn = ctx.turn == kNoCard;
  const std::vector<Card> cards = deal_cards(board, context, ctx);
  const std::uint8_t dealt_street = dealing_turn ? 1 : 2;
  out.reserve(cards.size());
  for (Card card : cards) {
    ChildSpec c;
    c.action = {kActDeal, card};
    c.ctx = ctx;
    c.ctx.last_kind = kActDeal;
    c.ctx.dead |= card_bit(card);
    if (dealing_turn) {
      c.ctx.turn = card;
    } else {
      c.ctx.river = card;
    }
    PlanNode& n = c.node;
    n.seat = 0;
    n.street = dealt_street;
    n.invested = node.invested;
    n.pot = ctx.pot;
    n.seat_totals = ctx.seat_totals;
    n.last_action = ctx.last_action;
    n.last_actor = ctx.last_actor;
    n.turn = c.ctx.turn;
    n.river = c.ctx.river;
    if (runout) {
      n.type = kNodeTerminal;
      n.allin_runout = c.ctx.river == kNoCard ? 1 : 0;
    } else {
      n.type = kNodeDecision;
    }
    out.push_back(std::move(c));
  }
}

}  // namespace plan_detail

}  // namespace velmora
