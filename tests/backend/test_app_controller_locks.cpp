// Node locks belong to the spot they were set on: a start of another spot (another tree, hands or
// payoffs) drops them; the budget, the target, the threads and the board's spelling make no other
// spot, and a start refused before the result goes keeps the locks of that result.
#include <cmath>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

TEST(NodeLockSpotTest, AStartOfAnotherSpotDropsTheLocks) {
  clearSettings();
  const std::tuple<QString, QVariantMap, bool> variants[] = {
      {"budget, target, threads", {{"max_iterations", 12}, {"target_exploitability", 0.5}, {"thread_count", 1}}, true},
      {"board spelling", {{"board", "ahKSqd 7C2h"}}, true},
      {"refused start", {{"oop_flop_bet_sizes", "33 75"}}, true},
      {"river card", {{"board", "Ah Ks Qd 7c 3h"}}, false},
      {"OOP range", {{"oop_range", "AA, KK, QQ, JJ, AKs, 76s"}}, false},
      {"IP range", {{"ip_range", "AA,JJ,TT,AQs,KQs,98s"}}, false},
      {"pot", {{"starting_pot", 120}}, false},
      {"stack", {{"effective_stack", 90}}, false},
      {"rake", {{"rake_percent", 5.0}}, false},
      {"river size", {{"ip_river_bet_sizes", "75"}}, false},
      {"all-in", {{"oop_river_add_all_in", true}}, false},
      {"jam threshold", {{"ip_add_all_in_jam_threshold_enabled", true}, {"ip_add_all_in_jam_threshold_pct", 40}}, false},
  };
  AppController c;
  QStringList wrong;
  for (const auto& [name, change, kept] : variants) {
    c.startSolveWithConfig(riverSpot(10));
    ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
    c.setNodeLock(0, "AA", 1, 0.37);
    QVariantMap cfg = riverSpot(10);
    cfg.insert(change);
    cfg.insert("apply_node_locks", true);  // as a re-solve asks: dropped locks must not reach this run either
    c.startSolveWithConfig(cfg);
    if (c.nodeLocks(0).isEmpty() == kept) wrong << name;
    ASSERT_TRUE(waitFor([&] { return !c.running(); }));
    if (c.statusText() != "Done") continue;
    const QVariantList aa = c.nodeHandStrategy(0).value("actionProbs").toMap().value("AA").toList();
    const bool applied = aa.size() > 1 && std::abs(aa[1].toDouble() - 0.37) < 1e-4;
    if (applied != kept) wrong << QStringLiteral("%1 (solved as locked: %2)").arg(name).arg(applied);
  }
  EXPECT_TRUE(wrong.isEmpty()) << wrong.join(", ").toStdString();
}

}  // namespace
