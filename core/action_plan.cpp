#include "core/action_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <memory>
#include <limits>
#include <stdexcept>
#include <thread>
#include <utility>

#include "core/action_plan_internal.h"
#include "core/card_context.h"
#include "core/huge_pages.h"
#include "core/plan_depth.h"
#include "core/threads.h"

namespace velmora {

const StreetSizeLists& TreeConfig::street(int s) const {
  switch (s) {
    case 0:
      return flop;
    case 1:
      return turn;
    case 2:
      return river;
    default:
      throw std::logic_error("Unknown street");
  }
}

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

// Reads an integer the way std::stoi does (leading blanks, optional sign,
// digits, anything after ignored); nullopt when no integer can be read.
std::optional<long long> read_leading_int(const char* text) {
  if (text == nullptr) return std::nullopt;
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = (*p == '-');
    ++p;
  }
  if (*p < '0' || *p > '9') return std::nullopt;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    const int d = *p - '0';
    if (value > (std::numeric_limits<int>::max() - d) / 10) return std::nullopt;  // out of int range
    value = value * 10 + d;
  }
  return negative ? -value : value;
}

}  // namespace

unsigned ActionPlan::max_workers_from_env() {
  unsigned hw = std::thread::hardware_concurrency();
  if (hw == 0) hw = 1;
  const auto v = read_leading_int(std::getenv("VELMORA_ACTIONPLAN_MAX_WORKERS"));
  if (v && *v > 0) return static_cast<unsigned>(*v);
  return hw;
}

ActionPlan::ActionPlan(const TreeConfig& config, const CardContext* context, const CancelFlag* cancel)
    : ActionPlan(config, context ? context->board() : Board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard}, context,
                 cancel) {}

ActionPlan::ActionPlan(const TreeConfig& config, const Board& board, const CardContext* context,
                       const CancelFlag* cancel)
    : config_(config), board_(board), context_(context), cancel_(cancel) {
  config_.start_street = plan_detail::start_street(config_, board_);
  max_workers_ = max_workers_from_env();
  build();
}

void ActionPlan::build() {
  PlanNode root;
  BuildContext ctx;
  plan_detail::make_root(config_, board_, root, ctx);
  nodes_.clear();
  nodes_.push_back(std::move(root));
  build_recursive(0, ctx, 0);
}

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

// Children of a decision node: sizes resolved against the pot and stacks,
// all-in merging, ordering, de-duplication, then the child records.
void player_children(const TreeConfig& cfg, const PlanNode& node, const BuildContext& ctx,
                     std::vector<ChildSpec>& out) {
  if (node.street > 2) throw std::logic_error("Unknown street");
  const StreetSizeLists& lists = cfg.street(node.street);
  const int s = node.seat & 1;
  const int o = 1 - s;
  const std::int64_t stack_s = ctx.stack[s];
  const std::int64_t stack_o = ctx.stack[o];
  const std::int64_t level = ctx.level;
  const std::int64_t to_call = stack_s - stack_o;
  const std::int64_t matched_total = static_cast<std::int64_t>(node.invested) + to_call;
  const std::int64_t pot_after_call = static_cast<std::int64_t>(cfg.starting_pot) + 2 * matched_total;
  const std::int64_t allin = level + stack_o;
  const std::int64_t min_raise = std::max<std::int64_t>(level + (level + to_call < allin ? to_call : stack_o), 1);
  const int streets_left = 3 - node.street;
  const double pac = static_cast<double>(pot_after_call);
  const double spr = pot_after_call > 0 ? static_cast<double>(stack_o) / pac : 0.0;
  // With no chips behind (a zero effective stack) there is nothing to bet.
  const bool can_bet = stack_o >= 1;

  auto resolve = [&](const SizeSpec& spec, bool raising) -> std::int64_t {
    switch (spec.kind) {
      case kSizePotFraction:
        return raising ? clamp_i64(level + round_clamp(pac * spec.value, -allin - 1, allin + 1), min_raise, allin)
                       : round_clamp(pac * spec.value, min_raise, allin);
      case kSizeRelative:
        return round_clamp(static_cast<double>(level) * spec.value, min_raise, allin);
      case kSizeChips:
        return clamp_i64(level + spec.amount, min_raise, allin);
      case kSizeGeometric: {
        const int k = spec.streets != 0 ? spec.streets : streets_left;
        if (k <= 0) return min_raise;
        double f = (std::pow(2.0 * spr + 1.0, 1.0 / k) - 1.0) / 2.0;
        if (std::isfinite(spec.geo_max_fraction)) f = std::min(spec.geo_max_fraction, f);
        return round_clamp(pac * f, min_raise, allin);
      }
      case kSizeAllIn:
        return allin;
      default:
        return min_raise;
    }
  };

  std::vector<Action> actions;
  const bool facing_bet = !(ctx.last_kind == 0 || ctx.last_kind == kActCheck || ctx.last_kind == kActDeal);
  if (!facing_bet) {
    const bool lead = s == 0 && lists.leads.has_value() &&
                      ((ctx.last_kind == 0 && node.street == cfg.start_street) ||
                       (ctx.last_kind == kActDeal && ctx.aggressor != 0));
    const std::vector<SizeSpec>& sizes = lead ? *lists.leads : lists.bets[s];
    actions.push_back({kActCheck, 0});
    if (can_bet) {
      for (const SizeSpec& spec : sizes) {
        const std::int64_t amount = resolve(spec, false);
        actions.push_back({amount == allin ? kActAllIn : kActBet, static_cast<std::uint32_t>(amount)});
      }
    }
  } else {
    actions.push_back({kActFold, 0});
    const std::int64_t call = std::min(to_call, stack_s);
    actions.push_back({kActCall, static_cast<std::uint32_t>(call < 1 ? 0 : call)});
    if (!ctx.no_raise && can_bet) {
      for (const SizeSpec& spec : lists.raises[s]) {
        if (spec.kind == kSizeChips && spec.raise_cap >= 1 &&
            ctx.raise_count >= static_cast<std::uint32_t>(spec.raise_cap)) {
          continue;
        }
        const std::int64_t amount = resolve(spec, true);
        actions.push_back({amount == allin ? kActAllIn : kActRaise, static_cast<std::uint32_t>(amount)});
      }
    }
  }

  // All-in by threshold.
  const double threshold = cfg.all_in_threshold[s];
  if (!ctx.no_raise && can_bet && threshold > 0.0 && allin >= 1 &&
      static_cast<double>(allin) <= std::round(pac * threshold)) {
    const bool has_allin =
        std::any_of(actions.begin(), actions.end(), [](const Action& a) { return a.kind == kActAllIn; });
    if (!has_allin) actions.push_back({kActAllIn, static_cast<std::uint32_t>(allin)});
  }

  // Merge near-all-in sizes into the all-in.
  for (Action& a : actions) {
    if (a.kind != kActBet && a.kind != kActRaise && a.kind != kActAllIn) continue;
    const std::int64_t amt = clamp_i64(a.amount, min_raise, allin);
    const double m =
        std::round((static_cast<double>(ctx.pot) + 2.0 * static_cast<double>(amt - level)) * cfg.all_in_merge_threshold);
    if (static_cast<double>(allin) <= static_cast<double>(level) + m || amt == allin) {
      a.kind = kActAllIn;
      a.amount = static_cast<std::uint32_t>(allin);
    } else {
      a.amount = static_cast<std::uint32_t>(amt);
    }
  }

  // Order: non-sized actions first in their order, then sizes ascending.
  std::stable_partition(actions.begin(), actions.end(), [](const Action& a) { return !is_sized(a); });
  const auto first_sized =
      std::find_if(actions.begin(), actions.end(), [](const Action& a) { return is_sized(a); });
  std::stable_sort(first_sized, actions.end(), [](const Action& a, const Action& b) {
    return a.amount != b.amount ? a.amount < b.amount : a.kind < b.kind;
  });

  // De-duplicate sizes that lie too close to a larger kept size.
  if (pot_after_call > 0) {
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

  // Child records.
  out.reserve(actions.size());
  for (const Action& a : actions) {
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
        const std::int64_t matched = std::min(std::max<std::int64_t>(to_call, 0), stack_s);
        const std::int64_t paid = std::min(stack_s, std::max<std::int64_t>(a.amount - level, 0) + matched);
        n.type = kNodeDecision;
        n.seat = static_cast<std::uint8_t>(o);
        c.ctx.raise_count = ctx.raise_count + 1;
        c.ctx.no_raise = a.kind == kActAllIn ? 1 : 0;
        c.ctx.stack[s] = static_cast<std::uint32_t>(stack_s - paid);
        c.ctx.seat_totals[s] += static_cast<std::uint32_t>(paid);
        c.ctx.pot += static_cast<std::uint32_t>(paid);
        c.ctx.level = a.amount;
        n.invested = node.invested + static_cast<std::uint32_t>(matched);
        break;
      }
    }
    n.pot = c.ctx.pot;
    n.seat_totals = c.ctx.seat_totals;
    out.push_back(std::move(c));
  }
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

namespace {

using plan_detail::ChildSpec;

// Child references inside a subtree: a local index, or (with the top bit
// set) the number of a subtree built by another task.
constexpr std::uint64_t kEmbedded = std::uint64_t{1} << 63;

// A subtree under construction: its nodes in local depth-first pre-order
// (element 0 its root) and the subtrees that other tasks built for some of
// its children. A deque keeps growth cheap: nodes never move until the
// final numbering.
struct Subtree {
  std::deque<PlanNode> nodes;
  std::vector<std::unique_ptr<Subtree>> embedded;
};

// Builds subtrees; nodes near the root hand child subtrees to asynchronous
// tasks. Each task fills a private Subtree, and the final numbering walks
// everything in pre-order (a node, then the whole subtree of its first
// child, then the next child), so the indices are the same whatever the
// scheduling and the worker count.
struct SubtreeBuilder {
  const TreeConfig& cfg;
  const Board& board;
  const CardContext* context;
  const CancelFlag* cancel;
  std::atomic<unsigned>& active;
  unsigned max_workers;
  int max_parallel_depth;

  bool try_reserve_task() {
    unsigned cur = active.load(std::memory_order_relaxed);
    while (cur < max_workers) {
      if (active.compare_exchange_weak(cur, cur + 1, std::memory_order_acq_rel)) return true;
    }
    return false;
  }

  std::unique_ptr<Subtree> build_subtree(PlanNode root, const BuildContext& ctx, int depth) {
    auto sub = std::make_unique<Subtree>();
    sub->nodes.push_back(std::move(root));
    expand(*sub, 0, ctx, depth);
    return sub;
  }

  void expand(Subtree& sub, std::size_t i, const BuildContext& ctx, int depth) {
    throw_if_cancelled(cancel);
    // `depth` actions lie above node i: deeper than the walks' stacks allow.
    if (static_cast<std::size_t>(depth) > kMaxPlanDepth) {
      throw too_deep_plan(cfg, board, context, cancel);
    }
    std::vector<ChildSpec> specs;
    {
      const PlanNode& node = sub.nodes[i];
      if (node.type == kNodeDecision) {
        plan_detail::player_children(cfg, node, ctx, specs);
      } else if (node.type == kNodeChance) {
        plan_detail::deal_children(board, context, node, ctx, false, specs);
      } else if (node.allin_runout) {
        plan_detail::deal_children(board, context, node, ctx, true, specs);
      }
    }
    if (specs.empty()) return;

    // Start the parallel subtrees first, so that they run while this thread
    // builds the others.
    std::vector<AsyncTask<std::unique_ptr<Subtree>>> tasks;
    if (depth < max_parallel_depth) {
      tasks.resize(specs.size());
      for (std::size_t k = 0; k < specs.size(); ++k) {
        if (!try_reserve_task()) break;
        try {
          tasks[k] = run_async([this, &specs, k, depth]() {
            struct Release {
              std::atomic<unsigned>& a;
              ~Release() { a.fetch_sub(1, std::memory_order_acq_rel); }
            } release{active};
            return build_subtree(specs[k].node, specs[k].ctx, depth + 1);
          });
        } catch (...) {
          active.fetch_sub(1, std::memory_order_acq_rel);
          throw;
        }
      }
    }

    std::vector<Action> actions;
    actions.reserve(specs.size());
    for (const ChildSpec& spec : specs) actions.push_back(spec.action);
    sub.nodes[i].actions.assign(actions.begin(), actions.end());  // deque references survive push_back
    std::vector<std::uint64_t> children(specs.size());
    for (std::size_t k = 0; k < specs.size(); ++k) {
      if (k < tasks.size() && tasks[k].valid()) {
        children[k] = kEmbedded | sub.embedded.size();
        sub.embedded.push_back(tasks[k].get());
      } else {
        const std::size_t idx = sub.nodes.size();
        children[k] = idx;
        sub.nodes.push_back(std::move(specs[k].node));
        expand(sub, idx, specs[k].ctx, depth + 1);
      }
    }
    sub.nodes[i].children.assign(children.begin(), children.end());
  }
};

// Moves node `local` of `sub` and everything below it to the end of `out`
// in pre-order, rewriting child references to final indices. Returns the
// node's final index.
std::uint64_t emit(Subtree& sub, std::size_t local, std::vector<PlanNode>& out, const CancelFlag* cancel) {
  const std::uint64_t index = out.size();
  if ((index & 0xFFFF) == 0) throw_if_cancelled(cancel);
  out.push_back(std::move(sub.nodes[local]));
  const std::size_t n = out[index].children.size();
  for (std::size_t k = 0; k < n; ++k) {
    const std::uint64_t ref = out[index].children[k];
    const std::uint64_t child = (ref & kEmbedded) ? emit(*sub.embedded[ref & ~kEmbedded], 0, out, cancel)
                                                  : emit(sub, static_cast<std::size_t>(ref), out, cancel);
    out[index].children[k] = child;
  }
  return index;
}

std::size_t subtree_size(const Subtree& sub) {
  std::size_t n = sub.nodes.size();
  for (const auto& e : sub.embedded) n += subtree_size(*e);
  return n;
}

}  // namespace

// Builds everything below node `index`, the last node of the vector, and
// appends it in pre-order.
void ActionPlan::build_recursive(std::uint64_t index, const BuildContext& ctx, int depth) {
  if (index + 1 != nodes_.size()) throw std::logic_error("Subtree root must be the last node");
  SubtreeBuilder builder{config_, board_, context_, cancel_, active_tasks_, max_workers_, max_parallel_depth_};
  std::unique_ptr<Subtree> sub = builder.build_subtree(std::move(nodes_.back()), ctx, depth);
  nodes_.pop_back();
  nodes_.reserve(nodes_.size() + subtree_size(*sub));
  advise_huge_pages(nodes_.data(), nodes_.capacity() * sizeof(PlanNode));
  emit(*sub, 0, nodes_, cancel_);
}

}  // namespace velmora
