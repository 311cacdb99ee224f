.pragma library

.import "names.js" as Names

// Several windows of the program share the per-user settings. A window keeps
// each store as it last read or wrote it (its base) and, when it stores,
// reads the store again and applies to that only what it changed since its
// base: entries another window stored meanwhile stay, and entries it removed
// stay removed. The three forms: a list of records with ids (profiles), a
// tree of nodes with ids (Custom ranges) and a map of keys (overrides).

// True when two stored values (JSON data: lists, maps, texts, numbers,
// flags, null) hold the same. Values shared between them are not walked.
function same(a, b) {
    if (a === b)
        return true
    if (a === null || b === null || typeof a !== "object" || typeof b !== "object")
        return false
    if (Array.isArray(a) !== Array.isArray(b))
        return false
    if (Array.isArray(a)) {
        if (a.length !== b.length)
            return false
        for (var i = 0; i < a.length; ++i) {
            if (!same(a[i], b[i]))
                return false
        }
        return true
    }
    var count = 0
    for (var key in a) {
        if (!Object.prototype.hasOwnProperty.call(a, key))
            continue
        if (!Object.prototype.hasOwnProperty.call(b, key) || !same(a[key], b[key]))
            return false
        ++count
    }
    for (var other in b) {
        if (Object.prototype.hasOwnProperty.call(b, other) && --count < 0)
            return false
    }
    return count === 0
}

function _indexById(list, into) {
    for (var i = 0; i < list.length; ++i) {
        var node = list[i]
        Names.put(into, Names.text(node.id), node)
        if (Array.isArray(node.children))
            _indexById(node.children, into)
    }
    return into
}

// Profiles: the stored list in its order without the records this window
// removed and with the ones it changed, then this window's new records,
// each under a name unique in the result.
function mergeList(base, mine, stored) {
    var baseIds = _indexById(base, Names.emptyMap())
    var mineIds = _indexById(mine, Names.emptyMap())
    var out = []
    var taken = Names.emptyMap()
    for (var i = 0; i < stored.length; ++i) {
        var id = Names.text(stored[i].id)
        var known = Names.has(baseIds, id)
        if (known && !Names.has(mineIds, id))
            continue
        var entry = known && !same(Names.get(baseIds, id), Names.get(mineIds, id)) ? Names.get(mineIds, id) : stored[i]
        out.push(entry)
        Names.put(taken, id, true)
    }
    for (var k = 0; k < mine.length; ++k) {
        var own = mine[k]
        var ownId = Names.text(own.id)
        if (Names.has(baseIds, ownId) || Names.has(taken, ownId))
            continue
        var copy = JSON.parse(JSON.stringify(own))
        copy.name = Names.uniqueName(Names.namesOf(out), own.name)
        out.push(copy)
    }
    return out
}

// The stored nodes without those this window removed, with the names and
// values it changed. What another window put into a folder this window
// removed moves up into the folder's place.
function _keptNodes(nodes, baseIds, mineIds) {
    var out = []
    for (var i = 0; i < nodes.length; ++i) {
        var node = nodes[i]
        var id = Names.text(node.id)
        var known = Names.has(baseIds, id)
        if (known && !Names.has(mineIds, id)) {
            var rescued = Array.isArray(node.children) ? _keptNodes(node.children, baseIds, mineIds) : []
            for (var r = 0; r < rescued.length; ++r) {
                rescued[r].name = Names.uniqueName(Names.namesOf(out.concat(nodes.slice(i + 1))), rescued[r].name)
                out.push(rescued[r])
            }
            continue
        }
        var copy = { id: node.id, type: node.type, name: node.name }
        var mineNode = Names.get(mineIds, id)
        var baseNode = Names.get(baseIds, id)
        if (known && mineNode.name !== baseNode.name)
            copy.name = mineNode.name
        if (Array.isArray(node.children))
            copy.children = _keptNodes(node.children, baseIds, mineIds)
        else
            copy.value = known && mineNode.value !== baseNode.value ? mineNode.value : node.value
        out.push(copy)
    }
    return out
}

// This window's new nodes, each with what is below it, appended to the
// folder that holds it in this window (the top level when that folder is
// gone) under a name unique among its new siblings.
function _addNew(nodes, parentId, baseIds, out) {
    for (var i = 0; i < nodes.length; ++i) {
        var node = nodes[i]
        var id = Names.text(node.id)
        if (Names.has(baseIds, id)) {
            if (Array.isArray(node.children))
                _addNew(node.children, id, baseIds, out)
            continue
        }
        var index = _indexById(out, Names.emptyMap())
        if (Names.has(index, id))
            continue
        var parent = parentId.length > 0 ? Names.get(index, parentId) : undefined
        var siblings = parent && Array.isArray(parent.children) ? parent.children : out
        var copy = JSON.parse(JSON.stringify(node))
        copy.name = Names.uniqueName(Names.namesOf(siblings), node.name)
        siblings.push(copy)
    }
}

// Custom trees.
function mergeTree(base, mine, stored) {
    var baseIds = _indexById(base, Names.emptyMap())
    var mineIds = _indexById(mine, Names.emptyMap())
    var out = _keptNodes(stored, baseIds, mineIds)
    _addNew(mine, "", baseIds, out)
    return out
}

// Override maps: the stored map without the keys this window removed and
// with the entries it added or changed.
function mergeMap(base, mine, stored) {
    var out = ({})
    var keys = Object.keys(stored)
    for (var i = 0; i < keys.length; ++i) {
        if (!(Names.has(base, keys[i]) && !Names.has(mine, keys[i])))
            Names.put(out, keys[i], stored[keys[i]])
    }
    var own = Object.keys(mine)
    for (var k = 0; k < own.length; ++k) {
        if (!Names.has(base, own[k]) || base[own[k]] !== mine[own[k]])
            Names.put(out, own[k], mine[own[k]])
    }
    return out
}
