#include "backend/solve_room.h"

#include <algorithm>
#include <limits>

#include "backend/platform/memory_limits.h"
#include "backend/project_file/project_file.h"
#include "backend/results/answer_store.h"
#include "backend/results/result_tree.h"
#include "session/solve_types.h"
#include "session/threads.h"

namespace solve_room {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;

// A project file spends on each node of the tree at most its meta record
// with the widest values a field takes (349 bytes at its indentation), its
// action list's brackets (29) and one action record (234; a tree has one
// action less than it has nodes). Files of the bench spots spend 537 to 558.
constexpr std::uint64_t kFileBytesPerNode = 620;
// The saved answers a file holds are those the Results page holds, at most
// its room: their text takes 11 to 14 times what their tables take in the
// bench spots' files (follow_up_memory_bench prints it), and at most 19
// times (a seat's combo row writes 175 to 190 bytes for 10 of table).
constexpr std::uint64_t kFileBytesPerAnswerByte = 19;
// The project state, the last solve configuration and the locks.
constexpr std::uint64_t kFileFixedBytes = 64 << 10;

// Measured with follow_up_memory_bench (4 threads, 50 nodes looked at, the
// window offscreen):
// - the QML forms of the node shown (its combos, strategy and both seats'
//   combos as variant maps), about 1 KiB a hand of both seats;
constexpr std::uint64_t kShownBytesPerHand = 1024;
// - what the Results page keeps for each node of the tree beside the node
//   tables: about 30 bytes (flop.json, 711,000 nodes: the page grows by
//   26 MiB, of which the answers take 0.5);
constexpr std::uint64_t kPageBytesPerNode = 32;
// - the window's own: what the solve's threads and the Solve page take
//   beside the estimate (6 to 9 MiB on river.json and turn.json, after the
//   start-up's script garbage is collected: the figure moves by a MiB or two
//   with the heap's layout) and the Results page's own drawing (4 to 5 MiB).
//   (Offscreen; a window on a display, drawn through its GPU driver, takes
//   more where it is drawn first.)
constexpr std::uint64_t kWindowBytes = 10 * kMiB;

// The node tables: a meta record and an action (one per node on average),
// with the action list's span (8) and the node's parent (4).
constexpr std::uint64_t kTableBytesPerNode = sizeof(ResultTree::Meta) + sizeof(ResultTree::Action) + 12;
// The snapshot: a node record, one action record, the allocation that holds
// the node's actions, and the node's reach-weighted frequency with its index.
constexpr std::uint64_t kSnapshotBytesPerNode =
    sizeof(velmora_app::ResultNode) + sizeof(velmora_app::ResultChild) + 16 + 12;

// What the window draws under an address-space limit: the renderer compiles
// shader code into fresh mappings and uploads textures as pages are shown.
constexpr std::uint64_t kDrawingAddressBytes = 128 * kMiB;
constexpr std::uint64_t kStackGuardBytes = 4096;

std::uint64_t add(std::uint64_t a, std::uint64_t b) {
  return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
}
std::uint64_t times(std::uint64_t a, std::uint64_t b) {
  return b != 0 && a > std::numeric_limits<std::uint64_t>::max() / b ? std::numeric_limits<std::uint64_t>::max()
                                                                      : a * b;
}

}  // namespace

std::uint64_t Need::heldBytes() const { return add(solveBytes, resultTableBytes); }

std::uint64_t Need::totalBytes() const {
  return add(add(heldBytes(), resultsPageBytes), std::max(snapshotBytes, openBytes));
}

std::uint64_t projectFileBytes(std::uint64_t nodes, std::uint64_t answerRoomBytes) {
  return add(add(times(nodes, kFileBytesPerNode), times(answerRoomBytes, kFileBytesPerAnswerByte)), kFileFixedBytes);
}

std::uint64_t reservedAddressBytes(std::uint64_t threads) {
  // The solve's own thread and an estimate's beside the most the solve runs
  // at once: its workers, or the set-up's (the card context's and the tree
  // builder's, one per processor).
  const std::uint64_t setUp = velmora_app::set_up_workers();
  const std::uint64_t started = 2 + std::max(setUp, threads);
  const std::uint64_t stacks = times(started, velmora_app::kThreadStackBytes + kStackGuardBytes);
  // Every thread may make an arena of its own unless they are bounded; the
  // first arena grows in place and reserves nothing ahead.
  const int arenaLimit = velmora_platform::allocatorArenaLimit();
  const std::uint64_t arenas = arenaLimit > 0 ? static_cast<std::uint64_t>(arenaLimit - 1) : started;
  return add(add(stacks, times(arenas, velmora_platform::kArenaReserveBytes)), kDrawingAddressBytes);
}

std::uint64_t addressShare(std::uint64_t reserved, std::uint64_t available,
                           std::optional<std::uint64_t> addressSpaceRoom) {
  if (!addressSpaceRoom || available == 0) return 0;
  // Where the address space leaves more than `available`, that much of the
  // reservation fits beyond it.
  const std::uint64_t beyond = *addressSpaceRoom > available ? *addressSpaceRoom - available : 0;
  return reserved > beyond ? reserved - beyond : 0;
}

std::uint64_t requiredBytes(const Need& need, std::uint64_t available, std::optional<std::uint64_t> addressSpaceRoom) {
  const std::uint64_t total = need.totalBytes();
  if (total == 0) return 0;
  return add(total, addressShare(need.reservedAddressBytes, available, addressSpaceRoom));
}

bool fits(std::uint64_t required, std::uint64_t available) {
  return required == 0 || available == 0 || available > required;
}

Need needOf(const velmora_app::SolveMemoryEstimate& estimate, std::uint64_t threads) {
  Need need;
  need.solveBytes = estimate.total_bytes;
  if (estimate.exceeds_limit) return need;
  const std::uint64_t nodes = estimate.node_count;
  const std::uint64_t hands = add(estimate.oop_hand_count, estimate.ip_hand_count);
  need.resultTableBytes = times(nodes, kTableBytesPerNode);
  need.snapshotBytes = times(nodes, kSnapshotBytesPerNode);
  need.answerRoomBytes =
      results::answerRoomBytes(estimate.oop_hand_count, estimate.ip_hand_count, estimate.decision_node_count);
  need.resultsPageBytes = add(add(add(kWindowBytes, need.answerRoomBytes), times(hands, kShownBytesPerHand)),
                              times(nodes, kPageBytesPerNode));
  need.projectFileBytes = projectFileBytes(nodes, need.answerRoomBytes);
  need.openBytes = project_file::memoryToOpen(need.projectFileBytes);
  need.reservedAddressBytes = reservedAddressBytes(threads);
  return need;
}

}  // namespace solve_room
