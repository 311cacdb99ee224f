#include "core/game.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/action_plan_internal.h"

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
  for (PlanNode& p : plan_nodes) {
    if ((nodes_.size() & 0xFFFF) == 0) throw_if_cancelled(cancel);
    GameNode g;
    static_cast<PlanNode&>(g) = std::move(p);
    nodes_.push_back(std::move(g));
  }
  plan_nodes = {};  // the emptied shells go before the tables below are built
  terminal_payoffs_.resize(nodes_.size());
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    if ((i & 0xFFFF) == 0) throw_if_cancelled(cancel);
    if (nodes_[i].type == kNodeTerminal) terminal_payoffs_[i] = make_terminal_payoff(*this, nodes_[i]);
  }
  const bool with_rake = config_.rake_rate > 0.0 && config_.rake_cap > 0.0;
  matchups_.build(card_context_, allin_boards, with_rake, cancel);
}

double Game::planned_bytes(double nodes, double edges) {
  // While the game takes the plan's nodes over, both node vectors are held at
  // once; the solve's own tables come later and are larger, so the settled
  // game is what counts.
  return nodes * static_cast<double>(sizeof(GameNode) + sizeof(TerminalPayoff)) +
         edges * static_cast<double>(sizeof(Action) + sizeof(std::uint64_t));
}

void Game::set_node_lock(std::uint64_t node, LockVector&& lock) { node_locks_[node] = std::move(lock); }

const LockVector* Game::find_node_lock(std::uint64_t node) const {
  const auto it = node_locks_.find(node);
  return it == node_locks_.end() ? nullptr : &it->second;
}

void Game::store_node_values(std::uint64_t node, int seat, const std::vector<float>& values) {
  if (node >= nodes_.size() || seat < 0 || seat > 1) return;
  GameNode& g = nodes_[node];
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
