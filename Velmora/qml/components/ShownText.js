.pragma library

// Text from a file or from the user as the interface shows it in a message,
// a list or a dialog: every character that could act on the text around it
// is written out as "<U+XXXX>". Those are the control characters (line
// breaks included), the directional formatting characters (marks,
// embeddings, overrides and isolates) and the line and paragraph
// separators; a right-to-left override in a name would otherwise reverse
// the message that quotes it. Letters of every script stay as they are.
// The back end shows the texts its messages quote in the same way.

// The same characters as actsOnItsSurroundings in backend/shown_text.cpp: a
// change here is made there too.
var ACTING = /[\u0000-\u001F\u007F-\u009F\u061C\u200E\u200F\u202A-\u202E\u2066-\u2069\u2028\u2029]/g

function _codePoint(ch) {
    var hex = ch.charCodeAt(0).toString(16).toUpperCase()
    while (hex.length < 4)
        hex = "0" + hex
    return "<U+" + hex + ">"
}

// The value as text ("" for a missing one), escaped as above.
function escaped(x) {
    var s = (x === undefined || x === null) ? "" : String(x)
    return s.replace(ACTING, _codePoint)
}

// A piece of a typed text as a message quotes it: cut to 24 characters with
// an ellipsis (a pasted text can be any length), then escaped, as the back
// end's messages quote one.
function piece(x) {
    var s = (x === undefined || x === null) ? "" : String(x)
    var shown = 24
    if (s.length > shown) {
        var cut = shown - 1
        if (/[\uD800-\uDBFF]/.test(s.charAt(cut - 1)))
            --cut
        s = s.slice(0, cut) + "\u2026"
    }
    return escaped(s)
}
