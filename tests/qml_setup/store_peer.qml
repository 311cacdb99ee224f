import QtQml
import Velmora
import "qrc:/Velmora/qml/pages/project/profiles.js" as Profiles
import "qrc:/Velmora/qml/pages/project/rangelibrary.js" as Library
import "qrc:/Velmora/qml/pages/project/customlibrary.js" as Custom
import "qrc:/Velmora/qml/pages/project/overrides.js" as Overrides

// Another copy of the program as far as the Setup page's stores and the
// Settings page's save go: the page's own store code (PageStores) on values
// held here under the page's property names, and a Settings page, changed by
// commands (a JSON list: a function below and its arguments) as the pages'
// dialogs and buttons change them.
QtObject {
    id: peer

    property var settingsProfiles: []
    property var oopCustomRanges: []
    property var ipCustomRanges: []
    property var oopStandardOverrides: ({})
    property var ipStandardOverrides: ({})
    property var oopExploitOverrides: ({})
    property var ipExploitOverrides: ({})

    property PageStores stores: PageStores { target: peer; file: storeFile }
    property SettingsPage settingsPage: SettingsPage { theme: Theme {} }
    Component.onCompleted: stores.sync(stores.keys, "start")

    function run(line) {
        var cmd = JSON.parse(line)
        if (cmd.length > 0)
            peer[cmd[0]].apply(peer, cmd.slice(1))
    }
    // The values as stored once no change waits for another copy's lock, "" until then.
    function reply() {
        return _burst.length > 0 || stores.waiting() ? "" : JSON.stringify({
            profiles: settingsProfiles.map(function(p) { return p.name }), oop: oopCustomRanges,
            oopStandard: oopStandardOverrides })
    }

    function saveProfile(name) {
        settingsProfiles = Profiles.withNewProfile(settingsProfiles, name, { starting_pot: 100 }, Library.newNodeId)
        stores.sync(["profilesJson"], "save")
    }
    function deleteProfile(name) {
        settingsProfiles = settingsProfiles.filter(function(p) { return p.name !== name })
        stores.sync(["profilesJson"], "save")
    }
    // Into the top-level folder of that name when one is given.
    function saveRange(seat, name, value, folder) {
        var tree = Library.sanitizeCustomTree(peer[seat + "CustomRanges"])
        Custom.append(tree, (tree.find(function(n) { return n.name === folder }) || {}).id, "range", name, value)
        peer[seat + "CustomRanges"] = tree
        stores.sync([seat + "CustomRangesJson"], "save")
    }
    function override(seat, key, value) {
        peer[seat + "StandardOverrides"] = Overrides.withEntry(peer[seat + "StandardOverrides"], key, value)
        stores.sync([seat + "StandardOverridesJson"], "save")
    }
    function reload() { stores.refresh(stores.keys) }
    // Dark mode and accent ("" for the default) chosen, then "Save Settings";
    // null for one the user leaves alone.
    function saveAppearance(dark, accent) {
        if (dark !== null)
            settingsPage.chooseDarkMode(dark)
        if (accent !== null)
            settingsPage.applyAccentHex(accent)
        settingsPage.saveSettings()
    }

    // A profile and a range saved `count` times, 0 to 10 ms apart.
    property var _burst: []
    property Timer _burstStep: Timer {
        interval: 0
        onTriggered: {
            var name = peer._burst.shift()
            peer.saveProfile(name)
            peer.saveRange("oop", name, "AA")
            interval = Math.random() * 11
            running = peer._burst.length > 0
        }
    }
    function burst(prefix, count) {
        for (var i = 0; i < count; ++i)
            _burst.push(prefix + " " + i)
        _burstStep.start()
    }
}
