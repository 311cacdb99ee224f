// The per-iteration discounts, checked as a function of the iteration.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/discount_schedule.h"

using namespace velmora;

TEST(DiscountScheduleTest, FirstIterations) {
  // Iterations 1 to 4 (t = 0 to 3): {alpha, gamma}; beta is always a half.
  const float sqrt8 = static_cast<float>(std::sqrt(8.0));
  const float want[4][2] = {{0.0f, 0.0f}, {0.0f, 0.0f}, {0.5f, 0.125f}, {sqrt8 / (sqrt8 + 1.0f), 8.0f / 27.0f}};
  for (std::uint32_t t = 0; t < 4; ++t) {
    EXPECT_FLOAT_EQ(discounts_at(t).alpha, want[t][0]) << t;
    EXPECT_FLOAT_EQ(discounts_at(t).gamma, want[t][1]) << t;
    EXPECT_EQ(discounts_at(t).beta, 0.5f) << t;
  }
}

TEST(DiscountScheduleTest, StrategySumsRestartAtEveryPowerOfFour) {
  for (std::uint32_t q = 4; q != 0 && q <= (1u << 30); q *= 4) {
    EXPECT_EQ(discounts_at(q).gamma, 0.0f) << q;
    // Just before the restart the sums are kept almost whole; just after it
    // they start again from the same small factors as after t = 1.
    EXPECT_GE(discounts_at(q - 1).gamma, discounts_at(q - 2).gamma) << q;
    EXPECT_GE(discounts_at(q - 1).gamma, static_cast<float>(8.0 / 27.0)) << q;
    EXPECT_EQ(discounts_at(q + 1).gamma, 0.125f) << q;
    EXPECT_EQ(discounts_at(q + 2).gamma, static_cast<float>(8.0 / 27.0)) << q;
  }
}

TEST(DiscountScheduleTest, LaterIterationsKeepMoreAndRestartOnlyAtPowersOfFour) {
  // Worked by hand: t = 10 is (9^1.5 = 27) / 28, six iterations after the
  // restart at 4; t = 26 is 125 / 126, ten after the restart at 16.
  EXPECT_FLOAT_EQ(discounts_at(10).alpha, 27.0f / 28.0f);
  EXPECT_FLOAT_EQ(discounts_at(10).gamma, static_cast<float>(216.0 / 343.0));
  EXPECT_FLOAT_EQ(discounts_at(26).alpha, 125.0f / 126.0f);
  EXPECT_FLOAT_EQ(discounts_at(26).gamma, static_cast<float>(1000.0 / 1331.0));
  for (std::uint32_t t = 1; t < 5000; ++t) {
    const Discounts d = discounts_at(t);
    const Discounts before = discounts_at(t - 1);
    EXPECT_EQ(d.beta, 0.5f) << t;
    EXPECT_GE(d.alpha, before.alpha) << t;
    EXPECT_LT(d.alpha, 1.0f) << t;
    const bool restart = (t & (t - 1)) == 0 && t % 3 == 1;  // 1, 4, 16, 64, ...
    if (restart) {
      EXPECT_EQ(d.gamma, 0.0f) << t;
    } else {
      EXPECT_GT(d.gamma, before.gamma) << t;
    }
  }
}

TEST(DiscountScheduleTest, LargestIterationsStayInRange) {
  // 4^16 does not fit 32 bits: the restart search stops at 4^15 instead of
  // wrapping round to 0.
  const std::uint32_t last = std::numeric_limits<std::uint32_t>::max();
  for (std::uint32_t t : {last, last - 1, (1u << 31) + 1, (1u << 31)}) {
    const Discounts d = discounts_at(t);
    EXPECT_EQ(d.beta, 0.5f) << t;
    EXPECT_GT(d.alpha, 0.999f) << t;
    EXPECT_LE(d.alpha, 1.0f) << t;
    EXPECT_GT(d.gamma, 0.999f) << t;
    EXPECT_LE(d.gamma, 1.0f) << t;
  }
  EXPECT_EQ(discounts_at(1u << 30).gamma, 0.0f);
  EXPECT_EQ(discounts_at((1u << 30) + 1).gamma, 0.125f);
}
