#include "backend/project_file/json_stream_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype kIndent = 4;
constexpr char kHex[] = "0123456789abcdef";

// Qt writes every level's indentation from this many spaces at a time.
const char kSpaces[] = "                                                                ";
constexpr qsizetype kSpaceRun = sizeof(kSpaces) - 1;

}  // namespace

JsonStreamWriter::JsonStreamWriter(Sink sink, qsizetype bufferBytes)
    : m_sink(std::move(sink)), m_buffer(static_cast<std::size_t>(std::max<qsizetype>(bufferBytes, 64))) {}

void JsonStreamWriter::flush() {
  if (m_pos == 0) return;
  const qsizetype size = m_pos;
  m_pos = 0;
  m_sink(m_buffer.data(), size);
}

void JsonStreamWriter::put(const char* data, qsizetype size) {
  while (size > 0) {
    if (m_pos == static_cast<qsizetype>(m_buffer.size())) flush();
    const qsizetype n = std::min(size, static_cast<qsizetype>(m_buffer.size()) - m_pos);
    std::memcpy(m_buffer.data() + m_pos, data, static_cast<std::size_t>(n));
    m_pos += n;
    data += n;
    size -= n;
  }
}

void JsonStreamWriter::indent(qsizetype depth) {
  for (qsizetype left = depth * kIndent; left > 0; left -= kSpaceRun) put(kSpaces, std::min(left, kSpaceRun));
}

// Every value but the first of its container follows a comma; inside a
// container each begins on a line of its own, indented; after a key it
// follows on the key's line.
void JsonStreamWriter::beforeValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (m_hasElements.empty()) return;  // the document's value
  if (m_hasElements.back()) put(",\n", 2);
  m_hasElements.back() = true;
  indent(static_cast<qsizetype>(m_hasElements.size()));
}

void JsonStreamWriter::beginObject() {
  beforeValue();
  put("{\n", 2);
  m_hasElements.push_back(false);
}

// The closing bracket goes on a line of its own at the container's level;
// an empty container is an opening line and that closing one.
void JsonStreamWriter::close(char bracket) {
  const bool any = m_hasElements.back();
  m_hasElements.pop_back();
  if (any) put('\n');
  indent(static_cast<qsizetype>(m_hasElements.size()));
  put(bracket);
}

void JsonStreamWriter::endObject() { close('}'); }

void JsonStreamWriter::beginArray() {
  beforeValue();
  put("[\n", 2);
  m_hasElements.push_back(false);
}

void JsonStreamWriter::endArray() { close(']'); }

void JsonStreamWriter::key(QStringView key) {
  beforeValue();
  putEscaped(key);
  put(": ", 2);
  m_afterKey = true;
}

void JsonStreamWriter::key(QLatin1StringView key) {
  // The program's own keys are plain ASCII without anything to escape.
  beforeValue();
  put('"');
  put(key.data(), key.size());
  put("\": ", 3);
  m_afterKey = true;
}

void JsonStreamWriter::null() {
  beforeValue();
  put("null", 4);
}

void JsonStreamWriter::boolean(bool v) {
  beforeValue();
  v ? put("true", 4) : put("false", 5);
}

void JsonStreamWriter::integer(qint64 v) {
  beforeValue();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  put(digits, end - digits);
}

void JsonStreamWriter::number(double v) {
  if (!std::isfinite(v)) return null();
  // Qt keeps a double that is a whole number it can hold exactly as an
  // integer, and writes it as one.
  const QJsonValue held(v);
  if (held.toVariant().metaType().id() == QMetaType::LongLong) return integer(held.toInteger());
  beforeValue();
  const QByteArray text = QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
  put(text.constData(), text.size());
}

// Qt's escaping: the quote, the backslash and the control characters are
// escaped (\b \f \n \r \t, the others as \u00xx), a surrogate that is not
// half of a pair as \uxxxx; every other character goes as UTF-8.
void JsonStreamWriter::putEscaped(QStringView s) {
  put('"');
  const char16_t* p = s.utf16();
  const char16_t* const end = p + s.size();
  while (p < end) {
    // Room for the longest form of one character.
    if (static_cast<qsizetype>(m_buffer.size()) - m_pos < 8) flush();
    char* out = m_buffer.data() + m_pos;
    const char16_t c = *p++;
    if (c < 0x80) {
      const char escape = c == '"' ? '"' : c == '\\' ? '\\' : c == '\b' ? 'b' : c == '\f' ? 'f'
                          : c == '\n' ? 'n' : c == '\r' ? 'r' : c == '\t' ? 't' : 0;
      if (escape) {
        out[0] = '\\', out[1] = escape, m_pos += 2;
      } else if (c < 0x20) {
        std::memcpy(out, "\\u00", 4);
        out[4] = kHex[c >> 4], out[5] = kHex[c & 0xf], m_pos += 6;
      } else {
        out[0] = static_cast<char>(c), m_pos += 1;
      }
    } else if (c < 0x800) {
      out[0] = static_cast<char>(0xc0 | (c >> 6)), out[1] = static_cast<char>(0x80 | (c & 0x3f)), m_pos += 2;
    } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
      const char32_t u = QChar::surrogateToUcs4(c, *p++);
      out[0] = static_cast<char>(0xf0 | (u >> 18)), out[1] = static_cast<char>(0x80 | ((u >> 12) & 0x3f));
      out[2] = static_cast<char>(0x80 | ((u >> 6) & 0x3f)), out[3] = static_cast<char>(0x80 | (u & 0x3f));
      m_pos += 4;
    } else if (QChar::isSurrogate(c)) {
      out[0] = '\\', out[1] = 'u';
      for (int i = 0; i < 4; ++i) out[2 + i] = kHex[(c >> (12 - 4 * i)) & 0xf];
      m_pos += 6;
    } else {
      out[0] = static_cast<char>(0xe0 | (c >> 12)), out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3f));
      out[2] = static_cast<char>(0x80 | (c & 0x3f)), m_pos += 3;
    }
  }
  put('"');
}

void JsonStreamWriter::string(QStringView s) {
  beforeValue();
  putEscaped(s);
}

void JsonStreamWriter::rawString(const QByteArray& written) {
  beforeValue();
  put(written.constData(), written.size());
}

QByteArray JsonStreamWriter::escaped(QStringView s) {
  QByteArray out;
  JsonStreamWriter writer([&out](const char* data, qsizetype size) { out.append(data, size); }, 64);
  writer.putEscaped(s);
  writer.flush();
  return out;
}

// Qt leaves out of an object a member whose value is undefined.
bool JsonStreamWriter::dropped(const QVariant& v) {
  return v.metaType().id() == QMetaType::QJsonValue && v.value<QJsonValue>().isUndefined();
}

void JsonStreamWriter::writeVariant(const QVariant& v) {
  switch (v.metaType().id()) {
    case QMetaType::QVariantMap: {
      const QVariantMap map = v.toMap();
      beginObject();
      for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (dropped(it.value())) continue;
        key(QStringView(it.key()));
        writeVariant(it.value());
      }
      endObject();
      return;
    }
    case QMetaType::QVariantHash: {
      // A JSON object keeps its keys in the order of a map's.
      const QVariantHash hash = v.toHash();
      QStringList keys = hash.keys();
      std::sort(keys.begin(), keys.end());
      beginObject();
      for (const QString& k : keys) {
        const QVariant& value = *hash.constFind(k);
        if (dropped(value)) continue;
        key(QStringView(k));
        writeVariant(value);
      }
      endObject();
      return;
    }
    case QMetaType::QVariantList: {
      const QVariantList list = v.toList();
      beginArray();
      for (const QVariant& item : list) writeVariant(item);
      endArray();
      return;
    }
    case QMetaType::QStringList: {
      const QStringList list = v.toStringList();
      beginArray();
      for (const QString& item : list) string(item);
      endArray();
      return;
    }
    case QMetaType::Double:
    case QMetaType::Float: return number(v.toDouble());
    case QMetaType::Bool: return boolean(v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong: return integer(v.toLongLong());
    case QMetaType::QString: return string(v.toString());
    case QMetaType::UnknownType: return null();
    default: return writeJsonValue(QJsonValue::fromVariant(v));
  }
}

void JsonStreamWriter::writeJsonValue(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Bool: return boolean(v.toBool());
    case QJsonValue::Double:
      if (v.toVariant().metaType().id() == QMetaType::LongLong) return integer(v.toInteger());
      return number(v.toDouble());
    case QJsonValue::String: return string(v.toString());
    case QJsonValue::Array: {
      const QJsonArray array = v.toArray();
      beginArray();
      for (const QJsonValue& item : array) writeJsonValue(item);
      endArray();
      return;
    }
    case QJsonValue::Object: {
      const QJsonObject object = v.toObject();
      beginObject();
      for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        key(QStringView(it.key()));
        writeJsonValue(it.value());
      }
      endObject();
      return;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined: return null();
  }
}

void JsonStreamWriter::finish() {
  put('\n');
  flush();
}
