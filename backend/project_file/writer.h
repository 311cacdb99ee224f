// The project file written from a snapshot of what is saved. The snapshot
// shares the controller's data (implicitly shared containers and the
// immutable node tables), so taking it is cheap on the GUI thread; the text,
// which runs to hundreds of megabytes for a large tree, is written on
// another thread as it is produced, a buffer at a time, straight from the
// node tables and the caches: no document of it is ever built.
#pragma once

#include <QHash>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <cstdint>
#include <memory>

#include "backend/local_files.h"
#include "backend/results/result_tree.h"
#include "backend/results/saved_query_caches.h"

class JsonStreamWriter;

namespace project_file {

struct ProjectSnapshot {
  QVariantMap project;
  bool hasResults = false;
  // With hasResults: the result figures and root actions ("results" without
  // the node tables), the node tables and the six saved query caches.
  QVariantMap resultFigures;
  std::shared_ptr<const ResultTree> tree;
  SavedQueryCaches caches;
  QVariantList nodeLocks;
  QVariantMap lastUiCfg;
};

// The file's text (Qt's indented JSON form) written to `out`, finished.
void writeProject(const ProjectSnapshot& snapshot, JsonStreamWriter& out);

// Writes the file at `path` through an atomic save file: an existing file
// is replaced only once the whole text is written. Running out of memory on
// the way throws std::bad_alloc, the existing file untouched.
local_files::WriteOutcome saveProjectFile(const QString& path, const ProjectSnapshot& snapshot);

// What a save needs in memory on top of the result it writes, whatever its
// size: the write buffer and what one record's text takes on its way out.
std::uint64_t memoryToSave();
// The address space a save reserves on top of that: the writing thread's
// stack and its allocator arena.
std::uint64_t addressSpaceToSave();

}  // namespace project_file
