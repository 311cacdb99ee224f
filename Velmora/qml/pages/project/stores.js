.pragma library

.import "names.js" as Names

// The Setup page keeps its profiles, Custom trees and overrides as JSON text
// in the per-user settings. A stored text that cannot be read, or whose
// value is not in the store's form (so that reading it would drop or change
// entries), is never written over: before the page stores anything under its
// key, the text is copied to a backup key beside it, and the page goes on
// with a fresh store.

// True for an empty text or one of blanks only. A large stored text is
// not copied to find that out: only a text that begins with a blank is
// trimmed.
function _blank(text) {
    return text.length === 0 || (text.charAt(0).trim().length === 0 && text.trim().length === 0)
}

// The stored value read back: {state, value}. state is "blank" for an empty
// or blank text, "unreadable" for text that is not JSON or whose value
// `accepts` refuses, else "ok" with the parsed value.
function read(stored, accepts) {
    var text = Names.text(stored)
    if (_blank(text))
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

// Brings one store in line with this window (see storemerge.js). `form`
// describes the store: accepts(value) (the stored value is in the store's
// form), clean(value), empty(), merge(base, mine, stored), same(a, b) and
// text(value, stored, storedText) (the value's text; storedText, where
// given, is the text of the value `stored`, whose entries `value` may
// share). `known` is what this window last read or wrote under the key
// ({text, state, stored, base}, as returned below; undefined before the
// first read; `exact` when its text is the text of its value): while the
// stored text is still that text it is not read again, and while `mine`,
// the window's value now, is still the very value
// the window was given (`known.base`, which the page replaces and never
// changes in place) the window has changed nothing and what is stored
// stands. Returns {state, value, text, write, known}: the state of the
// stored text (see read), the merged value, the text to store, whether to
// store it, and what this window then knows of the store. `mode` says when
// the text is stored: "start" rewrites a readable store in clean form and
// leaves any other as it is; "save" stores only a change against what is
// stored (a store that could not be read counts as empty); "force" stores
// whatever differs; "read" stores nothing (the window takes what is stored,
// where it cannot write).
function reconcile(storedText, form, known, mine, mode) {
    var raw = Names.text(storedText)
    var same = known !== undefined && known.text === raw
    var state, stored
    if (same) {
        state = known.state
        stored = known.stored
    } else {
        var r = read(raw, form.accepts)
        state = r.state
        stored = r.state === "ok" ? form.clean(r.value) : form.empty()
    }
    var unchanged = known !== undefined && mine === known.base
    var merged = unchanged ? stored
               : form.merge(known === undefined ? form.empty() : known.base, form.clean(mine), stored)
    // The text is made only where it is needed: a large store takes a while.
    // A stored text known to be the text of its value (`exact`) is compared
    // as text, which is quicker than walking the value, and where neither
    // the store nor the window changed it is the text of the result as well.
    var exact = same && known.exact === true
    var text = (mode === "save" || mode === "read") && !exact ? null
             : exact && unchanged ? raw
             : exact ? form.text(merged, stored, raw) : form.text(merged)
    var write = mode === "save" ? (exact ? text !== raw : !form.same(merged, stored))
              : mode === "force" ? text !== raw
              : mode === "start" && state === "ok" && text !== raw
    if (write && text === null)
        text = form.text(merged)
    var now = write ? { text: text, state: _blank(text) ? "blank" : "ok", stored: merged, base: merged,
                        exact: true }
                    : { text: raw, state: state, stored: stored, base: merged,
                        exact: exact || (text !== null && text === raw) }
    return { state: state, value: merged, text: text === null ? "" : text, write: write, known: now }
}

// The JSON text of the list `value`. Where the list begins with the very
// entries of the list `stored`, whose JSON text `storedText` is, that text
// is kept and only the entries after them are made into text: a profile
// saved into a long list writes the one new profile, not all of them again.
function listText(value, stored, storedText) {
    var kept = Array.isArray(stored) && stored.length > 0 && value.length >= stored.length
               && typeof storedText === "string" && storedText.charAt(storedText.length - 1) === "]"
    for (var i = 0; kept && i < stored.length; ++i)
        kept = value[i] === stored[i]
    if (!kept)
        return JSON.stringify(value)
    if (value.length === stored.length)
        return storedText
    // In place of the closing bracket, in one step: a large text is not
    // copied twice. The replacement is given by a function, so that a "$"
    // in a name is never read as a pattern.
    var tail = "," + JSON.stringify(value.slice(stored.length)).slice(1)
    return storedText.replace(/\]$/, function() { return tail })
}
