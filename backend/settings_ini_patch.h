// Text values of the per-user settings file changed in place. QSettings
// writes its whole file at every sync and encodes each character of a text
// value on its own, which for a settings file of a few megabytes holds the
// GUI thread for tens of milliseconds; the Setup page's stores change one or
// two large texts at a time. Here the lines of those keys are replaced in
// the file's bytes, written in exactly the form QSettings writes and reads
// them, and every other line is left as it is. That is done only in a file
// whose every line is one QSettings could have written (see putLine): in
// it, the bytes of a line are the setting QSettings reads there. A file
// edited by hand into another form is left to QSettings to write.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

class QLockFile;
class QSettings;

namespace settings_ini {

// How long a lock beside the settings file (the stores' own, or the one
// QSettings takes while it writes) may stand before it counts as left behind
// even though a process of its PID still runs (a copy hung for that long, or
// the PID given to another process of the same name). A lock is held for
// milliseconds.
inline constexpr int kStaleLockMs = 30000;

// The value of a text setting as QSettings writes it into its file: "@"
// doubled in front (a text with a nul in "@String(...)"), quotes,
// backslashes and control characters escaped,
// UTF-8, the whole in quotes where it holds ';', ',' or '=' or begins or
// ends with a blank. Empty for a text QSettings would write otherwise (one
// with an unpaired surrogate).
QByteArray escapedText(const QString& text, bool* ok);

// Puts `key` = `escapedValue` into `section` of the INI file `file`: the
// key's line is replaced where the section has it, else added as the
// section's last line, and the section is added at the end where the file
// has none. False (and `file` unchanged) where the file is not laid out as
// QSettings lays it out, so that the caller lets QSettings write instead:
// the section or the key twice, or a line in a form QSettings never writes,
// which it reads as another name or another line than its bytes say: a
// quote left open at the line's end (it takes every later line into the
// value), a line continued after a backslash or a backslash ending the
// file, anything beside "[name]" on a section line, a line without '=',
// and a name not spelled as QSettings spells it (blanks inside the
// brackets, a percent code of a letter, a stray backslash). Comments and
// blanks around a key's '=' are read alike by both, and kept. Section and
// key are plain names (letters, digits, '_').
bool putLine(QByteArray& file, const QString& section, const QString& key, const QByteArray& escapedValue);

// The lock file QSettings takes beside the settings file at `path` while it
// writes it.
QString fileLockName(const QString& path);

// Takes `lock`, made on fileLockName(`path`), waiting at most a second for
// another process that holds it: "" when it is held, "busy" when it stays
// taken: another process keeps it, or what stands at its name is no lock file
// (a folder, a link) or cannot be removed once left behind (a folder blocks
// the lock its removal takes), which QSettings would wait for for ever, so
// that a write of QSettings must not start then; "write" when it cannot be
// made (a folder that cannot be written).
QString takeFileLock(const QString& path, QLockFile& lock);

// Puts the texts of `changes` ("group/key" -> text) into the file of
// `settings` in place, under the lock QSettings itself takes while it writes
// the file, and has `settings` read the file again, so that every QSettings
// of this process reads the new texts; where every text is already there
// as it would be put, the file is left untouched. Returns "" when written
// or left so (`written`, when given, gets the file's bytes now), "fallback"
// when the file is not one this can change (it is missing, not laid out as
// QSettings writes it, see putLine, or a section or key is not a plain
// name: the caller lets QSettings write), "busy" when
// another process's QSettings kept its lock for a second, "write" when the
// file could not be written, "short" when the file system took only part of
// it (a full disk, a disk quota, a limit on the size of files); the file is
// then as it was.
// `stamps`, when given, gets the stamp (see lineStamps) of each changed
// key's line as it was put.
QString putInPlace(QSettings& settings, const QMap<QString, QString>& changes, QByteArray* written = nullptr,
                   QMap<QString, QString>* stamps = nullptr);

// A short text that changes whenever `bytes` do: their size and a hash of
// this process (stamps are compared within one run).
QString stampOf(const QByteArray& bytes);

// The stamp of each key's line in the INI file `file`, by "group/key": the
// stampOf the line as QSettings reads it, so that a key whose stamp stayed
// holds the same text; "" for a key the file holds more than once.
// `asWritten`, when given, tells whether every line of the file is in the
// form QSettings writes (see putLine); only then do the stamps tell the
// texts QSettings reads.
QMap<QString, QString> lineStamps(const QByteArray& file, bool* asWritten = nullptr);

// QSettings reads its file again only when the file's size or modification
// time differs from what it noted at its last read. A read that raced
// another process's write can note the new file's size and time beside the
// old file's content, and then nothing it reads later would be new. This
// moves the file's time on (at least a millisecond past what it was, and no
// earlier than `floor` where given), so that the next sync of every
// QSettings reads the file as it is now. A file written anew gets its time
// from the system's coarse clock, which can fall on the very time an earlier
// move set from the precise one: its writer passes the time the file had
// before, plus a millisecond, as the floor. False where the time could not
// be set (a file that is not there needs none).
bool moveTimeOn(const QString& path, const QDateTime& floor = QDateTime());

}  // namespace settings_ini
