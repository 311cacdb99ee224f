// The licence notices the Settings page opens stand beside the built program
// and hold a section for every shared library the program loads, read here
// from the program itself.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The libraries the dynamic loader maps for `program`: name and file.
QList<std::pair<QString, QString>> linkedLibraries(const QString& program) {
  QProcess ldd;
  ldd.start(QStringLiteral("ldd"), {program});
  if (!ldd.waitForFinished(30000) || ldd.exitCode() != 0) return {};
  QList<std::pair<QString, QString>> libraries;
  const QStringList lines = QString::fromLocal8Bit(ldd.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    const QStringList words = line.simplified().split(' ');
    if (words.isEmpty() || words[0].startsWith(QStringLiteral("linux-vdso"))) continue;
    if (words.size() >= 3 && words[1] == QStringLiteral("=>")) {
      libraries.append({words[0], words[2]});
    } else {
      libraries.append({QFileInfo(words[0]).fileName(), words[0]});
    }
  }
  return libraries;
}

// The notices' sections by the library each one names.
QHash<QString, QString> sectionsOf(const QString& text) {
  QHash<QString, QString> sections;
  const QString rule = QString(80, '=');
  const QStringList parts = text.split(rule + '\n');
  // Each section is a rule, its name, a rule, then its body.
  for (int i = 1; i + 1 < parts.size(); i += 2) sections.insert(parts[i].trimmed(), parts[i + 1]);
  return sections;
}

TEST(ThirdPartyNotices, StandBesideTheProgramAndNameEveryLibraryItLoads) {
  const QString program = QStringLiteral(VELMORA_PROGRAM);
  QFile notices(QFileInfo(program).dir().filePath(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt")));
  ASSERT_TRUE(notices.open(QIODevice::ReadOnly)) << notices.fileName().toStdString();
  const QHash<QString, QString> sections = sectionsOf(QString::fromUtf8(notices.readAll()));

  const QList<std::pair<QString, QString>> libraries = linkedLibraries(program);
  ASSERT_FALSE(libraries.isEmpty());
  QStringList names;
  for (const auto& [name, file] : libraries) {
    names << name;
    ASSERT_TRUE(sections.contains(name)) << name.toStdString() << " has no section";
    const QString body = sections.value(name);
    EXPECT_TRUE(body.contains(QStringLiteral("File:    ") + file)) << name.toStdString();
    EXPECT_TRUE(body.contains(QRegularExpression(QStringLiteral("^Licence: \\S"), QRegularExpression::MultilineOption)))
        << name.toStdString();
    // Where the source is found, or that no package ships the library.
    EXPECT_TRUE(body.contains(QStringLiteral("\nSource:  Debian source package ")) ||
                body.contains(QStringLiteral("does not come from an installed Debian package")))
        << name.toStdString();
    if (name.startsWith(QStringLiteral("libQt6"))) {
      EXPECT_TRUE(body.contains(QStringLiteral("Licence: GNU Lesser General Public License version 3 (LGPL-3)")))
          << name.toStdString();
    }
  }
  // The program's own modules and zlib are among them, zlib under its licence.
  for (const char* expected : {"libQt6Core.so.6", "libQt6Quick.so.6", "libQt6Network.so.6", "libz.so.1"}) {
    EXPECT_TRUE(names.contains(QLatin1String(expected))) << expected;
  }
  EXPECT_TRUE(sections.value(QStringLiteral("libz.so.1")).contains(QStringLiteral("Licence: Zlib")));
}

}  // namespace
