#include "core/action_plan.h"

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
#include "core/plan_count.h"
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
  // A tree too deep for the walks is refused before any node is made: built
  // first, its shallow branches alone could take more memory than there is.
  check_plan_depth(config_, board_, cancel_);
  PlanNode root;
  BuildContext ctx;
  plan_detail::make_root(config_, board_, root, ctx);
  nodes_.clear();
  nodes_.push_back(std::move(root));
  build_recursive(0, ctx, 0);
}


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
