// Test entry point for back-end tests: a GUI application object (offscreen)
// so controllers, settings and queued calls work as in the program.
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>

#include <gtest/gtest.h>

#include "backend/platform/memory_limits.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QStandardPaths::setTestModeEnabled(true);  // settings and caches go to a test location
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QGuiApplication::setOrganizationName("CaldiruneTests");
  QGuiApplication::setApplicationName("CaldiruneTests");
  // ctest runs many test processes at once: each gets settings of its own,
  // so one test's statistics never leak into another's.
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  // The machine's control groups never decide a test: those that try a
  // limit lay out groups of their own; the rest are bounded by the free memory.
  velmora_platform::setControlGroupPaths("/nonexistent", "/nonexistent/groups");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
