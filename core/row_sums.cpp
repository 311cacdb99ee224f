#include "core/row_sums.h"

#include <immintrin.h>

#include "core/fixed_count.h"

namespace velmora::cfr_detail {

namespace {

// sum_rows_double for a fixed row count: the same additions in the same
// order, with the loop over the rows unrolled.
template <std::size_t R>
std::size_t sum_fixed_rows(float* out, const float* rows, std::size_t H) {
  std::size_t h = 0;
  for (; h + 4 <= H; h += 4) {
    __m256d acc = _mm256_setzero_pd();
    for (std::size_t r = 0; r < R; ++r) acc = _mm256_add_pd(acc, _mm256_cvtps_pd(_mm_loadu_ps(rows + r * H + h)));
    _mm_storeu_ps(out + h, _mm256_cvtpd_ps(acc));
  }
  return h;
}

}  // namespace

void sum_rows_double(float* out, const float* rows, std::size_t R, std::size_t H) {
  std::size_t h = 0;
  with_fixed_count(R, [&](auto fixed) {
    if constexpr (fixed() != 0) h = sum_fixed_rows<fixed()>(out, rows, H);
  });
  for (; h + 4 <= H; h += 4) {
    __m256d acc = _mm256_setzero_pd();
    for (std::size_t r = 0; r < R; ++r) acc = _mm256_add_pd(acc, _mm256_cvtps_pd(_mm_loadu_ps(rows + r * H + h)));
    _mm_storeu_ps(out + h, _mm256_cvtpd_ps(acc));
  }
  for (; h < H; ++h) {
    double acc = 0.0;
    for (std::size_t r = 0; r < R; ++r) acc += static_cast<double>(rows[r * H + h]);
    out[h] = static_cast<float>(acc);
  }
}

}  // namespace velmora::cfr_detail
