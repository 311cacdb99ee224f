// Result queries of the results page: node tables from the last result,
// native node queries of the session, and the per-node caches that let a
// loaded project answer without a solved game.
#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>
#include <vector>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "session/hand_class_fold.h"

using app_controller_detail::fromStd;
using app_controller_detail::toStd;

namespace {

QVariantList floatList(const std::vector<float>& values) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(values.size()));
  for (float v : values) out.append(QVariant::fromValue(v));
  return out;
}

QVariantList doubleList(const std::vector<double>& values) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(values.size()));
  for (double v : values) out.append(v);
  return out;
}

QVariantList textList(const std::vector<std::string>& values) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(values.size()));
  for (const std::string& v : values) out.append(fromStd(v));
  return out;
}

// Runs one query of a node. A negative node index gives the empty result, and
// so does any exception, which is logged under the query's name.
template <typename Result, typename Query>
Result guardedNodeQuery(const char* name, int nodeIndex, Query&& query) {
  if (nodeIndex < 0) return Result();
  try {
    return query();
  } catch (const std::exception& e) {
    qWarning() << name << "failed:" << e.what();
  } catch (...) {
    qWarning() << name << "failed";
  }
  return Result();
}

// The cards and weight of one combo row.
QVariantMap comboCards(const velmora_app::HandComboRow& row) {
  QVariantMap entry;
  entry.insert(QStringLiteral("c1"), fromStd(row.card1));
  entry.insert(QStringLiteral("c2"), fromStd(row.card2));
  entry.insert(QStringLiteral("weight"), row.weight);
  return entry;
}

QVariantList actionStatsList(const velmora_app::NodeActionStats& stats) {
  const std::size_t n = std::min({stats.labels.size(), stats.keys.size(), stats.frequencies.size(),
                                  stats.combos.size(), stats.equities.size(), stats.evs.size()});
  QVariantList out;
  for (std::size_t a = 0; a < n; ++a) {
    QVariantMap entry;
    entry.insert(QStringLiteral("name"), fromStd(stats.labels[a]));
    entry.insert(QStringLiteral("actionType"), fromStd(stats.keys[a]));
    entry.insert(QStringLiteral("frequency"), QVariant::fromValue(stats.frequencies[a]));
    entry.insert(QStringLiteral("combos"), stats.combos[a]);
    entry.insert(QStringLiteral("equity"), stats.equities[a]);
    entry.insert(QStringLiteral("ev"), stats.evs[a]);
    out.append(entry);
  }
  return out;
}

// Bucket rows as cached and saved: without "displayName".
QVariantList bucketRows(const velmora_app::NodeHandBuckets& buckets) {
  QVariantList rows;
  for (const velmora_app::HandBucketRow& row : buckets.rows) {
    QVariantMap entry;
    entry.insert(QStringLiteral("name"), fromStd(row.name));
    entry.insert(QStringLiteral("combos"), row.combos);
    entry.insert(QStringLiteral("actionProbs"), floatList(row.action_probabilities));
    rows.append(entry);
  }
  return rows;
}

QVariantList comboList(const velmora_app::NodeHandCombos& combos) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(combos.rows.size()));
  for (const velmora_app::HandComboRow& row : combos.rows) {
    QVariantMap entry = comboCards(row);
    entry.insert(QStringLiteral("ev"), row.ev);
    entry.insert(QStringLiteral("actionEvs"), doubleList(row.action_evs));
    entry.insert(QStringLiteral("buckets"), textList(row.tags));
    entry.insert(QStringLiteral("actionProbs"), floatList(row.action_probabilities));
    out.append(entry);
  }
  return out;
}

// The hand-category bucket names as the session writes them, marked for
// translation: the results page shows each bucket under its translation in
// the "HandBuckets" context.
[[maybe_unused]] constexpr const char* kBucketDisplayNames[] = {
    QT_TRANSLATE_NOOP("HandBuckets", "straight flush"),
    QT_TRANSLATE_NOOP("HandBuckets", "quads"),
    QT_TRANSLATE_NOOP("HandBuckets", "full house"),
    QT_TRANSLATE_NOOP("HandBuckets", "flush"),
    QT_TRANSLATE_NOOP("HandBuckets", "straight"),
    QT_TRANSLATE_NOOP("HandBuckets", "set"),
    QT_TRANSLATE_NOOP("HandBuckets", "trips"),
    QT_TRANSLATE_NOOP("HandBuckets", "two pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "top pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "overpair"),
    QT_TRANSLATE_NOOP("HandBuckets", "middle pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "bottom pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "dry pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "flush draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed FD"),
    QT_TRANSLATE_NOOP("HandBuckets", "open ended straight draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed OESD"),
    QT_TRANSLATE_NOOP("HandBuckets", "gutter"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed gutter"),
    QT_TRANSLATE_NOOP("HandBuckets", "back door flush draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "air"),
};

bool isIpSeat(const QString& player) { return player.trimmed().toUpper() == QStringLiteral("IP"); }

}  // namespace

void AppController::clearQueryCaches() const {
  // A loaded project's caches can hold a great many combo lists: they are
  // dropped off the GUI thread.
  m_release.release(std::make_tuple(std::exchange(m_caches, {}), std::exchange(m_reach169Cache, {})));
}

int AppController::treeNodeCount() const { return m_tree ? m_tree->nodeCount() : 0; }

QVariantMap AppController::nodeMeta(int nodeIndex) const {
  try {
    return m_tree ? m_tree->meta(nodeIndex) : QVariantMap();
  } catch (...) {
    return QVariantMap();
  }
}

QVariantList AppController::nodeActions(int nodeIndex) const {
  try {
    return m_tree ? m_tree->actions(nodeIndex) : QVariantList();
  } catch (...) {
    return QVariantList();
  }
}

QVariantList AppController::nodeActionStats(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeActionStats", nodeIndex, [&]() -> QVariantList {
    const auto cached = m_caches.actionStats.constFind(nodeIndex);
    if (cached != m_caches.actionStats.cend()) return cached.value();

    const velmora_app::NodeActionStats stats = m_session.node_action_stats(static_cast<std::uint64_t>(nodeIndex));
    if (!stats.ok) return QVariantList();
    const QVariantList out = actionStatsList(stats);
    m_caches.actionStats.insert(nodeIndex, out);
    return out;
  });
}

QVariantList AppController::nodeHandBuckets(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeHandBuckets", nodeIndex, [&]() -> QVariantList {
    QVariantList rows;
    const auto cached = m_caches.handBuckets.constFind(nodeIndex);
    if (cached != m_caches.handBuckets.cend()) {
      rows = cached.value();
    } else {
      const velmora_app::NodeHandBuckets buckets = m_session.node_hand_buckets(static_cast<std::uint64_t>(nodeIndex));
      if (!buckets.ok) return QVariantList();
      rows = bucketRows(buckets);
      m_caches.handBuckets.insert(nodeIndex, rows);
    }
    // The display name follows the language in use, so it is never cached.
    for (QVariant& row : rows) {
      QVariantMap entry = row.toMap();
      const QByteArray name = entry.value(QStringLiteral("name")).toString().toUtf8();
      entry.insert(QStringLiteral("displayName"), QCoreApplication::translate("HandBuckets", name.constData()));
      row = entry;
    }
    return rows;
  });
}

QVariantMap AppController::nodeDetailsMissing(int nodeIndex) const {
  bool matrix = false;
  bool buckets = false;
  bool combos = false;
  bool oopHands = false;
  bool ipHands = false;
  const bool inTree = m_tree && nodeIndex >= 0 && nodeIndex < m_tree->nodeCount();
  const bool decision =
      inTree && m_tree->meta(nodeIndex).value(QStringLiteral("nodeType")).toString() == QStringLiteral("decision");
  // A solved game answers every node; without one only the saved answers exist.
  if (inTree && !m_session.stored_result().first) {
    if (decision) {
      combos = !m_caches.handCombos.contains(nodeIndex);
      // The matrix is drawn from the saved strategy, else from the saved combos.
      matrix = !m_caches.handStrategy.contains(nodeIndex) && combos;
      buckets = !m_caches.handBuckets.contains(nodeIndex);
    }
    oopHands = !m_caches.seatHandCombosOop.contains(nodeIndex);
    ipHands = !m_caches.seatHandCombosIp.contains(nodeIndex);
  }
  QVariantMap out;
  out.insert(QStringLiteral("matrix"), matrix);
  out.insert(QStringLiteral("buckets"), buckets);
  out.insert(QStringLiteral("combos"), combos);
  out.insert(QStringLiteral("oopHands"), oopHands);
  out.insert(QStringLiteral("ipHands"), ipHands);
  return out;
}

QVariantList AppController::nodeHandCombosImpl(int nodeIndex) const {
  const auto cached = m_caches.handCombos.constFind(nodeIndex);
  if (cached != m_caches.handCombos.cend()) return cached.value();

  const velmora_app::NodeHandCombos combos = m_session.node_hand_combos(static_cast<std::uint64_t>(nodeIndex));
  if (!combos.ok) return QVariantList();
  const QVariantList out = comboList(combos);
  m_caches.handCombos.insert(nodeIndex, out);
  return out;
}

QVariantList AppController::nodeHandCombos(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeHandCombos", nodeIndex, [&] { return nodeHandCombosImpl(nodeIndex); });
}

QVariantList AppController::nodeSeatHandCombos(int nodeIndex, const QString& player) const {
  return guardedNodeQuery<QVariantList>("nodeSeatHandCombos", nodeIndex, [&]() -> QVariantList {
    const bool ip = isIpSeat(player);
    QHash<int, QVariantList>& cache = ip ? m_caches.seatHandCombosIp : m_caches.seatHandCombosOop;
    const velmora_app::NodeHandCombos combos =
        m_session.node_seat_hand_combos(static_cast<std::uint64_t>(nodeIndex), ip);
    if (combos.ok) {
      QVariantList out;
      out.reserve(static_cast<qsizetype>(combos.rows.size()));
      for (const velmora_app::HandComboRow& row : combos.rows) out.append(comboCards(row));
      cache.insert(nodeIndex, out);
      return out;
    }
    return cache.value(nodeIndex);
  });
}

QVariantMap AppController::nodeHandStrategyImpl(int nodeIndex) const {
  const auto cached = m_caches.handStrategy.constFind(nodeIndex);
  if (cached != m_caches.handStrategy.cend()) return cached.value();

  const velmora_app::NodeHandStrategy strategy = m_session.node_hand_strategy(static_cast<std::uint64_t>(nodeIndex));
  if (!strategy.ok) return QVariantMap();
  const QVariantMap out = strategyMap(nodeIndex, strategy);
  m_caches.handStrategy.insert(nodeIndex, out);
  return out;
}

QVariantMap AppController::strategyMap(int nodeIndex, const velmora_app::NodeHandStrategy& strategy) const {
  QVariantMap weights;
  QVariantMap dominant;
  const std::size_t classes =
      std::min({strategy.class_names.size(), strategy.class_weights.size(), strategy.dominant_keys.size()});
  for (std::size_t i = 0; i < classes; ++i) {
    const QString label = fromStd(strategy.class_names[i]);
    weights.insert(label, QVariant::fromValue(strategy.class_weights[i]));
    dominant.insert(label, fromStd(strategy.dominant_keys[i]));
  }

  const QVariantList names = textList(strategy.action_labels);
  const qsizetype actionCount = names.size();
  const bool tableMatches = m_tree && m_tree->actionCount(nodeIndex) == actionCount;
  QVariantList types;
  for (qsizetype a = 0; a < actionCount; ++a) {
    types.append(tableMatches ? m_tree->actionType(nodeIndex, static_cast<int>(a)) : QStringLiteral("none"));
  }

  QVariantMap probs;
  const std::size_t hands = strategy.class_names.size();
  const std::size_t actions = static_cast<std::size_t>(actionCount);
  if (actions > 0 && hands > 0 && strategy.probabilities.size() == actions * hands) {
    for (std::size_t h = 0; h < hands; ++h) {
      QVariantList row;
      for (std::size_t a = 0; a < actions; ++a) row.append(QVariant::fromValue(strategy.probabilities[h * actions + a]));
      probs.insert(fromStd(strategy.class_names[h]), row);
    }
  }

  QVariantMap out;
  out.insert(QStringLiteral("weights"), weights);
  out.insert(QStringLiteral("dominantActionTypes"), dominant);
  out.insert(QStringLiteral("actionNames"), names);
  out.insert(QStringLiteral("actionTypeList"), types);
  out.insert(QStringLiteral("actionProbs"), probs);
  return out;
}

AppController::NodeAnswers AppController::nodeAnswers(const velmora_app::SolveSession& session, int nodeIndex) {
  const auto node = static_cast<std::uint64_t>(nodeIndex);
  NodeAnswers answers;
  answers.strategy = session.node_hand_strategy(node);
  answers.stats = session.node_action_stats(node);
  answers.combos = session.node_hand_combos(node);
  answers.buckets = session.node_hand_buckets(node);
  return answers;
}

void AppController::cacheNodeAnswers(int nodeIndex, const NodeAnswers& answers) const {
  if (answers.strategy.ok) m_caches.handStrategy.insert(nodeIndex, strategyMap(nodeIndex, answers.strategy));
  if (answers.stats.ok) m_caches.actionStats.insert(nodeIndex, actionStatsList(answers.stats));
  if (answers.combos.ok) m_caches.handCombos.insert(nodeIndex, comboList(answers.combos));
  if (answers.buckets.ok) m_caches.handBuckets.insert(nodeIndex, bucketRows(answers.buckets));
}

QVariantMap AppController::nodeHandStrategy(int nodeIndex) const {
  return guardedNodeQuery<QVariantMap>("nodeHandStrategy", nodeIndex, [&] { return nodeHandStrategyImpl(nodeIndex); });
}

QVariantList AppController::nodePocketActionEvs(int nodeIndex, const QString& player, const QString& c1,
                                                const QString& c2) const {
  // A card text the parser rejects throws: no pocket, no answer.
  return guardedNodeQuery<QVariantList>("nodePocketActionEvs", nodeIndex, [&]() -> QVariantList {
    const int seat = isIpSeat(player) ? 1 : 0;
    const velmora_app::PocketActionEvs evs = m_session.node_pocket_action_evs(
        static_cast<std::uint64_t>(nodeIndex), seat, c1.toUtf8().toStdString(), c2.toUtf8().toStdString());
    if (evs.ok) return doubleList(evs.action_evs);

    // No answer from a solved game (a loaded project, or a seat the solver
    // does not answer for at this node): look the pocket up among the node's
    // cached combos, whichever seat was asked for.
    const auto cached = m_caches.handCombos.constFind(nodeIndex);
    if (cached == m_caches.handCombos.cend()) return QVariantList();
    const QString a = c1.trimmed().toLower();
    const QString b = c2.trimmed().toLower();
    for (const QVariant& item : cached.value()) {
      const QVariantMap entry = item.toMap();
      const QString e1 = entry.value(QStringLiteral("c1")).toString().trimmed().toLower();
      const QString e2 = entry.value(QStringLiteral("c2")).toString().trimmed().toLower();
      if ((e1 == a && e2 == b) || (e1 == b && e2 == a)) return entry.value(QStringLiteral("actionEvs")).toList();
    }
    return QVariantList();
  });
}

QVariantMap AppController::nodeHandStrategyReach169(int nodeIndex, const QString& bucketName) const {
  return guardedNodeQuery<QVariantMap>("nodeHandStrategyReach169", nodeIndex, [&]() -> QVariantMap {
    const QString filter = bucketName.trimmed().toLower();
    const QByteArray key = QByteArray::number(nodeIndex) + '|' + filter.toUtf8();
    const auto cached = m_reach169Cache.constFind(key);
    if (cached != m_reach169Cache.cend()) return cached.value();

    const QVariantMap base = nodeHandStrategyImpl(nodeIndex);
    const qsizetype actionCount = base.value(QStringLiteral("actionTypeList")).toList().size();

    // Combo source: the node's cached combos (the solved game's answer, kept
    // when it was first asked for, or a loaded project's), else the solved
    // game. The native query walks the node's whole subtree, so it is not
    // asked again for an answer already at hand.
    std::vector<velmora_app::ClassFoldCombo> combos;
    const bool haveCached = m_caches.handCombos.contains(nodeIndex);
    const velmora_app::NodeHandCombos native =
        haveCached ? velmora_app::NodeHandCombos() : m_session.node_hand_combos(static_cast<std::uint64_t>(nodeIndex));
    if (native.ok) {
      combos.reserve(native.rows.size());
      for (const velmora_app::HandComboRow& row : native.rows) {
        velmora_app::ClassFoldCombo c;
        c.card1 = row.card1;
        c.card2 = row.card2;
        c.weight = row.weight;
        c.tags = row.tags;
        c.action_probabilities.assign(row.action_probabilities.begin(), row.action_probabilities.end());
        combos.push_back(std::move(c));
      }
    } else {
      const auto source = m_caches.handCombos.constFind(nodeIndex);
      if (source == m_caches.handCombos.cend()) {
        m_reach169Cache.insert(key, base);
        return base;
      }
      combos.reserve(static_cast<std::size_t>(source.value().size()));
      for (const QVariant& item : source.value()) {
        const QVariantMap entry = item.toMap();
        velmora_app::ClassFoldCombo c;
        c.card1 = toStd(entry.value(QStringLiteral("c1")).toString());
        c.card2 = toStd(entry.value(QStringLiteral("c2")).toString());
        c.weight = entry.value(QStringLiteral("weight")).toDouble();
        for (const QVariant& b : entry.value(QStringLiteral("buckets")).toList()) c.tags.push_back(toStd(b.toString()));
        for (const QVariant& p : entry.value(QStringLiteral("actionProbs")).toList()) {
          c.action_probabilities.push_back(p.toDouble());
        }
        combos.push_back(std::move(c));
      }
    }

    // The node's board: the solved board and the cards dealt on the way.
    std::vector<std::string> board;
    const QString solved = m_resultBoardText;
    for (qsizetype i = 0; i + 1 < solved.size(); i += 2) board.push_back(toStd(solved.mid(i, 2)));
    if (m_tree) {
      for (const QString& card : m_tree->dealtCards(nodeIndex)) board.push_back(toStd(card));
    }
    const velmora_app::HandClassFold fold =
        velmora_app::fold_hand_classes(combos, toStd(filter), static_cast<std::size_t>(actionCount), board);
    QVariantMap weights;
    for (const auto& [label, weight] : fold.weights) weights.insert(fromStd(label), weight);
    QVariantMap probs;
    for (const auto& [label, shares] : fold.action_probabilities) probs.insert(fromStd(label), doubleList(shares));

    QVariantMap out = base;
    if (!filter.isEmpty() || !weights.isEmpty() || !probs.isEmpty()) {
      out.insert(QStringLiteral("weights"), weights);
      out.insert(QStringLiteral("actionProbs"), probs);
    }
    m_reach169Cache.insert(key, out);
    return out;
  });
}
