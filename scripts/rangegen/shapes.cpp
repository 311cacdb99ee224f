#include "scripts/rangegen/shapes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rangegen {

namespace {

std::array<int, kNumClasses> order_by(const Weights& score) {
  std::array<int, kNumClasses> idx{};
  std::iota(idx.begin(), idx.end(), 0);
  std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) { return score[a] > score[b]; });
  return idx;
}

double step05(double f) { return std::clamp(std::round(f * 20.0) / 20.0, 0.0, 1.0); }

}  // namespace

Weights top_share(const Weights& score, const Weights& eligible, double target, double edge) {
  Weights out = no_hands();
  const auto& cls = hand_classes();
  double pos = 0;
  const double lo = target - edge / 2;
  const double hi = target + edge / 2;
  for (int i : order_by(score)) {
    if (!(eligible[i] > 0)) continue;
    const double mass = eligible[i] * cls[i].combos;
    const double mid = pos + mass / 2;
    pos += mass;
    if (mid <= lo) out[i] = 1.0;
    else if (mid < hi) out[i] = step05((hi - mid) / (hi - lo));
    if (out[i] < 0.1) out[i] = 0.0;
  }
  return out;
}

Weights graded_share(const Weights& score, const Weights& eligible, double target, double cap, double floor) {
  Weights candidates = no_hands();
  for (int i = 0; i < kNumClasses; ++i)
    if (score[i] > floor) candidates[i] = eligible[i];
  const double span = target / cap;
  Weights out = top_share(score, candidates, span, span);
  for (int i = 0; i < kNumClasses; ++i) out[i] = step05(out[i] * cap);
  return out;
}

Weights product(const Weights& a, const Weights& b) {
  Weights out{};
  for (int i = 0; i < kNumClasses; ++i) out[i] = a[i] * b[i];
  return out;
}

Weights minus_clamped(const Weights& a, const Weights& b) {
  Weights out{};
  for (int i = 0; i < kNumClasses; ++i) out[i] = std::max(0.0, a[i] - b[i]);
  return out;
}

Weights plus_capped(const Weights& a, const Weights& b) {
  Weights out{};
  for (int i = 0; i < kNumClasses; ++i) out[i] = std::min(1.0, a[i] + b[i]);
  return out;
}

Weights scaled(const Weights& a, double f) {
  Weights out{};
  for (int i = 0; i < kNumClasses; ++i) out[i] = std::min(1.0, a[i] * f);
  return out;
}

}  // namespace rangegen
