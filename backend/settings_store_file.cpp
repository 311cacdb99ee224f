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

#include <exception>
#include <utility>

#include "backend/settings_ini_patch.h"
#include "backend/settings_store.h"

namespace {

// Pause between two tries while another copy holds the lock.
constexpr int kRetryPauseMs = 5;

QString storedText(const QSettings& settings, const QString& group, const QString& key) {
  const QVariant v = settings.value(group + QLatin1Char('/') + key);
  // An ini value with unquoted commas reads back as a list.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
  return v.toString();
}

// Takes the lock, waiting at most `waitMs`; "" when it is held, else why not.
QString takeLock(QLockFile& lock, int waitMs) {
  lock.setStaleLockTime(settings_ini::kStaleLockMs);
  QElapsedTimer waited;
  waited.start();
  while (!lock.tryLock(0)) {
    if (lock.error() != QLockFile::LockFailedError) return QStringLiteral("write");
    if (waited.elapsed() >= qMax(0, waitMs)) return QStringLiteral("busy");
    QThread::msleep(kRetryPauseMs);
  }
  return QString();
}

QVariantMap answer(bool ok, const QString& reason, const QString& path, const QString& stamp = QString(),
                   const QMap<QString, QString>* lines = nullptr) {
  QVariantMap out{{QStringLiteral("ok"), ok},
                  {QStringLiteral("reason"), reason},
                  {QStringLiteral("path"), path},
                  {QStringLiteral("stamp"), stamp}};
  if (lines) {
    QVariantMap stamps;
    for (auto it = lines->cbegin(); it != lines->cend(); ++it) stamps.insert(it.key(), it.value());
    out.insert(QStringLiteral("stamps"), stamps);
  }
  return out;
}

// The file's stamp (settings_ini::stampOf its bytes), its bytes into
// `bytes`; "none" for a file that is not there, "" for one that cannot be
// read. Reading and hashing a large file takes a millisecond or two, a
// fraction of reading it as settings.
QString stampOf(const QString& path, QByteArray* bytes = nullptr) {
  QFile file(path);
  if (!file.exists()) return QStringLiteral("none");
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const QByteArray read = file.readAll();
  if (bytes) *bytes = read;
  return settings_ini::stampOf(read);
}

// Why a write of the settings file failed.
QString writeFailure(const QString& path, qint64 changedBytes) {
  return settings_store::noRoomFor(path, changedBytes) ? QStringLiteral("full") : QStringLiteral("write");
}

// The reason a change gives for a problem of settings_store::writeThrough:
// a lock that cannot be taken as the stores' own one that another copy keeps.
QString storeReason(const char* problem) {
  const QLatin1String kind(problem);
  if (kind == QLatin1String("locked")) return QStringLiteral("busy");
  return kind == QLatin1String("full") || kind == QLatin1String("incomplete") ? QString(kind) : QStringLiteral("write");
}

}  // namespace

SettingsStoreFile::SettingsStoreFile(QObject* parent) : QObject(parent) {}

QString SettingsStoreFile::lockFileName() {
  return QSettings().fileName() + QStringLiteral(".stores.lock");
}

QString SettingsStoreFile::fileName() const {
  return QDir::toNativeSeparators(QSettings().fileName());
}

QString SettingsStoreFile::stamp() const {
  try {
    return stampOf(QSettings().fileName());
  } catch (...) {
    return QString();
  }
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
  m_readOnly = false;
  m_lines.clear();
  m_linesKnown = false;
  return answer(false, QStringLiteral("write"), fileName());
}

QVariantMap SettingsStoreFile::transactUnguarded(const QJSValue& work, int waitMs) {
  const QString path = fileName();
  if (m_current) return answer(false, QStringLiteral("nested"), path);

  // The folder may not be there yet at the first start; QSettings would make
  // it. Where neither it nor the lock can be made, the stores are only read.
  const QString lockPath = lockFileName();
  QLockFile lock(lockPath);
  QString refused = QDir().mkpath(QFileInfo(lockPath).absolutePath()) ? takeLock(lock, waitMs) : QStringLiteral("write");
  if (refused == QLatin1String("busy")) return answer(false, refused, path);
  const bool locked = refused.isEmpty();

  // What another copy wrote since this one last read the file. While the
  // file is the very one this object left, untouched since, the settings
  // read then are still the file's, and the file need not be read again.
  QSettings settings;
  QByteArray bytes;
  const QString stampNow = stampOf(settings.fileName(), &bytes);
  const bool asLeft = locked && !m_lastStamp.isEmpty() && stampNow == m_lastStamp &&
                      QFileInfo(settings.fileName()).lastModified() == m_lastFileTime;
  if (locked && !asLeft) settings_ini::moveTimeOn(settings.fileName());
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    const QFileInfo info(settings.fileName());
    if (settings.status() == QSettings::FormatError || (info.exists() && (info.isDir() || !info.isReadable())))
      return answer(false, QStringLiteral("read"), path);
    // The file reads, but QSettings still holds a change of this process
    // that it could not write (a save elsewhere failed), and tried again.
    // Without the lock nothing can be written anyway, and the settings as
    // last read stand; with it, this change would not get through either.
    if (locked) return answer(false, writeFailure(settings.fileName(), 0), path);
  }

  m_current = &settings;
  m_readOnly = !locked;
  m_changes.clear();
  // The stamps of the lines: those this object left, or read from the file
  // now, where they tell the texts QSettings reads.
  bool asWritten = true;
  m_lines = asLeft ? m_lastLines : settings_ini::lineStamps(bytes, &asWritten);
  m_linesKnown = !stampNow.isEmpty() && asWritten;
  bytes.clear();
  QJSValue result = work.isCallable() ? QJSValue(work).call({QJSValue(stampNow)}) : QJSValue();
  m_current = nullptr;
  m_readOnly = false;
  const QMap<QString, QString> changes = std::exchange(m_changes, {});
  QMap<QString, QString> lines = std::exchange(m_lines, {});
  bool linesKnown = std::exchange(m_linesKnown, false);
  const bool threw = result.isError();
  if (threw) qWarning().noquote() << "Settings stores: the change threw:" << result.toString();

  const QString file = settings.fileName();
  // The room the changed texts may take in the file, and why a write
  // failed, told from it.
  const auto changedBytes = [&] {
    qint64 total = 0;
    for (const QString& text : changes) total += 2 * text.toUtf8().size();
    return total;
  };
  const auto failure = [&] { return writeFailure(file, changedBytes()); };
  if (!locked) {
    if (!changes.isEmpty()) return answer(false, failure(), path);
    return threw ? answer(false, QStringLiteral("work"), path)
                 : answer(true, QString(), path, stampNow, linesKnown ? &lines : nullptr);
  }
  QString written;
  if (!changes.isEmpty()) {
    QMap<QString, QString> putLines;
    const QString put = settings_ini::putInPlace(settings, changes, &bytes, &putLines);
    if (put.isEmpty()) {
      written = settings_ini::stampOf(bytes);
      lines.insert(putLines);
    }
    if (put == QLatin1String("fallback")) {
      // QSettings writes the file anew; what it wrote is read back from the
      // file (settings_store::writeThrough).
      QVariantMap values;
      for (auto it = changes.cbegin(); it != changes.cend(); ++it) values.insert(it.key(), it.value());
      if (const char* kind = settings_store::writeThrough(settings, values, changedBytes()))
        return answer(false, storeReason(kind), path);
      // The file as QSettings wrote it.
      written = stampOf(file, &bytes);
      lines = settings_ini::lineStamps(bytes, &asWritten);
      linesKnown = !written.isEmpty() && asWritten;
    } else if (put == QLatin1String("write")) {
      return answer(false, failure(), path);
    } else if (put == QLatin1String("short")) {
      return answer(false, QString::fromLatin1(settings_store::cutShortProblem(file, changedBytes())), path);
    } else if (!put.isEmpty()) {
      return answer(false, put, path);
    }
  }
  // The file as this change left it; unchanged, as it was read. Where its
  // lines could not be told, the next change reads them from the file.
  m_lastStamp = !linesKnown ? QString() : changes.isEmpty() ? stampNow : written;
  m_lastLines = linesKnown ? lines : QMap<QString, QString>();
  m_lastFileTime = QFileInfo(file).lastModified();
  const QString stampLeft = changes.isEmpty() ? stampNow : written;
  return threw ? answer(false, QStringLiteral("work"), path)
               : answer(true, QString(), path, stampLeft, linesKnown ? &lines : nullptr);
}

bool SettingsStoreFile::canWrite() const { return m_current && !m_readOnly; }

QString SettingsStoreFile::storeStamp(const QString& group, const QString& key) const {
  const QString name = group + QLatin1Char('/') + key;
  if (!m_current || !m_linesKnown || m_changes.contains(name)) return QString();
  return m_lines.value(name, QStringLiteral("none"));
}

QString SettingsStoreFile::read(const QString& group, const QString& key) const {
  if (m_current) {
    const auto changed = m_changes.constFind(group + QLatin1Char('/') + key);
    return changed != m_changes.cend() ? changed.value() : storedText(*m_current, group, key);
  }
  // Briefly under the lock, so that a write of another copy is seen whole;
  // while another copy holds it, as this process last read the file.
  QSettings settings;
  QLockFile lock(lockFileName());
  if (takeLock(lock, 20).isEmpty()) settings_ini::moveTimeOn(settings.fileName());
  settings.sync();
  return storedText(settings, group, key);
}

bool SettingsStoreFile::write(const QString& group, const QString& key, const QString& text) {
  if (!m_current) {
    qWarning().noquote() << "Settings stores: a write outside a change is refused:" << group << key;
    return false;
  }
  // A value written as it is stored changes nothing: where nothing can be
  // written, such a write still succeeds. Under the lock the texts are
  // compared as they are put into the file (settings_ini::putInPlace),
  // which is quicker than having QSettings read a large group of the file.
  if (m_readOnly && read(group, key) == text) return true;
  m_changes.insert(group + QLatin1Char('/') + key, text);
  return true;
}
