// Another copy of the program as far as the Setup page's stores go, run by
// the Setup tests as a process of its own:
//   store_peer <settings folder> <organisation and application name>
// It keeps the stores of that settings file with the page's own store code
// (store_peer.qml), prints them on one JSON line once read at start, then one
// reply line per command line on standard input, and ends with its input.
// ["hold"] takes the stores' lock and keeps it, ["release"] gives it back.
#include "backend/settings_store_file.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QSocketNotifier>
#include <QtQml/qqmlextensionplugin.h>

#include <unistd.h>

#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

class ReplyPrinter : public QObject {
  Q_OBJECT
 public slots:
  void print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) return 2;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[1]));
  QCoreApplication::setOrganizationName(QString::fromLocal8Bit(argv[2]));
  QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[2]));

  QQmlEngine engine;
  engine.addImportPath(QFileInfo(QStringLiteral(VELMORA_MODULE_DIR)).absolutePath());
  SettingsStoreFile storeFile;
  engine.rootContext()->setContextProperty(QStringLiteral("storeFile"), &storeFile);
  QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(STORE_PEER_QML)));
  std::unique_ptr<QObject> peer(component.create());
  if (!peer) {
    std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
    return 2;
  }
  ReplyPrinter printer;
  QObject::connect(peer.get(), SIGNAL(reply(QString)), &printer, SLOT(print(QString)));
  const auto run = [&](const QByteArray& line) {
    QMetaObject::invokeMethod(peer.get(), "run", Q_ARG(QVariant, QString::fromUtf8(line)));
  };
  run("[\"state\"]");

  std::unique_ptr<QLockFile> held;
  QByteArray buffer;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
      input.setEnabled(false);
      QCoreApplication::quit();
      return;
    }
    buffer.append(chunk, static_cast<int>(n));
    for (qsizetype end = buffer.indexOf('\n'); end >= 0; end = buffer.indexOf('\n')) {
      const QByteArray line = buffer.left(end).trimmed();
      buffer.remove(0, end + 1);
      if (line == "[\"hold\"]") {
        held = std::make_unique<QLockFile>(SettingsStoreFile::lockFileName());
        printer.print(held->tryLock(5000) ? "{\"held\":true}" : "{\"held\":false}");
      } else if (line == "[\"release\"]") {
        held.reset();
        printer.print("{\"held\":false}");
      } else if (!line.isEmpty()) {
        run(line);
      }
    }
  });
  return app.exec();
}

#include "store_peer.moc"
