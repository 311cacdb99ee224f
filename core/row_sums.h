// The values of an opponent node: its children's rows summed per hand in
// double precision and rounded once.
#pragma once
#include <cstddef>

namespace velmora::cfr_detail {

// v[h] = sum over rows of rows[r*H+h], added in row order in double precision.
void sum_rows_double(float* out, const float* rows, std::size_t R, std::size_t H);

}  // namespace velmora::cfr_detail
