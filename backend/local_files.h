// Local file paths from the URLs QML hands over, and atomic whole-file writes.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QUrl>

#include <functional>
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

// The same for a file written piece by piece: `produce` hands each piece to
// the `write` it is given, which writes it whole or ends the writing (the
// target untouched, the outcome saying why). An exception `produce` throws
// leaves the target untouched too and reaches the caller.
using PieceWriter = std::function<void(const char* data, qsizetype size)>;
WriteOutcome writeAtomically(const QString& path, const std::function<void(const PieceWriter& write)>& produce);

}  // namespace local_files
