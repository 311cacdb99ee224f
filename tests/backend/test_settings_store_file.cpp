// The store file's answers when a change cannot be made: the settings file
// cannot be read, its folder cannot be written, or another copy holds the
// lock. The changes themselves across two processes are tested with the
// Setup page's store peers (tests/qml_setup/test_store_processes.cpp).
#include "backend/settings_store_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The folder the per-user settings of the test run live in.
QString settingsFolder() {
  QDir dir = QFileInfo(QSettings().fileName()).absoluteDir();
  dir.cdUp();
  return dir.path();
}

class StoreFileFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/settings");
    QJSEngine::setObjectOwnership(&file_, QJSEngine::CppOwnership);
    engine_.globalObject().setProperty("file", engine_.newQObject(&file_));
  }
  void TearDown() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous_); }

  // A change that stores one profile list and notes that it ran.
  QVariantMap change(int waitMs = 50) {
    const QJSValue work = engine_.evaluate(
        "(function() { ran = true; file.write('settings_profiles', 'profilesJson', '[]') })");
    engine_.globalObject().setProperty("ran", false);
    return file_.transact(work, waitMs);
  }
  bool ran() { return engine_.globalObject().property("ran").toBool(); }

  QTemporaryDir dir_;
  QString previous_ = settingsFolder();
  QJSEngine engine_;
  SettingsStoreFile file_;
};

TEST_F(StoreFileFailures, UnreadableSettingsAreNeitherChangedNorWrittenOver) {
  // A settings "file" that is a folder cannot be read, whoever runs the test.
  const QString settingsFile = QSettings().fileName();
  ASSERT_TRUE(QDir().mkpath(settingsFile));
  const QVariantMap r = change();
  EXPECT_EQ(r.value("ok").toBool(), false);
  EXPECT_EQ(r.value("reason").toString(), "read");
  EXPECT_EQ(r.value("path").toString(), QDir::toNativeSeparators(settingsFile));
  EXPECT_FALSE(ran());
  EXPECT_TRUE(QFileInfo(settingsFile).isDir());
}

TEST_F(StoreFileFailures, SettingsFolderThatCannotBeMadeIsReportedWithThePath) {
  QFile blocker(dir_.path() + "/settings");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QVariantMap r = change();
  EXPECT_EQ(r.value("reason").toString(), "write");
  EXPECT_TRUE(r.value("path").toString().startsWith(QDir::toNativeSeparators(dir_.path() + "/settings/")));
  EXPECT_FALSE(ran());
}

TEST_F(StoreFileFailures, TakenLockHoldsTheCallerOnlyBriefly) {
  ASSERT_TRUE(change().value("ok").toBool());
  QLockFile other(SettingsStoreFile::lockFileName());
  ASSERT_TRUE(other.tryLock(0));
  QElapsedTimer t;
  t.start();
  const QVariantMap r = change(50);
  EXPECT_LT(t.elapsed(), 500);
  EXPECT_EQ(r.value("reason").toString(), "busy");
  EXPECT_FALSE(ran());
  other.unlock();
  EXPECT_TRUE(change().value("ok").toBool());
  EXPECT_TRUE(ran());
  // Outside a change nothing is written.
  EXPECT_FALSE(file_.write("settings_profiles", "profilesJson", "x"));
  EXPECT_EQ(file_.read("settings_profiles", "profilesJson"), "[]");
}

}  // namespace
