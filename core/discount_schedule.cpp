#include "core/discount_schedule.h"

#include <cmath>

namespace velmora {

Discounts discounts_at(std::uint32_t t) {
  Discounts d;
  const double x = t > 0 ? static_cast<double>(t) - 1.0 : 0.0;
  const double p = x * std::sqrt(x);
  d.alpha = p + 1.0 > 0.0 ? static_cast<float>(p / (p + 1.0)) : 0.0f;
  d.beta = 0.5f;

  // The restart: q is the largest power of 4 not above t (0 for t = 0),
  // found in unsigned 32-bit steps that stop before they wrap.
  std::uint32_t q = 0;
  if (t > 0) {
    q = 1;
    for (;;) {
      const std::uint32_t next = q * 4u;
      if (next == 0 || next > t || next < q) break;
      q = next;
    }
  }
  const double since = static_cast<double>(t - q);
  d.gamma = since + 1.0 > 0.0 ? static_cast<float>(std::pow(since / (since + 1.0), 3.0)) : 0.0f;
  return d;
}

}  // namespace velmora
