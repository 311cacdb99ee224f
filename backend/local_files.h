// Local file paths from the URLs QML hands over, and atomic whole-file writes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

namespace local_files {

// The local path a URL names, or nothing when it names no local file. A file
// URL gives its local path (possibly empty). A path typed into a file dialog
// comes back without a scheme, so a URL with no scheme, host, query or
// fragment whose path is absolute names that path too; on Windows a drive
// letter, which a URL reads as a one-letter scheme, is taken back as well.
std::optional<QString> pathOf(const QUrl& url);

// How a whole-file write ended.
struct WriteOutcome {
  enum Stage { Done, OpenFailed, WriteFailed };
  Stage stage = Done;
  QString error;  // the device's reason when the write failed
  bool ok() const { return stage == Done; }
};

// Writes `data` to `path` through an atomic save file. The target changes
// only when every byte was written and the file committed; after any failure
// (a short write on a full disk included) an existing file stays as it was.
WriteOutcome writeAtomically(const QString& path, const QByteArray& data);

}  // namespace local_files
