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

namespace {

// A piece the device did not take whole ends the writing.
struct ShortWrite {
  QString error;
};

}  // namespace

WriteOutcome writeAtomically(const QString& path, const std::function<void(const PieceWriter& write)>& produce) {
  WriteOutcome out;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    out.stage = WriteOutcome::OpenFailed;
    out.error = file.errorString();
    return out;
  }
  qint64 offered = 0;
  qint64 written = 0;
  // A device may take fewer bytes than offered (a full disk or a file size
  // limit ends a write early without an error): keep writing until all is
  // written or a write takes nothing.
  const PieceWriter write = [&](const char* data, qsizetype size) {
    offered += size;
    qint64 done = 0;
    while (done < size) {
      const qint64 n = file.write(data + done, size - done);
      if (n <= 0) break;
      done += n;
    }
    written += done;
    if (done != size || file.error() != QFileDevice::NoError) {
      throw ShortWrite{file.error() != QFileDevice::NoError
                           ? file.errorString()
                           : QStringLiteral("only %1 of %2 bytes were written").arg(written).arg(offered)};
    }
  };
  try {
    produce(write);
    if (!file.flush() || file.error() != QFileDevice::NoError) throw ShortWrite{file.errorString()};
  } catch (const ShortWrite& failed) {
    out.stage = WriteOutcome::WriteFailed;
    out.error = failed.error;
    file.cancelWriting();
    return out;
  } catch (...) {
    file.cancelWriting();  // the save file's temporary goes with it
    throw;
  }
  if (!file.commit()) {
    out.stage = WriteOutcome::WriteFailed;
    out.error = file.errorString();
  }
  return out;
}

WriteOutcome writeAtomically(const QString& path, const QByteArray& data) {
  return writeAtomically(path, [&data](const PieceWriter& write) { write(data.constData(), data.size()); });
}

}  // namespace local_files
