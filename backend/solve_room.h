// What a solve needs of the memory it is offered: the solve itself (its
// estimate) and what follows it in this program, so that a spot let through
// can be solved, looked at on the Results page, saved and opened again
// within that memory. Under an address-space limit a solve also reserves
// address space it does not fill (thread stacks, allocator arenas) and the
// window keeps drawing (shader code, textures); that counts against the
// limit too.
//
// The figures follow what these steps take with the answers held as typed
// tables within their room (results::AnswerStore): follow_up_memory_bench
// holds the total against the measured peak on every bench spot.
#pragma once

#include <cstdint>
#include <optional>

#include "session/memory_estimate.h"

namespace solve_room {

struct Need {
  std::uint64_t solveBytes = 0;        // the solve (the estimate)
  std::uint64_t resultTableBytes = 0;  // the node tables the shown result keeps
  std::uint64_t snapshotBytes = 0;     // the solver's snapshot while the tables are made from it
  std::uint64_t resultsPageBytes = 0;  // the Results page and the answers it keeps
  std::uint64_t answerRoomBytes = 0;   // of which the room of the answers (results::AnswerStore)
  std::uint64_t projectFileBytes = 0;  // the file a save writes at most (not memory; the open's measure)
  std::uint64_t openBytes = 0;         // opening that file again over the shown result (a save needs less)
  // Address space reserved beyond what is used: counts only against an
  // address-space limit (see addressShare).
  std::uint64_t reservedAddressBytes = 0;

  // What the shown result holds once the solve is over: what starting the
  // next solve gives back.
  std::uint64_t heldBytes() const;
  // The most in use at once: the held result, the Results page, and the
  // larger of the snapshot (at the solve's end) and an open (later).
  std::uint64_t totalBytes() const;
};

// The need of a spot solved with `threads` solver threads. An estimate that
// stopped at its limit (more than that is needed) is its figure alone.
Need needOf(const velmora_app::SolveMemoryEstimate& estimate, std::uint64_t threads);

// The size of the project file a save of a result of `nodes` nodes writes at
// most, with the answers of the Results page's room of `answerRoomBytes`.
std::uint64_t projectFileBytes(std::uint64_t nodes, std::uint64_t answerRoomBytes);

// Address space a solve with `threads` solver threads and the window around
// it reserve beyond the memory they use.
std::uint64_t reservedAddressBytes(std::uint64_t threads);

// The part of `reserved` address space that must be added to a need to
// compare it with `available`, the least of the bounds: none without an
// address-space limit or where the limit leaves room for it beyond
// `available`, all of it where the limit is the least bound.
std::uint64_t addressShare(std::uint64_t reserved, std::uint64_t available,
                           std::optional<std::uint64_t> addressSpaceRoom);

// The figure a need is compared with `available` by (and shown as): its
// total, with the share of its reserved address space the limit makes count.
std::uint64_t requiredBytes(const Need& need, std::uint64_t available, std::optional<std::uint64_t> addressSpaceRoom);

// The gate: true when `required` fits in `available`, or either is unknown (0).
bool fits(std::uint64_t required, std::uint64_t available);

}  // namespace solve_room
