// The prefetch stream: which lines the loops' steps ask for, across ranges,
// loops and threads.
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "core/prefetch_pump.h"

namespace velmora {
namespace {

// Every line the steps ask for until the stream is dry, spread over loops
// of `per_loop` steps (each loop a cursor of its own).
std::vector<const char*> drain(std::size_t per_loop) {
  std::vector<const char*> lines;
  for (int guard = 0; guard < 1000; ++guard) {
    {
      PumpCursor cursor;
      for (std::size_t k = 0; k < per_loop; ++k) {
        if (const char* line = cursor.step()) lines.push_back(line);
      }
    }
    const PrefetchPump& p = t_prefetch_pump;
    if (p.taken == p.count && p.next >= p.end) break;
  }
  return lines;
}

TEST(PrefetchPump, AsksForEveryLineOfEveryRangeOnceInOrder) {
  alignas(64) static char buffer[64 * 16];
  t_prefetch_pump.clear();
  // Starts 8 bytes into line 1 and ends 4 bytes into line 3: lines 1, 2, 3.
  ASSERT_TRUE(t_prefetch_pump.add(buffer + 64 + 8, 64 + 60));
  // One whole line, then a range inside one line.
  ASSERT_TRUE(t_prefetch_pump.add(buffer + 64 * 8, 64));
  ASSERT_TRUE(t_prefetch_pump.add(buffer + 64 * 12 + 3, 10));
  const std::vector<const char*> want = {buffer + 64, buffer + 128, buffer + 192, buffer + 64 * 8, buffer + 64 * 12};
  for (std::size_t per_loop : {1u, 2u, 3u, 100u}) {
    t_prefetch_pump.taken = 0;
    t_prefetch_pump.next = t_prefetch_pump.end = nullptr;
    EXPECT_EQ(drain(per_loop), want) << "steps per loop " << per_loop;
  }
  t_prefetch_pump.clear();
  PumpCursor empty;
  EXPECT_EQ(empty.step(), nullptr);
}

TEST(PrefetchPump, ListIsBoundedAndEachThreadHasItsOwn) {
  alignas(64) static char buffer[64];
  t_prefetch_pump.clear();
  for (std::size_t i = 0; i < PrefetchPump::kMaxRanges; ++i) ASSERT_TRUE(t_prefetch_pump.add(buffer, 64));
  EXPECT_FALSE(t_prefetch_pump.add(buffer, 64));
  EXPECT_EQ(t_prefetch_pump.count, PrefetchPump::kMaxRanges);
  std::size_t other = 1;
  std::thread([&] { other = t_prefetch_pump.count; }).join();
  EXPECT_EQ(other, 0u);
  t_prefetch_pump.clear();
  EXPECT_EQ(t_prefetch_pump.count, 0u);
}

}  // namespace
}  // namespace velmora
