// Entry point of the Qt Quick Test suites of the shell and the pages: every
// test file gets the real back-end objects in a test settings scope. A suite
// names its scope with SHELL_TEST_SCOPE; the environment variable
// VELMORA_TEST_SCOPE overrides it, so that two runs of one suite (such as a
// second run under another locale) never share their settings file.
#include "tests/qml_shell/shell_test_backend.h"
#include "backend/platform/memory_limits.h"

#include <QElapsedTimer>
#include <QJSValue>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>
#include <QTest>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

#ifndef SHELL_TEST_SCOPE
#define SHELL_TEST_SCOPE "CaldiruneShellTests"
#endif

// A scratch directory for the files one test file writes, removed with its engine.
class ScratchDir : public QObject {
 public:
  explicit ScratchDir(QObject* parent) : QObject(parent) {}
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

class Setup : public QObject {
  Q_OBJECT
 public:
  // As "userPointer": a person's double click whose first click changes what
  // lies under the pointer (TestCase's double click sends both clicks at
  // once). The second click waits, within the double-click interval, until
  // `changed()` holds; returns whether it did, so that a test whose second
  // click met the old window can say so instead of passing untested.
  Q_INVOKABLE bool doubleClickWhenChanged(QQuickItem* item, qreal x, qreal y, QJSValue changed) {
    QQuickWindow* window = item != nullptr ? item->window() : nullptr;  // the first click may delete the item
    if (window == nullptr || !changed.isCallable()) return false;
    const QPoint at = item->mapToScene(QPointF(x, y)).toPoint();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    const int secondClickTime = QTest::lastMouseTimestamp - QTest::mouseDoubleClickInterval + 50;
    QElapsedTimer waited;
    waited.start();
    bool done = changed.call().toBool();
    while (!done && waited.elapsed() < QTest::mouseDoubleClickInterval) {
      QTest::qWait(10);
      done = changed.call().toBool();
    }
    QTest::lastMouseTimestamp = secondClickTime;  // 50 ms after the first click
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    return done;
  }
 public slots:
  void applicationAvailable() {
    const QString scope = qEnvironmentVariable("VELMORA_TEST_SCOPE");
    shell_test::prepareApplication(scope.isEmpty() ? QStringLiteral(SHELL_TEST_SCOPE) : scope);
    // The controller reports every solve iteration at info level; the
    // tests' output keeps warnings and the QML console only.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    QSettings().clear();  // every run starts from empty per-user settings
    // The control groups are read from a folder the tests write (empty: no limit), not the machine's.
    velmora_platform::setControlGroupPaths(groups_.path().toStdString(), groups_.filePath("groups").toStdString());
    // Test files are compiled before the engine reaches qmlEngineAvailable,
    // so the module's import path must already be known from the environment.
    qputenv("QML_IMPORT_PATH", shell_test::moduleImportPath().toLocal8Bit());
  }
  void qmlEngineAvailable(QQmlEngine* engine) {
    shell_test::publishBackend(engine);
    shell_test::publishSettingsSandbox(engine);
    QQmlContext* context = engine->rootContext();
    context->setContextProperty(QStringLiteral("userPointer"), this);
    context->setContextProperty(QStringLiteral("controlGroupDirUrl"), QUrl::fromLocalFile(groups_.path()).toString());
    context->setContextProperty(QStringLiteral("scratchDirUrl"),
                                QUrl::fromLocalFile((new ScratchDir(engine))->path()).toString());
  }
 private:
  QTemporaryDir groups_;
};

QUICK_TEST_MAIN_WITH_SETUP(qml_shell, Setup)

#include "main.moc"
