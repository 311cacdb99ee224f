.pragma library

.import "rangelibrary.js" as Library
.import "names.js" as Names

// Developer overrides of the built-in range libraries (a map from a range's
// path key to the text that replaces its value) and the export of both
// libraries in the formats of the shipped tables.

// A clean map from an object or a list of {key, value}: keys trimmed, blank
// keys, blank values and values that are not texts dropped; later entries
// win.
function sanitizeMap(obj) {
    var out = ({})
    if (obj === null || obj === undefined || typeof obj !== "object")
        return out
    if (Library.isList(obj)) {
        for (var i = 0; i < obj.length; ++i) {
            var e = obj[i]
            if (e === null || e === undefined || typeof e !== "object")
                continue
            _put(out, e.key, e.value)
        }
        return out
    }
    var keys = Object.keys(obj)
    for (var k = 0; k < keys.length; ++k)
        _put(out, keys[k], obj[keys[k]])
    return out
}

function _put(map, key, value) {
    var k = Names.trimmed(key)
    if (k.length > 0 && typeof value === "string" && value.trim().length > 0)
        Names.put(map, k, value)
}

function _isEntry(key, value) {
    return typeof key === "string" && key.trim().length > 0 && typeof value === "string" && value.trim().length > 0
}

// True when the stored value is an override map in a form this page reads
// without dropping anything: an object of texts by key, or a list of
// {key, value} records of texts, keys and values not blank.
function isStoreForm(value) {
    if (value === null || typeof value !== "object")
        return false
    if (!Array.isArray(value)) {
        var keys = Object.keys(value)
        for (var k = 0; k < keys.length; ++k) {
            if (!_isEntry(keys[k], value[keys[k]]))
                return false
        }
        return true
    }
    for (var i = 0; i < value.length; ++i) {
        var e = value[i]
        if (e === null || typeof e !== "object" || Array.isArray(e) || !_isEntry(e.key, e.value)
                || Object.keys(e).length !== 2)
            return false
    }
    return true
}

// A copy of the map with one more entry.
function withEntry(map, key, value) {
    return Names.put(sanitizeMap(map), key, value)
}

// A copy of the tree (same ids) in which the range with that id has the new value.
function updateRangeValueById(nodes, id, value) {
    var out = []
    if (!Library.isList(nodes))
        return out
    var wanted = Names.text(id)
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (!n)
            continue
        if (Library.isFolder(n)) {
            out.push({ id: n.id, type: "folder", name: n.name,
                       children: updateRangeValueById(n.children, wanted, value) })
        } else {
            out.push({ id: n.id, type: "range", name: n.name,
                       value: Names.text(n.id) === wanted ? Names.text(value) : Names.text(n.value) })
        }
    }
    return out
}

// The export form of a tree: folders {type, name, children}, every other
// node {name, value}, no ids.
function stripIds(nodes) {
    var out = []
    if (!Library.isList(nodes))
        return out
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (n === null || n === undefined)
            continue
        if (Library.isFolder(n))
            out.push({ type: "folder", name: Names.text(n.name), children: stripIds(n.children) })
        else
            out.push({ name: Names.text(n.name), value: Names.text(n.value) })
    }
    return out
}

function _topFolder(nodes, name) {
    for (var i = 0; i < nodes.length; ++i) {
        if (Library.isFolder(nodes[i]) && nodes[i].name === name)
            return nodes[i]
    }
    return null
}

// The entry name of a range below a rake folder: the scenario folders
// written the way the Standard table names them.
function _entryName(path, leaf) {
    var rake = Names.trimmed(path[0])
    var name = Names.trimmed(leaf)
    if (rake.length === 0 || name.length === 0)
        return ""
    var below = path.slice(1)
    var rest
    if (below.length === 0) {
        rest = name
    } else if (below[0] === "RFI") {
        rest = "RFI " + name
    } else if (below[0] === "vs RFI") {
        var next = below.length > 1 ? below[1] : ""
        var middle = /^vs .* RFI$/.test(next) ? next.slice(3, next.length - 4).trim() : ""
        rest = middle.length > 0 ? "vs RFI " + middle + ": " + name : "vs RFI " + name
    } else if (below[0] === "vs 3bet" || below[0] === "vs 4bet") {
        rest = below.length > 1 ? Names.trimmed(below[1]) + ": " + name : name
    } else {
        rest = below.join(" / ") + " / " + name
    }
    return rake + " / " + rest
}

function _walk(nodes, path, prefix, out) {
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (Library.isFolder(n)) {
            _walk(n.children, path.concat([n.name]), prefix, out)
            continue
        }
        var name = _entryName(path, n.name)
        if (name.length > 0)
            out.push({ name: prefix.length > 0 ? prefix + " / " + name : name, value: Names.text(n.value) })
    }
}

// The flat {name, value} list of a Standard tree, six-max entries rake by
// rake, then the heads-up ones: the names the Standard table reads.
function flattenStandard(nodes) {
    var tree = Library.sanitizeCustomTree(nodes)
    var out = []
    var games = [[_topFolder(tree, "6-max"), ""], [_topFolder(tree, "Heads up"), "Heads up"]]
    for (var g = 0; g < games.length; ++g) {
        var game = games[g][0]
        if (!game)
            continue
        for (var r = 0; r < game.children.length; ++r) {
            var rake = game.children[r]
            if (Library.isFolder(rake))
                _walk(rake.children, [rake.name], games[g][1], out)
        }
    }
    return out
}

// The two export documents, as the page writes them (two-space indent).
function standardExportText(oopTree, ipTree) {
    return JSON.stringify({ oop: { standard: flattenStandard(oopTree) },
                            ip: { standard: flattenStandard(ipTree) } }, null, 2)
}

function populationExportText(oopTree, ipTree) {
    return JSON.stringify({
        format: "velmora_ranges_export",
        version: 1,
        generatedAt: Names.isoNow(),
        oop: { standard: [], exploit: stripIds(Library.sanitizeCustomTree(oopTree)) },
        ip: { standard: [], exploit: stripIds(Library.sanitizeCustomTree(ipTree)) }
    }, null, 2)
}
