// A value of a project file that this program would not have written: where
// it sits, what the file holds there and what is wrong with it. Reading a
// file notes the first such value and refuses the file with it; the
// controller words it for the user (damagedFileText, project_file.h).
#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariant>

namespace project_file {

struct Fault {
  enum class Problem {
    None,
    Missing,       // a value the record must hold is not there
    WrongType,     // `value` is not `expected`
    OutOfRange,    // `value` lies outside [minimum, maximum]
    NotOne,        // the action frequencies of `node` add up to `value`
    OnBoard,       // the card `value` is on the board at `node`
    Repeated,      // the card `value` is held or dealt a second time
    NoSuchNode,    // `value` names no node of the game tree
    NotDecision,   // `value` names a node where no seat acts
    NoSuchAction,  // `value` names no action of its node
    NoLaterNode,   // an action of `node`, the tree's last node, leads to `value`
    ReachedTwice,  // more than one action leads to `node`
    Unreached,     // no action leads to `node`
    CountDiffers,  // a per-action list of `value` entries at a node of `count` actions
    NotTheRoots,   // the root actions are not those of the tree's root
    SumNotOne,     // the probabilities of a row add up to `value`, neither 1 nor 0
    RepeatedCombo, // the combo `value` is listed a second time
    NotTheTrees,   // `value` where the node's action in the game tree has `treeValue`
    // The result as a whole, found before its values are checked:
    NoResults,         // the file says it holds a result, but has no "results"
    NoTree,            // the result holds no node
    TablesDiffer,      // `value` meta records for `count` nodes
    RootCountDiffers,  // `value` root actions for a root of `count` actions
    // A node against its type, its figures and the cards out at it:
    NotAtNode,       // `value` under `key`, which a node of type `choices` does not hold
    ChildrenDiffer,  // "hasChildren" is `value` at a node of `count` actions
    NotTheSum,       // the pot `value` is not the starting pot plus both seats' chips (`maximum`)
    NotAsAtRoot,     // `value` where the root holds `count`
    CardsOut,        // `value` deals a card where the board holds `count` cards
    ShortShowdown,   // `node` ends in a showdown with `count` cards on the board
  };
  // What a value must be, for WrongType.
  enum class Expected {
    Text, Number, WholeNumber, Flag, List, Object, Card, HandClass, HandCategory, Board, OneOf, ActionType
  };
  // The part of the file the value belongs to.
  enum class Part {
    File,        // the top level ("project", "results", ...)
    Project,     // the project state
    Results,     // the result figures
    RootAction,  // one of "rootActions" (`entry`)
    NodeMeta,    // the meta record of `node`
    NodeAction,  // action `entry` of `node`
    Strategy,    // the saved answers of `node`, row `entry` where they are lists
    ActionStats,
    Combos,
    Buckets,
    OopCombos,
    IpCombos,
    Lock,        // one of "nodeLocks" (`entry`)
  };

  Problem problem = Problem::None;
  Part part = Part::File;
  int node = -1;   // the node the value belongs to
  int entry = -1;  // the place of its record in its list, from 0
  // The key, with what lies below it: "frequency", "weights[AKs]",
  // "actionProbs[AKs][1]"; empty for a whole record.
  QString key;
  QString value;     // what the file holds there, as compact JSON
  Expected expected = Expected::Text;
  // With OneOf: the values allowed, as the file writes them; with NotAtNode:
  // the node's type.
  QString choices;
  QString treeValue; // with NotTheTrees: what the game tree holds, as compact JSON
  double minimum = 0.0;
  double maximum = 0.0;
  // With CountDiffers, TablesDiffer, RootCountDiffers: what `value` should be;
  // with ChildrenDiffer, NotAsAtRoot, CardsOut, ShortShowdown: see above.
  int count = 0;

  explicit operator bool() const { return problem != Problem::None; }

  // Places a fault a record reader noted: the part, the node and the entry.
  Fault& at(Part p, int n = -1, int e = -1) {
    part = p;
    node = n;
    entry = e;
    return *this;
  }

  // The value as the file holds it (compact JSON).
  static QString jsonText(const QJsonValue& v);
  static QString jsonText(const QVariant& v);

  // The fault in a line of English, for the log.
  QString logText() const;
};

}  // namespace project_file
