#include "backend/project_file_reader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>

namespace project_file {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// A figure of at least 0 (combos, weights); unusable reads 0.
double amount(const QJsonValue& v) {
  const std::optional<double> d = number(v);
  return d && std::isfinite(*d) && *d >= 0.0 && *d <= kFigureLimit ? *d : 0.0;
}

double probability(const QJsonValue& v) {
  const std::optional<double> d = number(v);
  return d && std::isfinite(*d) ? std::clamp(*d, 0.0, 1.0) : 0.0;
}


enum class Kind { Text, Flag, Count, Index, Figure, Amount, Prob, Share, TextList, FigureList, ProbList, AmountMap,
                  TextMap, ProbListMap };

// The key is made once: every record read shares it, so a cache of
// millions of records does not hold a copy of its keys per record.
struct Field {
  QString key;
  Kind kind;
};
using Fields = std::initializer_list<Field>;

template <typename Read>
QVariantList listOf(const QJsonValue& v, Read read) {
  QVariantList out;
  for (const QJsonValue& item : v.toArray()) out.append(read(item));
  return out;
}

template <typename Read>
QVariantMap mapOf(const QJsonValue& v, Read read) {
  QVariantMap out;
  const QJsonObject obj = v.toObject();
  for (auto it = obj.constBegin(); it != obj.constEnd(); ++it) out.insert(it.key(), read(it.value()));
  return out;
}

QVariant read(Kind kind, const QJsonValue& v) {
  switch (kind) {
    case Kind::Text: return text(v);
    case Kind::Flag: return flag(v);
    case Kind::Count: return count(v);
    case Kind::Index: return wholeNumber(v, 0);
    case Kind::Figure: return figure(v);
    case Kind::Amount: return amount(v);
    case Kind::Prob: return probability(v);
    case Kind::Share: return share(v);
    case Kind::TextList: return listOf(v, text);
    case Kind::FigureList: return listOf(v, figure);
    case Kind::ProbList: return listOf(v, probability);
    case Kind::AmountMap: return mapOf(v, amount);
    case Kind::TextMap: return mapOf(v, text);
    case Kind::ProbListMap: return mapOf(v, [](const QJsonValue& row) { return listOf(row, probability); });
  }
  return QVariant();
}

QVariantMap record(const QJsonValue& v, Fields fields) {
  const QJsonObject obj = v.toObject();
  QVariantMap out;
  for (const Field& f : fields) out.insert(f.key, read(f.kind, obj.value(f.key)));
  return out;
}

QVariantList objectRecords(const QJsonValue& v, Fields fields) {
  QVariantList out;
  for (const QJsonValue& item : v.toArray()) {
    if (item.isObject()) out.append(record(item, fields));
  }
  return out;
}

const Fields kRootAction = {{"name", Kind::Text}, {"actionType", Kind::Text}, {"frequency", Kind::Share}};
const Fields kNodeAction = {
    {"name", Kind::Text}, {"actionType", Kind::Text}, {"frequency", Kind::Share}, {"childIndex", Kind::Index}};
const Fields kNodeMeta = {{"nodeType", Kind::Text},     {"chanceDeal", Kind::Text},  {"player", Kind::Text},
                          {"pot", Kind::Count},         {"effectiveStack", Kind::Count}, {"investedOop", Kind::Count},
                          {"investedIp", Kind::Count},  {"hasChildren", Kind::Flag}};
const Fields kHandStrategy = {{"weights", Kind::AmountMap},
                              {"dominantActionTypes", Kind::TextMap},
                              {"actionNames", Kind::TextList},
                              {"actionTypeList", Kind::TextList},
                              {"actionProbs", Kind::ProbListMap}};
const Fields kActionStat = {{"name", Kind::Text},     {"actionType", Kind::Text}, {"frequency", Kind::Share},
                            {"combos", Kind::Amount}, {"equity", Kind::Figure},   {"ev", Kind::Figure}};
const Fields kHandCombo = {{"c1", Kind::Text},           {"c2", Kind::Text},          {"weight", Kind::Amount},
                           {"ev", Kind::Figure},         {"actionEvs", Kind::FigureList}, {"buckets", Kind::TextList},
                           {"actionProbs", Kind::ProbList}};
const Fields kHandBucket = {{"name", Kind::Text}, {"combos", Kind::Amount}, {"actionProbs", Kind::ProbList}};
const Fields kSeatCombo = {{"c1", Kind::Text}, {"c2", Kind::Text}, {"weight", Kind::Amount}};

}  // namespace

double share(const QJsonValue& v) { return v.isNull() ? kNoValue : probability(v); }

std::optional<double> number(const QJsonValue& v) {
  if (v.isDouble()) return v.toDouble();
  if (v.isBool()) return v.toBool() ? 1.0 : 0.0;
  if (v.isString()) {
    bool ok = false;
    const double d = QVariant(v.toString()).toDouble(&ok);
    if (ok) return d;
  }
  return std::nullopt;
}

QString text(const QJsonValue& v) { return v.isObject() || v.isArray() ? QString() : v.toVariant().toString(); }

bool flag(const QJsonValue& v) { return v.isObject() || v.isArray() ? false : v.toVariant().toBool(); }

int wholeNumber(const QJsonValue& v, int fallback) {
  const std::optional<double> d = number(v);
  if (!d || !std::isfinite(*d)) return fallback;
  const double r = std::round(*d);
  return r >= INT_MIN && r <= INT_MAX ? static_cast<int>(r) : fallback;
}

int count(const QJsonValue& v) { return std::max(0, wholeNumber(v, 0)); }

double figure(const QJsonValue& v) {
  if (v.isNull()) return kNoValue;
  const std::optional<double> d = number(v);
  if (!d) return 0.0;
  return std::isfinite(*d) && std::abs(*d) <= kFigureLimit ? *d : kNoValue;
}

QVariantMap rootAction(const QJsonValue& v) { return record(v, kRootAction); }
QVariantMap nodeMeta(const QJsonValue& v) { return record(v, kNodeMeta); }
QVariantList nodeActions(const QJsonValue& v) {
  return listOf(v, [](const QJsonValue& item) { return record(item, kNodeAction); });
}
QVariantMap handStrategy(const QJsonValue& v) { return v.isObject() ? record(v, kHandStrategy) : QVariantMap(); }
QVariantList actionStats(const QJsonValue& v) { return objectRecords(v, kActionStat); }
QVariantList handCombos(const QJsonValue& v) { return objectRecords(v, kHandCombo); }
QVariantList handBuckets(const QJsonValue& v) { return objectRecords(v, kHandBucket); }
QVariantList seatHandCombos(const QJsonValue& v) { return objectRecords(v, kSeatCombo); }

QVariantMap solveConfig(const QJsonValue& v) {
  const QJsonObject obj = v.toObject();
  QVariantMap out = obj.toVariantMap();
  for (const char* key : {"starting_pot", "effective_stack", "max_iterations", "thread_count"}) {
    const QString k = QString::fromLatin1(key);
    if (obj.contains(k)) out.insert(k, count(obj.value(k)));
  }
  for (const char* key : {"rake_percent", "rake_cap", "target_exploitability", "oop_add_all_in_jam_threshold_pct",
                          "ip_add_all_in_jam_threshold_pct"}) {
    const QString k = QString::fromLatin1(key);
    if (obj.contains(k)) out.insert(k, amount(obj.value(k)));
  }
  return out;
}

}  // namespace project_file
