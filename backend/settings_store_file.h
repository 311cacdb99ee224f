// SettingsStoreFile: the per-user settings file as the stores of the Setup
// page use it (settings profiles, Custom trees, overrides of the built-in
// ranges). Several copies of the program may run on one settings file, so a
// store is changed in one step across processes: a lock file beside the
// settings file that every copy honours, the file read again under it, the
// change applied to what is there now, written and synced, the lock
// released. A lock left behind by a copy that ended without releasing it is
// taken over.
//
// Runs on the GUI thread. No exception leaves an invokable.
#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QSettings;

class SettingsStoreFile : public QObject {
  Q_OBJECT

 public:
  explicit SettingsStoreFile(QObject* parent = nullptr);

  // Runs `work` (a function without arguments) while holding the lock, after
  // the settings were read again from disk; what it writes with `write` is
  // synced before the lock is released. The lock is waited for at most
  // `waitMs` milliseconds, so the calling thread is never held long; a
  // caller that gets "busy" tries again later. Returns {ok, reason, path,
  // result}: ok when the work ran and everything was written; reason "" on
  // success, "busy" (another copy holds the lock), "read" (the settings file
  // cannot be read: the work is not run and nothing is written), "write"
  // (the lock file or the settings could not be written), "work" (the work
  // threw; what it wrote before is synced) or "nested" (called from inside
  // a work); path is the settings file; result is what the work returned.
  Q_INVOKABLE QVariantMap transact(const QJSValue& work, int waitMs = 50);

  // The text stored under group/key: inside a work as read under the lock,
  // elsewhere as on disk now. "" when absent.
  Q_INVOKABLE QString read(const QString& group, const QString& key) const;

  // Stores the text under group/key; only inside a work (false elsewhere).
  Q_INVOKABLE bool write(const QString& group, const QString& key, const QString& text);

  // The settings file the stores live in, with native separators.
  Q_INVOKABLE QString fileName() const;

  // The lock file of the stores for the current per-user settings: beside
  // the settings file, apart from the one QSettings takes while it writes.
  static QString lockFileName();

 private:
  QVariantMap transactUnguarded(const QJSValue& work, int waitMs);

  QSettings* m_current = nullptr;  // the settings of the running work
};
