// The per-user settings file as a store that can fail. QSettings keeps what
// it cannot read or write to itself (a status the program must ask for); the
// helpers here turn that status into a map QML words in the user's language:
//   {"ok": true}
//   {"ok": false, "what": <what was read or saved>, "problem": "unreadable" |
//    "notWritable" | "full" | "damaged", "path": <the settings file>}
// "what" is the caller's name for the data: "startup" (the settings read at
// start), "appearance", "language", "trainingStats", "solveActivity".
#pragma once

#include <QString>
#include <QVariantMap>

class QSettings;

namespace settings_store {

// The state of `settings` as it was read: "unreadable" when the file exists
// but could not be read, "damaged" when part of it could not be parsed.
QVariantMap readStatus(const QSettings& settings, const QString& what);

// Writes what `settings` holds to its file and tells whether it got there:
// "unreadable" when the existing file cannot be read (it is then left as it
// is), "full" when the disk that holds it has no room for it, "notWritable"
// when the file or its folder cannot be written.
QVariantMap syncStatus(QSettings& settings, const QString& what);

// Writes `values` under `group` and tells whether they got there, as
// syncStatus does. Flags and texts are put into the file in place where it
// can be done (settings_ini_patch.h), so that a large settings file is not
// written anew for a few small values; otherwise QSettings writes them.
QVariantMap putStatus(const QString& group, const QVariantMap& values, const QString& what);

// After a write of the settings file at `path` failed: true when its folder
// can be written but the disk has no room for the file written anew (its
// present size and `extraBytes` more, with a margin). QSettings keeps only
// "could not write", so the cause is read from the disk afterwards.
bool noRoomFor(const QString& path, qint64 extraBytes = 0);

// True for the {"ok": true} map.
bool isOk(const QVariantMap& status);

}  // namespace settings_store
