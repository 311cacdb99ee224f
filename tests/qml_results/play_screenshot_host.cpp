// Shows play mode on the results page with the real back end, for
// scripts/play-screenshots.sh: play_shots.qml solves a small turn spot and
// plays until the wanted picture is on screen, then prints "READY".
//
//   play_screenshot_host --shot play|showdown|fold|mistake|drill|redeal|redeal-done|log|home|river|nohand
//                        [--role OOP|IP|BOTH] [--theme dark|light] [--language CODE]
//                        [--width PX] [--height PX]
#include "tests/qml_shell/shell_test_backend.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QUrl>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  shell_test::prepareApplication(QStringLiteral("CaldirunePlayShots"));
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({QStringLiteral("shot"),
                    QStringLiteral("play, showdown, fold, mistake, drill, redeal, redeal-done, log, home, river or nohand"),
                    QStringLiteral("shot"), QStringLiteral("play")});
  parser.addOption({QStringLiteral("role"), QStringLiteral("OOP, IP or BOTH"), QStringLiteral("role"),
                    QStringLiteral("OOP")});
  parser.addOption({QStringLiteral("theme"), QStringLiteral("dark or light"), QStringLiteral("theme"),
                    QStringLiteral("dark")});
  parser.addOption({QStringLiteral("language"), QStringLiteral("interface language code"), QStringLiteral("code"),
                    QStringLiteral("en")});
  parser.addOption({QStringLiteral("width"), QStringLiteral("window width"), QStringLiteral("pixels"),
                    QStringLiteral("1540")});
  parser.addOption({QStringLiteral("height"), QStringLiteral("window height"), QStringLiteral("pixels"),
                    QStringLiteral("1200")});
  parser.process(app);
  {
    // The shell and the language manager read these when they start.
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("ui/darkMode"), parser.value(QStringLiteral("theme")) != QLatin1String("light"));
    settings.setValue(QStringLiteral("ui/accentHex"), QString());
    settings.setValue(QStringLiteral("ui/language"), parser.value(QStringLiteral("language")));
  }

  QQmlEngine engine;
  shell_test::publishBackend(&engine);
  shell_test::publishHostReport(&engine);
  QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(PLAY_SHOTS_QML)));
  const int width = parser.value(QStringLiteral("width")).toInt();
  const int height = parser.value(QStringLiteral("height")).toInt();
  QObject* window = component.createWithInitialProperties(
      {{QStringLiteral("shot"), parser.value(QStringLiteral("shot"))},
       {QStringLiteral("role"), parser.value(QStringLiteral("role"))},
       {QStringLiteral("tempDir"), QDir::tempPath()},
       {QStringLiteral("width"), width > 0 ? width : 1540},
       {QStringLiteral("height"), height > 0 ? height : 1200}});
  return shell_test::execWindow(window, component);
}
