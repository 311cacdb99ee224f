import QtQml
import Velmora
import "qrc:/Velmora/qml/pages/project/profiles.js" as Profiles
import "qrc:/Velmora/qml/pages/project/rangelibrary.js" as Library
import "qrc:/Velmora/qml/pages/project/customlibrary.js" as Custom
import "qrc:/Velmora/qml/pages/project/overrides.js" as Overrides

// Another copy of the program as far as the Setup page's stores go: the
// page's own store code (PageStores) on values held here under the page's
// property names, changed by commands as the page's dialogs change them. A
// command is a JSON list (name, arguments); the reply, the values as stored,
// is sent once no change waits for another copy's lock.
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

    property PageStores stores: PageStores { target: peer; file: storeFile }
    property bool _owed: false
    property Timer _whenStored: Timer { interval: 20; repeat: true; onTriggered: peer._replyIfStored() }
    // Many saves in a row (a profile and a range each), short random pauses between.
    property var _burst: null
    property Timer _burstStep: Timer { onTriggered: peer._stepBurst() }

    Component.onCompleted: stores.sync(stores.keys, "start")

    function _replyIfStored() {
        if (!_owed || _burst)
            return
        _whenStored.running = stores.waiting()
        if (_whenStored.running)
            return
        _owed = false
        var problems = ({})
        for (var i = 0; i < stores.keys.length; ++i) {
            if (stores.problemText(stores.keys[i]).length > 0)
                problems[stores.keys[i]] = stores.problemText(stores.keys[i])
        }
        reply(JSON.stringify({ profiles: settingsProfiles.map(function(p) { return p.name }),
                               oop: oopCustomRanges, oopStandard: oopStandardOverrides, problems: problems }))
    }

    function _named(nodes, name) {
        for (var i = 0; i < nodes.length; ++i) {
            var inner = Library.isFolder(nodes[i]) ? _named(nodes[i].children, name) : null
            if (nodes[i].name === name || inner)
                return inner || nodes[i]
        }
        return null
    }

    function saveProfile(name) {
        settingsProfiles = Profiles.withNewProfile(settingsProfiles, name, { starting_pot: 100 }, Library.newNodeId)
        stores.sync(["profilesJson"], "save")
    }
    function deleteProfile(name) {
        settingsProfiles = Profiles.withoutId(settingsProfiles, (_named(settingsProfiles, name) || {}).id)
        stores.sync(["profilesJson"], "save")
    }
    function saveRange(seat, name, value, folderName) {
        var tree = Library.sanitizeCustomTree(peer[seat + "CustomRanges"])
        Custom.append(tree, folderName ? (_named(tree, folderName) || {}).id : "", "range", name, value)
        peer[seat + "CustomRanges"] = tree
        stores.sync([seat + "CustomRangesJson"], "save")
    }
    function override(seat, key, value) {
        peer[seat + "StandardOverrides"] = Overrides.withEntry(peer[seat + "StandardOverrides"], key, value)
        stores.sync([seat + "StandardOverridesJson"], "save")
    }
    function reload() { stores.sync(stores.keys, "save") }
    function state() {}
    function burst(prefix, count, pause) {
        _burst = { prefix: prefix, count: count, pause: pause, done: 0 }
        _stepBurst()
    }

    function _stepBurst() {
        var b = _burst
        if (b.done === b.count) {
            _burst = null
            _replyIfStored()
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
        var cmd = JSON.parse(line)
        _owed = true
        peer[cmd[0]].apply(peer, cmd.slice(1))
        _replyIfStored()
    }
}
