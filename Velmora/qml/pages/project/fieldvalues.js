.pragma library

// Values of the Setup page's number fields: how a committed text becomes a
// number and how a number is shown. Numbers are written with a point
// whatever the locale; a comma is never read as a decimal mark or a group
// separator.

// The shortest decimal text that reads back as `v` ("5", "2.5", "0.1"),
// never in exponent form; "" for a value that is not a finite number.
function shortestText(v) {
    var n = Number(v)
    if (v === null || v === undefined || v === "" || !isFinite(n))
        return ""
    var s = String(n)
    if (s.indexOf("e") < 0)
        return s
    if (Math.abs(n) >= 1e21)
        return s
    return n.toFixed(20).replace(/0+$/, "").replace(/\.$/, "")
}

// The integer shown for an int property; "" when it is not a number.
function integerText(v) {
    var n = Number(v)
    return (v === null || v === undefined || !isFinite(n)) ? "" : String(Math.trunc(n))
}

// Digits with at most one decimal point and an optional sign: the only form
// a decimal field commits.
function isPlainNumber(text) {
    var t = (text === undefined || text === null) ? "" : String(text).trim()
    return /^[+-]?(\d+\.?\d*|\.\d+)$/.test(t)
}

// A text of digits alone (a sign allowed) whose number lies in [min, max]:
// the only form a whole-number field commits.
function isWholeNumberIn(text, min, max) {
    var t = (text === undefined || text === null) ? "" : String(text).trim()
    if (!/^[+-]?\d+$/.test(t))
        return false
    var n = parseInt(t, 10)
    return n >= min && n <= max
}

// The digits after the point of a plain number ("1.250" has 3).
function decimalCount(text) {
    var t = (text === undefined || text === null) ? "" : String(text).trim()
    var point = t.indexOf(".")
    return point < 0 ? 0 : t.length - point - 1
}

// A plain number (isPlainNumber) with at most `decimals` digits after the
// point whose value lies in [min, max]: the only form a decimal field commits.
function isDecimalIn(text, min, max, decimals) {
    if (!isPlainNumber(text) || decimalCount(text) > decimals)
        return false
    var n = parseFloat(String(text).trim())
    return n >= min && n <= max
}

// Whether the text holds a decimal mark, a point or a comma.
function hasDecimalMark(text) {
    return /[.,]/.test((text === undefined || text === null) ? "" : String(text))
}

// The value a field commits: the leading integer (or decimal number) of the
// text clamped to [min, max], or `fallback` when the text holds no number.
function committedValue(text, integer, min, max, fallback) {
    var t = (text === undefined || text === null) ? "" : String(text).trim()
    var n = integer ? parseInt(t, 10) : parseFloat(t)
    if (!isFinite(n))
        return fallback
    return Math.min(max, Math.max(min, n))
}
