// What reading a project file gives: the refusal, if the file is refused,
// or everything the controller restores from it (the result figures, the
// node tables, the saved answers, the node locks and the last solve
// configuration). The reading touches no controller state, so it runs on a
// worker thread for a large file; the controller then only swaps the pieces
// in.
#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <cstdint>
#include <memory>

#include "backend/project_file/fault.h"
#include "backend/project_file/state_check.h"
#include "backend/results/result_tree.h"
#include "backend/results/node_answers.h"

namespace project_file {

struct LoadedProject {
  enum class Failure {
    None,
    OpenFailed,          // "Failed to open file"
    InvalidJson,         // "Invalid JSON"
    UnrecognizedFormat,  // "Unrecognized project format"
    UnsupportedVersion,  // "Unsupported project version"
    Damaged,             // a value the program would not have written: `fault`
    ValueOutOfRange,     // a number of the project state no Setup field accepts
    NotEnoughMemory,     // opening would need more memory than is available
    Cancelled,
  };
  Failure failure = Failure::None;
  Fault fault;  // with Damaged: what the program would not have written, found first
  // With ValueOutOfRange: the value and the field's bounds.
  ValueOutOfRange outOfRange;
  // With NotEnoughMemory: what opening the file would need, and what was available.
  std::uint64_t neededBytes = 0;
  std::uint64_t availableBytes = 0;

  QVariantMap project;
  bool hasResults = false;

  // "results", read when hasResults is true.
  QString resultsSummary;
  QString resultBoard;  // as stored, not yet normalised
  // A file written before the result kept its own board has that of the last
  // start in its place; set when that board is not the result's (it does not
  // read as a board, or does not fit the tree), so that none is shown.
  bool lastBoardNotTheResults = false;
  bool rakeSaved = false;  // the file keeps the result's own rake
  double resultRakePercent = 0.0;
  double resultRakeCap = 0.0;
  int resultStartingPot = 0;
  int resultIterations = 0;
  double resultExploitability = 0.0;
  double resultEvOop = 0.0;
  double resultEvIp = 0.0;
  QVariantList rootActions;
  std::shared_ptr<const ResultTree> tree;  // empty without results

  // The saved answers by node, without those of nodes outside the tree.
  results::SavedAnswers answers;

  QVariantList nodeLocks;  // the "nodeLocks" entries (project_file::nodeLock)
  QVariantMap lastUiCfg;
};

}  // namespace project_file
