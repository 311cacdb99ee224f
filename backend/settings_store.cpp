#include "backend/settings_store.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStorageInfo>

#include <optional>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

#include "backend/local_files.h"
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
// and its disk afterwards. Where both the file and its folder can be
// written and the disk has room, the file system took only part of it (a
// disk quota, a limit on the size of files).
const char* writeProblem(const QString& path) {
  if (existsUnreadable(path)) return "unreadable";
  if (noRoomFor(path)) return "full";
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  const bool writable = folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
  return writable ? "incomplete" : "notWritable";
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

const char* cutShortProblem(const QString& path, qint64 extraBytes) {
  return noRoomFor(path, extraBytes) ? "full" : "incomplete";
}

QVariantMap readStatus(const QSettings& settings, const QString& what) {
  switch (settings.status()) {
    case QSettings::NoError: return ok();
    case QSettings::AccessError: return problem(settings, what, "unreadable");
    case QSettings::FormatError: return problem(settings, what, "damaged");
  }
  return ok();
}

namespace {

// True where a limit on the size of the files this process writes (ulimit
// -f) is below the settings file at `path` written anew with `extraBytes`
// more: such a write would be cut short at the limit.
bool pastFileSizeLimit(const QString& path, qint64 extraBytes) {
#if defined(Q_OS_UNIX)
  struct rlimit limit {};
  if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return false;
  const QFileInfo file(path);
  const quint64 size = quint64(qMax<qint64>(file.exists() ? file.size() : 0, 0)) + quint64(qMax<qint64>(extraBytes, 0));
  return size > quint64(limit.rlim_cur);
#else
  Q_UNUSED(path);
  Q_UNUSED(extraBytes);
  return false;
#endif
}

// The room `values` may take in the settings file: their texts, escaped.
qint64 roomFor(const QVariantMap& values) {
  qint64 total = 0;
  // A character QSettings escapes takes two bytes or more; a line its name,
  // its '=' and its line break.
  for (auto it = values.cbegin(); it != values.cend(); ++it)
    total += 2 * (it.key().toUtf8().size() + it.value().toString().toUtf8().size()) + 2;
  return total;
}

// Whether `read`, a setting as QSettings read it from the file, is `value`:
// the value itself for what QSettings writes encoded, its text for what it
// writes as text (a flag, a number).
bool same(const QVariant& read, const QVariant& value) {
  if (read == value) return true;
  if (read.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QStringList)
    return read.toStringList() == value.toStringList();
  return read.typeId() == QMetaType::QString && value.canConvert<QString>() && read.toString() == value.toString();
}

// Whether the settings as read from the file hold `value` under `key`; an
// invalid value: neither the key nor anything below it.
bool holds(QSettings& file, const QString& key, const QVariant& value) {
  if (value.isValid()) return same(file.value(key), value);
  if (file.contains(key)) return false;
  file.beginGroup(key);
  const bool none = file.allKeys().isEmpty();
  file.endGroup();
  return none;
}

// Every setting of the file of `settings`, by key: not those of the files
// it falls back on (the organization's, the system's), which it never writes.
QVariantMap everything(QSettings& settings) {
  const bool fallbacks = settings.fallbacksEnabled();
  settings.setFallbacksEnabled(false);
  QVariantMap all;
  for (const QString& key : settings.allKeys()) all.insert(key, settings.value(key));
  settings.setFallbacksEnabled(fallbacks);
  return all;
}

// What the settings file at `settings`' name holds now, read from it anew
// (not from what this process noted at its last read or write): nothing when
// it holds `values` and every setting of `written` (all that QSettings wrote
// into it), else the problem. A write cut short can spare the values and take
// the settings after them.
const char* readBackProblem(const QSettings& settings, const QVariantMap& values, const QVariantMap& written) {
  const QString path = settings.fileName();
  // Every QSettings of this process reads the file again at its next sync;
  // one that still holds a change it could not write tries again.
  if (!settings_ini::moveTimeOn(path)) {
    qWarning().noquote() << "Settings: could not read back" << QDir::toNativeSeparators(path);
    return nullptr;
  }
  QSettings file(path, settings.format());
  if (file.status() == QSettings::AccessError) return writeProblem(path);
  const auto lacks = [&](const QString& key) {
    qWarning().noquote() << "Settings: the file" << QDir::toNativeSeparators(path) << "does not hold" << key
                         << "as written: it was not written in full";
    return cutShortProblem(path);
  };
  for (auto it = values.cbegin(); it != values.cend(); ++it)
    if (!holds(file, it.key(), it.value())) return lacks(it.key());
  for (auto it = written.cbegin(); it != written.cend(); ++it)
    if (!same(file.value(it.key()), it.value())) return lacks(it.key());
  return nullptr;
}

// The file's bytes, where it is there and can be read.
std::optional<QByteArray> bytesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// Puts `before` back into the settings file at `path` after QSettings put a
// file it could not write in full in its place: under the lock QSettings takes
// while it writes, where the file is still the one it put there (`left` its
// stamp), written whole or not at all. A file another process wrote since is
// left as it is.
void putBack(const QString& path, const QByteArray& before, const QString& left) {
  const QString shown = QDir::toNativeSeparators(path);
  QLockFile lock(settings_ini::fileLockName(path));
  if (!settings_ini::takeFileLock(path, lock).isEmpty()) {
    qWarning().noquote() << "Settings: could not put back" << shown << "as it was: its lock cannot be taken";
    return;
  }
  const QDateTime noted = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
  const std::optional<QByteArray> now = bytesOf(path);
  if (!now || settings_ini::stampOf(*now) != left) {
    qWarning().noquote() << "Settings:" << shown << "changed since it was written; it is left as it is";
    return;
  }
  const local_files::WriteOutcome out = local_files::writeAtomically(path, before);
  if (!out.ok()) {
    qWarning().noquote() << "Settings: could not put back" << shown << "as it was:" << out.error;
    return;
  }
  // Every QSettings of this process reads it again.
  settings_ini::moveTimeOn(path, noted.isValid() ? noted.addMSecs(1) : QDateTime());
  qWarning().noquote() << "Settings:" << shown << "is put back as it was before the write";
}

}  // namespace

const char* writeThrough(QSettings& settings, const QVariantMap& values, qint64 extraBytes) {
  const QString path = settings.fileName();
  // QSettings writes the file anew, and where the disk runs out of room or
  // the file reaches a limit on its size meanwhile it puts the part it
  // wrote in the file's place.
  if (pastFileSizeLimit(path, extraBytes)) return "incomplete";
  if (noRoomFor(path, extraBytes)) return "full";
  // QSettings waits for its lock for ever, and would hold the thread where
  // the lock cannot be taken. Taken and released here, it is free at once
  // for QSettings but where another process takes it in between.
  {
    QLockFile lock(settings_ini::fileLockName(path));
    if (settings_ini::takeFileLock(path, lock) == QLatin1String("busy")) return "locked";
  }
  // Put back where the write loses anything the file held (a disk quota, a
  // file that grows past the room left): a failed save leaves the file as
  // it was.
  const std::optional<QByteArray> before = bytesOf(path);
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    if (it.value().isValid()) settings.setValue(it.key(), it.value());
    else settings.remove(it.key());
  }
  settings.sync();
  QSettings::Status status = settings.status();
  if (status == QSettings::FormatError) {
    // A format error met reading the file sticks and hides how the write
    // went. A QSettings made now reads nothing again (the file is as this
    // process last read it) and tries once more to write a change this
    // process could not write: its status tells.
    const QSettings probe(path, settings.format());
    status = probe.status();
  }
  // QSettings removes what it wrote where it knows the write failed.
  if (status == QSettings::AccessError) return writeProblem(path);
  // A write cut short reads as done: the file tells.
  const std::optional<QByteArray> left = bytesOf(path);
  const char* problem = readBackProblem(settings, values, everything(settings));
  if (problem && before && left) putBack(path, *before, settings_ini::stampOf(*left));
  return problem;
}

QVariantMap writeStatus(const QVariantMap& values, const QString& what) {
  QSettings settings;
  const char* kind = writeThrough(settings, values, roomFor(values));
  return kind ? problem(settings, what, kind) : ok();
}

QVariantMap putStatus(const QString& group, const QVariantMap& values, const QString& what) {
  QSettings settings;
  settings.sync();
  QMap<QString, QString> texts;
  QVariantMap keyed;
  bool asTexts = settings.status() == QSettings::NoError;
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    const QString key = group + QLatin1Char('/') + it.key();
    keyed.insert(key, it.value());
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
    if (put == QLatin1String("busy")) return problem(settings, what, "locked");
    if (put == QLatin1String("short"))
      return problem(settings, what, cutShortProblem(settings.fileName(), roomFor(keyed)));
  }
  const char* kind = writeThrough(settings, keyed, roomFor(keyed));
  return kind ? problem(settings, what, kind) : ok();
}

bool isOk(const QVariantMap& status) { return status.value(QStringLiteral("ok")).toBool(); }

}  // namespace settings_store
