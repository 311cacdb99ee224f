// Pieces shared by the AppController source files and nothing else.
#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "backend/app_controller.h"
#include "session/memory_estimate.h"

// What one estimate thread works on; it holds its own copy.
struct AppController::EstimateRequest {
  quint64 generation = 0;
  QVariantMap cfg;
  quint64 limitBytes = 0;  // counting stops above this: more than the machine holds
  int maxThreads = 0;      // the solve's threads are kept within this many
  velmora_app::EstimateCancelFlag cancel{false};
};

// Lets estimate threads reach the controller only while it exists, and lets
// the controller's destructor wait until the last of them has finished.
struct AppController::EstimateGate {
  std::mutex mutex;
  std::condition_variable idle;
  AppController* target = nullptr;  // cleared by the destructor
  std::size_t active = 0;           // estimate threads still running
  // The newest request for the memory line: a newer one or the destructor
  // sets its cancel flag, and the superseded estimate stops within moments.
  std::shared_ptr<EstimateRequest> newest;
  // The estimate a start of another spot asked for itself; it stops when
  // that start is given up or the controller goes.
  std::shared_ptr<EstimateRequest> forStart;
};

// Lets project file threads reach the controller only while it exists. The
// destructor waits for a save to finish (its file is the user's work) but
// not for an open, which it only asks to stop.
struct AppController::ProjectJobGate {
  std::mutex mutex;
  std::condition_variable idle;
  AppController* target = nullptr;  // cleared by the destructor
  int savesRunning = 0;
  std::shared_ptr<std::atomic<bool>> openCancel;  // the running open's flag
};

namespace app_controller_detail {

inline QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string toStd(const QString& s) { return s.toUtf8().toStdString(); }

// One em dash: the text of an unknown figure.
inline QString emDash() { return QString(QChar(0x2014)); }

}  // namespace app_controller_detail
