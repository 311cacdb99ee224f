import QtQml
import Velmora
import "qrc:/Velmora/qml/pages/project/profiles.js" as Profiles
import "qrc:/Velmora/qml/pages/project/rangelibrary.js" as Library
import "qrc:/Velmora/qml/pages/project/customlibrary.js" as Custom
import "qrc:/Velmora/qml/pages/project/overrides.js" as Overrides

// Another copy of the program as far as the Setup page's stores go: the
// page's own store code (PageStores) on values held here under the page's
// property names, changed by commands as the page's dialogs change them.
// A command is a JSON list (name, arguments); its reply is sent once no
// change waits for another copy's lock.
QtObject {
    id: peer

    property var settingsProfiles: []
    property var oopCustomRanges: []
    property var ipCustomRanges: []
    property var oopStandardOverrides: ({})
    property var ipStandardOverrides: ({})
    property var oopExploitOverrides: ({})
    property var ipExploitOverrides: ({})

    signal reply(string text)

    property PageStores stores: PageStores {
        target: peer
        file: storeFile
    }

    // A reply is owed: the state, once nothing waits any more.
    property bool _owed: false
    property Timer _replyWhenStored: Timer {
        interval: 20
        repeat: true
        onTriggered: peer._replyIfStored()
    }

    // Many saves in a row, a profile and a range each time, with short
    // random pauses between them.
    property var _burst: null
    property Timer _burstStep: Timer {
        onTriggered: peer._stepBurst()
    }

    Component.onCompleted: stores.sync(stores.keys, "start")

    function _answer() {
        _owed = true
        _replyIfStored()
    }

    function _replyIfStored() {
        if (!_owed)
            return
        if (stores.waiting()) {
            _replyWhenStored.start()
            return
        }
        _replyWhenStored.stop()
        _owed = false
        reply(JSON.stringify(state()))
    }

    function _treeOf(seat) { return Library.sanitizeCustomTree(peer[seat + "CustomRanges"]) }

    function _findByName(nodes, name) {
        for (var i = 0; i < nodes.length; ++i) {
            if (nodes[i].name === name)
                return nodes[i]
            var inner = Library.isFolder(nodes[i]) ? _findByName(nodes[i].children, name) : null
            if (inner)
                return inner
        }
        return null
    }

    function _store(keys) { stores.sync(keys, "save") }

    function saveProfile(name) {
        settingsProfiles = Profiles.withNewProfile(settingsProfiles, name, { starting_pot: 100 }, Library.newNodeId)
        _store(["profilesJson"])
    }

    function deleteProfile(name) {
        var hit = _findByName(settingsProfiles, name)
        if (hit)
            settingsProfiles = Profiles.withoutId(settingsProfiles, hit.id)
        _store(["profilesJson"])
    }

    function addFolder(seat, name) {
        var tree = _treeOf(seat)
        Custom.append(tree, "", "folder", name)
        peer[seat + "CustomRanges"] = tree
        _store([seat + "CustomRangesJson"])
    }

    function saveRange(seat, name, value, folderName) {
        var tree = _treeOf(seat)
        var folder = folderName ? _findByName(tree, folderName) : null
        Custom.append(tree, folder ? folder.id : "", "range", name, value)
        peer[seat + "CustomRanges"] = tree
        _store([seat + "CustomRangesJson"])
    }

    function deleteRange(seat, name) {
        var tree = _treeOf(seat)
        var hit = _findByName(tree, name)
        if (hit)
            Custom.remove(tree, hit.id)
        peer[seat + "CustomRanges"] = tree
        _store([seat + "CustomRangesJson"])
    }

    function override(seat, kind, key, value) {
        var prop = seat + (kind === "standard" ? "Standard" : "Exploit") + "Overrides"
        peer[prop] = Overrides.withEntry(peer[prop], key, value)
        _store([seat + (kind === "standard" ? "Standard" : "Exploit") + "OverridesJson"])
    }

    function state() {
        var problems = ({})
        for (var i = 0; i < stores.keys.length; ++i) {
            var text = stores.problemText(stores.keys[i])
            if (text.length > 0)
                problems[stores.keys[i]] = text
        }
        return { profiles: settingsProfiles.map(function(p) { return p.name }),
                 oop: oopCustomRanges, ip: ipCustomRanges,
                 oopStandard: oopStandardOverrides, oopExploit: oopExploitOverrides, problems: problems }
    }

    function _stepBurst() {
        var b = _burst
        if (b.done >= b.count) {
            _burst = null
            _answer()
            return
        }
        saveProfile(b.prefix + " " + b.done)
        saveRange("oop", b.prefix + " " + b.done, "AA", "")
        b.done += 1
        _burstStep.interval = Math.floor(Math.random() * (b.pause + 1))
        _burstStep.start()
    }

    // Runs one command line; the reply follows through `reply`.
    function run(line) {
        var cmd
        try {
            cmd = JSON.parse(line)
        } catch (e) {
            reply(JSON.stringify({ error: "not JSON: " + line }))
            return
        }
        var name = cmd[0], a = cmd.slice(1)
        if (name === "burst") {
            _burst = { prefix: a[0], count: a[1], pause: a[2], done: 0 }
            _stepBurst()
            return
        }
        if (name === "reload")
            stores.sync(stores.keys, "save")
        else if (name !== "state" && typeof peer[name] === "function")
            peer[name].apply(peer, a)
        else if (name !== "state") {
            reply(JSON.stringify({ error: "unknown command " + name }))
            return
        }
        _answer()
    }
}
