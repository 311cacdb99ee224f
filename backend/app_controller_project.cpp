// Project files: one JSON object holding the UI's project state, the last
// solve configuration, the node locks and, with a result, the result figures,
// the node tables and the saved query caches.
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <exception>
#include <limits>
#include <optional>

#include "backend/app_controller.h"
#include "backend/local_files.h"
#include "backend/platform/system_info.h"
#include "backend/project_file_reader.h"

namespace {

const QString kFormatTag = QStringLiteral("velmora_project");
constexpr int kProjectVersion = 1;

// JSON has no NaN or infinity: such a figure is written as null ("no value")
// and read back as NaN, never as 0.
QJsonValue toJsonValue(const QVariant& v) {
  switch (v.metaType().id()) {
    case QMetaType::QVariantMap: {
      QJsonObject obj;
      const QVariantMap map = v.toMap();
      for (auto it = map.cbegin(); it != map.cend(); ++it) obj.insert(it.key(), toJsonValue(it.value()));
      return obj;
    }
    case QMetaType::QVariantHash: {
      QJsonObject obj;
      const QVariantHash hash = v.toHash();
      for (auto it = hash.cbegin(); it != hash.cend(); ++it) obj.insert(it.key(), toJsonValue(it.value()));
      return obj;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
      QJsonArray arr;
      const QVariantList list = v.toList();
      for (const QVariant& item : list) arr.append(toJsonValue(item));
      return arr;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = v.toDouble();
      return std::isfinite(d) ? QJsonValue(d) : QJsonValue(QJsonValue::Null);
    }
    default:
      return QJsonValue::fromVariant(v);
  }
}

QVariantList cacheArray(const QHash<int, QVariantList>& cache, const QString& seat = QString()) {
  QVariantList out;
  for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
    QVariantMap entry;
    entry.insert(QStringLiteral("nodeIndex"), it.key());
    if (!seat.isEmpty()) entry.insert(QStringLiteral("seat"), seat);
    entry.insert(QStringLiteral("data"), it.value());
    out.append(entry);
  }
  return out;
}

// A stored rake figure: anything that is not a finite, non-negative number
// reads as no rake.
double rakeFigure(double v) { return std::isfinite(v) && v > 0.0 ? v : 0.0; }

}  // namespace

// ---------------------------------------------------------------------------
// Saving

bool AppController::hasResultsToSave() const {
  return m_resultIterations > 0 || treeNodeCount() > 0 || !m_rootActions.isEmpty();
}

QVariantMap AppController::resultsSnapshot() const {
  QVariantMap results;
  results.insert(QStringLiteral("resultsSummary"), m_resultsSummary);
  results.insert(QStringLiteral("resultBoard"), m_resultBoardText);
  results.insert(QStringLiteral("resultRakePercent"), m_resultRakePercent);
  results.insert(QStringLiteral("resultRakeCap"), m_resultRakeCap);
  results.insert(QStringLiteral("resultStartingPot"), m_resultStartingPot);
  results.insert(QStringLiteral("resultIterations"), m_resultIterations);
  results.insert(QStringLiteral("resultExploitability"), m_resultExploitability);
  results.insert(QStringLiteral("resultEvOop"), m_resultEvOop);
  results.insert(QStringLiteral("resultEvIp"), m_resultEvIp);
  results.insert(QStringLiteral("rootActions"), m_rootActions);
  QVariantList meta;
  QVariantList actions;
  const int count = treeNodeCount();
  for (int i = 0; i < count; ++i) {
    meta.append(i < m_nodeMetaTable.size() ? m_nodeMetaTable.at(i) : QVariantMap());
    actions.append(QVariant(m_nodeActionTable.at(i)));
  }
  results.insert(QStringLiteral("treeNodeMeta"), meta);
  results.insert(QStringLiteral("treeNodeActions"), actions);
  return results;
}

bool AppController::saveProject(const QUrl& fileUrl, const QVariantMap& projectState) const {
  try {
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local) {
      qWarning() << "saveProject: invalid/non-local URL:" << fileUrl;
      return false;
    }
    const QString path = *local;
    if (path.isEmpty()) return false;

    QVariantMap root;
    root.insert(QStringLiteral("format"), kFormatTag);
    root.insert(QStringLiteral("version"), kProjectVersion);
    root.insert(QStringLiteral("project"), projectState);
    const bool hasResults = hasResultsToSave();
    root.insert(QStringLiteral("hasResults"), hasResults);
    if (hasResults) {
      root.insert(QStringLiteral("results"), resultsSnapshot());
      if (treeNodeCount() > 0) {
        // The root node is what the results page shows first; make sure it is cached.
        nodeHandStrategy(0);
        nodeHandCombos(0);
        nodeHandBuckets(0);
        nodeActionStats(0);
      }
      QVariantMap caches;
      QVariantList strategy;
      for (auto it = m_handStrategyCache.cbegin(); it != m_handStrategyCache.cend(); ++it) {
        QVariantMap entry;
        entry.insert(QStringLiteral("nodeIndex"), it.key());
        entry.insert(QStringLiteral("data"), it.value());
        strategy.append(entry);
      }
      caches.insert(QStringLiteral("handStrategyByNode"), strategy);
      caches.insert(QStringLiteral("actionStatsByNode"), cacheArray(m_actionStatsCache));
      caches.insert(QStringLiteral("handCombosByNode"), cacheArray(m_handCombosCache));
      caches.insert(QStringLiteral("handBucketsByNode"), cacheArray(m_handBucketsCache));
      caches.insert(QStringLiteral("seatHandCombosByNode"),
                    cacheArray(m_seatHandCombosOopCache, QStringLiteral("OOP")) +
                        cacheArray(m_seatHandCombosIpCache, QStringLiteral("IP")));
      root.insert(QStringLiteral("nodeCaches"), caches);
    }
    root.insert(QStringLiteral("nodeLocks"), nodeLocksSnapshot());
    root.insert(QStringLiteral("lastUiCfg"), m_lastUiCfg);

    QJsonDocument doc;
    try {
      doc = QJsonDocument(toJsonValue(root).toObject());
    } catch (...) {
      qWarning() << "saveProject: failed to convert to JSON";
      return false;
    }
    if (doc.isNull()) {
      qWarning() << "saveProject: failed to convert to JSON";
      return false;
    }
    const QByteArray text = doc.toJson(QJsonDocument::Indented);

    const local_files::WriteOutcome written = local_files::writeAtomically(path, text);
    if (written.stage == local_files::WriteOutcome::OpenFailed) {
      qWarning() << "saveProject: failed to open:" << path << written.error;
      return false;
    }
    if (!written.ok()) {
      qWarning() << "saveProject: commit failed:" << path << written.error;
      return false;
    }
    qInfo() << "Saved project:" << path;
    return true;
  } catch (const std::exception& e) {
    qWarning() << "saveProject: failed:" << e.what();
  } catch (...) {
    qWarning() << "saveProject: failed";
  }
  return false;
}

// ---------------------------------------------------------------------------
// Loading

QVariantMap AppController::loadProject(const QUrl& fileUrl) {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), QString());
  result.insert(QStringLiteral("project"), QVariantMap());
  result.insert(QStringLiteral("hasResults"), false);
  const auto fail = [&result](const QString& error) {
    result.insert(QStringLiteral("error"), error);
    return result;
  };

  try {
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local) return fail(tr("Invalid/non-local file URL"));
    const QString path = *local;
    if (path.isEmpty()) return fail(tr("Empty file path"));

    // Only regular files: a device such as /dev/zero would be read forever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return fail(tr("Failed to open file"));
    const QByteArray data = file.readAll();
    file.close();

    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError || doc.isNull()) return fail(tr("Invalid JSON"));

    const QJsonObject root = doc.isObject() ? doc.object() : QJsonObject();
    if (root.value(QStringLiteral("format")).toVariant().toString() != kFormatTag) {
      return fail(tr("Unrecognized project format"));
    }
    bool versionOk = false;
    const double version = root.value(QStringLiteral("version")).toVariant().toDouble(&versionOk);
    if (!versionOk || version != kProjectVersion) return fail(tr("Unsupported project version"));

    // A solve still running (or about to start) would later replace what is
    // loaded here.
    abandonCurrentRun();
    m_session.clear_result();
    resetResultFigures();
    m_resultsReclaimableMemoryBytes = 0;
    emit systemMemoryChanged();
    m_nodeLockTable.clear();
    clearQueryCaches();

    const QVariantMap project = root.value(QStringLiteral("project")).toObject().toVariantMap();
    const bool hasResults = project_file::flag(root.value(QStringLiteral("hasResults")));
    result.insert(QStringLiteral("project"), project);
    result.insert(QStringLiteral("hasResults"), hasResults);
    if (hasResults) restoreResults(root.value(QStringLiteral("results")).toObject());
    restoreQueryCaches(root.value(QStringLiteral("nodeCaches")).toObject());
    dropNodesWithBadChildren();

    m_nodeLockTable = parseNodeLocks(root.value(QStringLiteral("nodeLocks")).toArray().toVariantList());
    m_lastUiCfg = project_file::solveConfig(root.value(QStringLiteral("lastUiCfg")));
    // Files written before the result kept its own board and rake have them
    // only as those of the last start.
    if (hasResults && m_resultBoardText.isEmpty()) {
      m_resultBoardText = normalizeBoardText(m_lastUiCfg.value(QStringLiteral("board")).toString());
    }
    const QJsonObject savedResults = root.value(QStringLiteral("results")).toObject();
    if (hasResults && !savedResults.contains(QStringLiteral("resultRakePercent"))) {
      m_resultRakePercent = rakeFigure(m_lastUiCfg.value(QStringLiteral("rake_percent")).toDouble());
      m_resultRakeCap = rakeFigure(m_lastUiCfg.value(QStringLiteral("rake_cap")).toDouble());
    }

    setRunning(false);
    setProgress(0.0);
    setStatusText(tr("Loaded project (%1 strategy nodes, %2 combo nodes)")
                      .arg(QString::number(m_handStrategyCache.size()), QString::number(m_handCombosCache.size())));
    velmora_platform::releaseFreedMemory();
    emit resultsChanged();
    result.insert(QStringLiteral("ok"), true);
    qInfo() << "Loaded project:" << path << "hasResults=" << hasResults;
    return result;
  } catch (const std::exception& e) {
    qWarning() << "loadProject failed:" << e.what();
    return fail(tr("Failed to open file"));
  } catch (...) {
    qWarning() << "loadProject failed";
    return fail(tr("Failed to open file"));
  }
}

void AppController::restoreResults(const QJsonObject& results) {
  m_resultsSummary = project_file::text(results.value(QStringLiteral("resultsSummary")));
  m_resultBoardText = normalizeBoardText(project_file::text(results.value(QStringLiteral("resultBoard"))));
  m_resultRakePercent = rakeFigure(project_file::figure(results.value(QStringLiteral("resultRakePercent"))));
  m_resultRakeCap = rakeFigure(project_file::figure(results.value(QStringLiteral("resultRakeCap"))));
  m_resultStartingPot = project_file::count(results.value(QStringLiteral("resultStartingPot")));
  m_resultIterations = project_file::count(results.value(QStringLiteral("resultIterations")));
  m_resultExploitability = project_file::figure(results.value(QStringLiteral("resultExploitability")));
  m_resultEvOop = project_file::figure(results.value(QStringLiteral("resultEvOop")));
  m_resultEvIp = project_file::figure(results.value(QStringLiteral("resultEvIp")));
  for (const QJsonValue& action : results.value(QStringLiteral("rootActions")).toArray()) {
    m_rootActions.append(project_file::rootAction(action));
  }
  for (const QJsonValue& meta : results.value(QStringLiteral("treeNodeMeta")).toArray()) {
    m_nodeMetaTable.append(project_file::nodeMeta(meta));
  }
  for (const QJsonValue& actions : results.value(QStringLiteral("treeNodeActions")).toArray()) {
    m_nodeActionTable.append(project_file::nodeActions(actions));
  }
}

void AppController::restoreQueryCaches(const QJsonObject& caches) {
  const auto restore = [&caches](const char* key, auto&& store) {
    for (const QJsonValue& item : caches.value(QLatin1String(key)).toArray()) {
      const QJsonObject entry = item.toObject();
      const int nodeIndex = project_file::wholeNumber(entry.value(QStringLiteral("nodeIndex")), -1);
      if (nodeIndex < 0) continue;
      store(nodeIndex, entry, entry.value(QStringLiteral("data")));
    }
  };
  restore("handStrategyByNode", [this](int node, const QJsonObject&, const QJsonValue& data) {
    m_handStrategyCache.insert(node, project_file::handStrategy(data));
  });
  restore("actionStatsByNode", [this](int node, const QJsonObject&, const QJsonValue& data) {
    m_actionStatsCache.insert(node, project_file::actionStats(data));
  });
  restore("handCombosByNode", [this](int node, const QJsonObject&, const QJsonValue& data) {
    m_handCombosCache.insert(node, project_file::handCombos(data));
  });
  restore("handBucketsByNode", [this](int node, const QJsonObject&, const QJsonValue& data) {
    m_handBucketsCache.insert(node, project_file::handBuckets(data));
  });
  restore("seatHandCombosByNode", [this](int node, const QJsonObject& e, const QJsonValue& data) {
    const QString seat = project_file::text(e.value(QStringLiteral("seat"))).trimmed().toUpper();
    QHash<int, QVariantList>* cache = seat == QStringLiteral("OOP")  ? &m_seatHandCombosOopCache
                                      : seat == QStringLiteral("IP") ? &m_seatHandCombosIpCache
                                                                     : nullptr;
    if (cache) cache->insert(node, project_file::seatHandCombos(data));
  });
}

// The tree is stored in pre-order, so every child comes after its parent and
// inside the tree. A node whose actions point anywhere else (outside the tree,
// or back up into a loop) keeps no actions and no cached answers: the pages
// see a node without data instead of following a link to nowhere.
void AppController::dropNodesWithBadChildren() {
  const int count = treeNodeCount();
  for (int node = 0; node < count; ++node) {
    bool bad = false;
    for (const QVariant& action : m_nodeActionTable.at(node)) {
      const int child = action.toMap().value(QStringLiteral("childIndex")).toInt();
      if (child <= node || child >= count) bad = true;
    }
    if (!bad) continue;
    qWarning() << "loadProject: node" << node << "links outside the tree; its data is dropped";
    m_nodeActionTable[node].clear();
    if (node < m_nodeMetaTable.size()) m_nodeMetaTable[node].insert(QStringLiteral("hasChildren"), false);
    m_handStrategyCache.remove(node);
    m_actionStatsCache.remove(node);
    m_handCombosCache.remove(node);
    m_handBucketsCache.remove(node);
    m_seatHandCombosOopCache.remove(node);
    m_seatHandCombosIpCache.remove(node);
  }
}
