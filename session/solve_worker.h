// Internals of the solve worker shared by the session and its tests.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/solve_session.h"
#include "session/solve_types.h"

namespace velmora {
class Game;
class DiscountedCfr;
}

namespace velmora_app {

// What `SolveSession::start` hands to the worker thread; the worker frees it.
struct SolveSession::WorkerTask {
  SolveSession& session;
  SolveConfig config;
  ProgressCallback callback;
};

// "Iter 120 | exploitability≈0.0831", with a decimal point whatever the
// locale; "Iter 12 | exploitability≈—" (an em dash) without a figure.
std::string format_iteration_text(std::uint32_t iteration, std::optional<float> exploitability);

// Whether the solver has measured its exploitability by the end of
// `iteration`: it measures every `interval` iterations (never for 0) and
// after the last one of its budget.
bool exploitability_measured(std::uint32_t iteration, std::uint32_t max_iterations, std::uint32_t interval);

// Sends the report of one finished iteration: fraction iteration / budget
// (at most 0.999) and the "Iter" text, whose figure is the em dash until
// the solver's first measurement. Does nothing without a callback.
void format_iteration_progress(const ProgressCallback& callback, std::uint32_t max_iterations,
                               std::uint32_t iteration, float exploitability, double iteration_ms);

// Fraction of the finalizing reports: iterations done / budget, at most
// 0.999, 0 for a budget of 0.
double finalizing_fraction(std::uint32_t iterations_done, std::uint32_t max_iterations);

// The root actions and the per-node records of a solved game, as the worker
// hands them over with the final report. Labels take the starting pot where
// a node's own pot is below 1.
void fill_result_snapshot(SolveResult& result, const velmora::Game& game, velmora::DiscountedCfr& solver,
                          std::int32_t starting_pot);

// Each entry divided by the sum, or 1/n each when the sum is not above 0.
void normalize_frequencies(std::vector<float>& freqs);

// Stages the locks and writes one lock vector per node that any lock hits.
void apply_node_locks(velmora::Game& game, const std::vector<NodeLock>& locks);

// Sends the single final report of a request whose worker could not start.
void report_start_failure(const SolveConfig& config, const ProgressCallback& callback, const std::string& message);

}  // namespace velmora_app
