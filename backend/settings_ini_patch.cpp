#include "backend/settings_ini_patch.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QLockFile>
#include <QSettings>
#include <QStringEncoder>

#include <algorithm>
#include <array>

#include "backend/local_files.h"

namespace settings_ini {
namespace {

// How long a change waits for the lock QSettings takes while it writes the
// file (another process saving its settings).
constexpr int kFileLockWaitMs = 1000;

// The blanks QSettings passes over before a line. A form feed or a vertical
// tab it reads as part of the line ("\f[ui]" is no section to it).
bool isLineSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isHexDigit(char16_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One logical line of the file, found the way QSettings' reader finds them:
// blanks before it skipped, a line break inside quotes or after a backslash
// part of it, a ';' at its start a comment, an unquoted ';' its end.
struct Line {
  qsizetype start = 0;
  qsizetype end = 0;  // past its last byte, before its line break
  qsizetype equals = -1;
  // Whether the line ends where its line break is: no line break inside
  // quotes or after a backslash, no quote still open and no backslash
  // left at the end of the file. Only such a line reads the same whatever
  // is put after it (QSettings writes no other); a quote left open takes
  // in every line that follows it.
  bool whole = true;
};

// The characters nextLine looks at; every other one is passed over in runs,
// which makes a long stored text quick to pass.
constexpr std::array<bool, 256> kLineMarks = [] {
  std::array<bool, 256> marks{};
  for (const unsigned char c : {'=', '\n', '\r', '\\', '"', ';'}) marks[c] = true;
  return marks;
}();

bool nextLine(const QByteArray& data, qsizetype& pos, Line& line) {
  const qsizetype size = data.size();
  const char* bytes = data.constData();
  bool inQuotes = false;
  line.equals = -1;
  line.whole = true;
  line.start = pos;
  while (line.start < size && isLineSpace(data.at(line.start))) ++line.start;
  qsizetype i = line.start;
  while (i < size) {
    while (i < size && !kLineMarks[static_cast<unsigned char>(bytes[i])]) ++i;
    if (i >= size) break;
    const char ch = data.at(i++);
    if (ch == '=') {
      if (!inQuotes && line.equals == -1) line.equals = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == line.start + 1) {
        ++line.start;
      } else if (!inQuotes) {
        --i;
        break;
      } else {
        line.whole = false;
      }
    } else if (ch == '\\') {
      if (i >= size) {
        line.whole = false;
      } else {
        const char next = data.at(i++);
        if (next == '\n' || next == '\r') line.whole = false;
        if (i < size) {
          const char after = data.at(i);
          if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else if (ch == ';') {
      if (i == line.start + 1) {
        while (i < size && data.at(i) != '\n' && data.at(i) != '\r') ++i;
        while (i < size && isLineSpace(data.at(i))) ++i;
        line.start = i;
      } else if (!inQuotes) {
        --i;
        break;
      }
    }
  }
  if (inQuotes) line.whole = false;
  pos = i;
  line.end = i;
  return line.end > line.start;
}

// Letters, digits and '_' only: a name QSettings writes into its file as it
// is, neither escaped nor percent-encoded.
bool isPlainName(QStringView name) {
  if (name.isEmpty()) return false;
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_')) return false;
  }
  return true;
}

QByteArray trimmed(const QByteArray& data, qsizetype from, qsizetype to) {
  return data.mid(from, to - from).trimmed();
}

QByteArray entryLine(const QString& key, const QByteArray& escapedValue) { return key.toUtf8() + '=' + escapedValue; }

// A section line "[name]": its name into `name`; false for a line that
// opens a section but never closes it.
bool sectionName(const QByteArray& file, const Line& line, QByteArray* name) {
  const qsizetype close = file.indexOf(']', line.start);
  if (close < 0 || close >= line.end) return false;
  *name = file.mid(line.start + 1, close - line.start - 1);
  return true;
}

// The key of an entry line, as QSettings reads it.
QByteArray keyOf(const QByteArray& file, const Line& line) {
  return trimmed(file, line.start, line.equals < 0 ? line.end : line.equals);
}

// A character QSettings writes into a section's or a key's name as it is.
bool isNameChar(uint c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
         c == '.';
}

int upperHexDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; }

// Whether `name` is in the very form QSettings writes a name in: its name
// characters as they are, every other character as "%XX" (up to U+00FF)
// or "%UXXXX" (above) in upper-case hex, and, where `parts`, a '\' between
// the parts of a key below its group. QSettings reads a name in any other
// form as another name than its bytes spell ("[ ranges ]" and "[%72anges]"
// as "ranges", "%64arkMode" as "darkMode", a stray '\' as an empty part),
// while each name it writes has one form only: names in this form are the
// same names to both exactly where their bytes are the same.
bool inWrittenForm(QByteArrayView name, bool parts) {
  if (name.isEmpty()) return false;
  for (qsizetype i = 0; i < name.size();) {
    const char c = name[i];
    if (isNameChar(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '\\') {
      if (!parts || i == 0 || i + 1 == name.size() || name[i + 1] == '\\') return false;
      ++i;
    } else if (c == '%') {
      const bool wide = i + 1 < name.size() && name[i + 1] == 'U';
      const qsizetype from = i + (wide ? 2 : 1), to = from + (wide ? 4 : 2);
      if (to > name.size()) return false;
      uint code = 0;
      for (qsizetype k = from; k < to; ++k) {
        const int digit = upperHexDigit(name[k]);
        if (digit < 0) return false;
        code = code * 16 + uint(digit);
      }
      // A name character, or '/' (written as '\'), is never encoded.
      if (wide ? code <= 0xFF : isNameChar(code) || code == '/') return false;
      i = to;
    } else {
      return false;
    }
  }
  return true;
}

// A section line as QSettings writes one: "[name]" with nothing after it but
// blanks, the name in its written form; "General" holds the settings outside
// every group, "%General" a group of that name, and "general" in any other
// letter case, which QSettings also reads as outside every group, is not one.
bool writtenSection(const QByteArray& file, const Line& line, QByteArray* name) {
  if (!sectionName(file, line, name)) return false;
  for (qsizetype i = line.start + name->size() + 2; i < line.end; ++i)
    if (file.at(i) != ' ' && file.at(i) != '\t') return false;
  if (*name == "General" || *name == "%General") return true;
  return inWrittenForm(*name, false) && name->compare("general", Qt::CaseInsensitive) != 0;
}

// Reads the lines of `file` in turn as QSettings reads them, calling
// `onSection(line, name)` for a section line and `onEntry(line)` for each
// entry line of the section last named; a call that returns false ends the
// walk. False where it ended so, or at the first line that is not in the
// form QSettings writes lines in (a whole line, see Line, with names in
// their written form): in a file that holds one, a change of one line's
// bytes is not known to be a change of that one setting as QSettings reads
// the file.
template <typename OnSection, typename OnEntry>
bool readLines(const QByteArray& file, OnSection&& onSection, OnEntry&& onEntry) {
  bool inGroup = false;  // lines before every section, and those of "[General]", are outside every group
  qsizetype pos = 0;
  Line line;
  while (pos < file.size()) {
    if (!nextLine(file, pos, line)) continue;
    if (!line.whole) return false;
    if (file.at(line.start) == '[') {
      QByteArray name;
      if (!writtenSection(file, line, &name)) return false;
      inGroup = name != "General";
      if (!onSection(line, name)) return false;
    } else if (line.equals < 0 || !inWrittenForm(keyOf(file, line), inGroup) || !onEntry(line)) {
      return false;
    }
  }
  return true;
}

}  // namespace

QString fileLockName(const QString& path) { return path + QStringLiteral(".lock"); }

QString takeFileLock(const QString& path, QLockFile& lock) {
  // A lock file is a plain file; anything else at its name stays there.
  const QFileInfo at(fileLockName(path));
  if (at.isSymLink() || (at.exists() && !at.isFile())) return QStringLiteral("busy");
  lock.setStaleLockTime(kStaleLockMs);
  if (lock.tryLock(kFileLockWaitMs)) return QString();
  return lock.error() == QLockFile::LockFailedError ? QStringLiteral("busy") : QStringLiteral("write");
}

QString stampOf(const QByteArray& bytes) {
  return QString::number(bytes.size()) + QLatin1Char(':') + QString::number(qHash(bytes, size_t(0)), 16);
}

QMap<QString, QString> lineStamps(const QByteArray& file, bool* asWritten) {
  QMap<QString, QString> stamps;
  QString section;
  const bool read = readLines(
      file,
      [&](const Line&, const QByteArray& name) {
        section = QString::fromUtf8(name);
        return true;
      },
      [&](const Line& line) {
        const QString name = section + QLatin1Char('/') + QString::fromUtf8(keyOf(file, line));
        const auto known = stamps.constFind(name);
        stamps.insert(name, known != stamps.cend() ? QString()
                                                   : stampOf(QByteArray::fromRawData(file.constData() + line.start,
                                                                                     line.end - line.start)));
        return true;
      });
  if (asWritten) *asWritten = read;
  return stamps;
}

QByteArray escapedText(const QString& text, bool* ok) {
  *ok = text.isValidUtf16();
  if (!*ok) return {};
  // QSettings marks its own encodings ("@ByteArray(...)", "@Invalid()") with
  // a leading '@': a text with a nul character is written as "@String(...)",
  // another that begins with '@' has it doubled.
  const QString value = text.contains(QChar::Null)       ? QStringLiteral("@String(") + text + QLatin1Char(')')
                        : text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text
                                                            : text;
  QByteArray out;
  out.reserve(value.size() + value.size() / 8 + 2);
  bool needsQuotes = false;
  bool escapeNextIfDigit = false;
  QStringEncoder toUtf8(QStringEncoder::Utf8);
  const QChar* chars = value.unicode();
  for (qsizetype i = 0; i < value.size(); ++i) {
    const char16_t ch = chars[i].unicode();
    if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
    // A digit right after a "\x" escape would read as part of it.
    if (escapeNextIfDigit && isHexDigit(ch)) {
      out += "\\x" + QByteArray::number(ch, 16);
      continue;
    }
    escapeNextIfDigit = false;
    switch (ch) {
      case '\0': out += "\\0"; escapeNextIfDigit = true; break;
      case '\a': out += "\\a"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\v': out += "\\v"; break;
      case '"':
      case '\\':
        out += '\\';
        out += char(ch);
        break;
      default:
        if (ch <= 0x1F) {
          out += "\\x" + QByteArray::number(ch, 16);
          escapeNextIfDigit = true;
        } else if (ch < 0x7F) {
          // A run of plain characters in one step: a store's text is mostly that.
          qsizetype end = i + 1;
          for (; end < value.size(); ++end) {
            const char16_t c = chars[end].unicode();
            if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') break;
            if (c == ';' || c == ',' || c == '=') needsQuotes = true;
          }
          const qsizetype at = out.size();
          out.resize(at + (end - i));
          char* to = out.data() + at;
          for (qsizetype k = i; k < end; ++k) *to++ = char(chars[k].unicode());
          i = end - 1;
        } else {
          // Every other character as UTF-8; a run of them in one step.
          qsizetype end = i + 1;
          while (end < value.size() && chars[end].unicode() >= 0x7F) ++end;
          out += toUtf8(QStringView(chars + i, end - i));
          i = end - 1;
        }
    }
  }
  if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) {
    out.prepend('"');
    out += '"';
  }
  return out;
}

bool putLine(QByteArray& file, const QString& section, const QString& key, const QByteArray& escapedValue) {
  const QByteArray wantedSection = section.toUtf8();
  const QByteArray wantedKey = key.toUtf8();
  bool inWanted = false;  // whether the line being read is in the wanted section
  qsizetype keyStart = -1, keyEnd = -1;
  qsizetype sectionEnd = -1;  // end of the wanted section's last line
  const bool read = readLines(
      file,
      [&](const Line& line, const QByteArray& name) {
        inWanted = name == wantedSection;
        if (!inWanted) return true;
        if (sectionEnd >= 0) return false;  // the section twice
        sectionEnd = line.end;
        return true;
      },
      [&](const Line& line) {
        if (!inWanted) return true;
        sectionEnd = line.end;
        if (keyOf(file, line) != wantedKey) return true;
        if (keyStart >= 0) return false;  // the key twice
        keyStart = line.start;
        keyEnd = line.end;
        return true;
      });
  if (!read) return false;
  const QByteArray entry = entryLine(key, escapedValue);
  if (keyStart >= 0) {
    file.replace(keyStart, keyEnd - keyStart, entry);
  } else if (sectionEnd >= 0) {
    file.insert(sectionEnd, '\n' + entry);
  } else {
    if (!file.isEmpty() && !file.endsWith('\n') && !file.endsWith('\r')) file += '\n';
    if (!file.isEmpty()) file += '\n';
    file += '[' + wantedSection + "]\n" + entry + '\n';
  }
  return true;
}

QString putInPlace(QSettings& settings, const QMap<QString, QString>& changes, QByteArray* written,
                   QMap<QString, QString>* stamps) {
  const QString path = settings.fileName();
  QFile current(path);
  if (!current.exists()) return QStringLiteral("fallback");
  QLockFile fileLock(fileLockName(path));
  if (const QString refused = takeFileLock(path, fileLock); !refused.isEmpty()) return refused;
  if (!current.open(QIODevice::ReadOnly)) return QStringLiteral("write");
  // The time a QSettings may have noted at its last read of the file.
  const QDateTime noted = current.fileTime(QFileDevice::FileModificationTime);
  QByteArray bytes = current.readAll();
  current.close();
  const QByteArray before = bytes;
  QMap<QString, QString> put;
  for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
    const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
    const QString section = it.key().left(qMax<qsizetype>(slash, 0)), key = it.key().mid(slash + 1);
    // Any other name QSettings writes in a form of its own; a group named
    // "General" among them, whose section would be "[%General]".
    if (slash <= 0 || !isPlainName(section) || !isPlainName(key) ||
        section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
      return QStringLiteral("fallback");
    bool escaped = false;
    const QByteArray value = escapedText(it.value(), &escaped);
    if (!escaped || !putLine(bytes, section, key, value)) return QStringLiteral("fallback");
    put.insert(it.key(), stampOf(entryLine(key, value)));
  }
  if (stamps) *stamps = put;
  // Texts put as they are stored leave the file as it is.
  if (bytes == before) {
    if (written) *written = bytes;
    return QString();
  }
  // Written whole or not at all: a write the file system cuts short (a
  // full disk, a quota, a limit on the size of files) leaves the file as it
  // was.
  const local_files::WriteOutcome out = local_files::writeAtomically(path, bytes);
  if (!out.ok()) {
    qWarning().noquote() << "Settings: could not write" << path << out.error;
    return out.stage == local_files::WriteOutcome::OpenFailed ? QStringLiteral("write") : QStringLiteral("short");
  }
  if (written) *written = bytes;
  // Every QSettings that read the file before must see it changed, even
  // where its size stayed: its time is moved past the time it had.
  moveTimeOn(path, noted.isValid() ? noted.addMSecs(1) : QDateTime());
  // Read again after the lock is released: a change some QSettings of this
  // process still holds is written then, and that takes the lock.
  fileLock.unlock();
  settings.sync();
  return QString();
}

bool moveTimeOn(const QString& path, const QDateTime& floor) {
  QFile file(path);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QDateTime noted = file.fileTime(QFileDevice::FileModificationTime);
  QDateTime time = std::max(QDateTime::currentDateTimeUtc(), noted.addMSecs(1));
  if (floor.isValid()) time = std::max(time, floor);
  return file.setFileTime(time, QFileDevice::FileModificationTime);
}

}  // namespace settings_ini
