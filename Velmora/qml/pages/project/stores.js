.pragma library

.import "names.js" as Names

// The Setup page keeps its profiles, Custom trees and overrides as JSON text
// in the per-user settings. A stored text that cannot be read is never
// written over: before the page stores anything under its key, the text is
// copied to a backup key beside it, and the page goes on with a fresh store.

// The stored value read back: {state, value}. state is "blank" for an empty
// or blank text, "unreadable" for text that is not JSON or whose value
// `accepts` refuses, else "ok" with the parsed value.
function read(stored, accepts) {
    var text = Names.text(stored)
    if (text.trim().length === 0)
        return { state: "blank", value: undefined }
    var value
    try {
        value = JSON.parse(text)
    } catch (e) {
        return { state: "unreadable", value: undefined }
    }
    if (typeof accepts === "function" && !accepts(value))
        return { state: "unreadable", value: undefined }
    return { state: "ok", value: value }
}

// The forms the stores hold: a list (profiles, Custom trees) or a map or
// list of entries (overrides).
function isList(value) {
    return Array.isArray(value)
}

function isMapOrList(value) {
    return value !== null && typeof value === "object"
}

// The backup keys of a store key, in the order they are used.
function backupKey(key, n) {
    return key + "Backup" + (n > 1 ? String(n) : "")
}

// Copies the text of `key` to its first backup key that is still free, or
// finds the one that already holds this very text (a store read again
// before anything replaced it); returns that backup key. An earlier backup
// of another text is never written over.
function keepAside(settings, key, text) {
    var kept = Names.text(text)
    for (var n = 1; ; ++n) {
        var backup = backupKey(key, n)
        var held = Names.text(settings.value(backup, ""))
        if (held === kept)
            return backup
        if (held.length === 0) {
            settings.setValue(backup, kept)
            settings.sync()
            return backup
        }
    }
}
