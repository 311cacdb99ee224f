#include "backend/project_file/reader.h"

#include <QAnyStringView>
#include <QJsonArray>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

#include "session/action_labels.h"

namespace project_file {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// Probabilities and weights come from 32-bit floats: a bound may be passed
// by a rounding step.
constexpr double kRounding = 1e-6;

using Problem = Fault::Problem;
using Expected = Fault::Expected;

void noteRange(Fault& fault, QAnyStringView key, const QJsonValue& v, double minimum, double maximum) {
  if (fault) return;
  fault.problem = Problem::OutOfRange;
  fault.key = key.toString();
  fault.value = Fault::jsonText(v);
  fault.minimum = minimum;
  fault.maximum = maximum;
}

bool within(double d, double minimum, double maximum) {
  const double slack = kRounding * std::max(1.0, std::abs(maximum));
  return d >= minimum - (minimum == 0.0 ? 0.0 : slack) && d <= maximum + slack;
}

}  // namespace

// The key is a view, made a text only for a fault: the checks run over
// millions of values.
void noteType(Fault& fault, QAnyStringView key, const QJsonValue& v, Expected expected) {
  if (fault) return;
  fault.problem = Problem::WrongType;
  fault.key = key.toString();
  fault.value = Fault::jsonText(v);
  fault.expected = expected;
}

void noteMissing(Fault& fault, QAnyStringView key) {
  if (fault) return;
  fault.problem = Problem::Missing;
  fault.key = key.toString();
}

namespace {

// A value missing from a record: a fault when it is required.
bool missing(const QJsonValue& v, const char* key, bool required, Fault& fault) {
  if (!v.isUndefined()) return false;
  if (required) noteMissing(fault, QLatin1StringView(key));
  return true;
}

// `v` is not one of `choices`: noted with the choices as the file writes them.
void noteChoices(Fault& fault, const char* key, const QJsonValue& v, std::initializer_list<const char*> choices) {
  if (fault) return;
  QStringList allowed;
  for (const char* c : choices) allowed.append(QLatin1Char('"') + QLatin1String(c) + QLatin1Char('"'));
  noteType(fault, QLatin1StringView(key), v, Expected::OneOf);
  fault.choices = allowed.join(QStringLiteral(", "));
}

// `v`, under `key`, is what a node of type `type` does not have.
void noteNotAtNode(Fault& fault, const char* key, const QJsonValue& v, const QString& type) {
  if (fault) return;
  fault.problem = Problem::NotAtNode;
  fault.key = QLatin1StringView(key).toString();
  fault.value = Fault::jsonText(v);
  fault.choices = type;
}

}  // namespace

double checkedNumber(const QJsonValue& v, QAnyStringView key, double minimum, double maximum, bool nullable,
                     Fault& fault) {
  if (v.isNull() && nullable) return kNoValue;
  if (!v.isDouble()) {
    noteType(fault, key, v, Expected::Number);
    return 0.0;
  }
  const double d = v.toDouble();
  if (!std::isfinite(d) || !within(d, minimum, maximum)) {
    noteRange(fault, key, v, minimum, maximum);
    return 0.0;
  }
  return d;
}

QString checkedText(const QJsonValue& v, QAnyStringView key, Fault& fault) {
  if (!v.isString()) noteType(fault, key, v, Expected::Text);
  return v.toString();
}

int cardCode(const QString& text) {
  // ASCII letters only: a letter that Unicode upper-cases to a rank or a
  // suit ("\u017F" to "S") is no card the program writes.
  if (text.size() != 2 || text.at(0).unicode() >= 0x80 || text.at(1).unicode() >= 0x80) return -1;
  const char card[2] = {static_cast<char>(text.at(0).unicode()), static_cast<char>(text.at(1).unicode())};
  return velmora_app::card_code(std::string_view(card, 2));
}

int handClassCombos(const QString& label) {
  if (velmora_app::hand_class_index(label.toStdString()) < 0) return 0;
  return label.size() == 2 ? 6 : label.endsWith(QLatin1Char('s')) ? 4 : 12;
}

Fault wrongKindOfPart(const char* key, const QJsonValue& v, Fault::Expected kind) {
  Fault fault;
  const bool fits = v.isUndefined() || (kind == Expected::Object && v.isObject()) ||
                    (kind == Expected::List && v.isArray()) || (kind == Expected::Flag && v.isBool());
  if (!fits) noteType(fault, QLatin1StringView(key), v, kind);
  return fault;
}

// ---------------------------------------------------------------------------
// Record

Record::Record(const QJsonValue& record, Fault& f) : fault(f), m_record(record.toObject()) {
  if (!record.isObject()) noteType(fault, QString(), record, Expected::Object);
}

Record::Record(std::span<const QLatin1StringView> keys, std::span<const QJsonValue> values, Fault& f)
    : fault(f), m_keys(keys), m_values(values) {}

QJsonValue Record::value(const char* key) const {
  const qsizetype size = static_cast<qsizetype>(std::strlen(key));
  // The picked keys are compared by hand: a file holds millions of records.
  for (std::size_t i = 0; i < m_keys.size(); ++i) {
    if (m_keys[i].size() == size && std::memcmp(m_keys[i].data(), key, static_cast<std::size_t>(size)) == 0) {
      return m_values[i];
    }
  }
  return m_keys.empty() ? m_record.value(QLatin1StringView(key, size)) : QJsonValue(QJsonValue::Undefined);
}

QString Record::text(const char* key, bool required) {
  const QJsonValue v = value(key);
  return missing(v, key, required, fault) ? QString() : checkedText(v, QLatin1StringView(key), fault);
}

QString Record::choice(const char* key, std::initializer_list<const char*> choices, bool required) {
  const QJsonValue v = value(key);
  if (missing(v, key, required, fault)) return QString();
  const QString t = checkedText(v, QLatin1StringView(key), fault);
  if (fault) return t;
  for (const char* c : choices) {
    if (t == QLatin1StringView(c)) return t;
  }
  noteChoices(fault, key, v, choices);
  return QString();
}

bool Record::flag(const char* key, bool required) {
  const QJsonValue v = value(key);
  if (missing(v, key, required, fault)) return false;
  if (!v.isBool()) noteType(fault, QLatin1StringView(key), v, Expected::Flag);
  return v.toBool();
}

int Record::whole(const char* key, int minimum, int maximum, int fallback, bool required) {
  const QJsonValue v = value(key);
  if (missing(v, key, required, fault)) return fallback;
  const double d = v.toDouble();
  if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d)) {
    noteType(fault, QLatin1StringView(key), v, Expected::WholeNumber);
    return fallback;
  }
  if (d < minimum || d > maximum) {
    noteRange(fault, QLatin1StringView(key), v, minimum, maximum);
    return fallback;
  }
  return static_cast<int>(d);
}

double Record::number(const char* key, double minimum, double maximum, double fallback, bool nullable,
                      bool required) {
  const QJsonValue v = value(key);
  if (missing(v, key, required, fault)) return fallback;
  return checkedNumber(v, QLatin1StringView(key), minimum, maximum, nullable, fault);
}

double Record::figure(const char* key, bool required) {
  return number(key, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0.0, true, required);
}

// ---------------------------------------------------------------------------
// Records of "results"

QVariantMap rootAction(const QJsonValue& v, Fault& fault) {
  Record r(v, fault);
  QVariantMap out;
  out.insert(QStringLiteral("name"), r.text("name", true));
  out.insert(QStringLiteral("actionType"), r.text("actionType", true));
  out.insert(QStringLiteral("frequency"), r.share("frequency", true));
  return out;
}

ResultTree::Meta nodeMeta(Record& r, ResultTree& tree) {
  ResultTree::Meta meta;
  const QString type = r.choice("nodeType", {"decision", "chance", "terminal"}, true);
  const QString deal = r.choice("chanceDeal", {"", "turn", "river"}, true);
  const QString seat = r.choice("player", {"", "OOP", "IP"}, true);
  meta.pot = r.whole("pot", 0, INT_MAX, 0, true);
  meta.effectiveStack = r.whole("effectiveStack", 0, INT_MAX, 0, true);
  meta.investedOop = r.whole("investedOop", 0, INT_MAX, 0, true);
  meta.investedIp = r.whole("investedIp", 0, INT_MAX, 0, true);
  meta.hasChildren = r.flag("hasChildren", true);
  if (!r.fault) {
    const bool decision = type == QLatin1String("decision");
    const bool chance = type == QLatin1String("chance");
    // What the node's type needs first, then what it does not have.
    if (decision && seat.isEmpty()) noteChoices(r.fault, "player", r.value("player"), {"OOP", "IP"});
    if (chance && deal.isEmpty()) noteChoices(r.fault, "chanceDeal", r.value("chanceDeal"), {"turn", "river"});
    if (!chance && !deal.isEmpty()) noteNotAtNode(r.fault, "chanceDeal", r.value("chanceDeal"), type);
    if (!decision && !seat.isEmpty()) noteNotAtNode(r.fault, "player", r.value("player"), type);
  }
  meta.nodeType = tree.text(type);
  meta.chanceDeal = tree.text(deal);
  meta.player = tree.text(seat);
  return meta;
}

namespace {

// An action type as the solver's result gives it.
bool isActionType(const QString& type) {
  for (const char* plain : {"check", "bet", "call", "fold", "raise", "allin", "chance"}) {
    if (type == QLatin1StringView(plain)) return true;
  }
  // A bet or raise with its size as a whole percent of the pot: "bet 50%".
  const qsizetype space = type.indexOf(QLatin1Char(' '));
  if (space < 0) return false;
  const QStringView kind = QStringView(type).left(space);
  const QStringView size = QStringView(type).mid(space + 1);
  if (kind != QLatin1StringView("bet") && kind != QLatin1StringView("raise")) return false;
  if (size.size() < 2 || !size.endsWith(QLatin1Char('%'))) return false;
  return std::all_of(size.begin(), size.end() - 1,
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

ResultTree::Action nodeAction(Record& r, ResultTree& tree) {
  Fault& fault = r.fault;
  ResultTree::Action action;
  const QString name = r.text("name", true);
  const QString type = r.text("actionType", true);
  if (!fault && !isActionType(type)) {
    noteType(fault, QStringLiteral("actionType"), r.value("actionType"), Expected::ActionType);
  }
  if (!fault && type == QLatin1String("chance") && cardCode(name) < 0) {
    noteType(fault, QStringLiteral("name"), r.value("name"), Expected::Card);
  }
  action.name = tree.text(name);
  action.actionType = tree.text(type);
  action.frequency = r.share("frequency", true);
  action.childIndex = r.whole("childIndex", INT_MIN, INT_MAX, 0, true);
  return action;
}

// ---------------------------------------------------------------------------
// Locks and the last configuration

QVariantMap nodeLock(const QJsonValue& v, Fault& fault) {
  Record r(v, fault);
  QVariantMap out;
  out.insert(QStringLiteral("nodeIndex"), r.whole("nodeIndex", INT_MIN, INT_MAX, -1, true));
  if (!r.has("hand")) noteMissing(fault, QStringLiteral("hand"));
  const QString hand = r.text("hand");
  if (!fault && handClassCombos(hand) == 0) noteType(fault, QStringLiteral("hand"), r.value("hand"), Expected::HandClass);
  out.insert(QStringLiteral("hand"), hand);
  out.insert(QStringLiteral("actionIndex"), r.whole("actionIndex", INT_MIN, INT_MAX, -1, true));
  out.insert(QStringLiteral("actionProb"), r.number("actionProb", 0.0, 1.0, 1.0, false));
  return out;
}

namespace {

// The number a value stands for under Qt's variant conversions, or nothing.
std::optional<double> looseNumber(const QJsonValue& v) {
  if (v.isDouble()) return v.toDouble();
  if (v.isBool()) return v.toBool() ? 1.0 : 0.0;
  if (v.isString()) {
    bool ok = false;
    const double d = QVariant(v.toString()).toDouble(&ok);
    if (ok) return d;
  }
  return std::nullopt;
}

}  // namespace

QVariantMap solveConfig(const QJsonValue& v, Fault& fault) {
  if (!v.isObject()) {
    if (!v.isUndefined()) noteType(fault, QStringLiteral("lastUiCfg"), v, Expected::Object);
    return QVariantMap();
  }
  const QJsonObject obj = v.toObject();
  QVariantMap out = obj.toVariantMap();
  for (const char* key : {"starting_pot", "effective_stack", "max_iterations", "thread_count"}) {
    const QString k = QString::fromLatin1(key);
    if (!obj.contains(k)) continue;
    const std::optional<double> d = looseNumber(obj.value(k));
    const double r = d && std::isfinite(*d) ? std::round(*d) : 0.0;
    out.insert(k, r >= 0.0 && r <= INT_MAX ? static_cast<int>(r) : 0);
  }
  for (const char* key : {"rake_percent", "rake_cap", "target_exploitability", "oop_add_all_in_jam_threshold_pct",
                          "ip_add_all_in_jam_threshold_pct"}) {
    const QString k = QString::fromLatin1(key);
    if (!obj.contains(k)) continue;
    const std::optional<double> d = looseNumber(obj.value(k));
    out.insert(k, d && std::isfinite(*d) && *d >= 0.0 && *d <= 1e12 ? *d : 0.0);
  }
  return out;
}

}  // namespace project_file
