// JSON text written as it is produced, in exactly the indented form of Qt's
// own writer (QJsonDocument::toJson(QJsonDocument::Indented)): four spaces a
// level, "key": value, empty containers as an opening line and a closing
// one, numbers and escapes as Qt writes them, a newline at the end. The text
// goes out through a modest buffer, so a document of hundreds of megabytes is
// never held whole, nor is a document tree built for it.
//
// The caller gives the members of an object in the order Qt's JSON objects
// keep them (ascending keys); writeVariant() does that itself for maps.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QStringView>
#include <QVariant>

#include <functional>
#include <vector>

class JsonStreamWriter {
 public:
  // Takes each full buffer (and the rest at finish()); it may throw to end
  // the writing.
  using Sink = std::function<void(const char* data, qsizetype size)>;

  explicit JsonStreamWriter(Sink sink, qsizetype bufferBytes = qsizetype(1) << 20);

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  // The next member's key (inside an object).
  void key(QLatin1StringView key);
  void key(QStringView key);

  void null();
  void boolean(bool v);
  void integer(qint64 v);
  // As Qt writes a number it holds as a double: a whole number up to 2^53
  // as an integer, any other in the shortest form that reads back the same,
  // and a number that is not finite as null.
  void number(double v);
  void string(QStringView s);
  // A string already in its written form, quotes included (see escaped()).
  void rawString(const QByteArray& written);
  // A value converted as Qt converts it (maps and hashes as objects with
  // their keys in order, lists as arrays, numbers that are not finite as
  // null, anything else through QJsonValue::fromVariant). A map member whose
  // value Qt would drop (an undefined JSON value) is left out.
  void writeVariant(const QVariant& v);
  void writeJsonValue(const QJsonValue& v);

  // Ends the document (its closing newline) and hands the rest of the
  // buffer to the sink.
  void finish();

  // A map member Qt leaves out of an object: one whose value is an
  // undefined JSON value.
  static bool dropped(const QVariant& v);
  // The written form of a string, quotes included.
  static QByteArray escaped(QStringView s);

 private:
  void beforeValue();
  void close(char bracket);
  void put(char c) {
    if (m_pos == static_cast<qsizetype>(m_buffer.size())) flush();
    m_buffer[static_cast<std::size_t>(m_pos++)] = c;
  }
  void put(const char* data, qsizetype size);
  void indent(qsizetype depth);
  void putEscaped(QStringView s);
  void flush();

  Sink m_sink;
  std::vector<char> m_buffer;
  qsizetype m_pos = 0;
  // Per open container: whether it has an element yet.
  std::vector<bool> m_hasElements;
  // A key was written and its value is due.
  bool m_afterKey = false;
};
