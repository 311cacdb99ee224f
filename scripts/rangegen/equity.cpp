#include "scripts/rangegen/equity.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "core/evaluator.h"

namespace rangegen {

namespace {

// SplitMix64: small, fast, and the same on every platform.
struct Rng {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint32_t below(std::uint32_t n) {  // n > 0
    return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32);
  }
};

struct VillainTable {
  std::vector<std::array<velmora::Card, 2>> cards;
  std::vector<std::uint32_t> cumulative;  // running sum of integer weights
};

VillainTable villain_table(const Weights& villain) {
  VillainTable t;
  std::uint32_t total = 0;
  const auto& cls = hand_classes();
  for (int i = 0; i < kNumClasses; ++i) {
    const auto w = static_cast<std::uint32_t>(std::llround(std::clamp(villain[i], 0.0, 1.0) * 1000.0));
    if (w == 0) continue;
    for (const auto& c : cls[i].cards) {
      total += w;
      t.cards.push_back(c);
      t.cumulative.push_back(total);
    }
  }
  if (t.cards.empty()) throw std::invalid_argument("Empty villain range");
  return t;
}

}  // namespace

Weights equity_against(const Weights& villain, int samples, std::uint64_t seed) {
  const VillainTable table = villain_table(villain);
  const std::uint32_t total = table.cumulative.back();
  Weights eq{};
  const auto& cls = hand_classes();
  for (int ci = 0; ci < kNumClasses; ++ci) {
    Rng rng{seed};
    std::uint64_t points = 0;  // 2 per win, 1 per tie
    const auto& combos = cls[ci].cards;
    for (int s = 0; s < samples; ++s) {
      const auto& hero = combos[static_cast<std::size_t>(s) % combos.size()];
      std::uint64_t used = (1ull << hero[0]) | (1ull << hero[1]);
      std::array<velmora::Card, 2> vil{};
      for (;;) {
        const std::uint32_t r = rng.below(total);
        const auto it = std::upper_bound(table.cumulative.begin(), table.cumulative.end(), r);
        vil = table.cards[static_cast<std::size_t>(it - table.cumulative.begin())];
        const std::uint64_t m = (1ull << vil[0]) | (1ull << vil[1]);
        if ((m & used) == 0) {
          used |= m;
          break;
        }
      }
      velmora::Card seven_h[7];
      velmora::Card seven_v[7];
      for (int k = 0; k < 5;) {
        const auto c = static_cast<velmora::Card>(rng.below(52));
        if (used & (1ull << c)) continue;
        used |= 1ull << c;
        seven_h[2 + k] = seven_v[2 + k] = c;
        ++k;
      }
      seven_h[0] = hero[0];
      seven_h[1] = hero[1];
      seven_v[0] = vil[0];
      seven_v[1] = vil[1];
      const auto h = velmora::evaluate_seven_unchecked(seven_h);
      const auto v = velmora::evaluate_seven_unchecked(seven_v);
      points += h > v ? 2 : (h == v ? 1 : 0);
    }
    eq[ci] = static_cast<double>(points) / (2.0 * samples);
  }
  return eq;
}

}  // namespace rangegen
