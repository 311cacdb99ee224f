// The per-user settings the pages read and write through the controller,
// with what became of them (settings_store.h).
#include <QDebug>
#include <QSettings>

#include "backend/app_controller.h"
#include "backend/settings_store.h"

QVariantMap AppController::settingsStatus() const {
  try {
    const QSettings settings;
    return settings_store::readStatus(settings, QStringLiteral("startup"));
  } catch (...) {
    qWarning() << "settingsStatus failed";
    return {{QStringLiteral("ok"), true}};
  }
}

QVariantMap AppController::saveUiSettings(const QVariantMap& values) {
  try {
    return settings_store::putStatus(QStringLiteral("ui"), values, QStringLiteral("appearance"));
  } catch (...) {
    qWarning() << "saveUiSettings failed";
    return {{QStringLiteral("ok"), false}, {QStringLiteral("what"), QStringLiteral("appearance")},
            {QStringLiteral("problem"), QStringLiteral("notWritable")}, {QStringLiteral("path"), QString()}};
  }
}
