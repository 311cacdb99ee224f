// Fused node passes: AVX steps of eight hands with the node's strategy in
// registers, then a scalar tail with the same operations in the same order.
#include "core/node_kernels.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>

#include "core/fixed_count.h"

namespace velmora {

namespace {

// One block of eight hands (or one hand in the scalar tail) of regret
// matching: the strategy of every action.
// mask ? a : b, with a mask from a comparison (bitwise: GCC turns the blend
// instruction into a branch per lane here).
inline __m256 select(__m256 mask, __m256 a, __m256 b) {
  return _mm256_or_ps(_mm256_and_ps(mask, a), _mm256_andnot_ps(mask, b));
}

inline void strategy_block(__m256* s, const __m256* r, std::size_t A, __m256 uniform) {
  const __m256 zero = _mm256_setzero_ps();
  __m256 sum = zero;
  for (std::size_t a = 0; a < A; ++a) {
    s[a] = _mm256_max_ps(r[a], zero);
    sum = _mm256_add_ps(sum, s[a]);
  }
  const __m256 pos = _mm256_cmp_ps(sum, zero, _CMP_GT_OQ);
  for (std::size_t a = 0; a < A; ++a) s[a] = select(pos, _mm256_div_ps(s[a], sum), uniform);
}

inline void strategy_scalar(float* s, const float* r, std::size_t A, float uniform) {
  float sum = 0.0f;
  for (std::size_t a = 0; a < A; ++a) {
    s[a] = r[a] > 0.0f ? r[a] : 0.0f;
    sum += s[a];
  }
  for (std::size_t a = 0; a < A; ++a) s[a] = sum > 0.0f ? s[a] / sum : uniform;
}

inline __m256 load16(const std::int16_t* q) {
  const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
  const __m128i lo = _mm_cvtepi16_epi32(raw);
  const __m128i hi = _mm_cvtepi16_epi32(_mm_srli_si128(raw, 8));
  return _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1));
}

// Decoding factor of a scale; 0 for a scale that is not above 0, which
// decodes every entry to 0.
inline float decode_factor(float scale) { return scale > 0.0f ? scale / 32767.0f : 0.0f; }

// max(m, |x|) with a NaN entry ignored, the same on both paths.
inline __m256 max_abs_step(__m256 m, __m256 x) {
  const __m256 abs = _mm256_and_ps(x, _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF)));
  return _mm256_max_ps(abs, m);
}

inline float max_abs_scalar(float m, float x) {
  const float a = std::fabs(x);
  return a > m ? a : m;
}

float reduce_max(__m256 m) {
  alignas(32) float lanes[8];
  _mm256_store_ps(lanes, m);
  float r = lanes[0];
  for (int i = 1; i < 8; ++i) r = lanes[i] > r ? lanes[i] : r;
  return r;
}

// The float in [0, 1) for entry i of the stream `seed`: the top bits of
// seed + i * golden ratio (mod 2^32). The seed is a hash of the node
// and the iteration, so each entry's draw is uniform from one iteration to
// the next; within a matrix the draws are evenly spread.
constexpr std::uint32_t kGolden = 0x9E3779B9u;

inline float uniform1(std::uint32_t seed, std::size_t i) {
  const std::uint32_t x = seed + static_cast<std::uint32_t>(i) * kGolden;
  return static_cast<float>(x >> 8) * (1.0f / 16777216.0f);
}

// Rounds eight values (already within +-32767) to the nearest integers and
// stores them as 16-bit entries.
inline void store16(std::int16_t* q, __m256 y) {
  const __m256i r = _mm256_cvtps_epi32(y);
  const __m128i packed = _mm_packs_epi32(_mm256_castsi256_si128(r), _mm256_extractf128_si256(r, 1));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(q), packed);
}

// Encodes n floats whose largest magnitude is m. Seed 0 rounds to nearest
// and stores a matrix whose largest magnitude is at most 1e-9 as zeros. Any
// other seed stores the solver's matrices: it rounds down or up at random
// in proportion to the distance (q = floor(y + u), u uniform in [0, 1)), so
// the stored value is right on average; a positive value never becomes 0
// (q is at least 1): regret matching plays a hand's only positive action
// purely, and that hand would otherwise play uniformly; and only a matrix
// of zeros (below 1e-30, where the factor would overflow) is stored as one.
void encode_with_max(std::int16_t* q, float& scale, const float* in, std::size_t n, float m, std::uint32_t seed) {
  const double zero_below = seed == 0 ? 1e-9 : 1e-30;
  if (!(static_cast<double>(m) > zero_below)) {
    scale = 1.0f;
    std::fill(q, q + n, std::int16_t{0});
    return;
  }
  scale = m;
  const float k = 32767.0f / m;
  const __m256 vk = _mm256_set1_ps(k);
  const __m256 hi = _mm256_set1_ps(32767.0f);
  const __m256 lo = _mm256_set1_ps(-32767.0f);
  std::size_t i = 0;
  if (seed == 0) {
    for (; i + 8 <= n; i += 8) {
      __m256 y = _mm256_mul_ps(_mm256_loadu_ps(in + i), vk);
      y = _mm256_max_ps(_mm256_min_ps(y, hi), lo);
      store16(q + i, y);
    }
  } else {
    // The stream's values seed + j * golden for entries j = i .. i+7 (as
    // uniform1 takes them), stepped along with i.
    const __m128i steps = _mm_setr_epi32(0, static_cast<int>(kGolden), static_cast<int>(2 * kGolden),
                                         static_cast<int>(3 * kGolden));
    __m128i x0 = _mm_add_epi32(_mm_set1_epi32(static_cast<int>(seed)), steps);
    __m128i x1 = _mm_add_epi32(x0, _mm_set1_epi32(static_cast<int>(4 * kGolden)));
    const __m128i step = _mm_set1_epi32(static_cast<int>(8 * kGolden));
    const __m256 unit = _mm256_set1_ps(1.0f / 16777216.0f);
    const __m256 one = _mm256_set1_ps(1.0f);
    const __m256 sign_bit = _mm256_set1_ps(-0.0f);
    const __m256 vm = _mm256_set1_ps(m);
    for (; i + 8 <= n; i += 8) {
      const __m256 x = _mm256_loadu_ps(in + i);
      __m256 y = _mm256_mul_ps(x, vk);
      y = _mm256_max_ps(_mm256_min_ps(y, hi), lo);
      const __m256 u = _mm256_mul_ps(
          _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_cvtepi32_ps(_mm_srli_epi32(x0, 8))),
                               _mm_cvtepi32_ps(_mm_srli_epi32(x1, 8)), 1),
          unit);
      x0 = _mm_add_epi32(x0, step);
      x1 = _mm_add_epi32(x1, step);
      const __m256 positive = _mm256_cmp_ps(y, _mm256_setzero_ps(), _CMP_GT_OQ);
      // y + u >= -32767, so the floor needs no lower clamp.
      const __m256 r = _mm256_min_ps(_mm256_floor_ps(_mm256_add_ps(y, u)), hi);
      y = select(positive, _mm256_max_ps(r, one), r);
      // The largest magnitude stays exactly +-32767, whatever the draw.
      const __m256 largest = _mm256_cmp_ps(_mm256_andnot_ps(sign_bit, x), vm, _CMP_EQ_OQ);
      y = select(largest, _mm256_or_ps(hi, _mm256_and_ps(x, sign_bit)), y);
      store16(q + i, y);
    }
  }
  for (; i < n; ++i) {
    float y = in[i] * k;
    y = y < 32767.0f ? y : 32767.0f;
    y = y > -32767.0f ? y : -32767.0f;
    if (seed != 0) {
      const bool positive = y > 0.0f;
      y = std::floor(y + uniform1(seed, i));
      y = y < 32767.0f ? y : 32767.0f;
      y = y > -32767.0f ? y : -32767.0f;
      if (positive) y = y > 1.0f ? y : 1.0f;
      if (std::fabs(in[i]) == m) y = std::copysign(32767.0f, in[i]);
    }
    q[i] = static_cast<std::int16_t>(std::lrintf(y));
  }
}

}  // namespace

void decode16(float* out, const std::int16_t* q, std::size_t n, float scale) {
  const float k = decode_factor(scale);
  const __m256 vk = _mm256_set1_ps(k);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) _mm256_storeu_ps(out + i, _mm256_mul_ps(load16(q + i), vk));
  for (; i < n; ++i) out[i] = static_cast<float>(q[i]) * k;
}

void encode16(std::int16_t* q, float& scale, const float* in, std::size_t n, std::uint32_t seed) {
  if (n == 0) {
    scale = 1.0f;
    return;
  }
  __m256 vm = _mm256_setzero_ps();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) vm = max_abs_step(vm, _mm256_loadu_ps(in + i));
  float m = reduce_max(vm);
  for (; i < n; ++i) m = max_abs_scalar(m, in[i]);
  encode_with_max(q, scale, in, n, m, seed);
}

namespace {

// The opponent kernel's body; `load(a, h)` gives eight decoded regrets,
// `get(a, h)` one. N is the action count when fixed, else 0
// (`with_fixed_count`).
template <std::size_t N, class Load, class Get>
void reach_rows(float* rows, const float* reach, std::size_t actions, std::size_t H, Load load, Get get) {
  const std::size_t A = N != 0 ? N : actions;
  const float uniform = 1.0f / static_cast<float>(A);
  const __m256 vu = _mm256_set1_ps(uniform);
  __m256 r[kFusedMaxActions];
  __m256 s[kFusedMaxActions];
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    for (std::size_t a = 0; a < A; ++a) r[a] = load(a, h);
    strategy_block(s, r, A, vu);
    const __m256 x = _mm256_loadu_ps(reach + h);
    for (std::size_t a = 0; a < A; ++a) _mm256_storeu_ps(rows + a * H + h, _mm256_mul_ps(x, s[a]));
  }
  float rs[kFusedMaxActions];
  float ss[kFusedMaxActions];
  for (; h < H; ++h) {
    for (std::size_t a = 0; a < A; ++a) rs[a] = get(a, h);
    strategy_scalar(ss, rs, A, uniform);
    for (std::size_t a = 0; a < A; ++a) rows[a * H + h] = reach[h] * ss[a];
  }
}

}  // namespace

void opponent_reach_rows16(float* rows, const std::int16_t* regrets, float scale, const float* reach, std::size_t A,
                           std::size_t H) {
  if (A == 0 || H == 0 || A > kFusedMaxActions) return;
  const float k = decode_factor(scale);
  const __m256 vk = _mm256_set1_ps(k);
  with_fixed_count(A, [&](auto fixed) {
    reach_rows<fixed()>(
        rows, reach, A, H,
        [regrets, H, vk](std::size_t a, std::size_t h) { return _mm256_mul_ps(load16(regrets + a * H + h), vk); },
        [regrets, H, k](std::size_t a, std::size_t h) { return static_cast<float>(regrets[a * H + h]) * k; });
  });
}

namespace {

// The traverser's update; `load_r(a, h)` / `load_s(a, h)` give eight decoded
// regrets / sums, `put(a, h, r, s)` takes the new ones, and the scalar
// versions do the same for one hand.
template <std::size_t N, class LoadR, class LoadS, class Put, class GetR, class GetS, class PutOne>
void traverser_pass(const float* child, float* values, std::size_t actions, std::size_t H, float alpha, float beta,
                    float gamma, LoadR load_r, LoadS load_s, Put put, GetR get_r, GetS get_s, PutOne put_one) {
  const std::size_t A = N != 0 ? N : actions;
  const float uniform = 1.0f / static_cast<float>(A);
  const __m256 vu = _mm256_set1_ps(uniform);
  const __m256 va = _mm256_set1_ps(alpha);
  const __m256 vb = _mm256_set1_ps(beta);
  const __m256 vg = _mm256_set1_ps(gamma);
  const __m256 zero = _mm256_setzero_ps();
  __m256 r[kFusedMaxActions];
  __m256 s[kFusedMaxActions];
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    for (std::size_t a = 0; a < A; ++a) r[a] = load_r(a, h);
    strategy_block(s, r, A, vu);
    __m256 v = _mm256_mul_ps(s[0], _mm256_loadu_ps(child + h));
    for (std::size_t a = 1; a < A; ++a) v = _mm256_add_ps(v, _mm256_mul_ps(s[a], _mm256_loadu_ps(child + a * H + h)));
    _mm256_storeu_ps(values + h, v);
    for (std::size_t a = 0; a < A; ++a) {
      const __m256 sum = _mm256_add_ps(_mm256_mul_ps(vg, load_s(a, h)), s[a]);
      const __m256 d = select(_mm256_cmp_ps(r[a], zero, _CMP_GE_OQ), va, vb);
      __m256 x = _mm256_add_ps(_mm256_mul_ps(r[a], d), _mm256_loadu_ps(child + a * H + h));
      x = _mm256_sub_ps(x, v);
      put(a, h, x, sum);
    }
  }
  float rs[kFusedMaxActions];
  float ss[kFusedMaxActions];
  for (; h < H; ++h) {
    for (std::size_t a = 0; a < A; ++a) rs[a] = get_r(a, h);
    strategy_scalar(ss, rs, A, uniform);
    float v = ss[0] * child[h];
    for (std::size_t a = 1; a < A; ++a) v += ss[a] * child[a * H + h];
    values[h] = v;
    for (std::size_t a = 0; a < A; ++a) {
      const float sum = gamma * get_s(a, h) + ss[a];
      const float d = rs[a] >= 0.0f ? alpha : beta;
      float x = rs[a] * d + child[a * H + h];
      x = x - v;
      put_one(a, h, x, sum);
    }
  }
}

}  // namespace

void update_traverser_node16(std::int16_t* regrets, float& regrets_scale, std::int16_t* sums, float& sums_scale,
                             const float* child_values, float* values, std::size_t A, std::size_t H, float alpha,
                             float beta, float gamma, float* work, std::uint32_t seed) {
  if (A == 0 || H == 0 || A > kFusedMaxActions) return;
  const std::size_t n = A * H;
  const float kr = decode_factor(regrets_scale);
  const float ks = decode_factor(sums_scale);
  const __m256 vkr = _mm256_set1_ps(kr);
  const __m256 vks = _mm256_set1_ps(ks);
  float* new_r = work;
  float* new_s = work + n;
  __m256 mr = _mm256_setzero_ps();
  __m256 ms = _mm256_setzero_ps();
  float mr1 = 0.0f;
  float ms1 = 0.0f;
  with_fixed_count(A, [&](auto fixed) {
    traverser_pass<fixed()>(
        child_values, values, A, H, alpha, beta, gamma,
        [regrets, H, vkr](std::size_t a, std::size_t h) { return _mm256_mul_ps(load16(regrets + a * H + h), vkr); },
        [sums, H, vks](std::size_t a, std::size_t h) { return _mm256_mul_ps(load16(sums + a * H + h), vks); },
        [&](std::size_t a, std::size_t h, __m256 r, __m256 s) {
          _mm256_storeu_ps(new_r + a * H + h, r);
          _mm256_storeu_ps(new_s + a * H + h, s);
          mr = max_abs_step(mr, r);
          ms = max_abs_step(ms, s);
        },
        [regrets, H, kr](std::size_t a, std::size_t h) { return static_cast<float>(regrets[a * H + h]) * kr; },
        [sums, H, ks](std::size_t a, std::size_t h) { return static_cast<float>(sums[a * H + h]) * ks; },
        [&](std::size_t a, std::size_t h, float r, float s) {
          new_r[a * H + h] = r;
          new_s[a * H + h] = s;
          mr1 = max_abs_scalar(mr1, r);
          ms1 = max_abs_scalar(ms1, s);
        });
  });
  const float max_r = std::max(reduce_max(mr), mr1);
  const float max_s = std::max(reduce_max(ms), ms1);
  encode_with_max(regrets, regrets_scale, new_r, n, max_r, seed);
  encode_with_max(sums, sums_scale, new_s, n, max_s, sums_seed(seed));
}

}  // namespace velmora
