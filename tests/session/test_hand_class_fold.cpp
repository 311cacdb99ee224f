// Combos folded onto the 169 hand classes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/game.h"
#include "session/hand_categories.h"
#include "session/hand_class_fold.h"
#include "session_test_support.h"

namespace velmora_app {
namespace {

ClassFoldCombo combo(const char* c1, const char* c2, double weight, std::vector<double> probs,
                     std::vector<std::string> tags = {}) {
  ClassFoldCombo c;
  c.card1 = c1;
  c.card2 = c2;
  c.weight = weight;
  c.action_probabilities = std::move(probs);
  c.tags = std::move(tags);
  return c;
}

void expect_shares(const std::vector<double>& got, const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-12) << i;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<ClassFoldCombo> mixed_node() {
  return {
      combo("Ah", "Kh", 0.5, {0.2, 0.8}, {"flush draw", "top pair"}),
      combo("As", "Ks", 2.0, {0.6, 0.4}, {"set"}),  // weight capped at 1
      combo("Kd", "Ah", 0.3, {kNaN, -1.0}, {"air"}),
      combo("7c", "7d", 0.0, {1.0, 0.0}),           // no weight
      combo("7h", "7s", kNaN, {1.0, 0.0}),          // no weight
      combo("1c", "2d", 1.0, {1.0, 0.0}),           // no class
      combo("Qh", "Jh", 0.4, {1.0}),                // fewer shares than actions
      combo("Tc", "9c", 0.25, {0.5, 0.5, 0.9}),     // more shares than actions
  };
}

// The fill is the reaching share of the class's combos that can exist on
// the board: one suited combo of four is a quarter, not full.
TEST(HandClassFold, ReachingShareOfTheLiveCombosAndReachWeightedMixPerClass) {
  const HandClassFold fold = fold_hand_classes(mixed_node(), "", 2, {});
  ASSERT_EQ(fold.weights.size(), 4u);
  EXPECT_DOUBLE_EQ(fold.weights.at("AKs"), 1.5 / 4);
  EXPECT_DOUBLE_EQ(fold.weights.at("AKo"), 0.3 / 12);
  EXPECT_DOUBLE_EQ(fold.weights.at("QJs"), 0.4 / 4);
  EXPECT_DOUBLE_EQ(fold.weights.at("T9s"), 0.25 / 4);
  EXPECT_FALSE(fold.weights.contains("77"));
  ASSERT_EQ(fold.action_probabilities.size(), 4u);
  // (0.2 * 0.5 + 0.6 * 1) / 1.5 and (0.8 * 0.5 + 0.4 * 1) / 1.5
  expect_shares(fold.action_probabilities.at("AKs"), {0.7 / 1.5, 0.8 / 1.5});
  expect_shares(fold.action_probabilities.at("AKo"), {0.0, 0.0});  // nothing usable: left at 0
  expect_shares(fold.action_probabilities.at("QJs"), {1.0, 0.0});
  expect_shares(fold.action_probabilities.at("T9s"), {0.5, 0.5});

  // Kd on the board leaves 3 AKs and 9 AKo; a text naming no card is
  // passed over.
  const HandClassFold boarded = fold_hand_classes(mixed_node(), "", 2, {"Kd", "Qs", "2c", "x"});
  EXPECT_DOUBLE_EQ(boarded.weights.at("AKs"), 1.5 / 3);
  EXPECT_DOUBLE_EQ(boarded.weights.at("AKo"), 0.3 / 9);
  EXPECT_DOUBLE_EQ(fold_hand_classes({combo("Ad", "Qd", 1.0, {1.0})}, "", 1, {"Ks", "8h", "3d", "Td", "Tc"})
                       .weights.at("AQs"),
                   0.25);
}

TEST(HandClassFold, BucketFilterIgnoresCaseAndSpaces) {
  const HandClassFold draws = fold_hand_classes(mixed_node(), "  Flush DRAW\t", 2, {});
  ASSERT_EQ(draws.weights.size(), 1u);
  EXPECT_DOUBLE_EQ(draws.weights.at("AKs"), 0.5 / 4);
  expect_shares(draws.action_probabilities.at("AKs"), {0.2, 0.8});

  std::vector<ClassFoldCombo> spaced = mixed_node();
  spaced[1].tags = {" SET "};
  EXPECT_DOUBLE_EQ(fold_hand_classes(spaced, "set", 2, {}).weights.at("AKs"), 1.0 / 4);

  const HandClassFold none = fold_hand_classes(mixed_node(), "quads", 2, {});
  EXPECT_TRUE(none.weights.empty());
  EXPECT_TRUE(none.action_probabilities.empty());

  // "air" also takes a pair of a low board rank ("pair" names no bucket),
  // as the air bucket counts it: AsKs now, AhKh (a draw) not.
  spaced[1].tags = {"pair"};
  const HandClassFold air = fold_hand_classes(spaced, "Air", 2, {});
  EXPECT_EQ(air.weights, (std::map<std::string, double>{{"AKo", 0.3 / 12}, {"AKs", 1.0 / 4}}));
}

TEST(HandClassFold, ActionCountFromTheFirstCountedCombo) {
  const std::vector<ClassFoldCombo> combos = {
      combo("Ah", "Ad", 1.0, {}),            // no shares: not counted while the count is open
      combo("Kh", "Kd", 0.5, {0.3, 0.7}),    // sets the count to 2
      combo("Qh", "Qd", 0.5, {0.1, 0.2, 0.7}),
  };
  const HandClassFold fold = fold_hand_classes(combos, "", 0, {});
  EXPECT_FALSE(fold.weights.contains("AA"));
  expect_shares(fold.action_probabilities.at("KK"), {0.3, 0.7});
  expect_shares(fold.action_probabilities.at("QQ"), {1.0 / 3.0, 2.0 / 3.0});

  // A known count keeps a combo without shares: its class has all shares 0.
  const HandClassFold known = fold_hand_classes(combos, "", 3, {});
  EXPECT_DOUBLE_EQ(known.weights.at("AA"), 1.0 / 6);
  expect_shares(known.action_probabilities.at("AA"), {0.0, 0.0, 0.0});
  expect_shares(known.action_probabilities.at("KK"), {0.3, 0.7, 0.0});

  EXPECT_TRUE(fold_hand_classes({}, "", 0, {}).weights.empty());
}

// Every bucket filter of the matrix covers exactly the combos of its bucket,
// at every decision node of a river spot whose root holds made hands, missed
// flush and straight draws (some both) and air.
TEST(HandClassFold, EveryBucketFilterCoversItsBucketAtEveryNode) {
  SolveSession session;
  SolveConfig c = testing::river_config();
  c.board = "Qs8s3d7c2h";
  c.oop_range = "AJs,KTs,65s,QQ";
  c.ip_range = "AA,JJ,T9s";
  c.max_iterations = 30;
  ASSERT_EQ(testing::run_to_end(session, c).back().text, "Done");
  int nodes = 0;
  for (std::uint64_t n = 0; n < session.stored_result().first->nodes().size(); ++n) {
    const NodeHandBuckets buckets = session.node_hand_buckets(n);
    if (!buckets.ok) continue;
    ++nodes;
    std::map<std::string, double> want;
    for (const HandBucketRow& r : buckets.rows) want[r.name] = r.combos;
    if (n == 0)
      EXPECT_EQ(want, (std::map<std::string, double>{{"set", 3}, {"missed FD", 3}, {"missed OESD", 4}, {"air", 6}}));
    std::vector<ClassFoldCombo> combos;
    for (const HandComboRow& r : session.node_hand_combos(n).rows)
      combos.push_back({r.card1, r.card2, r.weight, r.tags, {r.action_probabilities.begin(), r.action_probabilities.end()}});
    for (const std::string_view name : kHandBuckets) {
      // With no board given, a class weighs its combos over all of them (6 of a pair, 4 suited, 12 offsuit).
      double got = 0.0;
      for (const auto& [label, w] : fold_hand_classes(combos, name, 0, {}).weights)
        got += w * (label.size() == 2 ? 6 : label[2] == 's' ? 4 : 12);
      EXPECT_NEAR(got, want[std::string(name)], 1e-6) << "node " << n << ", " << name;
    }
  }
  EXPECT_GT(nodes, 3);
}

}  // namespace
}  // namespace velmora_app
