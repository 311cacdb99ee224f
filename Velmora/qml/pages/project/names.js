.pragma library

// Names the user gives to settings profiles and library items.

// The value as text, "" for a missing one.
function text(x) {
    return (x === undefined || x === null) ? "" : String(x)
}

// The value as trimmed text, "" for a missing one.
function trimmed(x) {
    return text(x).trim()
}

// The longest name (trimmed) a new profile, range or folder may have, in
// characters as the user sees them. Names stored before the bound are kept,
// read and shown as they are.
var MAX_NAME_LENGTH = 100

// The characters a user sees in a text: its grapheme clusters as the back
// end counts them (e and a combining accent are one, so is a flag or an
// emoji with its modifiers). Without the back end's count, code points (an
// emoji is one, not two UTF-16 units).
function shownLength(value, controller) {
    var s = text(value)
    if (controller && typeof controller.graphemeCount === "function") {
        var n = Number(controller.graphemeCount(s))
        if (isFinite(n) && n >= 0)
            return n
    }
    return [...s].length  // spread walks code points
}

function isTooLong(name, controller) {
    return shownLength(trimmed(name), controller) > MAX_NAME_LENGTH
}

// Maps keyed by names and ids. Any text may be a key, "__proto__",
// "constructor" and "hasOwnProperty" included, so a key is never looked up
// through the prototype chain nor written by plain assignment (which would
// set the prototype for "__proto__").

// An empty map without a prototype: no key is present that was not put.
function emptyMap() {
    return Object.create(null)
}

// True when the map holds the key as its own entry.
function has(map, key) {
    return map !== null && map !== undefined && typeof map === "object"
           && Object.prototype.hasOwnProperty.call(map, key)
}

// The map's own entry for the key, or undefined.
function get(map, key) {
    return has(map, key) ? map[key] : undefined
}

// Sets the map's own entry for the key, whatever the key is.
function put(map, key, value) {
    Object.defineProperty(map, String(key), { value: value, writable: true, enumerable: true, configurable: true })
    return map
}

// The wanted name trimmed when no taken name equals it, else the first free
// "name (k)" for k = 2, 3, ...; "" stays "". Names compare exactly.
function uniqueName(takenNames, wanted) {
    var base = trimmed(wanted)
    if (base.length === 0)
        return ""
    var taken = emptyMap()
    var list = takenNames || []
    for (var i = 0; i < list.length; ++i) {
        var n = text(list[i])
        if (n.length > 0)
            put(taken, n, true)
    }
    if (!has(taken, base))
        return base
    for (var k = 2; ; ++k) {
        var candidate = base + " (" + k + ")"
        if (!has(taken, candidate))
            return candidate
    }
}

// The names of the direct members of a list of records.
function namesOf(records) {
    var out = []
    var list = records || []
    for (var i = 0; i < list.length; ++i) {
        if (list[i] !== null && list[i] !== undefined)
            out.push(text(list[i].name))
    }
    return out
}

// The current moment in ISO 8601 UTC with milliseconds ("...T09:15:02.114Z").
function isoNow() {
    return new Date().toISOString()
}
