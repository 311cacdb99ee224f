// The tests' other copy of the program (store_peer.qml) as a process of its
// own: store_peer <settings folder> <organisation and application name>.
// It prints its stores as read at start on one JSON line, then one reply line
// for each command line on standard input, and ends with its input.
// ["hold"] takes the stores' lock and keeps it, ["release"] gives it back.
#include "backend/app_controller.h"
#include "backend/settings_store_file.h"
#include "tests/qml_shell/shell_test_backend.h"

#include <QGuiApplication>
#include <QLockFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSettings>
#include <QtQml/qqmlextensionplugin.h>

#include <iostream>
#include <string>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) return 2;
  app.setOrganizationName(QString::fromLocal8Bit(argv[2]));
  app.setApplicationName(app.organizationName());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[1]));
  QQmlApplicationEngine engine;
  engine.addImportPath(shell_test::moduleImportPath());
  SettingsStoreFile storeFile;
  engine.rootContext()->setContextProperty(QStringLiteral("storeFile"), &storeFile);
  AppController controller;
  engine.rootContext()->setContextProperty(QStringLiteral("appController"), &controller);
  engine.load(QUrl::fromLocalFile(QStringLiteral(STORE_PEER_QML)));
  if (engine.rootObjects().isEmpty()) return 2;
  QObject* peer = engine.rootObjects().first();
  QLockFile lock(SettingsStoreFile::lockFileName());
  std::string line = "[]";
  do {
    QVariant reply = QStringLiteral("{\"held\":false}");
    if (line == "[\"hold\"]") {
      if (lock.tryLock(5000)) reply = QStringLiteral("{\"held\":true}");
    } else if (line == "[\"release\"]") {
      lock.unlock();
    } else {
      QMetaObject::invokeMethod(peer, "run", Q_ARG(QVariant, QString::fromStdString(line)));
      // The stores' timers run until the reply is ready.
      while (QMetaObject::invokeMethod(peer, "reply", Q_RETURN_ARG(QVariant, reply)) && reply.toString().isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::cout << reply.toString().toStdString() << std::endl;
  } while (std::getline(std::cin, line));
  return 0;
}
