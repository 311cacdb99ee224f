#include "core/showdown_scan.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::uint16_t kNone = 0xFFFF;

// prefix[k] = the reach of slots[0 .. k), prefix[0] = 0. Short lists (a card
// group) in one running sum; long ones (a seat's whole list) as two halves
// summed side by side, the second then lifted by the first's total, which
// halves the chain of dependent additions.
inline double prefix_sums(const std::uint16_t* slots, std::size_t n, const float* reach, double* prefix) {
  prefix[0] = 0.0;
  if (n < 32) {
    double acc = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
      acc += static_cast<double>(reach[slots[k]]);
      prefix[k + 1] = acc;
    }
    return acc;
  }
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

}  // namespace

void build_card_groups(const std::vector<std::uint16_t>& slots, const std::vector<Pocket>& pockets, CardGroups& out) {
  out.slots = slots;
  std::array<std::uint16_t, kNumCards + 1> count{};
  for (std::uint16_t slot : slots) {
    const Pocket p = pockets[slot];
    ++count[pocket_lo(p)];
    ++count[pocket_hi(p)];
  }
  out.start[0] = 0;
  for (int c = 0; c < kNumCards; ++c) out.start[c + 1] = static_cast<std::uint16_t>(out.start[c] + count[c]);
  out.by_card.assign(out.start[kNumCards], 0);
  std::array<std::uint16_t, kNumCards> fill{};
  for (int c = 0; c < kNumCards; ++c) fill[c] = out.start[c];
  for (std::uint16_t slot : slots) {
    const Pocket p = pockets[slot];
    out.by_card[fill[pocket_lo(p)]++] = slot;
    out.by_card[fill[pocket_hi(p)]++] = slot;
  }
}

void build_showdown_scan(const std::array<std::vector<ShowdownEntry>, 2>& lists,
                         const std::array<std::vector<Pocket>, 2>& pockets,
                         const std::array<std::vector<std::uint16_t>, 2>& opponent_slot, ShowdownScan& out) {
  // Real entries only (the lists are framed by two sentinels).
  std::array<std::vector<ShowdownEntry>, 2> real;
  for (int x = 0; x < 2; ++x) {
    if (lists[x].size() >= 2) real[x].assign(lists[x].begin() + 1, lists[x].end() - 1);
    std::vector<std::uint16_t> slots;
    slots.reserve(real[x].size());
    for (const ShowdownEntry& e : real[x]) slots.push_back(e.slot);
    build_card_groups(slots, pockets[x], out.groups[x]);
  }
  // Strengths of each seat's card groups, in group order.
  std::array<std::vector<std::uint32_t>, 2> group_strength;
  for (int x = 0; x < 2; ++x) {
    const CardGroups& g = out.groups[x];
    std::vector<std::uint32_t> by_slot(pockets[x].size(), 0);
    for (const ShowdownEntry& e : real[x]) by_slot[e.slot] = e.strength_plus_one;
    group_strength[x].resize(g.by_card.size());
    for (std::size_t k = 0; k < g.by_card.size(); ++k) group_strength[x][k] = by_slot[g.by_card[k]];
  }

  for (int s = 0; s < 2; ++s) {
    const int o = 1 - s;
    const std::vector<ShowdownEntry>& opp = real[o];
    const CardGroups& g = out.groups[o];
    const std::vector<std::uint32_t>& gs = group_strength[o];
    std::vector<ScanEntry>& own = out.own[s];
    own.clear();
    own.reserve(real[s].size());
    std::size_t lt = 0;
    std::size_t le = 0;
    // Position of "strictly weaker" and "weaker or equal" within card c's group.
    const auto card_positions = [&](Card c, std::uint32_t v, std::uint16_t& at_lt, std::uint16_t& at_le,
                                    std::uint16_t& at_all) {
      const std::size_t begin = g.start[c];
      const std::size_t end = g.start[c + 1];
      std::size_t a = begin;
      while (a < end && gs[a] < v) ++a;
      std::size_t b = a;
      while (b < end && gs[b] <= v) ++b;
      at_lt = static_cast<std::uint16_t>(a + c);
      at_le = static_cast<std::uint16_t>(b + c);
      at_all = static_cast<std::uint16_t>(end + c);
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
      x.lt = static_cast<std::uint16_t>(lt);
      x.le = static_cast<std::uint16_t>(le);
      card_positions(e.lo, v, x.lo_lt, x.lo_le, x.lo_all);
      card_positions(e.hi, v, x.hi_lt, x.hi_le, x.hi_all);
      own.push_back(x);
    }
  }
}

double card_sums(const CardGroups& groups, const float* reach, double* cs) {
  double total = 0.0;
  for (std::uint16_t slot : groups.slots) total += static_cast<double>(reach[slot]);
  const std::uint16_t* by_card = groups.by_card.data();
  for (int c = 0; c < kNumCards; ++c) {
    double acc = 0.0;
    for (std::size_t k = groups.start[c]; k < groups.start[c + 1]; ++k) acc += static_cast<double>(reach[by_card[k]]);
    cs[c] = acc;
  }
  return total;
}

namespace {

// Prefix sums of the opponent reach: over the strength order, and per card
// group (group c from start[c] + c, behind a leading zero). Returns the total.
double opponent_prefixes(const CardGroups& g, const float* reach, double* prefix, double* card_prefix) {
  const double total = prefix_sums(g.slots.data(), g.slots.size(), reach, prefix);
  for (int c = 0; c < kNumCards; ++c) {
    const std::size_t begin = g.start[c];
    prefix_sums(g.by_card.data() + begin, g.start[c + 1] - begin, reach, card_prefix + begin + c);
  }
  return total;
}

template <bool kWithTie, bool kWithFold>
void scan_own(const std::vector<ScanEntry>& own, const double* prefix, const double* card_prefix, double total,
              const float* reach, float* out, double win, double lose, double tie, float* fold_out,
              double fold_factor) {
  for (const ScanEntry& e : own) {
    const double w = prefix[e.lt] - card_prefix[e.lo_lt] - card_prefix[e.hi_lt];
    const double le = prefix[e.le] - card_prefix[e.lo_le] - card_prefix[e.hi_le];
    const double all = total - card_prefix[e.lo_all] - card_prefix[e.hi_all];
    double v = w * win + (all - le) * lose;
    if constexpr (kWithTie || kWithFold) {
      // The identical pocket is removed by both card sums; it ties, so the
      // equal-strength share adds it back once, as does the fold's.
      const double same = e.same != kNone ? static_cast<double>(reach[e.same]) : 0.0;
      if constexpr (kWithTie) v += (le - w + same) * tie;
      if constexpr (kWithFold) fold_out[e.slot] = static_cast<float>((same + all) * fold_factor);
    }
    out[e.slot] += static_cast<float>(v);
  }
}

}  // namespace

void scan_showdown(const ShowdownScan& scan, int s, const float* reach, float* out, double win, double lose,
                   double tie, bool with_tie) {
  scan_showdown_and_fold(scan, s, reach, out, win, lose, tie, with_tie, nullptr, 0.0);
}

void scan_showdown_and_fold(const ShowdownScan& scan, int s, const float* reach, float* out, double win,
                            double lose, double tie, bool with_tie, float* fold_out, double fold_factor) {
  const CardGroups& g = scan.groups[1 - s];
  const std::vector<ScanEntry>& own = scan.own[s];
  if (g.slots.empty() || own.empty()) return;
  alignas(64) double prefix[kNumPockets + 1];
  alignas(64) double card_prefix[2 * kNumPockets + kNumCards];
  const double total = opponent_prefixes(g, reach, prefix, card_prefix);
  const bool fold = fold_out != nullptr;
  if (with_tie) {
    if (fold) {
      scan_own<true, true>(own, prefix, card_prefix, total, reach, out, win, lose, tie, fold_out, fold_factor);
    } else {
      scan_own<true, false>(own, prefix, card_prefix, total, reach, out, win, lose, tie, fold_out, fold_factor);
    }
  } else if (fold) {
    scan_own<false, true>(own, prefix, card_prefix, total, reach, out, win, lose, tie, fold_out, fold_factor);
  } else {
    scan_own<false, false>(own, prefix, card_prefix, total, reach, out, win, lose, tie, fold_out, fold_factor);
  }
}

std::size_t scan_bytes(const ShowdownScan& scan) {
  std::size_t bytes = 0;
  for (int x = 0; x < 2; ++x) {
    const CardGroups& g = scan.groups[x];
    bytes += sizeof(CardGroups) + (g.slots.capacity() + g.by_card.capacity()) * sizeof(std::uint16_t);
    bytes += scan.own[x].capacity() * sizeof(ScanEntry);
  }
  return bytes;
}

}  // namespace velmora
