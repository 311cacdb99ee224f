// The message handler's line format and routing, the raw writer, the
// rotation that bounds the file, the sparse progress lines, and the QML
// forwarding slots.
#include "backend/log_handler.h"
#include "backend/progress_log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QQmlError>
#include <QSet>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "child_process.h"

namespace {

constexpr char kChildModeVar[] = "VELMORA_LOG_TEST_CHILD";
constexpr char kChildDirVar[] = "VELMORA_LOG_TEST_DIR";

// Child mode: re-run of this binary that writes a fatal message and dies.
// Runs during static initialisation, before the test runner starts.
int runChildIfRequested() {
  const auto [mode, dir] = child_process::enterChildRun(kChildModeVar, kChildDirVar);
  if (mode.isEmpty()) return 0;
  static QFile file(dir + "/app.log");
  if (mode == "fatal-open") {
    if (!velmora_log::openLogFile(file)) std::_Exit(3);
    velmora_log::setOpenLogFiles({&file});
  }
  // The abort after a fatal line goes through the crash handlers' SIGABRT
  // handler in the program; here the default action ends the process.
  qInstallMessageHandler(velmora_log::logMessageHandler);
  qFatal("fatal child message %d", 42);
  std::_Exit(4);  // not reached
}
[[maybe_unused]] const int kChildRan = runChildIfRequested();

const QRegularExpression kLinePattern(
    QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}) \[(DEBUG|INFO|WARN|ERROR|FATAL)\] (.*)$)"));

QStringList readLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(f.readAll());
  if (text.endsWith('\n')) text.chop(1);
  if (text.isEmpty()) return {};
  return text.split('\n');
}

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Routes Qt messages into log files for one test and restores the previous
// handler afterwards.
class LogHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    velmora_log::setCrashLogPaths(path("app.log"), path("temp.log"));
  }
  void TearDown() override {
    stopLogging();
    velmora_log::setCrashLogPaths(QString(), QString());
  }

  QString path(const QString& name) const { return dir_.filePath(name); }

  void startLogging(const QList<QFile*>& files, const QStringList& paths = {}) {
    velmora_log::setOpenLogFiles(files, paths);
    previous_ = qInstallMessageHandler(velmora_log::logMessageHandler);
    installed_ = true;
  }
  void stopLogging() {
    if (!installed_) return;
    qInstallMessageHandler(previous_);
    velmora_log::setOpenLogFiles({});
    installed_ = false;
  }

  QTemporaryDir dir_;
  QtMessageHandler previous_ = nullptr;
  bool installed_ = false;
};

TEST_F(LogHandlerTest, LinesCarryLocalIsoTimestampWithMillisecondsAndLevelInEveryFile) {
  QFile file(path("app.log"));
  QFile second(path("temp.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  ASSERT_TRUE(velmora_log::openLogFile(second));
  const QDateTime before = QDateTime::currentDateTime().addMSecs(-5);
  startLogging({&file, &second});
  qDebug("debug line");
  qInfo("info line");
  qWarning("warning line");
  qCritical("critical line with ünïcödé");
  stopLogging();
  const QDateTime after = QDateTime::currentDateTime().addMSecs(5);
  file.close();
  second.close();

  const QStringList lines = readLines(path("app.log"));
  EXPECT_EQ(readLines(path("temp.log")), lines) << "every open file gets every line";
  ASSERT_EQ(lines.size(), 4);
  const QStringList levels{"DEBUG", "INFO", "WARN", "ERROR"};
  const QStringList messages{"debug line", "info line", "warning line", QString::fromUtf8("critical line with ünïcödé")};
  for (int i = 0; i < 4; ++i) {
    const auto m = kLinePattern.match(lines[i]);
    ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
    EXPECT_EQ(m.captured(2), levels[i]);
    EXPECT_EQ(m.captured(3), messages[i]);
    const QDateTime stamp = QDateTime::fromString(m.captured(1), Qt::ISODateWithMs);
    ASSERT_TRUE(stamp.isValid());
    EXPECT_EQ(stamp.timeSpec(), Qt::LocalTime);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
  }
}

TEST_F(LogHandlerTest, WithoutOpenFilesLinesGoToBothPathsThroughTheRawWriter) {
  startLogging({});
  qCritical("no files open");
  stopLogging();
  for (const QString& name : {QStringLiteral("app.log"), QStringLiteral("temp.log")}) {
    const QByteArray bytes = readBytes(path(name));
    ASSERT_FALSE(bytes.isEmpty()) << name.toStdString();
    EXPECT_TRUE(bytes.endsWith("] no files open\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    EXPECT_TRUE(kLinePattern.match(QString::fromUtf8(bytes).trimmed()).hasMatch());
    EXPECT_TRUE(bytes.contains(" [ERROR] "));
  }
}

TEST_F(LogHandlerTest, ConcurrentWritersNeverTearALine) {
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  startLogging({&file});
  constexpr int kThreads = 8;
  constexpr int kPerThread = 150;
  const QString payload(200, QChar('x'));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &payload] {
      for (int i = 0; i < kPerThread; ++i) qInfo().noquote() << QString("t%1 i%2 %3").arg(t).arg(i).arg(payload);
    });
  }
  for (auto& th : threads) th.join();
  stopLogging();
  file.close();

  const QStringList lines = readLines(path("app.log"));
  ASSERT_EQ(lines.size(), kThreads * kPerThread);
  QSet<QString> seen;
  for (const QString& line : lines) {
    const auto m = kLinePattern.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.left(80).toStdString();
    ASSERT_TRUE(m.captured(3).endsWith(payload));
    seen.insert(m.captured(3).section(' ', 0, 1));
  }
  EXPECT_EQ(seen.size(), kThreads * kPerThread);
}

TEST_F(LogHandlerTest, DetachingStopsWritesToTheFiles) {
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  velmora_log::setOpenLogFiles({&file});
  previous_ = qInstallMessageHandler(velmora_log::logMessageHandler);
  qInfo("before detach");
  velmora_log::detachLogFiles();
  qInfo("after detach");  // goes to Qt's default output
  qInstallMessageHandler(previous_);
  file.close();
  const QStringList lines = readLines(path("app.log"));
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].endsWith("before detach"));
}

// --- the raw writer and the file opening -------------------------------------

TEST_F(LogHandlerTest, RawWriterAppendsAndSkipsEmptyPaths) {
  velmora_log::appendLineToFile("first", path("raw.log"));
  velmora_log::appendLineToFile(QString::fromUtf8("zweite Zeile äöü"), path("raw.log"));
  velmora_log::appendLineToFile("ignored", QString());
  EXPECT_EQ(readBytes(path("raw.log")), QByteArray("first\n") + QString::fromUtf8("zweite Zeile äöü\n").toUtf8());

  velmora_log::logToBothFiles("both");
  EXPECT_EQ(readBytes(path("app.log")), QByteArray("both\n"));
  EXPECT_EQ(readBytes(path("temp.log")), QByteArray("both\n"));

  const char crash[] = "FATAL: raw line";
  velmora_log::logToBothFilesRaw(crash, sizeof(crash) - 1);
  EXPECT_EQ(readBytes(path("app.log")), QByteArray("both\nFATAL: raw line\n"));
}

TEST_F(LogHandlerTest, LogFilesArePrivateAndPlantedLinksAreNotFollowed) {
  QFile fresh(path("fresh.log"));
  ASSERT_TRUE(velmora_log::openLogFile(fresh));
  fresh.close();
  velmora_log::appendLineToFile("x", path("raw.log"));
  for (const QString& name : {QStringLiteral("fresh.log"), QStringLiteral("raw.log")}) {
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path(name)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << name.toStdString();
  }

  const QString victim = path("victim.txt");
  {
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::WriteOnly));
    v.write("untouched");
  }
  ASSERT_TRUE(QFile::link(victim, path("app.log")));
  ASSERT_TRUE(QFile::link(victim, path("planted.log")));

  QFile file(path("planted.log"));
  EXPECT_FALSE(velmora_log::openLogFile(file));
  velmora_log::appendLineToFile("attack", path("planted.log"));
  velmora_log::logToBothFiles("crash line");  // app.log is the link, temp.log is real

  EXPECT_EQ(readBytes(victim), QByteArray("untouched"));
  EXPECT_EQ(readBytes(path("temp.log")), QByteArray("crash line\n"));
}

TEST(LogDirectory, PerUserDirectoryIsPrivateAndNotTheSharedTemp) {
  const QString dir = velmora_log::perUserLogDirectory();
  ASSERT_FALSE(dir.isEmpty());
  EXPECT_NE(QDir(dir).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
  QFileInfo info(dir);
  ASSERT_TRUE(info.isDir());
  EXPECT_EQ(info.ownerId(), ::getuid());
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0077, 0u);
}

// --- a bounded log ----------------------------------------------------------------

TEST_F(LogHandlerTest, AFullLogMovesAsideAndAFreshOneStartsAtItsPath) {
  struct Rotation {  // at 2000 bytes for this test alone
    const qint64 previous = velmora_log::setLogRotationBytes(2000);
    ~Rotation() { velmora_log::setLogRotationBytes(previous); }
  } rotation;
  const qint64 bound = 2000 + 130;  // the rotation size and one line
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  startLogging({&file}, {path("app.log")});
  const QString payload(80, QChar('y'));
  const auto message = [&](int i) { return QString("line %1 %2").arg(i, 3, 10, QChar('0')).arg(payload); };
  for (int i = 0; i < 100; ++i) qInfo().noquote() << message(i);
  stopLogging();
  file.close();

  // Two files, each within the bound; together they end with the newest
  // lines, in order and none torn.
  const QStringList older = readLines(path("app.log.1"));
  const QStringList kept = older + readLines(path("app.log"));
  ASSERT_TRUE(!older.isEmpty() && kept.size() > older.size());
  for (const QString& name : {path("app.log.1"), path("app.log")}) EXPECT_LE(QFileInfo(name).size(), bound);
  const int first = 100 - kept.size();
  for (int i = 0; i < kept.size(); ++i) {
    const auto m = kLinePattern.match(kept[i]);
    ASSERT_TRUE(m.hasMatch()) << kept[i].toStdString();
    EXPECT_EQ(m.captured(3), message(first + i));
  }

  // Without an open file the lines go through the raw writer, bounded too.
  startLogging({});
  for (int i = 0; i < 60; ++i) qWarning().noquote() << payload;
  stopLogging();
  EXPECT_LE(QFileInfo(path("temp.log")).size(), bound);
  EXPECT_TRUE(QFileInfo::exists(path("temp.log.1")));
}

TEST(ProgressLog, KeepsTheFirstNewsEveryFewSecondsAndTheLastReport) {
  using namespace std::chrono_literals;
  ProgressLogFilter filter(5s);
  const auto t0 = ProgressLogFilter::Clock::time_point{} + 1h;
  EXPECT_TRUE(filter.admit(1, "Init: building game object...", false, t0));
  EXPECT_TRUE(filter.admit(1, "Iter 1 | exploitability\u2248\u2014", false, t0 + 10ms));
  EXPECT_FALSE(filter.admit(1, "Iter 49 | exploitability\u2248\u2014", false, t0 + 2s));
  EXPECT_TRUE(filter.admit(1, "Iter 50 | exploitability\u22480.1370", false, t0 + 2100ms));  // a check
  EXPECT_FALSE(filter.admit(1, "Iter 90 | exploitability\u22480.1370", false, t0 + 7s));
  EXPECT_TRUE(filter.admit(1, "Iter 91 | exploitability\u22480.1370", false, t0 + 7100ms));  // 5 s since
  EXPECT_TRUE(filter.admit(1, "Iter 92 | exploitability\u22480.1370", true, t0 + 7200ms));   // the last
  EXPECT_TRUE(filter.admit(2, "Iter 92 | exploitability\u22480.1370", false, t0 + 7300ms));  // a new run
}

TEST_F(LogHandlerTest, ASolveLogsItsProgressSparsely) {
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  startLogging({&file});
  {
    using namespace app_controller_test;
    AppController c;
    c.startSolveWithConfig(riverSpot(3000));
    ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  }
  stopLogging();
  file.close();
  const QStringList progress = readLines(path("app.log")).filter("] UI solve progress: ");
  // Each new exploitability figure (a check every 50 iterations; the solve
  // takes well under the few seconds of a repeat) and the end. Reports come
  // coalesced, so the first may already be an iteration's.
  ASSERT_GE(progress.size(), 2);
  EXPECT_TRUE(progress.last().endsWith(" status=Done has_result=true")) << progress.last().toStdString();
  const QStringList iterations = progress.filter(" status=Iter ");
  EXPECT_LE(iterations.size(), 3000 / 50 + 1);
  for (int i = 1; i < iterations.size(); ++i) {
    EXPECT_NE(iterations[i].section(" | ", 1), iterations[i - 1].section(" | ", 1)) << iterations[i].toStdString();
  }
}

// --- QML forwarding -------------------------------------------------------------

TEST_F(LogHandlerTest, QmlWarningsAreLoggedUnquotedAsWarnings) {
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  startLogging({&file});
  QQmlError a;
  a.setUrl(QUrl("qrc:/Velmora/Main.qml"));
  a.setLine(12);
  a.setColumn(5);
  a.setDescription("Unable to assign [undefined] to \"QString\"");
  QQmlError b;
  b.setDescription("second");
  velmora_log::forwardQmlWarnings({a, b});
  stopLogging();
  file.close();
  const QStringList lines = readLines(path("app.log"));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith(" [WARN] " + a.toString())) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" [WARN] " + b.toString()));
}

TEST_F(LogHandlerTest, ObjectCreationFailureLogsAndEndsTheEventLoopWithMinusOne) {
  QFile file(path("app.log"));
  ASSERT_TRUE(velmora_log::openLogFile(file));
  startLogging({&file});
  QTimer::singleShot(0, [] { velmora_log::onQmlObjectCreationFailed(QUrl("qrc:/Velmora/Broken.qml")); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(5000);
  const int rc = QCoreApplication::exec();
  stopLogging();
  file.close();
  EXPECT_EQ(rc, -1);
  const QStringList lines = readLines(path("app.log"));
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].endsWith(" [ERROR] QML object creation failed"));
}

// --- fatal messages -----------------------------------------------------------------

using child_process::ChildResult;

ChildResult runChild(const QString& mode, const QString& dir) {
  return child_process::runSelf({{kChildModeVar, mode}, {kChildDirVar, dir}}, QProcess::ForwardedErrorChannel);
}

TEST(LogHandlerFatal, FatalMessageIsWrittenThenTheProcessAborts) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const ChildResult r = runChild("fatal-open", dir.path());
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGABRT);
  const QStringList lines = readLines(dir.filePath("app.log"));
  ASSERT_EQ(lines.size(), 1);
  const auto m = kLinePattern.match(lines[0]);
  ASSERT_TRUE(m.hasMatch());
  EXPECT_EQ(m.captured(2), "FATAL");
  EXPECT_EQ(m.captured(3), "fatal child message 42");
}

TEST(LogHandlerFatal, FatalMessageWithoutOpenFilesReachesBothPaths) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const ChildResult r = runChild("fatal-raw", dir.path());
  ASSERT_TRUE(r.finished) << "child hung";
  EXPECT_EQ(r.status, QProcess::CrashExit);
  EXPECT_EQ(r.code, SIGABRT);
  for (const QString& name : {QStringLiteral("app.log"), QStringLiteral("temp.log")}) {
    const QStringList lines = readLines(dir.filePath(name));
    ASSERT_EQ(lines.size(), 1) << name.toStdString();
    EXPECT_TRUE(lines[0].endsWith(" [FATAL] fatal child message 42"));
  }
}

}  // namespace
