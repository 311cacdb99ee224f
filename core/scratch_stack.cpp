#include "core/scratch_stack.h"

#include <mutex>

#include "core/worker_pool.h"

namespace velmora {

ScratchFrame& ScratchStack::overflow_frame(std::size_t k) {
  while (overflow_.size() <= k) overflow_.emplace_back();
  return overflow_[k];
}

namespace {

std::size_t slot_index() { return static_cast<std::size_t>(WorkerPool::worker_index() + 1); }

}  // namespace

ScratchPool::ScratchPool(std::size_t threads) : threads_(threads), slots_(std::make_unique<Slot[]>(threads)) {}

std::unique_ptr<ScratchStack> ScratchPool::acquire() {
  const std::size_t slot = slot_index();
  if (slot < threads_) {
    if (ScratchStack* own = slots_[slot].parked.exchange(nullptr, std::memory_order_acquire)) {
      return std::unique_ptr<ScratchStack>(own);
    }
  }
  {
    std::lock_guard<SpinLock> lock(spare_mutex_);
    if (!spare_.empty()) {
      std::unique_ptr<ScratchStack> s = std::move(spare_.back());
      spare_.pop_back();
      return s;
    }
  }
  return std::make_unique<ScratchStack>();
}

void ScratchPool::release(std::unique_ptr<ScratchStack> stack) {
  const std::size_t slot = slot_index();
  if (slot < threads_) {
    ScratchStack* empty = nullptr;
    if (slots_[slot].parked.compare_exchange_strong(empty, stack.get(), std::memory_order_release,
                                                     std::memory_order_relaxed)) {
      static_cast<void>(stack.release());
      return;
    }
  }
  std::lock_guard<SpinLock> lock(spare_mutex_);
  spare_.push_back(std::move(stack));
}

}  // namespace velmora
