// Type check of a project file: every value the loader reads must have the
// JSON type the writer gives it. A figure may be null (a value that was not
// finite when saved).
#include "backend/app_controller_project_check.h"

#include <QJsonArray>
#include <QJsonValue>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace project_check {
namespace {

enum class Kind { Text, Int, Number, Figure, Bool, Object, Array };

using Field = std::pair<const char*, Kind>;
using Error = std::optional<QString>;

bool fits(const QJsonValue& v, Kind kind) {
  switch (kind) {
    case Kind::Text: return v.isString();
    case Kind::Int: {
      if (!v.isDouble()) return false;
      const double d = v.toDouble();
      return std::isfinite(d) && d >= INT_MIN && d <= INT_MAX;
    }
    case Kind::Number: return v.isDouble();
    case Kind::Figure: return v.isDouble() || v.isNull();
    case Kind::Bool: return v.isBool();
    case Kind::Object: return v.isObject();
    case Kind::Array: return v.isArray();
  }
  return false;
}

// Checks the listed keys of one object; absent keys pass.
Error checkFields(const QJsonObject& obj, const QString& where, std::initializer_list<Field> fields) {
  for (const Field& f : fields) {
    const QString key = QString::fromLatin1(f.first);
    if (!obj.contains(key)) continue;
    if (!fits(obj.value(key), f.second)) return where.isEmpty() ? key : where + QLatin1Char('.') + key;
  }
  return std::nullopt;
}

QString at(const QString& where, qsizetype i) { return QStringLiteral("%1[%2]").arg(where).arg(i); }

// An array whose entries are objects, each checked with `fields`.
Error checkObjectArray(const QJsonValue& v, const QString& where, std::initializer_list<Field> fields) {
  const QJsonArray arr = v.toArray();
  for (qsizetype i = 0; i < arr.size(); ++i) {
    if (!arr.at(i).isObject()) return at(where, i);
    if (Error e = checkFields(arr.at(i).toObject(), at(where, i), fields)) return e;
  }
  return std::nullopt;
}

const std::initializer_list<Field> kActionFields = {
    {"name", Kind::Text}, {"actionType", Kind::Text}, {"frequency", Kind::Figure}, {"childIndex", Kind::Int}};

Error checkResults(const QJsonObject& results) {
  if (Error e = checkFields(results, QStringLiteral("results"),
                            {{"resultsSummary", Kind::Text},
                             {"resultStartingPot", Kind::Int},
                             {"resultIterations", Kind::Int},
                             {"resultExploitability", Kind::Figure},
                             {"resultEvOop", Kind::Figure},
                             {"resultEvIp", Kind::Figure},
                             {"rootActions", Kind::Array},
                             {"treeNodeMeta", Kind::Array},
                             {"treeNodeActions", Kind::Array}})) {
    return e;
  }
  if (Error e = checkObjectArray(results.value(QStringLiteral("rootActions")), QStringLiteral("results.rootActions"),
                                 {{"name", Kind::Text}, {"actionType", Kind::Text}, {"frequency", Kind::Figure}})) {
    return e;
  }
  if (Error e = checkObjectArray(results.value(QStringLiteral("treeNodeMeta")), QStringLiteral("results.treeNodeMeta"),
                                 {{"nodeType", Kind::Text},
                                  {"chanceDeal", Kind::Text},
                                  {"player", Kind::Text},
                                  {"pot", Kind::Int},
                                  {"effectiveStack", Kind::Int},
                                  {"investedOop", Kind::Int},
                                  {"investedIp", Kind::Int},
                                  {"hasChildren", Kind::Bool}})) {
    return e;
  }
  const QString where = QStringLiteral("results.treeNodeActions");
  const QJsonArray nodes = results.value(QStringLiteral("treeNodeActions")).toArray();
  for (qsizetype i = 0; i < nodes.size(); ++i) {
    if (!nodes.at(i).isArray()) return at(where, i);
    if (Error e = checkObjectArray(nodes.at(i), at(where, i), kActionFields)) return e;
  }
  return std::nullopt;
}

Error checkCaches(const QJsonObject& caches) {
  const std::pair<const char*, Kind> arrays[] = {
      {"handStrategyByNode", Kind::Object}, {"actionStatsByNode", Kind::Array},  {"handCombosByNode", Kind::Array},
      {"handBucketsByNode", Kind::Array},   {"seatHandCombosByNode", Kind::Array},
  };
  for (const auto& [name, dataKind] : arrays) {
    const QString key = QString::fromLatin1(name);
    const QString where = QStringLiteral("nodeCaches.") + key;
    if (!caches.contains(key)) continue;
    if (!caches.value(key).isArray()) return where;
    const QJsonArray entries = caches.value(key).toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!entries.at(i).isObject()) return at(where, i);
      const QJsonObject entry = entries.at(i).toObject();
      if (Error e = checkFields(entry, at(where, i),
                                {{"nodeIndex", Kind::Int}, {"seat", Kind::Text}, {"data", dataKind}})) {
        return e;
      }
      // Lists of per-combo or per-action records hold objects only.
      if (dataKind == Kind::Array) {
        const QJsonArray rows = entry.value(QStringLiteral("data")).toArray();
        for (qsizetype r = 0; r < rows.size(); ++r) {
          if (!rows.at(r).isObject()) return at(at(where, i) + QStringLiteral(".data"), r);
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<QString> findTypeError(const QJsonObject& root) {
  if (Error e = checkFields(root, QString(),
                            {{"project", Kind::Object},
                             {"hasResults", Kind::Bool},
                             {"results", Kind::Object},
                             {"nodeCaches", Kind::Object},
                             {"nodeLocks", Kind::Array},
                             {"lastUiCfg", Kind::Object}})) {
    return e;
  }
  if (Error e = checkResults(root.value(QStringLiteral("results")).toObject())) return e;
  if (Error e = checkCaches(root.value(QStringLiteral("nodeCaches")).toObject())) return e;
  return checkObjectArray(root.value(QStringLiteral("nodeLocks")), QStringLiteral("nodeLocks"),
                          {{"nodeIndex", Kind::Int}, {"hand", Kind::Text}, {"actionIndex", Kind::Int},
                           {"actionProb", Kind::Number}});
}

}  // namespace project_check
