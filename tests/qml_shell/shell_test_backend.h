// The back-end objects the shell reaches by name, created for one QML engine
// the way the program's start-up creates them.
#pragma once

#include <QString>

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

}  // namespace shell_test
