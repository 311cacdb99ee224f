#include "core/showdown_scan.h"
#include "core/prefetch_pump.h"

#include <immintrin.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace velmora {

namespace {

constexpr std::uint16_t kNone = 0xFFFF;
// Greedy placement keeps every lane within one group of the mean, so the
// steps never exceed this (the opponent has at most 2 * 1326 group entries).
constexpr std::size_t kMaxSteps = (2 * kNumPockets) / kScanLanes + kNumCards + 1;
constexpr std::size_t kMaxLaneCells = kMaxSteps * kScanLanes + 1;

struct Placement {
  std::uint16_t lane = 0;
  std::uint16_t first_step = 0;
  std::vector<std::uint32_t> strengths;  // the group's, ascending
};

// Lays out one seat's hands (real entries, ascending) as an opponent order;
// `place` gets where each card's group went.
void build_order(const std::vector<ShowdownEntry>& real, const std::vector<Pocket>& pockets, OpponentOrder& out,
                 std::array<Placement, kNumCards>& place) {
  out.slots.clear();
  out.slots.reserve(real.size());
  std::array<std::vector<std::uint16_t>, kNumCards> group_slots;
  for (const ShowdownEntry& e : real) {
    out.slots.push_back(e.slot);
    const Pocket p = pockets[e.slot];
    for (Card c : {pocket_lo(p), pocket_hi(p)}) {
      group_slots[c].push_back(e.slot);
      place[c].strengths.push_back(e.strength_plus_one);
    }
  }
  // Longest groups first, each into the least filled lane.
  std::array<int, kNumCards> cards{};
  std::iota(cards.begin(), cards.end(), 0);
  std::stable_sort(cards.begin(), cards.end(),
                   [&](int a, int b) { return group_slots[a].size() > group_slots[b].size(); });
  std::array<std::size_t, kScanLanes> fill{};
  for (int c : cards) {
    const std::size_t lane = static_cast<std::size_t>(std::min_element(fill.begin(), fill.end()) - fill.begin());
    place[c].lane = static_cast<std::uint16_t>(lane);
    place[c].first_step = static_cast<std::uint16_t>(fill[lane]);
    fill[lane] += group_slots[c].size();
  }
  const std::size_t steps = *std::max_element(fill.begin(), fill.end());
  if (steps > kMaxSteps) throw std::logic_error("showdown scan: lane layout out of bounds");
  out.steps = static_cast<std::uint16_t>(steps);
  out.slot_end = 0;
  for (std::uint16_t slot : out.slots) out.slot_end = std::max<std::uint16_t>(out.slot_end, slot + 1);
  const std::uint16_t filler = out.slots.empty() ? 0 : out.slots.front();
  out.lane_slots.assign(steps * kScanLanes, filler);
  const auto zero = static_cast<std::uint16_t>(steps * kScanLanes);
  for (int c = 0; c < kNumCards; ++c) {
    const Placement& pl = place[c];
    const std::size_t n = group_slots[c].size();
    for (std::size_t k = 0; k < n; ++k) out.lane_slots[(pl.first_step + k) * kScanLanes + pl.lane] = group_slots[c][k];
    out.before[c] = n == 0 || pl.first_step == 0
                        ? zero
                        : static_cast<std::uint16_t>((pl.first_step - 1) * kScanLanes + pl.lane);
    out.last[c] = n == 0 ? zero : static_cast<std::uint16_t>((pl.first_step + n - 1) * kScanLanes + pl.lane);
  }
}

// Running-sum index of the first `count` entries of card c's group.
std::uint16_t group_index(const OpponentOrder& order, const Placement& pl, Card c, std::size_t count) {
  if (count == 0) return order.before[c];
  return static_cast<std::uint16_t>((pl.first_step + count - 1) * kScanLanes + pl.lane);
}

// prefix[k] = the reach of slots[0 .. k), prefix[0] = 0, as two halves summed
// side by side (the second then lifted by the first's total), which halves
// the chain of dependent additions. Returns the total.
double prefix_sums(const std::uint16_t* slots, std::size_t n, const float* reach, double* prefix) {
  prefix[0] = 0.0;
  const std::size_t h = n / 2;
  double a = 0.0;
  double b = 0.0;
  for (std::size_t k = 0; k < h; ++k) {
    a += static_cast<double>(reach[slots[k]]);
    prefix[k + 1] = a;
    b += static_cast<double>(reach[slots[h + k]]);
    prefix[h + k + 1] = b;
  }
  for (std::size_t k = 2 * h; k < n; ++k) {
    b += static_cast<double>(reach[slots[k]]);
    prefix[k + 1] = b;
  }
  for (std::size_t k = h + 1; k <= n; ++k) prefix[k] += a;
  return prefix[n];
}

// Running sums of the lanes, eight at a time; then per card the sum before
// its group and the group's total.
void lane_sums(const OpponentOrder& order, const float* reach, double* lanes, double* before, double* group_total) {
  const std::size_t steps = order.steps;
  const std::uint16_t* s = order.lane_slots.data();
  __m256d a0 = _mm256_setzero_pd();
  __m256d a1 = _mm256_setzero_pd();
  for (std::size_t q = 0; q < steps; ++q, s += kScanLanes) {
    const __m128 x0 = _mm_setr_ps(reach[s[0]], reach[s[1]], reach[s[2]], reach[s[3]]);
    const __m128 x1 = _mm_setr_ps(reach[s[4]], reach[s[5]], reach[s[6]], reach[s[7]]);
    a0 = _mm256_add_pd(a0, _mm256_cvtps_pd(x0));
    a1 = _mm256_add_pd(a1, _mm256_cvtps_pd(x1));
    _mm256_store_pd(lanes + q * kScanLanes, a0);
    _mm256_store_pd(lanes + q * kScanLanes + 4, a1);
  }
  lanes[steps * kScanLanes] = 0.0;
  for (int c = 0; c < kNumCards; ++c) {
    const double b = lanes[order.before[c]];
    before[c] = b;
    group_total[c] = lanes[order.last[c]] - b;
  }
}

// lane_sums of two reach vectors in one loop over the lane slots (each
// vector's sums exactly as lane_sums gives them).
void lane_sums_two(const OpponentOrder& order, const float* reach, const float* reach2, double* lanes,
                   double* lanes2, double* before, double* group_total, double* before2, double* group_total2) {
  const std::size_t steps = order.steps;
  const std::uint16_t* s = order.lane_slots.data();
  __m256d a0 = _mm256_setzero_pd();
  __m256d a1 = _mm256_setzero_pd();
  __m256d b0 = _mm256_setzero_pd();
  __m256d b1 = _mm256_setzero_pd();
  for (std::size_t q = 0; q < steps; ++q, s += kScanLanes) {
    const __m128 x0 = _mm_setr_ps(reach[s[0]], reach[s[1]], reach[s[2]], reach[s[3]]);
    const __m128 x1 = _mm_setr_ps(reach[s[4]], reach[s[5]], reach[s[6]], reach[s[7]]);
    const __m128 y0 = _mm_setr_ps(reach2[s[0]], reach2[s[1]], reach2[s[2]], reach2[s[3]]);
    const __m128 y1 = _mm_setr_ps(reach2[s[4]], reach2[s[5]], reach2[s[6]], reach2[s[7]]);
    a0 = _mm256_add_pd(a0, _mm256_cvtps_pd(x0));
    a1 = _mm256_add_pd(a1, _mm256_cvtps_pd(x1));
    b0 = _mm256_add_pd(b0, _mm256_cvtps_pd(y0));
    b1 = _mm256_add_pd(b1, _mm256_cvtps_pd(y1));
    _mm256_store_pd(lanes + q * kScanLanes, a0);
    _mm256_store_pd(lanes + q * kScanLanes + 4, a1);
    _mm256_store_pd(lanes2 + q * kScanLanes, b0);
    _mm256_store_pd(lanes2 + q * kScanLanes + 4, b1);
  }
  lanes[steps * kScanLanes] = 0.0;
  lanes2[steps * kScanLanes] = 0.0;
  for (int c = 0; c < kNumCards; ++c) {
    const double b = lanes[order.before[c]];
    before[c] = b;
    group_total[c] = lanes[order.last[c]] - b;
    const double b2 = lanes2[order.before[c]];
    before2[c] = b2;
    group_total2[c] = lanes2[order.last[c]] - b2;
  }
}

// Writes or adds one own hand's value.
template <bool kAdd>
inline void put(float* out, std::uint16_t slot, double v) {
  if constexpr (kAdd) {
    out[slot] += static_cast<float>(v);
  } else {
    out[slot] = static_cast<float>(v);
  }
}

template <bool kAdd, bool kWithTie, bool kWithFold>
void scan_own(const std::vector<ScanEntry>& own, const double* prefix, const double* lanes, const double* before,
              const double* group_total, double total, const float* reach, float* out, double win, double lose,
              double tie, float* fold_out, double fold_factor) {
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const double bl = before[e.lo];
    const double bh = before[e.hi];
    const double w = prefix[e.lt] - (lanes[e.lo_lt] - bl) - (lanes[e.hi_lt] - bh);
    const double le = prefix[e.le] - (lanes[e.lo_le] - bl) - (lanes[e.hi_le] - bh);
    const double all = total - group_total[e.lo] - group_total[e.hi];
    double v = w * win + (all - le) * lose;
    if constexpr (kWithTie || kWithFold) {
      // The identical pocket is removed by both card sums; it ties, so the
      // equal-strength share adds it back once, as does the fold's.
      const double same = e.same != kNone ? static_cast<double>(reach[e.same]) : 0.0;
      if constexpr (kWithTie) v += (le - w + same) * tie;
      if constexpr (kWithFold) fold_out[e.slot] = static_cast<float>((same + all) * fold_factor);
    }
    put<kAdd>(out, e.slot, v);
  }
}

// Without rake a win and a loss pay opposite amounts, so the value is
// win * (W - L), and W - L needs fewer reads: with E[c] the running sum at
// the end of card c's group and K[c] = before[c] + E[c],
// W - L = P[lt] + P[le] - total - (lanes at the four card thresholds) + K[lo] + K[hi].
template <bool kAdd>
void scan_own_even(const std::vector<ScanEntry>& own, const double* prefix, const double* lanes, const double* k,
                   double total, float* out, double win) {
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const double d = (prefix[e.lt] + prefix[e.le] - total) - (lanes[e.lo_lt] + lanes[e.lo_le]) -
                     (lanes[e.hi_lt] + lanes[e.hi_le]) + (k[e.lo] + k[e.hi]);
    put<kAdd>(out, e.slot, d * win);
  }
}

template <bool kAdd>
void scan_dispatch(const ShowdownScan& scan, int s, const float* reach, float* out, double win, double lose,
                   double tie, bool with_tie, float* fold_out, double fold_factor) {
  const OpponentOrder& order = scan.order[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (order.slots.empty() || own.empty()) return;
  alignas(64) double prefix[kNumPockets + 1];
  alignas(64) double lanes[kMaxLaneCells];
  alignas(64) double before[kNumCards];
  alignas(64) double group_total[kNumCards];
  const double total = prefix_sums(order.slots.data(), order.slots.size(), reach, prefix);
  lane_sums(order, reach, lanes, before, group_total);
  const bool fold = fold_out != nullptr;
  if (with_tie) {
    if (fold) {
      scan_own<kAdd, true, true>(own, prefix, lanes, before, group_total, total, reach, out, win, lose, tie,
                                 fold_out, fold_factor);
    } else {
      scan_own<kAdd, true, false>(own, prefix, lanes, before, group_total, total, reach, out, win, lose, tie,
                                  fold_out, fold_factor);
    }
  } else if (fold) {
    scan_own<kAdd, false, true>(own, prefix, lanes, before, group_total, total, reach, out, win, lose, tie,
                                fold_out, fold_factor);
  } else if (lose == -win) {
    alignas(64) double k[kNumCards];
    for (int c = 0; c < kNumCards; ++c) k[c] = 2.0 * before[c] + group_total[c];
    scan_own_even<kAdd>(own, prefix, lanes, k, total, out, win);
  } else {
    scan_own<kAdd, false, false>(own, prefix, lanes, before, group_total, total, reach, out, win, lose, tie,
                                 fold_out, fold_factor);
  }
}

// What scan_own and scan_own_even write, and beside it the fold value of
// for_unblocked_reach to a second reach (its group totals `fold_group` and
// total `fold_total`), with the same operations in the same order.
enum class Kind { kEven, kPlain, kTie };

template <Kind kKind>
void scan_own_beside_fold(const std::vector<ScanEntry>& own, const double* prefix, const double* lanes,
                          const double* before, const double* group_total, const double* k, double total,
                          const float* reach, float* out, double win, double lose, double tie,
                          const double* fold_group, double fold_total, const float* fold_reach, float* fold_out,
                          double fold_factor) {
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    double v;
    if constexpr (kKind == Kind::kEven) {
      const double d = (prefix[e.lt] + prefix[e.le] - total) - (lanes[e.lo_lt] + lanes[e.lo_le]) -
                       (lanes[e.hi_lt] + lanes[e.hi_le]) + (k[e.lo] + k[e.hi]);
      v = d * win;
    } else {
      const double bl = before[e.lo];
      const double bh = before[e.hi];
      const double w = prefix[e.lt] - (lanes[e.lo_lt] - bl) - (lanes[e.hi_lt] - bh);
      const double le = prefix[e.le] - (lanes[e.lo_le] - bl) - (lanes[e.hi_le] - bh);
      const double all = total - group_total[e.lo] - group_total[e.hi];
      v = w * win + (all - le) * lose;
      if constexpr (kKind == Kind::kTie) {
        const double same = e.same != kNone ? static_cast<double>(reach[e.same]) : 0.0;
        v += (le - w + same) * tie;
      }
    }
    out[e.slot] = static_cast<float>(v);
    const double same_f = e.same != kNone ? static_cast<double>(fold_reach[e.same]) : 0.0;
    const double r = same_f + fold_total - fold_group[e.lo] - fold_group[e.hi];
    fold_out[e.slot] = static_cast<float>(r * fold_factor);
  }
}

}  // namespace

void scan_showdown_beside_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                               double lose, double tie, bool with_tie, const float* fold_reach, float* fold_out,
                               double fold_factor) {
  const OpponentOrder& order = scan.order[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (order.slots.empty() || own.empty()) return;
  alignas(64) double prefix[kNumPockets + 1];
  alignas(64) double lanes[kMaxLaneCells];
  alignas(64) double lanes2[kMaxLaneCells];
  alignas(64) double before[kNumCards];
  alignas(64) double group_total[kNumCards];
  alignas(64) double before2[kNumCards];
  alignas(64) double group_total2[kNumCards];
  const double total = prefix_sums(order.slots.data(), order.slots.size(), reach, prefix);
  lane_sums_two(order, reach, fold_reach, lanes, lanes2, before, group_total, before2, group_total2);
  // The fold total as for_unblocked_reach takes it: every hand lies in two
  // card groups. Without folding reach the fold values are not written.
  double twice = 0.0;
  for (int c = 0; c < kNumCards; ++c) twice += group_total2[c];
  const double fold_total = twice / 2.0;
  if (fold_total == 0.0) {
    scan_dispatch<false>(scan, s, reach, out, win, lose, tie, with_tie, nullptr, 0.0);
    return;
  }
  if (with_tie) {
    scan_own_beside_fold<Kind::kTie>(own, prefix, lanes, before, group_total, nullptr, total, reach, out, win, lose,
                                     tie, group_total2, fold_total, fold_reach, fold_out, fold_factor);
  } else if (lose == -win) {
    alignas(64) double k[kNumCards];
    for (int c = 0; c < kNumCards; ++c) k[c] = 2.0 * before[c] + group_total[c];
    scan_own_beside_fold<Kind::kEven>(own, prefix, lanes, before, group_total, k, total, reach, out, win, lose, tie,
                                      group_total2, fold_total, fold_reach, fold_out, fold_factor);
  } else {
    scan_own_beside_fold<Kind::kPlain>(own, prefix, lanes, before, group_total, nullptr, total, reach, out, win, lose,
                                       tie, group_total2, fold_total, fold_reach, fold_out, fold_factor);
  }
}

void build_showdown_scan(const std::array<std::vector<ShowdownEntry>, 2>& lists,
                         const std::array<std::vector<Pocket>, 2>& pockets,
                         const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out) {
  // Real entries only (the lists are framed by two sentinels).
  std::array<std::vector<ShowdownEntry>, 2> real;
  std::array<std::array<Placement, kNumCards>, 2> place;
  for (int x = 0; x < 2; ++x) {
    if (lists[x].size() >= 2) real[x].assign(lists[x].begin() + 1, lists[x].end() - 1);
    build_order(real[x], pockets[x], out.order[x], place[x]);
  }

  for (int s = 0; s < 2; ++s) {
    const int o = 1 - s;
    const std::vector<ShowdownEntry>& opp = real[o];
    const OpponentOrder& order = out.order[o];
    std::vector<ScanEntry>& own = out.own[s];
    own.clear();
    own.reserve(real[s].size());
    std::size_t lt = 0;
    std::size_t le = 0;
    const auto group_counts = [&](Card c, std::uint32_t v, std::uint16_t& at_lt, std::uint16_t& at_le) {
      const std::vector<std::uint32_t>& g = place[o][c].strengths;
      const std::size_t below = static_cast<std::size_t>(std::lower_bound(g.begin(), g.end(), v) - g.begin());
      const std::size_t upto = static_cast<std::size_t>(std::upper_bound(g.begin(), g.end(), v) - g.begin());
      at_lt = group_index(order, place[o][c], c, below);
      at_le = group_index(order, place[o][c], c, upto);
    };
    for (const ShowdownEntry& e : real[s]) {
      const std::uint32_t v = e.strength_plus_one;
      while (lt < opp.size() && opp[lt].strength_plus_one < v) ++lt;
      le = std::max(le, lt);
      while (le < opp.size() && opp[le].strength_plus_one <= v) ++le;
      ScanEntry x{};
      x.slot = e.slot;
      const std::vector<std::uint16_t>& same = opponent_slot[s];
      x.same = e.slot < same.size() && same[e.slot] < pockets[o].size() ? same[e.slot] : kNone;
      // The batched scans read the opponent's reach below slot_end only.
      if (x.same != kNone) out.order[o].slot_end = std::max<std::uint16_t>(out.order[o].slot_end, x.same + 1);
      x.lt = static_cast<std::uint16_t>(lt);
      x.le = static_cast<std::uint16_t>(le);
      const Pocket p = pockets[s][e.slot];
      x.lo = pocket_lo(p);
      x.hi = pocket_hi(p);
      group_counts(x.lo, v, x.lo_lt, x.lo_le);
      group_counts(x.hi, v, x.hi_lt, x.hi_le);
      own.push_back(x);
    }
  }
}

void scan_showdown(const ShowdownScan& scan, int s, const float* reach, float* out, double win, double lose,
                   double tie, bool with_tie, bool add) {
  if (add) {
    scan_dispatch<true>(scan, s, reach, out, win, lose, tie, with_tie, nullptr, 0.0);
  } else {
    scan_dispatch<false>(scan, s, reach, out, win, lose, tie, with_tie, nullptr, 0.0);
  }
}

void scan_showdown_and_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                            double lose, double tie, bool with_tie, float* fold_out, double fold_factor) {
  scan_dispatch<false>(scan, s, reach, out, win, lose, tie, with_tie, fold_out, fold_factor);
}

namespace {

// Up to four reaches interleaved: reach k of slot i at [4 * i + k], zero in
// the lanes past the N reaches given, so one load reads a slot of all of them.
template <std::size_t N>
void interleave(const float* const* reach, std::size_t end, float* out) {
  std::size_t i = 0;
  if constexpr (N >= 2) {
    // Four slots at a time by a 4x4 transpose, the missing reaches as zeros.
    for (; i + 4 <= end; i += 4) {
      __m128 r0 = _mm_loadu_ps(reach[0] + i);
      __m128 r1 = _mm_loadu_ps(reach[1] + i);
      __m128 r2 = N >= 3 ? _mm_loadu_ps(reach[2] + i) : _mm_setzero_ps();
      __m128 r3 = N >= 4 ? _mm_loadu_ps(reach[3] + i) : _mm_setzero_ps();
      _MM_TRANSPOSE4_PS(r0, r1, r2, r3);
      _mm_store_ps(out + 4 * i, r0);
      _mm_store_ps(out + 4 * i + 4, r1);
      _mm_store_ps(out + 4 * i + 8, r2);
      _mm_store_ps(out + 4 * i + 12, r3);
    }
  }
  for (; i < end; ++i) {
    for (std::size_t k = 0; k < 4; ++k) out[4 * i + k] = k < N ? reach[k][i] : 0.0f;
  }
}

// All reaches' values at one slot, one reach per double lane.
inline __m256d gather4(const float* inter, std::uint16_t slot) {
  return _mm256_cvtps_pd(_mm_load_ps(inter + 4 * std::size_t{slot}));
}

inline __m256d at4(const double* cells, std::size_t i) { return _mm256_load_pd(cells + 4 * i); }

// lane_sums for four reaches side by side, cell i of reach k at [4 * i + k],
// each reach with the operations of lane_sums in its order.
void batch_lane_sums(const OpponentOrder& order, const float* reach, double* lanes, double* before,
                     double* group_total) {
  const std::size_t steps = order.steps;
  const std::uint16_t* ls = order.lane_slots.data();
  // The eight running sums are named one by one: as an array indexed in a
  // loop, GCC keeps them on the stack, and every step waits on a store.
  static_assert(kScanLanes == 8);
  __m256d a0 = _mm256_setzero_pd(), a1 = a0, a2 = a0, a3 = a0, a4 = a0, a5 = a0, a6 = a0, a7 = a0;
  PumpCursor pump;
  for (std::size_t q = 0; q < steps; ++q, ls += kScanLanes) {
    pump.step();
    double* row = lanes + 4 * q * kScanLanes;
    a0 = _mm256_add_pd(a0, gather4(reach, ls[0]));
    a1 = _mm256_add_pd(a1, gather4(reach, ls[1]));
    a2 = _mm256_add_pd(a2, gather4(reach, ls[2]));
    a3 = _mm256_add_pd(a3, gather4(reach, ls[3]));
    a4 = _mm256_add_pd(a4, gather4(reach, ls[4]));
    a5 = _mm256_add_pd(a5, gather4(reach, ls[5]));
    a6 = _mm256_add_pd(a6, gather4(reach, ls[6]));
    a7 = _mm256_add_pd(a7, gather4(reach, ls[7]));
    _mm256_store_pd(row, a0);
    _mm256_store_pd(row + 4, a1);
    _mm256_store_pd(row + 8, a2);
    _mm256_store_pd(row + 12, a3);
    _mm256_store_pd(row + 16, a4);
    _mm256_store_pd(row + 20, a5);
    _mm256_store_pd(row + 24, a6);
    _mm256_store_pd(row + 28, a7);
  }
  _mm256_store_pd(lanes + 4 * steps * kScanLanes, _mm256_setzero_pd());
  for (int c = 0; c < kNumCards; ++c) {
    const __m256d bc = at4(lanes, order.before[c]);
    _mm256_store_pd(before + 4 * c, bc);
    _mm256_store_pd(group_total + 4 * c, _mm256_sub_pd(at4(lanes, order.last[c]), bc));
  }
}

// prefix_sums and lane_sums for four reaches side by side, laid out as in
// batch_lane_sums. Returns the totals.
__m256d batch_sums(const OpponentOrder& order, const float* reach, double* prefix, double* lanes,
                   double* before, double* group_total) {
  const std::uint16_t* slots = order.slots.data();
  const std::size_t n = order.slots.size();
  const std::size_t h = n / 2;
  __m256d a = _mm256_setzero_pd();
  __m256d b = _mm256_setzero_pd();
  _mm256_store_pd(prefix, a);
  for (std::size_t q = 0; q < h; ++q) {
    a = _mm256_add_pd(a, gather4(reach, slots[q]));
    _mm256_store_pd(prefix + 4 * (q + 1), a);
    b = _mm256_add_pd(b, gather4(reach, slots[h + q]));
    _mm256_store_pd(prefix + 4 * (h + q + 1), b);
  }
  for (std::size_t q = 2 * h; q < n; ++q) {
    b = _mm256_add_pd(b, gather4(reach, slots[q]));
    _mm256_store_pd(prefix + 4 * (q + 1), b);
  }
  for (std::size_t q = h + 1; q <= n; ++q) _mm256_store_pd(prefix + 4 * q, _mm256_add_pd(at4(prefix, q), a));
  batch_lane_sums(order, reach, lanes, before, group_total);
  return at4(prefix, n);
}

// Writes lanes 0 .. N-1 of v, each to its own output.
template <std::size_t N>
inline void put4(float* const* out, std::uint16_t slot, __m256d v) {
  const __m128 f = _mm256_cvtpd_ps(v);
  out[0][slot] = _mm_cvtss_f32(f);
  if constexpr (N >= 2) out[1][slot] = _mm_cvtss_f32(_mm_movehdup_ps(f));
  if constexpr (N >= 3) out[2][slot] = _mm_cvtss_f32(_mm_movehl_ps(f, f));
  if constexpr (N >= 4) out[3][slot] = _mm_cvtss_f32(_mm_shuffle_ps(f, f, 3));
}

// scan_own_even, N lanes at once.
template <std::size_t N>
void scan_own_even4(const std::vector<ScanEntry>& own, const double* prefix, const double* lanes, const double* k,
                    __m256d total, float* const* out, __m256d win) {
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const __m256d p = _mm256_sub_pd(_mm256_add_pd(at4(prefix, e.lt), at4(prefix, e.le)), total);
    const __m256d lo = _mm256_add_pd(at4(lanes, e.lo_lt), at4(lanes, e.lo_le));
    const __m256d hi = _mm256_add_pd(at4(lanes, e.hi_lt), at4(lanes, e.hi_le));
    const __m256d d =
        _mm256_add_pd(_mm256_sub_pd(_mm256_sub_pd(p, lo), hi), _mm256_add_pd(at4(k, e.lo), at4(k, e.hi)));
    put4<N>(out, e.slot, _mm256_mul_pd(d, win));
  }
}

// scan_own (written), four lanes at once.
template <std::size_t N, bool kWithTie, bool kWithFold>
void scan_own4(const std::vector<ScanEntry>& own, const double* prefix, const double* lanes, const double* before,
               const double* group_total, __m256d total, const float* reach, float* const* out, __m256d win,
               __m256d lose, __m256d tie, float* const* fold_out, __m256d fold_factor) {
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const __m256d bl = at4(before, e.lo);
    const __m256d bh = at4(before, e.hi);
    const __m256d w = _mm256_sub_pd(_mm256_sub_pd(at4(prefix, e.lt), _mm256_sub_pd(at4(lanes, e.lo_lt), bl)),
                                    _mm256_sub_pd(at4(lanes, e.hi_lt), bh));
    const __m256d le = _mm256_sub_pd(_mm256_sub_pd(at4(prefix, e.le), _mm256_sub_pd(at4(lanes, e.lo_le), bl)),
                                     _mm256_sub_pd(at4(lanes, e.hi_le), bh));
    const __m256d all = _mm256_sub_pd(_mm256_sub_pd(total, at4(group_total, e.lo)), at4(group_total, e.hi));
    __m256d v = _mm256_add_pd(_mm256_mul_pd(w, win), _mm256_mul_pd(_mm256_sub_pd(all, le), lose));
    if constexpr (kWithTie || kWithFold) {
      const __m256d same = e.same != kNone ? gather4(reach, e.same) : _mm256_setzero_pd();
      if constexpr (kWithTie) v = _mm256_add_pd(v, _mm256_mul_pd(_mm256_add_pd(_mm256_sub_pd(le, w), same), tie));
      if constexpr (kWithFold) put4<N>(fold_out, e.slot, _mm256_mul_pd(_mm256_add_pd(same, all), fold_factor));
    }
    put4<N>(out, e.slot, v);
  }
}

// Up to four lanes that all take the even formula, or all the general one
// (always the general one with fold values, as scan_dispatch does).
template <std::size_t N>
void scan_batch_n(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach, float* const* out,
                  const double* win, const double* lose, const double* tie, bool with_tie, bool even,
                  float* const* fold_out, const double* fold_factor) {
  const OpponentOrder& order = scan.order[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (order.slots.empty() || own.empty()) return;
  // Only the first N lanes are read and written.
  const float* r4[kScanBatch] = {};
  float* o4[kScanBatch] = {};
  float* f4[kScanBatch] = {};
  alignas(32) double w4[kScanBatch] = {};
  alignas(32) double l4[kScanBatch] = {};
  alignas(32) double t4[kScanBatch] = {};
  alignas(32) double ff4[kScanBatch] = {};
  const bool fold = fold_out != nullptr;
  for (std::size_t k = 0; k < count; ++k) {
    r4[k] = reach[k];
    o4[k] = out[k];
    if (fold) f4[k] = fold_out[k];
    w4[k] = win[k];
    l4[k] = lose[k];
    if (with_tie) t4[k] = tie[k];
    if (fold) ff4[k] = fold_factor[k];
  }
  alignas(64) double prefix[(kNumPockets + 1) * kScanBatch];
  alignas(64) double lanes[kMaxLaneCells * kScanBatch];
  alignas(64) double before[kNumCards * kScanBatch];
  alignas(64) double group_total[kNumCards * kScanBatch];
  alignas(16) float inter[4 * kNumPockets];
  interleave<N>(r4, order.slot_end, inter);
  const __m256d total = batch_sums(order, inter, prefix, lanes, before, group_total);
  const __m256d w = _mm256_load_pd(w4);
  if (even) {
    alignas(64) double k[kNumCards * kScanBatch];
    const __m256d two = _mm256_set1_pd(2.0);
    for (int c = 0; c < kNumCards; ++c) {
      _mm256_store_pd(k + 4 * c, _mm256_add_pd(_mm256_mul_pd(two, at4(before, c)), at4(group_total, c)));
    }
    scan_own_even4<N>(own, prefix, lanes, k, total, o4, w);
    return;
  }
  const __m256d l = _mm256_load_pd(l4);
  const __m256d t = _mm256_load_pd(t4);
  const __m256d ff = _mm256_load_pd(ff4);
  if (with_tie) {
    if (fold) {
      scan_own4<N, true, true>(own, prefix, lanes, before, group_total, total, inter, o4, w, l, t, f4, ff);
    } else {
      scan_own4<N, true, false>(own, prefix, lanes, before, group_total, total, inter, o4, w, l, t, f4, ff);
    }
  } else if (fold) {
    scan_own4<N, false, true>(own, prefix, lanes, before, group_total, total, inter, o4, w, l, t, f4, ff);
  } else {
    scan_own4<N, false, false>(own, prefix, lanes, before, group_total, total, inter, o4, w, l, t, f4, ff);
  }
}

// Up to four lanes that all take the even formula, or all the general one
// (always the general one with fold values, as scan_dispatch does); only
// the lanes in use are read and written.
void scan_batch_uniform(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                        float* const* out, const double* win, const double* lose, const double* tie, bool with_tie,
                        bool even, float* const* fold_out = nullptr, const double* fold_factor = nullptr) {
  switch (count) {
    case 1:
      return scan_batch_n<1>(scan, s, count, reach, out, win, lose, tie, with_tie, even, fold_out, fold_factor);
    case 2:
      return scan_batch_n<2>(scan, s, count, reach, out, win, lose, tie, with_tie, even, fold_out, fold_factor);
    case 3:
      return scan_batch_n<3>(scan, s, count, reach, out, win, lose, tie, with_tie, even, fold_out, fold_factor);
    default:
      return scan_batch_n<4>(scan, s, count, reach, out, win, lose, tie, with_tie, even, fold_out, fold_factor);
  }
}

}  // namespace

void scan_showdown_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                         float* const* out, const double* win, const double* lose, const double* tie, bool with_tie) {
  if (count > kScanBatch) throw std::invalid_argument("scan_showdown_batch: more lanes than a batch holds");
  if (count == 0) return;
  // One lane: the single scan writes the same for half the cost of a batch.
  if (count == 1) {
    return scan_showdown(scan, s, reach[0], out[0], win[0], lose[0], with_tie ? tie[0] : 0.0, with_tie, false);
  }
  // Each lane takes the formula scan_showdown would take for it; a mixed
  // batch is valued as two.
  std::array<std::size_t, kScanBatch> pick[2];
  std::size_t n[2] = {0, 0};
  for (std::size_t k = 0; k < count; ++k) {
    const int even = !with_tie && lose[k] == -win[k] ? 1 : 0;
    pick[even][n[even]++] = k;
  }
  if (n[0] == 0 || n[1] == 0) {
    scan_batch_uniform(scan, s, count, reach, out, win, lose, tie, with_tie, n[1] != 0);
    return;
  }
  for (int even = 0; even < 2; ++even) {
    const float* r[kScanBatch];
    float* o[kScanBatch];
    double w[kScanBatch];
    double l[kScanBatch];
    for (std::size_t j = 0; j < n[even]; ++j) {
      const std::size_t k = pick[even][j];
      r[j] = reach[k];
      o[j] = out[k];
      w[j] = win[k];
      l[j] = lose[k];
    }
    scan_batch_uniform(scan, s, n[even], r, o, w, l, nullptr, false, even != 0);
  }
}

void scan_showdown_and_fold_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                                  float* const* out, const double* win, const double* lose, const double* tie,
                                  bool with_tie, float* const* fold_out, const double* fold_factor) {
  if (count > kScanBatch) throw std::invalid_argument("scan_showdown_and_fold_batch: more lanes than a batch holds");
  if (count == 0) return;
  if (count == 1) {
    return scan_showdown_and_fold(scan, s, reach[0], out[0], win[0], lose[0], with_tie ? tie[0] : 0.0, with_tie,
                                  fold_out[0], fold_factor[0]);
  }
  scan_batch_uniform(scan, s, count, reach, out, win, lose, tie, with_tie, false, fold_out, fold_factor);
}

void build_fold_table(const std::array<std::vector<std::uint16_t>, 2>& live,
                      const std::array<std::vector<Pocket>, 2>& pockets,
                      const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out) {
  std::array<std::vector<ShowdownEntry>, 2> lists;
  for (int x = 0; x < 2; ++x) {
    lists[x].push_back({0, kNone, 0, 0});
    for (std::uint16_t slot : live[x]) {
      const Pocket p = pockets[x][slot];
      lists[x].push_back({1, slot, pocket_lo(p), pocket_hi(p)});
    }
    lists[x].push_back({0xFFFFFFFFu, kNone, 0, 0});
  }
  build_showdown_scan(lists, pockets, opponent_slot, out);
}

namespace {

// put(slot, card-removed opponent reach) for every live hand of seat s; does
// nothing when the opponent reach sums to zero.
template <class Put>
void for_unblocked_reach(const ShowdownScan& scan, int s, const float* reach, Put put) {
  const OpponentOrder& order = scan.order[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (order.slots.empty() || own.empty()) return;
  alignas(64) double lanes[kMaxLaneCells];
  alignas(64) double before[kNumCards];
  alignas(64) double group_total[kNumCards];
  lane_sums(order, reach, lanes, before, group_total);
  // Every hand lies in two card groups.
  double twice = 0.0;
  for (int c = 0; c < kNumCards; ++c) twice += group_total[c];
  const double total = twice / 2.0;
  if (total == 0.0) return;
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const double same = e.same != kNone ? static_cast<double>(reach[e.same]) : 0.0;
    put(e.slot, same + total - group_total[e.lo] - group_total[e.hi]);
  }
}

}  // namespace

void scan_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double factor) {
  for_unblocked_reach(scan, s, reach,
                      [&](std::uint16_t slot, double r) { out[slot] = static_cast<float>(r * factor); });
}

namespace {

template <std::size_t N>
void fold_batch_n(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach, float* const* out,
                  const double* factor) {
  const OpponentOrder& order = scan.order[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (order.slots.empty() || own.empty()) return;
  const float* r4[kScanBatch] = {};
  for (std::size_t k = 0; k < count; ++k) r4[k] = reach[k];
  alignas(64) double lanes[kMaxLaneCells * kScanBatch];
  alignas(64) double before[kNumCards * kScanBatch];
  alignas(64) double group_total[kNumCards * kScanBatch];
  alignas(16) float inter[4 * kNumPockets];
  interleave<N>(r4, order.slot_end, inter);
  batch_lane_sums(order, inter, lanes, before, group_total);
  __m256d twice = _mm256_setzero_pd();
  for (int c = 0; c < kNumCards; ++c) twice = _mm256_add_pd(twice, at4(group_total, c));
  const __m256d total = _mm256_div_pd(twice, _mm256_set1_pd(2.0));
  // As for_unblocked_reach: a lane without opponent reach writes nothing
  // (into a scratch row).
  alignas(32) double t4[kScanBatch];
  alignas(32) double f4[kScanBatch] = {};
  _mm256_store_pd(t4, total);
  float sink[kNumPockets];
  float* o4[kScanBatch];
  bool any = false;
  for (std::size_t k = 0; k < kScanBatch; ++k) {
    const bool write = k < count && t4[k] != 0.0;
    o4[k] = write ? out[k] : sink;
    if (write) f4[k] = factor[k];
    any = any || write;
  }
  if (!any) return;
  const __m256d f = _mm256_load_pd(f4);
  PumpCursor pump;
  for (const ScanEntry& e : own) {
    pump.step();
    const __m256d same = e.same != kNone ? gather4(inter, e.same) : _mm256_setzero_pd();
    const __m256d r = _mm256_sub_pd(_mm256_sub_pd(_mm256_add_pd(same, total), at4(group_total, e.lo)),
                                    at4(group_total, e.hi));
    put4<N>(o4, e.slot, _mm256_mul_pd(r, f));
  }
}

}  // namespace

void scan_fold_batch(const ShowdownScan& scan, int s, std::size_t count, const float* const* reach,
                     float* const* out, const double* factor) {
  if (count > kScanBatch) throw std::invalid_argument("scan_fold_batch: more lanes than a batch holds");
  switch (count) {
    case 0:
      return;
    case 1:
      return scan_fold(scan, s, reach[0], out[0], factor[0]);
    case 2:
      return fold_batch_n<2>(scan, s, count, reach, out, factor);
    case 3:
      return fold_batch_n<3>(scan, s, count, reach, out, factor);
    default:
      return fold_batch_n<4>(scan, s, count, reach, out, factor);
  }
}

void unblocked_reach(const ShowdownScan& scan, int s, const float* reach, double* out) {
  for_unblocked_reach(scan, s, reach, [&](std::uint16_t slot, double r) { out[slot] = r; });
}

std::size_t scan_bytes(const ShowdownScan& scan) {
  std::size_t bytes = 0;
  for (int x = 0; x < 2; ++x) {
    const OpponentOrder& o = scan.order[x];
    bytes += sizeof(OpponentOrder) + (o.slots.capacity() + o.lane_slots.capacity()) * sizeof(std::uint16_t);
    bytes += scan.own[x].capacity() * sizeof(ScanEntry);
  }
  return bytes;
}

}  // namespace velmora
