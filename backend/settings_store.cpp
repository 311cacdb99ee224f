#include "backend/settings_store.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace settings_store {
namespace {

QVariantMap ok() { return {{QStringLiteral("ok"), true}}; }

QVariantMap problem(const QSettings& settings, const QString& what, const char* kind) {
  const QString path = QDir::toNativeSeparators(settings.fileName());
  qWarning().noquote() << "Settings" << what << kind << path;
  return {{QStringLiteral("ok"), false},
          {QStringLiteral("what"), what},
          {QStringLiteral("problem"), QString::fromLatin1(kind)},
          {QStringLiteral("path"), path}};
}

// A file that is there but cannot be read as a file (no permission, or a
// folder in its place).
bool existsUnreadable(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && (info.isDir() || !info.isReadable());
}

}  // namespace

QVariantMap readStatus(const QSettings& settings, const QString& what) {
  switch (settings.status()) {
    case QSettings::NoError: return ok();
    case QSettings::AccessError: return problem(settings, what, "unreadable");
    case QSettings::FormatError: return problem(settings, what, "damaged");
  }
  return ok();
}

QVariantMap syncStatus(QSettings& settings, const QString& what) {
  settings.sync();
  const QString path = settings.fileName();
  switch (settings.status()) {
    case QSettings::NoError: return ok();
    case QSettings::AccessError:
      return problem(settings, what, existsUnreadable(path) ? "unreadable" : "notWritable");
    case QSettings::FormatError:
      // The first error sticks: this one is from reading a damaged file,
      // which a write replaces, unless the file cannot be written.
      return QFileInfo(path).isWritable() ? ok() : problem(settings, what, "notWritable");
  }
  return ok();
}

bool isOk(const QVariantMap& status) { return status.value(QStringLiteral("ok")).toBool(); }

}  // namespace settings_store
