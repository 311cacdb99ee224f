// The body of the solve worker thread: request -> solved game, with a report
// at every stage and exactly one final report per run.
#include "session/solve_worker.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <span>
#include <optional>

#include "core/cancel.h"
#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/plan_count.h"
#include "session/action_labels.h"
#include "session/solve_inputs.h"

namespace velmora_app {
namespace {

constexpr std::uint32_t kExploitabilityInterval = 50;

// A node's frequencies for the snapshot: at a decision node some hand
// reaches, its reach-weighted frequencies (negative or non-finite entries 0)
// normalised; at one no hand reaches, NaN each; at any other node (a chance
// node) 1/n each.
std::vector<float> snapshot_frequencies(const velmora::PlanNode& node, std::span<const float> weighted) {
  std::vector<float> freqs(node.actions.size(), 0.0f);
  if (node.type == velmora::kNodeDecision) {
    if (!weighted.empty() && std::isnan(weighted[0])) {
      std::fill(freqs.begin(), freqs.end(), std::numeric_limits<float>::quiet_NaN());
      return freqs;
    }
    for (std::size_t i = 0; i < freqs.size() && i < weighted.size(); ++i) {
      const float v = weighted[i];
      freqs[i] = (v >= 0.0f && std::isfinite(v)) ? v : 0.0f;
    }
  }
  normalize_frequencies(freqs);
  return freqs;
}

void send(const ProgressCallback& callback, double fraction, const char* text) {
  if (!callback) return;
  SolveProgress p;
  p.fraction = fraction;
  p.text = text;
  callback(p);
}

void set_cancelled(SolveResult& result, SolveProgress& report) {
  result.success = false;
  result.message = "Cancelled";
  report.fraction = 0.0;
  report.text = "Cancelled";
}

const char* node_kind(std::uint8_t type) {
  switch (type) {
    case velmora::kNodeDecision: return "decision";
    case velmora::kNodeChance: return "chance";
    default: return "terminal";
  }
}

void fill_root_actions(SolveResult& result, const velmora::Game& game, const velmora::NodeFrequencies& weighted,
                       std::int32_t starting_pot) {
  const velmora::PlanNode& root = game.nodes()[0];
  const std::int32_t pot = starting_pot >= 1 ? starting_pot : static_cast<std::int32_t>(root.pot);
  for (std::size_t i = 0; i < root.actions.size(); ++i) {
    result.root_action_labels.push_back(action_display_label(root.actions[i], pot));
    result.root_action_keys.push_back(action_key_label(root.actions[i], pot));
  }
  result.root_action_frequencies = snapshot_frequencies(root, weighted.of(0));
}

void fill_result_node(ResultNode& out, const velmora::PlanNode& n, std::span<const float> weighted,
                      std::int32_t starting_pot) {
  out.kind = node_kind(n.type);
  if (n.type == velmora::kNodeDecision) out.seat = n.seat == 0 ? "OOP" : "IP";
  if (n.type == velmora::kNodeChance) {
    if (n.turn == velmora::kNoCard) {
      out.chance_deal = "turn";
    } else if (n.river == velmora::kNoCard) {
      out.chance_deal = "river";
    }
  }
  out.pot = static_cast<std::int32_t>(n.pot);
  out.invested_oop = static_cast<std::int32_t>(n.seat_totals[0]);
  out.invested_ip = static_cast<std::int32_t>(n.seat_totals[1]);

  const std::int32_t pot = n.pot > 0 ? static_cast<std::int32_t>(n.pot) : starting_pot;
  const std::vector<float> freqs = snapshot_frequencies(n, weighted);
  for (std::size_t a = 0; a < n.actions.size(); ++a) {
    ResultChild child;
    child.label = action_display_label(n.actions[a], pot);
    child.key = action_key_label(n.actions[a], pot);
    child.frequency = freqs[a];
    child.child_index = a < n.children.size() ? static_cast<std::int32_t>(n.children[a]) : 0;
    out.children.push_back(std::move(child));
  }
}

// The records are independent of one another: they are filled in parallel.
void fill_result_nodes(SolveResult& result, const velmora::Game& game, velmora::DiscountedCfr& solver,
                       const velmora::NodeFrequencies& weighted, std::int32_t starting_pot) {
  const auto& nodes = game.nodes();
  result.nodes.assign(nodes.size(), ResultNode{});
  solver.parallel_for(nodes.size(), [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) fill_result_node(result.nodes[i], nodes[i], weighted.of(i), starting_pot);
  });
}

}  // namespace

void fill_result_snapshot(SolveResult& result, const velmora::Game& game, velmora::DiscountedCfr& solver,
                          std::int32_t starting_pot) {
  const velmora::NodeFrequencies weighted = solver.reach_weighted_frequencies(game);
  fill_root_actions(result, game, weighted, starting_pot);
  fill_result_nodes(result, game, solver, weighted, starting_pot);
}

std::string format_iteration_text(std::uint32_t iteration, std::optional<float> exploitability) {
  char buf[128];
  std::string text = "Iter ";
  auto res = std::to_chars(buf, buf + sizeof buf, iteration);
  text.append(buf, res.ptr);
  text += " | exploitability\xE2\x89\x88";
  if (!exploitability) {
    text += "\xE2\x80\x94";  // an em dash: not measured yet
    return text;
  }
  res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(*exploitability), std::chars_format::fixed, 4);
  if (res.ec == std::errc{}) {
    text.append(buf, res.ptr);
  } else {
    text += "inf";  // only a value too long for the buffer
  }
  return text;
}

double finalizing_fraction(std::uint32_t iterations_done, std::uint32_t max_iterations) {
  if (max_iterations == 0) return 0.0;
  const double f = static_cast<double>(iterations_done) / static_cast<double>(max_iterations);
  return std::clamp(f, 0.0, 0.999);
}

bool exploitability_measured(std::uint32_t iteration, std::uint32_t max_iterations, std::uint32_t interval) {
  return iteration == max_iterations || (interval != 0 && iteration >= interval);
}

void format_iteration_progress(const ProgressCallback& callback, std::uint32_t max_iterations,
                               std::uint32_t iteration, float exploitability, double /*iteration_ms*/) {
  if (!callback) return;
  SolveProgress p;
  p.fraction = finalizing_fraction(iteration, max_iterations);
  // Until its first measurement the solver reports 0, which would read as
  // solved: the report says the figure is not known yet.
  const bool measured = exploitability_measured(iteration, max_iterations, kExploitabilityInterval);
  p.text = format_iteration_text(iteration, measured ? std::optional<float>(exploitability) : std::nullopt);
  callback(p);
}

void normalize_frequencies(std::vector<float>& freqs) {
  if (freqs.empty()) return;
  double sum = 0.0;
  for (float f : freqs) sum += f;
  if (sum > 0.0) {
    for (float& f : freqs) f = static_cast<float>(f / sum);
  } else {
    const float share = static_cast<float>(1.0 / static_cast<double>(freqs.size()));
    for (float& f : freqs) f = share;
  }
}

void apply_node_locks(velmora::Game& game, const std::vector<NodeLock>& locks) {
  const auto& nodes = game.nodes();
  std::map<std::uint64_t, std::map<std::string, std::pair<std::int64_t, float>>> staging;
  for (const NodeLock& lock : locks) {
    if (lock.hand.empty() || lock.node < 0 || static_cast<std::uint64_t>(lock.node) >= nodes.size()) continue;
    // A NaN probability would pass the lock test and poison the solve.
    if (!std::isfinite(lock.probability)) continue;
    staging[static_cast<std::uint64_t>(lock.node)][lock.hand] = {lock.action,
                                                                  std::clamp(lock.probability, 0.0f, 1.0f)};
  }

  const velmora::CardContext& context = game.card_context();
  for (auto& [node_index, entries] : staging) {
    const velmora::PlanNode& node = nodes[node_index];
    if (node.type != velmora::kNodeDecision || node.actions.empty()) continue;
    const std::size_t A = node.actions.size();
    std::erase_if(entries, [A](const auto& e) {
      return e.second.first < 0 || static_cast<std::uint64_t>(e.second.first) >= A;
    });
    const std::size_t H = context.hand_count(node.seat);
    if (entries.empty() || H == 0) continue;

    velmora::LockVector vec(A * H, -1.0f);
    bool hit = false;
    const auto& pockets = context.pockets(node.seat);
    for (std::size_t h = 0; h < H; ++h) {
      const auto it = entries.find(hand_class_label(pockets[h]));
      if (it == entries.end()) continue;
      hit = true;
      if (A == 1) {
        vec[h] = 1.0f;
        continue;
      }
      const std::size_t a = static_cast<std::size_t>(it->second.first);
      const float p = std::clamp(it->second.second, 0.0f, 1.0f);
      const float rest = (1.0f - p) / static_cast<float>(A - 1);
      for (std::size_t b = 0; b < A; ++b) vec[b * H + h] = b == a ? p : rest;
    }
    if (hit) game.set_node_lock(node_index, std::move(vec));
  }
}

void report_start_failure(const SolveConfig& config, const ProgressCallback& callback, const std::string& message) {
  if (!callback) return;
  SolveProgress p;
  p.fraction = 0.0;
  p.text = "Error: " + message;
  SolveResult result;
  result.board = config.board;
  result.message = message;
  p.result = std::move(result);
  try {
    callback(p);
  } catch (...) {
    // Nothing further can be reported.
  }
}

void SolveSession::run_solve_thread(WorkerTask* raw_task) {
  std::unique_ptr<WorkerTask> task(raw_task);
  SolveSession& session = task->session;
  {
    const SolveConfig& config = task->config;
    const ProgressCallback& callback = task->callback;
    SolveResult result;
    result.board = config.board;
    std::shared_ptr<velmora::Game> game;
    std::shared_ptr<velmora::DiscountedCfr> solver;
    SolveProgress final_report;

    try {
      const velmora::Board board = parse_request_board(config.board);
      const auto ranges = parse_request_ranges(config);
      result.starting_pot = config.starting_pot;
      result.rake_percent = config.rake_percent;
      result.rake_cap = config.rake_cap;
      result.effective_stack = config.effective_stack;
      const velmora::TreeConfig tree = build_tree_config(config, board, true);

      send(callback, 0.0, "Init: building game object...");
      // Every set-up stage watches the cancel flag, so a cancel or a shutdown
      // takes effect within moments, not after the whole tree is built.
      const velmora::CancelFlag* cancel = &session.cancel_requested;
      // A tree too deep to walk is refused before the card context is made.
      velmora::check_plan_depth(tree, board, cancel);
      {
        velmora::CardContext context(board, ranges, cancel);
        game = std::make_shared<velmora::Game>(tree, std::move(context), cancel);
      }
      if (!config.node_locks.empty()) apply_node_locks(*game, config.node_locks);
      velmora::throw_if_cancelled(cancel);

      velmora::SolverConfig solver_config;
      solver_config.max_iterations = config.max_iterations;
      solver_config.target_exploitability = config.target_exploitability;
      solver_config.exploitability_interval = kExploitabilityInterval;
      solver_config.verbose = false;
      solver_config.compress = config.compress;
      solver_config.thread_count = config.thread_count;
      const std::uint32_t budget = config.max_iterations;
      solver_config.on_progress = [&callback, budget](std::uint32_t iteration, float exploitability, double ms) {
        format_iteration_progress(callback, budget, iteration, exploitability, ms);
      };
      solver_config.should_cancel = [&session] { return session.cancel_requested.load(); };
      solver_config.cancel = cancel;

      send(callback, 0.0, "Init: building game tree structures...");
      solver = std::make_shared<velmora::DiscountedCfr>(std::move(solver_config));
      velmora::throw_if_cancelled(cancel);
      send(callback, 0.0, "Init: starting solver...");
      solver->solve(*game);

      if (session.cancel_requested.load()) {
        set_cancelled(result, final_report);
      } else {
        const double f = finalizing_fraction(solver->iterations_done(), budget);
        send(callback, f, "Finalizing: computing results...");
        result.iterations = solver->iterations_done();
        result.exploitability = solver->last_exploitability();
        const auto evs = solver->expected_values(*game);
        result.ev_oop = evs[0];
        result.ev_ip = evs[1];
        send(callback, f, "Finalizing: building result snapshot...");
        fill_result_snapshot(result, *game, *solver, config.starting_pot);

        session.store_result(game, solver);
        result.success = true;
        final_report.fraction = 1.0;
        final_report.text = "Done";
      }
    } catch (const velmora::SetupCancelled&) {
      set_cancelled(result, final_report);
    } catch (const std::exception& e) {
      result.success = false;
      result.message = e.what();
      final_report.fraction = 0.0;
      final_report.text = std::string("Error: ") + e.what();
    } catch (...) {
      result.success = false;
      result.message = "Unknown error";
      final_report.fraction = 0.0;
      final_report.text = "Error: Unknown error";
    }

    // A run that stopped (cancelled, or failed once the solver existed) still
    // tells how many whole iterations it reached.
    if (!result.success && solver) result.iterations = solver->iterations_done();
    final_report.result = std::move(result);
    if (callback) {
      try {
        callback(final_report);
      } catch (...) {
        // The final report was handed over; there is no later one to carry an error.
      }
    }
    session.running.store(false);
    // Then the solver's pool is joined and the worker's share of the result
    // released, before the session is told the worker is gone.
    solver.reset();
    game.reset();
  }
  task.reset();
  session.worker_done();
}

}  // namespace velmora_app
