// Entry point of the Solve page's Qt Quick Test suite: every test file gets
// the real back-end objects in a settings scope of its own.
#include "tests/qml_shell/shell_test_backend.h"

#include <QLoggingCategory>
#include <QQmlEngine>
#include <QSettings>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

class Setup : public QObject {
  Q_OBJECT
 public slots:
  void applicationAvailable() {
    shell_test::prepareApplication(QStringLiteral("CaldiruneSolvePageTests"));
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    QSettings().clear();
    qputenv("QML_IMPORT_PATH", shell_test::moduleImportPath().toLocal8Bit());
  }
  void qmlEngineAvailable(QQmlEngine* engine) { shell_test::publishBackend(engine); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml_solve, Setup)

#include "main.moc"
