// Fused node passes against the scalar formulas they stand for, bit for bit,
// in the vector part and the tail, and the 16-bit forms against decoding,
// the float pass and encoding one after the other.
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

const std::size_t kActions[] = {1, 2, 3, 5, 16, 17};
const std::size_t kHands[] = {1, 7, 8, 13, 67};

TEST(NodeKernelsTest, StrategyAndOpponentRowsMatchTheScalarRule) {
  for (std::size_t A : kActions) {
    for (std::size_t H : kHands) {
      const auto regrets = random_values(A * H, static_cast<std::uint32_t>(31 * A + H), 0.5f);
      const auto reach = random_values(H, static_cast<std::uint32_t>(7 * A + H));
      const auto want = scalar_strategy(regrets, A, H);
      std::vector<float> got(A * H, 9.0f);
      current_strategy(got.data(), regrets.data(), A, H);
      expect_bits(got, want, "strategy");
      // The same as the regret-matching kernel.
      std::vector<float> kernel(A * H), row(H);
      regret_matching(kernel.data(), row.data(), regrets.data(), A, H);
      expect_bits(got, kernel, "regret_matching");

      std::vector<float> rows(A * H, 9.0f), rows_want(A * H);
      for (std::size_t i = 0; i < A * H; ++i) rows_want[i] = reach[i % H] * want[i];
      opponent_reach_rows(rows.data(), regrets.data(), reach.data(), A, H);
      expect_bits(rows, rows_want, "rows");

      // 16-bit: the same as decoding first.
      std::vector<std::int16_t> q(A * H);
      float scale = 0.0f;
      encode16(q.data(), scale, regrets.data(), A * H);
      std::vector<float> decoded(A * H);
      decode16(decoded.data(), q.data(), A * H, scale);
      const auto want16 = scalar_strategy(decoded, A, H);
      for (std::size_t i = 0; i < A * H; ++i) rows_want[i] = reach[i % H] * want16[i];
      opponent_reach_rows16(rows.data(), q.data(), scale, reach.data(), A, H);
      expect_bits(rows, rows_want, "rows16");
    }
  }
  // Every regret of a hand at or below zero: 1/A each.
  std::vector<float> s(3);
  current_strategy(s.data(), std::vector<float>{-1.0f, 0.0f, -0.0f}.data(), 3, 1);
  for (float x : s) EXPECT_EQ(x, 1.0f / 3.0f);
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

      const auto s = scalar_strategy(regrets, A, H);
      std::vector<float> v_want(H), r_want = regrets, s_want = sums;
      for (std::size_t h = 0; h < H; ++h) {
        float v = s[h] * child[h];
        for (std::size_t a = 1; a < A; ++a) v += s[a * H + h] * child[a * H + h];
        v_want[h] = v;
      }
      for (std::size_t i = 0; i < n; ++i) {
        s_want[i] = gamma * s_want[i] + s[i];
        float& R = r_want[i];
        R = R * (R >= 0.0f ? alpha : beta) + child[i];
        R = R - v_want[i % H];
      }
      std::vector<float> r = regrets, sm = sums, v(H, 9.0f);
      update_traverser_node(r.data(), sm.data(), child.data(), v.data(), A, H, alpha, beta, gamma);
      expect_bits(v, v_want, "values");
      expect_bits(r, r_want, "regrets");
      expect_bits(sm, s_want, "sums");

      // 16-bit: decode both, the float pass, encode both.
      std::vector<std::int16_t> qr(n), qs(n);
      float rs = 0.0f, ss = 0.0f;
      encode16(qr.data(), rs, regrets.data(), n);
      encode16(qs.data(), ss, sums.data(), n);
      std::vector<float> dr(n), ds(n), dv(H);
      decode16(dr.data(), qr.data(), n, rs);
      decode16(ds.data(), qs.data(), n, ss);
      update_traverser_node(dr.data(), ds.data(), child.data(), dv.data(), A, H, alpha, beta, gamma);
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

}  // namespace
}  // namespace velmora
