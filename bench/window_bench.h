// Shared pieces of the benches that run the program's own window: the
// window with its three back-end objects as main() sets them up, running the
// event loop until a condition holds, and finding a named item.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSet>
#include <QString>
#include <QUrl>

#include <clocale>
#include <functional>

#include "backend/app_controller.h"
#include "backend/icons/tinted_icon_provider.h"
#include "bench/controller_bench.h"
#include "backend/language_manager.h"
#include "backend/update_manager.h"

namespace window_bench {

// Before the application is made: an off-screen window unless a platform is
// given, and the style the program uses.
inline void beforeApp() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QQuickStyle::setStyle(QStringLiteral("Basic"));
}

// After it: numbers in the C locale, and settings under the bench's own name.
inline void nameApp(const char* name) {
  std::setlocale(LC_NUMERIC, "C");
  QCoreApplication::setOrganizationName(QStringLiteral("CaldiruneBench"));
  QCoreApplication::setApplicationName(QString::fromLatin1(name));
}

using controller_bench::runUntil;
using controller_bench::settle;

// The object of that name under `root`, through visual children and QObject
// children alike, each visited once.
inline QObject* findNamed(QObject* root, const QString& name) {
  QList<QObject*> queue{root};
  QSet<QObject*> seen;
  while (!queue.isEmpty()) {
    QObject* o = queue.takeFirst();
    if (!o || seen.contains(o)) continue;
    seen.insert(o);
    if (o->objectName() == name) return o;
    if (auto* item = qobject_cast<QQuickItem*>(o))
      for (QQuickItem* child : item->childItems()) queue.append(child);
    if (auto* w = qobject_cast<QQuickWindow*>(o)) queue.append(w->contentItem());
    queue.append(o->children());
  }
  return nullptr;
}

// The program's window with its three back-end objects, as main() sets them up.
struct App {
  QQmlApplicationEngine engine;
  LanguageManager languageManager{&engine};
  AppController controller;
  UpdateManager updates;

  App() {
    installTintedIcons(engine);
    engine.rootContext()->setContextProperty(QStringLiteral("languageManager"), &languageManager);
    engine.rootContext()->setContextProperty(QStringLiteral("appController"), &controller);
    engine.rootContext()->setContextProperty(QStringLiteral("updates"), &updates);
    engine.load(QUrl(QStringLiteral("qrc:/Velmora/Main.qml")));
  }
  // The window; null when it did not load.
  QObject* root() const { return engine.rootObjects().isEmpty() ? nullptr : engine.rootObjects().first(); }
};

}  // namespace window_bench
