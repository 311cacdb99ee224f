// The generator's building blocks: hand classes, range text, cutting a range
// from a ranking, and the JSON layout of the tables.
#include <gtest/gtest.h>

#include <set>

#include "scripts/rangegen/hand_classes.h"
#include "scripts/rangegen/json_writer.h"
#include "scripts/rangegen/shapes.h"

using namespace rangegen;

TEST(RangegenClasses, CoverEveryComboOnceInTableOrder) {
  const auto& cls = hand_classes();
  ASSERT_EQ(cls.size(), 169u);
  EXPECT_EQ(cls.front().label, "AA");
  EXPECT_EQ(cls[12].label, "22");
  EXPECT_EQ(cls[13].label, "AKs");
  EXPECT_EQ(cls.back().label, "32o");
  std::set<int> pockets;
  for (const auto& c : cls) {
    EXPECT_EQ(static_cast<int>(c.cards.size()), c.combos) << c.label;
    for (const auto& cards : c.cards) {
      EXPECT_EQ(velmora::card_rank(cards[0]), c.hi) << c.label;
      EXPECT_EQ(velmora::card_rank(cards[1]), c.lo) << c.label;
      EXPECT_EQ(velmora::card_suit(cards[0]) == velmora::card_suit(cards[1]), c.suited) << c.label;
      pockets.insert(velmora::pocket_index(cards[0], cards[1]));
    }
  }
  EXPECT_EQ(pockets.size(), 1326u);
  EXPECT_DOUBLE_EQ(combo_count(all_hands()), 1326.0);
  EXPECT_THROW(class_index("AAs"), std::invalid_argument);
}

TEST(RangegenClasses, RangeTextWeightsAndCutOff) {
  Weights w = no_hands();
  w[class_index("AA")] = 1.0;
  w[class_index("KK")] = 0.99996;  // rounds to 1
  w[class_index("QQ")] = 0.5;
  w[class_index("AKs")] = 0.12345;
  w[class_index("AKo")] = 0.0499;  // below the cut-off
  w[class_index("72o")] = 0.05;
  EXPECT_EQ(format_range(w), "AA, KK, QQ:0.5, AKs:0.1235, 72o:0.05");
  EXPECT_EQ(format_range(w, 0.2), "AA, KK, QQ:0.5");
  EXPECT_EQ(format_unweighted(w, 0.5), "AA, KK, QQ");
  EXPECT_EQ(format_range(no_hands()), "");
}

TEST(RangegenShapes, TopShareTakesTheBestWithAMixedEdge) {
  Weights score{};
  for (int i = 0; i < kNumClasses; ++i) score[i] = -i;  // table order is the ranking
  // No band: exactly the first classes up to 30 combos (AA .. 88).
  const Weights top = top_share(score, all_hands(), 30, 0);
  EXPECT_EQ(format_range(top), "AA, KK, QQ, JJ, TT");

  // A band of 24 combos around 30: whole before 18, none after 42, falling shares between.
  const Weights mixed = top_share(score, all_hands(), 30, 24);
  EXPECT_EQ(mixed[class_index("KK")], 1.0);
  double previous = 1.0;
  for (const char* label : {"QQ", "JJ", "TT", "99", "88"}) {
    EXPECT_LE(mixed[class_index(label)], previous) << label;
    previous = mixed[class_index(label)];
  }
  EXPECT_GT(mixed[class_index("JJ")], 0.0);
  EXPECT_LT(mixed[class_index("JJ")], 1.0);
  EXPECT_EQ(mixed[class_index("77")], 0.0);
  EXPECT_NEAR(combo_count(mixed), 30.0, 3.0);

  // Ineligible classes are skipped; half-eligible ones count half their
  // combos, so JJ's middle still lies within 12 combos (3 + 6 + 3).
  Weights eligible = all_hands();
  eligible[class_index("AA")] = 0.0;
  eligible[class_index("KK")] = 0.5;
  const Weights skip = top_share(score, eligible, 12, 0);
  EXPECT_EQ(skip[class_index("AA")], 0.0);
  EXPECT_EQ(format_range(skip), "KK, QQ, JJ");
}

TEST(RangegenShapes, GradedBluffsStayUnderTheCapAndOnCandidates) {
  Weights score{};
  for (int i = 0; i < kNumClasses; ++i) score[i] = hand_classes()[i].suited ? -i : -1000;
  const Weights bluffs = graded_share(score, all_hands(), 20, 0.7, -500);
  double mass = 0;
  for (int i = 0; i < kNumClasses; ++i) {
    EXPECT_LE(bluffs[i], 0.7) << hand_classes()[i].label;
    if (!hand_classes()[i].suited) {
      EXPECT_EQ(bluffs[i], 0.0) << hand_classes()[i].label;
    }
    mass += bluffs[i] * hand_classes()[i].combos;
  }
  EXPECT_EQ(bluffs[class_index("AKs")], 0.7);
  EXPECT_NEAR(mass, 20.0, 3.0);
}

TEST(RangegenJson, TablesAreLaidOutLikeATwoSpaceExport) {
  StandardTable s;
  s.oop = {{"No rake / RFI \"UTG\"", "AA\tKK\n"}};
  EXPECT_EQ(standard_json(s),
            "{\n  \"oop\": {\n    \"standard\": [\n      {\n        \"name\": \"No rake / RFI \\\"UTG\\\"\",\n"
            "        \"value\": \"AA\\tKK\\n\"\n      }\n    ]\n  },\n  \"ip\": {\n    \"standard\": []\n  }\n}");

  PopulationTable p;
  p.oop = {Node::dir("F\xE2\x80\x93", {Node::range("R", "\x01")})};
  const std::string text = population_json(p, "T");
  EXPECT_EQ(text.rfind("{\n  \"format\": \"velmora_ranges_export\",\n  \"version\": 1,\n  \"generatedAt\": \"T\",\n", 0), 0u);
  EXPECT_NE(text.find("\"type\": \"folder\",\n        \"name\": \"F\xE2\x80\x93\",\n        \"children\": [\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"value\": \"\\u0001\""), std::string::npos);
  EXPECT_NE(text.find("\"ip\": {\n    \"standard\": [],\n    \"exploit\": []\n  }\n}"), std::string::npos);
  EXPECT_EQ(count_folders(p.oop), 1);
  EXPECT_EQ(count_ranges(p.oop), 1);
}
