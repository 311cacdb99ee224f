#include "core/game.h"

#include <algorithm>
#include <cmath>
#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "core/action_plan_internal.h"
#include "core/huge_pages.h"

namespace velmora {

namespace {

const std::vector<std::uint32_t>& empty_twins() {
  static const std::vector<std::uint32_t> empty;
  return empty;
}

const SlotPairLists& empty_pairs() {
  static const SlotPairLists empty;
  return empty;
}

}  // namespace

// The configuration as solved: the start moved up to the board's street.
static TreeConfig as_solved(const TreeConfig& config, const Board& board) {
  TreeConfig solved = config;
  solved.start_street = plan_detail::start_street(config, board);
  return solved;
}

Game::Game(const TreeConfig& config, CardContext&& context, const CancelFlag* cancel)
    : config_(as_solved(config, context.board())),
      card_context_(std::move(context)),
      plan_(TreeConfig(config_), &card_context_, cancel) {
  // The node records take over the plan's nodes rather than copying them:
  // a flop tree's lists would otherwise be held twice.
  const std::uint64_t allin_boards = RunoutMatchups::needed_boards(plan_.nodes());
  std::vector<PlanNode> plan_nodes = plan_.release_nodes();
  nodes_.reserve(plan_nodes.size());
  advise_huge_pages(nodes_.data(), nodes_.capacity() * sizeof(GameNode));
  for (PlanNode& p : plan_nodes) {
    if ((nodes_.size() & 0xFFFF) == 0) throw_if_cancelled(cancel);
    GameNode& g = nodes_.emplace_back();
    static_cast<PlanNode&>(g) = std::move(p);
  }
  plan_nodes = {};  // the emptied shells go before the tables below are built
  // The lists were allocated node by node on the builder's threads; packed
  // into one buffer they take less room and leave those threads' heaps
  // empty, to be handed back below.
  std::size_t words = 0;
  for (const GameNode& g : nodes_) words += link_words(g.actions.size());
  links_.reserve(words);
  advise_huge_pages(links_.data(), links_.capacity() * sizeof(std::uint64_t));
  links_.resize(words);
  std::uint64_t* at = links_.data();
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    if ((i & 0xFFFF) == 0) throw_if_cancelled(cancel);
    GameNode& g = nodes_[i];
    const std::size_t a = CompactList<Action>::block_words(g.actions.size());
    g.actions.move_to(at);
    at += a;
    const std::size_t c = CompactList<std::uint64_t>::block_words(g.children.size());
    g.children.move_to(at);
    at += c;
  }
  const bool with_rake = config_.rake_rate > 0.0 && config_.rake_cap > 0.0;
  matchups_.build(card_context_, allin_boards, with_rake, cancel);
#if defined(__GLIBC__)
  // Building the tree freed many small blocks; hand their pages back to the
  // system before the solver allocates its matrices.
  malloc_trim(0);
#endif
}

std::size_t Game::link_words(std::size_t children) {
  return CompactList<Action>::block_words(children) + CompactList<std::uint64_t>::block_words(children);
}

double Game::planned_bytes(double nodes, double edges, double decisions) {
  // While the game takes the plan's nodes over, both node vectors are held at
  // once; the solve's own tables come later and are larger, so the settled
  // game is what counts: the node records and their packed lists, a count
  // and the entries for each of the two lists of a node with children (the
  // decision nodes and the few chance and runout nodes, ignored here).
  return nodes * static_cast<double>(sizeof(GameNode)) + decisions * 2.0 * sizeof(std::uint64_t) +
         edges * static_cast<double>(sizeof(Action) + sizeof(std::uint64_t));
}

void Game::set_node_lock(std::uint64_t node, LockVector&& lock) { node_locks_[node] = std::move(lock); }

const LockVector* Game::find_node_lock(std::uint64_t node) const {
  const auto it = node_locks_.find(node);
  return it == node_locks_.end() ? nullptr : &it->second;
}

namespace node_values {
const StoredNodeValues& none() {
  static const StoredNodeValues empty;
  return empty;
}
}  // namespace node_values

void Game::store_node_values(std::uint64_t node, int seat, const std::vector<float>& values) {
  if (node >= nodes_.size() || seat < 0 || seat > 1) return;
  if (nodes_[node].values.record == nullptr) nodes_[node].values.record = &stored_values_.emplace_back();
  StoredNodeValues& g = *const_cast<StoredNodeValues*>(nodes_[node].values.record);
  if (!compress_) {
    g.values[seat] = values;
    g.values16[seat].clear();
    g.scale[seat] = 1.0f;
    g.has_values16[seat] = 0;
    return;
  }
  g.values[seat].clear();
  std::vector<std::int16_t>& q = g.values16[seat];
  float scale = 0.0f;
  for (float x : values) scale = std::max(scale, std::fabs(x));
  if (values.empty() || !(static_cast<double>(scale) > 1e-9)) {
    // All (near) zero, or NaN everywhere: store zeros.
    q.assign(values.size(), 0);
    g.scale[seat] = 1.0f;
  } else {
    q.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      const float x = values[i] / scale;
      const float r = std::isnan(x) ? 0.0f : std::clamp(x, -1.0f, 1.0f);
      q[i] = static_cast<std::int16_t>(std::lroundf(32767.0f * r));
    }
    g.scale[seat] = scale;
  }
  g.has_values16[seat] = q.empty() ? 0 : 1;
}

// The deal level of a chance node: the turn while the node's turn is open,
// else the river after the node's turn card. The builder picks the card to
// deal by the same rule, so the twins line up with the node's children.
static const DealIsomorphism* deal_level(const CardContext& ctx, const PlanNode& node) {
  if (node.type != kNodeChance) return nullptr;
  const SuitIsomorphism& iso = ctx.suit_isomorphism();
  if (node.turn == kNoCard) return &iso.turn;
  if (node.river == kNoCard && node.turn < kNumCards) return &iso.river[node.turn];
  return nullptr;
}

const std::vector<std::uint32_t>& Game::deal_twins(const PlanNode& node) const {
  const DealIsomorphism* level = deal_level(card_context_, node);
  return level ? level->twins : empty_twins();
}

const SlotPairLists& Game::deal_swap_pairs(const PlanNode& node, std::size_t k) const {
  const DealIsomorphism* level = deal_level(card_context_, node);
  if (!level || k >= level->skipped.size()) return empty_pairs();
  const Card c = level->skipped[k];
  if (c >= kNumCards) return empty_pairs();
  return level->swaps[card_suit(c)];
}

}  // namespace velmora
