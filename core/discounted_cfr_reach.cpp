// Overall action frequencies of every node, each hand of the acting seat
// counted by how much of it reaches the node: one walk over the tree that
// carries both seats' reach down from the root.
#include <immintrin.h>

#include <atomic>
#include <cmath>
#include <deque>
#include <limits>

#include "core/discounted_cfr.h"
#include "core/discounted_cfr_internal.h"

namespace velmora {

using namespace cfr_detail;

namespace {

// Where a walk starts: a node and both seats' reach there.
struct ReachStart {
  std::uint64_t node = 0;
  std::array<std::vector<float>, 2> reach;
  std::array<double, 2> mass{0.0, 0.0};  // the sums of the two reaches
};

// Cards a node has dealt, as a mask.
std::uint64_t dealt_cards(const PlanNode& node) {
  std::uint64_t mask = 0;
  if (node.turn < kNumCards) mask |= card_bit(node.turn);
  if (node.river < kNumCards) mask |= card_bit(node.river);
  return mask;
}

// out = reach with the hands holding a card of `dead` at 0; returns its sum.
double remove_dead(float* out, const float* reach, const std::vector<Pocket>& pockets, std::uint64_t dead) {
  double sum = 0.0;
  for (std::size_t h = 0; h < pockets.size(); ++h) {
    out[h] = (pocket_mask(pockets[h]) & dead) != 0 ? 0.0f : reach[h];
    sum += out[h];
  }
  return sum;
}

// row[h] *= reach[h] for every hand; returns the sum of the products, added
// up in double.
double scale_row(float* row, const float* reach, std::size_t H) {
  __m256d acc = _mm256_setzero_pd();
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    const __m256 x = _mm256_mul_ps(_mm256_loadu_ps(row + h), _mm256_loadu_ps(reach + h));
    _mm256_storeu_ps(row + h, x);
    acc = _mm256_add_pd(acc, _mm256_cvtps_pd(_mm256_castps256_ps128(x)));
    acc = _mm256_add_pd(acc, _mm256_cvtps_pd(_mm256_extractf128_ps(x, 1)));
  }
  alignas(32) double lanes[4];
  _mm256_store_pd(lanes, acc);
  double sum = (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
  for (; h < H; ++h) {
    row[h] *= reach[h];
    sum += row[h];
  }
  return sum;
}

}  // namespace

// Walks the subtree of one start with a stack of levels, one per depth of
// the subtree, so the walk needs no recursion. A level keeps what its node
// hands its children; the reach of the seat that does not act at a decision
// node is not copied, the children read the level above's.
class DiscountedCfr::ReachWalk {
 public:
  ReachWalk(const DiscountedCfr& solver, const Game& game, NodeFrequencies& out)
      : solver_(solver), nodes_(game.nodes()), context_(game.card_context()), out_(out) {}

  // Walks the subtree below `start`. With `starts`, the children of the
  // chance nodes met are not walked but listed there with their reach.
  void run(const ReachStart& start, std::vector<ReachStart>* starts) {
    enter(0, start.node, {start.reach[0].data(), start.reach[1].data()}, start.mass);
    std::size_t depth = 0;
    for (;;) {
      Level& level = levels_[depth];
      if (level.next >= level.children) {
        if (depth == 0) return;
        --depth;
        continue;
      }
      const std::size_t a = level.next++;
      const GameNode& node = nodes_[level.node];
      const std::uint64_t child = node.children[a];
      if (child == 0 || child >= nodes_.size() || nodes_[child].type == kNodeTerminal) continue;
      std::array<const float*, 2> reach = level.reach;
      std::array<double, 2> mass = level.mass;
      if (node.type == kNodeDecision) {
        reach[node.seat] = level.rows.data() + a * context_.hand_count(node.seat);
        mass[node.seat] = level.row_mass[a];
      } else {
        const std::uint64_t dead = dealt_cards(nodes_[child]);
        if (starts != nullptr) {
          ReachStart s;
          s.node = child;
          for (int seat = 0; seat < 2; ++seat) {
            s.reach[seat].resize(context_.hand_count(seat));
            s.mass[seat] = remove_dead(s.reach[seat].data(), reach[seat], context_.pockets(seat), dead);
          }
          if (s.mass[0] > 0.0 || s.mass[1] > 0.0) starts->push_back(std::move(s));
          continue;
        }
        for (int seat = 0; seat < 2; ++seat) {
          float* out = grow(level.dealt[seat], context_.hand_count(seat));
          mass[seat] = remove_dead(out, reach[seat], context_.pockets(seat), dead);
          reach[seat] = out;
        }
      }
      // Below a node that neither seat reaches every figure stays NaN.
      if (!(mass[0] > 0.0) && !(mass[1] > 0.0)) continue;
      enter(depth + 1, child, reach, mass);
      ++depth;
    }
  }

 private:
  struct Level {
    std::uint64_t node = 0;
    std::size_t next = 0;      // the child to walk next
    std::size_t children = 0;  // children to walk
    std::array<const float*, 2> reach{};
    std::array<double, 2> mass{0.0, 0.0};
    std::vector<float> rows;                  // decision node: the acting seat's reach of each child, A x H
    std::vector<double> row_mass;             // and its sum per child
    std::array<std::vector<float>, 2> dealt;  // chance node: the reach of the child being walked
    std::vector<float> sums;                  // buffers of the average strategy
    std::vector<float> scratch;
  };

  void enter(std::size_t depth, std::uint64_t index, std::array<const float*, 2> reach,
             std::array<double, 2> mass) {
    if (levels_.size() <= depth) levels_.emplace_back();
    Level& level = levels_[depth];
    const GameNode& node = nodes_[index];
    level.node = index;
    level.next = 0;
    level.reach = reach;
    level.mass = mass;
    level.children = node.children.size();
    if (node.type != kNodeDecision) return;
    if (node.seat > 1) {
      level.children = 0;
      return;
    }
    const int seat = node.seat;
    const std::size_t H = context_.hand_count(seat);
    const std::size_t A = std::min<std::size_t>(level.children, node.actions.size());
    level.children = A;
    if (A == 0) return;
    float* rows = grow(level.rows, A * H);
    const auto& states = solver_.states_;
    if (index < states.size() && states[index].initialised && states[index].hands == H &&
        states[index].actions == A) {
      solver_.average_into(states[index], rows, level.sums, level.scratch);
    } else {
      std::fill(rows, rows + A * H, 1.0f / static_cast<float>(A));
    }
    // Strategy entries lie in [0, 1] and reaches are finite and not
    // negative, so every row stays so.
    if (level.row_mass.size() < A) level.row_mass.resize(A);
    const double total = mass[seat];
    float* frequencies = out_.values.data() + out_.first[index];
    for (std::size_t a = 0; a < A; ++a) {
      const double sum = scale_row(rows + a * H, reach[seat], H);
      level.row_mass[a] = sum;
      frequencies[a] = total > 0.0 && std::isfinite(total) ? static_cast<float>(sum / total)
                                                           : std::numeric_limits<float>::quiet_NaN();
    }
  }

  const DiscountedCfr& solver_;
  const std::vector<GameNode>& nodes_;
  const CardContext& context_;
  NodeFrequencies& out_;
  std::deque<Level> levels_;  // a deque: a new level leaves the others where they are
};

NodeFrequencies DiscountedCfr::reach_weighted_frequencies(const Game& game) {
  settle();
  NodeFrequencies out;
  const auto& nodes = game.nodes();
  out.first.resize(nodes.size() + 1, 0);
  for (std::size_t i = 0; i < nodes.size(); ++i) out.first[i + 1] = out.first[i] + nodes[i].actions.size();
  out.values.assign(out.first.back(), std::numeric_limits<float>::quiet_NaN());
  if (nodes.empty()) return out;

  // The root: every hand at its range weight, unless it holds a card the
  // root has dealt.
  const CardContext& context = game.card_context();
  ReachStart root;
  const std::uint64_t dead = dealt_cards(nodes[0]);
  for (int seat = 0; seat < 2; ++seat) {
    const auto& weights = context.weights(seat);
    const auto& pockets = context.pockets(seat);
    root.reach[seat].assign(pockets.size(), 0.0f);
    for (std::size_t h = 0; h < pockets.size() && h < weights.size(); ++h) {
      const float w = weights[h];
      if (w > 0.0f && std::isfinite(w) && (pocket_mask(pockets[h]) & dead) == 0) root.reach[seat][h] = w;
      root.mass[seat] += root.reach[seat][h];
    }
  }

  // The betting above the first chance nodes is walked here; each subtree
  // below them is one job, taken by whichever thread is free next.
  std::vector<ReachStart> starts;
  ReachWalk(*this, game, out).run(root, &starts);
  std::atomic<std::size_t> next{0};
  parallel_for(std::min(threads_, starts.size()), [&](std::size_t, std::size_t) {
    ReachWalk walk(*this, game, out);
    for (std::size_t i = next.fetch_add(1); i < starts.size(); i = next.fetch_add(1)) walk.run(starts[i], nullptr);
  });
  return out;
}

}  // namespace velmora
