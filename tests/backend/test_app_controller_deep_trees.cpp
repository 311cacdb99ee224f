// Betting trees too deep for any thread's stack (tens of thousands of raises
// in a row): the memory estimate, which runs by itself while the sizes are
// typed, and a start both answer with the refusal text instead of crashing.
#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

// The issue's river: pot 10, OOP "AA, KK, QQ", IP "AA, KK, QQ, JJ", the same
// sizes for both seats on every street.
QVariantMap deepSpot(const char* board, const char* street, int stack, const char* bets, const char* raises) {
  QVariantMap m = riverSpot(10);
  m.insert("board", board);
  m.insert("starting_street", street);
  m.insert("oop_range", "AA, KK, QQ");
  m.insert("ip_range", "AA, KK, QQ, JJ");
  m.insert("starting_pot", 10);
  m.insert("effective_stack", stack);
  for (auto it = m.begin(); it != m.end(); ++it) {
    if (it.key().endsWith("_bet_sizes")) it.value() = bets;
    if (it.key().endsWith("_raise_sizes")) it.value() = raises;
  }
  return m;
}

QString tooDeep(int actions) {
  return QStringLiteral("The betting tree is too deep: %1 actions in a row; use larger sizes or a smaller stack")
      .arg(actions);
}

TEST(DeepTreeTest, EstimateAndStartOfTheIssuesSpotsGiveTheRefusalText) {
  struct Case {
    QVariantMap spot;
    int actions;
  };
  const Case cases[] = {
      {deepSpot("Qs 8s 3d Th 2c", "river", 50000, "1c", "1c"), 50002},
      // A third of the pot is 3 chips; raises of 1.000001x become minimum
      // raises, 3 chips apart.
      {deepSpot("Qs 8s 3d Th 2c", "river", 100000, "33", "1.000001x"), 33336},
      {deepSpot("Qs 8s 3d", "flop", 50000, "1c", "1c"), 50008},
  };
  for (const Case& k : cases) {
    AppController c;
    c.requestSolveMemoryEstimate(k.spot);
    ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryText() == tooDeep(k.actions); }))
        << c.solveRequiredMemoryText().toStdString();
    EXPECT_EQ(c.solveRequiredMemoryBytes(), 0u);

    // No figure blocks the start; the worker refuses the tree it would build.
    c.startSolveWithConfig(k.spot);
    ASSERT_TRUE(waitFor([&] { return solveFinished(c); })) << c.statusText().toStdString();
    EXPECT_EQ(c.statusText(), "Error: " + tooDeep(k.actions));
    EXPECT_EQ(c.resultsSummary(), "Solve failed: " + tooDeep(k.actions));
    EXPECT_EQ(c.treeNodeCount(), 0);
  }
}

TEST(DeepTreeTest, TheDeepestTreeAllowedSolvesAndAnswersItsQueries) {
  // 998 one-chip raises make 1000 actions in a row on this river: accepted,
  // solved on the solve thread and queried on this (the GUI) thread.
  AppController c;
  const QVariantMap spot = deepSpot("Qs 8s 3d Th 2c", "river", 998, "1c", "1c");
  c.requestSolveMemoryEstimate(spot);
  ASSERT_TRUE(waitFor([&] { return c.solveRequiredMemoryBytes() > 0; })) << c.solveRequiredMemoryText().toStdString();
  c.startSolveWithConfig(spot);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  EXPECT_GT(c.treeNodeCount(), 2000);
  // The deepest decision node: follow the bet, then the raise below it, as
  // long as there is one (997 of them; the next is the all-in).
  int node = 0;
  int steps = 0;
  for (;; ++steps) {
    const QVariantList actions = c.nodeActions(node);
    int next = -1;
    for (const QVariant& a : actions) {
      const QVariantMap m = a.toMap();
      const QString type = m.value("actionType").toString();
      if (type.startsWith("bet") || type.startsWith("raise")) next = m.value("childIndex").toInt();
    }
    if (next < 0) break;
    node = next;
  }
  EXPECT_EQ(steps, 997);
  EXPECT_FALSE(c.nodeActionStats(0).isEmpty());
  EXPECT_FALSE(c.nodeHandStrategy(node).isEmpty());
}

}  // namespace
