#include "backend/project_file_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace project_file {
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

template <typename Value>
QJsonArray cacheArray(const QHash<int, Value>& cache, const QString& seat = QString()) {
  QJsonArray out;
  for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
    QJsonObject entry;
    entry.insert(QStringLiteral("nodeIndex"), it.key());
    if (!seat.isEmpty()) entry.insert(QStringLiteral("seat"), seat);
    entry.insert(QStringLiteral("data"), toJsonValue(QVariant(it.value())));
    out.append(entry);
  }
  return out;
}

}  // namespace

QByteArray projectText(const ProjectSnapshot& s) {
  QJsonObject root;
  root.insert(QStringLiteral("format"), kFormatTag);
  root.insert(QStringLiteral("version"), kProjectVersion);
  root.insert(QStringLiteral("project"), toJsonValue(s.project));
  root.insert(QStringLiteral("hasResults"), s.hasResults);
  if (s.hasResults) {
    QJsonObject results = toJsonValue(s.resultFigures).toObject();
    results.insert(QStringLiteral("treeNodeMeta"), s.tree ? s.tree->metaJson() : QJsonArray());
    results.insert(QStringLiteral("treeNodeActions"), s.tree ? s.tree->actionsJson() : QJsonArray());
    root.insert(QStringLiteral("results"), results);

    QJsonObject caches;
    caches.insert(QStringLiteral("handStrategyByNode"), cacheArray(s.caches.handStrategy));
    caches.insert(QStringLiteral("actionStatsByNode"), cacheArray(s.caches.actionStats));
    caches.insert(QStringLiteral("handCombosByNode"), cacheArray(s.caches.handCombos));
    caches.insert(QStringLiteral("handBucketsByNode"), cacheArray(s.caches.handBuckets));
    QJsonArray seats = cacheArray(s.caches.seatHandCombosOop, QStringLiteral("OOP"));
    for (const QJsonValue& entry : cacheArray(s.caches.seatHandCombosIp, QStringLiteral("IP"))) seats.append(entry);
    caches.insert(QStringLiteral("seatHandCombosByNode"), seats);
    root.insert(QStringLiteral("nodeCaches"), caches);
  }
  root.insert(QStringLiteral("nodeLocks"), toJsonValue(s.nodeLocks));
  root.insert(QStringLiteral("lastUiCfg"), toJsonValue(s.lastUiCfg));
  const QJsonDocument doc(root);
  if (doc.isNull()) return QByteArray();
  return doc.toJson(QJsonDocument::Indented);
}

}  // namespace project_file
