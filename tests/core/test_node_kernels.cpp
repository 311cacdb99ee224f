// The fused 16-bit node passes against decoding, the scalar float steps and
// encoding one after the other, bit for bit, in the vector part and the tail.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "core/kernels.h"
#include "core/node_kernels.h"

namespace velmora {
namespace {

std::vector<float> random_values(std::size_t n, std::uint32_t seed, float zero_share = 0.2f) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(-3.0f, 3.0f);
  std::uniform_real_distribution<float> p(0.0f, 1.0f);
  std::vector<float> v(n);
  for (float& x : v) x = p(rng) < zero_share ? (p(rng) < 0.5f ? 0.0f : -0.0f) : u(rng) * (p(rng) < 0.2f ? 1e4f : 1.0f);
  return v;
}

void expect_bits(const std::vector<float>& got, const std::vector<float>& want, const char* what) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    std::uint32_t a, b;
    std::memcpy(&a, &got[i], 4);
    std::memcpy(&b, &want[i], 4);
    EXPECT_EQ(a, b) << what << " at " << i << ": " << got[i] << " vs " << want[i];
  }
}

// The strategy rule of the kernels, one hand at a time.
std::vector<float> scalar_strategy(const std::vector<float>& regrets, std::size_t A, std::size_t H) {
  std::vector<float> s(A * H);
  for (std::size_t h = 0; h < H; ++h) {
    float sum = 0.0f;
    for (std::size_t a = 0; a < A; ++a) sum += regrets[a * H + h] > 0.0f ? regrets[a * H + h] : 0.0f;
    for (std::size_t a = 0; a < A; ++a) {
      const float p = regrets[a * H + h] > 0.0f ? regrets[a * H + h] : 0.0f;
      s[a * H + h] = sum > 0.0f ? p / sum : 1.0f / static_cast<float>(A);
    }
  }
  return s;
}

const std::size_t kActions[] = {1, 2, 3, 4, 5, 16, 17};
const std::size_t kHands[] = {1, 7, 8, 13, 67};

// The traverser's float steps one after the other: values, then the
// strategy sums and the regrets in place.
std::vector<float> scalar_pass(std::vector<float>& regrets, std::vector<float>& sums, const std::vector<float>& child,
                               std::size_t A, std::size_t H, float alpha, float beta, float gamma) {
  const auto s = scalar_strategy(regrets, A, H);
  std::vector<float> values(H);
  for (std::size_t h = 0; h < H; ++h) {
    float v = s[h] * child[h];
    for (std::size_t a = 1; a < A; ++a) v += s[a * H + h] * child[a * H + h];
    values[h] = v;
  }
  for (std::size_t i = 0; i < A * H; ++i) {
    sums[i] = gamma * sums[i] + s[i];
    float& R = regrets[i];
    R = R * (R >= 0.0f ? alpha : beta) + child[i];
    R = R - values[i % H];
  }
  return values;
}

TEST(NodeKernelsTest, StrategyAndOpponentRowsMatchTheScalarRule) {
  for (std::size_t A : kActions) {
    for (std::size_t H : kHands) {
      const auto regrets = random_values(A * H, static_cast<std::uint32_t>(31 * A + H), 0.5f);
      const auto reach = random_values(H, static_cast<std::uint32_t>(7 * A + H));
      // The regret-matching kernel follows the rule the fused passes use.
      std::vector<float> kernel(A * H), row(H);
      regret_matching(kernel.data(), row.data(), regrets.data(), A, H);
      expect_bits(kernel, scalar_strategy(regrets, A, H), "regret_matching");
      if (A > kFusedMaxActions) continue;

      // 16-bit: the same as decoding first.
      std::vector<std::int16_t> q(A * H);
      float scale = 0.0f;
      encode16(q.data(), scale, regrets.data(), A * H);
      std::vector<float> decoded(A * H);
      decode16(decoded.data(), q.data(), A * H, scale);
      const auto want16 = scalar_strategy(decoded, A, H);
      std::vector<float> rows(A * H, 9.0f), rows_want(A * H);
      for (std::size_t i = 0; i < A * H; ++i) rows_want[i] = reach[i % H] * want16[i];
      opponent_reach_rows16(rows.data(), q.data(), scale, reach.data(), A, H);
      expect_bits(rows, rows_want, "rows16");
    }
  }
}

TEST(NodeKernelsTest, TraverserPassMatchesTheSeparateSteps) {
  const float alpha = 0.7071f, beta = 0.5f, gamma = 0.8379f;
  for (std::size_t A : kActions) {
    if (A > kFusedMaxActions) continue;
    for (std::size_t H : kHands) {
      const std::size_t n = A * H;
      const auto regrets = random_values(n, static_cast<std::uint32_t>(3 * A + H), 0.3f);
      const auto sums = random_values(n, static_cast<std::uint32_t>(5 * A + H));
      const auto child = random_values(n, static_cast<std::uint32_t>(11 * A + H));

      // Decode both, the float steps, encode both.
      std::vector<std::int16_t> qr(n), qs(n);
      float rs = 0.0f, ss = 0.0f;
      encode16(qr.data(), rs, regrets.data(), n);
      encode16(qs.data(), ss, sums.data(), n);
      std::vector<float> dr(n), ds(n);
      decode16(dr.data(), qr.data(), n, rs);
      decode16(ds.data(), qs.data(), n, ss);
      const auto dv = scalar_pass(dr, ds, child, A, H, alpha, beta, gamma);
      std::vector<std::int16_t> qr_want(n), qs_want(n);
      float rs_want = 0.0f, ss_want = 0.0f;
      encode16(qr_want.data(), rs_want, dr.data(), n);
      encode16(qs_want.data(), ss_want, ds.data(), n);
      std::vector<float> work(2 * n), v16(H);
      update_traverser_node16(qr.data(), rs, qs.data(), ss, child.data(), v16.data(), A, H, alpha, beta, gamma,
                              work.data());
      expect_bits(v16, dv, "values16");
      EXPECT_EQ(qr, qr_want);
      EXPECT_EQ(qs, qs_want);
      EXPECT_EQ(rs, rs_want);
      EXPECT_EQ(ss, ss_want);
    }
  }
}

TEST(NodeKernelsTest, Encoding16) {
  // The largest magnitude maps to +-32767 exactly; rounding to nearest, ties
  // to even; tiny matrices become zeros with scale 1.
  const std::vector<float> in = {2.0f, -1.0f, 1.0f, 0.0f, -2.0f, 0.5f, 1e-3f, -1e-3f, 2.0f, 1.0f, -1.0f};
  std::vector<std::int16_t> q(in.size());
  float scale = 0.0f;
  encode16(q.data(), scale, in.data(), in.size());
  EXPECT_EQ(scale, 2.0f);
  EXPECT_EQ(q, (std::vector<std::int16_t>{32767, -16384, 16384, 0, -32767, 8192, 16, -16, 32767, 16384, -16384}));
  std::vector<float> out(in.size());
  decode16(out.data(), q.data(), q.size(), scale);
  EXPECT_EQ(out[0], 2.0f);
  for (std::size_t i = 0; i < in.size(); ++i) EXPECT_NEAR(out[i], in[i], scale / 32767.0f * 0.5001f);

  std::vector<float> tiny(13, 9e-10f);
  std::vector<std::int16_t> z(13, 5);
  encode16(z.data(), scale, tiny.data(), tiny.size());
  EXPECT_EQ(scale, 1.0f);
  EXPECT_EQ(z, std::vector<std::int16_t>(13, 0));
  // A scale not above 0 decodes to zeros.
  decode16(out.data(), q.data(), q.size(), 0.0f);
  for (std::size_t i = 0; i < q.size(); ++i) EXPECT_EQ(out[i], 0.0f);
}

// The seeded form, entry by entry: q = floor(x * 32767 / m + u) within
// +-32767, at least 1 for a positive entry, +-32767 for the largest, where
// u is the top 24 bits of seed + i * 0x9E3779B9 over 2^24; the eight-entry
// steps give what this rule gives at every position.
TEST(NodeKernelsTest, SeededEncodingFollowsTheRuleAtEveryEntry) {
  for (const std::size_t n : {std::size_t{8}, std::size_t{37}, std::size_t{203}}) {
    std::mt19937 rng(static_cast<std::uint32_t>(n));
    std::uniform_real_distribution<float> value(-3.5f, 3.5f);
    std::vector<float> in(n);
    for (std::size_t i = 0; i < n; ++i) in[i] = i % 5 == 3 ? 0.0f : value(rng);
    in[n / 2] = -4.0f;  // the largest magnitude
    in[1] = 1e-7f;      // far below one step
    for (const std::uint32_t seed : {1u, 0x9E3779B9u, 0xFFFFFFFFu, 12345u}) {
      std::vector<std::int16_t> q(n);
      float scale = 0.0f;
      encode16(q.data(), scale, in.data(), n, seed);
      ASSERT_EQ(scale, 4.0f);
      const float k = 32767.0f / 4.0f;
      for (std::size_t i = 0; i < n; ++i) {
        float y = std::min(std::max(in[i] * k, -32767.0f), 32767.0f);
        const std::uint32_t x = seed + static_cast<std::uint32_t>(i) * 0x9E3779B9u;
        const float u = static_cast<float>(x >> 8) * (1.0f / 16777216.0f);
        float r = std::min(std::floor(y + u), 32767.0f);
        if (y > 0.0f) r = std::max(r, 1.0f);
        if (std::fabs(in[i]) == 4.0f) r = std::copysign(32767.0f, in[i]);
        ASSERT_EQ(q[i], static_cast<std::int16_t>(r)) << "n " << n << " seed " << seed << " entry " << i;
      }
    }
  }
}

TEST(NodeKernelsTest, SeededEncodingIsUnbiasedKeepsSignsAndRepeats) {
  // 3.0 fixes the scale; the other entries fall between steps of 3/32767.
  std::vector<float> in(37);
  for (std::size_t i = 0; i < in.size(); ++i) in[i] = (i == 0 ? 3.0f : 3.0f * (0.123f + 0.0171f * i)) * (i % 3 ? 1 : -1);
  const float step = 3.0f / 32767.0f;
  in[5] = -0.25f * step;  // lost every time by rounding to nearest
  in[34] = 0.25f * step;  // positive: stored as at least one step
  std::vector<double> mean(in.size(), 0.0);
  const int seeds = 4000;
  for (int k = 1; k <= seeds; ++k) {
    const std::uint32_t seed = 0x1234567u * static_cast<std::uint32_t>(k) | 1u;
    std::vector<std::int16_t> q(in.size()), again(in.size());
    float scale = 0.0f, scale2 = 0.0f;
    encode16(q.data(), scale, in.data(), in.size(), seed);
    encode16(again.data(), scale2, in.data(), in.size(), seed);
    ASSERT_EQ(q, again);  // the same seed, the same result
    ASSERT_EQ(scale, 3.0f);
    ASSERT_EQ(q[34], 1);
    ASSERT_EQ(q[0], -32767);  // the largest magnitude (-3.0), exactly
    std::vector<float> out(in.size());
    decode16(out.data(), q.data(), q.size(), scale);
    for (std::size_t i = 0; i < in.size(); ++i) {
      ASSERT_LE(std::fabs(out[i] - in[i]), step * 1.0001f) << i;  // one of the two neighbouring steps
      mean[i] += out[i] / seeds;
    }
  }
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (i != 34) {
      EXPECT_NEAR(mean[i], in[i], step * 0.05) << i;
    }
  }
  // Seed 0 rounds to nearest: the quarter steps are lost.
  std::vector<std::int16_t> q(in.size());
  float scale = 0.0f;
  encode16(q.data(), scale, in.data(), in.size(), 0);
  EXPECT_EQ(q[5], 0);
  EXPECT_EQ(q[34], 0);
  // A matrix of tiny values: zeros in the plain form, kept by the solver's.
  const std::vector<float> tiny = {9e-10f, -3e-10f, 0.0f, 4.5e-10f};
  encode16(q.data(), scale, tiny.data(), tiny.size(), 0);
  EXPECT_EQ(scale, 1.0f);
  EXPECT_EQ(q[0], 0);
  encode16(q.data(), scale, tiny.data(), tiny.size(), 99);
  EXPECT_EQ(scale, 9e-10f);
  EXPECT_EQ(q[0], 32767);
  EXPECT_GE(q[3], 16383);
  EXPECT_LE(q[1], -10922);
}

}  // namespace
}  // namespace velmora
