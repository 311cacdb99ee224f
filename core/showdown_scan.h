// Branch-free showdown values on one full board. For each seat the live
// hands are kept in strength order and grouped by card; for each own hand the
// positions of "strictly weaker", "weaker or equal" and "all" are stored as
// indices into prefix sums of the opponent reach, so one pass over the
// opponent builds the prefix sums and one pass over the own hands reads its
// win, tie and loss reach with card removal, with no merge and no branch on
// the data.
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

// A seat's live hands on one board: the slots in list order, and the same
// slots grouped by card (a pocket appears under both of its cards), each
// group keeping list order.
struct CardGroups {
  std::vector<std::uint16_t> slots;
  std::vector<std::uint16_t> by_card;
  std::array<std::uint16_t, kNumCards + 1> start{};
};

// Prefix-sum positions of one own hand. `lt`, `le`: counts of opponent hands
// strictly weaker / weaker or equal (indices into the prefix over `slots`).
// The card fields index the per-card prefixes, laid out group after group
// with one leading zero each (group c begins at start[c] + c).
struct ScanEntry {
  std::uint16_t slot;
  std::uint16_t same;  // opponent slot of the identical pocket, or 0xFFFF
  std::uint16_t lt, le;
  std::uint16_t lo_lt, hi_lt;
  std::uint16_t lo_le, hi_le;
  std::uint16_t lo_all, hi_all;
};

struct ShowdownScan {
  std::array<CardGroups, 2> groups;           // by seat, strength ascending
  std::array<std::vector<ScanEntry>, 2> own;  // by own seat, strength ascending
};

// Groups of a list of slots (any order) with their pockets.
void build_card_groups(const std::vector<std::uint16_t>& slots, const std::vector<Pocket>& pockets, CardGroups& out);

// Builds the scan of one board from the two sentinel-framed, ascending
// showdown lists. `opponent_slot[s][i]` is the other seat's slot of seat s's
// pocket i (0xFFFF when the other seat does not hold it).
void build_showdown_scan(const std::array<std::vector<ShowdownEntry>, 2>& lists,
                         const std::array<std::vector<Pocket>, 2>& pockets,
                         const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out);

// out[slot] += W*win + L*lose (+ T*tie when `with_tie`) for every live hand
// of seat s, where W, T and L are the card-removed opponent reach of strictly
// weaker, equal and strictly stronger hands. `reach` has one entry per slot
// of the other seat.
void scan_showdown(const ShowdownScan& scan, int s, const float* reach, float* out, double win, double lose,
                   double tie, bool with_tie);

// The same, and in one go the values of folding to that reach:
// fold_out[slot] = (card-removed opponent reach) * fold_factor, written for
// every live hand of seat s (the others are left as they are).
void scan_showdown_and_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                            double lose, double tie, bool with_tie, float* fold_out, double fold_factor);

// Card-removal sums of `reach` over a seat's live hands: cs[c] = the reach of
// the hands holding card c; returns the total.
double card_sums(const CardGroups& groups, const float* reach, double* cs);

std::size_t scan_bytes(const ShowdownScan& scan);

}  // namespace velmora
