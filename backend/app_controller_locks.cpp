// Node locks set on the results page and the re-solve that applies them.
#include <QDebug>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <exception>

#include "backend/app_controller.h"
#include "session/memory_estimate.h"

void AppController::setNodeLock(int nodeIndex, const QString& handLabel169, int actionIndex, double actionProb) {
  try {
    if (nodeIndex < 0) return;
    const QByteArray label = handLabel169.toUtf8();
    if (label.isEmpty()) return;
    // NaN passes through a clamp unchanged and would reach the solver as a
    // probability; such a lock is refused.
    if (std::isnan(actionProb)) return;
    LockEntry entry;
    entry.actionIndex = actionIndex;
    entry.actionProb = std::clamp(actionProb, 0.0, 1.0);
    m_nodeLockTable[nodeIndex].insert(label, entry);
  } catch (...) {
    qWarning() << "setNodeLock failed";
  }
}

void AppController::clearNodeLocks(int nodeIndex) {
  if (nodeIndex < 0) return;
  try {
    m_nodeLockTable.remove(nodeIndex);
  } catch (...) {
    qWarning() << "clearNodeLocks failed";
  }
}

QVariantList AppController::nodeLocks(int nodeIndex) const {
  QVariantList out;
  if (nodeIndex < 0) return out;
  try {
    const auto node = m_nodeLockTable.constFind(nodeIndex);
    if (node == m_nodeLockTable.cend()) return out;
    for (auto hand = node.value().cbegin(); hand != node.value().cend(); ++hand) {
      QVariantMap lock;
      lock.insert(QStringLiteral("hand"), QString::fromUtf8(hand.key()));
      lock.insert(QStringLiteral("actionIndex"), hand.value().actionIndex);
      lock.insert(QStringLiteral("actionProb"), hand.value().actionProb);
      out.append(lock);
    }
  } catch (...) {
    qWarning() << "nodeLocks failed";
    out.clear();
  }
  return out;
}

void AppController::reSolveWithNodeLocks() {
  if (m_running) return;
  try {
    if (m_lastUiCfg.isEmpty()) {
      beginRun();
      setStatus([] { return tr("No previous solve config (solve once first)"); });
      endRun(RunOutcome::Failed, 0);
      return;
    }
    QVariantMap cfg = m_lastUiCfg;
    cfg.insert(QStringLiteral("apply_node_locks"), true);
    startSolveWithConfig(cfg);
  } catch (...) {
    qWarning() << "reSolveWithNodeLocks failed";
  }
}

void AppController::keepNodeLocksOfSpot(velmora_app::SolveConfig& config) {
  // A lock names a node by its index in one tree and a hand class of one
  // range. Two requests build the same tree over the same hands when they
  // need the same memory: they differ at most in the iteration budget, the
  // target, the thread count and the locks themselves. Locks set before any
  // start belong to the first one.
  const bool sameSpot = !m_lockSpot || velmora_app::same_memory_inputs(*m_lockSpot, config);
  if (!sameSpot && !m_nodeLockTable.isEmpty()) {
    qInfo() << "UI node locks dropped: they were set on another spot";
    m_nodeLockTable.clear();
    config.node_locks.clear();
  }
  m_lockSpot = config;
  m_lockSpot->node_locks.clear();
  // What this run solves with: the table when the request carries locks.
  m_runNodeLocks = config.node_locks.empty() ? NodeLockTable() : m_nodeLockTable;
}

QVariantMap AppController::nodeLockMarks(int nodeIndex) const {
  QStringList applied;
  QStringList pending;
  QStringList unknown;
  try {
    const int actions = m_tree && nodeIndex >= 0 ? m_tree->actionCount(nodeIndex) : 0;
    const auto inRange = [actions](const LockEntry& e) { return e.actionIndex >= 0 && e.actionIndex < actions; };
    const auto locksAt = [nodeIndex](const NodeLockTable& table) {
      const auto node = table.constFind(nodeIndex);
      return node == table.cend() ? QHash<QByteArray, LockEntry>() : node.value();
    };
    const QHash<QByteArray, LockEntry> set = locksAt(m_nodeLockTable);
    // An opened result keeps the file's locks as its own, though they may
    // have been set after it was solved: a lock equal to the file's is not
    // known to be in it, any other certainly is not.
    const QHash<QByteArray, LockEntry> solved = locksAt(m_resultNodeLocks);
    if (m_resultNodeLocksKnown) {
      for (auto hand = solved.cbegin(); hand != solved.cend(); ++hand) {
        if (inRange(hand.value())) applied.append(QString::fromUtf8(hand.key()));
      }
    }
    for (auto hand = set.cbegin(); hand != set.cend(); ++hand) {
      if (!inRange(hand.value())) continue;
      const auto same = solved.constFind(hand.key());
      const bool solvedWith = same != solved.cend() && same.value().actionIndex == hand.value().actionIndex &&
                              same.value().actionProb == hand.value().actionProb;
      if (!solvedWith)
        pending.append(QString::fromUtf8(hand.key()));
      else if (!m_resultNodeLocksKnown)
        unknown.append(QString::fromUtf8(hand.key()));
    }
  } catch (...) {
    qWarning() << "nodeLockMarks failed";
    applied.clear();
    pending.clear();
    unknown.clear();
  }
  QVariantMap marks;
  marks.insert(QStringLiteral("applied"), applied);
  marks.insert(QStringLiteral("pending"), pending);
  marks.insert(QStringLiteral("unknown"), unknown);
  return marks;
}

QVariantList AppController::nodeLocksSnapshot() const {
  QVariantList out;
  const int count = treeNodeCount();
  for (int node = 0; node < count; ++node) {
    const int actions = m_tree->actionCount(node);
    for (const QVariant& lock : nodeLocks(node)) {
      QVariantMap entry = lock.toMap();
      // A lock of an action the node does not have (the action chosen at
      // another node) is never applied: it is not saved either.
      const int action = entry.value(QStringLiteral("actionIndex")).toInt();
      if (action < 0 || action >= actions) continue;
      entry.insert(QStringLiteral("nodeIndex"), node);
      out.append(entry);
    }
  }
  return out;
}

AppController::NodeLockTable AppController::parseNodeLocks(const QVariantList& list) {
  // The entries come checked from the file (project_file::nodeLock and the
  // file's checks): a node of the tree, a hand class, an action of the node
  // and a probability in [0, 1] to within float rounding, which is trimmed.
  NodeLockTable table;
  for (const QVariant& item : list) {
    const QVariantMap entry = item.toMap();
    const int nodeIndex = entry.value(QStringLiteral("nodeIndex"), -1).toInt();
    const QByteArray hand = entry.value(QStringLiteral("hand")).toString().toUtf8();
    const int actionIndex = entry.value(QStringLiteral("actionIndex"), -1).toInt();
    const double actionProb = entry.value(QStringLiteral("actionProb"), 1.0).toDouble();
    table[nodeIndex].insert(hand, LockEntry{actionIndex, std::clamp(actionProb, 0.0, 1.0)});
  }
  return table;
}
