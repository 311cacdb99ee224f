#include "scripts/rangegen/hand_classes.h"

#include <cmath>
#include <stdexcept>

namespace rangegen {

namespace {

std::vector<HandClass> build_classes() {
  std::vector<HandClass> out;
  auto add = [&](int hi, int lo, bool suited) {
    HandClass c;
    c.hi = hi;
    c.lo = lo;
    c.pair = hi == lo;
    c.suited = suited;
    c.label = std::string{velmora::rank_to_char(static_cast<std::uint8_t>(hi)),
                          velmora::rank_to_char(static_cast<std::uint8_t>(lo))};
    if (!c.pair) c.label += suited ? "s" : "o";
    for (int s1 = 0; s1 < 4; ++s1) {
      for (int s2 = 0; s2 < 4; ++s2) {
        if (c.pair ? s2 <= s1 : (suited ? s1 != s2 : s1 == s2)) continue;
        c.cards.push_back({static_cast<velmora::Card>(hi * 4 + s1), static_cast<velmora::Card>(lo * 4 + s2)});
      }
    }
    c.combos = static_cast<int>(c.cards.size());
    out.push_back(std::move(c));
  };
  for (int r = 12; r >= 0; --r) add(r, r, false);
  for (int hi = 12; hi >= 1; --hi)
    for (int lo = hi - 1; lo >= 0; --lo) add(hi, lo, true);
  for (int hi = 12; hi >= 1; --hi)
    for (int lo = hi - 1; lo >= 0; --lo) add(hi, lo, false);
  return out;
}

}  // namespace

const std::vector<HandClass>& hand_classes() {
  static const std::vector<HandClass> classes = build_classes();
  return classes;
}

int class_index(const std::string& label) {
  const auto& cls = hand_classes();
  for (int i = 0; i < kNumClasses; ++i)
    if (cls[i].label == label) return i;
  throw std::invalid_argument("Unknown hand class " + label);
}

Weights no_hands() {
  Weights w{};
  w.fill(0.0);
  return w;
}

Weights all_hands() {
  Weights w{};
  w.fill(1.0);
  return w;
}

double combo_count(const Weights& w) {
  double n = 0;
  for (int i = 0; i < kNumClasses; ++i) n += w[i] * hand_classes()[i].combos;
  return n;
}

double quantize(double w) {
  if (!(w > 0)) return 0.0;
  if (w >= 1) return 1.0;
  return static_cast<double>(std::llround(w * 10000.0)) / 10000.0;
}

namespace {

std::string weight_text(long long q) {  // q in 1/10000, 0 < q < 10000
  std::string digits = std::to_string(q);
  digits.insert(0, 4 - digits.size(), '0');
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return "0." + digits;
}

}  // namespace

std::string format_range(const Weights& w, double min_weight) {
  std::string out;
  for (int i = 0; i < kNumClasses; ++i) {
    const long long q = std::llround(quantize(w[i]) * 10000.0);
    if (q <= 0 || q < std::llround(min_weight * 10000.0)) continue;
    if (!out.empty()) out += ", ";
    out += hand_classes()[i].label;
    if (q < 10000) out += ":" + weight_text(q);
  }
  return out;
}

std::string format_unweighted(const Weights& w, double min_weight) {
  std::string out;
  for (int i = 0; i < kNumClasses; ++i) {
    if (!(quantize(w[i]) >= min_weight)) continue;
    if (!out.empty()) out += ", ";
    out += hand_classes()[i].label;
  }
  return out;
}

}  // namespace rangegen
