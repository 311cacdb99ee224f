// Text from a file or from the user as a message of this program quotes it.
#pragma once

#include <QString>

namespace shown_text {

// The text with every character that could act on the message around it
// written out as "<U+XXXX>": the control characters (line breaks included),
// the directional formatting characters (marks, embeddings, overrides and
// isolates) and the line and paragraph separators. Letters of every script
// stay as they are; what remains can reorder nothing outside itself.
QString escaped(const QString& text);

// A piece of a typed text as a message quotes it: cut to 24 characters with
// an ellipsis (a pasted text can be any length), then escaped.
QString piece(QString text);

// The characters a user sees in the text, its grapheme clusters: "é"
// written as e and a combining accent is one, and so is a flag or an emoji
// with its modifiers. Never throws; falls back to the UTF-16 units then.
qsizetype graphemeCount(const QString& text) noexcept;

}  // namespace shown_text
