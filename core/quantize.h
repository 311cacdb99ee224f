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

}  // namespace velmora
