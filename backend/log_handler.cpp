#include "backend/log_handler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QQmlError>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <time.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace velmora_log {
namespace {

// Lines of both writers end the same way, so a file never mixes line ends.
constexpr char kLineEnd[] = "\n";
constexpr std::size_t kLineEndLen = sizeof(kLineEnd) - 1;

// Crash-log paths as encoded file names in fixed buffers: the crash handlers
// read them without touching the heap.
constexpr std::size_t kMaxPath = 4096;
char g_crashPaths[2][kMaxPath] = {{0}, {0}};

std::mutex g_logMutex;
QList<QFile*> g_openFiles;
QList<QByteArray> g_openPaths;  // encoded paths of g_openFiles; empty: not rotated
qint64 g_rotationBytes = 4 << 20;

// Local time minus UTC, in seconds, for the raw timestamps (a lock-free
// atomic: read inside signal handlers).
std::atomic<long> g_utcOffsetSeconds{0};
static_assert(std::atomic<long>::is_always_lock_free);

constexpr int kOpenFlags = O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC;
constexpr mode_t kFileMode = 0600;

void storePath(int index, const QString& path) {
  const QByteArray encoded = QFile::encodeName(path);
  char* dst = g_crashPaths[index];
  if (encoded.size() >= static_cast<qsizetype>(kMaxPath)) {
    dst[0] = '\0';  // a path this long could not be opened anyway
    return;
  }
  std::memcpy(dst, encoded.constData(), static_cast<std::size_t>(encoded.size()));
  dst[encoded.size()] = '\0';
}

// One appending write of the whole buffer; no retry loop beyond EINTR, since a
// short write of a log line is not worth more system calls in a crash.
void writeAll(int fd, const char* data, std::size_t len) {
  while (len > 0) {
    const ssize_t n = ::write(fd, data, len);
    if (n < 0) {
      if (errno == EINTR) continue;
      return;
    }
    data += n;
    len -= static_cast<std::size_t>(n);
  }
}

void appendBytes(const char* path, const char* data, std::size_t len) {
  if (path == nullptr || path[0] == '\0') return;
  const int fd = ::open(path, kOpenFlags, kFileMode);
  if (fd < 0) return;
  writeAll(fd, data, len);
  ::close(fd);
}

QString timestampNow() {
  const QDateTime now = QDateTime::currentDateTime();
  g_utcOffsetSeconds.store(now.offsetFromUtc(), std::memory_order_relaxed);
  return now.toString(Qt::ISODateWithMs);
}

QByteArray rotatedName(const QByteArray& path) { return path + ".1"; }

// Moves a full log file aside; called with the log mutex held, so two
// threads of this process never rotate the same file twice.
void rotatePathIfFull(const char* path) {
  if (path == nullptr || path[0] == '\0') return;
  struct stat st {};
  if (::lstat(path, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < g_rotationBytes) return;
  ::rename(path, rotatedName(QByteArray(path)).constData());
}

// The same for an open file. Its descriptor is pointed at a fresh file at the
// path once the full one has moved; when another process has already moved
// it (or the file was deleted), the descriptor just follows the path again.
void rotateOpenFileIfFull(QFile& file, const QByteArray& path) {
  if (path.isEmpty()) return;
  const int handle = file.handle();
  struct stat held {};
  if (handle < 0 || ::fstat(handle, &held) != 0) return;
  struct stat atPath {};
  const bool samePath =
      ::lstat(path.constData(), &atPath) == 0 && atPath.st_dev == held.st_dev && atPath.st_ino == held.st_ino;
  if (samePath && held.st_size < g_rotationBytes) return;
  if (samePath && ::rename(path.constData(), rotatedName(path).constData()) != 0) return;
  const int fresh = ::open(path.constData(), kOpenFlags, kFileMode);
  if (fresh < 0) return;
  ::dup3(fresh, handle, O_CLOEXEC);  // dup2 would drop close-on-exec
  ::close(fresh);
}

// Writes value as `digits` decimal digits, zero-padded.
char* putDigits(char* out, long value, int digits) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + digits;
}

}  // namespace

QString perUserLogDirectory() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (dir.isEmpty()) return QDir::currentPath();
  if (QDir().mkpath(dir)) {
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  return dir;
}

void setCrashLogPaths(const QString& appDirPath, const QString& tempDirPath) {
  storePath(0, appDirPath);
  storePath(1, tempDirPath);
}

QString crashLogPath(int index) {
  if (index < 0 || index > 1) return {};
  return QFile::decodeName(g_crashPaths[index]);
}

bool openLogFile(QFile& file) {
  if (file.isOpen()) return true;
  const QByteArray path = QFile::encodeName(file.fileName());
  if (path.isEmpty()) return false;
  const int fd = ::open(path.constData(), kOpenFlags, kFileMode);
  if (fd < 0) return false;
  if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  return true;
}

void setOpenLogFiles(const QList<QFile*>& files, const QStringList& paths) {
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_openFiles = files;
  g_openPaths.clear();
  for (qsizetype i = 0; i < files.size(); ++i) {
    g_openPaths.append(i < paths.size() ? QFile::encodeName(paths.at(i)) : QByteArray());
  }
}

qint64 setLogRotationBytes(qint64 bytes) {
  std::lock_guard<std::mutex> lock(g_logMutex);
  const qint64 previous = g_rotationBytes;
  g_rotationBytes = bytes;
  return previous;
}

QString rotatedLogPath(const QString& path) { return QFile::decodeName(rotatedName(QFile::encodeName(path))); }

void detachLogFiles() {
  qInstallMessageHandler(nullptr);
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_openFiles.clear();
  g_openPaths.clear();
}

void appendLineToFile(const QString& line, const QString& path) {
  if (path.isEmpty()) return;
  QByteArray bytes = line.toUtf8();
  bytes.append(kLineEnd, static_cast<qsizetype>(kLineEndLen));
  const QByteArray encodedPath = QFile::encodeName(path);
  appendBytes(encodedPath.constData(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void logToBothFiles(const QString& line) {
  appendLineToFile(line, crashLogPath(0));
  appendLineToFile(line, crashLogPath(1));
}

void logToBothFilesRaw(const char* line, std::size_t len) {
  // Line and line end go out in one write, so lines of several crashing
  // threads do not tear; the buffer is on the stack.
  char buf[1024];
  if (len > sizeof(buf) - kLineEndLen) len = sizeof(buf) - kLineEndLen;
  std::memcpy(buf, line, len);
  std::memcpy(buf + len, kLineEnd, kLineEndLen);
  for (int i = 0; i < 2; ++i) appendBytes(g_crashPaths[i], buf, len + kLineEndLen);
}

void noteLocalTimeOffset() {
  g_utcOffsetSeconds.store(QDateTime::currentDateTime().offsetFromUtc(), std::memory_order_relaxed);
}

std::size_t formatRawTimestamp(char* out, std::size_t cap) {
  constexpr std::size_t kLength = 23;  // YYYY-MM-DDTHH:MM:SS.mmm
  if (out == nullptr || cap < kLength) return 0;
  struct timespec now {};
  if (::clock_gettime(CLOCK_REALTIME, &now) != 0) return 0;
  const long long local = static_cast<long long>(now.tv_sec) + g_utcOffsetSeconds.load(std::memory_order_relaxed);
  long long days = local / 86400;
  long long secs = local % 86400;
  if (secs < 0) {
    secs += 86400;
    days -= 1;
  }
  // The civil date of a day count since 1970-01-01 (proleptic Gregorian).
  const long long z = days + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long day = static_cast<long>(doy - (153 * mp + 2) / 5 + 1);
  const long month = static_cast<long>(mp < 10 ? mp + 3 : mp - 9);
  const long year = static_cast<long>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  if (year < 0 || year > 9999) return 0;

  char* p = out;
  p = putDigits(p, year, 4);
  *p++ = '-';
  p = putDigits(p, month, 2);
  *p++ = '-';
  p = putDigits(p, day, 2);
  *p++ = 'T';
  p = putDigits(p, static_cast<long>(secs / 3600), 2);
  *p++ = ':';
  p = putDigits(p, static_cast<long>(secs / 60 % 60), 2);
  *p++ = ':';
  p = putDigits(p, static_cast<long>(secs % 60), 2);
  *p++ = '.';
  p = putDigits(p, static_cast<long>(now.tv_nsec / 1000000), 3);
  return static_cast<std::size_t>(p - out);
}

const char* levelText(QtMsgType type) {
  switch (type) {
    case QtDebugMsg: return "DEBUG";
    case QtWarningMsg: return "WARN";
    case QtCriticalMsg: return "ERROR";
    case QtFatalMsg: return "FATAL";
    case QtInfoMsg:
    default: return "INFO";
  }
}

void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  Q_UNUSED(context);
  const QString stamp = timestampNow();
  const QLatin1String level(levelText(type));

  std::unique_lock<std::mutex> lock(g_logMutex);
  if (g_openFiles.isEmpty()) {
    for (const char* path : g_crashPaths) rotatePathIfFull(path);
    lock.unlock();
    logToBothFiles(stamp + QLatin1String(" [") + level + QLatin1String("] ") + message);
    if (type == QtFatalMsg) std::abort();
    return;
  }
  for (qsizetype i = 0; i < g_openFiles.size(); ++i) {
    QFile* file = g_openFiles.at(i);
    if (file == nullptr || !file->isOpen()) continue;
    rotateOpenFileIfFull(*file, g_openPaths.value(i));
    QTextStream out(file);
    out << stamp << " [" << level << "] " << message << "\n";
    out.flush();
  }
  if (type == QtFatalMsg) std::abort();  // with the lock held: nothing may follow a fatal line
}

void forwardQmlWarnings(const QList<QQmlError>& warnings) {
  for (const QQmlError& error : warnings) qWarning().noquote() << error.toString();
}

void onQmlObjectCreationFailed(const QUrl& url) {
  Q_UNUSED(url);
  qCritical() << "QML object creation failed";
  QCoreApplication::exit(-1);
}

}  // namespace velmora_log
