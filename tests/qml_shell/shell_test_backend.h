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

// Runs the event loop for a host's window created from `component` and
// deletes it afterwards; without a window prints the component's errors and
// returns 1.
int execWindow(QObject* window, const QQmlComponent& component);

}  // namespace shell_test
