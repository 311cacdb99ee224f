// Controller core: construction and destruction, the system figures, the
// status line, clearing the results and the showdown helper.
#include "backend/app_controller.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <exception>
#include <limits>
#include <thread>

#include "backend/app_controller_internal.h"
#include "backend/platform/memory_limits.h"
#include "backend/platform/system_info.h"
#include "session/showdown.h"

using app_controller_detail::emDash;
using app_controller_detail::fromStd;

namespace {

int detectProcessorCount() {
  const int active = velmora_platform::activeProcessorCount();
  if (active > 0) return active;
  int fallback = QThread::idealThreadCount();
  if (fallback < 1) {
    const unsigned hw = std::thread::hardware_concurrency();
    fallback = hw > static_cast<unsigned>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(hw);
  }
  return fallback < 2 ? 1 : fallback;
}

}  // namespace

AppController::AppController(QObject* parent)
    : QObject(parent),
      m_systemMemoryText(emDash()),
      m_systemAvailableMemoryText(emDash()),
      m_solveRequiredMemoryText(emDash()),
      m_estimateGate(std::make_shared<EstimateGate>()),
      m_projectJobGate(std::make_shared<ProjectJobGate>()) {
  m_estimateGate->target = this;
  m_projectJobGate->target = this;

  // Developer mode: the first of the three variables that is set decides.
  bool present = false;
  bool dev = envFlag("VELMORA_DEV_MODE", present);
  if (!present) dev = envFlag("CALDIRUNE_DEV_MODE", present);
  if (!present) dev = envFlag("CPP_SOLVER_DEV_MODE", present);
  m_developerMode = present && dev;
  qInfo().noquote() << "[devtools] compiled_in=1"
                    << "VELMORA_DEV_MODE=" << QString::fromLocal8Bit(qgetenv("VELMORA_DEV_MODE"))
                    << "CALDIRUNE_DEV_MODE=" << QString::fromLocal8Bit(qgetenv("CALDIRUNE_DEV_MODE"))
                    << "CPP_SOLVER_DEV_MODE=" << QString::fromLocal8Bit(qgetenv("CPP_SOLVER_DEV_MODE"))
                    << "developerMode=" << (m_developerMode ? "true" : "false");

  m_systemThreadCount = detectProcessorCount();

  m_systemMemoryBytes = velmora_platform::totalPhysicalMemoryBytes();
  m_systemMemoryText = formatMemoryBytes(m_systemMemoryBytes);
  refreshAvailableMemory();

  m_memoryRefreshTimer.setInterval(2000);
  m_memoryRefreshTimer.setSingleShot(false);
  connect(&m_memoryRefreshTimer, &QTimer::timeout, this, &AppController::refreshAvailableMemory);
  m_memoryRefreshTimer.start();

  m_pendingStartTimer.setInterval(5);
  m_pendingStartTimer.setSingleShot(true);
  connect(&m_pendingStartTimer, &QTimer::timeout, this, &AppController::continuePendingStart);

  // A translator installed or removed tells the application object.
  QCoreApplication* app = QCoreApplication::instance();
  if (app != nullptr && app->thread() == thread()) app->installEventFilter(this);

  setStatus([] { return tr("Ready"); });
}

AppController::~AppController() {
  m_memoryRefreshTimer.stop();
  m_pendingStartTimer.stop();

  // A running solve is asked to stop and waited for: its progress callback
  // posts to this object, so the worker must be gone before the object is.
  m_session.cancel();
  while (m_session.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(2));

  // Estimate threads post to this object too: shut the gate, stop the newest
  // estimate (older ones were stopped when it was requested) and wait the
  // moment they take to notice.
  {
    std::unique_lock<std::mutex> lock(m_estimateGate->mutex);
    m_estimateGate->target = nullptr;
    if (m_estimateGate->newest) m_estimateGate->newest->cancel.store(true);
    if (m_estimateGate->forStart) m_estimateGate->forStart->cancel.store(true);
    m_estimateGate->idle.wait(lock, [this] { return m_estimateGate->active == 0; });
  }

  // Project file threads: an open is told to stop and left to end on its
  // own (it touches nothing of this object once the gate is shut); a save
  // is let finish, since its file is the user's work.
  std::unique_lock<std::mutex> lock(m_projectJobGate->mutex);
  m_projectJobGate->target = nullptr;
  if (m_projectJobGate->openCancel) m_projectJobGate->openCancel->store(true);
  m_projectJobGate->idle.wait(lock, [this] { return m_projectJobGate->savesRunning == 0; });
}

QString AppController::appDir() const { return QCoreApplication::applicationDirPath(); }

// ---------------------------------------------------------------------------
// Memory figures

QString AppController::formatMemoryBytes(quint64 bytes) {
  if (bytes == 0) return emDash();
  const double gib = static_cast<double>(bytes) / 1073741824.0;
  const int decimals = gib < 10.0 ? 1 : 0;
  return QStringLiteral("%1 GB").arg(QString::number(gib, 'f', decimals));
}

std::pair<QString, QString> AppController::formatMemoryFigures(quint64 needed, quint64 available) {
  std::pair<QString, QString> figures{formatMemoryBytes(needed), formatMemoryBytes(available)};
  if (figures.first != figures.second || needed == available) return figures;
  constexpr quint64 kMiB = quint64(1) << 20;
  const auto mib = [](quint64 bytes) { return QStringLiteral("%1 MB").arg(bytes / kMiB + (bytes % kMiB >= kMiB / 2)); };
  return {mib(needed), mib(available)};
}

quint64 AppController::effectiveAvailableMemoryBytes() const {
  const quint64 maxValue = std::numeric_limits<quint64>::max();
  quint64 sum = m_systemAvailableMemoryBytes;
  sum = (maxValue - sum < m_resultsReclaimableMemoryBytes) ? maxValue : sum + m_resultsReclaimableMemoryBytes;
  if (m_systemMemoryBytes != 0 && sum > m_systemMemoryBytes) sum = m_systemMemoryBytes;
  return sum;
}

QString AppController::effectiveAvailableMemoryText() const { return formatMemoryBytes(effectiveAvailableMemoryBytes()); }

void AppController::refreshAvailableMemory() {
  const velmora_platform::MemoryRoom room = velmora_platform::memoryRoom();
  const QString text = formatMemoryBytes(room.bytes);
  // What the address-space limit leaves decides how much of a need's
  // reserved address space counts (the need shown follows it below).
  m_addressSpaceRoomBytes = room.addressSpaceBytes;
  m_memoryBoundIsProgram = room.bound == velmora_platform::MemoryBound::ControlGroup ||
                           room.bound == velmora_platform::MemoryBound::AddressSpace;
  if (room.bytes != m_systemAvailableMemoryBytes || text != m_systemAvailableMemoryText) {
    m_systemAvailableMemoryBytes = room.bytes;
    m_systemAvailableMemoryText = text;
    emit systemMemoryChanged();
  }
  showRequiredFigure();
}

bool AppController::memoryBoundIsProgramsFor(const solve_room::Need& need) const {
  // Where the address space's reservations are what does not fit, the bound
  // is the program's own too, even with less free on the machine.
  return m_memoryBoundIsProgram ||
         solve_room::addressShare(need.reservedAddressBytes, m_systemAvailableMemoryBytes, m_addressSpaceRoomBytes) > 0;
}

// ---------------------------------------------------------------------------
// Environment

bool AppController::envFlag(const char* name, bool& present) {
  const QByteArray raw = qgetenv(name);
  if (raw.isEmpty()) {
    present = false;
    return false;
  }
  present = true;
  const QByteArray value = raw.trimmed().toLower();
  return value == "1" || value == "true" || value == "yes" || value == "on";
}

// ---------------------------------------------------------------------------
// Small state setters

void AppController::setStatus(StatusWording wording) {
  m_statusWording = std::move(wording);
  showStatusText(m_statusWording ? m_statusWording() : QString());
}

void AppController::setStatusText(const QString& text) {
  m_statusWording = nullptr;
  showStatusText(text);
}

void AppController::showStatusText(const QString& text) {
  if (text == m_statusText) return;
  m_statusText = text;
  emit statusTextChanged();
}

void AppController::setRunning(bool running) {
  if (running == m_running) return;
  m_running = running;
  emit runningChanged();
}

void AppController::setProgress(double progress) {
  if (progress == m_progress) return;
  m_progress = progress;
  emit progressChanged();
}

void AppController::resetResultFigures() {
  m_rootActions.clear();
  m_tree.reset();
  m_resultsSummary.clear();
  m_resultBoardText.clear();
  m_resultRakePercent = 0.0;
  m_resultRakeCap = 0.0;
  m_resultStartingPot = 0;
  m_resultIterations = 0;
  m_resultExploitability = 0.0;
  m_resultEvOop = 0.0;
  m_resultEvIp = 0.0;
  m_resultNodeLocks.clear();
  m_resultNodeLocksKnown = true;
  m_resultSpot.reset();
}

// ---------------------------------------------------------------------------
// Clearing

void AppController::clearResults() {
  try {
    // A report still on its way from the cancelled run must not bring the
    // cleared result back.
    abandonCurrentRun();
    dropStoredResult();

    clearQueryCaches();
    m_nodeLockTable.clear();
    m_lockSpot.reset();
    resetResultFigures();
    m_lastUiCfg.clear();
    m_resultsReclaimableMemoryBytes = 0;
    m_pendingSolveMemoryBytes = 0;
    setProgress(0.0);
    endRun(RunOutcome::None, 0);
    setStatus([] { return tr("Ready"); });
    setRunning(false);
    refreshAvailableMemory();
    emit resultsChanged();
    emit systemMemoryChanged();
  } catch (const std::exception& e) {
    qWarning() << "clearResults failed:" << e.what();
  } catch (...) {
    qWarning() << "clearResults failed";
  }
}

// ---------------------------------------------------------------------------
// Showdown

QVariantMap AppController::showdownWinner(const QString& boardText, const QString& oopText,
                                          const QString& ipText) const {
  // Every character a byte, white space of any script left out.
  const auto compact = [](const QString& text) {
    std::string out;
    for (const QChar ch : text) {
      if (!ch.isSpace()) out.push_back(ch.toLatin1());
    }
    return out;
  };
  const velmora_app::ShowdownOutcome outcome =
      velmora_app::showdown_winner(compact(boardText), compact(oopText), compact(ipText));
  QVariantMap result;
  result.insert(QStringLiteral("winner"), fromStd(outcome.winner));
  result.insert(QStringLiteral("oopStrength"), static_cast<qint64>(outcome.oop_strength));
  result.insert(QStringLiteral("ipStrength"), static_cast<qint64>(outcome.ip_strength));
  return result;
}

// ---------------------------------------------------------------------------
// Closing

void AppController::beginShutdown() {
  m_memoryRefreshTimer.stop();
  m_pendingStartTimer.stop();
  m_pendingStart.reset();
  m_session.cancel();
  {
    std::lock_guard<std::mutex> lock(m_estimateGate->mutex);
    if (m_estimateGate->newest) m_estimateGate->newest->cancel.store(true);
    if (m_estimateGate->forStart) m_estimateGate->forStart->cancel.store(true);
  }
  std::lock_guard<std::mutex> lock(m_projectJobGate->mutex);
  if (m_projectJobGate->openCancel) m_projectJobGate->openCancel->store(true);
}

bool AppController::finishShutdown(std::chrono::milliseconds budget) {
  beginShutdown();
  const auto deadline = std::chrono::steady_clock::now() + budget;
  const auto left = [&deadline] {
    return std::max(std::chrono::milliseconds(0), std::chrono::duration_cast<std::chrono::milliseconds>(
                                                       deadline - std::chrono::steady_clock::now()));
  };
  bool idle = m_session.wait_idle(left());
  {
    std::unique_lock<std::mutex> lock(m_estimateGate->mutex);
    idle = m_estimateGate->idle.wait_for(lock, left(), [this] { return m_estimateGate->active == 0; }) && idle;
  }
  std::unique_lock<std::mutex> lock(m_projectJobGate->mutex);
  if (m_projectJobGate->savesRunning > 0) qInfo() << "Closing: waiting for the project being saved";
  m_projectJobGate->idle.wait(lock, [this] { return m_projectJobGate->savesRunning == 0; });
  return idle;
}
