// The licence notices the Settings page opens stand beside the built program
// and hold a section for every shared library the running program maps,
// each with the licences its package's copyright file gives.
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

#include <signal.h>

namespace {

const QString kProgram = QStringLiteral(VELMORA_PROGRAM);
const QString kRule = QString(80, '=');

struct Section {
  QString body, file, package;  // package without its architecture
  QSet<QString> licences;       // the names its "Licence:" lines give
};

// Sections: a rule, the library's name, a rule, the body.
QHash<QString, Section> readNotices(const QString& path) {
  QHash<QString, Section> sections;
  QFile notices(path);
  const QStringList parts = notices.open(QIODevice::ReadOnly) ? QString::fromUtf8(notices.readAll()).split(kRule + '\n')
                                                              : QStringList();
  static const QRegularExpression named("^(?:Licence: |         )(.*) \\((?:files: .*|the whole package)\\)$");
  for (int i = 1; i + 1 < parts.size(); i += 2) {
    Section s{parts[i + 1], {}, {}, {}};
    for (const QString& line : s.body.section("\nSource:", 0, 0).section("\nTerms:", 0, 0).split('\n')) {
      if (line.startsWith("File:    ")) s.file = QFileInfo(line.mid(9)).canonicalFilePath();
      if (line.startsWith("Package: ")) s.package = line.mid(9).section(' ', 0, 0).section(':', 0, 0);
      const QRegularExpressionMatch m = named.match(line);
      if (m.hasMatch()) s.licences << (m.captured(1) == "a licence the file does not name" ? "" : m.captured(1));
    }
    sections.insert(parts[i].trimmed(), s);
  }
  return sections;
}

QHash<QString, Section> builtNotices() {
  return readNotices(QFileInfo(kProgram).dir().filePath("licenses/THIRD_PARTY_NOTICES.txt"));
}

// A package's copyright file: whether it is machine-readable, the "License:"
// names of its "Files:" paragraphs and of its first one, and that of "*".
struct Copyright {
  bool readable = false, machine = false;
  QSet<QString> licences;
  QString everyFile;
};

Copyright readCopyright(const QString& package) {
  Copyright c;
  QFile file("/usr/share/doc/" + package + "/copyright");
  if (!(c.readable = file.open(QIODevice::ReadOnly))) return c;
  const QString text = QString::fromUtf8(file.readAll());
  c.machine = text.startsWith("Format:") || text.startsWith("Format-Specification:");
  // A field with its continuation lines.
  static const QRegularExpression field("^(files|license):[ \t]*([^\n]*(?:\n[ \t][^\n]*)*)",
                                        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
  const QStringList paragraphs = text.split(QRegularExpression("\n[ \t]*\n"));
  for (int p = 0; c.machine && p < paragraphs.size(); ++p) {
    QStringList files, licence;
    for (const QRegularExpressionMatch& m : field.globalMatch(paragraphs[p])) {
      if (m.captured(1).toLower() == "files") files << m.captured(2).simplified().split(' ');
      else licence = QStringList{m.captured(2).section('\n', 0, 0).trimmed()};
    }
    if (licence.isEmpty() || (files.isEmpty() && p != 0)) continue;  // a licence's own text
    c.licences << licence[0];
    if (p == 0 || files.contains("*")) c.everyFile = licence[0];
  }
  return c;
}

std::string listed(const QSet<QString>& names) {
  QStringList sorted(names.cbegin(), names.cend());
  sorted.sort();
  return sorted.join("; ").toStdString();
}

// The shared objects the running program maps once its window is up, on
// PLATFORM (under a virtual X server for xcb), with settings and caches in
// a folder of the test's own: read until the set has stood still for five
// seconds after the QML modules' plugins were loaded.
QSet<QString> mappedByTheRunningProgram(const QString& platform, QString* problem) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    env.insert(var, home.path());
  env.insert("QT_QPA_PLATFORM", platform);
  QProcess process;
  process.setProcessEnvironment(env);
  qint64 pid = 0;
  // xvfb-run picks a free display without reserving it: a second try where
  // another server took it first.
  for (int attempt = 0; attempt < 2 && pid == 0; ++attempt) {
    if (platform == "xcb") {  // the shell prints its process id and becomes the program
      process.start("xvfb-run", {"-a", "-s", "-screen 0 1600x1260x24", "sh", "-c", "echo $$; exec \"$0\"", kProgram});
      if (process.waitForReadyRead(30000)) pid = process.readLine().trimmed().toLongLong();
      if (pid == 0) process.waitForFinished(30000);
    } else if (process.start(kProgram, QStringList()), process.waitForStarted(30000)) {
      pid = process.processId();
    }
  }
  static const QRegularExpression object("(/.*\\.so(?:\\.[^/\\n]*)?)$", QRegularExpression::MultilineOption);
  QSet<QString> mapped;
  bool modulesLoaded = false;
  QElapsedTimer sinceChange, total;
  sinceChange.start();
  total.start();
  while (pid > 0 && total.elapsed() < 90000 && !(modulesLoaded && sinceChange.elapsed() > 5000)) {
    QFile maps(QString("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly)) break;
    const QString text = QString::fromUtf8(maps.readAll());
    QSet<QString> now;
    for (const QRegularExpressionMatch& m : object.globalMatch(text)) now << QFileInfo(m.captured(1)).canonicalFilePath();
    modulesLoaded = modulesLoaded || text.contains("/qml/QtQuick/Controls/");
    if (now != mapped) mapped = now, sinceChange.restart();
    QThread::msleep(250);
  }
  if (!modulesLoaded) *problem = "the program's QML modules were never loaded: " + process.errorString();
  if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGTERM);
  process.waitForFinished(30000);
  mapped.remove(QFileInfo(kProgram).canonicalFilePath());
  return mapped;
}

}  // namespace

// Every object the program maps, linked or opened at run time (its QML
// modules' plugins, the platform's, the graphics driver), has a section, and
// none is a Qt library whose package offers it under the GPL alone.
TEST(ThirdPartyNotices, StandBesideTheProgramAndNameEveryLibraryItLoads) {
  const QHash<QString, Section> sections = builtNotices();
  ASSERT_FALSE(sections.isEmpty());
  QHash<QString, QString> byFile;  // the package of each canonical path
  for (const Section& section : sections) byFile.insert(section.file, section.package);
  QStringList platforms{"offscreen"};
  if (!QStandardPaths::findExecutable("xvfb-run").isEmpty()) platforms << "xcb";
  EXPECT_TRUE(sections.contains("libQt6XcbQpa.so.6")) << "the desktop's platform, loaded under X only";
  for (const QString& platform : platforms) {
    SCOPED_TRACE(platform.toStdString());
    QString problem;
    const QSet<QString> mapped = mappedByTheRunningProgram(platform, &problem);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    for (const QString& object : mapped) {
      SCOPED_TRACE(object.toStdString());
      ASSERT_TRUE(byFile.contains(object)) << "no section";
      const QString package = byFile.value(object);
      if (!package.startsWith("libqt6") && !package.startsWith("qml6-module") && !package.startsWith("qt6-")) continue;
      const QString licence = readCopyright(package).everyFile;
      EXPECT_TRUE(licence.contains("LGPL") || (!licence.isEmpty() && !licence.contains("GPL"))) << licence.toStdString();
    }
  }
}

// Each section's licences are the "License:" names of its package's
// copyright file, never a web address; its source is named, or the section
// says no package ships the library.
TEST(ThirdPartyNotices, GiveEachLibrarysLicencesAsItsPackagesCopyrightFileDoes) {
  const QHash<QString, Section> sections = builtNotices();
  int machineReadable = 0;
  for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
    const Section& section = it.value();
    SCOPED_TRACE((it.key() + " of " + section.package).toStdString());
    if (it.key().startsWith("Licence text: ")) continue;
    if (section.package.isEmpty()) {
      EXPECT_TRUE(section.body.contains("does not come from an installed Debian package"));
      continue;
    }
    const Copyright copyright = readCopyright(section.package);
    ASSERT_TRUE(copyright.readable);
    machineReadable += copyright.machine;
    EXPECT_EQ(listed(section.licences), listed(copyright.licences));
    EXPECT_EQ(section.body.contains("Licence: not named in a machine-readable form"), !copyright.machine);
    EXPECT_TRUE(section.body.contains("\nSource:  Debian source package "));
    const QString licenceLines = section.body.section("\nSource:", 0, 0).section("Licence: ", 1);
    EXPECT_FALSE(licenceLines.contains(QRegularExpression("[a-z]+://|www\\."))) << licenceLines.toStdString();
  }
  EXPECT_GT(machineReadable, 20);
  EXPECT_TRUE(sections.value("libz.so.1").licences.contains("Zlib"));
}

// Built where dpkg is missing, the notices are written all the same, with
// every library's section, say what is not known in the file and on the
// build's output, and the build does not fail.
TEST(ThirdPartyNotices, AreWrittenWithoutDpkgAndSaySo) {
  QTemporaryDir bin;  // a PATH of every program of the machine but dpkg's
  for (const char* folder : {"/usr/local/bin", "/usr/bin", "/bin"}) {
    for (const QFileInfo& tool : QDir(folder).entryInfoList(QDir::Files | QDir::Executable)) {
      if (!tool.fileName().startsWith("dpkg")) QFile::link(tool.absoluteFilePath(), bin.filePath(tool.fileName()));
    }
  }
  QProcess script;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PATH", bin.path());
  script.setProcessEnvironment(env);
  const QString out = bin.filePath("licenses/THIRD_PARTY_NOTICES.txt");
  script.start("/bin/bash", {VELMORA_NOTICES_SCRIPT, kProgram, out, "9.9"});
  ASSERT_TRUE(script.waitForFinished(120000));
  EXPECT_EQ(script.exitCode(), 0);
  const QString said = "dpkg-query is not installed";
  EXPECT_TRUE(QString::fromUtf8(script.readAllStandardError()).contains(said));
  QFile written(out);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(written.readAll()).section(kRule, 0, 0).contains(said));
  const QHash<QString, Section> sections = readNotices(out);
  for (const QString& name : builtNotices().keys())
    EXPECT_TRUE(name.startsWith("Licence text: ") || sections.contains(name)) << name.toStdString();
  EXPECT_TRUE(sections.value("libQt6Core.so.6").body.contains("Package: not known (dpkg-query is not installed)"));
}
