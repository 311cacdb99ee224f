// Compact 16-bit form of a float matrix: value = q / 32767 * scale.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

void quantize16(const std::vector<float>& in, std::vector<std::int16_t>& out, float& scale);
void dequantize16(std::vector<float>& out, const std::vector<std::int16_t>& in, float scale, std::size_t A,
                  std::size_t H);

// Buffer forms used inside the traversals: `out` holds n values; `in`
// holds `in_size` values, of which A*H are decoded (all zeros when fewer).
void quantize16(const float* in, std::size_t n, std::int16_t* out, float& scale);
void dequantize16_into(float* out, const std::int16_t* in, std::size_t in_size, float scale, std::size_t A,
                       std::size_t H);

// The strategy-sum update of a node kept in 16-bit form: decode, S = gamma*S
// + strategy, encode; the same values as those three steps apart, in two
// passes. `work` holds n floats and ends up with the updated sums.
void update_strategy_sums16(std::int16_t* q, float& scale, const float* strategy, std::size_t n, float gamma,
                            float* work);

}  // namespace velmora
