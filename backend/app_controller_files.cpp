// Text files, program resources and the open-source notices.
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <optional>

#include "backend/app_controller.h"
#include "backend/local_files.h"
#include "backend/shown_text.h"

namespace {

// Largest text file read into memory.
constexpr qint64 kMaxTextFileBytes = 2097152;

QVariantMap readFailure(QVariantMap result, const QString& error) {
  result.insert(QStringLiteral("error"), error);
  return result;
}

// Hands a local file or folder to the desktop's program for it. A machine
// with no such program opens nothing; the caller is told so, with the path,
// so the page can say where the file is.
QVariantMap openWithDesktop(const QString& path) {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("problem"), QString());
  result.insert(QStringLiteral("path"), QDir::toNativeSeparators(path));
  try {
    if (!QFileInfo::exists(path)) {
      result.insert(QStringLiteral("problem"), QStringLiteral("missing"));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
      result.insert(QStringLiteral("problem"), QStringLiteral("noProgram"));
    } else {
      result.insert(QStringLiteral("ok"), true);
    }
  } catch (...) {
    result.insert(QStringLiteral("problem"), QStringLiteral("noProgram"));
  }
  return result;
}

}  // namespace

QVariantMap AppController::readTextFile(const QUrl& fileUrl) const {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("text"), QString());
  result.insert(QStringLiteral("error"), QString());
  try {
    if (!fileUrl.isValid()) return readFailure(result, tr("The file name is not valid."));
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local) {
      return readFailure(result, tr("'%1' is not a file on this computer: only local files can be read.")
                                     .arg(shown_text::escaped(fileUrl.toDisplayString())));
    }
    const QString path = *local;
    if (path.trimmed().isEmpty()) return readFailure(result, tr("The file name is empty."));
    const QFileInfo info(path);
    const QString name = shown_text::escaped(QDir::toNativeSeparators(path));
    if (!info.exists()) return readFailure(result, tr("The file '%1' does not exist.").arg(name));
    // Devices, pipes and sockets have no meaningful size (/dev/zero never
    // ends, a pipe blocks when opened): only regular files are read.
    if (!info.isFile()) return readFailure(result, tr("'%1' is not a regular file.").arg(name));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
      return readFailure(result, tr("The file '%1' could not be opened: %2").arg(name, file.errorString()));
    }
    const auto tooLarge = [&](qint64 size) {
      return readFailure(result, tr("The file '%1' is too large (%2 bytes; at most %3).")
                                     .arg(name, QString::number(size), QString::number(kMaxTextFileBytes)));
    };
    const qint64 size = file.size();
    if (size > kMaxTextFileBytes) return tooLarge(size);
    // The file may have grown since its size was read: never take more than the limit.
    const QByteArray data = file.read(kMaxTextFileBytes + 1);
    if (data.size() > kMaxTextFileBytes) return tooLarge(std::max<qint64>(file.size(), data.size()));
    file.close();
    result.insert(QStringLiteral("text"), QString::fromUtf8(data));
    result.insert(QStringLiteral("ok"), true);
    return result;
  } catch (const std::exception& e) {
    return readFailure(result, QString::fromUtf8(e.what()));
  } catch (...) {
    return readFailure(result, tr("Unknown error"));
  }
}

QVariantMap AppController::saveTextFile(const QUrl& fileUrl, const QString& text) const {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), QString());
  try {
    const std::optional<QString> local = local_files::pathOf(fileUrl);
    if (!local) {
      result.insert(QStringLiteral("error"), tr("Invalid/non-local file URL"));
      return result;
    }
    const QString path = *local;
    if (path.isEmpty()) {
      result.insert(QStringLiteral("error"), tr("Empty file path"));
      return result;
    }
    const local_files::WriteOutcome written = local_files::writeAtomically(path, text.toUtf8());
    if (written.stage == local_files::WriteOutcome::OpenFailed) {
      result.insert(QStringLiteral("error"), tr("Failed to open file: %1").arg(written.error));
      return result;
    }
    if (!written.ok()) {
      result.insert(QStringLiteral("error"), tr("Failed to save file: %1").arg(written.error));
      return result;
    }
    result.insert(QStringLiteral("ok"), true);
  } catch (const std::exception& e) {
    result.insert(QStringLiteral("error"), tr("Failed to save file: %1").arg(QString::fromUtf8(e.what())));
  } catch (...) {
    result.insert(QStringLiteral("error"), tr("Failed to save file: %1").arg(QStringLiteral("Unknown error")));
  }
  return result;
}

QString AppController::readTextResource(const QString& path) const {
  try {
    QString resource = path.trimmed();
    if (resource.startsWith(QStringLiteral("qrc:/"))) {
      resource = QStringLiteral(":/") + resource.mid(5);
    } else if (resource.startsWith(QLatin1Char('/'))) {
      resource.prepend(QLatin1Char(':'));
    }
    if (!resource.startsWith(QStringLiteral(":/"))) {
      qWarning() << "readTextResource: not a Qt resource path:" << path;
      return QString();
    }
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
      qWarning() << "readTextResource: failed to open:" << resource;
      return QString();
    }
    const QByteArray data = file.readAll();
    file.close();
    return QString::fromUtf8(data);
  } catch (...) {
    qWarning() << "readTextResource: failed to read:" << path;
    return QString();
  }
}

QVariantMap AppController::openLicensesFolder() const {
  return openWithDesktop(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("licenses")));
}

QVariantMap AppController::openThirdPartyNotices() const {
  return openWithDesktop(
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt")));
}
