// Showdown equity of a weighted set of hero hands against a weighted
// opponent range: seeded sampling before the river, exact on the river.
#pragma once
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "core/card_context.h"
#include "core/cards.h"

namespace velmora_app {

struct CumulativeWeights {
  std::vector<double> sums;  // running sums; non-positive or non-finite weights add nothing
  double total = 0.0;
};

CumulativeWeights build_cumulative_weights(std::span<const double> weights);

// Position of the first running sum not below u * total; -1 when the table
// is empty or its total is not above 0.
std::int64_t sample_weighted_index(const CumulativeWeights& table, std::mt19937& gen);

// Uniform double in [0, 1) from two 32-bit outputs.
double uniform_unit(std::mt19937& gen);
// Uniform whole number in [0, n), n >= 1, by multiply and shift.
std::uint32_t uniform_below(std::mt19937& gen, std::uint32_t n);

// Share of the pot the hero wins (ties half) over `samples` attempts; the
// missing turn and river are drawn at random. NaN when nothing can be sampled.
double estimate_equity(std::mt19937& gen, std::span<const velmora::Card> flop, velmora::Card turn,
                       velmora::Card river, std::span<const velmora::Pocket> hero_pockets,
                       std::span<const double> hero_weights, std::span<const velmora::Pocket> opp_pockets,
                       std::span<const float> opp_weights, std::size_t samples);

// Exact equity on a full board from the runout's showdown order; NaN when
// no pair of hands can meet. Slots index the pocket lists.
double exact_river_equity(const velmora::RunoutShowdown& showdown, int hero_seat,
                          std::span<const velmora::Pocket> hero_pockets, std::span<const velmora::Pocket> opp_pockets,
                          std::span<const double> hero_weights, std::span<const float> opp_weights);

}  // namespace velmora_app
