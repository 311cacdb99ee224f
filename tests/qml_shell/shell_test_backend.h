// The back-end objects the shell reaches by name, created for one QML engine
// the way the program's start-up creates them.
#pragma once

#include <QObject>
#include <QString>

class QQmlComponent;
class QQmlEngine;

namespace shell_test {

// Test-mode settings under the given organisation and application name, a
// point as decimal separator, and the "Basic" controls style.
void prepareApplication(const QString& scopeName);

// Directory to add to the engine's import paths for `import Velmora`.
QString moduleImportPath();

// Creates "languageManager", "appController" and "updates" owned by `engine`
// and publishes them as context properties; adds the module's import path.
void publishBackend(QQmlEngine* engine);

// Tells a screenshot script that the host's page is on screen: ready()
// prints "READY" on its own line, step() "STEP " and the name of one step of
// a journey through several pages.
class HostReport : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  Q_INVOKABLE void ready();
  Q_INVOKABLE void step(const QString& name);
};

// Publishes a HostReport owned by `engine` as the context property "hostReport".
void publishHostReport(QQmlEngine* engine);

// Points the per-user settings at places where they fail the way a file or
// folder without permissions does, also for root (whom permissions do not
// stop): breakWrites() puts the settings folder under a regular file, so the
// file can never be written; breakReads() puts a folder where the settings
// file belongs, so it cannot be read (and stays as it is). Both return the
// settings file's path; restore() returns to the test's own folder. Each
// holds for the QSettings opened after it.
//
// blockLock() puts a copy of the settings file in a folder of its own with a
// folder at the name of the lock QSettings takes beside it, and returns the
// copy's path.
//
// In a user and mount namespace of its own (VELMORA_TEST_OWN_MOUNTS set, see
// the suite's CMakeLists), fullDisk() and readOnlyCopy() put a copy of the
// settings file on a small file system filled to the last byte (but for
// `leftBytes`), or mounted read-only, and return its path; "" in any other run.
//
// limitFileSizes() puts a copy of the settings file in a folder of its own
// and limits the size of the files this process writes (ulimit -f, the
// signal a write past it raises ignored) to the copy's size and `leftBytes`
// more; it returns the copy's path. restore() lifts the limit again.
class SettingsSandbox : public QObject {
  Q_OBJECT
 public:
  explicit SettingsSandbox(QObject* parent = nullptr);
  ~SettingsSandbox() override;
  Q_INVOKABLE QString breakWrites();
  Q_INVOKABLE QString breakReads();
  Q_INVOKABLE QString blockLock();
  Q_INVOKABLE QString fullDisk(int leftBytes = 0);
  Q_INVOKABLE QString readOnlyCopy();
  Q_INVOKABLE QString limitFileSizes(int leftBytes);
  Q_INVOKABLE void restore();

 private:
  QString mountCopy(const char* size, bool fill, int leftBytes = 0);

  QString scratch_;
  int mounts_ = 0;
  bool limited_ = false;
};

// Publishes a SettingsSandbox owned by `engine` as "settingsSandbox".
void publishSettingsSandbox(QQmlEngine* engine);

// Runs the event loop for a host's window created from `component` and
// deletes it afterwards; without a window prints the component's errors and
// returns 1.
int execWindow(QObject* window, const QQmlComponent& component);

}  // namespace shell_test
