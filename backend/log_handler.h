// The "caldirune.log" file and the writers that feed it.
//
// Two writers share the file: the Qt message handler, which writes through
// the opened QFile objects under one mutex, and a raw writer that appends a
// single line with plain POSIX calls (no lock, no Qt file class). The crash
// handlers use only the allocation-free form of the raw writer. The message
// handler keeps the file bounded: once it has grown to the rotation size it
// becomes "caldirune.log.1" (replacing an older one) and a fresh file starts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstddef>

class QFile;
class QQmlError;
class QUrl;

namespace velmora_log {

// Where a log file goes when the application directory is not usable: a
// per-user directory (the user's cache location, created with mode 0700), so
// no other account can plant or read the file. Falls back to the current
// directory when no standard location exists.
QString perUserLogDirectory();

// Fixes the two crash-log paths (application directory first). Called once by
// main before the crash handlers are installed; until then the raw writers
// write nothing.
void setCrashLogPaths(const QString& appDirPath, const QString& tempDirPath);
QString crashLogPath(int index);

// Opens a log file for appending without following a symbolic link planted
// at its path; a created file gets mode 0600. Returns whether it opened.
// The file is opened from a descriptor, so QFile::fileName() is empty
// afterwards: callers keep the path themselves.
bool openLogFile(QFile& file);

// The files the message handler writes to (owned by the caller), with their
// paths in the same order; a file without a path is never rotated. Set
// before the handler is installed.
void setOpenLogFiles(const QList<QFile*>& files, const QStringList& paths = {});

// The size at which the message handler rotates a log file (4 MiB unless
// set); the previous size is returned.
qint64 setLogRotationBytes(qint64 bytes);

// Where a full log file goes: its path with ".1" appended.
QString rotatedLogPath(const QString& path);

// Restores Qt's default message output and forgets the open files, so that
// messages emitted after main's files are gone cannot reach them.
void detachLogFiles();

// Appends line plus the line end to the file at path; an empty path or a
// file that cannot be opened writes nothing.
void appendLineToFile(const QString& line, const QString& path);

// appendLineToFile with both crash-log paths, application directory first.
void logToBothFiles(const QString& line);

// Async-signal-safe: appends len bytes of line plus the line end to both
// crash-log paths with one write each. Allocates nothing, takes no lock.
void logToBothFilesRaw(const char* line, std::size_t len);

// Async-signal-safe: writes the current local time as the message lines
// carry it ("2025-03-09T14:07:31.042", 23 characters) to out and returns the
// number of characters written (0 when cap is too small). Local time is
// taken from the offset to UTC noted last by noteLocalTimeOffset.
std::size_t formatRawTimestamp(char* out, std::size_t cap);

// Notes the local time's current offset from UTC for formatRawTimestamp.
// Called when the crash handlers are installed and with every message line,
// so a change of daylight saving time reaches the crash lines too.
void noteLocalTimeOffset();

// The Qt message handler.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// The level text written for a Qt message type.
const char* levelText(QtMsgType type);

// Slots for the QML engine's warnings and object-creation failures.
void forwardQmlWarnings(const QList<QQmlError>& warnings);
void onQmlObjectCreationFailed(const QUrl& url);

}  // namespace velmora_log
