// A second copy of the program as far as the Setup page's stores go, for the
// tests that run two processes on one settings file. Started with
//   store_peer <settings folder> <organisation and application name>
// it keeps the stores of that settings file through the page's own store
// code (store_peer.qml), prints the stores as read at start on one JSON
// line, then one reply line per command line read from standard input, and ends when its input
// ends. Two commands are its own: ["hold"] takes the stores' lock and keeps
// it (reply {"held": true}), ["release"] gives it back.
#include "backend/settings_store_file.h"

#include <QCoreApplication>
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

#include <clocale>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

void say(const QByteArray& line) {
  std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

// Prints the peer's replies, one line each.
class ReplyPrinter : public QObject {
  Q_OBJECT
 public slots:
  void print(const QString& text) { say(text.toUtf8()); }
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc < 3) {
    std::fprintf(stderr, "usage: store_peer <settings folder> <name>\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
  QCoreApplication::setOrganizationName(name);
  QCoreApplication::setApplicationName(name);

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
  // The first line: the stores as read at start.
  QMetaObject::invokeMethod(peer.get(), "run", Q_ARG(QVariant, QStringLiteral("[\"state\"]")));

  std::unique_ptr<QLockFile> held;
  QByteArray buffer;
  auto runLine = [&](const QByteArray& line) {
    if (line == "[\"hold\"]") {
      held = std::make_unique<QLockFile>(SettingsStoreFile::lockFileName());
      say(held->tryLock(5000) ? "{\"held\":true}" : "{\"held\":false}");
    } else if (line == "[\"release\"]") {
      held.reset();
      say("{\"held\":false}");
    } else {
      QMetaObject::invokeMethod(peer.get(), "run", Q_ARG(QVariant, QString::fromUtf8(line)));
    }
  };
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
      if (!line.isEmpty()) runLine(line);
    }
  });
  return app.exec();
}

#include "store_peer.moc"
