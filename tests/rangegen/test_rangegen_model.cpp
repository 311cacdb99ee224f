// The generator's hand rankings and preflop model: what a coach would check
// first. Fewer deals than the shipped tables use keep the tests quick; the
// properties hold at any sample size large enough to rank the classes.
#include <gtest/gtest.h>

#include <algorithm>

#include "scripts/rangegen/population_table.h"
#include "scripts/rangegen/preflop_model.h"
#include "scripts/rangegen/shapes.h"
#include "scripts/rangegen/standard_table.h"

using namespace rangegen;

namespace {

const Rankings& rankings() {
  static const Rankings r = compute_rankings(3000);
  return r;
}

double at(const Weights& w, const char* label) { return w[class_index(label)]; }

double share(const Weights& w) { return combo_count(w) / 1326.0; }

// Share of all combos of the population range found by name prefixes from
// the top of the tree; its text is "AA, AKs:0.5, ..." as the tables write it.
double population_share(const std::vector<Node>& nodes, std::vector<std::string> path) {
  for (const Node& n : nodes) {
    if (n.name.rfind(path.front(), 0) != 0) continue;
    if (path.size() > 1) return population_share(n.children, {path.begin() + 1, path.end()});
    double combos = 0;
    for (std::size_t at = 0; at < n.value.size();) {
      const std::size_t end = std::min(n.value.find(", ", at), n.value.size());
      const std::string token = n.value.substr(at, end - at);
      const std::size_t colon = token.find(':');
      combos += (colon == std::string::npos ? 1.0 : std::stod(token.substr(colon + 1))) *
                hand_classes()[class_index(token.substr(0, colon))].combos;
      at = end + 2;
    }
    return combos / 1326.0;
  }
  return 0;
}

}  // namespace

TEST(RangegenRankings, StrongHandsRankAboveWeakOnes) {
  const Rankings& r = rankings();
  EXPECT_NEAR(at(r.vs_random, "AA"), 0.85, 0.02);
  EXPECT_NEAR(at(r.vs_random, "72o"), 0.35, 0.03);
  for (const Weights* w : {&r.strength, &r.premium, &r.playable}) {
    EXPECT_GT(at(*w, "AA"), at(*w, "KK"));
    EXPECT_GT(at(*w, "KK"), at(*w, "QQ"));
    EXPECT_GT(at(*w, "AKs"), at(*w, "AKo"));
    EXPECT_GT(at(*w, "AKo"), at(*w, "72o"));
    EXPECT_GE(at(*w, "K9s"), at(*w, "K8s"));  // kicker order survives sampling noise
    EXPECT_GE(at(*w, "A4o"), at(*w, "A3o"));
  }
  EXPECT_GT(at(r.playable, "76s"), at(r.playable, "K5o"));  // playability counts
  EXPECT_LT(at(r.bluff, "AA"), -0.5);                       // pairs never bluff
  EXPECT_GT(at(r.bluff, "A5s"), at(r.bluff, "Q5s"));
}

TEST(RangegenModel, WidthsTightenTowardsEarlySeatsAndHigherRake) {
  const PreflopModel six(rankings(), false);
  const Style none = rake_levels()[0].style;
  const Style high = rake_levels()[1].style;  // 50nl
  double previous = 0;
  for (Pos p : {Pos::UTG, Pos::HJ, Pos::CO, Pos::BTN}) {
    const double n = combo_count(six.open(p, none));
    EXPECT_GT(n, previous);
    EXPECT_LT(combo_count(six.open(p, high)), n);
    previous = n;
  }
  EXPECT_NEAR(combo_count(six.open(Pos::UTG, none)), 0.17 * 1326, 10);
  const Defence d = six.defend(Pos::BTN, Pos::BB, none);
  EXPECT_LT(combo_count(six.defend(Pos::BTN, Pos::BB, high).call), combo_count(d.call));
  EXPECT_GT(combo_count(d.call), combo_count(six.defend(Pos::UTG, Pos::BB, none).call));
  EXPECT_EQ(at(d.three_bet, "AA"), 1.0);
  EXPECT_EQ(at(d.call, "AA"), 0.0);
  EXPECT_EQ(at(d.call, "72o") + at(d.three_bet, "72o"), 0.0);
  EXPECT_EQ(combo_count(PreflopModel(rankings(), true).open(Pos::SB, none)) > 0.75 * 1326, true);
  EXPECT_THROW(six.open(Pos::BB, none), std::invalid_argument);
  EXPECT_THROW(spot_range(six, "RFI XX", none), std::invalid_argument);
  EXPECT_THROW(spot_range(six, "Limp UTG", none), std::invalid_argument);
}

TEST(RangegenModel, LaterActionsNeverExceedTheRangeTheyStartFrom) {
  const PreflopModel six(rankings(), false);
  const Style none = rake_levels()[0].style;
  for (const auto& [opener, other] : {std::pair{Pos::UTG, Pos::HJ}, {Pos::CO, Pos::BTN}, {Pos::SB, Pos::BB},
                                      {Pos::BTN, Pos::SB}}) {
    const Weights open = six.open(opener, none);
    const FacingThreeBet f = six.facing_three_bet(opener, other, none);
    const Defence d = six.defend(opener, other, none);
    const Weights calls = six.calling_four_bet(other, opener, none);
    for (int i = 0; i < kNumClasses; ++i) {
      const auto& label = hand_classes()[i].label;
      EXPECT_LE(f.call[i] + f.four_bet[i], open[i] + 1e-9) << label;
      EXPECT_LE(d.call[i] + d.three_bet[i], 1.0 + 1e-9) << label;
      EXPECT_LE(calls[i], d.three_bet_value[i] + 1e-9) << label;
    }
    EXPECT_GT(at(f.four_bet, "AA"), 0.0);
    EXPECT_EQ(at(calls, "AA"), 0.0);  // AA jams a 4-bet
  }
}

TEST(RangegenTables, ShapesAndSpotNamesOfBothTables) {
  const StandardTable s = build_standard_table(rankings());
  ASSERT_EQ(s.oop.size(), 230u);
  ASSERT_EQ(s.ip.size(), 225u);
  EXPECT_EQ(s.oop[0].name, "No rake / RFI UTG");
  EXPECT_EQ(s.oop[43].name, "50nl rake / RFI UTG");
  EXPECT_EQ(s.oop[215].name, "Heads up / No rake / vs RFI SB: Call BB");
  EXPECT_EQ(s.ip.back().name, "Heads up / 500nl rake / SB vs BB 3bet: SB 4bet");
  EXPECT_EQ(s.oop[0].value, s.ip[0].value);  // one spot, one range
  const PopulationTable p = build_population_table(rankings());
  EXPECT_EQ(count_folders(p.oop), 81);
  EXPECT_EQ(count_ranges(p.ip), 202);
  EXPECT_EQ(p.oop.back().children.front().value, "100%");
}

// The big blind has the best price and defends widest; a loose-aggressive
// player opens wider than the regular on the button, the nit much narrower.
TEST(RangegenModel, BlindDefenceAndPopulationWidthsAreThoseOfTheirPlayers) {
  const Style none = rake_levels()[0].style;
  const PreflopModel six(rankings(), false);
  const auto defended = [&](const PreflopModel& m, Pos opener) {
    const Defence d = m.defend(opener, Pos::BB, none);
    return share(d.call) + share(d.three_bet);
  };
  EXPECT_GT(defended(six, Pos::UTG), 0.27);
  EXPECT_GT(defended(six, Pos::BTN), std::max(0.5, defended(six, Pos::CO)));
  EXPECT_GT(defended(PreflopModel(rankings(), true), Pos::SB), 0.65);

  const PopulationTable p = build_population_table(rankings());
  const double regular = share(six.open(Pos::BTN, none));
  EXPECT_GT(population_share(p.ip, {"Loose aggressive", "Standard LAG", "BU", "RFI"}), regular);
  EXPECT_GT(population_share(p.ip, {"Loose aggressive", "Maniac", "BU", "RFI"}), 0.7);
  EXPECT_GT(population_share(p.oop, {"Loose aggressive", "Standard LAG", "SB", "RFI"}), share(six.open(Pos::SB, none)));
  const double nit = population_share(p.ip, {"Overfolder", "Nit", "BU", "RFI"});
  EXPECT_GT(nit, 0.15);
  EXPECT_LT(nit, 0.5 * regular);
}
