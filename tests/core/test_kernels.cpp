// CFR update kernels and the 16-bit matrix storage: vector paths against
// plain scalar evaluations of the formulas, bit for bit, and edge cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "core/kernels.h"
#include "core/quantize.h"

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
  for (std::size_t A : {1u, 2u, 3u, 5u}) {
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

// ---------------------------------------------------------------------------
// 16-bit storage

TEST(QuantizeTest, DegenerateInputs) {
  // All zero, or every magnitude at most 1e-9: zeros with scale 1 (such tiny
  // values are lost), decoding to zeros.
  for (float v : {0.0f, 1e-10f, -9e-10f}) {
    std::vector<float> in(19, v);
    std::vector<std::int16_t> q(3, 77);
    float scale = 5.0f;
    quantize16(in, q, scale);
    EXPECT_EQ(scale, 1.0f);
    EXPECT_EQ(q, std::vector<std::int16_t>(19, 0));
    std::vector<float> out;
    dequantize16(out, q, scale, 1, 19);
    EXPECT_EQ(out, std::vector<float>(19, 0.0f));
  }
  std::vector<std::int16_t> q(4, 1);
  float scale = 3.0f;
  quantize16(std::vector<float>{}, q, scale);
  EXPECT_TRUE(q.empty());
  EXPECT_EQ(scale, 1.0f);

  // Storage shorter than A*H, a scale not above 0, or none: all zeros.
  const std::vector<std::int16_t> stored = {100, 200, 300};
  std::vector<float> out(2, 5.0f);
  dequantize16(out, stored, 1.0f, 2, 2);
  EXPECT_EQ(out, std::vector<float>(4, 0.0f));
  dequantize16(out, stored, 0.0f, 1, 3);
  EXPECT_EQ(out, std::vector<float>(3, 0.0f));
  dequantize16(out, {}, 1.0f, 1, 3);
  EXPECT_EQ(out, std::vector<float>(3, 0.0f));
}

TEST(QuantizeTest, LargestMagnitudeMapsToFullScaleAndHalvesRoundAway) {
  // Padded past one vector step so both code paths see these entries.
  std::vector<float> in = {2.0f, -1.0f, 1.0f, 0.0f, -2.0f, 0.5f, 1e-3f, -1e-3f, 2.0f, 1.0f, -1.0f};
  std::vector<std::int16_t> q;
  float scale = 0.0f;
  quantize16(in, q, scale);
  EXPECT_EQ(scale, 2.0f);
  const std::vector<std::int16_t> want = {32767, -16384, 16384, 0, -32767, 8192, 16, -16, 32767, 16384, -16384};
  EXPECT_EQ(q, want);
  std::vector<float> out;
  dequantize16(out, q, scale, 1, in.size());
  EXPECT_EQ(out[2], 16384.0f / 32767.0f * 2.0f);
  EXPECT_EQ(out[0], 2.0f);
}

TEST(QuantizeTest, VectorAndScalarPathsEncodeAlike) {
  // The same values at an index the vector loop covers and in the tail.
  const auto values = random_values(37, 99);
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::vector<float> in(17, 0.0f);
    in[0] = 3.0f;  // fixes the scale
    in[3] = values[i] * 1e-6f;
    in[16] = values[i] * 1e-6f;
    std::vector<std::int16_t> q;
    float scale = 0.0f;
    quantize16(in, q, scale);
    EXPECT_EQ(q[3], q[16]) << values[i];
    EXPECT_EQ(q[3], static_cast<std::int16_t>(std::lroundf(32767.0f * (in[3] / 3.0f))));
  }
  // Round trip error is bounded by half a step.
  std::vector<float> in = random_values(101, 5);
  std::vector<std::int16_t> q;
  float scale = 0.0f;
  quantize16(in, q, scale);
  std::vector<float> out;
  dequantize16(out, q, scale, 1, in.size());
  for (std::size_t i = 0; i < in.size(); ++i) EXPECT_NEAR(out[i], in[i], scale / 32767.0f * 0.5001f);
  for (std::int16_t x : q) EXPECT_NE(x, -32768);
}


// The fused strategy-sum update of 16-bit storage gives exactly what decode,
// update and encode give one after the other, in the vector part and the
// tail, for a fresh (zero) matrix and a restart (gamma 0) too.
TEST(QuantizeTest, FusedStrategySumUpdateEqualsTheThreeSteps) {
  for (std::size_t n : {std::size_t{1}, std::size_t{13}, std::size_t{64}, std::size_t{203}}) {
    for (float gamma : {0.0f, 0.125f, 0.93f}) {
      std::vector<float> start = random_values(n, 11 + static_cast<unsigned>(n));
      for (float& v : start) v = std::fabs(v) * 40.0f;
      const std::vector<float> strategy = [&] {
        std::vector<float> s = random_values(n, 5 + static_cast<unsigned>(n));
        for (float& v : s) v = std::fabs(v);
        return s;
      }();
      std::vector<std::int16_t> q;
      float scale = 0.0f;
      quantize16(start, q, scale);

      // Three steps.
      std::vector<float> decoded;
      dequantize16(decoded, q, scale, 1, n);
      update_strategy_sum(decoded.data(), strategy.data(), n, gamma);
      std::vector<std::int16_t> want;
      float want_scale = 0.0f;
      quantize16(decoded, want, want_scale);

      std::vector<std::int16_t> got = q;
      float got_scale = scale;
      std::vector<float> work(n, -1.0f);
      update_strategy_sums16(got.data(), got_scale, strategy.data(), n, gamma, work.data());
      EXPECT_EQ(got, want) << n << " " << gamma;
      EXPECT_EQ(got_scale, want_scale);
      EXPECT_EQ(work, decoded);
    }
  }
  // From all zeros (a node that has never been visited).
  std::vector<std::int16_t> zeros(9, 0);
  float scale = 1.0f;
  const std::vector<float> third(9, 1.0f / 3.0f);
  std::vector<float> work(9);
  update_strategy_sums16(zeros.data(), scale, third.data(), 9, 0.5f, work.data());
  EXPECT_EQ(scale, 1.0f / 3.0f);
  for (std::int16_t x : zeros) EXPECT_EQ(x, 32767);
}

}  // namespace
}  // namespace velmora
