// Checks a JSON manifest over HTTP(S) for a newer version of the program.
//
// The manifest is one object: "version", "notes" and the download address
// ("linux_url" on this platform, else "url"). What a later start needs of
// the last good manifest is cached in the per-user settings and applied again
// at the next start. A check runs only when checkNow() is called.
#pragma once

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <QVersionNumber>

class QJsonObject;
class QNetworkReply;
class UpdateAnswer;

class UpdateManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)
  Q_PROPERTY(QString manifestUrl READ manifestUrl WRITE setManifestUrl NOTIFY manifestUrlChanged)
  Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
  Q_PROPERTY(QString lastError READ lastError NOTIFY stateChanged)
  Q_PROPERTY(QDateTime lastCheckedAt READ lastCheckedAt NOTIFY stateChanged)
  Q_PROPERTY(QDateTime lastSuccessAt READ lastSuccessAt NOTIFY stateChanged)
  Q_PROPERTY(bool updateAvailable READ updateAvailable NOTIFY stateChanged)
  Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY stateChanged)
  Q_PROPERTY(QUrl downloadUrl READ downloadUrl NOTIFY stateChanged)
  Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY stateChanged)

 public:
  static constexpr int kDefaultTimeoutMs = 8000;
  // A manifest is a few kilobytes: an answer longer than this is not read
  // on, and the check fails.
  static constexpr qint64 kMaxManifestBytes = qint64(1) << 20;
  // Release notes longer than this many characters are kept cut, with "…",
  // also in the settings.
  static constexpr qsizetype kMaxReleaseNotesLength = 16384;
  // The longest version or download address the settings keep.
  static constexpr qsizetype kMaxCachedFieldLength = 2048;

  explicit UpdateManager(QObject* parent = nullptr);

  QString currentVersion() const { return currentVersion_; }
  QString manifestUrl() const { return manifestUrl_; }
  bool busy() const { return busy_; }
  QString lastError() const { return errorText(); }
  QDateTime lastCheckedAt() const { return lastCheckedAt_; }
  QDateTime lastSuccessAt() const { return lastSuccessAt_; }
  bool updateAvailable() const { return updateAvailable_; }
  QString latestVersion() const { return latestVersion_; }
  QUrl downloadUrl() const { return downloadUrl_; }
  QString releaseNotes() const { return releaseNotes_; }

  void setManifestUrl(const QString& url);

  Q_INVOKABLE void checkNow();
  Q_INVOKABLE void openDownloadUrl();
  Q_INVOKABLE void clearState();

  // How long a check may wait for its answer before it is aborted.
  void setRequestTimeoutMs(int ms) { timeoutMs_ = ms; }

  static QString trimTrailingSlash(const QString& text);
  // A version text as compared: trimmed, one leading "v"/"V" dropped, cut
  // at the first "+" and then at the first "-"; null when nothing is left.
  static QVersionNumber normalizedVersion(const QString& text);
  // The manifest's download address for this platform; an empty URL unless
  // it is a well-formed http or https address.
  static QUrl manifestDownloadUrl(const QVariantMap& manifest);
  // The notes as kept: at most kMaxReleaseNotesLength characters.
  static QString boundedReleaseNotes(const QString& notes);
  // What the settings keep of a manifest, all a later start reads of it: the
  // version, the notes (cut to their bound) and the download addresses, as
  // texts or numbers; a version or address longer than
  // kMaxCachedFieldLength, and every other key, are left out.
  static QJsonObject cachedManifest(const QJsonObject& manifest);
  static QString cachedManifestText(const QJsonObject& manifest);

 protected:
  // Words the last error again when the application's language changes.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void manifestUrlChanged();
  void busyChanged();
  void stateChanged();

 private:
  void loadUpdateSettings();
  void applyUpdateManifest(const QVariantMap& manifest);
  void handleUpdateReply(QNetworkReply* reply, UpdateAnswer& answer);
  // Writes what cachedManifest keeps of the manifest to the settings.
  void storeCachedManifest(const QJsonObject& manifest);
  void setBusy(bool busy);

  // The last error kept in parts, which message and its argument as it came
  // (the network layer's text, the HTTP status), so that it can be worded
  // again in a newly chosen language.
  enum class Error { None, NoAddress, CheckFailed, TooLarge, InvalidResponse, NoDownloadUrl };
  void setError(Error error, const QString& argument = QString());
  QString errorText() const;

  QString currentVersion_;
  QString manifestUrl_;
  bool busy_ = false;
  Error error_ = Error::None;
  QString errorArgument_;
  QDateTime lastCheckedAt_;
  QDateTime lastSuccessAt_;
  bool updateAvailable_ = false;
  QString latestVersion_;
  QUrl downloadUrl_;
  QString releaseNotes_;
  int timeoutMs_ = kDefaultTimeoutMs;
  QNetworkAccessManager network_;
  QPointer<QNetworkReply> reply_;
};
