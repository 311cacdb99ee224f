// Cooperative cancel of the long set-up steps (card context, betting tree,
// all-in tables, tree counting): a step handed a flag looks at it every few
// milliseconds of work and gives up with SetupCancelled once it is set.
#pragma once
#include <atomic>
#include <stdexcept>

namespace velmora {

using CancelFlag = std::atomic<bool>;

class SetupCancelled : public std::runtime_error {
 public:
  SetupCancelled() : std::runtime_error("Cancelled") {}
};

inline bool cancel_requested(const CancelFlag* flag) {
  return flag != nullptr && flag->load(std::memory_order_relaxed);
}

inline void throw_if_cancelled(const CancelFlag* flag) {
  if (cancel_requested(flag)) throw SetupCancelled();
}

}  // namespace velmora
