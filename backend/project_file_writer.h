// The project file's text from a snapshot of what is saved. The snapshot
// shares the controller's data (implicitly shared containers and the
// immutable node tables), so taking it is cheap on the GUI thread and the
// text, which runs to hundreds of megabytes for a large tree, can be built
// on another thread.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

#include "backend/result_tree.h"
#include "backend/saved_query_caches.h"

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

// Qt's indented JSON text of the file; empty when no document can be formed.
QByteArray projectText(const ProjectSnapshot& snapshot);

}  // namespace project_file
