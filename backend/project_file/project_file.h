// A project file, from outside: reading one (with every check that refuses
// it) and writing one, what each needs in memory, and how a refusal is told.
// The rest of this folder is its inside: the JSON streams, the record
// readers, the checks and the faults they note.
//
// Reading: the file is read as a stream, a chunk at a time, and checked;
// the first value this program would not have written refuses it (a
// LoadedProject with its failure and fault).
//
// Writing: the text is written from a snapshot of what is saved. The
// snapshot shares the controller's data (implicitly shared containers and
// the immutable node tables), so taking it is cheap on the GUI thread; the
// text, which runs to hundreds of megabytes for a large tree, is written on
// another thread as it is produced, a buffer at a time, straight from the
// node tables and the saved answers: no document of it is ever built.
#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "backend/local_files.h"
#include "backend/project_file/loaded_project.h"
#include "backend/results/result_tree.h"
#include "backend/results/node_answers.h"

namespace project_file {

// --- reading ---

// Reports the share of the work done, from 0 to 1, now and then.
using LoadProgress = std::function<void(double)>;

// What opening a project file of `fileBytes` bytes needs in memory at its
// peak: the tables built from it (the node tables and the saved answers,
// which take far less than their text) and the text being read.
std::uint64_t memoryToOpen(std::uint64_t fileBytes);

// Reads and checks the file at `path`. A file whose first byte other than
// blanks is not "{" is refused before more of it is read, and one that would
// need more than `availableBytes` of memory (0: not known, not checked)
// before it is read at all, or that runs out of memory while it is read,
// with Failure::NotEnoughMemory. A set `cancel` flag ends the reading with
// Failure::Cancelled at the next chunk or node. The tree read comes with its
// look-up tables made (on the reading thread).
LoadedProject readProjectFile(const QString& path, const LoadProgress& progress = {},
                              const std::atomic<bool>* cancel = nullptr, std::uint64_t availableBytes = 0);

// --- telling a refusal ---

// "The project file is damaged: ..." for a file refused as damaged: which
// value is wrong and how, in the user's language, with the file's own keys
// and indices (nodes by their index, the root being node 0; actions, rows
// and locks counted from 1).
QString damagedFileText(const LoadedProject& loaded);

// A number as the program writes it in any language: "-100", "1000000",
// "0.5"; beyond the millions of any field in exponent form ("1e+308").
QString plainNumber(double v);

// --- writing ---

struct ProjectSnapshot {
  QVariantMap project;
  bool hasResults = false;
  // With hasResults: the result figures and root actions ("results" without
  // the node tables), the node tables and the saved answers (shared tables).
  QVariantMap resultFigures;
  std::shared_ptr<const ResultTree> tree;
  results::SavedAnswers answers;
  QVariantList nodeLocks;
  QVariantMap lastUiCfg;
};

// Writes the file at `path` (Qt's indented JSON form) through an atomic save
// file: an existing file is replaced only once the whole text is written.
// Running out of memory on the way throws std::bad_alloc, the existing file
// untouched.
local_files::WriteOutcome saveProjectFile(const QString& path, const ProjectSnapshot& snapshot);

// What a save needs in memory on top of the result it writes, whatever its
// size: the write buffer and what one record's text takes on its way out.
std::uint64_t memoryToSave();
// The address space a save reserves on top of that: the writing thread's
// stack and its allocator arena.
std::uint64_t addressSpaceToSave();

}  // namespace project_file
