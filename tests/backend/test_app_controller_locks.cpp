// Node locks belong to the spot they were set on: a start of another spot
// drops them, a start of the same spot (or a refused start) keeps them.
#include <QStringList>

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

// Anything that shapes the tree, the hands or the payoffs makes another
// spot; the budget, the target, the threads and the board's spelling do not,
// and a start refused before the result goes keeps the locks of that result.
TEST(NodeLockSpotTest, AStartOfAnotherSpotDropsTheLocks) {
  clearSettings();
  using Change = std::function<void(QVariantMap&)>;
  const std::tuple<const char*, Change, bool> variants[] = {
      {"budget, target, threads", [](QVariantMap& m) {
         m.insert("max_iterations", 12), m.insert("target_exploitability", 0.5), m.insert("thread_count", 1);
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
         m.insert("ip_add_all_in_jam_threshold_enabled", true), m.insert("ip_add_all_in_jam_threshold_pct", 40.0);
       }, false},
  };
  AppController c;
  QStringList wrong;
  for (const auto& [name, change, kept] : variants) {
    c.startSolveWithConfig(riverSpot(10));
    ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
    c.setNodeLock(0, "AA", 1, 0.37);
    QVariantMap cfg = riverSpot(10);
    change(cfg);
    // Asked as a re-solve asks: dropped locks must not reach this run either.
    cfg.insert("apply_node_locks", true);
    c.startSolveWithConfig(cfg);
    if (c.nodeLocks(0).isEmpty() == kept) wrong << QString::fromLatin1(name);
    ASSERT_TRUE(waitFor([&] { return !c.running(); }));
    if (c.statusText() != "Done") continue;
    const QVariantList aa = c.nodeHandStrategy(0).value("actionProbs").toMap().value("AA").toList();
    const bool applied = aa.size() > 1 && std::abs(aa[1].toDouble() - 0.37) < 1e-4;
    if (applied != kept) wrong << QStringLiteral("%1 (solved as locked: %2)").arg(name).arg(applied);
  }
  EXPECT_TRUE(wrong.isEmpty()) << wrong.join(", ").toStdString();
}

}  // namespace
