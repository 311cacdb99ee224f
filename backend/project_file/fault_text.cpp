#include <QCoreApplication>
#include <QLocale>

#include <cmath>

#include "backend/project_file/project_file.h"
#include "backend/shown_text.h"

namespace project_file {
namespace {

// The texts are the controller's, translated in its context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(AppController)
};

using Part = Fault::Part;
using Problem = Fault::Problem;

QString quoted(const QString& key) { return QLatin1Char('"') + key + QLatin1Char('"'); }

// The saved answers of a node, by the part they belong to.
QString savedAnswers(const Fault& f) {
  switch (f.part) {
    case Part::Strategy: return Text::tr("the saved strategy of node %1").arg(f.node);
    case Part::ActionStats: return Text::tr("the saved action figures of node %1").arg(f.node);
    case Part::Combos: return Text::tr("the saved combos of node %1").arg(f.node);
    case Part::Buckets: return Text::tr("the saved buckets of node %1").arg(f.node);
    case Part::OopCombos: return Text::tr("the saved OOP combos of node %1").arg(f.node);
    case Part::IpCombos: return Text::tr("the saved IP combos of node %1").arg(f.node);
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
      return hasKey ? Text::tr("\"%1\" of root action %2").arg(f.key).arg(entry) : Text::tr("root action %1").arg(entry);
    case Part::NodeMeta:
      return hasKey ? Text::tr("\"%1\" of node %2").arg(f.key).arg(f.node) : Text::tr("the record of node %1").arg(f.node);
    case Part::NodeAction:
      if (f.entry < 0) return Text::tr("the actions of node %1").arg(f.node);
      return hasKey ? Text::tr("\"%1\" of action %2 of node %3").arg(f.key).arg(entry).arg(f.node)
                    : Text::tr("action %1 of node %2").arg(entry).arg(f.node);
    case Part::Lock:
      return hasKey ? Text::tr("\"%1\" of node lock %2").arg(f.key).arg(entry) : Text::tr("node lock %1").arg(entry);
    case Part::Strategy:
    case Part::ActionStats:
    case Part::Combos:
    case Part::Buckets:
    case Part::OopCombos:
    case Part::IpCombos: {
      const QString answers = savedAnswers(f);
      if (f.entry >= 0) {
        return hasKey ? Text::tr("\"%1\" of row %2 in %3").arg(f.key).arg(entry).arg(answers)
                      : Text::tr("row %1 in %2").arg(entry).arg(answers);
      }
      return hasKey ? Text::tr("\"%1\" in %2").arg(f.key, answers) : answers;
    }
  }
  return key;
}

QString expected(const Fault& f) {
  switch (f.expected) {
    case Fault::Expected::Text: return Text::tr("a text");
    case Fault::Expected::Number: return Text::tr("a number");
    case Fault::Expected::WholeNumber: return Text::tr("a whole number");
    case Fault::Expected::Flag: return Text::tr("true or false");
    case Fault::Expected::List: return Text::tr("a list");
    case Fault::Expected::Object: return Text::tr("an object");
    case Fault::Expected::Card: return Text::tr("a card");
    case Fault::Expected::HandClass: return Text::tr("a hand class");
    case Fault::Expected::HandCategory: return Text::tr("a hand category");
    case Fault::Expected::Board: return Text::tr("a board of 3 to 5 different cards");
    case Fault::Expected::OneOf: return Text::tr("one of %1").arg(f.choices);
    case Fault::Expected::ActionType: return Text::tr("an action type");
  }
  return QString();
}

// The reason, naming the value.
QString reason(const Fault& f) {
  const QString at = place(f);
  const QString value = shown_text::piece(f.value);
  switch (f.problem) {
    case Problem::None: break;
    case Problem::Missing: return Text::tr("%1 is missing").arg(at);
    case Problem::WrongType: return Text::tr("%1 holds %2, not %3").arg(at, value, expected(f));
    case Problem::OutOfRange:
      return Text::tr("%1 is %2, outside the range %3 to %4").arg(at, value, plainNumber(f.minimum), plainNumber(f.maximum));
    case Problem::NotOne: return Text::tr("the action frequencies of node %1 add up to %2, not 1").arg(f.node).arg(value);
    case Problem::OnBoard: return Text::tr("%1 is %2, a card already on the board").arg(at, value);
    case Problem::Repeated: return Text::tr("%1 repeats the card %2").arg(at, value);
    case Problem::NoSuchNode: return Text::tr("%1 is %2, not a node of the game tree").arg(at, value);
    case Problem::NotDecision: return Text::tr("%1 is %2, a node where no player acts").arg(at, value);
    case Problem::NoSuchAction: return Text::tr("%1 is %2, not an action of its node").arg(at, value);
    case Problem::NoLaterNode:
      return Text::tr("%1 is %2, but node %3 is the last node of the game tree").arg(at, value).arg(f.node);
    case Problem::ReachedTwice: return Text::tr("node %1 is reached by more than one action").arg(f.node);
    case Problem::Unreached: return Text::tr("node %1 is reached by no action").arg(f.node);
    case Problem::CountDiffers: return Text::tr("%1: %2 entries for %3 actions").arg(at, value).arg(f.count);
    case Problem::SumNotOne: return Text::tr("%1 adds up to %2, not 1").arg(at, value);
    case Problem::RepeatedCombo: return Text::tr("%1 repeats the combo %2").arg(at, value);
    case Problem::NotTheTrees:
      return Text::tr("%1 is %2, where the game tree has %3").arg(at, value, shown_text::piece(f.treeValue));
    case Problem::NotTheRoots:
    case Problem::RootCountDiffers: return Text::tr("the root actions of its solve result are not those of its game tree");
    case Problem::NoResults: return Text::tr("it says it holds a solve result, but the result is missing");
    case Problem::NoTree: return Text::tr("its solve result holds no game tree");
    case Problem::TablesDiffer: return Text::tr("the node tables of its solve result do not fit together");
    case Problem::NotAtNode:
      return Text::tr("%1 holds %2, which a %3 node does not have").arg(at, value, quoted(f.choices));
    case Problem::ChildrenDiffer:
      return f.count > 0 ? Text::tr("%1 is false, but node %2 has actions").arg(at).arg(f.node)
                         : Text::tr("%1 is true, but node %2 has no actions").arg(at).arg(f.node);
    case Problem::NotTheSum:
      return Text::tr("%1 is %2, not the starting pot plus what both players put in (%3)")
          .arg(at, value, plainNumber(f.maximum));
    case Problem::NotAsAtRoot: return Text::tr("%1 is %2, not %3 as at node 0").arg(at, value).arg(f.count);
    case Problem::CardsOut:
      return Text::tr("%1 is %2, but the board holds %3 cards there").arg(at, value).arg(f.count);
    case Problem::ShortShowdown:
      return Text::tr("node %1 ends in a showdown with %2 cards on the board").arg(f.node).arg(f.count);
  }
  return QString();
}

}  // namespace

QString plainNumber(double v) {
  return QString::number(v, std::abs(v) < 1e9 ? 'f' : 'g', QLocale::FloatingPointShortest);
}

QString damagedFileText(const LoadedProject& loaded) {
  const QString why = reason(loaded.fault);
  return why.isEmpty() ? Text::tr("The project file is damaged") : Text::tr("The project file is damaged: %1").arg(why);
}

}  // namespace project_file
