#include "backend/project_file/fault.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace project_file {
namespace {

// A value's JSON text grows only to about this length: a list or an object
// can be the size of the whole file.
constexpr qsizetype kShownLength = 48;

QString scalarText(const QJsonValue& v) {
  return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

void append(QString& out, const QJsonValue& v) {
  if (out.size() > kShownLength) return;
  if (v.isArray()) {
    out += QLatin1Char('[');
    const QJsonArray a = v.toArray();
    for (qsizetype i = 0; i < a.size() && out.size() <= kShownLength; ++i) {
      if (i > 0) out += QLatin1Char(',');
      append(out, a.at(i));
    }
    out += QLatin1Char(']');
  } else if (v.isObject()) {
    out += QLatin1Char('{');
    const QJsonObject o = v.toObject();
    bool first = true;
    for (auto it = o.constBegin(); it != o.constEnd() && out.size() <= kShownLength; ++it) {
      if (!first) out += QLatin1Char(',');
      first = false;
      out += scalarText(it.key()) + QLatin1Char(':');
      append(out, it.value());
    }
    out += QLatin1Char('}');
  } else {
    out += scalarText(v);
  }
}

const char* partName(Fault::Part part) {
  switch (part) {
    case Fault::Part::File: return "file";
    case Fault::Part::Project: return "project";
    case Fault::Part::Results: return "results";
    case Fault::Part::RootAction: return "root action";
    case Fault::Part::NodeMeta: return "node meta";
    case Fault::Part::NodeAction: return "node action";
    case Fault::Part::Strategy: return "saved strategy";
    case Fault::Part::ActionStats: return "saved action stats";
    case Fault::Part::Combos: return "saved combos";
    case Fault::Part::Buckets: return "saved buckets";
    case Fault::Part::OopCombos: return "saved OOP combos";
    case Fault::Part::IpCombos: return "saved IP combos";
    case Fault::Part::Lock: return "node lock";
  }
  return "";
}

const char* problemName(Fault::Problem problem) {
  switch (problem) {
    case Fault::Problem::None: return "none";
    case Fault::Problem::Missing: return "missing";
    case Fault::Problem::WrongType: return "wrong type";
    case Fault::Problem::OutOfRange: return "out of range";
    case Fault::Problem::NotOne: return "frequencies do not add up to 1";
    case Fault::Problem::OnBoard: return "card on the board";
    case Fault::Problem::Repeated: return "card repeated";
    case Fault::Problem::NoSuchNode: return "no such node";
    case Fault::Problem::NotDecision: return "not a decision node";
    case Fault::Problem::NoSuchAction: return "no such action";
    case Fault::Problem::NoLaterNode: return "an action of the last node";
    case Fault::Problem::ReachedTwice: return "reached twice";
    case Fault::Problem::Unreached: return "unreached";
    case Fault::Problem::CountDiffers: return "one entry per action expected";
    case Fault::Problem::NotTheRoots: return "not the root's actions";
    case Fault::Problem::SumNotOne: return "probabilities do not add up to 1";
    case Fault::Problem::RepeatedCombo: return "combo repeated";
    case Fault::Problem::NotTheTrees: return "differs from the game tree";
    case Fault::Problem::NoResults: return "no results";
    case Fault::Problem::NoTree: return "no node";
    case Fault::Problem::TablesDiffer: return "node tables differ";
    case Fault::Problem::RootCountDiffers: return "root actions differ";
    case Fault::Problem::NotAtNode: return "not at such a node";
    case Fault::Problem::ChildrenDiffer: return "does not fit the node's actions";
    case Fault::Problem::NotTheSum: return "not the starting pot plus the chips put in";
    case Fault::Problem::NotAsAtRoot: return "not as at the root";
    case Fault::Problem::CardsOut: return "does not fit the cards out";
    case Fault::Problem::ShortShowdown: return "a showdown before the river";
  }
  return "";
}

}  // namespace

QString Fault::jsonText(const QJsonValue& v) {
  QString out;
  append(out, v);
  if (out.size() > kShownLength) out = out.left(kShownLength) + QStringLiteral("…");
  return out;
}

QString Fault::jsonText(const QVariant& v) { return jsonText(QJsonValue::fromVariant(v)); }

QString Fault::logText() const {
  switch (problem) {
    case Problem::NoResults: return QStringLiteral("\"hasResults\" is true but there are no \"results\"");
    case Problem::NoTree: return QStringLiteral("the results hold no node");
    case Problem::TablesDiffer: return QStringLiteral("%1 meta records for %2 nodes").arg(value).arg(count);
    case Problem::RootCountDiffers:
      return QStringLiteral("%1 root actions for a root of %2 actions").arg(value).arg(count);
    default: break;
  }
  QString out = QString::fromLatin1(partName(part));
  if (node >= 0) out += QStringLiteral(" of node %1").arg(node);
  if (entry >= 0) out += QStringLiteral(", entry %1").arg(entry);
  if (!key.isEmpty()) out += QStringLiteral(", \"%1\"").arg(key);
  out += QStringLiteral(": ") + QString::fromLatin1(problemName(problem));
  if (!value.isEmpty()) out += QStringLiteral(" (") + value + QLatin1Char(')');
  return out;
}

}  // namespace project_file
