// Reusable buffers of the solver's traversals: one frame per recursion
// depth, the work lists of a river subtree valued in batches, and the pool
// that lends whole stacks to the threads of a parallel region.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/spin_lock.h"

namespace velmora {

// Reusable buffers of one recursion depth.
struct ScratchFrame {
  std::vector<float> buf[12];
  std::size_t actions = 0;
  std::size_t hands = 0;
};

// A decision node of a river subtree valued in batches: where its children's
// values and its own values lie in the subtree's buffer.
struct RiverNode {
  std::uint32_t node = 0;
  std::uint32_t child_values = 0;
  std::uint32_t values = 0;
};

// A river terminal waiting for its batch: its payoff record (and that of a
// fold valued beside it against the same reach, or kNoPayoff), and where its
// opponent reach and values lie in the subtree's buffer.
struct RiverTerminal {
  static constexpr std::uint32_t kNoPayoff = 0xFFFFFFFFu;
  std::uint32_t payoff = 0;
  std::uint32_t fold = kNoPayoff;
  std::uint32_t reach = 0;
  std::uint32_t values = 0;
  std::uint32_t fold_values = 0;
};

struct RiverWork {
  static constexpr std::uint64_t kNoNextRoot = ~std::uint64_t{0};
  std::vector<float> floats;  // the first `used` hold the subtree's rows and values
  std::size_t used = 0;
  std::vector<RiverNode> nodes;
  std::vector<RiverTerminal> terminals;
  // The river root valued after this one by the same thread, if known: its
  // matrices are read in ahead while this subtree's showdowns are scanned.
  std::uint64_t next_root = kNoNextRoot;
  // Bytes of the next root's matrices when its subtree is not shaped like
  // this one (it is then read ahead whole); 0 when it is.
  std::size_t next_span = 0;
  // The root whose matrices the last subtree asked for, and whether this
  // subtree is it (its own reads need no prefetching then).
  std::uint64_t pumped_root = kNoNextRoot;
  bool in_cache = false;
};

class ScratchStack {
 public:
  // Depths 0..31 are held inline; deeper frames live in a queue that grows
  // on demand (depth d is element d - 32).
  ScratchFrame& frame(std::size_t depth) {
    if (depth < kInlineFrames) return inline_[depth];
    return overflow_frame(depth - kInlineFrames);
  }
  std::size_t overflow_frames() const { return overflow_.size(); }
  RiverWork& river() { return river_; }

 private:
  static constexpr std::size_t kInlineFrames = 32;
  ScratchFrame& overflow_frame(std::size_t k);

  RiverWork river_;
  ScratchFrame inline_[kInlineFrames];
  std::deque<ScratchFrame> overflow_;
};

// Scratch stacks for parallel chunks: each chunk holds one of its own while
// it runs; returned stacks keep their grown buffers for later chunks. A
// thread gets back the stack it returned last when it is still there, so its
// buffers are in that thread's cache, and neither call takes a lock then.
class ScratchPool {
 public:
  // `threads`: the calling thread and the workers of the solver's pool.
  explicit ScratchPool(std::size_t threads);
  std::unique_ptr<ScratchStack> acquire();
  void release(std::unique_ptr<ScratchStack> stack);

 private:
  // One parked stack per thread (slot 0: the calling thread, slot 1 + i:
  // pool worker i); the shared list holds the others.
  struct alignas(64) Slot {
    std::atomic<ScratchStack*> parked{nullptr};
    ~Slot() { delete parked.load(std::memory_order_relaxed); }
  };
  std::size_t threads_;
  std::unique_ptr<Slot[]> slots_;
  SpinLock spare_mutex_;
  std::vector<std::unique_ptr<ScratchStack>> spare_;
};

}  // namespace velmora
