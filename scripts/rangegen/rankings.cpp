#include "scripts/rangegen/rankings.h"

#include <algorithm>

#include "scripts/rangegen/equity.h"
#include "scripts/rangegen/shapes.h"

namespace rangegen {

namespace {

constexpr std::uint64_t kSeedRandom = 0x5EED0001ull;
constexpr std::uint64_t kSeedTop = 0x5EED0002ull;
constexpr std::uint64_t kSeedWide = 0x5EED0003ull;
constexpr std::uint64_t kSeedPremium = 0x5EED0004ull;
constexpr int kAce = 12;
constexpr int kKing = 11;

// Gap between the two ranks for straights; the ace also plays low.
int straight_gap(const HandClass& c) {
  const int gap = c.hi - c.lo - 1;
  if (c.hi == kAce && c.lo <= 3) return std::min(gap, 3 - c.lo);  // A5 .. A2 play as 5-high wheels
  return gap;
}

// Sampling noise must not rank a worse kicker above a better one: within one
// high card and suitedness the score never falls as the kicker rises (the
// wheel aces A5 .. A2 form a chain of their own), nor among the pairs.
void keep_kicker_order(Weights& score) {
  const auto& cls = hand_classes();
  auto at = [&](int hi, int lo, bool suited) -> double& {
    for (int i = 0; i < kNumClasses; ++i)
      if (cls[i].hi == hi && cls[i].lo == lo && (hi == lo || cls[i].suited == suited)) return score[i];
    return score[0];
  };
  for (int r = 1; r <= kAce; ++r) at(r, r, false) = std::max(at(r, r, false), at(r - 1, r - 1, false));
  for (int suited = 0; suited < 2; ++suited) {
    for (int hi = 1; hi <= kAce; ++hi) {
      for (int lo = 1; lo < hi; ++lo) {
        if (hi == kAce && lo == 4) continue;  // A6 starts a new chain above the wheel aces
        double& s = at(hi, lo, suited != 0);
        s = std::max(s, at(hi, lo - 1, suited != 0));
      }
    }
  }
}

}  // namespace

double playability_bonus(const HandClass& c) {
  if (c.pair) return 0.045;
  double b = c.suited ? 0.035 : -0.01;
  const int gap = straight_gap(c);
  if (gap == 0) b += 0.025;
  else if (gap == 1) b += 0.015;
  else if (gap == 2) b += 0.006;
  if (c.suited && c.hi == kAce && c.lo <= 3) b += 0.015;
  return b;
}

Rankings compute_rankings(int samples) {
  Rankings r;
  r.vs_random = equity_against(all_hands(), samples, kSeedRandom);
  const Weights top = top_share(r.vs_random, all_hands(), 0.15 * 1326, 0);
  r.vs_top = equity_against(top, samples, kSeedTop);
  const Weights wide = top_share(r.vs_random, all_hands(), 0.40 * 1326, 0);
  r.vs_wide = equity_against(wide, samples, kSeedWide);
  Weights premiums = no_hands();
  for (const char* label : {"AA", "KK", "QQ", "AKs", "AKo"}) premiums[class_index(label)] = 1.0;
  r.premium = equity_against(premiums, samples, kSeedPremium);
  r.strength = r.vs_top;
  const auto& cls = hand_classes();
  for (int i = 0; i < kNumClasses; ++i) {
    r.playable[i] = r.vs_top[i] + playability_bonus(cls[i]);
    r.playable_wide[i] = r.vs_wide[i] + playability_bonus(cls[i]);
    double bluff = -1;
    if (cls[i].suited) {
      bluff = playability_bonus(cls[i]) + 0.2 * r.vs_random[i];
      if (cls[i].hi == kAce) bluff += cls[i].lo <= 3 ? 0.08 : 0.05;
      else if (cls[i].hi == kKing) bluff += 0.02;
    }
    r.bluff[i] = bluff;
  }
  keep_kicker_order(r.strength);
  keep_kicker_order(r.premium);
  keep_kicker_order(r.playable);
  keep_kicker_order(r.playable_wide);
  return r;
}

}  // namespace rangegen

namespace rangegen {

Weights ranking_for_width(const Rankings& r, double width) {
  const double t = std::clamp((width - 0.15) / 0.30, 0.0, 1.0);
  Weights out{};
  for (int i = 0; i < kNumClasses; ++i) out[i] = (1 - t) * r.playable[i] + t * r.playable_wide[i];
  return out;
}

}  // namespace rangegen
