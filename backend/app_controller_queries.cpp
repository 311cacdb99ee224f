// Result queries of the results page: node tables from the last result,
// native node queries of the session, and the typed answers of the nodes
// looked at (AnswerStore), which let a loaded project answer without a
// solved game.
#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>
#include <vector>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/project_file/reader.h"
#include "session/hand_class_fold.h"

using app_controller_detail::fromStd;
using app_controller_detail::toStd;

namespace {

QVariantList doubleList(const std::vector<double>& values) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(values.size()));
  for (double v : values) out.append(v);
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

// The table `slot(answers)` of a node: the store's, else `compute()`'s,
// which the store then keeps (null when the solved game has none).
template <class Slot, class Compute>
auto storedOrComputed(results::AnswerStore& store, int node, Slot slot, Compute compute) -> decltype(compute()) {
  if (const results::NodeAnswerTables* held = store.find(node)) {
    if (auto table = slot(*held)) return table;
  }
  auto fresh = compute();
  if (fresh) {
    results::NodeAnswerTables add;
    slot(add) = fresh;
    store.add(node, add);
  }
  return fresh;
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

template <class Table, class Make>
QVariant AppController::shownForm(ShownKind kind, const std::shared_ptr<const Table>& table, Make make) const {
  ShownAnswer& shown = m_shown[kind];
  if (!table) return QVariant();
  if (shown.table != table) {
    shown.form = make(*table);
    shown.table = table;
  }
  return shown.form;
}

void AppController::clearQueryCaches() const {
  // A loaded project's answers can be many: they are dropped off the GUI
  // thread, with the forms made of them.
  m_release.release(std::make_tuple(m_answers.take(), std::exchange(m_shown, {}), std::exchange(m_reach169Cache, {})));
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

std::shared_ptr<const results::ActionStatsTable> AppController::statsAt(int nodeIndex) const {
  return storedOrComputed(
      m_answers, nodeIndex, [](auto& t) -> auto& { return t.stats; },
      [&] { return results::actionStatsTable(m_session.node_action_stats(static_cast<std::uint64_t>(nodeIndex))); });
}

std::shared_ptr<const results::BucketsTable> AppController::bucketsAt(int nodeIndex) const {
  return storedOrComputed(
      m_answers, nodeIndex, [](auto& t) -> auto& { return t.buckets; },
      [&] { return results::bucketsTable(m_session.node_hand_buckets(static_cast<std::uint64_t>(nodeIndex))); });
}

QVariantList AppController::nodeActionStats(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeActionStats", nodeIndex, [&] {
    return shownForm(ShownStats, statsAt(nodeIndex), [](const auto& t) { return results::toVariant(t); }).toList();
  });
}

QVariantList AppController::nodeHandBuckets(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeHandBuckets", nodeIndex, [&]() -> QVariantList {
    QVariantList rows =
        shownForm(ShownBuckets, bucketsAt(nodeIndex), [](const auto& t) { return results::toVariant(t); }).toList();
    // The display name follows the language in use, so it is never kept.
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
  try {
    bool matrix = false;
    bool buckets = false;
    bool combos = false;
    bool oopHands = false;
    bool ipHands = false;
    const bool inTree = m_tree && nodeIndex >= 0 && nodeIndex < m_tree->nodeCount();
    const ResultTree::Meta* meta = inTree ? m_tree->metaAt(nodeIndex) : nullptr;
    const bool decision = meta && m_tree->textAt(meta->nodeType) == QLatin1String("decision");
    // A solved game answers every node; without one only the saved answers exist.
    if (inTree && !m_session.stored_result().first) {
      const results::NodeAnswerTables* saved = m_answers.peek(nodeIndex);
      if (decision) {
        combos = !saved || !saved->combos;
        // The matrix is drawn from the saved strategy, else from the saved combos.
        matrix = (!saved || !saved->strategy) && combos;
        buckets = !saved || !saved->buckets;
      }
      oopHands = !saved || !saved->seats[0];
      ipHands = !saved || !saved->seats[1];
    }
    return QVariantMap{{QStringLiteral("matrix"), matrix},
                       {QStringLiteral("buckets"), buckets},
                       {QStringLiteral("combos"), combos},
                       {QStringLiteral("oopHands"), oopHands},
                       {QStringLiteral("ipHands"), ipHands}};
  } catch (...) {
    return QVariantMap();  // out of memory: nothing is told missing
  }
}

std::shared_ptr<const results::CombosTable> AppController::combosAt(int nodeIndex) const {
  return storedOrComputed(
      m_answers, nodeIndex, [](auto& t) -> auto& { return t.combos; },
      [&] { return results::combosTable(m_session.node_hand_combos(static_cast<std::uint64_t>(nodeIndex))); });
}

QVariantList AppController::nodeHandCombos(int nodeIndex) const {
  return guardedNodeQuery<QVariantList>("nodeHandCombos", nodeIndex, [&] {
    return shownForm(ShownCombos, combosAt(nodeIndex), [](const auto& t) { return results::toVariant(t); }).toList();
  });
}

QVariantList AppController::nodeSeatHandCombos(int nodeIndex, const QString& player) const {
  return guardedNodeQuery<QVariantList>("nodeSeatHandCombos", nodeIndex, [&]() -> QVariantList {
    const bool ip = isIpSeat(player);
    const auto table = storedOrComputed(
        m_answers, nodeIndex, [ip](auto& t) -> auto& { return t.seats[ip ? 1 : 0]; },
        [&] {
          return results::seatCombosTable(m_session.node_seat_hand_combos(static_cast<std::uint64_t>(nodeIndex), ip));
        });
    return shownForm(ip ? ShownIpSeat : ShownOopSeat, table, [](const auto& t) { return results::toVariant(t); })
        .toList();
  });
}

QStringList AppController::strategyActionTypes(int nodeIndex, std::size_t count) const {
  const auto actions = static_cast<qsizetype>(count);
  const bool tableMatches = m_tree && m_tree->actionCount(nodeIndex) == actions;
  QStringList types;
  for (qsizetype a = 0; a < actions; ++a) {
    types.append(tableMatches ? m_tree->actionType(nodeIndex, static_cast<int>(a)) : QStringLiteral("none"));
  }
  return types;
}

std::shared_ptr<const results::StrategyTable> AppController::strategyAt(int nodeIndex) const {
  return storedOrComputed(
      m_answers, nodeIndex, [](auto& t) -> auto& { return t.strategy; },
      [&] {
        const velmora_app::NodeHandStrategy s = m_session.node_hand_strategy(static_cast<std::uint64_t>(nodeIndex));
        return results::strategyTable(s, strategyActionTypes(nodeIndex, s.action_labels.size()));
      });
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
  results::NodeAnswerTables tables;
  tables.strategy =
      results::strategyTable(answers.strategy, strategyActionTypes(nodeIndex, answers.strategy.action_labels.size()));
  tables.stats = results::actionStatsTable(answers.stats);
  tables.combos = results::combosTable(answers.combos);
  tables.buckets = results::bucketsTable(answers.buckets);
  if (!tables.empty()) m_answers.add(nodeIndex, tables);
}

QVariantMap AppController::nodeHandStrategy(int nodeIndex) const {
  return guardedNodeQuery<QVariantMap>("nodeHandStrategy", nodeIndex, [&] {
    return shownForm(ShownStrategy, strategyAt(nodeIndex), [](const auto& t) { return results::toVariant(t); }).toMap();
  });
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
    // kept combos, whichever seat was asked for.
    const results::NodeAnswerTables* held = m_answers.find(nodeIndex);
    if (!held || !held->combos) return QVariantList();
    const results::CombosTable& combos = *held->combos;
    const int a = project_file::cardCode(c1.trimmed());
    const int b = project_file::cardCode(c2.trimmed());
    if (a < 0 || b < 0) return QVariantList();
    for (int r = 0; r < combos.rows(); ++r) {
      const results::ComboCards& cards = combos.cards[static_cast<std::size_t>(r)];
      if ((cards[0] == a && cards[1] == b) || (cards[0] == b && cards[1] == a)) {
        QVariantList out;
        for (int i = 0; i < combos.actions; ++i) out.append(combos.actionEvs[static_cast<std::size_t>(r * combos.actions + i)]);
        return out;
      }
    }
    return QVariantList();
  });
}

QVariantMap AppController::nodeHandStrategyReach169(int nodeIndex, const QString& bucketName) const {
  return guardedNodeQuery<QVariantMap>("nodeHandStrategyReach169", nodeIndex, [&]() -> QVariantMap {
    const QString filter = bucketName.trimmed().toLower();
    const QByteArray key = QByteArray::number(nodeIndex) + '|' + filter.toUtf8();
    const auto keep = [&](const QVariantMap& answer) {
      m_reach169Cache.insert(m_reach169Cache.begin(), {key, answer});
      if (m_reach169Cache.size() > kReach169Kept) m_reach169Cache.pop_back();
      return answer;
    };
    for (auto it = m_reach169Cache.begin(); it != m_reach169Cache.end(); ++it) {
      if (it->first != key) continue;
      std::rotate(m_reach169Cache.begin(), it, it + 1);
      return m_reach169Cache.front().second;
    }

    const QVariantMap base = nodeHandStrategy(nodeIndex);
    const qsizetype actionCount = base.value(QStringLiteral("actionTypeList")).toList().size();
    // The node's combos: those kept (the solved game's answer, or a loaded
    // project's), else the solved game's, which are then kept too: the
    // native query walks the node's whole subtree.
    const std::shared_ptr<const results::CombosTable> source = combosAt(nodeIndex);
    if (!source) return keep(base);
    std::vector<velmora_app::ClassFoldCombo> combos;
    combos.reserve(static_cast<std::size_t>(source->rows()));
    for (int r = 0; r < source->rows(); ++r) {
      const auto row = static_cast<std::size_t>(r);
      velmora_app::ClassFoldCombo c;
      c.card1 = toStd(results::cardText(source->cards[row][0]));
      c.card2 = toStd(results::cardText(source->cards[row][1]));
      c.weight = source->weights[row];
      for (const QString& tag : results::tagTexts(source->tags[row])) c.tags.push_back(toStd(tag));
      const float* probs = source->actionProbs.data() + r * source->actions;
      c.action_probabilities.assign(probs, probs + source->actions);
      combos.push_back(std::move(c));
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
    return keep(out);
  });
}
