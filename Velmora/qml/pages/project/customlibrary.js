.pragma library

.import "rangelibrary.js" as Library
.import "names.js" as Names

// Edits of a seat's Custom ranges tree. Every function works on a tree the
// caller has already copied with Library.sanitizeCustomTree and may change.

// Where a new item goes: the selected folder itself; for a selected range
// (or an id not in the tree) the folder holding it; "" for the top level.
function targetFolderId(tree, selectedId) {
    var id = Names.text(selectedId)
    if (id.length === 0)
        return ""
    var node = Library.findNodeById(tree, id)
    if (Library.isFolder(node))
        return Names.text(node.id)
    return Library.findParentFolderId(tree, id, "")
}

// Appends a new node to the end of the folder (or of the top level for "")
// under a name unique among its new siblings; returns the node.
function append(tree, folderId, type, name, value) {
    var folder = Names.text(folderId).length > 0 ? Library.findNodeById(tree, folderId) : null
    var siblings = Library.isFolder(folder) ? folder.children : tree
    var node = { id: Library.newNodeId(), type: type, name: Names.uniqueName(Names.namesOf(siblings), name) }
    if (type === "folder")
        node.children = []
    else
        node.value = Names.text(value)
    siblings.push(node)
    return node
}

// Removes the first node with that id (depth first) with all below it;
// true when one was removed.
function remove(nodes, id) {
    var wanted = Names.text(id)
    if (wanted.length === 0 || !Library.isList(nodes))
        return false
    for (var i = 0; i < nodes.length; ++i) {
        if (Names.text(nodes[i].id) === wanted) {
            nodes.splice(i, 1)
            return true
        }
        if (Library.isFolder(nodes[i]) && remove(nodes[i].children, wanted))
            return true
    }
    return false
}

function _collectIds(nodes, into) {
    for (var i = 0; i < nodes.length; ++i) {
        Names.put(into, Names.text(nodes[i].id), true)
        if (Library.isFolder(nodes[i]))
            _collectIds(nodes[i].children, into)
    }
    return into
}

// The open-folder map without the ids that are no longer in the tree.
function keepExisting(openFolders, tree) {
    var ids = _collectIds(tree, Names.emptyMap())
    var out = ({})
    var open = Library.openIds(openFolders)
    for (var i = 0; i < open.length; ++i) {
        if (Names.has(ids, open[i]))
            Names.put(out, open[i], true)
    }
    return out
}

// A copy of the open-folder map with one more folder open.
function withOpen(openFolders, folderId) {
    var out = ({})
    var open = Library.openIds(openFolders)
    for (var i = 0; i < open.length; ++i)
        Names.put(out, open[i], true)
    if (Names.text(folderId).length > 0)
        Names.put(out, Names.text(folderId), true)
    return out
}

// True when the text is the value of the range, or of a range anywhere
// below the folder.
function holdsValue(node, text) {
    if (node === null || node === undefined)
        return false
    if (!Library.isFolder(node))
        return Names.trimmed(node.value) === Names.trimmed(text)
    var children = Library.isList(node.children) ? node.children : []
    for (var i = 0; i < children.length; ++i) {
        if (holdsValue(children[i], text))
            return true
    }
    return false
}

// Every node below a folder, sub-folders included; 0 for a range.
function countDescendants(node) {
    if (!Library.isFolder(node) || !Library.isList(node.children))
        return 0
    var n = node.children.length
    for (var i = 0; i < node.children.length; ++i)
        n += countDescendants(node.children[i])
    return n
}

// False for the text of a file that is not text: one holding NUL bytes, or
// bytes that were no UTF-8 (read as the replacement character U+FFFD).
function isPlainText(text) {
    var s = Names.text(text)
    return s.indexOf("\u0000") < 0 && s.indexOf("\uFFFD") < 0
}

// The name an imported file suggests: its base name, URL-decoded, without
// a final ".txt" in any letter case.
function suggestedName(fileUrl) {
    var s = Names.text(fileUrl)
    s = s.slice(s.lastIndexOf("/") + 1)
    try {
        s = decodeURIComponent(s)
    } catch (e) {
        // A stray "%" is kept as it is.
    }
    s = s.slice(s.lastIndexOf("\\") + 1)
    if (/\.txt$/i.test(s))
        s = s.slice(0, s.length - 4)
    return s
}

function _hasKey(node, key) {
    return Object.prototype.hasOwnProperty.call(node, key) && node[key] !== undefined
}

// True when the stored value is a Custom tree in the form this page writes:
// a list of nodes, each an object with a text name that is not blank, at
// most a text id, and either a folder ("type": "folder", a list of such
// nodes as children) or a range (type "range" or none, a text value).
// Sanitising such a tree only trims names and fills in ids and types; any
// other value would lose nodes or values.
function isStoreForm(nodes) {
    if (!Array.isArray(nodes))
        return false
    var allowed = ["id", "type", "name", "value", "children"]
    for (var i = 0; i < nodes.length; ++i) {
        var n = nodes[i]
        if (n === null || typeof n !== "object" || Array.isArray(n)
                || typeof n.name !== "string" || n.name.trim().length === 0
                || (_hasKey(n, "id") && typeof n.id !== "string"))
            return false
        var keys = Object.keys(n)
        for (var k = 0; k < keys.length; ++k) {
            if (allowed.indexOf(keys[k]) < 0)
                return false
        }
        if (n.type === "folder") {
            if (_hasKey(n, "value") || (_hasKey(n, "children") && !isStoreForm(n.children)))
                return false
        } else if ((_hasKey(n, "type") && n.type !== "range") || _hasKey(n, "children")
                   || (_hasKey(n, "value") && typeof n.value !== "string")) {
            return false
        }
    }
    return true
}

// The stored text of a Custom tree read back: the sanitised tree, or null
// for a blank text, text that is not JSON, or a tree that sanitises empty.
function parseStore(text) {
    var t = Names.text(text)
    if (t.trim().length === 0)
        return null
    try {
        var tree = Library.sanitizeCustomTree(JSON.parse(t))
        return tree.length > 0 ? tree : null
    } catch (e) {
        return null
    }
}
