#include "session/hand_class_fold.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <exception>
#include <unordered_map>

#include "core/cards.h"
#include "session/action_labels.h"
#include "session/hand_categories.h"

namespace velmora_app {
namespace {

// Whether the buckets query counts the combo under bucket `bucket`: its
// tags are read by the same credit rule, "air" included. A combo without
// tags has no known category and sits in no bucket.
bool credited(const ClassFoldCombo& combo, int bucket) {
  if (combo.tags.empty()) return false;
  const std::vector<int> buckets = hand_bucket_credit_of_texts(combo.tags);
  return std::find(buckets.begin(), buckets.end(), bucket) != buckets.end();
}

// Per class: how many of its combos hold no card of `board`.
std::unordered_map<std::string, int> live_class_combos(const std::vector<std::string>& board) {
  std::uint64_t dead = 0;
  for (const std::string& text : board) {
    try {
      dead |= velmora::card_bit(velmora::parse_card(std::string_view(text).substr(0, 2)));
    } catch (const std::exception&) {
    }
  }
  std::unordered_map<std::string, int> live;
  for (velmora::Card a = 0; a < velmora::kNumCards; ++a) {
    for (velmora::Card b = a + 1; b < velmora::kNumCards; ++b) {
      const velmora::Pocket p = velmora::make_pocket(a, b);
      if ((velmora::pocket_mask(p) & dead) == 0) ++live[hand_class_label(p)];
    }
  }
  return live;
}

struct ClassSums {
  double weight_sum = 0.0;
  long long count = 0;
  std::vector<double> action_sums;
};

}  // namespace

HandClassFold fold_hand_classes(const std::vector<ClassFoldCombo>& combos, std::string_view bucket,
                                std::size_t action_count, const std::vector<std::string>& board) {
  const bool filtered =
      std::any_of(bucket.begin(), bucket.end(), [](char ch) { return !std::isspace(static_cast<unsigned char>(ch)); });
  const int filter = hand_bucket_index(bucket);
  std::unordered_map<std::string, ClassSums> sums;
  for (const ClassFoldCombo& c : combos) {
    if (filtered && (filter < 0 || !credited(c, filter))) continue;
    const std::string label = hand_class_label(c.card1, c.card2);
    if (label.empty()) continue;
    if (!std::isfinite(c.weight) || c.weight <= 0.0) continue;
    const double w = std::min(c.weight, 1.0);
    if (action_count == 0) {
      action_count = c.action_probabilities.size();
      if (action_count == 0) continue;
    }
    ClassSums& s = sums[label];
    if (s.count == 0) s.action_sums.assign(action_count, 0.0);
    s.weight_sum += w;
    s.count += 1;
    const std::size_t limit = std::min(s.action_sums.size(), c.action_probabilities.size());
    for (std::size_t i = 0; i < limit; ++i) {
      const double p = c.action_probabilities[i];
      if (std::isfinite(p) && p > 0.0) s.action_sums[i] += p * w;
    }
  }

  const std::unordered_map<std::string, int> live = live_class_combos(board);
  HandClassFold fold;
  for (const auto& [label, s] : sums) {
    const auto found = live.find(label);
    const long long possible = std::max<long long>(s.count, found == live.end() ? 0 : found->second);
    fold.weights.emplace(label, s.weight_sum / static_cast<double>(possible));
    // The weight sum is above 0: every counted combo added a weight above 0.
    std::vector<double> shares(s.action_sums.size());
    double total = 0.0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
      shares[i] = s.action_sums[i] / s.weight_sum;
      if (!std::isfinite(shares[i]) || shares[i] <= 0.0) shares[i] = 0.0;
      total += shares[i];
    }
    if (total > 0.0) {
      for (double& x : shares) x /= total;
    }
    fold.action_probabilities.emplace(label, std::move(shares));
  }
  return fold;
}

}  // namespace velmora_app
