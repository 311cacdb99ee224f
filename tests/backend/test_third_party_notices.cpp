// The licence notices the Settings page opens stand beside the built program
// and hold a section for every shared library the program loads, read here
// from the program itself, and for the Qt modules it loads at run time.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(ThirdPartyNotices, StandBesideTheProgramAndNameEveryLibraryItLoads) {
  const QString program = QStringLiteral(VELMORA_PROGRAM);
  QFile notices(QFileInfo(program).dir().filePath("licenses/THIRD_PARTY_NOTICES.txt"));
  ASSERT_TRUE(notices.open(QIODevice::ReadOnly)) << notices.fileName().toStdString();
  // Sections: a rule, the library's name, a rule, the body.
  QHash<QString, QString> sections;
  const QStringList parts = QString::fromUtf8(notices.readAll()).split(QString(80, '=') + '\n');
  for (int i = 1; i + 1 < parts.size(); i += 2) sections.insert(parts[i].trimmed(), parts[i + 1]);

  QProcess ldd;
  ldd.start("ldd", {program});
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
    const QString body = sections.value(name);
    EXPECT_TRUE(body.contains("File:    " + (named ? words[2] : words[0])));
    EXPECT_TRUE(body.contains(QRegularExpression("^Licence: \\S", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(body.contains("\nSource:  Debian source package ") ||
                body.contains("does not come from an installed Debian package"));
    EXPECT_TRUE(!name.startsWith("libQt6") ||
                body.contains("Licence: GNU Lesser General Public License version 3 (LGPL-3)"));
  }
  for (const char* expected : {"libQt6Core.so.6", "libQt6Quick.so.6", "libQt6Network.so.6", "libz.so.1"})
    EXPECT_TRUE(names.contains(QLatin1String(expected))) << expected;
  EXPECT_TRUE(sections.value("libz.so.1").contains("Licence: Zlib"));
  // Qt modules the program loads only at run time: through its QML imports,
  // the controls' style and the platform plugin.
  for (const char* loaded :
       {"libQt6QuickLayouts.so.6", "libQt6QuickControls2Impl.so.6", "libQt6LabsSettings.so.6", "libQt6XcbQpa.so.6"})
    EXPECT_TRUE(sections.value(loaded).contains("Licence: GNU Lesser General Public License version 3 (LGPL-3)"))
        << loaded;
}
