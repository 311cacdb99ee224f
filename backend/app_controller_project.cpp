// Project files: one JSON object holding the UI's project state, the last
// solve configuration, the node locks and, with a result, the result figures,
// the node tables and the saved answers.
#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/local_files.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "backend/project_file/project_file.h"
#include "session/threads.h"

namespace {

// A stored rake figure: anything that is not a finite, non-negative number
// reads as no rake.
double rakeFigure(double v) { return std::isfinite(v) && v > 0.0 ? v : 0.0; }

// The reason a save is refused or ended for want of memory, with what it
// needs and what was available; figures below a gigabyte in megabytes.
QString saveMemoryText(std::uint64_t needed, std::uint64_t available) {
  const auto figure = [](std::uint64_t bytes) {
    constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;
    // The figure and its unit stay on one line.
    return bytes != 0 && bytes < (kMiB << 10) ? QStringLiteral("%1\u00A0MB").arg((bytes + kMiB / 2) / kMiB)
                                              : AppController::formatMemoryBytes(bytes);
  };
  return AppController::tr("Not enough RAM to save the project (it needs about %1, %2 available)")
      .arg(figure(needed), figure(available));
}

// A save that ran out of memory on its way, although the check before it
// let it begin.
QString saveOutOfMemoryText() {
  return AppController::tr("Not enough RAM to save the project: the memory ran out while saving it");
}

// Why a save cannot have the memory it needs, or nothing when it can (or
// when what is available cannot be read). Only the hard bounds count: a save
// past a control group's memory.high runs slower but keeps the user's work.
// Under an address-space limit the writing thread's reservations count too.
std::optional<QString> saveMemoryRefusal() {
  const velmora_platform::MemoryRoom room = velmora_platform::hardMemoryRoom();
  if (room.bytes != 0 && room.bytes < project_file::memoryToSave()) {
    return saveMemoryText(project_file::memoryToSave(), room.bytes);
  }
  if (room.addressSpaceBytes && *room.addressSpaceBytes < project_file::addressSpaceToSave()) {
    return saveMemoryText(project_file::addressSpaceToSave(), *room.addressSpaceBytes);
  }
  return std::nullopt;
}

// Writes a project through an atomic save file, with the log lines of a
// save; any thread. A failed write carries the system's reason; running out
// of memory on the way is told as such, and leaves an existing file as it
// was.
local_files::WriteOutcome writeProjectFile(const QString& path, const project_file::ProjectSnapshot& snapshot) {
  local_files::WriteOutcome written;
  try {
    written = project_file::saveProjectFile(path, snapshot);
  } catch (const std::bad_alloc&) {
    written.stage = local_files::WriteOutcome::WriteFailed;
    written.error = saveOutOfMemoryText();
    qWarning() << "saveProject: out of memory:" << path;
    return written;
  }
  if (written.stage == local_files::WriteOutcome::OpenFailed) {
    qWarning() << "saveProject: failed to open:" << path << written.error;
  } else if (!written.ok()) {
    qWarning() << "saveProject: commit failed:" << path << written.error;
  } else {
    qInfo() << "Saved project:" << path;
  }
  return written;
}

// The local path of a save, or nothing (with the log line of a refused URL).
std::optional<QString> savePath(const QUrl& fileUrl) {
  const std::optional<QString> local = local_files::pathOf(fileUrl);
  if (!local) {
    qWarning() << "saveProject: invalid/non-local URL:" << fileUrl;
    return std::nullopt;
  }
  if (local->isEmpty()) return std::nullopt;
  return local;
}

// The name of a project-state number as its Setup field is labelled.
QString projectFieldName(const QString& key) {
  if (key == QLatin1String("startingPot")) return AppController::tr("Starting Pot");
  if (key == QLatin1String("effectiveStack")) return AppController::tr("Effective Stack");
  if (key == QLatin1String("rakePercent")) return AppController::tr("Rake (%)");
  if (key == QLatin1String("rakeCap")) return AppController::tr("Rake Cap");
  if (key == QLatin1String("targetExploitability")) return AppController::tr("Target Exploitability (%)");
  if (key == QLatin1String("oopAddAllInIfJamLtPct")) {
    return AppController::tr("Add all-in if jam less than (OOP, % pot)");
  }
  if (key == QLatin1String("ipAddAllInIfJamLtPct")) return AppController::tr("Add all-in if jam less than (IP, % pot)");
  return key;
}

}  // namespace

// ---------------------------------------------------------------------------
// Saving

bool AppController::hasResultsToSave() const {
  return m_resultIterations > 0 || treeNodeCount() > 0 || !m_rootActions.isEmpty();
}

project_file::ProjectSnapshot AppController::projectSnapshot(const QVariantMap& projectState) const {
  project_file::ProjectSnapshot snapshot;
  snapshot.project = projectState;
  snapshot.hasResults = hasResultsToSave();
  if (snapshot.hasResults) {
    QVariantMap& figures = snapshot.resultFigures;
    figures.insert(QStringLiteral("resultsSummary"), m_resultsSummary);
    figures.insert(QStringLiteral("resultBoard"), m_resultBoardText);
    figures.insert(QStringLiteral("resultRakePercent"), m_resultRakePercent);
    figures.insert(QStringLiteral("resultRakeCap"), m_resultRakeCap);
    figures.insert(QStringLiteral("resultStartingPot"), m_resultStartingPot);
    figures.insert(QStringLiteral("resultIterations"), m_resultIterations);
    figures.insert(QStringLiteral("resultExploitability"), m_resultExploitability);
    figures.insert(QStringLiteral("resultEvOop"), m_resultEvOop);
    figures.insert(QStringLiteral("resultEvIp"), m_resultEvIp);
    figures.insert(QStringLiteral("rootActions"), m_rootActions);
    snapshot.tree = m_tree;
    if (treeNodeCount() > 0) {
      // The root node is what the results page shows first: its answers are
      // saved whether or not it was looked at (the tables only; the forms
      // the page reads are not made here). A save goes ahead without those
      // the solved game cannot give.
      try {
        strategyAt(0);
        combosAt(0);
        bucketsAt(0);
        statsAt(0);
      } catch (const std::exception& e) {
        qWarning() << "saveProject: the root's answers:" << e.what();
      }
    }
    snapshot.answers = m_answers.snapshot();
  }
  snapshot.nodeLocks = nodeLocksSnapshot();
  snapshot.lastUiCfg = m_lastUiCfg;
  return snapshot;
}

bool AppController::saveProject(const QUrl& fileUrl, const QVariantMap& projectState) const {
  m_projectSaveError.clear();
  try {
    const std::optional<QString> path = savePath(fileUrl);
    if (!path) return false;
    if (const std::optional<QString> refused = saveMemoryRefusal()) {
      qWarning() << "saveProject: refused:" << *path << *refused;
      m_projectSaveError = *refused;
      return false;
    }
    const local_files::WriteOutcome written = writeProjectFile(*path, projectSnapshot(projectState));
    m_projectSaveError = written.error;
    if (written.ok()) m_release.post([] { velmora_platform::releaseFreedMemory(); });
    return written.ok();
  } catch (const std::bad_alloc&) {
    qWarning() << "saveProject: out of memory";
    m_projectSaveError = saveOutOfMemoryText();
  } catch (const std::exception& e) {
    qWarning() << "saveProject: failed:" << e.what();
  } catch (...) {
    qWarning() << "saveProject: failed";
  }
  return false;
}

// ---------------------------------------------------------------------------
// Loading

QVariantMap AppController::loadFailure(const project_file::LoadedProject& loaded, const QString& path) const {
  using Failure = project_file::LoadedProject::Failure;
  QString error;
  switch (loaded.failure) {
    case Failure::None: break;
    case Failure::OpenFailed: error = tr("Failed to open file"); break;
    case Failure::InvalidJson: error = tr("Invalid JSON"); break;
    case Failure::UnrecognizedFormat: error = tr("Unrecognized project format"); break;
    case Failure::UnsupportedVersion: error = tr("Unsupported project version"); break;
    case Failure::Damaged: error = project_file::damagedFileText(loaded); break;
    case Failure::ValueOutOfRange: {
      const project_file::ValueOutOfRange& bad = loaded.outOfRange;
      error = tr("%1: %2 is outside the range %3 to %4")
                  .arg(projectFieldName(bad.key), project_file::plainNumber(bad.value),
                       project_file::plainNumber(bad.minimum), project_file::plainNumber(bad.maximum));
      break;
    }
    case Failure::NotEnoughMemory: {
      const auto [needed, available] = formatMemoryFigures(loaded.neededBytes, loaded.availableBytes);
      error = tr("Not enough RAM (opening it needs about %1, %2 available)").arg(needed, available);
      break;
    }
    case Failure::Cancelled: error = tr("Opening the project was cancelled"); break;
  }
  if (loaded.failure == Failure::Damaged) qWarning() << "loadProject:" << path << "is damaged:" << loaded.fault.logText();
  if (loaded.failure == Failure::ValueOutOfRange) {
    qWarning() << "loadProject:" << path << "refused:" << loaded.outOfRange.key << "is" << loaded.outOfRange.value;
  }
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), error);
  result.insert(QStringLiteral("project"), QVariantMap());
  result.insert(QStringLiteral("hasResults"), false);
  return result;
}

QVariantMap AppController::loadProject(const QUrl& fileUrl) {
  project_file::LoadedProject failure;
  try {
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local || local->isEmpty()) {
      QVariantMap result = loadFailure(failure, QString());
      result.insert(QStringLiteral("error"), local ? tr("Empty file path") : tr("Invalid/non-local file URL"));
      return result;
    }
    refreshAvailableMemory();
    // As a save: only the hard bounds refuse an open (memory.high slows it down).
    const std::uint64_t available = velmora_platform::hardMemoryRoom().bytes;
    project_file::LoadedProject loaded = project_file::readProjectFile(*local, {}, nullptr, available);
    if (loaded.failure != project_file::LoadedProject::Failure::None) return loadFailure(loaded, *local);
    return applyLoadedProject(std::move(loaded), *local);
  } catch (const std::exception& e) {
    qWarning() << "loadProject failed:" << e.what();
  } catch (...) {
    qWarning() << "loadProject failed";
  }
  failure.failure = project_file::LoadedProject::Failure::OpenFailed;
  return loadFailure(failure, QString());
}

QVariantMap AppController::applyLoadedProject(project_file::LoadedProject&& loaded, const QString& path) {
  // A range no solve could read is refused before anything is replaced.
  const QString tooLong = rangeTooLongError(loaded.project.value(QStringLiteral("oopRangeText")).toString(),
                                            loaded.project.value(QStringLiteral("ipRangeText")).toString());
  if (!tooLong.isEmpty()) {
    qWarning() << "loadProject:" << path << "refused:" << tooLong;
    QVariantMap result = loadFailure(project_file::LoadedProject(), path);
    result.insert(QStringLiteral("error"), tooLong);
    return result;
  }
  // A solve still running (or about to start) would later replace what is
  // loaded here.
  abandonCurrentRun();
  dropStoredResult();
  resetResultFigures();
  m_resultsReclaimableMemoryBytes = 0;
  emit systemMemoryChanged();
  m_nodeLockTable.clear();
  clearQueryCaches();

  const bool hasResults = loaded.hasResults;
  if (hasResults) {
    m_resultsSummary = loaded.resultsSummary;
    m_resultBoardText = normalizeBoardText(loaded.resultBoard);
    m_resultRakePercent = rakeFigure(loaded.resultRakePercent);
    m_resultRakeCap = rakeFigure(loaded.resultRakeCap);
    m_resultStartingPot = loaded.resultStartingPot;
    m_resultIterations = loaded.resultIterations;
    m_resultExploitability = loaded.resultExploitability;
    m_resultEvOop = loaded.resultEvOop;
    m_resultEvIp = loaded.resultEvIp;
    m_rootActions = loaded.rootActions;
    m_tree = std::move(loaded.tree);
  }
  m_answers.adoptFile(std::move(loaded.answers));

  m_nodeLockTable = parseNodeLocks(loaded.nodeLocks);
  // The file keeps the locks as they were set, not those its result was
  // solved with: its result may or may not use them.
  m_resultNodeLocks = hasResults ? m_nodeLockTable : NodeLockTable();
  m_resultNodeLocksKnown = !hasResults;
  m_lastUiCfg = loaded.lastUiCfg;
  // The saved locks were set on the spot a re-solve of the file repeats; a
  // file without that configuration gives no board, which no start matches.
  m_lockSpot = buildSolveConfigFrom(m_lastUiCfg, nullptr);
  // Files written before the result kept its own board and rake have them
  // only as those of the last start.
  if (hasResults && m_resultBoardText.isEmpty() && !loaded.lastBoardNotTheResults) {
    m_resultBoardText = normalizeBoardText(m_lastUiCfg.value(QStringLiteral("board")).toString());
  }
  if (hasResults && !loaded.rakeSaved) {
    m_resultRakePercent = rakeFigure(m_lastUiCfg.value(QStringLiteral("rake_percent")).toDouble());
    m_resultRakeCap = rakeFigure(m_lastUiCfg.value(QStringLiteral("rake_cap")).toDouble());
  }
  keepLoadedResultSpot();

  setProgress(0.0);
  endRun(RunOutcome::None, 0);
  setRunning(false);
  setStatus([strategy = m_answers.countHolding(&results::NodeAnswerTables::strategy),
             combos = m_answers.countHolding(&results::NodeAnswerTables::combos)] {
    return tr("Loaded project (%1, %2)")
        .arg(tr("%n strategy nodes", nullptr, strategy), tr("%n combo nodes", nullptr, combos));
  });
  emit resultsChanged();
  qInfo() << "Loaded project:" << path << "hasResults=" << hasResults;

  QVariantMap result;
  result.insert(QStringLiteral("ok"), true);
  result.insert(QStringLiteral("error"), QString());
  result.insert(QStringLiteral("project"), loaded.project);
  result.insert(QStringLiteral("hasResults"), hasResults);
  return result;
}

// ---------------------------------------------------------------------------
// Opening and saving in the background

QString AppController::projectFileActivity() const {
  switch (m_projectJob) {
    case ProjectJob::Opening: return tr("Opening project...");
    case ProjectJob::Saving: return tr("Saving project...");
    case ProjectJob::None: break;
  }
  return QString();
}

void AppController::setProjectJob(ProjectJob job) {
  if (job == m_projectJob) return;
  m_projectJob = job;
  emit projectFileBusyChanged();
}

void AppController::setProjectFileProgress(double progress) {
  if (progress == m_projectFileProgress) return;
  m_projectFileProgress = progress;
  emit projectFileProgressChanged();
}

void AppController::openProject(const QUrl& fileUrl) {
  const auto answerLater = [this](const QVariantMap& result) {
    QMetaObject::invokeMethod(this, [this, result]() { emit projectOpened(result); }, Qt::QueuedConnection);
  };
  try {
    if (m_projectJob != ProjectJob::None) {
      QVariantMap busy = loadFailure(project_file::LoadedProject(), QString());
      busy.insert(QStringLiteral("error"), tr("Another project file is being opened or saved"));
      answerLater(busy);
      return;
    }
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local || local->isEmpty()) {
      // Refused at once, as loadProject refuses.
      answerLater(loadProject(fileUrl));
      return;
    }
    const QString path = *local;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    {
      std::lock_guard<std::mutex> lock(m_projectJobGate->mutex);
      m_projectJobGate->openCancel = cancel;
    }
    setProjectFileProgress(0.0);
    setProjectJob(ProjectJob::Opening);

    refreshAvailableMemory();
    // As a save: only the hard bounds refuse an open (memory.high slows it down).
    const std::uint64_t available = velmora_platform::hardMemoryRoom().bytes;
    std::shared_ptr<ProjectJobGate> gate = m_projectJobGate;
    velmora_app::Thread([gate, cancel, path, available]() {
      // Progress goes to the GUI thread in steps of a percent.
      int lastPercent = -1;
      const auto progress = [&](double share) {
        const int percent = static_cast<int>(share * 100.0);
        if (percent == lastPercent) return;
        lastPercent = percent;
        std::lock_guard<std::mutex> lock(gate->mutex);
        if (!gate->target) return;
        AppController* target = gate->target;
        QMetaObject::invokeMethod(
            target, [target, share]() { target->setProjectFileProgress(share); }, Qt::QueuedConnection);
      };
      auto loaded = std::make_shared<project_file::LoadedProject>();
      try {
        *loaded = project_file::readProjectFile(path, progress, cancel.get(), available);
        // What the reading held on its way (its chunk, the records it
        // built and dropped) goes back to the system here, not while the
        // GUI thread takes the result.
        velmora_platform::releaseFreedMemory();
      } catch (...) {
        loaded = std::make_shared<project_file::LoadedProject>();
        loaded->failure = project_file::LoadedProject::Failure::OpenFailed;
      }
      std::lock_guard<std::mutex> lock(gate->mutex);
      if (!gate->target) return;  // the program is closing; the data goes with this thread
      AppController* target = gate->target;
      // A result dropped just before (a cleared or replaced one) is given
      // back first: freeing and trimming it would hold the allocator while
      // the window takes the opened project in.
      target->m_release.drain();
      QMetaObject::invokeMethod(
          target,
          [target, loaded, path]() {
            QVariantMap result;
            try {
              result = loaded->failure == project_file::LoadedProject::Failure::None
                           ? target->applyLoadedProject(std::move(*loaded), path)
                           : target->loadFailure(*loaded, path);
            } catch (...) {
              project_file::LoadedProject failed;
              failed.failure = project_file::LoadedProject::Failure::OpenFailed;
              result = target->loadFailure(failed, path);
            }
            // What the open replaced is dropped off this thread.
            target->m_release.release(std::move(*loaded));
            // The pages take the new result in this turn of the event loop
            // and the project's settings and page in the next one, so the
            // window is not held for both at once.
            QMetaObject::invokeMethod(
                target,
                [target, result]() {
                  target->setProjectJob(ProjectJob::None);
                  emit target->projectOpened(result);
                },
                Qt::QueuedConnection);
          },
          Qt::QueuedConnection);
    }).detach();
  } catch (const std::exception& e) {
    qWarning() << "openProject failed:" << e.what();
    setProjectJob(ProjectJob::None);
    project_file::LoadedProject failed;
    failed.failure = project_file::LoadedProject::Failure::OpenFailed;
    answerLater(loadFailure(failed, QString()));
  }
}

void AppController::saveProjectInBackground(const QUrl& fileUrl, const QVariantMap& projectState) {
  const auto answerLater = [this, fileUrl](bool ok, const QString& reason = QString()) {
    QMetaObject::invokeMethod(
        this, [this, ok, fileUrl, reason]() { emit projectSaved(ok, fileUrl, reason); }, Qt::QueuedConnection);
  };
  try {
    if (m_projectJob != ProjectJob::None) {
      qWarning() << "saveProject: another project file is being opened or saved";
      answerLater(false);
      return;
    }
    const std::optional<QString> path = savePath(fileUrl);
    if (!path) {
      answerLater(false);
      return;
    }
    if (const std::optional<QString> refused = saveMemoryRefusal()) {
      qWarning() << "saveProject: refused:" << *path << *refused;
      answerLater(false, *refused);
      return;
    }
    auto snapshot = std::make_shared<project_file::ProjectSnapshot>(projectSnapshot(projectState));
    std::shared_ptr<ProjectJobGate> gate = m_projectJobGate;
    {
      std::lock_guard<std::mutex> lock(gate->mutex);
      ++gate->savesRunning;
    }
    try {
      velmora_app::Thread([gate, snapshot, target = this, fileUrl, file = *path]() mutable {
        bool ok = false;
        QString reason;
        try {
          const local_files::WriteOutcome written = writeProjectFile(file, *snapshot);
          ok = written.ok();
          reason = written.error;
        } catch (...) {
          qWarning() << "saveProject: failed";
        }
        // What the writing took goes back to the system; the snapshot only
        // shared the controller's data.
        snapshot.reset();
        velmora_platform::releaseFreedMemory();
        std::lock_guard<std::mutex> lock(gate->mutex);
        if (gate->target) {
          QMetaObject::invokeMethod(
              target,
              [target, ok, fileUrl, reason]() {
                target->setProjectJob(ProjectJob::None);
                emit target->projectSaved(ok, fileUrl, reason);
              },
              Qt::QueuedConnection);
        }
        --gate->savesRunning;
        gate->idle.notify_all();
      }).detach();
    } catch (...) {
      std::lock_guard<std::mutex> lock(gate->mutex);
      --gate->savesRunning;
      throw;
    }
    setProjectFileProgress(-1.0);
    setProjectJob(ProjectJob::Saving);
  } catch (const std::bad_alloc&) {
    qWarning() << "saveProject: out of memory";
    answerLater(false, saveOutOfMemoryText());
  } catch (const std::system_error& e) {
    // No thread to write with: the memory for its stack is not there.
    qWarning() << "saveProject: failed:" << e.what();
    answerLater(false, saveOutOfMemoryText());
  } catch (const std::exception& e) {
    qWarning() << "saveProject: failed:" << e.what();
    answerLater(false);
  } catch (...) {
    qWarning() << "saveProject: failed";
    answerLater(false);
  }
}
