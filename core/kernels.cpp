// Per-hand arithmetic of the CFR traversals.
//
// Every loop runs 8-float AVX steps over the main part of the array (the
// per-hand kernels then one 4-float step) and a scalar loop over the
// remaining elements. Products are rounded to single
// precision before they are added (no FMA), and each element sees exactly the
// operations of the scalar formula in the same order, so vector and scalar
// paths agree bit for bit.
#include "core/kernels.h"

#include <immintrin.h>

#include "core/fixed_count.h"

namespace velmora {

namespace {

inline float positive_part(float x) { return x > 0.0f ? x : 0.0f; }

}  // namespace

void axpy(float* x, const float* y, std::size_t n, float a) {
  if (n == 0 || a == 0.0f) return;
  const __m128 va = _mm_set1_ps(a);
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128 prod = _mm_mul_ps(va, _mm_loadu_ps(y + i));
    _mm_storeu_ps(x + i, _mm_add_ps(_mm_loadu_ps(x + i), prod));
  }
  for (; i < n; ++i) x[i] += a * y[i];
}

void weighted_action_sum(float* out, const float* strategy, const float* values, std::size_t A, std::size_t H) {
  if (A == 0 || H == 0) return;
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    __m256 acc = _mm256_mul_ps(_mm256_loadu_ps(strategy + h), _mm256_loadu_ps(values + h));
    for (std::size_t a = 1; a < A; ++a) {
      const std::size_t o = a * H + h;
      acc = _mm256_add_ps(acc, _mm256_mul_ps(_mm256_loadu_ps(strategy + o), _mm256_loadu_ps(values + o)));
    }
    _mm256_storeu_ps(out + h, acc);
  }
  if (h + 4 <= H) {
    __m128 acc = _mm_mul_ps(_mm_loadu_ps(strategy + h), _mm_loadu_ps(values + h));
    for (std::size_t a = 1; a < A; ++a) {
      const std::size_t o = a * H + h;
      acc = _mm_add_ps(acc, _mm_mul_ps(_mm_loadu_ps(strategy + o), _mm_loadu_ps(values + o)));
    }
    _mm_storeu_ps(out + h, acc);
    h += 4;
  }
  for (; h < H; ++h) {
    float acc = strategy[h] * values[h];
    for (std::size_t a = 1; a < A; ++a) acc += strategy[a * H + h] * values[a * H + h];
    out[h] = acc;
  }
}

// R = (R * d + v(a,h)) - v(h), d = alpha for R >= 0 and beta otherwise (NaN
// included). Written as one pass: the per-element order of operations is that
// of the discount pass followed by the baseline pass.
void update_regrets(float* regrets, const float* action_values, const float* node_values, std::size_t A,
                    std::size_t H, float alpha, float beta) {
  if (A == 0 || H == 0) return;
  const __m256 va = _mm256_set1_ps(alpha);
  const __m256 vb = _mm256_set1_ps(beta);
  const __m256 zero = _mm256_setzero_ps();
  for (std::size_t a = 0; a < A; ++a) {
    float* r = regrets + a * H;
    const float* av = action_values + a * H;
    std::size_t h = 0;
    for (; h + 8 <= H; h += 8) {
      const __m256 R = _mm256_loadu_ps(r + h);
      const __m256 ge = _mm256_cmp_ps(R, zero, _CMP_GE_OQ);
      const __m256 d = _mm256_or_ps(_mm256_and_ps(ge, va), _mm256_andnot_ps(ge, vb));
      __m256 x = _mm256_add_ps(_mm256_mul_ps(R, d), _mm256_loadu_ps(av + h));
      x = _mm256_sub_ps(x, _mm256_loadu_ps(node_values + h));
      _mm256_storeu_ps(r + h, x);
    }
    if (h + 4 <= H) {
      const __m128 R = _mm_loadu_ps(r + h);
      const __m128 ge = _mm_cmp_ps(R, _mm256_castps256_ps128(zero), _CMP_GE_OQ);
      const __m128 d =
          _mm_or_ps(_mm_and_ps(ge, _mm256_castps256_ps128(va)), _mm_andnot_ps(ge, _mm256_castps256_ps128(vb)));
      __m128 x = _mm_add_ps(_mm_mul_ps(R, d), _mm_loadu_ps(av + h));
      x = _mm_sub_ps(x, _mm_loadu_ps(node_values + h));
      _mm_storeu_ps(r + h, x);
      h += 4;
    }
    for (; h < H; ++h) {
      const float R = r[h];
      const float d = R >= 0.0f ? alpha : beta;
      float x = R * d + av[h];
      x = x - node_values[h];
      r[h] = x;
    }
  }
}

namespace {

// The blocks of eight hands of regret_matching for a fixed action count,
// with the loops over the actions unrolled; returns the hands done.
template <std::size_t A>
std::size_t regret_matching_fixed(float* strategy, float* scratch, const float* regrets, std::size_t H, __m256 vu) {
  const __m256 zero = _mm256_setzero_ps();
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    __m256 p[A];
    __m256 sum = zero;
    for (std::size_t a = 0; a < A; ++a) {
      p[a] = _mm256_max_ps(_mm256_loadu_ps(regrets + a * H + h), zero);
      sum = _mm256_add_ps(sum, p[a]);
    }
    _mm256_storeu_ps(scratch + h, sum);
    const __m256 pos = _mm256_cmp_ps(sum, zero, _CMP_GT_OQ);
    for (std::size_t a = 0; a < A; ++a) {
      const __m256 q = _mm256_div_ps(p[a], sum);
      _mm256_storeu_ps(strategy + a * H + h, _mm256_or_ps(_mm256_and_ps(pos, q), _mm256_andnot_ps(pos, vu)));
    }
  }
  return h;
}

}  // namespace

// Processes 8 hands at a time through all actions, so the positive parts are
// still in cache when they are normalised.
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t A, std::size_t H) {
  if (A == 0 || H == 0) return;
  const float uniform = 1.0f / static_cast<float>(A);
  const __m256 vu = _mm256_set1_ps(uniform);
  const __m256 zero = _mm256_setzero_ps();
  std::size_t h = 0;
  with_fixed_count(A, [&](auto fixed) {
    if constexpr (fixed() != 0) h = regret_matching_fixed<fixed()>(strategy, scratch, regrets, H, vu);
  });
  for (; h + 8 <= H; h += 8) {
    __m256 sum = zero;
    for (std::size_t a = 0; a < A; ++a) {
      const __m256 p = _mm256_max_ps(_mm256_loadu_ps(regrets + a * H + h), zero);
      _mm256_storeu_ps(strategy + a * H + h, p);
      sum = _mm256_add_ps(sum, p);
    }
    _mm256_storeu_ps(scratch + h, sum);
    const __m256 pos = _mm256_cmp_ps(sum, zero, _CMP_GT_OQ);
    for (std::size_t a = 0; a < A; ++a) {
      float* s = strategy + a * H + h;
      const __m256 q = _mm256_div_ps(_mm256_loadu_ps(s), sum);
      _mm256_storeu_ps(s, _mm256_or_ps(_mm256_and_ps(pos, q), _mm256_andnot_ps(pos, vu)));
    }
  }
  for (; h < H; ++h) {
    float sum = 0.0f;
    for (std::size_t a = 0; a < A; ++a) {
      const float p = positive_part(regrets[a * H + h]);
      strategy[a * H + h] = p;
      sum += p;
    }
    scratch[h] = sum;
    for (std::size_t a = 0; a < A; ++a) {
      float& s = strategy[a * H + h];
      s = sum > 0.0f ? s / sum : uniform;
    }
  }
}

void update_strategy_sum(float* sums, const float* strategy, std::size_t n, float gamma) {
  if (n == 0) return;
  const __m256 vg = _mm256_set1_ps(gamma);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256 x = _mm256_add_ps(_mm256_mul_ps(vg, _mm256_loadu_ps(sums + i)), _mm256_loadu_ps(strategy + i));
    _mm256_storeu_ps(sums + i, x);
  }
  for (; i < n; ++i) sums[i] = gamma * sums[i] + strategy[i];
}

void multiply(float* out, const float* a, const float* b, std::size_t n) {
  if (n == 0) return;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) _mm256_storeu_ps(out + i, _mm256_mul_ps(_mm256_loadu_ps(a + i), _mm256_loadu_ps(b + i)));
  for (; i < n; ++i) out[i] = a[i] * b[i];
}

void accumulate_rows(float* out, const float* rows, std::size_t R, std::size_t H) {
  if (R == 0 || H == 0) return;
  std::size_t h = 0;
  for (; h + 8 <= H; h += 8) {
    __m256 acc = _mm256_loadu_ps(out + h);
    for (std::size_t r = 0; r < R; ++r) acc = _mm256_add_ps(acc, _mm256_loadu_ps(rows + r * H + h));
    _mm256_storeu_ps(out + h, acc);
  }
  for (; h < H; ++h) {
    float acc = out[h];
    for (std::size_t r = 0; r < R; ++r) acc += rows[r * H + h];
    out[h] = acc;
  }
}

void scale_into(float* out, const float* in, float c, std::size_t n) {
  if (n == 0) return;
  const __m256 vc = _mm256_set1_ps(c);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) _mm256_storeu_ps(out + i, _mm256_mul_ps(vc, _mm256_loadu_ps(in + i)));
  for (; i < n; ++i) out[i] = c * in[i];
}

}  // namespace velmora
