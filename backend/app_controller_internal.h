// Pieces shared by the AppController source files and nothing else.
#pragma once

#include <QString>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>

#include "backend/app_controller.h"

// Lets estimate threads reach the controller only while it exists, and lets
// the controller's destructor wait until the last of them has finished.
struct AppController::EstimateGate {
  std::mutex mutex;
  std::condition_variable idle;
  AppController* target = nullptr;  // cleared by the destructor
  std::size_t active = 0;           // estimate threads still running
};

namespace app_controller_detail {

inline QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string toStd(const QString& s) { return s.toUtf8().toStdString(); }

// One em dash: the text of an unknown figure.
inline QString emDash() { return QString(QChar(0x2014)); }

}  // namespace app_controller_detail
