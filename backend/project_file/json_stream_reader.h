// JSON text read as a stream, a chunk at a time, without a document tree of
// the whole: the caller walks the objects and arrays it cares about member
// by member and element by element, takes the small values it wants as
// QJsonValue and skips the rest.
//
// The text is read by the rules of Qt's own parser (QJsonDocument::fromJson),
// so that what it accepts, refuses and gives is the same: an optional UTF-8
// byte order mark at the very start; blanks are space, tab, newline and
// carriage return; at most 1024 nested containers; the last of two members
// with the same key counts; strings must be valid UTF-8 (raw control
// characters allowed), an escape of an unknown character stands for that
// character, \u escapes give UTF-16 code units as they are (a surrogate
// without its other half included); numbers as Qt scans and converts them
// (a whole number as an integer where it fits 64 bits, "1." and ".5"
// accepted, anything beyond a double's range refused); nothing but blanks
// after the document's value. One oddity of Qt's is kept too: a string
// without escapes whose text begins with a byte order mark reads without it,
// and as a key it then matches no name looked up (keyIs() is false for it),
// although a map made of its object shows the key without the mark.
#pragma once

#include <QJsonValue>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <functional>
#include <string>
#include <vector>

class JsonStreamReader {
 public:
  // The text is not JSON as Qt reads it.
  struct SyntaxError {};

  // Fills `buffer` with up to `capacity` bytes and returns how many, 0 at the
  // end of the text. It may throw to end the reading (a failed read, a
  // cancel); the exception reaches the caller of the reader.
  using Source = std::function<qsizetype(char* buffer, qsizetype capacity)>;

  enum class Kind { Object, Array, String, Number, Bool, Null };

  explicit JsonStreamReader(Source source, qsizetype chunkBytes = qsizetype(1) << 20);

  // The document's start: the byte order mark and blanks, then the kind of
  // its value. Nothing of the value is read.
  Kind beginDocument();
  // After the document's value: only blanks up to the end.
  void endDocument();

  // The kind of the value that comes next (the document's, a member's after
  // nextMember(), an element's after nextElement()).
  Kind peek();
  // Steps into the object or array that comes next.
  void enterObject();
  void enterArray();
  // Inside an object: true with the next member's key read (see key()),
  // false at the object's end, which is then left.
  bool nextMember();
  // The current member's key; valid until the reader goes on.
  bool keyIs(QLatin1StringView name) const;
  QString key() const;
  // The key began with a byte order mark (see above): no name matches it.
  bool keyIsHidden() const { return m_keyHidden; }
  // Inside an array: true when another element follows, false at the
  // array's end, which is then left.
  bool nextElement();

  // The value that comes next, whole, as Qt's parser would give it.
  QJsonValue readValue();
  // Reads past the value that comes next (checking it all the same).
  void skipValue();

  // Bytes taken from the source so far.
  qint64 consumed() const { return m_consumed; }

 private:
  // --- bytes ---
  bool fill();
  int peekByte() { return m_pos < m_end || fill() ? static_cast<unsigned char>(*m_pos) : -1; }
  int nextByte() { return m_pos < m_end || fill() ? static_cast<unsigned char>(*m_pos++) : -1; }
  int peekAfterBlanks();
  void expect(char c);
  [[noreturn]] static void fail();

  // --- containers ---
  void open(bool object);
  void close() { m_levels.pop_back(); }

  // --- values ---
  // Reads a string into the scratch text (or, when it is plain ASCII and
  // lies whole in the buffer, just marks it there).
  void readString();
  QStringView scratchView() const;
  void readNumber(QJsonValue* out);
  void readLiteral(const char* rest);
  QJsonValue stringValue();
  QJsonValue readAnyValue();
  void keepCaptured();

  Source m_source;
  std::vector<char> m_buffer;
  const char* m_pos = nullptr;
  const char* m_end = nullptr;
  qint64 m_consumed = 0;
  bool m_atEnd = false;
  // The open containers, outermost first.
  struct Level {
    bool object = false;
    bool first = true;  // no element read yet
  };
  std::vector<Level> m_levels;
  // The last string read: a run of ASCII bytes still in the buffer, or
  // UTF-16 code units in the scratch.
  const char* m_asciiText = nullptr;
  qsizetype m_asciiSize = 0;
  std::u16string m_wide;
  bool m_stripped = false;  // the last string lost a byte order mark
  bool m_keyHidden = false;
  std::string m_number;
  // The text of the value readValue() is reading, kept for Qt's parser when
  // it holds a hidden key.
  bool m_capturing = false;
  bool m_hiddenSeen = false;
  const char* m_captureFrom = nullptr;
  QByteArray m_captured;
};
