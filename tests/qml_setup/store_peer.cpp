// The tests' other copy of the program (store_peer.qml) as a process of its
// own: store_peer <settings folder> <organisation and application name>.
// It prints its stores as read at start on one JSON line, then one reply line
// for each command line on standard input, and ends with its input.
// ["hold"] takes the stores' lock and keeps it, ["release"] gives it back
// (and what ["writeCopy"] holds).
// ["settings", "group/key"] replies how a QSettings of its own reads the file
// now: {"value": that key's value, looked up first as the program looks up
// a setting, "all": every setting, {"group/key": text or list of texts}}.
// ["holdFileLock", ms] does what QSettings does while it saves, drawn out:
// it takes the lock QSettings takes beside the file ("<file>.lock"), reads
// the file, replies, and ms later writes what it read with "[peer]
// mark=<ms>" added, then gives the lock back.
// ["writeCopy"] takes that lock and writes a copy of the file beside it, as
// QSaveFile does on a file system without unnamed files while QSettings
// saves, and keeps both until ["release"]: {"copy": its path}.
// ["sameTime", command...] runs the command, then sets the file's time back
// to the one it had before, as a save within one tick of the file system's
// clock leaves it; its reply gets "sameSize": whether the size stayed.
#include "backend/app_controller.h"
#include "backend/icons/tinted_icon_provider.h"
#include "backend/settings_store_file.h"
#include "tests/qml_shell/shell_test_backend.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>
#include <QtQml/qqmlextensionplugin.h>

#include <iostream>
#include <memory>
#include <string>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
  installTintedIcons(engine);
  SettingsStoreFile storeFile;
  engine.rootContext()->setContextProperty(QStringLiteral("storeFile"), &storeFile);
  AppController controller;
  engine.rootContext()->setContextProperty(QStringLiteral("appController"), &controller);
  engine.load(QUrl::fromLocalFile(QStringLiteral(STORE_PEER_QML)));
  if (engine.rootObjects().isEmpty()) return 2;
  QObject* peer = engine.rootObjects().first();
  const QString path = QSettings().fileName();
  QLockFile lock(SettingsStoreFile::lockFileName());
  QLockFile fileLock(path + QStringLiteral(".lock"));
  std::unique_ptr<QTemporaryFile> copy;
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
      copy.reset();
      fileLock.unlock();
    } else if (name == QLatin1String("settings")) {
      reply = settingsRead(command.at(1).toString());
    } else if (name == QLatin1String("holdFileLock")) {
      if (fileLock.tryLock(5000)) {
        const QByteArray read = fileBytes(path);
        std::cout << "{\"held\":true}" << std::endl;
        const int ms = command.at(1).toInt();
        QThread::msleep(ms);
        QSaveFile out(path);
        if (out.open(QIODevice::WriteOnly)) {
          out.write(read + "\n[peer]\nmark=" + QByteArray::number(ms) + '\n');
          out.commit();
        }
        fileLock.unlock();
        continue;
      }
    } else if (name == QLatin1String("writeCopy")) {
      copy = std::make_unique<QTemporaryFile>(path);
      copy->setAutoRemove(false);
      if (fileLock.tryLock(5000) && copy->open() && copy->write(fileBytes(path)) >= 0 && copy->flush())
        reply = QString::fromUtf8(QJsonDocument(QJsonObject{{"copy", copy->fileName()}}).toJson(QJsonDocument::Compact));
    } else if (name == QLatin1String("sameTime")) {
      QFile file(path);
      const qint64 size = file.size();
      const QDateTime time = QFileInfo(path).lastModified();
      QJsonArray inner = command;
      inner.removeFirst();
      QJsonObject answer = QJsonDocument::fromJson(run(inner).toUtf8()).object();
      if (file.open(QIODevice::ReadWrite)) file.setFileTime(time, QFileDevice::FileModificationTime);
      answer.insert("sameSize", file.size() == size);
      reply = QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact));
    } else {
      reply = run(command);
    }
    std::cout << reply.toStdString() << std::endl;
  } while (std::getline(std::cin, line));
  return 0;
}
