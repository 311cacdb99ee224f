// Two running copies on one settings file: each is a store peer process
// (store_peer.cpp) that keeps the Setup page's stores with the page's own
// store code. What one copy saves survives the other's saves, made one after
// the other or at the same moment, and a lock left behind by a copy that was
// killed does not block the next.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kName = QStringLiteral("StorePeers");

class Peer {
 public:
  explicit Peer(const QString& dir) {
    proc_.setProgram(QStringLiteral(STORE_PEER));
    proc_.setArguments({dir, kName});
    proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proc_.start();
    started_ = proc_.waitForStarted(10000);
    if (started_) state_ = next();
  }
  ~Peer() {
    if (proc_.state() != QProcess::NotRunning) {
      proc_.kill();
      proc_.waitForFinished(5000);
    }
  }

  // The stores as read at start.
  QJsonObject startState() const { return state_; }

  // Sends a command and returns the reply ({} when none came).
  QJsonObject ask(const QJsonArray& command, int timeoutMs = 30000) {
    send(command);
    return next(timeoutMs);
  }
  void send(const QJsonArray& command) {
    proc_.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
    proc_.waitForBytesWritten(5000);
  }
  QJsonObject next(int timeoutMs = 30000) {
    QElapsedTimer t;
    t.start();
    while (!buffer_.contains('\n')) {
      const int left = timeoutMs - static_cast<int>(t.elapsed());
      if (left <= 0 || proc_.state() == QProcess::NotRunning) return {};
      proc_.waitForReadyRead(left);
      buffer_ += proc_.readAllStandardOutput();
    }
    const qsizetype end = buffer_.indexOf('\n');
    const QByteArray line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    return QJsonDocument::fromJson(line).object();
  }
  // Ends the copy as a user closes it.
  void close() {
    proc_.closeWriteChannel();
    proc_.waitForFinished(10000);
  }
  // Ends it as a crash does: nothing is cleaned up.
  void kill() {
    proc_.kill();
    proc_.waitForFinished(5000);
  }
  bool started() const { return started_; }

 private:
  QProcess proc_;
  QByteArray buffer_;
  QJsonObject state_;
  bool started_ = false;
};

QJsonArray cmd(std::initializer_list<QString> parts) {
  QJsonArray a;
  for (const QString& p : parts) a.append(p);
  return a;
}

// The names of stored records, or a peer's list of profile names.
QStringList names(const QJsonArray& nodes) {
  QStringList out;
  for (const auto& n : nodes) out << (n.isString() ? n.toString() : n.toObject().value("name").toString());
  return out;
}

class StoreProcesses : public ::testing::Test {
 protected:
  // The program has written its own settings before the stores are used.
  void SetUp() override {
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.setValue("appearance/darkMode", true);
    s.sync();
  }
  QString settingsFile() const { return dir_.path() + "/" + kName + "/" + kName + ".conf"; }
  // The text of a store as the settings file holds it now.
  QString stored(const QString& key) const {
    QSettings s(settingsFile(), QSettings::IniFormat);
    return s.value(key).toString();
  }
  QJsonArray storedList(const QString& key) const {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(stored(key).toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << key.toStdString();
    return doc.array();
  }
  std::unique_ptr<Peer> start() {
    auto peer = std::make_unique<Peer>(dir_.path());
    EXPECT_TRUE(peer->started());
    return peer;
  }

  QTemporaryDir dir_;
};

TEST_F(StoreProcesses, SavesOneAfterTheOtherKeepEveryEntryOfBoth) {
  auto a = start();
  auto b = start();
  a->ask(cmd({"saveProfile", "FromA"}));
  b->ask(cmd({"saveProfile", "FromB"}));
  a->ask(cmd({"saveProfile", "FromA2"}));
  a->ask(cmd({"addFolder", "oop", "F"}));
  a->ask(cmd({"saveRange", "oop", "RangeA", "AA", "F"}));
  // B comes to the front and sees A's folder; its range goes in there.
  const QJsonObject seen = b->ask(cmd({"reload"}));
  EXPECT_EQ(names(seen["oop"].toArray()), QStringList{"F"});
  b->ask(cmd({"saveRange", "oop", "RangeB", "KK", "F"}));
  a->ask(cmd({"saveRange", "ip", "RangeIpA", "QQ", ""}));
  b->ask(cmd({"deleteProfile", "FromA2"}));
  a->ask(cmd({"override", "oop", "standard", "6-max / No rake / RFI / UTG", "AA"}));
  b->ask(cmd({"override", "oop", "standard", "6-max / No rake / RFI / HJ", "KK"}));
  // A has not seen the delete: its next save does not bring FromA2 back.
  const QJsonObject last = a->ask(cmd({"saveProfile", "FromA3"}));

  EXPECT_EQ(names(storedList("settings_profiles/profilesJson")), (QStringList{"FromA", "FromB", "FromA3"}));
  const QJsonArray oop = storedList("ranges/oopCustomRangesJson");
  ASSERT_EQ(names(oop), QStringList{"F"});
  EXPECT_EQ(names(oop[0].toObject()["children"].toArray()), (QStringList{"RangeA", "RangeB"}));
  EXPECT_EQ(names(storedList("ranges/ipCustomRangesJson")), QStringList{"RangeIpA"});
  const QJsonObject overrides = QJsonDocument::fromJson(stored("ranges/oopStandardOverridesJson").toUtf8()).object();
  EXPECT_EQ(overrides.keys(), (QStringList{"6-max / No rake / RFI / HJ", "6-max / No rake / RFI / UTG"}));
  // A save shows what is stored.
  EXPECT_EQ(names(last["profiles"].toArray()), (QStringList{"FromA", "FromB", "FromA3"}));

  // Both closed, one started again: everything is there.
  a->close();
  b->close();
  const QJsonObject again = start()->startState();
  EXPECT_EQ(names(again["profiles"].toArray()), (QStringList{"FromA", "FromB", "FromA3"}));
  EXPECT_EQ(names(again["oop"].toArray()[0].toObject()["children"].toArray()), (QStringList{"RangeA", "RangeB"}));
  EXPECT_EQ(names(again["ip"].toArray()), QStringList{"RangeIpA"});
  EXPECT_EQ(again["oopStandard"].toObject().size(), 2);
}

TEST_F(StoreProcesses, ManySavesAtTheSameMomentAreAllKept) {
  auto a = start();
  auto b = start();
  QJsonArray burstA{"burst", "A", 50, 10}, burstB{"burst", "B", 50, 10};
  a->send(burstA);
  b->send(burstB);
  const QJsonObject doneA = a->next(120000), doneB = b->next(120000);
  ASSERT_FALSE(doneA.isEmpty());
  ASSERT_FALSE(doneB.isEmpty());
  EXPECT_TRUE(doneA["problems"].toObject().isEmpty()) << QJsonDocument(doneA["problems"].toObject()).toJson().constData();
  EXPECT_TRUE(doneB["problems"].toObject().isEmpty());

  const QStringList profiles = names(storedList("settings_profiles/profilesJson"));
  const QStringList ranges = names(storedList("ranges/oopCustomRangesJson"));
  EXPECT_EQ(profiles.size(), 100);
  EXPECT_EQ(ranges.size(), 100);
  for (int i = 0; i < 50; ++i) {
    for (const QString& who : {QStringLiteral("A"), QStringLiteral("B")}) {
      const QString name = who + " " + QString::number(i);
      EXPECT_TRUE(profiles.contains(name)) << name.toStdString();
      EXPECT_TRUE(ranges.contains(name)) << name.toStdString();
    }
  }
  QSettings s(settingsFile(), QSettings::IniFormat);
  for (const QString& key : s.allKeys()) EXPECT_FALSE(key.contains("Backup")) << key.toStdString();
}

TEST_F(StoreProcesses, LockOfAKilledCopyIsTakenOverAndALiveOneIsWaitedFor) {
  const QString lockFile = settingsFile() + ".stores.lock";
  {
    auto crashed = start();
    ASSERT_TRUE(crashed->ask(cmd({"hold"}))["held"].toBool());
    crashed->kill();
  }
  ASSERT_TRUE(QFileInfo::exists(lockFile));

  auto b = start();
  QElapsedTimer t;
  t.start();
  const QJsonObject saved = b->ask(cmd({"saveProfile", "AfterCrash"}));
  EXPECT_LT(t.elapsed(), 2000);
  EXPECT_TRUE(saved["problems"].toObject().isEmpty());
  EXPECT_EQ(names(storedList("settings_profiles/profilesJson")), QStringList{"AfterCrash"});

  // A copy that keeps the lock: the change waits a few seconds, is left
  // unsaved and says so with the settings file's path; the next try stores it.
  auto holder = start();
  ASSERT_TRUE(holder->ask(cmd({"hold"}))["held"].toBool());
  t.restart();
  const QJsonObject refused = b->ask(cmd({"saveProfile", "WhileHeld"}));
  EXPECT_GE(t.elapsed(), 2500);
  const QString note = refused["problems"].toObject()["profilesJson"].toString();
  EXPECT_TRUE(note.contains("another running copy")) << note.toStdString();
  EXPECT_TRUE(note.contains(QDir::toNativeSeparators(settingsFile()))) << note.toStdString();
  EXPECT_EQ(names(storedList("settings_profiles/profilesJson")), QStringList{"AfterCrash"});

  holder->ask(cmd({"release"}));
  const QJsonObject retried = b->ask(cmd({"reload"}));
  EXPECT_TRUE(retried["problems"].toObject().isEmpty());
  EXPECT_EQ(names(storedList("settings_profiles/profilesJson")), (QStringList{"AfterCrash", "WhileHeld"}));
}

}  // namespace
