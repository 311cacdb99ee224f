// Fused per-node passes of the training traversal on 16-bit storage.
//
// With 32-bit storage a decision node runs regret matching, the weighted
// action sum, the strategy-sum update and the regret update of kernels.h one
// after the other. On 16-bit storage these kernels do all of it in one pass
// per block of eight hands, decoding and encoding the compact matrices
// directly, with the strategy kept in registers. The strategy is that of
// regret matching, computed as its kernel does:
//
//   p(a,h)  = max(R(a,h), 0),  T(h) = sum over a of p(a,h) (in action order)
//   s(a,h)  = p(a,h) / T(h) when T(h) > 0, else 1 / A
//
// An entry is q * (scale / 32767), and a matrix is re-encoded with scale =
// its largest magnitude as round-to-nearest(x * (32767 / scale)), clamped to
// +-32767 (a matrix whose largest magnitude is at most 1e-9 becomes zeros
// with scale 1). Every kernel's AVX path gives bit for bit what its scalar
// formula gives: decoding, the separate float steps and encoding.
#pragma once
#include <cstddef>
#include <cstdint>

namespace velmora {

// The largest action count the fused kernels take; wider nodes use the
// separate kernels.
inline constexpr std::size_t kFusedMaxActions = 16;

// rows(a,h) = reach(h) * s(a,h): the reach an opponent node hands each
// child, from its 16-bit regrets.
void opponent_reach_rows16(float* rows, const std::int16_t* regrets, float scale, const float* reach, std::size_t A,
                           std::size_t H);

// The traverser's node: values(h) = sum over a of s(a,h) * child(a,h) (first
// product, then the others added in action order); S = gamma * S + s;
// R = (R * d + child) - values, d = alpha when R >= 0, else beta.
// On 16-bit storage, both matrices are re-encoded, the regrets with
// `seed` and the sums with sums_seed(seed). `work` holds 2 * A * H floats.
void update_traverser_node16(std::int16_t* regrets, float& regrets_scale, std::int16_t* sums, float& sums_scale,
                             const float* child_values, float* values, std::size_t A, std::size_t H, float alpha,
                             float beta, float gamma, float* work, std::uint32_t seed = 0);

// Decoding and encoding of one matrix in the form above.
void decode16(float* out, const std::int16_t* q, std::size_t n, float scale);
void encode16(std::int16_t* q, float& scale, const float* in, std::size_t n, std::uint32_t seed = 0);

// The stream of a node's strategy sums beside that of its regrets (0 stays 0).
inline std::uint32_t sums_seed(std::uint32_t seed) { return seed == 0 ? 0 : (seed ^ 0x5bd1e995u) | 1u; }


}  // namespace velmora
