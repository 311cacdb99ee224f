// A stream of cache lines asked for one at a time from inside long compute
// loops, so that the reads of the next piece of work overlap the arithmetic
// of this one instead of waiting at its start.
#pragma once
#include <immintrin.h>

namespace velmora {

struct PrefetchPump {
  const char* next = nullptr;
  const char* end = nullptr;
};

// The current thread's stream; empty unless a traversal set one.
inline thread_local PrefetchPump t_prefetch_pump;

// A loop's copy of the stream: step() asks for the next line, if any; the
// position is handed back when the loop ends.
class PumpCursor {
 public:
  PumpCursor() : next_(t_prefetch_pump.next), end_(t_prefetch_pump.end) {}
  ~PumpCursor() { t_prefetch_pump.next = next_; }
  PumpCursor(const PumpCursor&) = delete;
  PumpCursor& operator=(const PumpCursor&) = delete;
  void step() {
    if (next_ < end_) {
      _mm_prefetch(next_, _MM_HINT_T1);
      next_ += 64;
    }
  }

 private:
  const char* next_;
  const char* end_;
};

}  // namespace velmora
