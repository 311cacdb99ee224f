// SettingsStoreFile: the per-user settings file as the stores of the Setup
// page use it (settings profiles, Custom trees, overrides of the built-in
// ranges). Several copies of the program may run on one settings file, so a
// store is changed in one step across processes: a lock file beside the
// settings file that every copy honours, the file read again under it, the
// change applied to what is there now, written and synced, the lock
// released. A lock left behind by a copy that ended without releasing it is
// taken over. Where no lock can be made (a settings folder that cannot be
// written), the stores are still read: a change that only reads succeeds,
// and one that would write is refused without writing anything. No file
// beside the settings file is ever removed: where a copy killed while
// writing it leaves its half-written copy under a name of its own (a file
// system without unnamed files), nothing tells that from a file of the
// user's.
//
// Runs on the GUI thread. No exception leaves an invokable.
#pragma once

#include <QDateTime>
#include <QJSValue>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QSettings;

class SettingsStoreFile : public QObject {
  Q_OBJECT

 public:
  explicit SettingsStoreFile(QObject* parent = nullptr);

  // Runs `work` (a function; its argument is the file's stamp() as read) while
  // holding the lock, after the settings were read again from disk, so that a
  // caller that noted the stamp knows what it read then is still there;
  // what the work writes with `write` is
  // synced before the lock is released. The lock is waited for at most
  // `waitMs` milliseconds, so the calling thread is never held long; a
  // caller that gets "busy" tries again later. Returns {ok, reason, path,
  // stamp}: ok when the work ran and everything it changed was written;
  // reason "" on success, "busy" (another copy holds the lock, or the one
  // QSettings takes while it writes the file, past the wait; or something that
  // is no lock file stands at the name of one), "read" (the
  // settings file cannot be read: the work is not run and nothing is
  // written), "write" (the lock file or the settings could not be written:
  // where no lock could be made, a work that changed nothing still
  // succeeds), "full" (as "write", for want of room on the disk),
  // "incomplete" (the settings file could not be written in full: a disk
  // quota or a limit on the size of files leaves no room for it), "work"
  // (the work threw; what it wrote before is synced) or "nested" (called
  // from inside a work); path is the settings file; stamp is the file's
  // stamp() as the work left it ("" unless ok); stamps, where they can be
  // told, maps "group/key" of each key in the file to its storeStamp as
  // the work left the file.
  Q_INVOKABLE QVariantMap transact(const QJSValue& work, int waitMs = 50);

  // The text stored under group/key: inside a work as read under the lock,
  // elsewhere as on disk now. "" when absent.
  Q_INVOKABLE QString read(const QString& group, const QString& key) const;

  // Stores the text under group/key; only inside a work (false elsewhere).
  // The texts are put into the file in place when the work ends (see
  // settings_ini_patch.h), or by QSettings where the file is not one that
  // can be changed so.
  Q_INVOKABLE bool write(const QString& group, const QString& key, const QString& text);

  // True inside a work holding the lock: what it writes reaches the file.
  // False elsewhere, and where no lock could be made (a write of a text
  // other than the one stored then fails the work).
  Q_INVOKABLE bool canWrite() const;

  // Inside a work: a short text that changes whenever the line of
  // group/key in the settings file does, as read under the lock; "none"
  // where the file has no such key, "" where it cannot be told (a key the
  // file holds twice, one the work wrote, a file that could not be read or
  // that holds a line QSettings would not have written, outside a work). A
  // store whose stamp is the one the last transact returned for it (its
  // "stamps") holds the text it held then.
  Q_INVOKABLE QString storeStamp(const QString& group, const QString& key) const;

  // The settings file the stores live in, with native separators.
  Q_INVOKABLE QString fileName() const;

  // What the settings file holds now, as a short text that changes whenever
  // its content does (not when only its time does); "" when it cannot be
  // read. A caller that noted the stamp a transact returned knows nothing
  // was stored since while the stamp stays the same.
  Q_INVOKABLE QString stamp() const;

  // The lock file of the stores for the current per-user settings: beside
  // the settings file, apart from the one QSettings takes while it writes.
  static QString lockFileName();

 private:
  QVariantMap transactUnguarded(const QJSValue& work, int waitMs);

  QSettings* m_current = nullptr;  // the settings of the running work
  bool m_readOnly = false;         // the running work holds no lock: nothing is written
  QMap<QString, QString> m_changes;  // "group/key" -> text the running work wrote
  QMap<QString, QString> m_lines;    // "group/key" -> line stamp, as the running work read the file
  bool m_linesKnown = false;         // whether m_lines could be told
  QString m_lastStamp;             // the file as the last transact of this object left it
  QDateTime m_lastFileTime;        // and its modification time then
  QMap<QString, QString> m_lastLines;  // and the stamps of its lines
};
