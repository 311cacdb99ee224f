// The work-sharing regions on their own, with a worker pool and a stand-in
// for the solver: every job of every block runs once, a failing job reaches
// the caller, and parallel_for without a pool runs inline.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/parallel_region.h"
#include "core/worker_pool.h"

namespace velmora {
namespace {

// What run_region asks of the solver: its threads and scratch stacks.
struct StandIn {
  explicit StandIn(std::size_t threads) : threads(threads), pool(threads - 1), scratch(threads) {}
  void parallel_for(std::size_t count, const std::function<void(std::size_t, std::size_t)>& body) {
    velmora::parallel_for(&pool, threads, count, body);
  }
  std::unique_ptr<ScratchStack> acquire_scratch() { return scratch.acquire(); }
  void release_scratch(std::unique_ptr<ScratchStack> s) { scratch.release(std::move(s)); }
  std::size_t threads;
  WorkerPool pool;
  ScratchPool scratch;
};

// Blocks of `sizes` jobs each, numbered one after the other.
void blocks_of(std::array<cfr_detail::Block, cfr_detail::kMaxShares>& storage, const std::vector<std::size_t>& sizes) {
  std::size_t start = 0;
  for (std::size_t b = 0; b < sizes.size(); ++b) {
    storage[b].next.store(start);
    start += sizes[b];
    storage[b].end = start;
  }
}

TEST(ParallelRegionTest, EveryJobOfEveryBlockRunsOnce) {
  StandIn solver(4);
  const std::vector<std::size_t> sizes{7, 1, 0, 12};
  std::array<cfr_detail::Block, cfr_detail::kMaxShares> blocks;
  std::vector<std::atomic<int>> runs(20);
  for (int round = 0; round < 50; ++round) {
    blocks_of(blocks, sizes);
    for (auto& r : runs) r.store(0);
    cfr_detail::run_region(solver, 4, std::span<cfr_detail::Block>(blocks.data(), sizes.size()), 20,
                           [&](std::size_t b, std::size_t i, ScratchStack&) {
                             runs[i].fetch_add(1);
                             // Each job belongs to the block it is handed with.
                             EXPECT_GE(i, blocks[b].end - sizes[b]);
                             EXPECT_LT(i, blocks[b].end);
                             // The thread works for the region while it runs a job.
                             EXPECT_NE(cfr_detail::t_region, nullptr);
                           });
    for (std::size_t i = 0; i < runs.size(); ++i) ASSERT_EQ(runs[i].load(), 1) << "job " << i << " round " << round;
    EXPECT_EQ(cfr_detail::t_region, nullptr);
  }
}

TEST(ParallelRegionTest, AFailingJobReachesTheCaller) {
  StandIn solver(3);
  std::array<cfr_detail::Block, cfr_detail::kMaxShares> blocks;
  const std::vector<std::size_t> sizes{5, 5, 5};
  blocks_of(blocks, sizes);
  EXPECT_THROW(cfr_detail::run_region(solver, 3, std::span<cfr_detail::Block>(blocks.data(), sizes.size()), 15,
                                      [&](std::size_t, std::size_t i, ScratchStack&) {
                                        if (i == 6) throw std::runtime_error("job failed");
                                      }),
               std::runtime_error);
  EXPECT_EQ(cfr_detail::t_region, nullptr);
  EXPECT_FALSE(cfr_detail::t_helping);
  // The pool is whole afterwards: another region runs every job.
  blocks_of(blocks, sizes);
  std::atomic<int> done{0};
  cfr_detail::run_region(solver, 3, std::span<cfr_detail::Block>(blocks.data(), sizes.size()), 15,
                         [&](std::size_t, std::size_t, ScratchStack&) { done.fetch_add(1); });
  EXPECT_EQ(done.load(), 15);
}

TEST(ParallelRegionTest, ParallelForWithoutAPoolRunsInline) {
  std::vector<std::pair<std::size_t, std::size_t>> chunks;
  std::thread::id where;
  parallel_for(nullptr, 8, 10, [&](std::size_t b, std::size_t e) {
    chunks.emplace_back(b, e);
    where = std::this_thread::get_id();
  });
  EXPECT_EQ(chunks, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 10}}));
  EXPECT_EQ(where, std::this_thread::get_id());
}

}  // namespace
}  // namespace velmora
