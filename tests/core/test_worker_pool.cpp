// Worker pool and parallel_for chunking.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "core/discounted_cfr.h"
#include "core/spin_lock.h"
#include "core/worker_pool.h"

namespace velmora {
namespace {

using Range = std::pair<std::size_t, std::size_t>;

struct Recorded {
  std::vector<Range> ranges;
  std::thread::id last_chunk_thread;
};

Recorded run_chunks(std::size_t threads, std::size_t count) {
  SolverConfig cfg;
  cfg.thread_count = threads;
  DiscountedCfr cfr(cfg);
  Recorded rec;
  std::mutex m;
  cfr.parallel_for(count, [&](std::size_t b, std::size_t e) {
    std::lock_guard<std::mutex> lock(m);
    rec.ranges.emplace_back(b, e);
    if (e == count) rec.last_chunk_thread = std::this_thread::get_id();
  });
  std::sort(rec.ranges.begin(), rec.ranges.end());
  return rec;
}

TEST(ParallelForTest, ChunkingExamples) {
  {
    const Recorded r = run_chunks(8, 1000);
    ASSERT_EQ(r.ranges.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(r.ranges[i], Range(i * 125, (i + 1) * 125));
    EXPECT_EQ(r.last_chunk_thread, std::this_thread::get_id());
  }
  {
    const Recorded r = run_chunks(4, 3);
    EXPECT_EQ(r.ranges, (std::vector<Range>{{0, 1}, {1, 2}, {2, 3}}));
    EXPECT_EQ(r.last_chunk_thread, std::this_thread::get_id());
  }
  {
    const Recorded r = run_chunks(3, 10);
    EXPECT_EQ(r.ranges, (std::vector<Range>{{0, 4}, {4, 8}, {8, 10}}));
  }
  {
    // ceil(7 / 4) = 2 per chunk gives four chunks, the last one short.
    const Recorded r = run_chunks(4, 7);
    EXPECT_EQ(r.ranges, (std::vector<Range>{{0, 2}, {2, 4}, {4, 6}, {6, 7}}));
  }
}

TEST(ParallelForTest, SmallCountsAndSingleThreadRunInlineOnce) {
  for (std::size_t count : {0u, 1u}) {
    const Recorded r = run_chunks(4, count);
    EXPECT_EQ(r.ranges, (std::vector<Range>{{0, count}}));
  }
  SolverConfig cfg;
  cfg.thread_count = 1;
  DiscountedCfr single(cfg);
  EXPECT_EQ(single.thread_count(), 1u);
  std::vector<std::thread::id> ids;
  single.parallel_for(100, [&](std::size_t b, std::size_t e) {
    EXPECT_EQ(b, 0u);
    EXPECT_EQ(e, 100u);
    ids.push_back(std::this_thread::get_id());
  });
  EXPECT_EQ(ids, std::vector<std::thread::id>{std::this_thread::get_id()});

  cfg.thread_count = 0;  // below 2 means one thread
  EXPECT_EQ(DiscountedCfr(cfg).thread_count(), 1u);
}

TEST(ParallelForTest, CoversEveryIndexOnceUnderLoad) {
  SolverConfig cfg;
  cfg.thread_count = 6;
  DiscountedCfr cfr(cfg);
  for (int round = 0; round < 200; ++round) {
    const std::size_t count = 1 + static_cast<std::size_t>(round * 7 % 97);
    std::vector<std::atomic<int>> hits(count);
    cfr.parallel_for(count, [&](std::size_t b, std::size_t e) {
      for (std::size_t i = b; i < e; ++i) hits[i].fetch_add(1);
    });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(hits[i].load(), 1) << "round " << round << " index " << i;
  }
}

// Two threads split work on one pool at once: one offers its chunks to the
// polling workers, the other finds the offer taken and queues them; each
// index still runs once. A pool whose workers have gone to sleep is woken by
// an offer.
TEST(ParallelForTest, ConcurrentCallersAndSleepingWorkers) {
  SolverConfig cfg;
  cfg.thread_count = 4;
  DiscountedCfr cfr(cfg);
  auto hammer = [&cfr](int seed, bool& ok) {
    ok = true;
    for (int round = 0; round < 300; ++round) {
      const std::size_t count = 2 + static_cast<std::size_t>((round * 13 + seed) % 41);
      std::vector<std::atomic<int>> hits(count);
      cfr.parallel_for(count, [&](std::size_t b, std::size_t e) {
        for (std::size_t i = b; i < e; ++i) hits[i].fetch_add(1);
      });
      for (std::size_t i = 0; i < count; ++i) ok = ok && hits[i].load() == 1;
    }
  };
  bool ok_a = false;
  bool ok_b = false;
  std::thread other([&] { hammer(5, ok_b); });
  hammer(0, ok_a);
  other.join();
  EXPECT_TRUE(ok_a);
  EXPECT_TRUE(ok_b);

  // Long past the polling window: every worker blocks on the queue.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  std::mutex m;
  std::set<std::thread::id> threads;
  cfr.parallel_for(4, [&](std::size_t, std::size_t) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::lock_guard<std::mutex> lock(m);
    threads.insert(std::this_thread::get_id());
  });
  // The caller's own share takes 20 ms; woken workers take the others.
  EXPECT_GE(threads.size(), 2u);
}

// A second offer waits for the first to be finished; chunks the workers
// have not taken can be run by the offering thread.
TEST(WorkerPoolTest, OneOfferAtATimeAndTheCallerMayRunItsChunks) {
  WorkerPool pool(2);
  std::atomic<int> runs{0};
  auto run = [](void* context, std::size_t) { static_cast<std::atomic<int>*>(context)->fetch_add(1); };
  ASSERT_TRUE(pool.offer(1000, run, &runs));
  EXPECT_FALSE(pool.offer(3, run, &runs));
  pool.claim();
  // Claimed chunks may still be running on a worker.
  while (runs.load() < 1000) std::this_thread::yield();
  pool.finish_offer();
  EXPECT_EQ(runs.load(), 1000);
  EXPECT_TRUE(pool.offer(3, run, &runs));
  pool.claim();
  while (runs.load() < 1003) std::this_thread::yield();
  pool.finish_offer();
  EXPECT_EQ(runs.load(), 1003);
  EXPECT_FALSE(pool.offer(std::size_t{1} << 12, run, &runs));
}

// Inside a chunk (on a worker, or the caller's own share) a nested call runs
// inline, so a busy pool never waits on work queued behind itself.
TEST(ParallelForTest, NestedCallsRunInline) {
  SolverConfig cfg;
  cfg.thread_count = 3;
  DiscountedCfr cfr(cfg);
  std::mutex m;
  std::vector<std::pair<std::thread::id, std::size_t>> inner_calls;  // thread, number of inner chunks
  std::atomic<int> total{0};
  cfr.parallel_for(3, [&](std::size_t b, std::size_t e) {
    for (std::size_t i = b; i < e; ++i) {
      std::atomic<std::size_t> chunks{0};
      const auto outer_thread = std::this_thread::get_id();
      std::atomic<bool> same_thread{true};
      cfr.parallel_for(50, [&](std::size_t ib, std::size_t ie) {
        chunks.fetch_add(1);
        if (std::this_thread::get_id() != outer_thread) same_thread.store(false);
        total.fetch_add(static_cast<int>(ie - ib));
      });
      std::lock_guard<std::mutex> lock(m);
      inner_calls.emplace_back(outer_thread, same_thread.load() ? chunks.load() : 999);
    }
  });
  EXPECT_EQ(total.load(), 150);
  ASSERT_EQ(inner_calls.size(), 3u);
  for (const auto& [thread, chunks] : inner_calls) EXPECT_EQ(chunks, 1u);
  // After the outer call the caller splits work again.
  std::atomic<int> pieces{0};
  cfr.parallel_for(10, [&](std::size_t, std::size_t) { pieces.fetch_add(1); });
  EXPECT_EQ(pieces.load(), 3);
}

TEST(ParallelForTest, ChunkExceptionReachesCallerAfterAllChunks) {
  SolverConfig cfg;
  cfg.thread_count = 4;
  DiscountedCfr cfr(cfg);
  std::atomic<int> finished{0};
  EXPECT_THROW(cfr.parallel_for(4,
                                [&](std::size_t b, std::size_t) {
                                  if (b == 0) throw std::runtime_error("chunk failed");
                                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                  finished.fetch_add(1);
                                }),
               std::runtime_error);
  EXPECT_EQ(finished.load(), 3);
  // The pool keeps working afterwards.
  std::atomic<int> count{0};
  cfr.parallel_for(8, [&](std::size_t b, std::size_t e) { count.fetch_add(static_cast<int>(e - b)); });
  EXPECT_EQ(count.load(), 8);
}

TEST(WorkerPoolTest, DestructionRunsQueuedTasks) {
  std::atomic<int> done{0};
  std::promise<void> gate;
  std::shared_future<void> open = gate.get_future().share();
  std::thread releaser;
  {
    WorkerPool pool(1);
    EXPECT_EQ(pool.size(), 1u);
    pool.submit([open] { open.wait(); });
    for (int i = 0; i < 10; ++i) pool.submit([&done] { done.fetch_add(1); });
    releaser = std::thread([&gate] {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      gate.set_value();
    });
    // Leaving the scope stops the pool while ten tasks are still queued.
  }
  releaser.join();
  EXPECT_EQ(done.load(), 10);
}

TEST(WorkerPoolTest, OnWorkerFlagIsSetOnlyInsideTasks) {
  EXPECT_FALSE(WorkerPool::on_worker());
  std::promise<bool> seen;
  auto result = seen.get_future();
  {
    WorkerPool pool(2);
    pool.submit([&seen] { seen.set_value(WorkerPool::on_worker()); });
  }
  EXPECT_TRUE(result.get());
  EXPECT_FALSE(WorkerPool::on_worker());
}

// Mutual exclusion with more threads than cores, so that holders are
// descheduled inside the lock and waiters must yield to them.
TEST(SpinLockTest, ExcludesUnderOversubscription) {
  SpinLock lock;
  std::uint64_t counter = 0;  // plain: only the lock orders the updates
  const unsigned threads = std::max(4u, 4 * std::thread::hardware_concurrency());
  constexpr int kEach = 20000;
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) {
    pool.emplace_back([&] {
      for (int i = 0; i < kEach; ++i) {
        std::lock_guard<SpinLock> hold(lock);
        counter = counter + 1;
      }
    });
  }
  for (std::thread& t : pool) t.join();
  EXPECT_EQ(counter, std::uint64_t{threads} * kEach);
}

TEST(WorkerPoolTest, EachWorkerHasItsOwnNumber) {
  EXPECT_EQ(WorkerPool::worker_index(), -1);
  constexpr int kWorkers = 3;
  std::mutex mutex;
  std::condition_variable cv;
  int arrived = 0;
  std::set<int> seen;
  {
    WorkerPool pool(kWorkers);
    // Every task waits for all the others, so each runs on a worker of its own.
    for (int i = 0; i < kWorkers; ++i) {
      pool.submit([&] {
        std::unique_lock<std::mutex> lock(mutex);
        seen.insert(WorkerPool::worker_index());
        ++arrived;
        cv.notify_all();
        cv.wait(lock, [&] { return arrived == kWorkers; });
      });
    }
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
}

}  // namespace
}  // namespace velmora
