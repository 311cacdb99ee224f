// The tests' other copy of the program (store_peer.qml) as a process of its
// own: store_peer <settings folder> <organisation and application name>.
// It prints its stores as read at start on one JSON line, then one reply line
// for each command line on standard input, and ends with its input.
// ["hold"] takes the stores' lock and keeps it, ["release"] gives it back.
// ["settings", "group/key"] replies how a QSettings of its own reads the file
// now: {"value": that key's value, looked up first as the program looks up
// a setting, "all": every setting, {"group/key": text or list of texts}}.
#include "backend/app_controller.h"
#include "backend/settings_store_file.h"
#include "tests/qml_shell/shell_test_backend.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSettings>
#include <QtQml/qqmlextensionplugin.h>

#include <iostream>
#include <string>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

// The value of `key`, then every setting by its name as QSettings looks it
// up ("a//k" is "a/k"). The value is looked up before the whole file is
// gone through, as the program looks up a setting: QSettings finds some
// lines once it has gone through them all, and not before.
QString settingsRead(const QString& key) {
  QSettings settings;
  settings.sync();
  const QJsonValue value = QJsonValue::fromVariant(settings.value(key));
  QJsonObject all;
  for (const QString& name : settings.allKeys())
    all.insert(name.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')),
               QJsonValue::fromVariant(settings.value(name)));
  return QString::fromUtf8(QJsonDocument(QJsonObject{{"value", value}, {"all", all}}).toJson(QJsonDocument::Compact));
}

}  // namespace

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
  const auto run = [&](const QJsonArray& command) {
    QMetaObject::invokeMethod(peer, "run",
                              Q_ARG(QVariant, QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact))));
    // The stores' timers run until the reply is ready.
    QVariant reply;
    while (QMetaObject::invokeMethod(peer, "reply", Q_RETURN_ARG(QVariant, reply)) && reply.toString().isEmpty())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return reply.toString();
  };
  std::string line = "[]";
  do {
    const QJsonArray command = QJsonDocument::fromJson(QByteArray::fromStdString(line)).array();
    const QString name = command.at(0).toString();
    QString reply = QStringLiteral("{\"held\":false}");
    if (name == QLatin1String("hold")) {
      if (lock.tryLock(5000)) reply = QStringLiteral("{\"held\":true}");
    } else if (name == QLatin1String("release")) {
      lock.unlock();
    } else if (name == QLatin1String("settings")) {
      reply = settingsRead(command.at(1).toString());
    } else {
      reply = run(command);
    }
    std::cout << reply.toStdString() << std::endl;
  } while (std::getline(std::cin, line));
  return 0;
}
