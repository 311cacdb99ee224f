// A stream of cache lines asked for one at a time from inside long compute
// loops, so that the reads of the next piece of work overlap the arithmetic
// of this one instead of waiting at its start.
#pragma once
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

namespace velmora {

struct PrefetchPump {
  struct Range {
    const char* begin;
    const char* end;
  };
  static constexpr std::size_t kMaxRanges = 64;
  Range ranges[kMaxRanges] = {};
  std::size_t count = 0;  // ranges listed
  std::size_t taken = 0;  // ranges handed to a cursor
  const char* next = nullptr;
  const char* end = nullptr;

  void clear() {
    count = taken = 0;
    next = end = nullptr;
  }
  // Lists the bytes [p, p + bytes); false when the list is full.
  bool add(const void* p, std::size_t bytes) {
    if (count == kMaxRanges) return false;
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    // From the start of the line holding p, so the last line is not missed.
    ranges[count++] = {reinterpret_cast<const char*>(at & ~std::uintptr_t{63}), static_cast<const char*>(p) + bytes};
    return true;
  }
};

// The current thread's stream; empty unless a traversal set one.
inline constinit thread_local PrefetchPump t_prefetch_pump;

// A loop's copy of the stream position: step() asks for the next line, if
// any; the position is handed back when the loop ends.
class PumpCursor {
 public:
  PumpCursor() : pump_(t_prefetch_pump), next_(pump_.next), end_(pump_.end) {}
  ~PumpCursor() {
    pump_.next = next_;
    pump_.end = end_;
  }
  PumpCursor(const PumpCursor&) = delete;
  PumpCursor& operator=(const PumpCursor&) = delete;
  // Returns the line asked for, or null: none left, or this step moved on
  // to the next range.
  const char* step() {
    if (next_ < end_) {
      const char* line = next_;
      _mm_prefetch(line, _MM_HINT_T1);
      next_ += 64;
      return line;
    }
    if (pump_.taken < pump_.count) {
      const PrefetchPump::Range r = pump_.ranges[pump_.taken++];
      next_ = r.begin;
      end_ = r.end;
    }
    return nullptr;
  }

 private:
  PrefetchPump& pump_;
  const char* next_;
  const char* end_;
};

}  // namespace velmora
