#include "backend/settings_store.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>

#include "backend/settings_ini_patch.h"

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

// Why a write of the settings file at `path` failed, told from the file
// and its disk afterwards.
const char* writeProblem(const QString& path) {
  return existsUnreadable(path) ? "unreadable" : noRoomFor(path) ? "full" : "notWritable";
}

// Room a rewrite of the settings file needs beyond its present size and the
// caller's change: the lock file QSettings takes and the file's growth.
constexpr qint64 kRewriteMargin = 64 * 1024;

}  // namespace

bool noRoomFor(const QString& path, qint64 extraBytes) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  // A folder that cannot be written (a read-only file system among them)
  // is a matter of permissions, however full its disk is.
  if (!folder.isDir() || !folder.isWritable() || (file.exists() && !file.isWritable())) return false;
  QStorageInfo disk(folder.absoluteFilePath());
  disk.refresh();
  if (!disk.isValid() || !disk.isReady()) return false;
  return disk.bytesAvailable() < qMax<qint64>(file.size(), 0) + qMax<qint64>(extraBytes, 0) + kRewriteMargin;
}

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
    case QSettings::AccessError: return problem(settings, what, writeProblem(path));
    case QSettings::FormatError:
      // The first error sticks: this one is from reading a damaged file,
      // which a write replaces, unless the file cannot be written.
      return QFileInfo(path).isWritable() ? ok() : problem(settings, what, "notWritable");
  }
  return ok();
}

QVariantMap putStatus(const QString& group, const QVariantMap& values, const QString& what) {
  QSettings settings;
  settings.sync();
  QMap<QString, QString> texts;
  bool asTexts = settings.status() == QSettings::NoError;
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    const QString key = group + QLatin1Char('/') + it.key();
    // QSettings writes a flag as the text "true" or "false".
    if (it.value().typeId() == QMetaType::Bool)
      texts.insert(key, it.value().toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    else if (it.value().typeId() == QMetaType::QString)
      texts.insert(key, it.value().toString());
    else
      asTexts = false;
  }
  if (asTexts && !texts.isEmpty()) {
    const QString put = settings_ini::putInPlace(settings, texts);
    if (put.isEmpty()) return ok();
    if (put == QLatin1String("write")) return problem(settings, what, writeProblem(settings.fileName()));
  }
  // QSettings writes the file anew, and where the disk runs out of room
  // meanwhile it puts the part it wrote in the file's place.
  if (noRoomFor(settings.fileName())) return problem(settings, what, "full");
  for (auto it = values.cbegin(); it != values.cend(); ++it) settings.setValue(group + QLatin1Char('/') + it.key(), it.value());
  return syncStatus(settings, what);
}

bool isOk(const QVariantMap& status) { return status.value(QStringLiteral("ok")).toBool(); }

}  // namespace settings_store
