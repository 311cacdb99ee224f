// The per-user settings file as a store that can fail. QSettings keeps what
// it cannot read or write to itself (a status the program must ask for), and
// takes a write the file system cut short (a disk quota, a limit on the size
// of files) for a whole one; the helpers here tell what became of a write
// and turn it into a map QML words in the user's language:
//   {"ok": true}
//   {"ok": false, "what": <what was read or saved>, "problem": "unreadable" |
//    "notWritable" | "full" | "incomplete" | "locked" | "damaged", "path": <the settings file>}
// "what" is the caller's name for the data: "startup" (the settings read at
// start), "appearance", "language", "trainingStats", "solveActivity",
// "updates" (the update check's, only logged).
#pragma once

#include <QString>
#include <QVariantMap>

class QSettings;

namespace settings_store {

// The state of `settings` as it was read: "unreadable" when the file exists
// but could not be read, "damaged" when part of it could not be parsed.
QVariantMap readStatus(const QSettings& settings, const QString& what);

// Writes `values` ("group/key" -> value; an invalid value removes the key
// and every key below it) to the settings file through QSettings, reads them
// back from the file and tells whether they got there: "unreadable" when the
// existing file cannot be read (it is then left as it is), "full" when the
// disk that holds it has no room for it, "incomplete" when the file could
// not be written in full (a limit on the size of files leaves no room for
// it, or the file read back does not hold the values or any other setting
// as written: a disk quota cut it short), "locked" when the lock QSettings
// takes beside the file cannot be taken (another process keeps it, or
// something that is no lock file stands at its name), "notWritable" when the
// file or its folder cannot be written. A failed write leaves the file as it
// was: one that QSettings put in its place cut short is put back.
QVariantMap writeStatus(const QVariantMap& values, const QString& what);

// Writes `values` under `group` and tells whether they got there, as
// writeStatus does. Flags and texts are put into the file in place where it
// can be done (settings_ini_patch.h), so that a large settings file is not
// written anew for a few small values; otherwise QSettings writes them.
QVariantMap putStatus(const QString& group, const QVariantMap& values, const QString& what);

// The write of writeStatus through `settings` (read from the file before):
// nothing when the values got there, else the problem (the file as it was).
// `extraBytes` is the room the values may take in the file beyond what it
// holds now.
const char* writeThrough(QSettings& settings, const QVariantMap& values, qint64 extraBytes);

// After a write of the settings file at `path` failed: true when its folder
// can be written but the disk has no room for the file written anew (its
// present size and `extraBytes` more, with a margin). QSettings keeps only
// "could not write", so the cause is read from the disk afterwards.
bool noRoomFor(const QString& path, qint64 extraBytes = 0);

// After a write of the settings file at `path` the file system took only
// part of: "full" where the disk has no room for it (as noRoomFor), else
// "incomplete" (a disk quota, a limit on the size of files).
const char* cutShortProblem(const QString& path, qint64 extraBytes = 0);

// True for the {"ok": true} map.
bool isOk(const QVariantMap& status);

}  // namespace settings_store
