#include "backend/project_file/fault_text.h"

#include <QLocale>

#include <cmath>

#include "backend/app_controller.h"
#include "backend/shown_text.h"

namespace project_fault_text {
namespace {

using project_file::Fault;
using Part = Fault::Part;
using Problem = Fault::Problem;

QString quoted(const QString& key) { return QLatin1Char('"') + key + QLatin1Char('"'); }

// The saved answers of a node, by the part they belong to.
QString savedAnswers(const Fault& f) {
  switch (f.part) {
    case Part::Strategy: return AppController::tr("the saved strategy of node %1").arg(f.node);
    case Part::ActionStats: return AppController::tr("the saved action figures of node %1").arg(f.node);
    case Part::Combos: return AppController::tr("the saved combos of node %1").arg(f.node);
    case Part::Buckets: return AppController::tr("the saved buckets of node %1").arg(f.node);
    case Part::OopCombos: return AppController::tr("the saved OOP combos of node %1").arg(f.node);
    case Part::IpCombos: return AppController::tr("the saved IP combos of node %1").arg(f.node);
    default: break;
  }
  return QString();
}

// Where the value sits: its key and the record it belongs to.
QString place(const Fault& f) {
  const QString key = quoted(f.key);
  const bool hasKey = !f.key.isEmpty();
  const int entry = f.entry + 1;
  switch (f.part) {
    case Part::File:
    case Part::Project:
    case Part::Results: return key;
    case Part::RootAction:
      return hasKey ? AppController::tr("\"%1\" of root action %2").arg(f.key).arg(entry) : AppController::tr("root action %1").arg(entry);
    case Part::NodeMeta:
      return hasKey ? AppController::tr("\"%1\" of node %2").arg(f.key).arg(f.node) : AppController::tr("the record of node %1").arg(f.node);
    case Part::NodeAction:
      if (f.entry < 0) return AppController::tr("the actions of node %1").arg(f.node);
      return hasKey ? AppController::tr("\"%1\" of action %2 of node %3").arg(f.key).arg(entry).arg(f.node)
                    : AppController::tr("action %1 of node %2").arg(entry).arg(f.node);
    case Part::Lock:
      return hasKey ? AppController::tr("\"%1\" of node lock %2").arg(f.key).arg(entry) : AppController::tr("node lock %1").arg(entry);
    case Part::Strategy:
    case Part::ActionStats:
    case Part::Combos:
    case Part::Buckets:
    case Part::OopCombos:
    case Part::IpCombos: {
      const QString answers = savedAnswers(f);
      if (f.entry >= 0) {
        return hasKey ? AppController::tr("\"%1\" of row %2 in %3").arg(f.key).arg(entry).arg(answers)
                      : AppController::tr("row %1 in %2").arg(entry).arg(answers);
      }
      return hasKey ? AppController::tr("\"%1\" in %2").arg(f.key, answers) : answers;
    }
  }
  return key;
}

QString expected(const Fault& f) {
  switch (f.expected) {
    case Fault::Expected::Text: return AppController::tr("a text");
    case Fault::Expected::Number: return AppController::tr("a number");
    case Fault::Expected::WholeNumber: return AppController::tr("a whole number");
    case Fault::Expected::Flag: return AppController::tr("true or false");
    case Fault::Expected::List: return AppController::tr("a list");
    case Fault::Expected::Object: return AppController::tr("an object");
    case Fault::Expected::Card: return AppController::tr("a card");
    case Fault::Expected::HandClass: return AppController::tr("a hand class");
    case Fault::Expected::Board: return AppController::tr("a board of 3 to 5 different cards");
    case Fault::Expected::OneOf: return AppController::tr("one of %1").arg(f.choices);
  }
  return QString();
}

// The reason, naming the value.
QString reason(const Fault& f) {
  const QString at = place(f);
  const QString value = shown_text::piece(f.value);
  switch (f.problem) {
    case Problem::None: break;
    case Problem::Missing: return AppController::tr("%1 is missing").arg(at);
    case Problem::WrongType: return AppController::tr("%1 holds %2, not %3").arg(at, value, expected(f));
    case Problem::OutOfRange:
      return AppController::tr("%1 is %2, outside the range %3 to %4").arg(at, value, plainNumber(f.minimum), plainNumber(f.maximum));
    case Problem::NotOne: return AppController::tr("the action frequencies of node %1 add up to %2, not 1").arg(f.node).arg(value);
    case Problem::OnBoard: return AppController::tr("%1 is %2, a card already on the board").arg(at, value);
    case Problem::Repeated: return AppController::tr("%1 repeats the card %2").arg(at, value);
    case Problem::NoSuchNode: return AppController::tr("%1 is %2, not a node of the game tree").arg(at, value);
    case Problem::NotDecision: return AppController::tr("%1 is %2, a node where no player acts").arg(at, value);
    case Problem::NoSuchAction: return AppController::tr("%1 is %2, not an action of its node").arg(at, value);
    case Problem::NoLaterNode:
      return AppController::tr("%1 is %2, but node %3 is the last node of the game tree").arg(at, value).arg(f.node);
    case Problem::ReachedTwice: return AppController::tr("node %1 is reached by more than one action").arg(f.node);
    case Problem::Unreached: return AppController::tr("node %1 is reached by no action").arg(f.node);
    case Problem::CountDiffers: return AppController::tr("%1: %2 entries for %3 actions").arg(at, value).arg(f.count);
    case Problem::NotTheRoots: return AppController::tr("the root actions of its solve result are not those of its game tree");
  }
  return QString();
}

}  // namespace

QString plainNumber(double v) {
  return QString::number(v, std::abs(v) < 1e9 ? 'f' : 'g', QLocale::FloatingPointShortest);
}

QString damagedFileText(const project_file::LoadedProject& loaded) {
  using Damage = project_file::LoadedProject::Damage;
  QString why;
  switch (loaded.damage) {
    case Damage::Unspecified: why = reason(loaded.fault); break;
    case Damage::ResultsMissing: why = AppController::tr("it says it holds a solve result, but the result is missing"); break;
    case Damage::NoTree: why = AppController::tr("its solve result holds no game tree"); break;
    case Damage::TablesDiffer: why = AppController::tr("the node tables of its solve result do not fit together"); break;
    case Damage::RootActionsDiffer:
      why = AppController::tr("the root actions of its solve result are not those of its game tree");
      break;
  }
  return why.isEmpty() ? AppController::tr("The project file is damaged") : AppController::tr("The project file is damaged: %1").arg(why);
}

}  // namespace project_fault_text
