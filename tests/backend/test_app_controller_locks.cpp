// Node locks belong to the spot they were set on: a start of another spot
// drops them, a start of the same spot (or a refused start) keeps them.
#include <QStringList>

#include <functional>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

void solve(AppController& c, const QVariantMap& cfg) {
  c.startSolveWithConfig(cfg);
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); })) << c.statusText().toStdString();
  ASSERT_EQ(c.statusText(), "Done");
}

QVariantList rootProbs(const AppController& c, const QString& hand) {
  return c.nodeHandStrategy(0).value("actionProbs").toMap().value(hand).toList();
}

// Another river on the same flop: the same root actions, another tree below.
QVariantMap otherRiver() {
  QVariantMap m = riverSpot(30);
  m.insert("board", "Kh 9h 5h 8c 2d");
  return m;
}

TEST(NodeLockSpotTest, LocksOfOneSpotAreNotAppliedToAnother) {
  clearSettings();
  // The class and root action the other spot's solution plays least.
  AppController plain;
  solve(plain, otherRiver());
  QString hand;
  int action = -1;
  double least = 2.0;
  const QVariantMap root = plain.nodeHandStrategy(0);
  const QVariantMap probs = root.value("actionProbs").toMap();
  const QVariantMap weights = root.value("weights").toMap();
  for (auto it = probs.cbegin(); it != probs.cend(); ++it) {
    if (!(weights.value(it.key()).toDouble() > 0.0)) continue;
    const QVariantList p = it.value().toList();
    for (int a = 0; a < p.size(); ++a) {
      if (p[a].toDouble() < least) {
        least = p[a].toDouble();
        hand = it.key();
        action = a;
      }
    }
  }
  ASSERT_GE(action, 0);
  ASSERT_LT(least, 0.5);

  AppController c;
  solve(c, riverSpot(30));
  ASSERT_EQ(rootProbs(c, hand).size(), rootProbs(plain, hand).size());
  c.setNodeLock(0, hand, action, 1.0);
  c.setNodeLock(1, "AA", 0, 1.0);
  solve(c, otherRiver());
  EXPECT_TRUE(c.nodeLocks(0).isEmpty());
  EXPECT_TRUE(c.nodeLocks(1).isEmpty());

  c.reSolveWithNodeLocks();
  ASSERT_TRUE(c.running());
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  const QVariantList after = rootProbs(c, hand);
  ASSERT_GT(after.size(), action);
  EXPECT_LT(after[action].toDouble(), 0.9) << hand.toStdString() << " plays as the old spot's lock said";

  // Locks set on this spot are kept by its re-solve and applied.
  c.setNodeLock(0, hand, action, 1.0);
  c.reSolveWithNodeLocks();
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.nodeLocks(0).size(), 1);
  EXPECT_NEAR(rootProbs(c, hand)[action].toDouble(), 1.0, 1e-6);
}

// What makes another spot: anything that shapes the tree, the hands or the
// payoffs. The budget, the target, the threads and the board's spelling do
// not; a start refused before the result goes keeps the locks of that result.
TEST(NodeLockSpotTest, WhatMakesAnotherSpot) {
  clearSettings();
  struct Variant {
    const char* name;
    std::function<void(QVariantMap&)> change;
    bool kept;
  };
  const Variant variants[] = {
      {"budget, target, threads", [](QVariantMap& m) {
         m.insert("max_iterations", 12);
         m.insert("target_exploitability", 0.5);
         m.insert("thread_count", 1);
       }, true},
      {"board spelling", [](QVariantMap& m) { m.insert("board", "ahKSqd 7C2h"); }, true},
      {"refused start", [](QVariantMap& m) { m.insert("oop_flop_bet_sizes", "33 75"); }, true},
      {"river card", [](QVariantMap& m) { m.insert("board", "Ah Ks Qd 7c 3h"); }, false},
      {"OOP range", [](QVariantMap& m) { m.insert("oop_range", "AA, KK, QQ, JJ, AKs, 76s"); }, false},
      {"IP range", [](QVariantMap& m) { m.insert("ip_range", "AA,JJ,TT,AQs,KQs,98s"); }, false},
      {"pot", [](QVariantMap& m) { m.insert("starting_pot", 120); }, false},
      {"stack", [](QVariantMap& m) { m.insert("effective_stack", 90); }, false},
      {"rake", [](QVariantMap& m) { m.insert("rake_percent", 5.0); }, false},
      {"river size", [](QVariantMap& m) { m.insert("ip_river_bet_sizes", "75"); }, false},
      {"all-in", [](QVariantMap& m) { m.insert("oop_river_add_all_in", true); }, false},
      {"jam threshold", [](QVariantMap& m) {
         m.insert("ip_add_all_in_jam_threshold_enabled", true);
         m.insert("ip_add_all_in_jam_threshold_pct", 40.0);
       }, false},
  };
  AppController c;
  QStringList wrong;
  for (const Variant& v : variants) {
    solve(c, riverSpot(10));
    c.setNodeLock(0, "AA", 0, 1.0);
    QVariantMap cfg = riverSpot(10);
    v.change(cfg);
    c.startSolveWithConfig(cfg);
    if (c.nodeLocks(0).isEmpty() == v.kept) wrong << QString::fromLatin1(v.name);
    ASSERT_TRUE(waitFor([&] { return !c.running(); }));
  }
  EXPECT_TRUE(wrong.isEmpty()) << wrong.join(", ").toStdString();
}

}  // namespace
