// Entry point: identity, logs and crash handlers, the three back-end objects
// QML reaches by name, and the root window.
#include "backend/app_controller.h"
#include "backend/crash_handler.h"
#include "backend/icons/tinted_icon_provider.h"
#include "backend/language_manager.h"
#include "backend/log_handler.h"
#include "backend/platform/memory_limits.h"
#include "backend/update_manager.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>
#include <QUrl>

#include <chrono>
#include <clocale>
#include <cstdlib>

// The QML module Velmora is linked in as a static plugin.
Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

QString stampedLine(const char* text) {
  return QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1String(text);
}

// Detaches the message handler from main's log files before they are closed;
// declared after the files, so it goes first when main returns.
struct LogFilesDetacher {
  ~LogFilesDetacher() { velmora_log::detachLogFiles(); }
};

// How long a closing program waits for its workers to stop.
constexpr std::chrono::milliseconds kShutdownWait{1000};

}  // namespace

int main(int argc, char* argv[]) {
  // Before any thread starts: under an address-space limit, threads must not
  // each reserve an allocator arena of their own.
  velmora_platform::boundAllocatorArenasUnderAddressLimit();
  QQuickStyle::setStyle(QStringLiteral("Basic"));

  QGuiApplication app(argc, argv);
  // Numbers are read and written with a point whatever the user's locale:
  // the application object has just applied the environment's locale.
  std::setlocale(LC_NUMERIC, "C");

  QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Velmora/qml/assets/Caldirune_logo.png")));
  QCoreApplication::setOrganizationName(QStringLiteral("Caldirune"));
  QCoreApplication::setApplicationName(QStringLiteral("Caldirune"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.1"));

  // One log file: beside the program when that folder takes it (a copy
  // unpacked somewhere), else in the per-user folder (an installed program).
  // The names are kept here: a file opened from a descriptor forgets its name.
  const QString appDirLogPath =
      QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("caldirune.log");
  QString logPath = appDirLogPath;
  QFile logFile(logPath);
  bool logOpened = velmora_log::openLogFile(logFile);
  QString otherLogPath;
  if (!logOpened) {
    logPath = velmora_log::perUserLogDirectory() + QDir::separator() + QStringLiteral("caldirune.log");
    logFile.setFileName(logPath);
    logOpened = velmora_log::openLogFile(logFile);
    if (!logOpened) otherLogPath = appDirLogPath;  // crash lines still try both places
  }
  velmora_log::setCrashLogPaths(logPath, otherLogPath);
  velmora_crash::installCrashHandlers();

  velmora_log::logToBothFiles(stampedLine(" [INFO] Crash handlers installed (v2)"));
  velmora_log::logToBothFiles(stampedLine(" [INFO] --- Velmora Desktop starting (pre-QFile) ---"));

  LogFilesDetacher detacher;
  if (logOpened) {
    velmora_log::setOpenLogFiles({&logFile}, {logPath});
    qInstallMessageHandler(velmora_log::logMessageHandler);
    qInfo() << "Starting Caldirune";
    qInfo() << "appDir=" << QCoreApplication::applicationDirPath();
    qInfo() << "cwd=" << QDir::currentPath();
    qInfo() << "log=" << logPath;
    qInfo() << "QuickControlsStyle=" << QQuickStyle::name();
  }

  QGuiApplication::setQuitOnLastWindowClosed(true);

  QQmlApplicationEngine engine;
  // QML warnings reach the log once, through forwardQmlWarnings below; the
  // engine's own copy of each would double every line.
  engine.setOutputWarningsToStandardError(false);
  installTintedIcons(engine);

  LanguageManager languageManager(&engine);
  engine.rootContext()->setContextProperty(QStringLiteral("languageManager"), &languageManager);

  AppController appController;
  engine.rootContext()->setContextProperty(QStringLiteral("appController"), &appController);

  UpdateManager updates;
  engine.rootContext()->setContextProperty(QStringLiteral("updates"), &updates);

  QObject::connect(&engine, &QQmlEngine::warnings, &app, &velmora_log::forwardQmlWarnings);
  QObject::connect(&engine, &QQmlApplicationEngine::objectCreationFailed, &app,
                   &velmora_log::onQmlObjectCreationFailed, Qt::QueuedConnection);

  const QUrl url(QStringLiteral("qrc:/Velmora/Main.qml"));
  engine.load(url);
  if (engine.rootObjects().isEmpty()) {
    qCritical() << "Failed to load QML:" << url;
    return -1;
  }
  qInfo() << "QML loaded. rootObjects=" << engine.rootObjects().size();

  // Closing the window ends the program within about a second: the workers
  // are told to stop as the event loop ends, and one that has not stopped a
  // second later (a set-up stage busy in a long step) is not waited for.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &appController, [&appController] {
    appController.beginShutdown();
  });
  const int code = QGuiApplication::exec();
  if (!appController.finishShutdown(kShutdownWait)) {
    qWarning() << "Closing: the solve did not stop within" << kShutdownWait.count()
               << "ms; the program ends without waiting for it";
    // The window's settings are written when its objects go; nothing else
    // is torn down while a worker may still run.
    qDeleteAll(engine.rootObjects());
    std::_Exit(code);
  }
  return code;
}
