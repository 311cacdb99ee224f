#include "backend/settings_store_file.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <exception>

namespace {

// How long a lock may stand before it counts as left behind even though a
// process of its PID still runs (a copy hung for that long, or the PID given
// to another process of the same name). A store is held for milliseconds.
constexpr int kStaleLockMs = 30000;
// Pause between two tries while another copy holds the lock.
constexpr int kRetryPauseMs = 5;

QString storedText(const QSettings& settings, const QString& group, const QString& key) {
  const QVariant v = settings.value(group + QLatin1Char('/') + key);
  // An ini value with unquoted commas reads back as a list.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
  return v.toString();
}

// QSettings reads its file again only when the file's size or modification
// time differs from what it noted at its last read. A read elsewhere in this
// process that raced another copy's write can note the new file's size and
// time beside the old file's content, and then nothing it reads later would
// be new. Under the lock the file's time is moved on, so that the next sync
// reads the file as it is now.
void readAgainAtNextSync(const QString& path) {
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
  const QDateTime noted = file.fileTime(QFileDevice::FileModificationTime);
  file.setFileTime(std::max(QDateTime::currentDateTimeUtc(), noted.addMSecs(1)), QFileDevice::FileModificationTime);
}

// Takes the lock, waiting at most `waitMs`; "" when it is held, else why not.
QString takeLock(QLockFile& lock, int waitMs) {
  lock.setStaleLockTime(kStaleLockMs);
  QElapsedTimer waited;
  waited.start();
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError) return QStringLiteral("write");
    if (waited.elapsed() >= qMax(0, waitMs)) return QStringLiteral("busy");
    QThread::msleep(kRetryPauseMs);
  }
  return QString();
}

QVariantMap answer(bool ok, const QString& reason, const QString& path) {
  return {{QStringLiteral("ok"), ok}, {QStringLiteral("reason"), reason}, {QStringLiteral("path"), path}};
}

}  // namespace

SettingsStoreFile::SettingsStoreFile(QObject* parent) : QObject(parent) {}

QString SettingsStoreFile::lockFileName() {
  return QSettings().fileName() + QStringLiteral(".stores.lock");
}

QString SettingsStoreFile::fileName() const {
  return QDir::toNativeSeparators(QSettings().fileName());
}

QVariantMap SettingsStoreFile::transact(const QJSValue& work, int waitMs) {
  try {
    return transactUnguarded(work, waitMs);
  } catch (const std::exception& e) {
    qWarning() << "Settings stores: a change failed:" << e.what();
  } catch (...) {
    qWarning() << "Settings stores: a change failed";
  }
  m_current = nullptr;
  return answer(false, QStringLiteral("write"), fileName());
}

QVariantMap SettingsStoreFile::transactUnguarded(const QJSValue& work, int waitMs) {
  const QString path = fileName();
  if (m_current) return answer(false, QStringLiteral("nested"), path);

  // The folder may not be there yet at the first start; QSettings would make it.
  const QString lockPath = lockFileName();
  if (!QDir().mkpath(QFileInfo(lockPath).absolutePath())) return answer(false, QStringLiteral("write"), path);

  QLockFile lock(lockPath);
  const QString refused = takeLock(lock, waitMs);
  if (!refused.isEmpty()) return answer(false, refused, path);

  // What another copy wrote since this one last read the file.
  QSettings settings;
  readAgainAtNextSync(settings.fileName());
  settings.sync();
  if (settings.status() != QSettings::NoError) return answer(false, QStringLiteral("read"), path);

  m_current = &settings;
  QJSValue result = work.isCallable() ? QJSValue(work).call() : QJSValue();
  m_current = nullptr;
  const bool threw = result.isError();
  if (threw) qWarning().noquote() << "Settings stores: the change threw:" << result.toString();

  settings.sync();
  if (settings.status() != QSettings::NoError) return answer(false, QStringLiteral("write"), path);
  return threw ? answer(false, QStringLiteral("work"), path) : answer(true, QString(), path);
}

QString SettingsStoreFile::read(const QString& group, const QString& key) const {
  if (m_current) return storedText(*m_current, group, key);
  // Briefly under the lock, so that a write of another copy is seen whole;
  // while another copy holds it, as this process last read the file.
  QSettings settings;
  QLockFile lock(lockFileName());
  if (takeLock(lock, 20).isEmpty()) readAgainAtNextSync(settings.fileName());
  settings.sync();
  return storedText(settings, group, key);
}

bool SettingsStoreFile::write(const QString& group, const QString& key, const QString& text) {
  if (!m_current) {
    qWarning().noquote() << "Settings stores: a write outside a change is refused:" << group << key;
    return false;
  }
  m_current->setValue(group + QLatin1Char('/') + key, text);
  return true;
}
