#include "session/equity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/evaluator.h"

namespace velmora_app {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kOpponentDraws = 32;

bool positive_finite(double w) { return w > 0.0 && std::isfinite(w); }

// Draws one card uniformly among those not in `used`.
velmora::Card draw_free_card(std::mt19937& gen, std::uint64_t used) {
  std::array<velmora::Card, velmora::kNumCards> free_cards{};
  std::uint32_t n = 0;
  for (int c = 0; c < velmora::kNumCards; ++c) {
    if ((used & velmora::card_bit(static_cast<velmora::Card>(c))) == 0) free_cards[n++] = static_cast<velmora::Card>(c);
  }
  return free_cards[uniform_below(gen, n)];
}

}  // namespace

CumulativeWeights build_cumulative_weights(std::span<const double> weights) {
  CumulativeWeights table;
  table.sums.reserve(weights.size());
  for (double w : weights) {
    if (positive_finite(w)) table.total += w;
    table.sums.push_back(table.total);
  }
  return table;
}

double uniform_unit(std::mt19937& gen) {
  const double x0 = static_cast<double>(gen());
  const double x1 = static_cast<double>(gen());
  const double u = (x0 + x1 * 4294967296.0) / 18446744073709551616.0;
  // The sum may round up to 2^64; stay inside [0, 1).
  return u < 1.0 ? u : std::nextafter(1.0, 0.0);
}

std::uint32_t uniform_below(std::mt19937& gen, std::uint32_t n) {
  std::uint64_t m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(gen())) * n;
  std::uint32_t low = static_cast<std::uint32_t>(m);
  if (low < n) {
    const std::uint32_t threshold = static_cast<std::uint32_t>(-n) % n;
    while (low < threshold) {
      m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(gen())) * n;
      low = static_cast<std::uint32_t>(m);
    }
  }
  return static_cast<std::uint32_t>(m >> 32);
}

std::int64_t sample_weighted_index(const CumulativeWeights& table, std::mt19937& gen) {
  if (!(table.total > 0.0) || table.sums.empty()) return -1;
  const double target = uniform_unit(gen) * table.total;
  const auto it = std::lower_bound(table.sums.begin(), table.sums.end(), target);
  if (it == table.sums.end()) return static_cast<std::int64_t>(table.sums.size()) - 1;
  return it - table.sums.begin();
}

double estimate_equity(std::mt19937& gen, std::span<const velmora::Card> flop, velmora::Card turn,
                       velmora::Card river, std::span<const velmora::Pocket> hero_pockets,
                       std::span<const double> hero_weights, std::span<const velmora::Pocket> opp_pockets,
                       std::span<const float> opp_weights, std::size_t samples) {
  if (samples == 0 || hero_pockets.empty() || opp_pockets.empty()) return kNaN;
  if (hero_weights.size() != hero_pockets.size() || opp_weights.size() != opp_pockets.size()) return kNaN;
  if (flop.size() < 3) return kNaN;

  std::uint64_t dead = 0;
  for (std::size_t i = 0; i < 3; ++i) dead |= velmora::card_bit(flop[i]);
  if (turn != velmora::kNoCard) dead |= velmora::card_bit(turn);
  if (river != velmora::kNoCard) dead |= velmora::card_bit(river);

  std::vector<double> opp_w(opp_weights.size());
  for (std::size_t i = 0; i < opp_weights.size(); ++i) {
    const double w = opp_weights[i];
    opp_w[i] = positive_finite(w) ? w : 0.0;
  }
  const CumulativeWeights hero_table = build_cumulative_weights(hero_weights);
  const CumulativeWeights opp_table = build_cumulative_weights(opp_w);
  if (!(hero_table.total > 0.0) || !(opp_table.total > 0.0)) return kNaN;

  std::uint64_t valid = 0;
  std::uint64_t wins = 0;
  std::uint64_t ties = 0;
  for (std::size_t attempt = 0; attempt < samples; ++attempt) {
    const std::int64_t hi = sample_weighted_index(hero_table, gen);
    if (hi < 0 || static_cast<std::size_t>(hi) >= hero_pockets.size()) continue;
    const velmora::Pocket hero = hero_pockets[static_cast<std::size_t>(hi)];
    const std::uint64_t hero_mask = velmora::pocket_mask(hero);
    if (hero_mask & dead) continue;

    bool found = false;
    velmora::Pocket opp = 0;
    for (int d = 0; d < kOpponentDraws; ++d) {
      const std::int64_t oi = sample_weighted_index(opp_table, gen);
      if (oi < 0 || static_cast<std::size_t>(oi) >= opp_pockets.size()) continue;
      const velmora::Pocket cand = opp_pockets[static_cast<std::size_t>(oi)];
      if ((velmora::pocket_mask(cand) & (hero_mask | dead)) == 0) {
        opp = cand;
        found = true;
        break;
      }
    }
    if (!found) continue;

    std::uint64_t used = dead | hero_mask | velmora::pocket_mask(opp);
    velmora::Card t = turn;
    if (t == velmora::kNoCard) {
      t = draw_free_card(gen, used);
      used |= velmora::card_bit(t);
    }
    velmora::Card r = river;
    if (r == velmora::kNoCard) r = draw_free_card(gen, used);

    const velmora::Card hero_cards[7] = {velmora::pocket_lo(hero), velmora::pocket_hi(hero), flop[0], flop[1], flop[2],
                                         t, r};
    const velmora::Card opp_cards[7] = {velmora::pocket_lo(opp), velmora::pocket_hi(opp), flop[0], flop[1], flop[2],
                                        t, r};
    const velmora::HandStrength hs = velmora::evaluate_seven_unchecked(hero_cards);
    const velmora::HandStrength os = velmora::evaluate_seven_unchecked(opp_cards);
    ++valid;
    if (hs > os) {
      ++wins;
    } else if (hs == os) {
      ++ties;
    }
  }
  if (valid == 0) return kNaN;
  return (static_cast<double>(ties) * 0.5 + static_cast<double>(wins)) / static_cast<double>(valid);
}

double exact_river_equity(const velmora::RunoutShowdown& showdown, int hero_seat,
                          std::span<const velmora::Pocket> hero_pockets, std::span<const velmora::Pocket> opp_pockets,
                          std::span<const double> hero_weights, std::span<const float> opp_weights) {
  const auto& hero_list = showdown.seat[hero_seat];
  const auto& opp_list = showdown.seat[1 - hero_seat];
  if (hero_list.size() <= 2 || opp_list.size() <= 2) return kNaN;

  const auto strengths = [](const std::vector<velmora::ShowdownEntry>& list, std::size_t n) {
    std::vector<std::uint32_t> s(n, 0);
    for (std::size_t i = 1; i + 1 < list.size(); ++i) {
      if (list[i].slot < n) s[list[i].slot] = list[i].strength_plus_one;
    }
    return s;
  };
  const std::vector<std::uint32_t> hs = strengths(hero_list, hero_pockets.size());
  const std::vector<std::uint32_t> os = strengths(opp_list, opp_pockets.size());

  double total = 0.0;
  double wins = 0.0;
  double ties = 0.0;
  const std::size_t hn = std::min(hero_pockets.size(), hero_weights.size());
  const std::size_t on = std::min(opp_pockets.size(), opp_weights.size());
  for (std::size_t h = 0; h < hn; ++h) {
    const double x = hero_weights[h];
    if (!positive_finite(x) || hs[h] == 0) continue;
    const std::uint64_t hm = velmora::pocket_mask(hero_pockets[h]);
    for (std::size_t o = 0; o < on; ++o) {
      const double y = opp_weights[o];
      if (!positive_finite(y) || os[o] == 0) continue;
      if (velmora::pocket_mask(opp_pockets[o]) & hm) continue;
      const double xy = x * y;
      total += xy;
      if (hs[h] > os[o]) {
        wins += xy;
      } else if (hs[h] == os[o]) {
        ties += xy;
      }
    }
  }
  if (!(total > 0.0)) return kNaN;
  return (ties * 0.5 + wins) / total;
}

}  // namespace velmora_app
