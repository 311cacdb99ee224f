#include "backend/update_manager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QTimer>

#include "backend/settings_store.h"
#include "backend/update_answer.h"

#include <algorithm>
#include <memory>

namespace {

constexpr char kManifestUrlKey[] = "updates/manifestUrl";
constexpr char kCachedManifestKey[] = "updates/cachedManifestJson";
constexpr char kCachedAtKey[] = "updates/cachedAt";

// Fixed address of the update server's manifest, used when neither the
// settings nor the environment name one.
constexpr char kDefaultManifestUrl[] = "https://updates.caldirune.app/manifest.json";

// The answer is read in pieces of this size at most.
constexpr qint64 kReadChunk = 64 * 1024;

// Each build reads the download address meant for its own platform first.
#if defined(Q_OS_WIN)
constexpr char kPlatformUrlKey[] = "windows_url";
#else
constexpr char kPlatformUrlKey[] = "linux_url";
#endif

QString envText(const char* name) {
  return QString::fromLocal8Bit(qgetenv(name));
}

// The answer of a check being read; started again for each answer the
// request is redirected to.
struct PendingAnswer {
  std::unique_ptr<UpdateAnswer> answer = std::make_unique<UpdateAnswer>(UpdateManager::kMaxManifestBytes);
  bool started = false;  // the answer's headers are taken

  void restart() {
    answer = std::make_unique<UpdateAnswer>(UpdateManager::kMaxManifestBytes);
    started = false;
  }
};

// A redirect the network layer follows (the check's requests follow every
// one that is no less safe): its headers and body are not the manifest's.
bool isFollowedRedirect(const QNetworkReply* reply) {
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool moved = status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308;
  return moved && reply->hasRawHeader("Location");
}

}  // namespace

UpdateManager::UpdateManager(QObject* parent)
    : QObject(parent), currentVersion_(QCoreApplication::applicationVersion()) {
  loadUpdateSettings();
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

void UpdateManager::setError(Error error, const QString& argument) {
  error_ = error;
  errorArgument_ = argument;
}

QString UpdateManager::errorText() const {
  switch (error_) {
    case Error::None:
      return QString();
    case Error::NoAddress:
      return tr("Update URL is not configured.");
    case Error::CheckFailed:
      return tr("Update check failed: %1").arg(errorArgument_);
    case Error::TooLarge:
      return tr("Update check failed: %1")
          .arg(tr("the answer is larger than %1")
                   .arg(QLocale().formattedDataSize(kMaxManifestBytes, 0, QLocale::DataSizeIecFormat)));
    case Error::InvalidResponse:
      return tr("Invalid update response (HTTP %1).").arg(errorArgument_);
    case Error::NoDownloadUrl:
      return tr("No download URL available.");
  }
  return QString();
}

bool UpdateManager::eventFilter(QObject* watched, QEvent* event) {
  // The error is worded when it is read, so a new language only needs telling.
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance() && error_ != Error::None) {
    emit stateChanged();
  }
  return QObject::eventFilter(watched, event);
}

QString UpdateManager::trimTrailingSlash(const QString& text) {
  QString out = text.trimmed();
  while (out.endsWith(QLatin1Char('/'))) out.chop(1);
  return out;
}

QVersionNumber UpdateManager::normalizedVersion(const QString& text) {
  QString v = text.trimmed();
  if (v.startsWith(QLatin1Char('v')) || v.startsWith(QLatin1Char('V'))) v.remove(0, 1);
  qsizetype cut = v.indexOf(QLatin1Char('+'));
  if (cut >= 0) v.truncate(cut);
  cut = v.indexOf(QLatin1Char('-'));
  if (cut >= 0) v.truncate(cut);
  v = v.trimmed();
  if (v.isEmpty()) return {};
  return QVersionNumber::fromString(v);
}

QUrl UpdateManager::manifestDownloadUrl(const QVariantMap& manifest) {
  QString text = manifest.value(QLatin1String(kPlatformUrlKey)).toString().trimmed();
  if (text.isEmpty()) text = manifest.value(QStringLiteral("url")).toString().trimmed();
  if (text.isEmpty()) return {};
  const QUrl url(text, QUrl::TolerantMode);
  // The address is handed to the desktop's browser: only web addresses are
  // accepted, never a local file, a script or another program's scheme.
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return {};
  }
  return url;
}

QString UpdateManager::boundedReleaseNotes(const QString& notes) {
  if (notes.size() <= kMaxReleaseNotesLength) return notes;
  qsizetype cut = kMaxReleaseNotesLength - 1;
  if (notes.at(cut - 1).isHighSurrogate()) --cut;  // never half a character
  return notes.left(cut) + QChar(0x2026);
}

QJsonObject UpdateManager::cachedManifest(const QJsonObject& manifest) {
  QJsonObject kept;
  for (const char* key : {"version", "notes", kPlatformUrlKey, "url"}) {
    const QJsonValue value = manifest.value(QLatin1String(key));
    if (value.isDouble()) {
      kept.insert(QLatin1String(key), value);
    } else if (value.isString()) {
      const QString text = value.toString();
      if (qstrcmp(key, "notes") == 0) {
        kept.insert(QLatin1String(key), boundedReleaseNotes(text));
      } else if (text.size() <= kMaxCachedFieldLength) {
        // A cut version or address would be a wrong one: a longer one is left out.
        kept.insert(QLatin1String(key), text);
      }
    }
  }
  return kept;
}

QString UpdateManager::cachedManifestText(const QJsonObject& manifest) {
  return QString::fromUtf8(QJsonDocument(cachedManifest(manifest)).toJson(QJsonDocument::Compact));
}

// The update settings are written as every other setting is (settings_store.h):
// a write that fails is logged, leaves the file as it was, and never waits for
// a lock that cannot be taken.
void UpdateManager::storeCachedManifest(const QJsonObject& manifest) {
  settings_store::writeStatus({{QLatin1String(kCachedManifestKey), cachedManifestText(manifest)},
                               {QLatin1String(kCachedAtKey), lastSuccessAt_}},
                              QStringLiteral("updates"));
}

void UpdateManager::loadUpdateSettings() {
  QSettings settings;
  manifestUrl_ = trimTrailingSlash(settings.value(kManifestUrlKey, QString()).toString());
  if (manifestUrl_.isEmpty()) {
    const QString a = trimTrailingSlash(envText("VELMORA_UPDATE_MANIFEST_URL"));
    const QString b = trimTrailingSlash(envText("VELMORA_UPDATE_URL"));
    manifestUrl_ = !a.isEmpty() ? a : b;
  }
  if (manifestUrl_.isEmpty()) manifestUrl_ = trimTrailingSlash(QLatin1String(kDefaultManifestUrl));

  const QString cached = settings.value(kCachedManifestKey, QString()).toString();
  const QDateTime cachedAt = settings.value(kCachedAtKey, QDateTime()).toDateTime();
  if (cached.trimmed().isEmpty()) return;
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(cached.toUtf8(), &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return;
  lastSuccessAt_ = cachedAt.isValid() ? cachedAt : QDateTime();
  applyUpdateManifest(doc.object().toVariantMap());
  // An older version kept the whole manifest, however long: the cache is
  // written again with only what is kept, so that later starts read little.
  if (cachedManifestText(doc.object()) != cached) storeCachedManifest(doc.object());
}

void UpdateManager::setManifestUrl(const QString& url) {
  const QString normalized = trimTrailingSlash(url);
  if (normalized == manifestUrl_) return;
  manifestUrl_ = normalized;
  settings_store::writeStatus({{QLatin1String(kManifestUrlKey), manifestUrl_}}, QStringLiteral("updates"));
  emit manifestUrlChanged();
}

void UpdateManager::setBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  emit busyChanged();
}

void UpdateManager::checkNow() {
  lastCheckedAt_ = QDateTime::currentDateTimeUtc();
  emit stateChanged();
  if (busy_) return;

  const QString url = trimTrailingSlash(manifestUrl_);
  if (url.isEmpty()) {
    setError(Error::NoAddress);
    emit stateChanged();
    return;
  }

  if (reply_) {
    QNetworkReply* stale = reply_;
    reply_ = nullptr;
    stale->disconnect(this);
    stale->abort();
    stale->deleteLater();
  }

  setBusy(true);
  setError(Error::None);
  emit stateChanged();

  QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
  request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
  request.setRawHeader("Accept", "application/json");
  // Asked for here, a compressed answer comes as sent and is expanded by
  // the check itself, within the bound.
  request.setRawHeader("Accept-Encoding", UpdateAnswer::kAcceptedEncodings);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkReply* reply = network_.get(request);
  reply_ = reply;

  // The body is taken as it arrives and never past the bound: a server that
  // answers with more (or says it will) ends the check. Behind a redirect
  // only the final answer is read, by its own headers (its encoding and the
  // length it declares), so reading starts again once the request moves on.
  reply->setReadBufferSize(kReadChunk);
  auto pending = std::make_shared<PendingAnswer>();
  const auto take = [reply, pending]() {
    UpdateAnswer& answer = *pending->answer;
    if (answer.state() != UpdateAnswer::State::Reading || !reply->isOpen()) return;
    if (isFollowedRedirect(reply)) {
      // The network layer takes a redirect's whole body before it moves on,
      // and holds it against the read buffer: room for a body up to the
      // bound, and none past it.
      bool known = false;
      const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
      if (known && length > kMaxManifestBytes) {
        answer.start(QByteArray(), length);
        reply->abort();
        return;
      }
      reply->setReadBufferSize(kMaxManifestBytes + kReadChunk);
      reply->skip(reply->bytesAvailable());
      return;
    }
    if (!pending->started) {
      pending->started = true;
      bool known = false;
      const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
      answer.start(reply->rawHeader("Content-Encoding"), known ? length : -1);
    }
    while (answer.state() == UpdateAnswer::State::Reading && reply->bytesAvailable() > 0) {
      answer.append(reply->read(std::min<qint64>(reply->bytesAvailable(), kReadChunk)));
    }
    if (answer.state() != UpdateAnswer::State::Reading) reply->abort();
  };
  connect(reply, &QNetworkReply::metaDataChanged, this, take);
  connect(reply, &QIODevice::readyRead, this, take);
  connect(reply, &QNetworkReply::redirected, this, [reply, pending]() {
    reply->setReadBufferSize(kReadChunk);
    pending->restart();
  });

  auto* timer = new QTimer(reply);
  timer->setSingleShot(true);
  connect(timer, &QTimer::timeout, reply, [reply]() {
    if (reply->isRunning()) reply->abort();
  });
  timer->start(timeoutMs_);

  connect(reply, &QNetworkReply::finished, this, [this, reply, pending, take]() {
    take();
    handleUpdateReply(reply, *pending->answer);
  });
}

void UpdateManager::handleUpdateReply(QNetworkReply* reply, UpdateAnswer& answer) {
  setBusy(false);
  if (reply_ == reply) reply_ = nullptr;

  const QVariant statusAttr = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  const int status = statusAttr.isValid() ? statusAttr.toInt() : 0;

  if (answer.state() == UpdateAnswer::State::TooLarge) {
    setError(Error::TooLarge);
    emit stateChanged();
    reply->deleteLater();
    return;
  }

  // The check aborts an answer it cannot read: that is no network failure.
  if (answer.state() == UpdateAnswer::State::Reading && reply->error() != QNetworkReply::NoError) {
    setError(Error::CheckFailed, reply->errorString());
    emit stateChanged();
    reply->deleteLater();
    return;
  }

  if (answer.finish() == UpdateAnswer::State::Reading) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(answer.body(), &error);
    if (error.error == QJsonParseError::NoError && doc.isObject()) {
      lastSuccessAt_ = QDateTime::currentDateTimeUtc();
      applyUpdateManifest(doc.object().toVariantMap());
      storeCachedManifest(doc.object());
      reply->deleteLater();
      return;
    }
  }

  setError(Error::InvalidResponse, QString::number(status));
  emit stateChanged();
  reply->deleteLater();
}

void UpdateManager::applyUpdateManifest(const QVariantMap& manifest) {
  latestVersion_ = manifest.value(QStringLiteral("version")).toString().trimmed();
  releaseNotes_ = boundedReleaseNotes(manifest.value(QStringLiteral("notes")).toString());
  downloadUrl_ = manifestDownloadUrl(manifest);

  const QVersionNumber running = normalizedVersion(currentVersion_);
  const QVersionNumber latest = normalizedVersion(latestVersion_);
  updateAvailable_ = !running.isNull() && !latest.isNull() && QVersionNumber::compare(running, latest) < 0 &&
                     downloadUrl_.isValid() && !downloadUrl_.isEmpty();
  emit stateChanged();
}

void UpdateManager::openDownloadUrl() {
  if (downloadUrl_.isValid() && !downloadUrl_.isEmpty()) {
    QDesktopServices::openUrl(downloadUrl_);
    return;
  }
  setError(Error::NoDownloadUrl);
  emit stateChanged();
}

void UpdateManager::clearState() {
  updateAvailable_ = false;
  latestVersion_.clear();
  downloadUrl_ = QUrl();
  releaseNotes_.clear();
  setError(Error::None);
  lastCheckedAt_ = QDateTime();
  lastSuccessAt_ = QDateTime();
  settings_store::writeStatus({{QLatin1String(kCachedManifestKey), QVariant()}, {QLatin1String(kCachedAtKey), QVariant()}},
                              QStringLiteral("updates"));
  emit stateChanged();
}
