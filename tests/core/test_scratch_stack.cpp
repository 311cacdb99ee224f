// Scratch stacks: frames by depth, and the pool that lends whole stacks to
// the threads of a region.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "core/discounted_cfr.h"
#include "core/worker_pool.h"

namespace velmora {
namespace {

TEST(ScratchStackTest, DeepFramesComeFromTheQueue) {
  DiscountedCfr::ScratchStack stack;
  DiscountedCfr::Frame& shallow = stack.frame(31);
  EXPECT_EQ(stack.overflow_frames(), 0u);
  DiscountedCfr::Frame& deep = stack.frame(40);
  EXPECT_EQ(stack.overflow_frames(), 9u);
  deep.buf[0].assign(5, 1.0f);
  shallow.buf[0].assign(3, 2.0f);
  // Growing further keeps earlier frames where they are.
  DiscountedCfr::Frame& deeper = stack.frame(60);
  EXPECT_EQ(stack.overflow_frames(), 29u);
  EXPECT_EQ(&stack.frame(40), &deep);
  EXPECT_EQ(deep.buf[0].size(), 5u);
  EXPECT_NE(&deeper, &deep);
  EXPECT_EQ(&stack.frame(31), &shallow);
  EXPECT_EQ(stack.overflow_frames(), 29u);
}

// Chunks of many regions, and threads outside the pool besides, take and
// return stacks at once: no stack is ever held twice, every thread of the
// pool gets back the stack it returned last, and no more stacks are made
// than are held at the same time.
TEST(ScratchStackTest, StacksAreHeldOnceAndComeBackToTheirThread) {
  SolverConfig cfg;
  cfg.thread_count = 4;
  DiscountedCfr cfr(cfg);
  std::mutex mutex;
  std::set<const DiscountedCfr::ScratchStack*> held;
  std::set<const DiscountedCfr::ScratchStack*> made;
  std::map<std::thread::id, const DiscountedCfr::ScratchStack*> last;
  int returned_elsewhere = 0;
  bool twice = false;
  auto use = [&](bool pool_thread) {
    std::unique_ptr<DiscountedCfr::ScratchStack> s = cfr.acquire_scratch();
    {
      std::lock_guard<std::mutex> lock(mutex);
      twice |= !held.insert(s.get()).second;
      made.insert(s.get());
      auto it = last.find(std::this_thread::get_id());
      if (pool_thread && it != last.end() && it->second != s.get()) ++returned_elsewhere;
      last[std::this_thread::get_id()] = s.get();
    }
    std::this_thread::yield();
    {
      std::lock_guard<std::mutex> lock(mutex);
      held.erase(s.get());
    }
    cfr.release_scratch(std::move(s));
  };
  std::atomic<bool> stop{false};
  std::thread outsider([&] {
    while (!stop.load()) use(false);
  });
  for (int round = 0; round < 300; ++round) {
    cfr.parallel_for(4, [&](std::size_t, std::size_t) { use(WorkerPool::on_worker()); });
  }
  stop.store(true);
  outsider.join();
  EXPECT_FALSE(twice);
  EXPECT_EQ(returned_elsewhere, 0);
  // Four chunks and the outsider hold at most five at once.
  EXPECT_LE(made.size(), 5u);
}

}  // namespace
}  // namespace velmora
