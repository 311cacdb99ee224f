// AppController core, statistics and files: memory texts, developer mode,
// showdown, clearing, training and solve-activity statistics, text files and
// resources.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"

using namespace app_controller_test;

namespace {

constexpr quint64 kGiB = quint64(1) << 30;

TEST(ControllerCoreTest, MemoryTextsUseGigabytesWithOneDecimalBelowTen) {
  EXPECT_EQ(AppController::formatMemoryBytes(0), QString(QChar(0x2014)));
  EXPECT_EQ(AppController::formatMemoryBytes(8 * kGiB), "8.0 GB");
  EXPECT_EQ(AppController::formatMemoryBytes(10 * kGiB), "10 GB");
  EXPECT_EQ(AppController::formatMemoryBytes(10 * kGiB - 1024), "10.0 GB");
  EXPECT_EQ(AppController::formatMemoryBytes(kGiB / 2), "0.5 GB");
  EXPECT_EQ(AppController::formatMemoryBytes(64 * kGiB + 700 * (kGiB / 1024)), "65 GB");
}

TEST(ControllerCoreTest, SystemFiguresAreKnownAndConsistent) {
  AppController c;
  EXPECT_GE(c.systemThreadCount(), 1);
  EXPECT_GT(c.systemMemoryBytes(), 0u);
  EXPECT_GT(c.systemAvailableMemoryBytes(), 0u);
  EXPECT_LE(c.systemAvailableMemoryBytes(), c.systemMemoryBytes());
  EXPECT_EQ(c.systemMemoryText(), AppController::formatMemoryBytes(c.systemMemoryBytes()));
  EXPECT_EQ(c.effectiveAvailableMemoryBytes(), c.systemAvailableMemoryBytes());  // nothing reclaimable yet
  EXPECT_EQ(c.solveRequiredMemoryBytes(), 0u);
  EXPECT_EQ(c.solveRequiredMemoryText(), QString(QChar(0x2014)));
  EXPECT_EQ(c.statusText(), "Ready");
  EXPECT_FALSE(c.running());
  EXPECT_FALSE(c.useTbb());
}

TEST(ControllerCoreTest, DeveloperModeTakesTheFirstVariableThatIsSet) {
  const auto devMode = [] {
    AppController c;
    return c.developerMode();
  };
  qunsetenv("VELMORA_DEV_MODE");
  qunsetenv("CALDIRUNE_DEV_MODE");
  qunsetenv("CPP_SOLVER_DEV_MODE");
  EXPECT_FALSE(devMode());

  qputenv("VELMORA_DEV_MODE", "maybe");
  qputenv("CALDIRUNE_DEV_MODE", "1");
  EXPECT_FALSE(devMode());  // present but not a yes: it decides

  qputenv("VELMORA_DEV_MODE", "  ON ");
  EXPECT_TRUE(devMode());

  qputenv("VELMORA_DEV_MODE", "");  // empty counts as unset
  EXPECT_TRUE(devMode());
  qputenv("CALDIRUNE_DEV_MODE", "off");
  qputenv("CPP_SOLVER_DEV_MODE", "yes");
  EXPECT_FALSE(devMode());
  qunsetenv("CALDIRUNE_DEV_MODE");
  EXPECT_TRUE(devMode());

  bool present = true;
  qunsetenv("CPP_SOLVER_DEV_MODE");
  EXPECT_FALSE(AppController::envFlag("CPP_SOLVER_DEV_MODE", present));
  EXPECT_FALSE(present);
  qputenv("CPP_SOLVER_DEV_MODE", " True\t");
  EXPECT_TRUE(AppController::envFlag("CPP_SOLVER_DEV_MODE", present));
  EXPECT_TRUE(present);
  qunsetenv("CPP_SOLVER_DEV_MODE");
  qunsetenv("VELMORA_DEV_MODE");
}

TEST(ControllerCoreTest, ShowdownWinnerComparesBothHandsOnFiveCards) {
  AppController c;
  QVariantMap r = c.showdownWinner("Ah Kd 7c 4s 2h", "Ac Ad", "Kh Ks");
  EXPECT_EQ(r.value("winner").toString(), "OOP");
  EXPECT_GT(r.value("oopStrength").toLongLong(), r.value("ipStrength").toLongLong());
  r = c.showdownWinner("AhKd7c4s2h", "8c9d", "Kc Ks");
  EXPECT_EQ(r.value("winner").toString(), "IP");
  r = c.showdownWinner("AhKhQhJhTh", "2c3d", "4c5d");  // both play the board
  EXPECT_EQ(r.value("winner").toString(), "TIE");
  EXPECT_EQ(r.value("oopStrength"), r.value("ipStrength"));

  for (const auto& bad : {std::array<QString, 3>{"AhKd7c4s", "AcAd", "KhKs"},
                          std::array<QString, 3>{"AhKd7c4s2h", "AcA", "KhKs"},
                          std::array<QString, 3>{"AhKd7c4s2h", "1c2d", "KhKs"}}) {
    r = c.showdownWinner(bad[0], bad[1], bad[2]);
    EXPECT_EQ(r.value("winner").toString(), "UNKNOWN") << bad[0].toStdString() << " " << bad[1].toStdString();
    EXPECT_EQ(r.value("oopStrength").toLongLong(), 0);
    EXPECT_EQ(r.value("ipStrength").toLongLong(), 0);
  }
}

TEST(ControllerCoreTest, ClearResultsResetsEverythingAndSignals) {
  clearSettings();
  AppController c;
  c.startSolveWithConfig(riverSpot(20));
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_GT(c.resultIterations(), 0);
  c.setNodeLock(0, "AA", 0, 1.0);
  c.nodeActionStats(0);

  QSignalSpy results(&c, &AppController::resultsChanged);
  QSignalSpy memory(&c, &AppController::systemMemoryChanged);
  QSignalSpy progress(&c, &AppController::progressChanged);
  c.clearResults();
  EXPECT_EQ(results.count(), 1);
  EXPECT_GE(memory.count(), 1);
  EXPECT_EQ(progress.count(), 1);
  EXPECT_EQ(c.resultIterations(), 0);
  EXPECT_EQ(c.resultStartingPot(), 0);
  EXPECT_EQ(c.resultsSummary(), "");
  EXPECT_EQ(c.resultsReclaimableMemoryBytes(), 0u);
  EXPECT_TRUE(c.rootActions().isEmpty());
  EXPECT_EQ(c.treeNodeCount(), 0);
  EXPECT_TRUE(c.nodeActionStats(0).isEmpty());  // cache emptied and no game left
  EXPECT_TRUE(c.nodeLocks(0).isEmpty());
  EXPECT_EQ(c.statusText(), "Ready");
  EXPECT_DOUBLE_EQ(c.progress(), 0.0);
  c.reSolveWithNodeLocks();
  EXPECT_EQ(c.statusText(), "No previous solve config (solve once first)");
}

// ---------------------------------------------------------------------------
// Statistics

class StatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSettings(); }
};

TEST_F(StatisticsTest, TrainingHandsCountMistakesAndLosses) {
  AppController c;
  QSignalSpy spy(&c, &AppController::playVsSolutionStatsChanged);
  c.recordPlayVsSolutionHand(false, 0.25);  // a loss makes it a mistake
  c.recordPlayVsSolutionHand(false, -1.0);  // no loss, no mistake
  c.recordPlayVsSolutionHand(false, std::numeric_limits<double>::quiet_NaN());
  c.recordPlayVsSolutionHand(true, std::numeric_limits<double>::infinity());  // flagged, loss 0
  EXPECT_EQ(spy.count(), 4);

  QVariantMap stats = c.playVsSolutionStats();
  EXPECT_EQ(stats.value("totalHands").toInt(), 4);
  EXPECT_EQ(stats.value("totalMistakes").toInt(), 2);
  EXPECT_DOUBLE_EQ(stats.value("totalAccuracyPct").toDouble(), 50.0);
  EXPECT_DOUBLE_EQ(stats.value("totalAvgEvLoss").toDouble(), 0.25 / 4);
  EXPECT_EQ(stats.value("todayHands").toInt(), 4);
  EXPECT_EQ(stats.value("todayMistakes").toInt(), 2);

  const QString today = QDate::currentDate().toString(Qt::ISODate);
  QSettings settings;
  EXPECT_EQ(settings.value("playVsSolution/total/hands").toInt(), 4);
  EXPECT_DOUBLE_EQ(settings.value("playVsSolution/" + today + "/evLossSum").toDouble(), 0.25);

  // Earlier days count in the total only.
  const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
  settings.setValue("playVsSolution/total/hands", 10);
  settings.setValue("playVsSolution/total/mistakes", 3);
  settings.setValue("playVsSolution/total/evLossSum", 1.5);
  settings.setValue("playVsSolution/" + yesterday + "/hands", 6);
  stats = c.playVsSolutionStats();
  EXPECT_DOUBLE_EQ(stats.value("totalAccuracyPct").toDouble(), 70.0);
  EXPECT_DOUBLE_EQ(stats.value("totalAvgEvLoss").toDouble(), 0.15);
  EXPECT_EQ(stats.value("todayHands").toInt(), 4);

  // Clearing the training statistics leaves the solve activity alone.
  settings.setValue("solveActivity/" + today + "/solves", 3);
  c.clearPlayVsSolutionStats();
  EXPECT_EQ(spy.count(), 5);
  stats = c.playVsSolutionStats();
  EXPECT_EQ(stats.value("totalHands").toInt(), 0);
  EXPECT_DOUBLE_EQ(stats.value("totalAccuracyPct").toDouble(), 0.0);
  EXPECT_DOUBLE_EQ(stats.value("todayAvgEvLoss").toDouble(), 0.0);
  EXPECT_FALSE(settings.contains("playVsSolution/" + yesterday + "/hands"));
  EXPECT_EQ(c.solvesToday(), 3);
}

TEST_F(StatisticsTest, ActivityGridSpansFiftyTwoWholeWeeks) {
  AppController c;
  const QDate today = QDate::currentDate();
  QSettings settings;
  const QString prefix = "solveActivity/" + today.toString(Qt::ISODate) + "/";
  settings.setValue(prefix + "solves", 2);
  settings.setValue(prefix + "iterationsSum", qint64(3000));
  settings.setValue(prefix + "exploitabilitySum", 0.5);
  const QDate old = today.addDays(-100);
  settings.setValue("solveActivity/" + old.toString(Qt::ISODate) + "/solves", 1);
  settings.setValue("solveActivity/" + old.toString(Qt::ISODate) + "/iterationsSum", qint64(700));

  const QVariantList grid = c.solveActivityGridLastYear();
  ASSERT_EQ(grid.size(), 364);
  const QDate first = QDate::fromString(grid.first().toMap().value("date").toString(), Qt::ISODate);
  const QDate last = QDate::fromString(grid.last().toMap().value("date").toString(), Qt::ISODate);
  EXPECT_EQ(first.dayOfWeek(), 1);
  EXPECT_EQ(last.dayOfWeek(), 7);
  EXPECT_GE(last, today);
  EXPECT_LT(last, today.addDays(7));
  EXPECT_EQ(first.daysTo(last), 363);

  int seen = 0;
  for (int i = 0; i < grid.size(); ++i) {
    const QVariantMap cell = grid[i].toMap();
    ASSERT_FALSE(cell.value("isPadding").toBool());
    const QDate day = QDate::fromString(cell.value("date").toString(), Qt::ISODate);
    EXPECT_EQ(day, first.addDays(i));
    EXPECT_EQ(cell.value("isFuture").toBool(), day > today);
    if (day == today) {
      ++seen;
      EXPECT_EQ(cell.value("solves").toInt(), 2);
      EXPECT_DOUBLE_EQ(cell.value("avgIterations").toDouble(), 1500.0);
      EXPECT_DOUBLE_EQ(cell.value("avgExploitability").toDouble(), 0.25);
    } else if (day == old) {
      ++seen;
      EXPECT_DOUBLE_EQ(cell.value("avgIterations").toDouble(), 700.0);
      EXPECT_DOUBLE_EQ(cell.value("avgExploitability").toDouble(), 0.0);
    } else {
      EXPECT_EQ(cell.value("solves").toInt(), 0);
      EXPECT_DOUBLE_EQ(cell.value("avgIterations").toDouble(), 0.0);
    }
  }
  EXPECT_EQ(seen, 2);
}

// ---------------------------------------------------------------------------
// Text files and resources

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QUrl url(const QString& name) const { return QUrl::fromLocalFile(dir.filePath(name)); }
  QTemporaryDir dir;
  AppController c;
};

TEST_F(TextFileTest, SaveAndReadRoundTripAsUtf8) {
  const QString text = QStringLiteral("AA, KK:0.5\nÄpfel ≈ 1\n");
  QVariantMap saved = c.saveTextFile(url("ranges.json"), text);
  ASSERT_TRUE(saved.value("ok").toBool()) << saved.value("error").toString().toStdString();
  EXPECT_EQ(saved.value("error").toString(), "");
  QVariantMap read = c.readTextFile(url("ranges.json"));
  ASSERT_TRUE(read.value("ok").toBool());
  EXPECT_EQ(read.value("text").toString(), text);
  EXPECT_EQ(read.value("error").toString(), "");

  // Saving again replaces the file; CRLF pairs read back as LF.
  ASSERT_TRUE(c.saveTextFile(url("ranges.json"), "a\r\nb").value("ok").toBool());
  EXPECT_EQ(c.readTextFile(url("ranges.json")).value("text").toString(), "a\nb");
}

TEST_F(TextFileTest, ReadRefusesBadUrlsSpecialAndLargeFiles) {
  const auto error = [&](const QUrl& u) {
    const QVariantMap r = c.readTextFile(u);
    EXPECT_FALSE(r.value("ok").toBool());
    EXPECT_EQ(r.value("text").toString(), "");
    return r.value("error").toString();
  };
  // Each refusal names the file the user chose.
  EXPECT_EQ(error(QUrl()), "The file name is not valid.");
  EXPECT_EQ(error(QUrl("https://example.com/r.txt")),
            "'https://example.com/r.txt' is not a file on this computer: only local files can be read.");
  EXPECT_EQ(error(url("missing.txt")), "The file '" + dir.filePath("missing.txt") + "' does not exist.");
  EXPECT_EQ(error(url(QStringLiteral("\u202Etxt.exe"))),  // written out: it would reverse the message
            "The file '" + dir.filePath("<U+202E>txt.exe") + "' does not exist.");
  EXPECT_EQ(error(QUrl::fromLocalFile("/dev/zero")), "'/dev/zero' is not a regular file.");
  EXPECT_EQ(error(QUrl::fromLocalFile(dir.path())), "'" + dir.path() + "' is not a regular file.");
  // A named pipe would block an open; it is refused before that.
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  EXPECT_EQ(error(QUrl::fromLocalFile(fifo)), "'" + fifo + "' is not a regular file.");

  QFile limit(dir.filePath("limit.txt"));
  ASSERT_TRUE(limit.open(QIODevice::WriteOnly));
  limit.write(QByteArray(2097152, 'a'));
  limit.close();
  const QVariantMap ok = c.readTextFile(url("limit.txt"));
  ASSERT_TRUE(ok.value("ok").toBool());
  EXPECT_EQ(ok.value("text").toString().size(), 2097152);
  ASSERT_TRUE(limit.open(QIODevice::Append));
  limit.write("b");
  limit.close();
  EXPECT_EQ(error(url("limit.txt")),
            "The file '" + dir.filePath("limit.txt") + "' is too large (2097153 bytes; at most 2097152).");
}

TEST_F(TextFileTest, SaveRefusesBadTargets) {
  EXPECT_EQ(c.saveTextFile(QUrl("https://example.com/r.txt"), "x").value("error").toString(),
            "Invalid/non-local file URL");
  EXPECT_EQ(c.saveTextFile(QUrl(), "x").value("error").toString(), "Invalid/non-local file URL");
  const QVariantMap r = c.saveTextFile(url("no/such/dir/r.txt"), "x");
  EXPECT_FALSE(r.value("ok").toBool());
  EXPECT_TRUE(r.value("error").toString().startsWith("Failed to open file: "));
  // A failed save leaves an existing target as it was.
  ASSERT_TRUE(c.saveTextFile(url("keep.txt"), "old").value("ok").toBool());
  ASSERT_TRUE(QDir(dir.path()).mkdir("keep.txt.d"));
  EXPECT_FALSE(c.saveTextFile(url("keep.txt.d"), "new").value("ok").toBool());
  EXPECT_EQ(c.readTextFile(url("keep.txt")).value("text").toString(), "old");
}

// A full disk ends a write early without an error; a file size limit does
// the same here. Neither save may report success or touch the old file.
TEST_F(TextFileTest, ShortWritesFailAndKeepTheOldFile) {
  const QString old(10668, QLatin1Char('o'));
  ASSERT_TRUE(c.saveTextFile(url("full.txt"), old).value("ok").toBool());
  ASSERT_TRUE(c.saveProject(url("full.velmoraproj"), {{"boardText", "AsKsQs"}}));
  const QString oldProject = c.readTextFile(url("full.velmoraproj")).value("text").toString();

  void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  rlimit limited = previous;
  limited.rlim_cur = 20480;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const QVariantMap text = c.saveTextFile(url("full.txt"), QString(200000, QLatin1Char('n')));
  const bool project = c.saveProject(url("full.velmoraproj"), {{"oopRangeText", QString(200000, QLatin1Char('A'))}});
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(text.value("ok").toBool());
  EXPECT_TRUE(text.value("error").toString().startsWith("Failed to save file: "));
  EXPECT_EQ(c.readTextFile(url("full.txt")).value("text").toString(), old);
  EXPECT_FALSE(project);
  EXPECT_EQ(c.readTextFile(url("full.velmoraproj")).value("text").toString(), oldProject);
}

// A path typed into a file dialog comes back without a scheme: an absolute
// one names a local file, a relative one names nothing.
TEST_F(TextFileTest, AbsolutePathsWithoutSchemeAreLocalFiles) {
  const QUrl plain(dir.filePath("plain name.txt"));
  ASSERT_TRUE(c.saveTextFile(plain, "AA, KK").value("ok").toBool());
  EXPECT_EQ(c.readTextFile(url("plain name.txt")).value("text").toString(), "AA, KK");
  EXPECT_EQ(c.readTextFile(plain).value("text").toString(), "AA, KK");
  const QUrl project(dir.filePath("typed.velmoraproj"));
  ASSERT_TRUE(c.saveProject(project, {{"boardText", "2c3d4h"}}));
  EXPECT_EQ(c.loadProject(project).value("project").toMap().value("boardText").toString(), "2c3d4h");

  for (const QUrl& bad : {QUrl("relative.txt"), QUrl("//host/share/x.txt"), QUrl(dir.filePath("x.txt") + "?q=1")}) {
    EXPECT_EQ(c.saveTextFile(bad, "x").value("error").toString(), "Invalid/non-local file URL");
    EXPECT_TRUE(c.readTextFile(bad).value("error").toString().endsWith("only local files can be read."));
    EXPECT_FALSE(c.saveProject(bad, {}));
  }
}

TEST_F(TextFileTest, ResourcesAreReadWithAnyOfTheirPathForms) {
  const QString resource = ":/qpdf/qpdfa_metadata.xml";  // shipped inside Qt Gui
  QFile f(resource);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString expected = QString::fromUtf8(f.readAll());
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(c.readTextResource(resource), expected);
  EXPECT_EQ(c.readTextResource("  qrc:/qpdf/qpdfa_metadata.xml "), expected);
  EXPECT_EQ(c.readTextResource("/qpdf/qpdfa_metadata.xml"), expected);
  EXPECT_EQ(c.readTextResource("qpdf/qpdfa_metadata.xml"), "");
  EXPECT_EQ(c.readTextResource(":/no/such/file.json"), "");
  EXPECT_EQ(c.readTextResource(""), "");
}

// Beside a program with no notices (the tests' own), opening them tells that
// they are missing and where they were looked for, rather than nothing.
TEST_F(TextFileTest, OpeningMissingNoticesTellsWhereTheyShouldBe) {
  const QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  ASSERT_FALSE(QFileInfo::exists(dir + "/licenses"));
  const struct {
    QVariantMap result;
    QString path;
  } cases[] = {{c.openLicensesFolder(), dir + "/licenses"},
               {c.openThirdPartyNotices(), dir + "/licenses/THIRD_PARTY_NOTICES.txt"}};
  for (const auto& opened : cases) {
    EXPECT_EQ(opened.result.value("ok"), false);
    EXPECT_EQ(opened.result.value("problem"), "missing");
    EXPECT_EQ(opened.result.value("path"), opened.path);
  }
}

}  // namespace
