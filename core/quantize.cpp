// 16-bit matrix storage. Encoding rounds halves away from zero (lroundf);
// the AVX paths reproduce the scalar formulas exactly.
#include "core/quantize.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// Clamp in the order of the vector min/max instructions, so a NaN maps the
// same way on both paths.
inline float clamp_unit(float c) {
  c = c < 1.0f ? c : 1.0f;
  c = c > -1.0f ? c : -1.0f;
  return c;
}

float max_abs(const float* in, std::size_t n) {
  const __m256 mask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
  __m256 vm = _mm256_setzero_ps();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) vm = _mm256_max_ps(vm, _mm256_and_ps(_mm256_loadu_ps(in + i), mask));
  alignas(32) float lanes[8];
  _mm256_store_ps(lanes, vm);
  float m = 0.0f;
  for (float v : lanes) m = v > m ? v : m;
  for (; i < n; ++i) {
    const float a = std::fabs(in[i]);
    m = a > m ? a : m;
  }
  return m;
}

}  // namespace

namespace {

// The encoding of quantize16 for a matrix whose largest magnitude is known.
void encode_with_max(const float* in, std::size_t n, std::int16_t* q, float& scale, float m) {
  if (static_cast<double>(m) <= 1e-9) {
    scale = 1.0f;
    std::fill(q, q + n, std::int16_t{0});
    return;
  }
  scale = m;
  const __m256 vs = _mm256_set1_ps(scale);
  const __m256 one = _mm256_set1_ps(1.0f);
  const __m256 neg_one = _mm256_set1_ps(-1.0f);
  const __m256 full = _mm256_set1_ps(32767.0f);
  const __m256 half = _mm256_set1_ps(0.5f);
  const __m256 sign = _mm256_set1_ps(-0.0f);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    __m256 c = _mm256_div_ps(_mm256_loadu_ps(in + i), vs);
    c = _mm256_max_ps(_mm256_min_ps(c, one), neg_one);
    const __m256 y = _mm256_mul_ps(full, c);
    // Round half away from zero: truncate, then step away from zero when the
    // dropped fraction is at least one half (the subtraction is exact).
    const __m256 t = _mm256_round_ps(y, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    const __m256 frac = _mm256_andnot_ps(sign, _mm256_sub_ps(y, t));
    const __m256 step = _mm256_or_ps(one, _mm256_and_ps(sign, y));
    const __m256 r = _mm256_add_ps(t, _mm256_and_ps(_mm256_cmp_ps(frac, half, _CMP_GE_OQ), step));
    const __m256i ri = _mm256_cvttps_epi32(r);
    const __m128i packed = _mm_packs_epi32(_mm256_castsi256_si128(ri), _mm256_extractf128_si256(ri, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(q + i), packed);
  }
  for (; i < n; ++i) {
    const float c = clamp_unit(in[i] / scale);
    q[i] = static_cast<std::int16_t>(std::lroundf(32767.0f * c));
  }
}

}  // namespace

void quantize16(const float* in, std::size_t n, std::int16_t* q, float& scale) {
  if (n == 0) {
    scale = 1.0f;
    return;
  }
  encode_with_max(in, n, q, scale, max_abs(in, n));
}

void update_strategy_sums16(std::int16_t* q, float& scale, const float* strategy, std::size_t n, float gamma,
                            float* work) {
  if (n == 0) return;
  // Decoded exactly as dequantize16_into would (all zeros for a scale that
  // is not above 0), then the strategy-sum update, while tracking the
  // largest magnitude for the encoding.
  const bool valid = scale > 0.0f;
  const __m256 vs = _mm256_set1_ps(scale);
  const __m256 full = _mm256_set1_ps(32767.0f);
  const __m256 vg = _mm256_set1_ps(gamma);
  const __m256 mask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
  __m256 vm = _mm256_setzero_ps();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    __m256 f = _mm256_setzero_ps();
    if (valid) {
      const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + i));
      const __m128i lo = _mm_cvtepi16_epi32(raw);
      const __m128i hi = _mm_cvtepi16_epi32(_mm_srli_si128(raw, 8));
      f = _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1));
      f = _mm256_mul_ps(_mm256_div_ps(f, full), vs);
    }
    const __m256 u = _mm256_add_ps(_mm256_mul_ps(vg, f), _mm256_loadu_ps(strategy + i));
    _mm256_storeu_ps(work + i, u);
    vm = _mm256_max_ps(vm, _mm256_and_ps(u, mask));
  }
  alignas(32) float lanes[8];
  _mm256_store_ps(lanes, vm);
  float m = 0.0f;
  for (float v : lanes) m = v > m ? v : m;
  for (; i < n; ++i) {
    const float f = valid ? static_cast<float>(q[i]) / 32767.0f * scale : 0.0f;
    const float u = gamma * f + strategy[i];
    work[i] = u;
    const float a = std::fabs(u);
    m = a > m ? a : m;
  }
  encode_with_max(work, n, q, scale, m);
}

void quantize16(const std::vector<float>& in, std::vector<std::int16_t>& out, float& scale) {
  if (in.empty()) {
    out.clear();
    scale = 1.0f;
    return;
  }
  out.resize(in.size());
  quantize16(in.data(), in.size(), out.data(), scale);
}

void dequantize16_into(float* out, const std::int16_t* q, std::size_t in_size, float scale, std::size_t A,
                       std::size_t H) {
  const std::size_t n = A * H;
  if (n == 0) return;
  if (q == nullptr || in_size == 0 || !(scale > 0.0f) || in_size < n) {
    std::fill(out, out + n, 0.0f);
    return;
  }
  const __m256 vs = _mm256_set1_ps(scale);
  const __m256 full = _mm256_set1_ps(32767.0f);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + i));
    const __m128i lo = _mm_cvtepi16_epi32(raw);
    const __m128i hi = _mm_cvtepi16_epi32(_mm_srli_si128(raw, 8));
    const __m256 f = _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1));
    _mm256_storeu_ps(out + i, _mm256_mul_ps(_mm256_div_ps(f, full), vs));
  }
  for (; i < n; ++i) out[i] = static_cast<float>(q[i]) / 32767.0f * scale;
}

void dequantize16(std::vector<float>& out, const std::vector<std::int16_t>& in, float scale, std::size_t A,
                  std::size_t H) {
  out.assign(A * H, 0.0f);
  dequantize16_into(out.data(), in.data(), in.size(), scale, A, H);
}

}  // namespace velmora
