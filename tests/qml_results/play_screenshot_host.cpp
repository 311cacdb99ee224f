// Shows play mode on the results page with the real back end, for
// scripts/play-screenshots.sh: play_shots.qml solves a small turn spot and
// plays until the wanted picture is on screen, then prints "READY".
//
//   play_screenshot_host --shot play|drill|log
#include "tests/qml_shell/shell_test_backend.h"

#include <QCommandLineParser>
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
  parser.addOption({QStringLiteral("shot"), QStringLiteral("play, drill or log"), QStringLiteral("shot"),
                    QStringLiteral("play")});
  parser.process(app);
  QSettings().clear();

  QQmlEngine engine;
  shell_test::publishBackend(&engine);
  shell_test::publishHostReport(&engine);
  QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(PLAY_SHOTS_QML)));
  QObject* window = component.createWithInitialProperties(
      {{QStringLiteral("shot"), parser.value(QStringLiteral("shot"))}});
  return shell_test::execWindow(window, component);
}

