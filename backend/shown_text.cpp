#include "backend/shown_text.h"

#include <QTextBoundaryFinder>

namespace shown_text {
namespace {

// The same characters as ACTING in Velmora/qml/components/ShownText.js: a
// change here is made there too.
bool actsOnItsSurroundings(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F)    // C0 controls, DEL, C1 controls
         || c == 0x061C                          // Arabic letter mark
         || c == 0x200E || c == 0x200F           // left-to-right and right-to-left marks
         || (c >= 0x202A && c <= 0x202E)         // embeddings, overrides and their end
         || (c >= 0x2066 && c <= 0x2069)         // isolates and their end
         || c == 0x2028 || c == 0x2029;          // line and paragraph separators
}

}  // namespace

QString escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (!actsOnItsSurroundings(c)) {
      out.append(ch);
      continue;
    }
    out.append(QStringLiteral("<U+"));
    out.append(QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    out.append(QLatin1Char('>'));
  }
  return out;
}

QString piece(QString text) {
  constexpr qsizetype kShown = 24;
  if (text.size() > kShown) {
    qsizetype cut = kShown - 1;
    if (text.at(cut - 1).isHighSurrogate()) --cut;
    text = text.left(cut) + QChar(0x2026);
  }
  return escaped(text);
}

qsizetype graphemeCount(const QString& text) noexcept {
  try {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1) ++count;
    return count;
  } catch (...) {
    return text.size();
  }
}

}  // namespace shown_text
