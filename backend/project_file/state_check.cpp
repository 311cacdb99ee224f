#include "backend/project_file/state_check.h"

#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace project_file {
namespace {

struct FieldRange {
  const char* key;
  double minimum;
  double maximum;
  bool whole;        // an integer field: the value is rounded first
  bool blankAllowed; // 0 stands for a spot not set up yet
};

// The Game Settings card, then the jam thresholds of the two sizing cards.
// The same ranges as LIMITS in Velmora/qml/pages/project/profiles.js, which
// clamps what the page restores: a change here is made there too.
constexpr FieldRange kFields[] = {
    {"startingPot", 1, kMostChips, true, true},
    {"effectiveStack", 1, kMostChips, true, true},
    {"rakePercent", 0, 100, false, false},
    {"rakeCap", 0, kMostRakeCap, true, false},
    {"targetExploitability", 0, 100, false, false},
    {"oopAddAllInIfJamLtPct", 0, 1000, false, false},
    {"ipAddAllInIfJamLtPct", 0, 1000, false, false},
};

// A JSON number, or a text in plain decimal notation with a point.
std::optional<double> numberOf(const QJsonValue& v) {
  if (v.isDouble()) return v.toDouble();
  if (!v.isString()) return std::nullopt;
  static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
  const QString text = v.toString().trimmed();
  if (!plain.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double d = text.toDouble(&ok);
  // A text too large for a double is out of every range.
  if (!ok) return text.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                                    : std::numeric_limits<double>::infinity();
  return d;
}

enum class Type { Text, Count, Street, Real, Flag };

struct KeyType {
  const char* key;
  Type type;
};

// The shell's project state keys and the types of its properties, in its
// order (Velmora/qml/components/ProjectState.js keeps the same list).
constexpr KeyType kKeys[] = {
    {"boardText", Type::Text},
    {"oopRangeText", Type::Text},
    {"ipRangeText", Type::Text},
    {"betSizesText", Type::Text},
    {"maxIterations", Type::Count},
    {"startingPot", Type::Count},
    {"effectiveStack", Type::Count},
    {"threadCount", Type::Count},
    {"startingStreet", Type::Street},
    {"targetExploitability", Type::Real},
    {"rakePercent", Type::Real},
    {"rakeCap", Type::Count},
    {"oopFlopBetSizesText", Type::Text},
    {"oopTurnBetSizesText", Type::Text},
    {"oopRiverBetSizesText", Type::Text},
    {"oopFlopRaiseSizesText", Type::Text},
    {"oopTurnRaiseSizesText", Type::Text},
    {"oopRiverRaiseSizesText", Type::Text},
    {"oopFlopAddAllIn", Type::Flag},
    {"oopTurnAddAllIn", Type::Flag},
    {"oopRiverAddAllIn", Type::Flag},
    {"oopFlopDontDonk", Type::Flag},
    {"oopTurnDontDonk", Type::Flag},
    {"oopRiverDontDonk", Type::Flag},
    {"ipFlopBetSizesText", Type::Text},
    {"ipTurnBetSizesText", Type::Text},
    {"ipRiverBetSizesText", Type::Text},
    {"ipFlopRaiseSizesText", Type::Text},
    {"ipTurnRaiseSizesText", Type::Text},
    {"ipRiverRaiseSizesText", Type::Text},
    {"ipFlopAddAllIn", Type::Flag},
    {"ipTurnAddAllIn", Type::Flag},
    {"ipRiverAddAllIn", Type::Flag},
    {"oopAddAllInIfJamLtEnabled", Type::Flag},
    {"oopAddAllInIfJamLtPct", Type::Real},
    {"ipAddAllInIfJamLtEnabled", Type::Flag},
    {"ipAddAllInIfJamLtPct", Type::Real},
};

// Largest count the shell's 32-bit properties hold.
constexpr double kCountLimit = 2147483647.0;

Fault wrongType(const QString& key, const QJsonValue& v, Fault::Expected expected) {
  Fault f;
  f.problem = Fault::Problem::WrongType;
  f.part = Fault::Part::Project;
  f.key = key;
  f.value = Fault::jsonText(v);
  f.expected = expected;
  return f;
}

}  // namespace

Fault projectTypeFault(const QJsonObject& project) {
  for (const KeyType& k : kKeys) {
    const QString key = QString::fromLatin1(k.key);
    const QJsonValue v = project.value(key);
    if (v.isUndefined()) continue;
    switch (k.type) {
      case Type::Text:
        if (!v.isString()) return wrongType(key, v, Fault::Expected::Text);
        break;
      case Type::Flag:
        if (!v.isBool() && v != QJsonValue(QStringLiteral("true")) && v != QJsonValue(QStringLiteral("false"))) {
          return wrongType(key, v, Fault::Expected::Flag);
        }
        break;
      case Type::Street:
        if (v != QJsonValue(QStringLiteral("flop")) && v != QJsonValue(QStringLiteral("turn")) &&
            v != QJsonValue(QStringLiteral("river"))) {
          Fault f = wrongType(key, v, Fault::Expected::OneOf);
          f.choices = QStringLiteral("\"flop\", \"turn\", \"river\"");
          return f;
        }
        break;
      case Type::Real:
      case Type::Count: {
        if (k.type == Type::Real && v.isNull()) break;
        const std::optional<double> d = numberOf(v);
        if (!d || !std::isfinite(*d)) return wrongType(key, v, Fault::Expected::Number);
        if (k.type == Type::Count && !(std::round(*d) >= 0.0 && std::round(*d) <= kCountLimit)) {
          Fault f;
          f.problem = Fault::Problem::OutOfRange;
          f.part = Fault::Part::Project;
          f.key = key;
          f.value = Fault::jsonText(v);
          f.minimum = 0.0;
          f.maximum = kCountLimit;
          return f;
        }
        break;
      }
    }
  }
  return Fault();
}

std::optional<ValueOutOfRange> valueOutOfRange(const QJsonObject& project) {
  for (const FieldRange& field : kFields) {
    const QString key = QString::fromLatin1(field.key);
    const std::optional<double> read = numberOf(project.value(key));
    if (!read) continue;
    const double v = field.whole && std::isfinite(*read) ? std::round(*read) : *read;
    if (field.blankAllowed && v == 0.0) continue;
    if (!(v >= field.minimum && v <= field.maximum)) {
      return ValueOutOfRange{key, *read, field.minimum, field.maximum};
    }
  }
  return std::nullopt;
}

}  // namespace project_file
