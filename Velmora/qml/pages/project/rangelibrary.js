.pragma library

.import "rangetext.js" as RangeText
.import "populationtemplate.js" as PopulationTemplate
.import "names.js" as Names

// The range library's trees: one node model for the built-in Standard and
// Population libraries and the user's Custom ranges. A folder is
// {id, type "folder", name, children}, a range {id, type "range", name, value}.

var RAKES = ["No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"]
var SCENARIOS = ["RFI", "vs RFI", "vs 3bet", "vs 4bet"]
var PATH_SEPARATOR = " / "

var _idMillis = -1
var _idsThisMilli = Names.emptyMap()

// "n_", the time in milliseconds in base 36, "_", up to six base-36 digits of
// a random fraction. Two ids made in the same millisecond never repeat.
function newNodeId() {
    var now = Date.now()
    if (now !== _idMillis) {
        _idMillis = now
        _idsThisMilli = Names.emptyMap()
    }
    var stamp = "n_" + now.toString(36) + "_"
    for (;;) {
        var digits = Math.random().toString(36).slice(2, 8)
        var id = stamp + digits
        if (!Names.has(_idsThisMilli, id)) {
            Names.put(_idsThisMilli, id, true)
            return id
        }
    }
}

function isList(x) {
    return Array.isArray(x)
           || (x !== null && x !== undefined && typeof x === "object" && typeof x.length === "number")
}

function _text(x) {
    return (x === undefined || x === null) ? "" : String(x)
}

function isFolder(node) {
    return node !== null && node !== undefined && node.type === "folder"
}

// Calls fn(item, name) for each object of a list whose name is not blank,
// with the name trimmed.
function _eachNamed(list, fn) {
    if (!isList(list))
        return
    for (var i = 0; i < list.length; ++i) {
        var item = list[i]
        if (!item || typeof item !== "object")
            continue
        var name = _text(item.name).trim()
        if (name.length > 0)
            fn(item, name)
    }
}

// A clean deep copy of a tree: nameless items are dropped with everything
// below them, blank ids are replaced, an item with a children list is a folder.
function sanitizeCustomTree(nodes) {
    var out = []
    _eachNamed(nodes, function(item, name) {
        var id = _text(item.id)
        if (id.trim().length === 0)
            id = newNodeId()
        if (item.type === "folder" || isList(item.children))
            out.push({ id: id, type: "folder", name: name, children: sanitizeCustomTree(item.children) })
        else
            out.push({ id: id, type: "range", name: name, value: _text(item.value) })
    })
    return out
}

// A clean copy of a flat preset list: {name, value} with a non-empty name.
function sanitizePresetList(list) {
    var out = []
    _eachNamed(list, function(item, name) { out.push({ name: name, value: _text(item.value) }) })
    return out
}

// The first node with that id, depth first, with the folders above it (top
// first), or null.
function _locate(nodes, id, folders) {
    if (!isList(nodes))
        return null
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (!n)
            continue
        if (_text(n.id) === id)
            return { node: n, folders: folders }
        if (isFolder(n)) {
            var found = _locate(n.children, id, folders.concat([n]))
            if (found)
                return found
        }
    }
    return null
}

// The first node with that id, depth first, or null.
function findNodeById(nodes, id) {
    var wanted = _text(id)
    var found = wanted.length > 0 ? _locate(nodes, wanted, []) : null
    return found ? found.node : null
}

// The id of the folder that holds the node; `parentId` ("" when not given)
// at the top, "" when not found.
function findParentFolderId(nodes, id, parentId) {
    var found = _locate(nodes, _text(id), [])
    if (!found)
        return ""
    return found.folders.length > 0 ? _text(found.folders[found.folders.length - 1].id)
                                    : (parentId === undefined ? "" : _text(parentId))
}

// The path key (raw names joined by " / ") of the range with that id; ""
// for a folder or when not found.
function findPathKeyById(nodes, id, pathParts) {
    var wanted = _text(id)
    var found = wanted.length > 0 ? _locate(nodes, wanted, []) : null
    if (!found || isFolder(found.node))
        return ""
    var path = isList(pathParts) ? pathParts.slice() : []
    for (var i = 0; i < found.folders.length; ++i)
        path.push(_text(found.folders[i].name))
    path.push(_text(found.node.name))
    return path.join(PATH_SEPARATOR)
}

function _folder(name, children) {
    return { id: newNodeId(), type: "folder", name: name, children: children || [] }
}

function _range(name, value) {
    return { id: newNodeId(), type: "range", name: name, value: _text(value) }
}

function _childFolder(folder, name) {
    for (var i = 0; i < folder.children.length; ++i) {
        var c = folder.children[i]
        if (isFolder(c) && c.name === name)
            return c
    }
    var made = _folder(name)
    folder.children.push(made)
    return made
}

// {rake, rest}: a leading rake name before the first " / ", else "No rake".
function splitRake(name) {
    var s = _text(name).trim()
    var at = s.indexOf(PATH_SEPARATOR)
    if (at >= 1) {
        var head = s.slice(0, at).trim()
        if (RAKES.indexOf(head) >= 0)
            return { rake: head, rest: s.slice(at + PATH_SEPARATOR.length).trim() }
    }
    return { rake: "No rake", rest: s }
}

function _splitAtColon(text) {
    var colon = text.indexOf(":")
    if (colon < 0)
        return null
    var before = text.slice(0, colon).trim()
    var after = text.slice(colon + 1).trim()
    return (before.length > 0 && after.length > 0) ? { before: before, after: after } : null
}

// Folders below the rake folder and the leaf name of a six-max preset.
function sixMaxRoute(rest) {
    if (rest.indexOf("RFI ") === 0)
        return { path: ["RFI"], leaf: rest.slice(4).trim() }
    if (rest.indexOf("vs RFI ") === 0) {
        var answer = rest.slice(7).trim()
        var parts = _splitAtColon(answer)
        if (parts)
            return { path: ["vs RFI", "vs " + parts.before + " RFI"], leaf: parts.after }
        return { path: ["vs RFI"], leaf: answer }
    }
    var scenario = ""
    if (rest.indexOf("3bet vs") >= 0 && rest.indexOf("4bet") >= 0)
        scenario = "vs 4bet"
    else if (rest.indexOf("3bet") >= 0 && rest.indexOf(":") >= 0)
        scenario = "vs 3bet"
    if (scenario.length > 0) {
        var spot = _splitAtColon(rest)
        if (spot)
            return { path: [scenario, spot.before], leaf: spot.after }
        return { path: [scenario], leaf: rest }
    }
    return { path: [], leaf: rest }
}

function _rakeFolders(withScenarios) {
    var out = []
    for (var r = 0; r < RAKES.length; ++r) {
        var rake = _folder(RAKES[r])
        if (withScenarios) {
            for (var s = 0; s < SCENARIOS.length; ++s)
                rake.children.push(_folder(SCENARIOS[s]))
        }
        out.push(rake)
    }
    return out
}

function buildStandard6MaxTree(entries) {
    var top = _folder("6-max", _rakeFolders(true))
    var list = isList(entries) ? entries : []
    for (var i = 0; i < list.length; ++i) {
        var split = splitRake(list[i].name)
        var route = sixMaxRoute(split.rest)
        var folder = _childFolder(top, split.rake)
        for (var p = 0; p < route.path.length; ++p)
            folder = _childFolder(folder, route.path[p])
        folder.children.push(_range(route.leaf, list[i].value))
    }
    return [top]
}

function buildStandardHeadsUpTree(entries) {
    var top = _folder("Heads up", _rakeFolders(false))
    var list = isList(entries) ? entries : []
    for (var i = 0; i < list.length; ++i) {
        var split = splitRake(list[i].name)
        _childFolder(top, split.rake).children.push(_range(split.rest, list[i].value))
    }
    return [top]
}

// "6-max" and "Heads up": an entry goes to the game its name names ("Heads up"
// or "6-max" as one of its " / " parts, that part removed), else to six-max.
function buildStandardTree(entries) {
    var sixMax = []
    var headsUp = []
    var list = isList(entries) ? entries : []
    for (var i = 0; i < list.length; ++i) {
        var e = list[i]
        var parts = _text(e.name).split(PATH_SEPARATOR).map(function(p) { return p.trim() })
                                  .filter(function(p) { return p.length > 0 })
        var at = -1
        for (var k = 0; k < parts.length && at < 0; ++k) {
            if (parts[k] === "Heads up" || parts[k] === "6-max")
                at = k
        }
        if (at < 0) {
            sixMax.push(e)
            continue
        }
        var game = parts[at]
        parts.splice(at, 1)
        var entry = { name: parts.join(PATH_SEPARATOR), value: e.value }
        if (game === "Heads up")
            headsUp.push(entry)
        else
            sixMax.push(entry)
    }
    return buildStandard6MaxTree(sixMax).concat(buildStandardHeadsUpTree(headsUp))
}

// A copy with new ids whose ranges carry no weights.
function cloneTreeStripWeights(nodes) {
    var out = []
    if (!isList(nodes))
        return out
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (!n)
            continue
        if (isFolder(n))
            out.push(_folder(_text(n.name), cloneTreeStripWeights(n.children)))
        else
            out.push(_range(_text(n.name), RangeText.stripWeightsText(n.value)))
    }
    return out
}

function _topFolder(nodes, name) {
    if (!isList(nodes))
        return null
    for (var i = 0; i < nodes.length; ++i) {
        if (isFolder(nodes[i]) && nodes[i].name === name)
            return nodes[i]
    }
    return null
}

function _seatFolders(seats) {
    var out = []
    for (var s = 0; s < seats.length; ++s) {
        var leaves = []
        for (var l = 0; l < seats[s].leaves.length; ++l)
            leaves.push(_range(seats[s].leaves[l].name, seats[s].leaves[l].value))
        out.push(_folder(seats[s].name, leaves))
    }
    return out
}

// The population template of a seat: five top folders; "Weaker regs" copies
// the seat's Standard "6-max" / "No rake" folder without weights.
function buildExploitTree(player, standardTree) {
    var seat = player === "oop" ? "oop" : "ip"
    var tree = []
    var groups = PopulationTemplate.archetypeGroups(seat)
    for (var g = 0; g < groups.length; ++g) {
        var archetypes = []
        for (var a = 0; a < groups[g].archetypes.length; ++a) {
            var arch = groups[g].archetypes[a]
            var children = _seatFolders(arch.seats)
            if (arch.coldCall !== undefined)
                children.push(_range("3b cold call", arch.coldCall))
            archetypes.push(_folder(arch.name, children))
        }
        tree.push(_folder(groups[g].name, archetypes))
    }
    var regular = []
    var sixMax = _topFolder(standardTree, "6-max")
    if (sixMax) {
        var noRake = _topFolder(sixMax.children, "No rake")
        regular = noRake ? noRake.children : sixMax.children
    }
    tree.push(_folder("Weaker regs", [_folder("Tighter reg", cloneTreeStripWeights(regular)),
                                      _folder("Looser reg", cloneTreeStripWeights(regular))]))
    tree.push(_folder("Overfolder (10-22 VPIP)", [_folder("Nit", _seatFolders(PopulationTemplate.nitSeats(seat)))]))
    tree.push(_folder("Other", [_range("Bomb pot", "100%")]))
    return tree
}

// The seat's Population tree from the table's tree and the template: an
// empty table or one without a top folder gives the template; otherwise the
// template's missing top folders are appended.
function choosePopulationTree(fileTree, template) {
    var file = sanitizeCustomTree(fileTree)
    var tmpl = sanitizeCustomTree(template)
    if (file.length === 0)
        return tmpl
    var names = []
    for (var i = 0; i < file.length; ++i) {
        if (isFolder(file[i]))
            names.push(file[i].name)
    }
    if (names.length === 0)
        return tmpl
    for (var t = 0; t < tmpl.length; ++t) {
        if (isFolder(tmpl[t]) && names.indexOf(tmpl[t].name) < 0)
            file.push(tmpl[t])
    }
    return file
}

function _override(overrides, key) {
    var v = Names.get(overrides, key)
    return (v === undefined || v === null) ? "" : String(v)
}

// A copy (same ids) whose ranges take the override stored under their path
// key, or under "6-max / " or "Heads up / " and the key.
function applyOverridesToTree(nodes, overrides, pathParts) {
    var out = []
    var path = isList(pathParts) ? pathParts : []
    if (!isList(nodes))
        return out
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (!n)
            continue
        if (isFolder(n)) {
            out.push({ id: n.id, type: "folder", name: n.name,
                       children: applyOverridesToTree(n.children, overrides, path.concat([n.name])) })
            continue
        }
        var key = path.concat([n.name]).join(PATH_SEPARATOR)
        var value = _override(overrides, key)
        if (value.length === 0)
            value = _override(overrides, "6-max / " + key)
        if (value.length === 0)
            value = _override(overrides, "Heads up / " + key)
        out.push({ id: n.id, type: "range", name: n.name, value: value.length > 0 ? value : _text(n.value) })
    }
    return out
}

// True when the open-folder map marks the folder id open.
function isOpen(openFolders, id) {
    return Names.get(openFolders, _text(id)) === true
}

// The ids an open-folder map marks open, in its order.
function openIds(openFolders) {
    var out = []
    if (!openFolders || typeof openFolders !== "object")
        return out
    var keys = Object.keys(openFolders)
    for (var i = 0; i < keys.length; ++i) {
        if (openFolders[keys[i]] === true)
            out.push(keys[i])
    }
    return out
}

function _firstOpenFolder(nodes, open) {
    for (var i = 0; i < nodes.length; ++i) {
        if (isFolder(nodes[i]) && isOpen(open, nodes[i].id))
            return nodes[i]
    }
    return null
}

function _flatten(nodes, open, displayName, depth, parentId, rows) {
    var openOne = _firstOpenFolder(nodes, open)
    var shown = openOne ? [openOne] : nodes
    for (var i = 0; i < shown.length; ++i) {
        var n = shown[i]
        if (isFolder(n)) {
            rows.push({ id: n.id, kind: "folder", name: n.name, displayName: displayName(n.name),
                        depth: depth, parentFolderId: parentId })
            if (isOpen(open, n.id))
                _flatten(n.children, open, displayName, depth + 1, n.id, rows)
        } else {
            rows.push({ id: n.id, kind: "range", name: n.name, displayName: displayName(n.name),
                        value: n.value, depth: depth, parentFolderId: parentId })
        }
    }
}

// The rows a seat's list shows: an open folder hides its siblings and lists
// its children one level deeper.
function flattenTree(tree, openFolders, displayName) {
    var rows = []
    var open = (openFolders && typeof openFolders === "object") ? openFolders : ({})
    var name = typeof displayName === "function" ? displayName : function(s) { return s }
    _flatten(sanitizeCustomTree(tree), open, name, 0, "", rows)
    return rows
}

// The open-folder map after a click on a folder: an open folder closes; a
// closed one opens and closes its sibling folders.
function toggleOpenFolder(tree, openFolders, folderId) {
    var id = _text(folderId)
    var next = ({})
    var old = openIds(openFolders)
    for (var k = 0; k < old.length; ++k)
        Names.put(next, old[k], true)
    if (id.length === 0)
        return next
    if (Names.has(next, id)) {
        delete next[id]
        return next
    }
    var nodes = sanitizeCustomTree(tree)
    var parentId = findParentFolderId(nodes, id, "")
    var siblings = nodes
    if (parentId.length > 0) {
        var parent = findNodeById(nodes, parentId)
        siblings = isFolder(parent) ? parent.children : []
    }
    for (var i = 0; i < siblings.length; ++i) {
        if (isFolder(siblings[i]) && siblings[i].id !== id)
            delete next[siblings[i].id]
    }
    Names.put(next, id, true)
    return next
}
