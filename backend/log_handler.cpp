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

#include <cerrno>
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
  return QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
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

void setOpenLogFiles(const QList<QFile*>& files) {
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_openFiles = files;
}

void detachLogFiles() {
  qInstallMessageHandler(nullptr);
  std::lock_guard<std::mutex> lock(g_logMutex);
  g_openFiles.clear();
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
    lock.unlock();
    logToBothFiles(stamp + QLatin1String(" [") + level + QLatin1String("] ") + message);
    if (type == QtFatalMsg) std::abort();
    return;
  }
  for (QFile* file : std::as_const(g_openFiles)) {
    if (file == nullptr || !file->isOpen()) continue;
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
