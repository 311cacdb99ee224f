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

// The wanted name trimmed when no taken name equals it, else the first free
// "name (k)" for k = 2, 3, ...; "" stays "". Names compare exactly.
function uniqueName(takenNames, wanted) {
    var base = trimmed(wanted)
    if (base.length === 0)
        return ""
    var taken = ({})
    var list = takenNames || []
    for (var i = 0; i < list.length; ++i) {
        var n = text(list[i])
        if (n.length > 0)
            taken[n] = true
    }
    if (!taken.hasOwnProperty(base))
        return base
    for (var k = 2; ; ++k) {
        var candidate = base + " (" + k + ")"
        if (!taken.hasOwnProperty(candidate))
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
