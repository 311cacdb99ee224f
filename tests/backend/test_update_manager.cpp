// The update check against a manifest server on 127.0.0.1 run by the test:
// version comparison, download addresses, errors, time-out, the settings
// cache and the manifest address rules.
#include "backend/update_manager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

#include <zlib.h>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

// A tiny HTTP server on the loopback address. Each request gets the
// configured status and body, or no answer at all when `silent` is set.
class ManifestServer : public QObject {
 public:
  ManifestServer() {
    listening_ = server_.listen(QHostAddress(QHostAddress::LocalHost), 0);
    QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
  }

  bool listening() const { return listening_; }
  QString url(const QString& path = "/manifest.json") const {
    return QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }

  int status = 200;
  QByteArray reason = "OK";
  QByteArray contentType = "application/json";
  QByteArray body;
  bool silent = false;
  // Sends no Content-Length: the body runs until the connection closes.
  bool omitLength = false;
  QByteArray contentEncoding;  // sent as Content-Encoding when set
  int requests = 0;
  QByteArray lastRequest;

  // When set, "/old.json" is answered with this redirect to "/manifest.json",
  // the redirect having `redirectBody` as its own body.
  int redirectStatus = 0;
  QByteArray redirectBody;

  void serveJson(const QJsonObject& obj) {
    status = 200;
    reason = "OK";
    body = QJsonDocument(obj).toJson();
  }

 private:
  void accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      auto buffer = std::make_shared<QByteArray>();
      QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        if (!buffer->contains("\r\n\r\n")) return;
        ++requests;
        lastRequest = *buffer;
        buffer->clear();
        if (silent) return;
        if (redirectStatus != 0 && lastRequest.startsWith("GET /old.json ")) {
          socket->write("HTTP/1.1 " + QByteArray::number(redirectStatus) +
                        " Moved\r\nLocation: /manifest.json\r\nContent-Type: text/html\r\nContent-Length: " +
                        QByteArray::number(redirectBody.size()) + "\r\nConnection: close\r\n\r\n" + redirectBody);
          socket->disconnectFromHost();
          return;
        }
        QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + " " + reason + "\r\n";
        response += "Content-Type: " + contentType + "\r\n";
        if (!contentEncoding.isEmpty()) response += "Content-Encoding: " + contentEncoding + "\r\n";
        if (!omitLength) response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        response += body;
        socket->write(response);
        socket->disconnectFromHost();
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  }

  QTcpServer server_;
  bool listening_ = false;
};

bool waitFor(const std::function<bool()>& done, int ms = 5000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// `text` compressed as a gzip stream.
QByteArray gzip(const QByteArray& text) {
  z_stream zs{};
  deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
  QByteArray out(static_cast<qsizetype>(deflateBound(&zs, static_cast<uLong>(text.size()))), '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.constData()));
  zs.avail_in = static_cast<uInt>(text.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(static_cast<qsizetype>(zs.total_out));
  deflateEnd(&zs);
  return out;
}

// Every test gets its own settings store, its own running version and no
// proxy: all traffic stays on 127.0.0.1.
class UpdateManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QCoreApplication::setApplicationVersion("1.0.1");
    qunsetenv("VELMORA_UPDATE_MANIFEST_URL");
    qunsetenv("VELMORA_UPDATE_URL");
    ASSERT_TRUE(server_.listening());
  }

  // Runs one check against the server's `path` and waits until it is over.
  void check(UpdateManager& um, const QString& path = "/manifest.json") {
    um.setManifestUrl(server_.url(path));
    um.checkNow();
    ASSERT_TRUE(um.busy());
    ASSERT_TRUE(waitFor([&] { return !um.busy(); }, 20000)) << "check did not finish";
  }

  void checkManifest(UpdateManager& um, const QJsonObject& manifest) {
    server_.serveJson(manifest);
    check(um);
  }

  QTemporaryDir settingsDir_;
  ManifestServer server_;
};

// --- version comparison -------------------------------------------------------

struct VersionCase {
  const char* version;
  bool available;
};

TEST_F(UpdateManagerTest, VersionsAreComparedAfterNormalising) {
  const VersionCase cases[] = {
      {"v1.0.2", true},        {"V1.0.2", true},         {"1.0.1", false},     {" 1.0.1 ", false},
      {"1.0.1-beta.2", false}, {"1.0.1+build.77", false}, {"1.0.1.1", true},    {"1.0.10", true},
      {"1.0.0", false},        {"0.9.9", false},          {"2", true},          {"1.0.2-rc1+5", true},
      {"", false},             {"latest", false},         {"x2.0", false},      {"vv2.0", false},
  };
  for (const VersionCase& c : cases) {
    UpdateManager um;
    checkManifest(um, {{"version", c.version}, {"linux_url", "https://example.org/caldirune.tar.gz"}});
    EXPECT_EQ(um.updateAvailable(), c.available) << "manifest version '" << c.version << "'";
    EXPECT_EQ(um.latestVersion(), QString(c.version).trimmed());
    EXPECT_TRUE(um.lastError().isEmpty()) << um.lastError().toStdString();
  }
  // the running version is read the same way
  QCoreApplication::setApplicationVersion("v1.0.1-dev+abc");
  UpdateManager um;
  checkManifest(um, {{"version", "1.0.1"}, {"linux_url", "https://example.org/a"}});
  EXPECT_FALSE(um.updateAvailable());
  checkManifest(um, {{"version", "1.0.2"}, {"linux_url", "https://example.org/a"}});
  EXPECT_TRUE(um.updateAvailable());
}

TEST_F(UpdateManagerTest, SuccessfulCheckPublishesTheManifest) {
  UpdateManager um;
  QSignalSpy busySpy(&um, &UpdateManager::busyChanged);
  const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
  checkManifest(um, {{"version", "1.2.0"}, {"notes", "  Faster solver.\nNew theme.  "},
                     {"linux_url", "  https://example.org/dl/caldirune-1.2.0.tar.gz  "}, {"extra", 5}});
  EXPECT_TRUE(um.updateAvailable());
  EXPECT_EQ(um.releaseNotes(), "  Faster solver.\nNew theme.  ");
  EXPECT_EQ(um.downloadUrl(), QUrl("https://example.org/dl/caldirune-1.2.0.tar.gz"));
  EXPECT_TRUE(um.lastError().isEmpty());
  EXPECT_EQ(busySpy.count(), 2);  // on and off
  EXPECT_TRUE(um.lastSuccessAt().isValid());
  EXPECT_GE(um.lastSuccessAt(), before);
  EXPECT_EQ(um.lastSuccessAt().timeSpec(), Qt::UTC);

  // the request was a GET asking for JSON
  const QByteArray req = server_.lastRequest;
  EXPECT_TRUE(req.startsWith("GET /manifest.json HTTP/1.1\r\n")) << req.constData();
  EXPECT_TRUE(req.contains("\r\nAccept: application/json\r\n"));
  EXPECT_TRUE(req.contains("\r\nContent-Type: application/json\r\n"));

  QSettings settings;
  const QString cached = settings.value("updates/cachedManifestJson").toString();
  EXPECT_FALSE(cached.contains('\n')) << "cache is stored compact";
  const QJsonObject kept = QJsonDocument::fromJson(cached.toUtf8()).object();
  EXPECT_EQ(kept.keys().join(' ').toStdString(), "linux_url notes version") << "only what a later start reads";
  EXPECT_EQ(kept.value("version").toString(), "1.2.0");
  EXPECT_EQ(settings.value("updates/cachedAt").toDateTime(), um.lastSuccessAt());

  // A compressed answer is read as the plain one.
  server_.body = gzip(QJsonDocument(QJsonObject{{"version", "1.3.0"}, {"url", "https://example.org/z"}}).toJson());
  server_.contentEncoding = "gzip";
  check(um);
  EXPECT_TRUE(um.lastError().isEmpty()) << um.lastError().toStdString();
  EXPECT_EQ(um.latestVersion(), "1.3.0");
  EXPECT_TRUE(server_.lastRequest.contains("\r\nAccept-Encoding: gzip, deflate\r\n"));
}

// --- download addresses ---------------------------------------------------------

TEST_F(UpdateManagerTest, DownloadAddressComesFromThisPlatformsKeyThenUrl) {
  UpdateManager um;
  checkManifest(um, {{"version", "2.0"}, {"linux_url", "   "}, {"url", "https://example.org/generic"}});
  EXPECT_EQ(um.downloadUrl(), QUrl("https://example.org/generic"));
  EXPECT_TRUE(um.updateAvailable());

  checkManifest(um, {{"version", "2.0"}, {"linux_url", "https://example.org/linux"}, {"url", "https://example.org/generic"}});
  EXPECT_EQ(um.downloadUrl(), QUrl("https://example.org/linux"));

  // the Windows build's address is not one this build can use
  checkManifest(um, {{"version", "2.0"}, {"windows_url", "https://example.org/setup.exe"}});
  EXPECT_TRUE(um.downloadUrl().isEmpty());
  EXPECT_FALSE(um.updateAvailable());
}

TEST_F(UpdateManagerTest, NewerVersionWithoutDownloadAddressIsNoUpdate) {
  UpdateManager um;
  checkManifest(um, {{"version", "2.0"}, {"notes", "n"}});
  EXPECT_FALSE(um.updateAvailable());
  EXPECT_EQ(um.latestVersion(), "2.0");
  um.openDownloadUrl();
  EXPECT_EQ(um.lastError(), "No download URL available.");
}

TEST_F(UpdateManagerTest, OnlyWebAddressesAreAcceptedForDownload) {
  const char* refused[] = {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "https://"};
  for (const char* address : refused) {
    UpdateManager um;
    checkManifest(um, {{"version", "9.0"}, {"linux_url", address}});
    EXPECT_TRUE(um.downloadUrl().isEmpty()) << address;
    EXPECT_FALSE(um.updateAvailable()) << address;
    um.openDownloadUrl();
    EXPECT_EQ(um.lastError(), "No download URL available.") << address;
  }
  UpdateManager um;
  checkManifest(um, {{"version", "9.0"}, {"linux_url", "HTTP://example.org/x"}});
  EXPECT_TRUE(um.updateAvailable());
}

// --- failures ---------------------------------------------------------------------

TEST_F(UpdateManagerTest, HttpErrorKeepsThePreviousManifest) {
  UpdateManager um;
  checkManifest(um, {{"version", "1.5.0"}, {"linux_url", "https://example.org/x"}});
  ASSERT_TRUE(um.updateAvailable());
  server_.status = 404;
  server_.reason = "Not Found";
  server_.body = "{\"version\": \"9.9.9\"}";
  check(um);
  EXPECT_TRUE(um.lastError().startsWith("Update check failed: ")) << um.lastError().toStdString();
  EXPECT_TRUE(um.lastError().contains("Not Found")) << um.lastError().toStdString();
  EXPECT_EQ(um.latestVersion(), "1.5.0");
  EXPECT_TRUE(um.updateAvailable());
}

TEST_F(UpdateManagerTest, AnswerThatIsNoJsonObjectIsAnInvalidResponse) {
  const QByteArray bodies[] = {"<html><body>maintenance</body></html>", "{\"version\": \"2.0\",", "[1, 2, 3]", ""};
  for (const QByteArray& body : bodies) {
    UpdateManager um;
    checkManifest(um, {{"version", "1.4"}, {"linux_url", "https://example.org/x"}});
    server_.body = body;
    server_.contentType = "text/html";
    check(um);
    EXPECT_EQ(um.lastError(), "Invalid update response (HTTP 200).") << body.constData();
    EXPECT_EQ(um.latestVersion(), "1.4");
    server_.contentType = "application/json";
  }
}

// An error shown before a change of language is shown in the new one; the
// network layer's own text stays as it came.
TEST_F(UpdateManagerTest, ErrorIsWordedAgainWhenTheLanguageChanges) {
  UpdateManager um;
  server_.body = "<html></html>";
  check(um);
  ASSERT_EQ(um.lastError(), "Invalid update response (HTTP 200).");
  QSignalSpy spy(&um, &UpdateManager::stateChanged);
  QTranslator german;
  ASSERT_TRUE(german.load(":/Velmora/i18n/velmora_de.qm"));
  QCoreApplication::installTranslator(&german);
  EXPECT_EQ(um.lastError(), "Ungültige Update-Antwort (HTTP 200).");
  EXPECT_GE(spy.count(), 1);
  server_.status = 404;
  server_.reason = "Not Found";
  check(um);
  const QString failed = um.lastError();
  EXPECT_TRUE(failed.startsWith("Update-Prüfung fehlgeschlagen: ")) << failed.toStdString();
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(um.lastError(), "Update check failed: " + failed.mid(failed.indexOf(": ") + 2));
}

// --- oversized answers -------------------------------------------------------------

// A manifest whose notes take `notesBytes` bytes.
QByteArray manifestWithNotes(qsizetype notesBytes, const char* version = "9.0") {
  return QJsonDocument(QJsonObject{{"version", version},
                                   {"notes", QString(notesBytes, QLatin1Char('n'))},
                                   {"linux_url", "https://example.org/big"}})
      .toJson(QJsonDocument::Compact);
}

QStringList g_warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << text;
}

// An answer past the bound is not read on: the check fails and the previous
// manifest and cache stay, whether the server declares the length or not,
// and whether the answer is that long as sent or once expanded (64 MiB from
// 64 KiB of gzip). An answer that does not expand is no manifest.
TEST_F(UpdateManagerTest, AnswerPastTheBoundFailsTheCheckAndKeepsThePreviousManifest) {
  const QString tooLarge = "Update check failed: the answer is larger than 1 MiB";
  struct Case {
    QByteArray body;
    bool omitLength;
    QByteArray encoding;
    QString error;
  } const cases[] = {
      {manifestWithNotes(3 * UpdateManager::kMaxManifestBytes), false, "", tooLarge},
      {manifestWithNotes(3 * UpdateManager::kMaxManifestBytes), true, "", tooLarge},
      {gzip(QByteArray(64 << 20, ' ')), false, "gzip", tooLarge},
      {gzip(manifestWithNotes(10)).chopped(12), false, "gzip", "Invalid update response (HTTP 200)."},
      {manifestWithNotes(10), false, "br", "Invalid update response (HTTP 200)."},
  };
  for (const Case& c : cases) {
    const std::string label = c.encoding.toStdString() + (c.omitLength ? ", no length" : "");
    UpdateManager um;
    server_.contentEncoding.clear();
    checkManifest(um, {{"version", "1.4"}, {"notes", "small"}, {"linux_url", "https://example.org/x"}});
    const QString cachedBefore = QSettings().value("updates/cachedManifestJson").toString();
    server_.omitLength = c.omitLength;
    server_.body = c.body;
    server_.contentEncoding = c.encoding;
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    check(um);
    qInstallMessageHandler(previous);
    EXPECT_EQ(um.lastError(), c.error) << label;
    EXPECT_EQ(g_warnings.join('\n').toStdString(), "") << label;
    EXPECT_EQ(um.latestVersion(), "1.4");
    EXPECT_EQ(um.releaseNotes(), "small");
    EXPECT_EQ(QSettings().value("updates/cachedManifestJson").toString(), cachedBefore);
    server_.omitLength = false;
  }
}

// Behind a redirect (http to https, a mirror) the final answer's own
// headers decide how it is read and how long it may say it is: a compressed
// manifest is found, and an answer past the bound still stops there. The
// redirect's own body is passed over, within the same bound.
TEST_F(UpdateManagerTest, AnswerBehindARedirectIsReadByItsOwnHeaders) {
  const std::string tooLarge = "Update check failed: the answer is larger than 1 MiB";
  const QByteArray manifest = manifestWithNotes(10);
  struct Case {
    const char* label;
    int redirectStatus;
    QByteArray redirectBody, body, encoding;
    bool omitLength, ok;
  } const cases[] = {
      {"gzip behind a 302", 302, "", gzip(manifest), "gzip", false, true},
      {"gzip behind a 301 with a body", 301, "<html>moved</html>", gzip(manifest), "gzip", false, true},
      {"plain behind a 301 with a long body", 301, QByteArray(900 << 10, 'm'), manifest, "", false, true},
      {"a 301 whose own body is past the bound", 301, QByteArray(2 << 20, 'm'), manifest, "", false, false},
      {"gzip bomb behind a 302", 302, "", gzip(QByteArray(64 << 20, ' ')), "gzip", false, false},
      {"20 MB behind a 302", 302, "", manifestWithNotes(20 << 20), "", false, false},
      {"20 MB behind a 302, no length", 302, "", manifestWithNotes(20 << 20), "", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    UpdateManager um;
    um.clearState();  // no manifest from an earlier case
    server_.redirectStatus = c.redirectStatus;
    server_.redirectBody = c.redirectBody;
    server_.body = c.body;
    server_.contentEncoding = c.encoding;
    server_.omitLength = c.omitLength;
    check(um, "/old.json");
    EXPECT_EQ(um.lastError().toStdString(), c.ok ? "" : tooLarge);
    EXPECT_EQ(um.latestVersion().toStdString(), c.ok ? "9.0" : "");
  }
}

// A manifest within the bound is read, its notes are kept and stored cut.
TEST_F(UpdateManagerTest, LongNotesAreKeptAndStoredCut) {
  UpdateManager um;
  server_.body = manifestWithNotes(UpdateManager::kMaxManifestBytes - 200);
  ASSERT_LE(server_.body.size(), UpdateManager::kMaxManifestBytes);
  check(um);
  EXPECT_TRUE(um.lastError().isEmpty()) << um.lastError().toStdString();
  EXPECT_EQ(um.latestVersion(), "9.0");
  EXPECT_TRUE(um.updateAvailable());
  const QString expectedNotes = QString(UpdateManager::kMaxReleaseNotesLength - 1, QLatin1Char('n')) + QChar(0x2026);
  EXPECT_EQ(um.releaseNotes(), expectedNotes);
  const QString cached = QSettings().value("updates/cachedManifestJson").toString();
  EXPECT_LT(cached.size(), UpdateManager::kMaxReleaseNotesLength + 200);
  EXPECT_EQ(QJsonDocument::fromJson(cached.toUtf8()).object().value("notes").toString(), expectedNotes);

  // Notes up to the bound are kept whole; a cut never splits a character.
  EXPECT_EQ(UpdateManager::boundedReleaseNotes("short"), "short");
  const QString exact(UpdateManager::kMaxReleaseNotesLength, QLatin1Char('x'));
  EXPECT_EQ(UpdateManager::boundedReleaseNotes(exact), exact);
  QString astral(UpdateManager::kMaxReleaseNotesLength - 2, QLatin1Char('x'));
  astral += QString::fromUtf8("\xF0\x9F\x82\xA1\xF0\x9F\x82\xA1");  // two playing cards outside the BMP
  const QString cut = UpdateManager::boundedReleaseNotes(astral);
  EXPECT_LE(cut.size(), UpdateManager::kMaxReleaseNotesLength);
  EXPECT_FALSE(cut.at(cut.size() - 2).isHighSurrogate());
  EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
}

// Settings written by an older version may hold the whole manifest, of any
// length: it is read back bounded, and the cache is written again small.
TEST_F(UpdateManagerTest, OversizedCachedManifestIsReadBackCut) {
  const QDateTime at = QDateTime::currentDateTimeUtc().addDays(-2);
  QJsonObject old = QJsonDocument::fromJson(manifestWithNotes(1000 * 1000, "2.0")).object();
  old.insert("extra", QJsonDocument::fromJson(manifestWithNotes(1000 * 1000)).object());
  old.insert("url", "https://example.org/" + QString(UpdateManager::kMaxCachedFieldLength, QLatin1Char('u')));
  QSettings().setValue("updates/cachedManifestJson", QString::fromUtf8(QJsonDocument(old).toJson()));
  QSettings().setValue("updates/cachedAt", at);
  UpdateManager um;
  EXPECT_EQ(um.latestVersion(), "2.0");
  EXPECT_TRUE(um.updateAvailable());
  EXPECT_EQ(um.releaseNotes().size(), UpdateManager::kMaxReleaseNotesLength);
  EXPECT_EQ(um.lastSuccessAt(), at);
  const QString cached = QSettings().value("updates/cachedManifestJson").toString();
  EXPECT_LT(cached.size(), UpdateManager::kMaxReleaseNotesLength + 200);
  EXPECT_EQ(QJsonDocument::fromJson(cached.toUtf8()).object().keys().join(' ').toStdString(),
            "linux_url notes version");
  EXPECT_EQ(QSettings().value("updates/cachedAt").toDateTime(), at);
  UpdateManager again;
  EXPECT_EQ(again.releaseNotes(), um.releaseNotes());
  EXPECT_EQ(again.downloadUrl(), QUrl("https://example.org/big"));
}

TEST_F(UpdateManagerTest, SilentServerTimesOut) {
  server_.silent = true;
  UpdateManager um;
  um.setRequestTimeoutMs(300);
  QElapsedTimer clock;
  clock.start();
  um.setManifestUrl(server_.url());
  um.checkNow();
  ASSERT_TRUE(waitFor([&] { return !um.busy(); }, 5000)) << "time-out did not end the check";
  EXPECT_GE(clock.elapsed(), 250);
  EXPECT_TRUE(um.lastError().startsWith("Update check failed: ")) << um.lastError().toStdString();
  EXPECT_TRUE(um.lastError().contains("cancel", Qt::CaseInsensitive)) << um.lastError().toStdString();
  EXPECT_FALSE(um.updateAvailable());
}

TEST_F(UpdateManagerTest, CheckWithoutAddressSendsNothing) {
  UpdateManager um;
  QSignalSpy busySpy(&um, &UpdateManager::busyChanged);
  um.setManifestUrl("  / ");
  EXPECT_EQ(um.manifestUrl(), "");
  um.checkNow();
  EXPECT_FALSE(um.busy());
  EXPECT_EQ(busySpy.count(), 0);
  EXPECT_EQ(um.lastError(), "Update URL is not configured.");
  EXPECT_TRUE(um.lastCheckedAt().isValid());
}

TEST_F(UpdateManagerTest, SecondCheckWhileBusySendsNoSecondRequest) {
  server_.serveJson({{"version", "1.0.3"}, {"linux_url", "https://example.org/x"}});
  UpdateManager um;
  QSignalSpy stateSpy(&um, &UpdateManager::stateChanged);
  um.setManifestUrl(server_.url());
  um.checkNow();
  const QDateTime first = um.lastCheckedAt();
  QThread::msleep(5);
  um.checkNow();
  EXPECT_GT(um.lastCheckedAt(), first);
  ASSERT_TRUE(waitFor([&] { return !um.busy(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(server_.requests, 1);
  EXPECT_TRUE(um.updateAvailable());
  EXPECT_GE(stateSpy.count(), 3);
}

// --- settings -------------------------------------------------------------------

TEST_F(UpdateManagerTest, ManifestAddressIsStoredTrimmedAndOnlyOnChange) {
  UpdateManager um;
  QSignalSpy spy(&um, &UpdateManager::manifestUrlChanged);
  um.setManifestUrl("  https://updates.example.org/feed//  ");
  EXPECT_EQ(um.manifestUrl(), "https://updates.example.org/feed");
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(QSettings().value("updates/manifestUrl").toString(), "https://updates.example.org/feed");

  QSettings().setValue("updates/manifestUrl", "marker");
  um.setManifestUrl("https://updates.example.org/feed/");
  um.setManifestUrl("https://updates.example.org/feed");
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(QSettings().value("updates/manifestUrl").toString(), "marker");

  UpdateManager reloaded;
  EXPECT_EQ(reloaded.manifestUrl(), "marker");
}

TEST_F(UpdateManagerTest, AddressFallsBackToEnvironmentThenBuiltInDefault) {
  {
    UpdateManager um;
    EXPECT_TRUE(um.manifestUrl().startsWith("https://")) << um.manifestUrl().toStdString();
  }
  qputenv("VELMORA_UPDATE_URL", " http://127.0.0.1:9/second/ ");
  {
    UpdateManager um;
    EXPECT_EQ(um.manifestUrl(), "http://127.0.0.1:9/second");
  }
  qputenv("VELMORA_UPDATE_MANIFEST_URL", "http://127.0.0.1:9/first");
  {
    UpdateManager um;
    EXPECT_EQ(um.manifestUrl(), "http://127.0.0.1:9/first");
  }
  QSettings().setValue("updates/manifestUrl", "http://127.0.0.1:9/from-settings/");
  {
    UpdateManager um;
    EXPECT_EQ(um.manifestUrl(), "http://127.0.0.1:9/from-settings");
  }
  qunsetenv("VELMORA_UPDATE_MANIFEST_URL");
  qunsetenv("VELMORA_UPDATE_URL");
}

TEST_F(UpdateManagerTest, LastGoodManifestIsRestoredAfterRestartUnlessBroken) {
  QDateTime success;
  {
    UpdateManager um;
    checkManifest(um, {{"version", "v1.1.0"}, {"notes", "notes"}, {"linux_url", "https://example.org/x"}});
    ASSERT_TRUE(um.updateAvailable());
    success = um.lastSuccessAt();
  }
  const int requestsBefore = server_.requests;
  UpdateManager restarted;
  EXPECT_TRUE(restarted.updateAvailable());
  EXPECT_EQ(restarted.latestVersion(), "v1.1.0");
  EXPECT_EQ(restarted.releaseNotes(), "notes");
  EXPECT_EQ(restarted.downloadUrl(), QUrl("https://example.org/x"));
  EXPECT_EQ(restarted.lastSuccessAt(), success);
  EXPECT_FALSE(restarted.lastCheckedAt().isValid());
  EXPECT_FALSE(restarted.busy());
  QCoreApplication::processEvents();
  EXPECT_EQ(server_.requests, requestsBefore);

  // a cache that does not parse is ignored silently
  QSettings().setValue("updates/cachedManifestJson", "{\"version\": \"9.0\", ");
  UpdateManager broken;
  EXPECT_TRUE(broken.latestVersion().isEmpty());
  EXPECT_FALSE(broken.lastSuccessAt().isValid());
  EXPECT_TRUE(broken.lastError().isEmpty());
}

TEST_F(UpdateManagerTest, ClearStateForgetsTheManifestAndTheCache) {
  UpdateManager um;
  checkManifest(um, {{"version", "3.0"}, {"notes", "n"}, {"linux_url", "https://example.org/x"}});
  ASSERT_TRUE(um.updateAvailable());
  const QString address = um.manifestUrl();
  um.clearState();
  EXPECT_FALSE(um.updateAvailable());
  EXPECT_TRUE(um.latestVersion().isEmpty());
  EXPECT_TRUE(um.releaseNotes().isEmpty());
  EXPECT_TRUE(um.downloadUrl().isEmpty());
  EXPECT_FALSE(um.lastCheckedAt().isValid());
  EXPECT_FALSE(um.lastSuccessAt().isValid());
  EXPECT_EQ(um.manifestUrl(), address);
  QSettings settings;
  EXPECT_FALSE(settings.contains("updates/cachedManifestJson"));
  EXPECT_FALSE(settings.contains("updates/cachedAt"));
  UpdateManager restarted;
  EXPECT_TRUE(restarted.latestVersion().isEmpty());
}

TEST(UpdateManagerText, TrailingSlashesAndBlanksAreTrimmed) {
  EXPECT_EQ(UpdateManager::trimTrailingSlash("  https://a.example/x//  "), "https://a.example/x");
  EXPECT_EQ(UpdateManager::trimTrailingSlash("///"), "");
  EXPECT_EQ(UpdateManager::trimTrailingSlash("https://a.example/x/y"), "https://a.example/x/y");
}

}  // namespace
