// The per-user settings file when it cannot be read or written, as the
// controller reports it (what the window says is in tst_settings_store.qml),
// and the texts the Setup page's stores put into it in place.
// Root ignores file modes: the permission cases run for an ordinary user only.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSize>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app_controller_test_support.h"
#include "child_process.h"
#include "backend/settings_ini_patch.h"
#include "backend/settings_store.h"
#include "backend/settings_store_file.h"
#include "backend/update_manager.h"

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

  // The three ways a save reaches the settings file: the Setup page's store of
  // profiles (put in place where it can be), the appearance (the same, through
  // the controller) and a hand of the training statistics (QSettings writes it).
  struct Writers {
    AppController c;
    QJSEngine js;
    QJSValue saveProfiles;
    Writers() {
      js.globalObject().setProperty("store", js.newQObject(c.storeFile()));
      saveProfiles =
          js.evaluate(R"((text) => store.transact(() => store.write("settings_profiles", "profilesJson", text)))");
    }
    // Saves `text` (a hand of the statistics has a text of its own) as `writer`
    // does: "ok", or the reason it gives for a failure.
    QString save(const char* writer, const QString& text) {
      if (QLatin1String(writer) == "store") {
        const QJSValue r = saveProfiles.call({text});
        return r.property("ok").toBool() ? "ok" : r.property("reason").toString();
      }
      if (QLatin1String(writer) == "appearance") {
        const QVariantMap r = c.saveUiSettings({{"accentHex", text}});
        EXPECT_TRUE(settings_store::isOk(r) || r.value("what").toString() == writer);
        return settings_store::isOk(r) ? "ok" : r.value("problem").toString();
      }
      QSignalSpy failed(&c, &AppController::settingsWriteFailed);
      c.recordPlayVsSolutionHand(true, 1.0);
      return failed.isEmpty() ? "ok" : failed[0][0].toMap().value("problem").toString();
    }
  };

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

// Files beside the settings file are the user's: a start removes none of them, whatever
// their names, even while no other copy of the program runs.
TEST_F(SettingsStoreTest, FilesBesideTheSettingsFileSurviveAStart) {
  const QString file = usePath(scratch.filePath("start"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, "[ui]\ndarkMode=true\n"));
  const QStringList beside{file + ".backup", file + ".before", file + ".aBcDeF", file + "~"};
  for (const QString& name : beside) ASSERT_TRUE(writeFile(name, name.toUtf8()));
  { AppController started; }
  for (const QString& name : beside) EXPECT_EQ(readAll(name).toStdString(), name.toStdString());
}

// Settings QSettings reads from the files it falls back on (the organization's
// file beside the program's folder, the system's) are not the settings file's:
// a save QSettings writes anew, or one put in place, is stored and told so,
// and neither file loses a setting.
TEST_F(SettingsStoreTest, SettingsOfTheFilesQSettingsFallsBackOnDoNotFailASave) {
  Writers writers;
  const QByteArray stored = "[settings_profiles]\nprofilesJson=[old]\n\n[ui]\naccentHex=#000000\n";
  // A line QSettings would not write has it write the file anew.
  const QByteArray sharedText = "[shared]\nkept=1\n";
  for (const QByteArray& content : {stored, "[my section]\nno equals sign\n\n" + stored}) {
    for (const char* writer : {"store", "appearance", "trainingStats"}) {
      const QString name = QString("fallback, %1, %2").arg(content == stored ? "as written" : "by hand", writer);
      SCOPED_TRACE(name.toStdString());
      const QString file = usePath(scratch.filePath(name));
      // The organization's file, which QSettings reads below the program's own.
      const QString shared = QFileInfo(QFileInfo(file).absolutePath()).absolutePath() + "/" +
                             QCoreApplication::organizationName() + ".conf";
      ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, content) &&
                  writeFile(shared, sharedText));
      ASSERT_EQ(QSettings().value("shared/kept").toString(), "1");
      EXPECT_EQ(writers.save(writer, QStringLiteral("#112233")).toStdString(), "ok");
      EXPECT_NE(readAll(file), content) << "the save got into the file";
      EXPECT_EQ(readAll(shared), sharedText);
    }
  }
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
  // As another program leaves it: this process's QSettings reads it again.
  settings_ini::moveTimeOn(file);
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
  EXPECT_EQ(c.settingsStatus(), problem("startup", "unreadable", file));
  EXPECT_EQ(c.saveUiSettings({{"darkMode", false}}), problem("appearance", "unreadable", file));
  ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
  EXPECT_EQ(readAll(file), "[ui]\ndarkMode=true\n") << "the unreadable file is left as it was";
}

// Under a limit on the size of the files it writes (ulimit -f, the signal it raises
// ignored), a save of the Setup page's store, of the appearance and of the training
// statistics answers that the settings file could not be written in full, whether the
// text is put in place or QSettings writes the file anew, and the file stays as it was:
// refused before it writes where the file would pass the limit, else read back from the
// file after QSettings wrote it and put back where it lost anything. A hand-edited file
// that grows when written anew passes the limit all the same: where the saved keys come
// before the cut, the settings after it are lost all the same; a damaged line leaves
// QSettings with a format error that hides how the write went: a small file QSettings
// cuts short, a large one it fails to write. Runs again in a child process, which sets
// the limit.
TEST_F(SettingsStoreTest, AWriteCutShortByAFileSizeLimitIsToldNotStored) {
  if (qEnvironmentVariableIsEmpty("VELMORA_SETTINGS_LIMIT_CHILD")) {
    EXPECT_TRUE(child_process::passesInChild("VELMORA_SETTINGS_LIMIT_CHILD", "SettingsStoreTest.AWriteCutShort*"));
    return;
  }
  ASSERT_NE(signal(SIGXFSZ, SIG_IGN), SIG_ERR);
  const auto limitFiles = [](rlim_t bytes) {
    const rlimit limit{bytes, RLIM_INFINITY};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
  };
  Writers writers;
  const QString text = QString(500, QLatin1Char('p')) + "[1]";  // longer than the limit leaves

  const QByteArray stored = "[settings_profiles]\nprofilesJson=[old]\n\n[ui]\naccentHex=#000000\n";
  // QSettings writes its sections in the order of their names.
  const auto grows = [](int lines, const QByteArray& section = "my section") {
    QByteArray file = "[" + section + "]\nno equals sign\n";
    for (int i = 0; i < lines; ++i) file += "a b c d e f " + QByteArray::number(i) + "=1\n";
    return file;
  };
  // Each file and the room the limit leaves it.
  const struct { const char* name; QByteArray file; rlim_t room; } cases[] = {
      {"as QSettings writes it", stored, 100},
      {"edited by hand", "[my section]\nx=1\n\n" + stored, 100},
      {"edited by hand, growing when written anew", grows(200) + stored, 1100},
      {"edited by hand, growing after the saved keys", stored + grows(200, "zz section"), 1100},
      {"large, edited by hand, growing when written anew", grows(2000) + stored, 1100},
  };
  for (const auto& k : cases) {
    for (const char* writer : {"store", "appearance", "trainingStats"}) {
      const QString name = QString("%1, %2").arg(k.name, writer);
      SCOPED_TRACE(name.toStdString());
      const QString file = usePath(scratch.filePath(name));
      ASSERT_TRUE(limitFiles(RLIM_INFINITY));
      ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, k.file));
      ASSERT_TRUE(limitFiles(k.file.size() + k.room));
      EXPECT_EQ(writers.save(writer, text).toStdString(), "incomplete");
      ASSERT_TRUE(limitFiles(RLIM_INFINITY));
      EXPECT_EQ(readAll(file), k.file);
    }
  }
}

// Where the lock beside the settings file cannot be taken (a folder, or a lock
// left behind whose removal a folder blocks, stands at its name), a save that
// needs it is refused at once or after a short wait, never waited on for ever:
// the appearance and the statistics say the file is locked, the Setup page's
// store that another copy keeps it locked (it tries again later), the update
// check's settings are not written; the file stays as it was, whether it is put
// in place or written by QSettings. A folder at the
// name of the stores' own lock holds back only the stores. Runs again in a child
// process, so that a save that waits for ever fails the test rather than hangs it.
TEST_F(SettingsStoreTest, ALockThatCannotBeTakenRefusesTheSave) {
  if (qEnvironmentVariableIsEmpty("VELMORA_SETTINGS_LOCK_CHILD")) {
    EXPECT_TRUE(child_process::passesInChild("VELMORA_SETTINGS_LOCK_CHILD", "SettingsStoreTest.ALockThatCannot*"));
    return;
  }
  Writers writers;
  const QByteArray stored = "[settings_profiles]\nprofilesJson=[old]\n\n[ui]\naccentHex=#000000\n";
  const QByteArray byHand = "[my section]\nno equals sign\n\n" + stored;
  // A lock with no owner that it names, a minute old: QLockFile takes it for one
  // left behind and removes it, under a lock of its own that a folder blocks.
  const auto leftLock = [](const QString& lock) {
    QFile f(lock);
    return f.open(QIODevice::WriteOnly) && f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60),
                                                         QFileDevice::FileModificationTime) &&
           QDir().mkpath(lock + ".rmlock");
  };
  // What stands at which name, and the answers of the store, the appearance and the statistics;
  // a lock is waited for a second, which one form of the file shows.
  const struct { const char* name; const char* suffix; bool left; const char* answers[3]; } cases[] = {
      {"a folder at the lock", ".lock", false, {"busy", "locked", "locked"}},
      {"a left lock that cannot be removed", ".lock", true, {"busy", "locked", "locked"}},
      {"a folder at the stores' lock", ".stores.lock", false, {"busy", "ok", "ok"}},
  };
  for (const auto& k : cases) {
    for (const QByteArray& content : k.left ? QList<QByteArray>{byHand} : QList<QByteArray>{stored, byHand}) {
      const QString base = QString("%1, %2").arg(k.name, content == stored ? "as written" : "by hand");
      const char* names[] = {"store", "appearance", "trainingStats"};
      for (int w = 0; w < 3; ++w) {
        SCOPED_TRACE((base + ", " + names[w]).toStdString());
        const QString file = usePath(scratch.filePath(base + ", " + names[w]));
        const QString lock = file + k.suffix;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, content));
        ASSERT_TRUE(k.left ? leftLock(lock) : QDir().mkpath(lock));
        const std::string answer = writers.save(names[w], QStringLiteral("#112233")).toStdString();
        EXPECT_EQ(answer, k.answers[w]);
        if (answer != "ok") {
          EXPECT_EQ(readAll(file), content);
        }
      }
      // Nor is a write of the update check's own settings, which is only logged.
      if (QLatin1String(k.suffix) == ".lock") {
        SCOPED_TRACE((base + ", updates").toStdString());
        const QString file = usePath(scratch.filePath(base + ", updates"));
        const QByteArray cached = content + "\n[updates]\ncachedManifestJson={}\n";
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, cached));
        ASSERT_TRUE(k.left ? leftLock(file + k.suffix) : QDir().mkpath(file + k.suffix));
        UpdateManager().clearState();
        EXPECT_EQ(readAll(file), cached);
      }
    }
  }
}

// A store's text is put into the file in the very form QSettings writes it
// (another copy's QSettings reads it back unchanged), where the key was, in
// its section or in a new section, and every other setting stays; a text
// written again as it is stored leaves the file untouched. Every form of
// line QSettings writes (keys below a group, names it encodes, settings
// outside every group, a group named "General", its own encodings of
// values) leaves the file one that is changed in place.
TEST_F(SettingsStoreTest, TextsPutInPlaceAsQSettingsWritesThem) {
  const QString file = usePath(scratch.filePath("inplace"));
  const std::pair<const char*, QVariant> others[] = {
      {"ui/darkMode", false},     {"solveActivity/2026-01-05/solves", 3}, {"ranges/zz", "after"},
      {"outside", "any group"},   {"General/inside", "a group"},          {"a b/c.d-e f", "encoded"},
      {"u/\xc3\xa9\xe2\x80\x93", "wide"}, {"v/bytes", QByteArray("\x01z")},          {"v/size", QSize(3, 4)}};
  for (const auto& [key, value] : others) QSettings().setValue(QString::fromUtf8(key), value);
  QSettings().setValue("v/list", QStringList{"a, b", "c"});
  QSettings().setValue("ranges/oopCustomRangesJson", "[]");
  SettingsStoreFile store;
  QJSEngine js;
  js.globalObject().setProperty("store", js.newQObject(&store));
  QJSEngine::setObjectOwnership(&store, QJSEngine::CppOwnership);
  const QJSValue put = js.evaluate(R"((text) => store.transact(() => {
        store.write("ranges", "oopCustomRangesJson", text)
        store.write("ranges", "ipCustomRangesJson", text)
        store.write("settings_profiles", "profilesJson", text)
    }))");
  const auto line = [](const QString& ini) {  // of oopCustomRangesJson, byte for byte
    return QRegularExpression("^oopCustomRangesJson=.*$", QRegularExpression::MultilineOption)
        .match(QString::fromLatin1(readAll(ini))).captured().toStdString();
  };
  const QString texts[] = {
      R"([{"id":"a","name":"x, y; z = w","value":"AA:0.5, KK"}])",
      QStringLiteral("back\\slash \"quoted\" line\nbreak\ttab\rend\a\b\f\v"),
      QString::fromUtf8("Gr\xc3\xb6\xc3\x9f" "e \xe2\x80\x93 \xe6\x89\x8b \xf0\x9f\x98\x80"),
      QStringLiteral("\x01" "ab then \x1f" "F"), QString(QChar(0)) + QStringLiteral("1 after a nul"),
      QStringLiteral("  blanks around  "), QStringLiteral("@Variant(not one)"), QStringLiteral(";no comment"), QString(),
  };
  for (const QString& text : texts) {
    const QJSValue answer = put.call({text});
    ASSERT_TRUE(answer.property("ok").toBool()) << answer.property("reason").toString().toStdString();
    QTemporaryDir each;
    const QString reference = each.filePath("reference.ini"), copy = each.filePath("copy.ini");
    QSettings(reference, QSettings::IniFormat).setValue("ranges/oopCustomRangesJson", text);
    EXPECT_EQ(line(file), line(reference)) << text.toStdString();
    // As another copy reads the file: a QSettings of its own; and this process's QSettings at once.
    ASSERT_TRUE(QFile::copy(file, copy));
    const QSettings other(copy, QSettings::IniFormat);
    for (const char* key : {"ranges/oopCustomRangesJson", "ranges/ipCustomRangesJson", "settings_profiles/profilesJson"})
      EXPECT_EQ(other.value(key).toString(), text) << key;
    for (const auto& [key, value] : others)
      EXPECT_EQ(other.value(QString::fromUtf8(key)), QSettings().value(QString::fromUtf8(key))) << key;
    EXPECT_EQ(other.value("v/list").toStringList(), (QStringList{"a, b", "c"}));
    EXPECT_EQ(QSettings().value("settings_profiles/profilesJson").toString(), text);
  }
  // In place: the new key after the section's last line, the new section at
  // the end, where QSettings, writing the file anew, would have sorted them.
  const QByteArray bytes = readAll(file);
  EXPECT_LT(bytes.indexOf("\nzz="), bytes.indexOf("\nipCustomRangesJson="));
  EXPECT_LT(bytes.indexOf("\n[v]"), bytes.indexOf("\n[settings_profiles]"));
  const QString stamp = store.stamp();
  const QDateTime modified = QFileInfo(file).lastModified();
  put.call({QString()});
  EXPECT_EQ(store.stamp(), stamp);
  EXPECT_EQ(QFileInfo(file).lastModified(), modified);
  // The file's time ahead of the clock that stamps a file written anew (as
  // an earlier change may leave it, and QSettings note it): a change still
  // moves it on, so that no QSettings takes the file for the one it read.
  const QDateTime ahead = QDateTime::currentDateTimeUtc().addSecs(60);
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly) && f.setFileTime(ahead, QFileDevice::FileModificationTime));
  }
  put.call({QStringLiteral("x")});
  EXPECT_GT(QFileInfo(file).lastModified(), ahead);
}

// A store's stamp stays while the line of its key does, whoever writes the
// file, and changes with it; the stamps a change returns are the ones a later
// change reads; a key the file holds twice, or one outside a change, has none.
TEST_F(SettingsStoreTest, StoreStampsFollowTheLinesOfTheirKeys) {
  const QString file = usePath(scratch.filePath("stamps"));
  QSettings().setValue("ranges/oopCustomRangesJson", "[1]");
  QSettings().setValue("settings_profiles/profilesJson", "[2]");
  QSettings().sync();
  SettingsStoreFile store;
  QJSEngine js;
  js.globalObject().setProperty("store", js.newQObject(&store));
  QJSEngine::setObjectOwnership(&store, QJSEngine::CppOwnership);
  // The stamps a change reads and those it leaves; it writes `text` as the OOP tree where given.
  const QJSValue change = js.evaluate(R"((text) => {
        const seen = {}
        const r = store.transact(() => {
            for (const [group, key] of [["ranges", "oopCustomRangesJson"], ["ranges", "ipCustomRangesJson"],
                                        ["settings_profiles", "profilesJson"]])
                seen[key] = store.storeStamp(group, key)
            if (text) store.write("ranges", "oopCustomRangesJson", text)
        })
        return { seen: seen, left: r.stamps }
    })");
  const auto seen = [](const QJSValue& r, const char* key) {
    return r.property("seen").property(key).toString().toStdString();
  };
  const auto left = [](const QJSValue& r, const char* key) {
    return r.property("left").property(key).toString().toStdString();
  };

  const QJSValue first = change.call();
  const std::string oop = seen(first, "oopCustomRangesJson");
  EXPECT_EQ(seen(first, "ipCustomRangesJson"), "none");
  EXPECT_NE(oop, "");
  EXPECT_NE(oop, seen(first, "profilesJson"));
  EXPECT_EQ(left(first, "ranges/oopCustomRangesJson"), oop);
  EXPECT_EQ(store.storeStamp("ranges", "oopCustomRangesJson").toStdString(), "");

  // Another writer changes the profiles; this change writes the OOP tree.
  QSettings().setValue("settings_profiles/profilesJson", "[3]");
  QSettings().sync();
  const QJSValue second = change.call({QString("[4]")});
  EXPECT_EQ(seen(second, "oopCustomRangesJson"), oop);
  EXPECT_NE(seen(second, "profilesJson"), seen(first, "profilesJson"));
  const std::string put = left(second, "ranges/oopCustomRangesJson");
  EXPECT_NE(put, oop);
  // The file read anew after another setting changed: the line put has the stamp the change returned.
  QSettings().setValue("ui/darkMode", true);
  QSettings().sync();
  EXPECT_EQ(seen(change.call(), "oopCustomRangesJson"), put);

  ASSERT_TRUE(writeFile(file, readAll(file) + "\n[ranges]\noopCustomRangesJson=[5]\n"));
  EXPECT_EQ(seen(change.call(), "oopCustomRangesJson"), "");
  // Nor one the file holds once as its bytes spell it and once more as
  // QSettings reads another line (the later one, which it takes).
  ASSERT_TRUE(writeFile(file, "[ranges]\noopCustomRangesJson=[6]\n[ ranges ]\noopCustomRangesJson=[7]\n"));
  EXPECT_EQ(seen(change.call(), "oopCustomRangesJson"), "");
}

}  // namespace
