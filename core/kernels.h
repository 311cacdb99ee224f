// Per-hand arithmetic of the CFR traversals: AVX, no FMA, so results are
// bit-for-bit those of the scalar formulas evaluated left to right.
#pragma once
#include <cstddef>

namespace velmora {

void axpy(float* x, const float* y, std::size_t n, float a);
void weighted_action_sum(float* out, const float* strategy, const float* values, std::size_t A, std::size_t H);
void update_regrets(float* regrets, const float* action_values, const float* node_values, std::size_t A,
                    std::size_t H, float alpha, float beta);
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t A, std::size_t H);
void update_strategy_sum(float* sums, const float* strategy, std::size_t n, float gamma);
void multiply(float* out, const float* a, const float* b, std::size_t n);
void accumulate_rows(float* out, const float* rows, std::size_t R, std::size_t H);
void scale_into(float* out, const float* in, float c, std::size_t n);

}  // namespace velmora
