// CFR update kernels: vector paths against plain scalar evaluations of the
// formulas, bit for bit, and edge cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "core/discounted_cfr_internal.h"
#include "core/kernels.h"

namespace velmora {
namespace {

std::uint32_t bits(float x) {
  std::uint32_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

void expect_same_bits(const std::vector<float>& got, const std::vector<float>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(bits(got[i]), bits(want[i])) << "index " << i << ": " << got[i] << " vs " << want[i];
  }
}

// Mixed signs, zeros of both signs, small and large magnitudes.
std::vector<float> random_values(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(-3.0f, 3.0f);
  std::vector<float> v(n);
  for (std::size_t i = 0; i < n; ++i) {
    switch (rng() % 9) {
      case 0:
        v[i] = 0.0f;
        break;
      case 1:
        v[i] = -0.0f;
        break;
      case 2:
        v[i] = u(rng) * 1e-7f;
        break;
      case 3:
        v[i] = u(rng) * 1e6f;
        break;
      default:
        v[i] = u(rng);
    }
  }
  return v;
}

std::vector<float> random_probabilities(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::vector<float> v(n);
  for (float& x : v) x = u(rng);
  return v;
}

// Sizes around the 8-float vector width: pure tail, exact multiples, and
// vector body plus tail (13 = 8 + 5).
const std::size_t kHandCounts[] = {1, 5, 7, 8, 13, 16, 29, 64, 67};

TEST(KernelsTest, ElementwiseKernelsMatchScalarFormulas) {
  for (std::size_t n : kHandCounts) {
    const auto x0 = random_values(n, 1 + n);
    const auto y = random_values(n, 100 + n);
    const float a = 0.3721f;

    std::vector<float> got = x0, want = x0;
    axpy(got.data(), y.data(), n, a);
    for (std::size_t i = 0; i < n; ++i) want[i] = want[i] + a * y[i];
    expect_same_bits(got, want);

    got.assign(n, 0.0f);
    want.assign(n, 0.0f);
    multiply(got.data(), x0.data(), y.data(), n);
    for (std::size_t i = 0; i < n; ++i) want[i] = x0[i] * y[i];
    expect_same_bits(got, want);

    scale_into(got.data(), y.data(), 1.0f / 45.0f, n);
    for (std::size_t i = 0; i < n; ++i) want[i] = (1.0f / 45.0f) * y[i];
    expect_same_bits(got, want);

    const auto s = random_probabilities(n, 7 + n);
    got = x0;
    want = x0;
    update_strategy_sum(got.data(), s.data(), n, 0.8379f);
    for (std::size_t i = 0; i < n; ++i) want[i] = 0.8379f * want[i] + s[i];
    expect_same_bits(got, want);
  }
}

TEST(KernelsTest, MatrixKernelsMatchScalarFormulas) {
  for (std::size_t A : {1u, 2u, 3u, 4u, 5u}) {
    for (std::size_t H : kHandCounts) {
      const std::size_t n = A * H;
      const auto strategy = random_probabilities(n, 11 * A + H);
      const auto values = random_values(n, 13 * A + H);

      std::vector<float> got(H, 9.0f), want(H);
      weighted_action_sum(got.data(), strategy.data(), values.data(), A, H);
      for (std::size_t h = 0; h < H; ++h) {
        float acc = strategy[h] * values[h];
        for (std::size_t a = 1; a < A; ++a) acc += strategy[a * H + h] * values[a * H + h];
        want[h] = acc;
      }
      expect_same_bits(got, want);

      const auto base = random_values(H, 17 * A + H);
      got = base;
      want = base;
      accumulate_rows(got.data(), values.data(), A, H);
      for (std::size_t h = 0; h < H; ++h) {
        for (std::size_t a = 0; a < A; ++a) want[h] += values[a * H + h];
      }
      expect_same_bits(got, want);

      const auto regrets = random_values(n, 19 * A + H);
      const auto node_values = random_values(H, 23 * A + H);
      const float alpha = 0.7071f, beta = 0.5f;
      std::vector<float> r_got = regrets, r_want = regrets;
      update_regrets(r_got.data(), values.data(), node_values.data(), A, H, alpha, beta);
      for (std::size_t a = 0; a < A; ++a) {
        for (std::size_t h = 0; h < H; ++h) {
          float& R = r_want[a * H + h];
          R = R * (R >= 0.0f ? alpha : beta) + values[a * H + h];
          R = R - node_values[h];
        }
      }
      expect_same_bits(r_got, r_want);

      std::vector<float> s_got(n), s_want(n), scratch(H), scratch_want(H, 0.0f);
      regret_matching(s_got.data(), scratch.data(), regrets.data(), A, H);
      const float uniform = 1.0f / static_cast<float>(A);
      for (std::size_t a = 0; a < A; ++a) {
        for (std::size_t h = 0; h < H; ++h) {
          // Positive part: NaN and zeros of either sign count as +0.
          const float r = regrets[a * H + h];
          const float p = r > 0.0f ? r : 0.0f;
          s_want[a * H + h] = p;
          scratch_want[h] += p;
        }
      }
      for (std::size_t i = 0; i < n; ++i) {
        const float sum = scratch_want[i % H];
        s_want[i] = sum > 0.0f ? s_want[i] / sum : uniform;
      }
      expect_same_bits(s_got, s_want);
      expect_same_bits(scratch, scratch_want);
    }
  }
}

// An opponent node's value: its children's rows summed in double and
// rounded once, for the row counts with loops of their own and the others,
// and hand counts with and without a tail.
TEST(KernelsTest, RowSumsInDoubleMatchTheScalarSum) {
  for (std::size_t R : {1u, 2u, 3u, 4u, 5u}) {
    for (std::size_t H : kHandCounts) {
      const auto rows = random_values(R * H, 29 * R + H);
      std::vector<float> got(H, 9.0f), want(H);
      cfr_detail::sum_rows_double(got.data(), rows.data(), R, H);
      for (std::size_t h = 0; h < H; ++h) {
        double acc = 0.0;
        for (std::size_t r = 0; r < R; ++r) acc += static_cast<double>(rows[r * H + h]);
        want[h] = static_cast<float>(acc);
      }
      expect_same_bits(got, want);
    }
  }
}

TEST(KernelsTest, ZeroSizesTouchNothing) {
  std::vector<float> out(16, 7.0f), in(16, 2.0f), scratch(16, 5.0f);
  const std::vector<float> untouched(16, 7.0f), scratch_untouched(16, 5.0f);
  weighted_action_sum(out.data(), in.data(), in.data(), 0, 16);
  weighted_action_sum(out.data(), in.data(), in.data(), 3, 0);
  update_regrets(out.data(), in.data(), in.data(), 0, 16, 0.5f, 0.5f);
  update_regrets(out.data(), in.data(), in.data(), 2, 0, 0.5f, 0.5f);
  regret_matching(out.data(), scratch.data(), in.data(), 0, 16);
  regret_matching(out.data(), scratch.data(), in.data(), 2, 0);
  update_strategy_sum(out.data(), in.data(), 0, 0.0f);
  multiply(out.data(), in.data(), in.data(), 0);
  accumulate_rows(out.data(), in.data(), 0, 16);
  accumulate_rows(out.data(), in.data(), 2, 0);
  scale_into(out.data(), in.data(), 3.0f, 0);
  axpy(out.data(), in.data(), 0, 1.0f);
  expect_same_bits(out, untouched);
  expect_same_bits(scratch, scratch_untouched);

  // A zero factor returns at once, so even a NaN in y is not read.
  std::vector<float> y(16, std::numeric_limits<float>::quiet_NaN());
  axpy(out.data(), y.data(), 16, 0.0f);
  expect_same_bits(out, untouched);
  // A NaN factor is not zero: the update happens.
  axpy(out.data(), in.data(), 16, std::numeric_limits<float>::quiet_NaN());
  EXPECT_TRUE(std::isnan(out[0]));
  EXPECT_TRUE(std::isnan(out[15]));
}

TEST(KernelsTest, RegretMatchingWithoutPositiveRegretIsUniform) {
  const std::size_t A = 3, H = 13;
  std::vector<float> regrets(A * H, -1.0f);
  for (std::size_t h = 0; h < H; h += 2) regrets[h] = 0.0f;           // zero and negative
  regrets[1 * H + 5] = std::numeric_limits<float>::quiet_NaN();  // NaN is not positive
  regrets[2 * H + 12] = 2.0f;                                     // one hand with a positive regret
  std::vector<float> strategy(A * H), scratch(H);
  regret_matching(strategy.data(), scratch.data(), regrets.data(), A, H);
  const float third = 1.0f / 3.0f;
  for (std::size_t h = 0; h < 12; ++h) {
    for (std::size_t a = 0; a < A; ++a) EXPECT_EQ(bits(strategy[a * H + h]), bits(third)) << h;
  }
  EXPECT_EQ(strategy[0 * H + 12], 0.0f);
  EXPECT_EQ(strategy[1 * H + 12], 0.0f);
  EXPECT_EQ(strategy[2 * H + 12], 1.0f);
  EXPECT_EQ(scratch[12], 2.0f);
  EXPECT_EQ(scratch[5], 0.0f);
}

TEST(KernelsTest, DiscountExamples) {
  // alpha 0, beta 0.5: a positive regret is dropped, a negative one halved.
  const std::size_t A = 2, H = 9;
  std::vector<float> regrets(A * H), action_values(A * H), node_values(H);
  for (std::size_t h = 0; h < H; ++h) {
    regrets[h] = 4.0f;
    regrets[H + h] = -4.0f;
    action_values[h] = 1.5f + static_cast<float>(h);
    action_values[H + h] = -0.25f * static_cast<float>(h);
    node_values[h] = 0.75f;
  }
  update_regrets(regrets.data(), action_values.data(), node_values.data(), A, H, 0.0f, 0.5f);
  for (std::size_t h = 0; h < H; ++h) {
    EXPECT_FLOAT_EQ(regrets[h], 0.0f + action_values[h] - 0.75f);
    EXPECT_FLOAT_EQ(regrets[H + h], -2.0f + action_values[H + h] - 0.75f);
  }
  // gamma 0 restarts the strategy sums: they become the strategy.
  std::vector<float> sums = random_values(21, 3);
  const auto strategy = random_probabilities(21, 4);
  update_strategy_sum(sums.data(), strategy.data(), sums.size(), 0.0f);
  expect_same_bits(sums, strategy);
}

}  // namespace
}  // namespace velmora
