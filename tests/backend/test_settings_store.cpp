// The per-user settings file when it cannot be read or written: what the
// settings store reports, what the controller and the language manager tell,
// and that an unreadable file is left as it is. Root ignores file modes, so
// the failures are made with paths that fail for every user (a folder under
// a regular file, a folder where the file belongs); the permission cases
// themselves run only for an ordinary user.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/language_manager.h"
#include "backend/settings_store.h"

using namespace app_controller_test;

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    // The folder the test main chose: the settings file lies two levels down.
    original = QFileInfo(QSettings().fileName()).dir().absolutePath();
    original = QFileInfo(original).dir().absolutePath();
  }
  void TearDown() override { usePath(original); }

  static void usePath(const QString& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
  }
  // Settings in a folder that can never be created: its parent is a file.
  QString breakWrites() {
    QFile blocker(scratch.filePath("blocker"));
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    usePath(blocker.fileName() + "/settings");
    return QDir::toNativeSeparators(QSettings().fileName());
  }
  // A folder where the settings file belongs: it cannot be read.
  QString breakReads() {
    usePath(scratch.filePath("unreadable"));
    const QString file = QSettings().fileName();
    EXPECT_TRUE(QDir().mkpath(file));
    return QDir::toNativeSeparators(file);
  }

  static QVariantMap problem(const QString& what, const QString& kind, const QString& path) {
    return {{"ok", false}, {"what", what}, {"problem", kind}, {"path", path}};
  }

  QTemporaryDir scratch;
  QString original;
};

// A file that cannot be read is reported as such, on reading and on
// writing, and is not replaced; a damaged one is told at start and mended
// by the next save.
TEST_F(SettingsStoreTest, UnreadableFileIsToldAndLeftAsItIs) {
  const QString path = breakReads();
  AppController c;
  EXPECT_EQ(c.settingsStatus(), problem("startup", "unreadable", path));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}), problem("appearance", "unreadable", path));
  EXPECT_TRUE(QFileInfo(path).isDir());

  usePath(scratch.filePath("damaged"));
  const QString damaged = QSettings().fileName();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(damaged).absolutePath()) && writeFile(damaged, "[ui\nx=1"));
  EXPECT_EQ(c.settingsStatus(), problem("startup", "damaged", QDir::toNativeSeparators(damaged)));
  EXPECT_TRUE(settings_store::isOk(c.saveUiSettings({{"darkMode", true}}))) << "a damaged file is written anew";
}

TEST_F(SettingsStoreTest, ControllerAndLanguageManagerTellWritesThatDidNotReachTheFile) {
  AppController c;
  QSignalSpy failed(&c, &AppController::settingsWriteFailed);
  LanguageManager languages;
  QSignalSpy languageStatus(&languages, &LanguageManager::saveStatusChanged);
  const QString path = breakWrites();

  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}, {"accentHex", "#58a6ff"}}),
            problem("appearance", "notWritable", path));
  c.recordPlayVsSolutionHand(true, 1.5);
  c.startSolveWithConfig(riverSpot(5));
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(c.statusText(), "Done");
  ASSERT_EQ(failed.count(), 2);
  EXPECT_EQ(failed[0][0].toMap(), problem("trainingStats", "notWritable", path));
  EXPECT_EQ(failed[1][0].toMap(), problem("solveActivity", "notWritable", path));

  languages.setLanguage("en");
  EXPECT_EQ(languages.currentLanguage(), "en") << "the choice still applies to this run";
  EXPECT_EQ(languages.saveStatus(), problem("language", "notWritable", path));
  EXPECT_EQ(languageStatus.count(), 1);

  usePath(original);
  languages.setLanguage("system");
  EXPECT_TRUE(settings_store::isOk(languages.saveStatus()));
  EXPECT_EQ(languageStatus.count(), 2);
  EXPECT_TRUE(settings_store::isOk(c.saveUiSettings({{"darkMode", true}})));
  EXPECT_EQ(QSettings().value("ui/darkMode").toBool(), true);
  EXPECT_TRUE(settings_store::isOk(c.settingsStatus()));
}

// The cases as a user meets them: a settings folder that cannot be written
// (mode 555) and a settings file that cannot be read (mode 000).
TEST_F(SettingsStoreTest, PermissionsOfAnOrdinaryUser) {
  if (geteuid() == 0) GTEST_SKIP() << "root ignores file modes";
  const QString readOnlyRoot = scratch.filePath("readonly");
  usePath(readOnlyRoot);
  const QString file = QSettings().fileName();
  {
    QSettings settings;
    settings.setValue("ui/darkMode", true);
    ASSERT_TRUE(settings_store::isOk(settings_store::syncStatus(settings, "appearance")));
  }
  const QString folder = QFileInfo(file).absolutePath();
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
  AppController c;
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}),
            problem("appearance", "notWritable", QDir::toNativeSeparators(file)));

  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  const QByteArray before = readAll(file);
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
  EXPECT_EQ(c.settingsStatus(), problem("startup", "unreadable", QDir::toNativeSeparators(file)));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}),
            problem("appearance", "unreadable", QDir::toNativeSeparators(file)));
  ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
  EXPECT_EQ(readAll(file), before) << "the unreadable file is left as it was";
}

}  // namespace
