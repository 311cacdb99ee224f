// The per-user settings file when it cannot be read or written, as the
// controller reports it (what the window says is in tst_settings_store.qml).
// Root ignores file modes: the permission cases run for an ordinary user only.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "backend/settings_store.h"

using namespace app_controller_test;

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scratch.isValid()); }
  void TearDown() override { usePath(original); }

  // Points the settings at `dir` and returns the settings file's path.
  static QString usePath(const QString& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    return QSettings().fileName();
  }
  static QVariantMap problem(const QString& what, const QString& kind, const QString& path) {
    return {{"ok", false}, {"what", what}, {"problem", kind}, {"path", QDir::toNativeSeparators(path)}};
  }

  QTemporaryDir scratch;
  // The folder the test main chose: the settings file lies two levels down.
  const QString original = QFileInfo(QFileInfo(QSettings().fileName()).absolutePath()).absolutePath();
};

TEST_F(SettingsStoreTest, UnreadableDamagedAndUnwritableFilesAreTold) {
  AppController c;
  // A folder where the file belongs cannot be read (for root too), and is
  // not replaced.
  const QString unreadable = usePath(scratch.filePath("unreadable"));
  ASSERT_TRUE(QDir().mkpath(unreadable));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}), problem("appearance", "unreadable", unreadable));
  EXPECT_TRUE(QFileInfo(unreadable).isDir());

  // A damaged file is told at start and written anew by the next save.
  const QString damaged = usePath(scratch.filePath("damaged"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(damaged).absolutePath()) && writeFile(damaged, "[ui\nx=1"));
  EXPECT_EQ(c.settingsStatus(), problem("startup", "damaged", damaged));
  EXPECT_TRUE(settings_store::isOk(c.saveUiSettings({{"darkMode", true}})));

  // Under a regular file no folder can be made: the finished solve's record
  // is told not kept.
  ASSERT_TRUE(writeFile(scratch.filePath("blocker"), ""));
  const QString unwritable = usePath(scratch.filePath("blocker/settings"));
  QSignalSpy failed(&c, &AppController::settingsWriteFailed);
  c.startSolveWithConfig(riverSpot(5));
  ASSERT_TRUE(waitFor([&] { return solveFinished(c); }));
  ASSERT_EQ(failed.count(), 1);
  EXPECT_EQ(failed[0][0].toMap(), problem("solveActivity", "notWritable", unwritable));
}

// As a user meets them: a settings folder that cannot be written (mode 500)
// and a settings file that cannot be read (mode 000).
TEST_F(SettingsStoreTest, PermissionsOfAnOrdinaryUser) {
  if (geteuid() == 0) GTEST_SKIP() << "root ignores file modes";
  AppController c;
  const QString file = usePath(scratch.filePath("modes"));
  const QString folder = QFileInfo(file).absolutePath();
  ASSERT_TRUE(QDir().mkpath(folder) && writeFile(file, "[ui]\ndarkMode=true\n"));
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}), problem("appearance", "notWritable", file));

  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
  EXPECT_EQ(c.settingsStatus(), problem("startup", "unreadable", file));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}), problem("appearance", "unreadable", file));
  ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
  EXPECT_EQ(readAll(file), "[ui]\ndarkMode=true\n") << "the unreadable file is left as it was";
}

}  // namespace
