// Fused per-node passes of the training traversal.
//
// At a decision node the traversal used to run regret matching, the
// weighted action sum, the strategy-sum update and the regret update one
// after the other, each a pass over the node's matrices. These kernels do
// all of it in one pass per block of eight hands, with the strategy kept in
// registers. The strategy is that of regret matching, computed as its kernel
// does (so the float path gives the separate kernels' results bit for bit):
//
//   p(a,h)  = max(R(a,h), 0),  T(h) = sum over a of p(a,h) (in action order)
//   s(a,h)  = p(a,h) / T(h) when T(h) > 0, else 1 / A
//
// The 16-bit forms read and write the compact storage directly: an entry is
// q * (scale / 32767), and a matrix is re-encoded with scale = its largest
// magnitude as round-to-nearest(x * (32767 / scale)), clamped to +-32767
// (a matrix whose largest magnitude is at most 1e-9 becomes zeros with scale
// 1). Every kernel's AVX path gives bit for bit what its scalar formula gives.
#pragma once
#include <cstddef>
#include <cstdint>

namespace velmora {

// The largest action count the fused kernels take; wider nodes use the
// separate kernels.
inline constexpr std::size_t kFusedMaxActions = 16;

// strategy = the current strategy of the regrets (A x H), by the rule above.
void current_strategy(float* strategy, const float* regrets, std::size_t A, std::size_t H);

// rows(a,h) = reach(h) * s(a,h): the reach an opponent node hands each child.
void opponent_reach_rows(float* rows, const float* regrets, const float* reach, std::size_t A, std::size_t H);
void opponent_reach_rows16(float* rows, const std::int16_t* regrets, float scale, const float* reach, std::size_t A,
                           std::size_t H);

// The traverser's node: values(h) = sum over a of s(a,h) * child(a,h) (first
// product, then the others added in action order); S = gamma * S + s;
// R = (R * d + child) - values, d = alpha when R >= 0, else beta.
void update_traverser_node(float* regrets, float* sums, const float* child_values, float* values, std::size_t A,
                           std::size_t H, float alpha, float beta, float gamma);

// The same on 16-bit storage; both matrices are re-encoded. `work` holds
// 2 * A * H floats.
void update_traverser_node16(std::int16_t* regrets, float& regrets_scale, std::int16_t* sums, float& sums_scale,
                             const float* child_values, float* values, std::size_t A, std::size_t H, float alpha,
                             float beta, float gamma, float* work);

// Decoding and encoding of one matrix in the form above.
void decode16(float* out, const std::int16_t* q, std::size_t n, float scale);
void encode16(std::int16_t* q, float& scale, const float* in, std::size_t n);

}  // namespace velmora
