#include "backend/project_file/json_stream_reader.h"

#include <QByteArrayView>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Qt refuses a document nested deeper than this.
constexpr std::size_t kMaxDepth = 1024;

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

int hexValue(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number Qt holds as a double that is a whole number in 64-bit range, it
// keeps as an integer.
bool wholeInt64(double d, qint64& n) {
  if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0) || std::trunc(d) != d) return false;
  n = static_cast<qint64>(d);
  return true;
}

}  // namespace

JsonStreamReader::JsonStreamReader(Source source, qsizetype chunkBytes)
    : m_source(std::move(source)), m_buffer(static_cast<std::size_t>(std::max<qsizetype>(chunkBytes, 1))) {
  m_pos = m_end = m_buffer.data();
}

void JsonStreamReader::fail() { throw SyntaxError{}; }

bool JsonStreamReader::fill() {
  if (m_atEnd) return false;
  // A string marked in the buffer is about to be overwritten: keep it.
  if (m_asciiText) {
    m_wide.assign(m_asciiText, m_asciiText + m_asciiSize);
    m_asciiText = nullptr;
  }
  keepCaptured();
  const qsizetype n = m_source(m_buffer.data(), static_cast<qsizetype>(m_buffer.size()));
  m_pos = m_buffer.data();
  if (n <= 0) {
    m_atEnd = true;
    m_end = m_pos;
    return false;
  }
  m_consumed += n;
  m_end = m_pos + n;
  if (m_capturing) m_captureFrom = m_pos;
  return true;
}

void JsonStreamReader::keepCaptured() {
  if (!m_capturing) return;
  m_captured.append(m_captureFrom, m_pos - m_captureFrom);
  m_captureFrom = m_pos;
}

int JsonStreamReader::peekAfterBlanks() {
  while (true) {
    while (m_pos < m_end && isBlank(static_cast<unsigned char>(*m_pos))) ++m_pos;
    if (m_pos < m_end) return static_cast<unsigned char>(*m_pos);
    if (!fill()) return -1;
  }
}

void JsonStreamReader::expect(char c) {
  if (peekAfterBlanks() != static_cast<unsigned char>(c)) fail();
  ++m_pos;
}

JsonStreamReader::Kind JsonStreamReader::beginDocument() {
  // A byte order mark counts only as the very first bytes.
  if (peekByte() == 0xEF) {
    ++m_pos;
    if (nextByte() != 0xBB || nextByte() != 0xBF) fail();
  }
  const int c = peekAfterBlanks();
  if (c != '{' && c != '[') fail();
  return c == '{' ? Kind::Object : Kind::Array;
}

void JsonStreamReader::endDocument() {
  if (peekAfterBlanks() != -1) fail();
}

JsonStreamReader::Kind JsonStreamReader::peek() {
  switch (peekAfterBlanks()) {
    case '{': return Kind::Object;
    case '[': return Kind::Array;
    case '"': return Kind::String;
    case 't':
    case 'f': return Kind::Bool;
    case 'n': return Kind::Null;
    // Qt reads anything else as a number, which may then be refused.
    default: return Kind::Number;
  }
}

void JsonStreamReader::open(bool object) {
  if (m_levels.size() >= kMaxDepth) fail();
  m_levels.push_back(Level{object, true});
}

void JsonStreamReader::enterObject() {
  expect('{');
  open(true);
}

void JsonStreamReader::enterArray() {
  expect('[');
  open(false);
}

bool JsonStreamReader::nextMember() {
  int c = peekAfterBlanks();
  if (c == '}') {
    ++m_pos;
    close();
    return false;
  }
  if (m_levels.back().first) {
    m_levels.back().first = false;
  } else {
    // A comma, and a member after it.
    if (c != ',') fail();
    ++m_pos;
    c = peekAfterBlanks();
  }
  if (c != '"') fail();
  readString();
  m_keyHidden = m_stripped;
  if (m_keyHidden) m_hiddenSeen = true;
  expect(':');
  return true;
}

bool JsonStreamReader::nextElement() {
  const int c = peekAfterBlanks();
  if (c == ']') {
    ++m_pos;
    close();
    return false;
  }
  if (m_levels.back().first) {
    m_levels.back().first = false;
    return true;
  }
  if (c != ',') fail();
  ++m_pos;
  return true;
}

QStringView JsonStreamReader::scratchView() const {
  return QStringView(m_wide.data(), static_cast<qsizetype>(m_wide.size()));
}

bool JsonStreamReader::keyIs(QLatin1StringView name) const {
  if (m_keyHidden) return false;
  if (m_asciiText) return QLatin1StringView(m_asciiText, m_asciiSize) == name;
  return scratchView() == name;
}

QString JsonStreamReader::key() const {
  if (m_asciiText) return QString::fromLatin1(m_asciiText, m_asciiSize);
  return scratchView().toString();
}

// Reads the string that begins here (its opening quote). Plain ASCII that
// lies whole in the buffer is only marked; anything else is decoded into
// the scratch, by Qt's rules: escapes of the JSON kind, \u as a UTF-16 code
// unit, an escaped other byte as the character of that byte, raw bytes
// below 0x80 as they are and longer ones as strict UTF-8. A string without
// any escape loses one byte order mark at its start, as Qt's conversion
// from UTF-8 drops it.
void JsonStreamReader::readString() {
  m_asciiText = nullptr;
  m_stripped = false;
  ++m_pos;  // the opening quote
  for (const char* p = m_pos; p < m_end; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"') {
      m_asciiText = m_pos;
      m_asciiSize = p - m_pos;
      m_pos = p + 1;
      return;
    }
    if (c == '\\' || c >= 0x80) break;
  }
  m_wide.clear();
  bool escapes = false;
  while (true) {
    // A run of plain bytes at once.
    const char* run = m_pos;
    while (run < m_end) {
      const unsigned char c = static_cast<unsigned char>(*run);
      if (c == '"' || c == '\\' || c >= 0x80) break;
      ++run;
    }
    m_wide.append(m_pos, run);
    m_pos = run;
    const int c = nextByte();
    if (c < 0) fail();
    if (c == '"') {
      if (!escapes && !m_wide.empty() && m_wide.front() == u'\uFEFF') {
        m_wide.erase(0, 1);
        m_stripped = true;
      }
      return;
    }
    if (c == '\\') {
      escapes = true;
      const int e = nextByte();
      switch (e) {
        case -1: fail();
        case 'b': m_wide.push_back(u'\b'); break;
        case 'f': m_wide.push_back(u'\f'); break;
        case 'n': m_wide.push_back(u'\n'); break;
        case 'r': m_wide.push_back(u'\r'); break;
        case 't': m_wide.push_back(u'\t'); break;
        case 'u': {
          char16_t unit = 0;
          for (int i = 0; i < 4; ++i) {
            const int h = hexValue(nextByte());
            if (h < 0) fail();
            unit = static_cast<char16_t>((unit << 4) | h);
          }
          m_wide.push_back(unit);
          break;
        }
        default: m_wide.push_back(static_cast<char16_t>(e));  // '"', '\\', '/' and any other byte
      }
      continue;
    }
    if (c < 0x80) {
      m_wide.push_back(static_cast<char16_t>(c));
      continue;
    }
    // UTF-8: no overlong form, no surrogate, nothing past U+10FFFF.
    int more = 0;
    char32_t u = 0;
    int low = 0x80, high = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      more = 1, u = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2, u = c & 0x0F;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3, u = c & 0x07;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      fail();
    }
    for (int i = 0; i < more; ++i) {
      const int b = nextByte();
      if (b < (i == 0 ? low : 0x80) || b > (i == 0 ? high : 0xBF)) fail();
      u = (u << 6) | static_cast<char32_t>(b & 0x3F);
    }
    if (u >= 0x10000) {
      m_wide.push_back(QChar::highSurrogate(u));
      m_wide.push_back(QChar::lowSurrogate(u));
    } else {
      m_wide.push_back(static_cast<char16_t>(u));
    }
  }
}

QJsonValue JsonStreamReader::stringValue() {
  readString();
  if (m_asciiText) return QJsonValue(QLatin1StringView(m_asciiText, m_asciiSize));
  return QJsonValue(scratchView().toString());
}

// As Qt scans a number: a minus, one 0 or a run of digits, a point and
// digits, an exponent with its sign and digits, each part optional. A text
// without point or exponent that fits 64 bits is an integer; any other is
// converted as Qt converts it (failing beyond a double's range), and a whole
// number in 64-bit range is kept as an integer.
void JsonStreamReader::readNumber(QJsonValue* out) {
  m_number.clear();
  bool isInt = true;
  if (peekByte() == '-') m_number.push_back(static_cast<char>(nextByte()));
  if (peekByte() == '0') {
    m_number.push_back(static_cast<char>(nextByte()));
  } else {
    while (isDigit(peekByte())) m_number.push_back(static_cast<char>(nextByte()));
  }
  if (peekByte() == '.') {
    isInt = false;
    m_number.push_back(static_cast<char>(nextByte()));
    while (isDigit(peekByte())) m_number.push_back(static_cast<char>(nextByte()));
  }
  if (peekByte() == 'e' || peekByte() == 'E') {
    isInt = false;
    m_number.push_back(static_cast<char>(nextByte()));
    if (peekByte() == '-' || peekByte() == '+') m_number.push_back(static_cast<char>(nextByte()));
    while (isDigit(peekByte())) m_number.push_back(static_cast<char>(nextByte()));
  }
  const QByteArrayView text(m_number.data(), static_cast<qsizetype>(m_number.size()));
  if (isInt) {
    const qsizetype digits = text.size() - (text.startsWith('-') ? 1 : 0);
    if (digits > 0 && digits <= 18) {
      // Fits without overflow: the digits' value, as Qt's conversion gives it.
      qint64 n = 0;
      for (qsizetype i = text.size() - digits; i < text.size(); ++i) n = n * 10 + (text[i] - '0');
      if (out) *out = QJsonValue(text.startsWith('-') ? -n : n);
      return;
    }
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    if (ok) {
      if (out) *out = QJsonValue(static_cast<qint64>(n));
      return;
    }
  }
  bool ok = false;
  const double d = text.toDouble(&ok);
  if (!ok) fail();
  if (!out) return;
  qint64 n = 0;
  *out = wholeInt64(d, n) ? QJsonValue(n) : QJsonValue(d);
}

void JsonStreamReader::readLiteral(const char* rest) {
  ++m_pos;  // its first letter, already seen
  for (; *rest; ++rest) {
    if (nextByte() != static_cast<unsigned char>(*rest)) fail();
  }
}

QJsonValue JsonStreamReader::readValue() {
  const Kind kind = peek();
  if (m_capturing || (kind != Kind::Object && kind != Kind::Array)) return readAnyValue();
  // An object with a hidden key cannot be built by inserting its members:
  // the text goes to Qt's parser instead.
  m_capturing = true;
  m_hiddenSeen = false;
  m_captureFrom = m_pos;
  m_captured.clear();
  QJsonValue value;
  try {
    value = readAnyValue();
  } catch (...) {
    m_capturing = false;
    throw;
  }
  // Only a value with a hidden key needs its text: the part of it still in
  // the buffer is not copied otherwise.
  if (!m_hiddenSeen) {
    m_capturing = false;
    m_captured.clear();
    return value;
  }
  keepCaptured();
  m_capturing = false;
  m_captured.prepend('[').append(']');
  const QJsonDocument document = QJsonDocument::fromJson(m_captured);
  if (!document.isArray()) fail();
  return document.array().at(0);
}

QJsonValue JsonStreamReader::readAnyValue() {
  switch (peek()) {
    case Kind::Object: {
      enterObject();
      QJsonObject object;
      QVarLengthArray<char16_t, 32> name;
      while (nextMember()) {
        if (m_asciiText) {
          name.resize(m_asciiSize);
          std::copy(m_asciiText, m_asciiText + m_asciiSize, name.begin());
        } else {
          name.resize(static_cast<qsizetype>(m_wide.size()));
          std::copy(m_wide.begin(), m_wide.end(), name.begin());
        }
        QJsonValue value = readAnyValue();
        object.insert(QStringView(name.constData(), name.size()), value);
      }
      return object;
    }
    case Kind::Array: {
      enterArray();
      QJsonArray array;
      while (nextElement()) array.append(readAnyValue());
      return array;
    }
    case Kind::String: return stringValue();
    case Kind::Bool: {
      const bool value = *m_pos == 't';
      readLiteral(value ? "rue" : "alse");
      return QJsonValue(value);
    }
    case Kind::Null: readLiteral("ull"); return QJsonValue(QJsonValue::Null);
    case Kind::Number: break;
  }
  QJsonValue number;
  readNumber(&number);
  return number;
}

void JsonStreamReader::skipValue() {
  // Without building anything, and without recursion: the open containers
  // are the reader's own levels.
  const std::size_t depth = m_levels.size();
  do {
    if (m_levels.size() > depth) {
      // Inside a container being skipped: its next member or element.
      if (m_levels.back().object ? !nextMember() : !nextElement()) continue;
    }
    switch (peek()) {
      case Kind::Object: enterObject(); break;
      case Kind::Array: enterArray(); break;
      case Kind::String: readString(); break;
      case Kind::Bool: readLiteral(*m_pos == 't' ? "rue" : "alse"); break;
      case Kind::Null: readLiteral("ull"); break;
      case Kind::Number: readNumber(nullptr); break;
    }
  } while (m_levels.size() > depth);
}
