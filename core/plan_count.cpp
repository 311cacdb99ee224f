#include "core/plan_count.h"

#include <algorithm>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "core/action_plan_internal.h"
#include "core/card_context.h"
#include "core/plan_depth.h"

namespace velmora {
namespace {

using plan_detail::ChildSpec;

struct Tally {
  double nodes = 0.0;
  double edges = 0.0;
  double decision_nodes = 0.0;
  std::array<double, 2> actions{0.0, 0.0};
  bool flop_runout = false;  // an all-in runout terminal with neither turn nor river
  bool turn_runout = false;  // one with a turn but no river
  std::size_t height = 0;    // actions on the deepest line below the node (not summed by add)

  void add(const Tally& o, double k = 1.0) {
    nodes += k * o.nodes;
    edges += k * o.edges;
    decision_nodes += k * o.decision_nodes;
    actions[0] += k * o.actions[0];
    actions[1] += k * o.actions[1];
    if (k > 0.0) {
      flop_runout = flop_runout || o.flop_runout;
      turn_runout = turn_runout || o.turn_runout;
    }
  }
};

// A subtree below a dealt turn: a + r * b, r the river cards dealt after it.
struct Linear {
  Tally a;
  Tally b;
  std::size_t height = 0;
};

// What the subtree of a decision node depends on besides the cards: the
// builder reads nothing else of the node and its context. The raise count
// matters only to capped chip raises and the pot only to all-in merging;
// leaving them out when unused lets lines that reach the same stacks and
// level share one count.
struct Key {
  std::uint8_t seat;
  std::uint8_t street;
  std::uint8_t last_kind;
  std::uint8_t no_raise;
  std::uint8_t aggressor;
  std::uint32_t invested;
  std::uint32_t stack0;
  std::uint32_t stack1;
  std::uint32_t level;
  std::uint32_t raise_count;
  std::uint32_t pot;
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  std::size_t operator()(const Key& k) const {
    std::uint64_t h = fnv1a_u64(k.seat | (k.street << 8) | (k.last_kind << 16) | (std::uint64_t{k.no_raise} << 24) |
                                (std::uint64_t{k.aggressor} << 32));
    for (std::uint32_t v : {k.invested, k.stack0, k.stack1, k.level, k.raise_count, k.pot}) {
      h = hash_combine(h, fnv1a_u64(v));
    }
    return static_cast<std::size_t>(h);
  }
};

bool uses_raise_caps(const TreeConfig& cfg) {
  for (const StreetSizeLists* s : {&cfg.flop, &cfg.turn, &cfg.river}) {
    for (const auto& list : s->raises) {
      for (const SizeSpec& spec : list) {
        if (spec.kind == kSizeChips && spec.raise_cap >= 1) return true;
      }
    }
  }
  return false;
}

class Counter {
 public:
  // `turn_copies` and `river_copies`: how many nodes of the built tree one
  // counted node below a dealt turn (and below a dealt river) stands for.
  Counter(const TreeConfig& cfg, const Board& board, const CardContext* context, const CancelFlag* cancel,
          const std::function<double(const PlanCount&)>& weigh, double limit, double turn_copies,
          double river_copies)
      : cfg_(cfg),
        board_(board),
        context_(context),
        cancel_(cancel),
        weigh_(weigh),
        limit_(limit),
        turn_copies_(turn_copies),
        river_copies_(river_copies),
        keep_raise_count_(uses_raise_caps(cfg)),
        keep_pot_(cfg.all_in_merge_threshold != 0.0) {}

  // Below a flop node: exact, since every flop chance node deals the same cards.
  Tally flop(const PlanNode& node, const BuildContext& ctx) {
    check_depth(0);
    const bool memo = node.type == kNodeDecision;
    if (const Tally* hit = memo ? recall(flop_memo_, node, ctx) : nullptr) {
      check_depth(hit->height);
      charge(*hit, 1.0);
      return *hit;
    }
    std::vector<ChildSpec> specs;
    const bool deals = expand(node, ctx, specs);
    Tally sum = own(node, specs.size());
    charge(sum, 1.0);
    if (deals) {
      if (!specs.empty()) {
        // The turn subtrees differ only in how many rivers follow each turn.
        Linear one = below([&] { return turn(specs[0].node, specs[0].ctx); });
        sum.height = one.height + 1;
        if (node.type == kNodeTerminal) {
          // The deals below a runout terminal are never valued: they need
          // no tables of their own.
          one.a.turn_runout = one.b.turn_runout = false;
        }
        sum.add(one.a, turn_copies_);
        sum.add(one.b, river_copies_);
      }
    } else {
      for (const ChildSpec& c : specs) {
        const Tally t = below([&] { return flop(c.node, c.ctx); });
        sum.add(t);
        sum.height = std::max(sum.height, t.height + 1);
      }
    }
    if (memo) remember(flop_memo_, node, ctx, sum);
    return sum;
  }

  // Below a node whose turn is dealt and river not.
  Linear turn(const PlanNode& node, const BuildContext& ctx) {
    check_depth(0);
    const bool memo = node.type == kNodeDecision;
    if (const Linear* hit = memo ? recall(turn_memo_, node, ctx) : nullptr) {
      check_depth(hit->height);
      charge(hit->a, turn_copies_);
      charge(hit->b, river_copies_);
      return *hit;
    }
    std::vector<ChildSpec> specs;
    const bool deals = expand(node, ctx, specs);
    Linear sum;
    if (deals) {
      sum.a = own(node, 0);
      sum.b.edges = 1.0;  // one action and one child per river card
      charge(sum.a, turn_copies_);
      charge(sum.b, river_copies_);
      if (!specs.empty()) {
        const Tally r = below([&] { return river(specs[0].node, specs[0].ctx); });
        sum.b.add(r);
        sum.height = r.height + 1;
      }
    } else {
      sum.a = own(node, specs.size());
      charge(sum.a, turn_copies_);
      for (const ChildSpec& c : specs) {
        const Linear l = below([&] { return turn(c.node, c.ctx); });
        sum.a.add(l.a);
        sum.b.add(l.b);
        sum.height = std::max(sum.height, l.height + 1);
      }
    }
    if (memo) remember(turn_memo_, node, ctx, sum);
    return sum;
  }

  // Below a node with a full board.
  Tally river(const PlanNode& node, const BuildContext& ctx) {
    check_depth(0);
    const bool memo = node.type == kNodeDecision;
    if (const Tally* hit = memo ? recall(river_memo_, node, ctx) : nullptr) {
      check_depth(hit->height);
      charge(*hit, river_copies_);
      return *hit;
    }
    std::vector<ChildSpec> specs;
    expand(node, ctx, specs);
    Tally sum = own(node, specs.size());
    charge(sum, river_copies_);
    for (const ChildSpec& c : specs) {
      const Tally t = below([&] { return river(c.node, c.ctx); });
      sum.add(t);
      sum.height = std::max(sum.height, t.height + 1);
    }
    if (memo) remember(river_memo_, node, ctx, sum);
    return sum;
  }

  static PlanCount as_count(const Tally& t) {
    PlanCount c;
    c.nodes = t.nodes;
    c.edges = t.edges;
    c.decision_nodes = t.decision_nodes;
    c.decision_actions = t.actions;
    c.depth = t.height;
    return c;
  }

 private:
  // Refuses the tree once a node lies deeper than the walks allow: the node
  // being counted, `height` actions further down. The counter itself then
  // never recurses deeper than that either.
  void check_depth(std::size_t height) const {
    if (depth_ + height > kMaxPlanDepth) throw too_deep_plan(cfg_, board_, context_, cancel_);
  }

  // Counts a child: one action further down.
  template <class Count>
  std::invoke_result_t<Count&> below(Count&& count) {
    struct Level {
      std::size_t& depth;
      ~Level() { --depth; }
    } level{++depth_};
    return count();
  }

  Key key_of(const PlanNode& node, const BuildContext& ctx) const {
    return Key{node.seat,
               node.street,
               ctx.last_kind,
               ctx.no_raise,
               ctx.aggressor,
               node.invested,
               ctx.stack[0],
               ctx.stack[1],
               ctx.level,
               keep_raise_count_ ? ctx.raise_count : 0u,
               keep_pot_ ? ctx.pot : 0u};
  }

  // The remembered count of a decision node's subtree, or null.
  template <typename Map>
  const typename Map::mapped_type* recall(const Map& map, const PlanNode& node, const BuildContext& ctx) const {
    const auto it = map.find(key_of(node, ctx));
    return it == map.end() ? nullptr : &it->second;
  }

  template <typename Map, typename Value>
  void remember(Map& map, const PlanNode& node, const BuildContext& ctx, const Value& value) {
    map.emplace(key_of(node, ctx), value);
  }

  // The children of a node; true when they are deals.
  bool expand(const PlanNode& node, const BuildContext& ctx, std::vector<ChildSpec>& specs) {
    if ((++visits_ & 0x3FF) == 0) throw_if_cancelled(cancel_);
    if (node.type == kNodeDecision) {
      plan_detail::player_children(cfg_, node, ctx, specs);
      return false;
    }
    if (node.type == kNodeChance || node.allin_runout) {
      plan_detail::deal_children(board_, context_, node, ctx, node.type != kNodeChance, specs);
      return true;
    }
    return false;
  }

  // The node itself with `edges` entries in its lists.
  static Tally own(const PlanNode& node, std::size_t edges) {
    Tally t;
    t.nodes = 1.0;
    t.edges = static_cast<double>(edges);
    if (node.type == kNodeDecision && edges > 0) {
      t.decision_nodes = 1.0;
      t.actions[node.seat & 1] = static_cast<double>(edges);
    }
    if (node.type == kNodeTerminal && node.last_action != kActFold) {
      t.flop_runout = node.turn == kNoCard && node.river == kNoCard;
      t.turn_runout = node.turn != kNoCard && node.river == kNoCard;
    }
    return t;
  }

  // Adds `copies` of a counted part to the running total, a lower bound of
  // the whole tree's weight.
  void charge(const Tally& part, double copies) {
    if (!weigh_) return;
    Tally scaled;
    scaled.add(part, copies);
    counted_ += weigh_(as_count(scaled)) - zero_;
    if (counted_ > limit_) throw PlanTooLarge();
  }

  const TreeConfig& cfg_;
  const Board& board_;
  const CardContext* context_;
  const CancelFlag* cancel_;
  const std::function<double(const PlanCount&)>& weigh_;
  double limit_;
  double turn_copies_;
  double river_copies_;
  bool keep_raise_count_;
  bool keep_pot_;
  double zero_ = weigh_ ? weigh_(PlanCount{}) : 0.0;
  double counted_ = 0.0;
  std::uint64_t visits_ = 0;
  std::size_t depth_ = 0;  // actions above the node being counted
  std::unordered_map<Key, Tally, KeyHash> flop_memo_;
  std::unordered_map<Key, Linear, KeyHash> turn_memo_;
  std::unordered_map<Key, Tally, KeyHash> river_memo_;
};

// The whole tree below the root; `rivers` is the number of river cards
// dealt after a turn the root already holds.
Tally count_tree(Counter& counter, const PlanNode& root, const BuildContext& ctx, double rivers) {
  if (ctx.turn == kNoCard) return counter.flop(root, ctx);
  if (ctx.river != kNoCard) return counter.river(root, ctx);
  const Linear l = counter.turn(root, ctx);
  Tally total = l.a;
  total.add(l.b, rivers);
  total.height = l.height;
  return total;
}

}  // namespace

PlanCount count_plan(const TreeConfig& config, const CardContext& context, const CancelFlag* cancel,
                     const std::function<double(const PlanCount&)>& weigh, double limit) {
  const Board& board = context.board();
  TreeConfig cfg = config;
  cfg.start_street = plan_detail::start_street(config, board);
  PlanNode root;
  BuildContext ctx;
  plan_detail::make_root(cfg, board, root, ctx);

  // The cards dealt after the root: every flop chance node deals the same
  // turns, and a turn the same rivers wherever it is dealt.
  double turns = 1.0;
  double rivers = 1.0;
  std::uint64_t turn_boards = 0;
  if (ctx.turn == kNoCard) {
    const std::vector<Card> dealt = plan_detail::deal_cards(board, &context, ctx);
    turns = static_cast<double>(dealt.size());
    rivers = 0.0;
    for (Card c : dealt) {
      turn_boards |= std::uint64_t{1} << c;
      BuildContext after = ctx;
      after.turn = c;
      after.dead |= card_bit(c);
      rivers += static_cast<double>(plan_detail::deal_cards(board, &context, after).size());
    }
  } else if (ctx.river == kNoCard) {
    rivers = static_cast<double>(plan_detail::deal_cards(board, &context, ctx).size());
    turn_boards = std::uint64_t{1} << ctx.turn;
  }

  Counter counter(cfg, board, &context, cancel, weigh, limit, turns, rivers);
  const Tally total = count_tree(counter, root, ctx, rivers);

  PlanCount out = Counter::as_count(total);
  if (total.flop_runout) out.allin_boards |= std::uint64_t{1} << kNumCards;
  if (total.turn_runout) out.allin_boards |= turn_boards;
  return out;
}

void check_plan_depth(const TreeConfig& config, const Board& board, const CancelFlag* cancel) {
  TreeConfig cfg = config;
  cfg.start_street = plan_detail::start_street(config, board);
  PlanNode root;
  BuildContext ctx;
  plan_detail::make_root(cfg, board, root, ctx);
  // Which cards are dealt, and how many, lengthens no line: the walk goes
  // without the card context and weighs nothing.
  const std::function<double(const PlanCount&)> unweighed;
  Counter counter(cfg, board, nullptr, cancel, unweighed, std::numeric_limits<double>::infinity(), 1.0, 1.0);
  count_tree(counter, root, ctx, 1.0);
}

}  // namespace velmora
