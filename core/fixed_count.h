// The action or row counts the per-hand kernels unroll.
#pragma once
#include <cstddef>
#include <type_traits>

namespace velmora {

// Calls f with the count as a compile-time constant for the common counts (2
// to 4), so a kernel's loops over the actions or rows unroll and its
// per-action vectors stay in registers; with 0 for any other count, which
// the kernel then takes at run time.
template <class F>
void with_fixed_count(std::size_t n, F&& f) {
  switch (n) {
    case 2: f(std::integral_constant<std::size_t, 2>{}); break;
    case 3: f(std::integral_constant<std::size_t, 3>{}); break;
    case 4: f(std::integral_constant<std::size_t, 4>{}); break;
    default: f(std::integral_constant<std::size_t, 0>{}); break;
  }
}

}  // namespace velmora
