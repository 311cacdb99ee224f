#include "backend/local_files.h"

#include <QDir>
#include <QSaveFile>

namespace local_files {

std::optional<QString> pathOf(const QUrl& url) {
  if (!url.isValid()) return std::nullopt;
  if (url.isLocalFile()) return url.toLocalFile();
  if (url.hasQuery() || url.hasFragment() || !url.host().isEmpty()) return std::nullopt;
  const QString scheme = url.scheme();
  if (scheme.isEmpty()) {
    const QString path = url.path();
    if (QDir::isAbsolutePath(path)) return path;
    return std::nullopt;
  }
#ifdef Q_OS_WIN
  if (scheme.size() == 1 && scheme.at(0).isLetter() && url.path().startsWith(QLatin1Char('/'))) {
    return scheme.toUpper() + QLatin1Char(':') + url.path();
  }
#endif
  return std::nullopt;
}

WriteOutcome writeAtomically(const QString& path, const QByteArray& data) {
  WriteOutcome out;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    out.stage = WriteOutcome::OpenFailed;
    out.error = file.errorString();
    return out;
  }
  // A device may take fewer bytes than offered (a full disk or a file size
  // limit ends a write early without an error): keep writing until all is
  // written or a write takes nothing.
  qint64 written = 0;
  while (written < data.size()) {
    const qint64 n = file.write(data.constData() + written, data.size() - written);
    if (n <= 0) break;
    written += n;
  }
  if (written != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    out.stage = WriteOutcome::WriteFailed;
    out.error = file.error() != QFileDevice::NoError
                    ? file.errorString()
                    : QStringLiteral("only %1 of %2 bytes were written").arg(written).arg(data.size());
    file.cancelWriting();
    return out;
  }
  if (!file.commit()) {
    out.stage = WriteOutcome::WriteFailed;
    out.error = file.errorString();
  }
  return out;
}

}  // namespace local_files
