// The discounts Discounted CFR applies in each iteration.
#pragma once
#include <cstdint>

namespace velmora {

struct Discounts {
  float alpha = 0.0f;  // factor of positive regrets
  float beta = 0.5f;   // factor of negative regrets
  float gamma = 0.0f;  // factor of the strategy sums
};

// The discounts of the iteration with zero-based index t (iteration t + 1).
//
// alpha = (t-1)^1.5 / ((t-1)^1.5 + 1): early regrets, taken against a
// strategy that was little better than uniform, fade quickly, while late
// ones are kept almost whole. alpha is 0 in iterations 1 and 2 and 0.5 in
// iteration 3.
// beta = 0.5: negative regrets halve every iteration, so an action that
// looked bad early on can come back soon once it starts paying.
// gamma = ((t-q) / (t-q+1))^3 with q the largest power of 4 not above t:
// the average strategy weighs recent iterations more, and at every power of
// 4 (iterations 1, 2, 5, 17, 65, 257, ...) gamma is 0, which restarts the
// strategy sums, so the average sheds the poor strategies of the start
// instead of carrying them for the rest of the solve.
Discounts discounts_at(std::uint32_t t);

}  // namespace velmora
