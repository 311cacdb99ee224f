// Parallel work of the solver over its worker pool: parallel_for, and the
// work-sharing regions of the traversals, in which threads that run out of
// chance children help with the chance nodes the busy ones meet further down.
#pragma once
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/scratch_stack.h"
#include "core/spin_lock.h"
#include "core/worker_pool.h"

namespace velmora {

// Splits [0, count) over `pool` (null: none) and the calling thread, at most
// `threads` chunks, the caller running the last one. Runs inline on a pool
// worker, inside another parallel_for and without a pool. An exception of a
// chunk reaches the caller once every chunk has finished.
void parallel_for(WorkerPool* pool, std::size_t threads, std::size_t count,
                  const std::function<void(std::size_t, std::size_t)>& body);

namespace cfr_detail {

// Work sharing inside one parallel chance expansion (a region). Each thread
// takes a share that claims the region's children one at a time; a share
// left without children helps with the chance nodes that the busy shares
// meet further down, so the region does not wait on its last few children.
struct HelpTask {
  std::atomic<std::size_t> next{0};
  std::size_t count = 0;
  std::atomic<int> active{0};  // helpers holding a pointer to this task
  const std::function<void(std::size_t, ScratchStack&)>* run = nullptr;
};

// Shared lines are kept 128 bytes apart: the cache fetches lines in
// pairs, and a neighbour written by another thread would be pulled away at
// every write.
inline constexpr std::size_t kLinePair = 128;

struct alignas(kLinePair) Region {
  std::atomic<std::size_t> unfinished{0};
  std::atomic<bool> failed{false};
  std::atomic<int> idle{0};
  // Idle shares look at `open_count` and take the lock only when a task is
  // open, so a region without nested chance nodes never contends for it.
  std::atomic<int> open_count{0};
  SpinLock mutex;
  std::vector<HelpTask*> open;
};

// A run of a region's children that one share starts on.
struct alignas(kLinePair) Block {
  std::atomic<std::size_t> next{0};
  std::size_t end = 0;
};
inline constexpr std::size_t kMaxShares = 64;

// The region the current thread works for, and whether it is helping.
inline thread_local Region* t_region = nullptr;
inline thread_local bool t_helping = false;

// Runs a share's idle time: takes children of open tasks until every child
// of the region is valued.
void help_until_done(Region& region, ScratchStack& scratch);

// Values children 0..count-1 with `run`, letting idle helpers of the current
// region take some of them.
void run_with_helpers(Region& region, std::size_t count, const std::function<void(std::size_t, ScratchStack&)>& run,
                      ScratchStack& scratch);

// Runs a parallel region of `shares` shares over the jobs of `blocks`
// (`total` in all): `run(b, i, scratch)` does job i of block b. A share
// starts on the block of its own thread's number, so in every iteration the
// same thread tends to do the same jobs and finds their matrices in its own
// cache; then it takes jobs from the other blocks. A share left without
// jobs helps with the chance nodes the busy ones meet further down. `solver`
// gives the shares their threads (parallel_for) and scratch stacks
// (acquire_scratch, release_scratch).
template <class Solver, class Run>
void run_region(Solver& solver, std::size_t shares, std::span<Block> blocks, std::size_t total, Run&& run) {
  Region region;
  region.unfinished.store(total, std::memory_order_relaxed);
  const std::size_t used = blocks.size();
  solver.parallel_for(shares, [&](std::size_t, std::size_t) {
    std::unique_ptr<ScratchStack> local = solver.acquire_scratch();
    t_region = &region;
    try {
      const int worker = WorkerPool::worker_index();
      const std::size_t home = worker < 0 ? used - 1 : static_cast<std::size_t>(worker) % used;
      // Counted down once, when this share has no more to take: the idle
      // shares poll the count, and a write to it per job would fight their
      // reads for the line.
      std::size_t done = 0;
      for (std::size_t k = 0; k < used; ++k) {
        const std::size_t b = (home + k) % used;
        Block& block = blocks[b];
        for (std::size_t i = block.next.fetch_add(1); i < block.end; i = block.next.fetch_add(1)) {
          run(b, i, *local);
          ++done;
        }
      }
      region.unfinished.fetch_sub(done, std::memory_order_acq_rel);
      help_until_done(region, *local);
    } catch (...) {
      region.failed.store(true);
      t_region = nullptr;
      throw;
    }
    t_region = nullptr;
    solver.release_scratch(std::move(local));
  });
}

}  // namespace cfr_detail
}  // namespace velmora
