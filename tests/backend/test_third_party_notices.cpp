// The licence notices the Settings page opens stand beside the built program
// and hold a section for every shared library the program loads, read here
// from the program itself and from the running program, each with the
// licences its package's copyright file gives.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>

#include <signal.h>

namespace {

const QString kProgram = QStringLiteral(VELMORA_PROGRAM);

struct Section {
  QString body;
  QString file;
  QString package;        // without its architecture, "" when none is named
  QStringList licences;   // the licence names its "Licence:" lines give
};

// Sections: a rule, the library's name, a rule, the body.
QHash<QString, Section> readNotices(const QString& path) {
  QHash<QString, Section> sections;
  QFile notices(path);
  if (!notices.open(QIODevice::ReadOnly)) return sections;
  const QStringList parts = QString::fromUtf8(notices.readAll()).split(QString(80, '=') + '\n');
  static const QRegularExpression licenceLine(QStringLiteral("^(.*) \\((files: .*|the whole package)\\)$"));
  for (int i = 1; i + 1 < parts.size(); i += 2) {
    Section section;
    section.body = parts[i + 1];
    bool inLicences = false;
    for (const QString& line : section.body.split('\n')) {
      if (line.startsWith("File:    ")) section.file = line.mid(9);
      if (line.startsWith("Package: ")) section.package = line.mid(9).section(' ', 0, 0).section(':', 0, 0);
      if (line.startsWith("Licence: ")) inLicences = true;
      else if (!line.startsWith("         ")) inLicences = false;
      const QRegularExpressionMatch named = licenceLine.match(line.mid(9));
      if (inLicences && named.hasMatch()) {
        const QString name = named.captured(1);
        section.licences << (name == "a licence the file does not name" ? QString() : name);
      }
    }
    sections.insert(parts[i].trimmed(), section);
  }
  return sections;
}

QHash<QString, Section> builtNotices() {
  return readNotices(QFileInfo(kProgram).dir().filePath("licenses/THIRD_PARTY_NOTICES.txt"));
}

// What a package's copyright file says of its licences: whether it is
// machine-readable, the distinct "License:" names of its "Files:"
// paragraphs and of its first paragraph, and the one for the files "*".
struct Copyright {
  bool readable = false;
  bool machine = false;
  QSet<QString> licences;
  QString everyFile;
};

Copyright readCopyright(const QString& package) {
  Copyright copyright;
  QFile file("/usr/share/doc/" + package + "/copyright");
  if (!file.open(QIODevice::ReadOnly)) return copyright;
  copyright.readable = true;
  const QString text = QString::fromUtf8(file.readAll());
  copyright.machine = text.startsWith("Format:") || text.startsWith("Format-Specification:");
  if (!copyright.machine) return copyright;
  const QStringList paragraphs = text.split(QRegularExpression("\n[ \t]*\n"));
  for (int p = 0; p < paragraphs.size(); ++p) {
    QString files, licence;
    bool hasFiles = false, hasLicence = false, inFiles = false;
    for (const QString& line : paragraphs[p].split('\n')) {
      if (line.startsWith(' ') || line.startsWith('\t')) {
        if (inFiles) files += ' ' + line.trimmed();
        continue;
      }
      const QString field = line.section(':', 0, 0).toLower();
      inFiles = field == "files";
      if (inFiles) hasFiles = true, files = line.section(':', 1).trimmed();
      if (field == "license") hasLicence = true, licence = line.section(':', 1).trimmed();
    }
    if (!hasLicence || (!hasFiles && p != 0)) continue;
    copyright.licences << licence;
    if (p == 0 || files.split(QRegularExpression("\\s+")).contains("*")) copyright.everyFile = licence;
  }
  return copyright;
}

// A set of licence names as one line, for comparing and for messages.
std::string listed(const QSet<QString>& names) {
  QStringList sorted(names.cbegin(), names.cend());
  sorted.sort();
  return sorted.join("; ").toStdString();
}
std::string listed(const QStringList& names) { return listed(QSet<QString>(names.cbegin(), names.cend())); }

// A licence text that names the GPL and offers no LGPL beside it.
bool gplOnly(const QString& licence) { return licence.contains("GPL") && !licence.contains("LGPL"); }

bool isQtPackage(const QString& package) {
  return package.startsWith("libqt6") || package.startsWith("qml6-module") || package.startsWith("qt6-");
}

// The shared objects the running program maps once its window is up: on
// PLATFORM, under a virtual X server for xcb; its settings and caches go to
// a folder of the test's own. The set is read until it has stood still for
// five seconds after the QML modules' plugins were loaded.
QSet<QString> mappedByTheRunningProgram(const QString& platform, QString* problem) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    env.insert(var, home.path());
  env.insert("QT_QPA_PLATFORM", platform);
  QProcess process;
  process.setProcessEnvironment(env);
  qint64 pid = 0;
  if (platform == "xcb") {
    // The shell prints its process id and becomes the program.
    process.start("xvfb-run", {"-a", "-s", "-screen 0 1600x1260x24", "sh", "-c", "echo $$; exec \"$0\"", kProgram});
    if (process.waitForReadyRead(30000)) pid = process.readLine().trimmed().toLongLong();
  } else {
    process.start(kProgram, QStringList());
    if (process.waitForStarted(30000)) pid = process.processId();
  }
  QSet<QString> mapped;
  if (pid <= 0) {
    *problem = "the program did not start: " + process.errorString();
    return mapped;
  }
  QElapsedTimer sinceChange, total;
  sinceChange.start();
  total.start();
  bool modulesLoaded = false;
  while (total.elapsed() < 90000 && !(modulesLoaded && sinceChange.elapsed() > 5000)) {
    QFile maps(QString("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly)) break;
    QSet<QString> now;
    for (const QString& line : QString::fromUtf8(maps.readAll()).split('\n')) {
      const int at = line.indexOf('/');  // the file's path is the line's last field
      const QString path = at < 0 ? QString() : line.mid(at).trimmed();
      const QString name = QFileInfo(path).fileName();
      if (path.startsWith('/') && (name.endsWith(".so") || name.contains(".so.")))
        now << QFileInfo(path).canonicalFilePath();
    }
    if (now != mapped) mapped = now, sinceChange.restart();
    for (const QString& path : mapped) modulesLoaded = modulesLoaded || path.contains("/qml/QtQuick/Controls/");
    QThread::msleep(250);
  }
  if (!modulesLoaded) *problem = "the program's QML modules were never loaded";
  ::kill(static_cast<pid_t>(pid), SIGTERM);
  process.waitForFinished(30000);
  mapped.remove(QFileInfo(kProgram).canonicalFilePath());
  return mapped;
}

}  // namespace

TEST(ThirdPartyNotices, StandBesideTheProgramAndNameEveryLibraryItLoads) {
  const QHash<QString, Section> sections = builtNotices();
  ASSERT_FALSE(sections.isEmpty());

  QProcess ldd;
  ldd.start("ldd", {kProgram});
  ASSERT_TRUE(ldd.waitForFinished(30000) && ldd.exitCode() == 0);
  QStringList names;
  for (const QString& line : QString::fromLocal8Bit(ldd.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList words = line.simplified().split(' ');
    if (words[0].startsWith("linux-vdso")) continue;
    const bool named = words.size() >= 3 && words[1] == "=>";
    const QString name = named ? words[0] : QFileInfo(words[0]).fileName();
    names << name;
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(sections.contains(name)) << "no section";
    const QString body = sections.value(name).body;
    EXPECT_TRUE(body.contains("File:    " + (named ? words[2] : words[0])));
    EXPECT_TRUE(body.contains(QRegularExpression("^Licence: \\S", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(body.contains("\nSource:  Debian source package ") ||
                body.contains("does not come from an installed Debian package"));
  }
  for (const char* expected : {"libQt6Core.so.6", "libQt6Quick.so.6", "libQt6Network.so.6", "libz.so.1"})
    EXPECT_TRUE(names.contains(QLatin1String(expected))) << expected;
  EXPECT_TRUE(sections.value("libz.so.1").licences.contains("Zlib"));
  // Qt modules the program loads only at run time: through its QML imports,
  // the controls' style and the platform plugin.
  for (const char* loaded :
       {"libQt6QuickLayouts.so.6", "libQt6QuickControls2Impl.so.6", "libQt6LabsSettings.so.6", "libQt6XcbQpa.so.6"})
    EXPECT_FALSE(sections.value(loaded).licences.isEmpty()) << loaded;
}

TEST(ThirdPartyNotices, GiveEachLibrarysLicencesAsItsPackagesCopyrightFileDoes) {
  const QHash<QString, Section> sections = builtNotices();
  ASSERT_FALSE(sections.isEmpty());
  int machineReadable = 0;
  for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
    const Section& section = it.value();
    if (section.package.isEmpty() || it.key().startsWith("Licence text: ")) continue;
    SCOPED_TRACE((it.key() + " of " + section.package).toStdString());
    const Copyright copyright = readCopyright(section.package);
    ASSERT_TRUE(copyright.readable);
    if (copyright.machine) {
      ++machineReadable;
      EXPECT_EQ(listed(section.licences), listed(copyright.licences));
    } else {
      EXPECT_TRUE(section.licences.isEmpty());
      EXPECT_TRUE(section.body.contains("Licence: not named in a machine-readable form")) << section.body.left(400).toStdString();
    }
    // A web address is where a library comes from, never its licence.
    const QString licenceLines = section.body.section("\nSource:", 0, 0).section("Licence: ", 1);
    EXPECT_FALSE(licenceLines.contains(QRegularExpression("[a-z]+://|www\\."))) << licenceLines.toStdString();
  }
  EXPECT_GT(machineReadable, 20);
}

TEST(ThirdPartyNotices, CoverEveryObjectTheRunningProgramMapsAndNoGplOnlyQtLibrary) {
  const QHash<QString, Section> sections = builtNotices();
  ASSERT_FALSE(sections.isEmpty());
  QHash<QString, QString> sectionOf;  // canonical file -> section name
  for (auto it = sections.cbegin(); it != sections.cend(); ++it)
    if (!it.value().file.isEmpty()) sectionOf.insert(QFileInfo(it.value().file).canonicalFilePath(), it.key());

  QStringList platforms{"offscreen"};
  if (!QStandardPaths::findExecutable("xvfb-run").isEmpty()) platforms << "xcb";
  else std::cout << "xvfb-run is not installed: the xcb platform is not tried\n";
  for (const QString& platform : platforms) {
    SCOPED_TRACE(platform.toStdString());
    QString problem;
    const QSet<QString> mapped = mappedByTheRunningProgram(platform, &problem);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    for (const QString& object : mapped) {
      SCOPED_TRACE(object.toStdString());
      ASSERT_TRUE(sectionOf.contains(object)) << "no section";
      const Section section = sections.value(sectionOf.value(object));
      if (!isQtPackage(section.package)) continue;
      const QString licence = readCopyright(section.package).everyFile;
      EXPECT_FALSE(licence.isEmpty());
      EXPECT_FALSE(gplOnly(licence)) << "offered only under " << licence.toStdString();
    }
  }
}

// The build writes the notices even where a tool it reads them with is
// missing, says so in the file and on its output, and does not fail.
TEST(ThirdPartyNotices, AreWrittenAndSayWhatIsMissingWhereAToolIsMissing) {
  const struct {
    QStringList hidden;
    const char* said;
    bool packagesKnown;
    bool pluginsKnown;
  } cases[] = {
      {{"dpkg", "dpkg-query"}, "dpkg-query is not installed", false, true},
      {{"qtpaths6"}, "qtpaths6 is not installed", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    // A PATH of every program the machine has but the hidden ones.
    QTemporaryDir bin;
    for (const char* folder : {"/usr/local/bin", "/usr/bin", "/bin"}) {
      for (const QFileInfo& tool : QDir(folder).entryInfoList(QDir::Files | QDir::Executable)) {
        if (!c.hidden.contains(tool.fileName())) QFile::link(tool.absoluteFilePath(), bin.filePath(tool.fileName()));
      }
    }
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", bin.path());
    script.setProcessEnvironment(env);
    const QString out = bin.filePath("notices/THIRD_PARTY_NOTICES.txt");
    script.start("/bin/bash", {VELMORA_NOTICES_SCRIPT, kProgram, out, "9.9"});
    ASSERT_TRUE(script.waitForFinished(120000));
    EXPECT_EQ(script.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(script.readAllStandardError()).contains(c.said));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.section(QString(80, '='), 0, 0).contains(c.said));
    // What could be found is written all the same.
    const QHash<QString, Section> sections = readNotices(out);
    const Section core = sections.value("libQt6Core.so.6");
    EXPECT_TRUE(core.body.contains("File:    "));
    if (c.packagesKnown) {
      EXPECT_EQ(listed(core.licences), listed(readCopyright(core.package).licences));
    } else {
      EXPECT_TRUE(core.body.contains("Package: not known (dpkg-query is not installed)"));
    }
    EXPECT_EQ(sections.contains("libqxcb.so"), c.pluginsKnown);
  }
}
