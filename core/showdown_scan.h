// Branch-free showdown values on one full board. The opponent's reach is
// turned into prefix sums twice: over its hands in strength order, and over
// its hands grouped by card (a pocket under both of its cards). For each own
// hand the positions of "strictly weaker" and "weaker or equal" in both are
// stored, so a scan is one pass building the sums and one pass over the own
// hands reading its win, tie and loss reach with card removal, with no merge
// and no branch on the data.
//
// The 52 card groups are short; summed one after the other they would cost a
// mispredicted loop exit each. They are spread over eight lanes instead, each
// lane a run of whole groups, and the eight lanes are summed side by side,
// one step of all lanes at a time.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/cards.h"

namespace velmora {

struct ShowdownEntry {
  std::uint32_t strength_plus_one;
  std::uint16_t slot;
  // The pocket's two cards, so a scan needs no lookup by slot (0 on sentinels).
  Card lo = 0;
  Card hi = 0;
};

inline constexpr std::size_t kScanLanes = 8;

// One seat's live hands as the other seat's opponent.
struct OpponentOrder {
  std::vector<std::uint16_t> slots;  // strength ascending
  // The card groups over the lanes: entry (step q, lane l) at q * 8 + l. A
  // lane's tail after its last group repeats a real slot; nothing reads the
  // sums there. Running sums run through whole lanes; index steps * 8 is a
  // zero cell.
  std::uint16_t steps = 0;
  // One past the largest slot in `slots`: every slot a scan reads is below.
  std::uint16_t slot_end = 0;
  std::vector<std::uint16_t> lane_slots;
  // Per card: the running-sum index just before its group (the zero cell
  // when the group opens its lane) and of its last entry (the zero cell for
  // an empty group). A group's own prefix is the difference to `before`.
  std::array<std::uint16_t, kNumCards> before{};
  std::array<std::uint16_t, kNumCards> last{};
};

// One own hand. `lt`, `le`: counts of opponent hands strictly weaker / weaker
// or equal (prefix indices over `slots`). The card fields are running-sum
// indices into the lanes at the same two thresholds within the group of the
// hand's low and high card.
struct ScanEntry {
  std::uint16_t slot;
  std::uint16_t same;  // opponent slot of the identical pocket, or 0xFFFF
  std::uint16_t lt, le;
  std::uint16_t lo_lt, hi_lt;
  std::uint16_t lo_le, hi_le;
  Card lo, hi;
};

struct ShowdownScan {
  std::array<OpponentOrder, 2> order;         // by seat
  std::array<std::vector<ScanEntry>, 2> own;  // by own seat, strength ascending
};

// Builds the scan of one board from the two sentinel-framed, ascending
// showdown lists. `opponent_slot[s][i]` is the other seat's slot of seat s's
// pocket i (0xFFFF when the other seat does not hold it).
void build_showdown_scan(const std::array<std::vector<ShowdownEntry>, 2>& lists,
                         const std::array<std::vector<Pocket>, 2>& pockets,
                         const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out);

// out[slot] = W*win + L*lose (+ T*tie when `with_tie`) for every live hand
// of seat s (added to out[slot] when `add`), where W, T and L are the
// card-removed opponent reach of strictly weaker, equal and strictly
// stronger hands. `reach` has one entry per slot of the other seat; the
// entries of hands not live on the board are left as they are.
void scan_showdown(const ShowdownScan& scan, int s, const float* reach, float* out, double win, double lose,
                   double tie, bool with_tie, bool add);

inline constexpr std::size_t kScanBatch = 4;

// Up to kScanBatch showdowns on this board, each against its own reach, in
// one scan: out[k] for k < count is written exactly as scan_showdown (add
// false) writes it with win[k], lose[k], tie[k] and the shared with_tie
// (`tie` is read only when with_tie). Lanes with lose[k] == -win[k] and no
// tie take the even formula scan_showdown takes for such payoffs. out[k] for
// k >= count is never touched.
void scan_showdown_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                         float* const* out, const double* win, const double* lose, const double* tie, bool with_tie);

// The same (written, not added), and in one go the values of folding to that
// reach: fold_out[slot] = (card-removed opponent reach) * fold_factor,
// written for every live hand of seat s.
void scan_showdown_and_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                            double lose, double tie, bool with_tie, float* fold_out, double fold_factor);

// Up to kScanBatch of these in one scan: out[k] and fold_out[k] for
// k < count are written exactly as scan_showdown_and_fold writes them with
// reach[k], win[k], lose[k], tie[k] and fold_factor[k]. Lanes k >= count are
// never touched.
void scan_showdown_and_fold_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                                  float* const* out, const double* win, const double* lose, const double* tie,
                                  bool with_tie, float* const* fold_out, const double* fold_factor);

// An opponent calling or folding to a bet on this board: out[slot] as
// scan_showdown writes it (not added) for the calling reach `reach`, and in
// the same pass fold_out[slot] as scan_fold writes it for the folding reach
// `fold_reach`, value for value. Entries of hands not live are left as they
// are.
void scan_showdown_beside_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                               double lose, double tie, bool with_tie, const float* fold_reach, float* fold_out,
                               double fold_factor);

// The same tables for fold payoffs on a board still missing cards: built
// from the two seats' live slot lists, order and strengths do not matter,
// and only the slot, identical-pocket and card fields of the own entries are
// filled.
void build_fold_table(const std::array<std::vector<std::uint16_t>, 2>& live,
                      const std::array<std::vector<Pocket>, 2>& pockets,
                      const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out);

// Fold payoff from a scan or a fold table: out[slot] = (card-removed
// opponent reach) * factor for every live hand of seat s (the others are
// left as they are).
void scan_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double factor);

// Up to kScanBatch fold payoffs in one pass: out[k] for k < count exactly as
// scan_fold writes it with reach[k] and factor[k] (so nothing for a reach
// summing to zero). Lanes k >= count are never touched. Works on fold
// tables too.
void scan_fold_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                     float* const* out, const double* factor);

// The card-removed opponent reach itself, in double: out[slot] for every
// live hand of seat s (the others are left as they are; all are left when
// the reach sums to zero).
void unblocked_reach(const ShowdownScan& scan, int s, const float* reach, double* out);

std::size_t scan_bytes(const ShowdownScan& scan);

}  // namespace velmora
