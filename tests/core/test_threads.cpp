// The threads the core starts: each runs the thread-start hook first and has
// the large stack, whether a pool worker, a tree-builder or card-context
// task, or a plain Thread; run_async hands results and exceptions back.
#include <gtest/gtest.h>
#include <pthread.h>

#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/action_plan.h"
#include "core/card_context.h"
#include "core/discounted_cfr.h"
#include "core/threads.h"
#include "solver_spots.h"

namespace velmora {
namespace {

std::mutex g_mutex;
std::vector<std::size_t> g_stacks;  // stack size of each thread the hook ran on
std::set<std::thread::id> g_threads;

void record_thread() {
  pthread_attr_t attr;
  std::size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attr) == 0) {
    pthread_attr_getstacksize(&attr, &size);
    pthread_attr_destroy(&attr);
  }
  std::lock_guard<std::mutex> lock(g_mutex);
  g_stacks.push_back(size);
  g_threads.insert(std::this_thread::get_id());
}

class ThreadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_stacks.clear();
    g_threads.clear();
    set_thread_start_hook(&record_thread);
  }
  void TearDown() override { set_thread_start_hook(nullptr); }

  static std::size_t hooked() {
    std::lock_guard<std::mutex> lock(g_mutex);
    for (std::size_t s : g_stacks) EXPECT_GE(s, kThreadStackBytes);
    EXPECT_EQ(g_threads.count(std::this_thread::get_id()), 0u) << "the hook ran on the calling thread";
    return g_stacks.size();
  }
};

TEST_F(ThreadsTest, EveryStartedThreadRunsTheHookFirstWithTheLargeStack) {
  bool hook_ran_first = false;
  Thread t([&] {
    std::lock_guard<std::mutex> lock(g_mutex);
    hook_ran_first = g_threads.count(std::this_thread::get_id()) == 1;
  });
  t.join();
  EXPECT_TRUE(hook_ran_first);
  EXPECT_EQ(hooked(), 1u);

  {
    DiscountedCfr solver(testing::solver_config(1, 4));  // three pool workers
  }
  EXPECT_EQ(hooked(), 4u);

  // Card context (two range filters, then runout tables) and the tree
  // builder's tasks near the root.
  const testing::Spot spot{.board = "Qs8s3d", .oop_range = "22+,AK", .ip_range = "22+,AQ", .pot = 100, .stack = 100};
  const CardContext context = testing::make_context(spot);
  const std::size_t after_context = hooked();
  if (CardContext::max_workers() >= 2) EXPECT_GT(after_context, 4u);
  const ActionPlan plan(testing::tree_config(spot, 0), &context);
  if (ActionPlan::max_workers_from_env() >= 2) EXPECT_GT(hooked(), after_context);
}

TEST_F(ThreadsTest, RunAsyncGivesBackTheResultOrTheException) {
  auto value = run_async([] { return 42; });
  auto failure = run_async([]() -> int { throw std::invalid_argument("bad input"); });
  EXPECT_EQ(value.get(), 42);
  EXPECT_THROW(failure.get(), std::invalid_argument);
  EXPECT_EQ(hooked(), 2u);

  // Destroying a task that was never read waits for its thread.
  int written = 0;
  {
    auto pending = run_async([&written] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      written = 7;
    });
  }
  EXPECT_EQ(written, 7);
}

}  // namespace
}  // namespace velmora
