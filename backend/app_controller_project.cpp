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
#include <QSaveFile>

#include <cmath>
#include <exception>
#include <limits>
#include <optional>

#include "backend/app_controller.h"
#include "backend/platform/system_info.h"
#include "backend/app_controller_project_check.h"

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

// The reverse of the above for result data: a JSON null is a figure without value.
QVariant fromJsonResultValue(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null:
      return std::numeric_limits<double>::quiet_NaN();
    case QJsonValue::Object: {
      QVariantMap map;
      const QJsonObject obj = v.toObject();
      for (auto it = obj.constBegin(); it != obj.constEnd(); ++it) map.insert(it.key(), fromJsonResultValue(it.value()));
      return map;
    }
    case QJsonValue::Array: {
      QVariantList list;
      const QJsonArray arr = v.toArray();
      list.reserve(arr.size());
      for (const QJsonValue& item : arr) list.append(fromJsonResultValue(item));
      return list;
    }
    default:
      return v.toVariant();
  }
}

double figureOrNoValue(const QJsonValue& v) {
  if (v.isNull()) return std::numeric_limits<double>::quiet_NaN();
  return v.toDouble(0.0);
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

}  // namespace

// ---------------------------------------------------------------------------
// Saving

bool AppController::hasResultsToSave() const {
  return m_resultIterations > 0 || treeNodeCount() > 0 || !m_rootActions.isEmpty();
}

QVariantMap AppController::resultsSnapshot() const {
  QVariantMap results;
  results.insert(QStringLiteral("resultsSummary"), m_resultsSummary);
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
    if (!fileUrl.isValid() || !fileUrl.isLocalFile()) {
      qWarning() << "saveProject: invalid/non-local URL:" << fileUrl;
      return false;
    }
    const QString path = fileUrl.toLocalFile();
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

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      qWarning() << "saveProject: failed to open:" << path << file.errorString();
      return false;
    }
    if (file.write(text) != text.size()) {
      // Nothing reaches the target: the temporary file is dropped.
      qWarning() << "saveProject: commit failed:" << path << file.errorString();
      file.cancelWriting();
      return false;
    }
    if (!file.commit()) {
      qWarning() << "saveProject: commit failed:" << path << file.errorString();
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
    if (!fileUrl.isValid() || !fileUrl.isLocalFile()) return fail(tr("Invalid/non-local file URL"));
    const QString path = fileUrl.toLocalFile();
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

    // Every value is checked before anything is changed, so a damaged file
    // leaves the current project as it was.
    const std::optional<QString> badKey = project_check::findTypeError(root);
    if (badKey) return fail(tr("Invalid project file: \"%1\" has the wrong type").arg(*badKey));

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
    const bool hasResults = root.value(QStringLiteral("hasResults")).toBool(false);
    result.insert(QStringLiteral("project"), project);
    result.insert(QStringLiteral("hasResults"), hasResults);

    if (hasResults) {
      const QJsonObject results = root.value(QStringLiteral("results")).toObject();
      m_resultsSummary = results.value(QStringLiteral("resultsSummary")).toString();
      m_resultStartingPot = results.value(QStringLiteral("resultStartingPot")).toInt(0);
      m_resultIterations = results.value(QStringLiteral("resultIterations")).toInt(0);
      m_resultExploitability = figureOrNoValue(results.value(QStringLiteral("resultExploitability")));
      m_resultEvOop = figureOrNoValue(results.value(QStringLiteral("resultEvOop")));
      m_resultEvIp = figureOrNoValue(results.value(QStringLiteral("resultEvIp")));
      m_rootActions = fromJsonResultValue(results.value(QStringLiteral("rootActions"))).toList();
      for (const QJsonValue& meta : results.value(QStringLiteral("treeNodeMeta")).toArray()) {
        m_nodeMetaTable.append(fromJsonResultValue(meta).toMap());
      }
      for (const QJsonValue& actions : results.value(QStringLiteral("treeNodeActions")).toArray()) {
        m_nodeActionTable.append(fromJsonResultValue(actions).toList());
      }
    }

    const QJsonObject caches = root.value(QStringLiteral("nodeCaches")).toObject();
    if (!caches.isEmpty()) {
      const auto restore = [&caches](const QString& key, auto&& store) {
        for (const QJsonValue& item : caches.value(key).toArray()) {
          const QJsonObject entry = item.toObject();
          const int nodeIndex = entry.value(QStringLiteral("nodeIndex")).toInt(-1);
          if (nodeIndex < 0) continue;
          store(nodeIndex, entry);
        }
      };
      restore(QStringLiteral("handStrategyByNode"), [this](int node, const QJsonObject& e) {
        m_handStrategyCache.insert(node, fromJsonResultValue(e.value(QStringLiteral("data"))).toMap());
      });
      restore(QStringLiteral("actionStatsByNode"), [this](int node, const QJsonObject& e) {
        m_actionStatsCache.insert(node, fromJsonResultValue(e.value(QStringLiteral("data"))).toList());
      });
      restore(QStringLiteral("handCombosByNode"), [this](int node, const QJsonObject& e) {
        m_handCombosCache.insert(node, fromJsonResultValue(e.value(QStringLiteral("data"))).toList());
      });
      restore(QStringLiteral("handBucketsByNode"), [this](int node, const QJsonObject& e) {
        m_handBucketsCache.insert(node, fromJsonResultValue(e.value(QStringLiteral("data"))).toList());
      });
      restore(QStringLiteral("seatHandCombosByNode"), [this](int node, const QJsonObject& e) {
        const QString seat = e.value(QStringLiteral("seat")).toString().trimmed().toUpper();
        QHash<int, QVariantList>* cache = seat == QStringLiteral("OOP")  ? &m_seatHandCombosOopCache
                                          : seat == QStringLiteral("IP") ? &m_seatHandCombosIpCache
                                                                         : nullptr;
        if (cache) cache->insert(node, fromJsonResultValue(e.value(QStringLiteral("data"))).toList());
      });
    }

    m_nodeLockTable = parseNodeLocks(root.value(QStringLiteral("nodeLocks")).toArray().toVariantList());
    m_lastUiCfg = root.value(QStringLiteral("lastUiCfg")).toObject().toVariantMap();

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
