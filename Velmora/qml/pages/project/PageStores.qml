import QtQml
import "names.js" as Names
import "stores.js" as Stores
import "storemerge.js" as StoreMerge
import "profiles.js" as Profiles
import "rangelibrary.js" as Library
import "customlibrary.js" as Custom
import "overrides.js" as Overrides

// The Setup page's stores in the per-user settings: the settings profiles,
// each seat's Custom tree and the overrides of its Standard and Population
// libraries, each kept as JSON text under its key. The values themselves
// live on `target` (the page), under the property names below.
//
// Other copies of the program share the settings file, so every store is
// brought in line in one step across processes (see the back end's store
// file): under its lock the stored text is read as it is on disk now, this
// window's change since it last read the store is applied to it (see
// storemerge.js), the result is written and becomes the target's value.
// While another copy holds the lock, the change waits and is tried again;
// after `lockWaitMs` it stays unsaved and `problemText` says so, as it does
// when the settings file cannot be read or written. A store is only written
// when its value changes, and read again (`refresh`) only when the file
// changed since this window last read it or a change of it is unsaved.
QtObject {
    id: stores

    property var target: null
    // The back end's SettingsStoreFile; without one nothing is stored.
    property var file: null
    // How long a change waits for another copy's lock before it is left unsaved.
    property int lockWaitMs: 3000
    // How long a change's first try holds the GUI thread waiting for the
    // lock, and each later try while the lock stays taken.
    readonly property int tryWaitMs: 50
    readonly property int retryWaitMs: 10

    // True while a value read from a store is assigned to the target, so
    // that the target does not store it again.
    readonly property bool taking: _taking
    // A store's value on the target was replaced by what is stored.
    signal taken(string key)

    readonly property var keys: Object.keys(_specs)

    // ---- the stores ----
    readonly property var _profileForm: ({
        accepts: Profiles.isStoreForm,
        clean: function(v) { return Profiles.sanitize(v, Library.newNodeId) },
        empty: function() { return [] },
        merge: StoreMerge.mergeList,
        same: StoreMerge.same,
        text: Stores.listText
    })
    readonly property var _treeForm: ({
        accepts: Custom.isStoreForm,
        clean: Library.sanitizeCustomTree,
        empty: function() { return [] },
        merge: StoreMerge.mergeTree,
        same: StoreMerge.same,
        text: function(v) { return JSON.stringify(v) }
    })
    readonly property var _mapForm: ({
        accepts: Overrides.isStoreForm,
        clean: Overrides.sanitizeMap,
        empty: function() { return ({}) },
        merge: StoreMerge.mergeMap,
        same: StoreMerge.same,
        text: function(v) { return Object.keys(v).length > 0 ? JSON.stringify(v) : "" }
    })

    function _profileSpec() {
        return { group: "settings_profiles", prop: "settingsProfiles", kind: "profiles", form: _profileForm,
                 warning: function(backup) {
                     return "Settings profiles: the stored list is not a JSON list of profiles; it is kept under "
                            + backup + " and new profiles start a fresh list"
                 } }
    }
    function _treeSpec(seat) {
        var key = seat + "CustomRangesJson"
        return { group: "ranges", prop: seat + "CustomRanges", kind: "custom", form: _treeForm,
                 warning: function(backup) {
                     return "[ranges] The stored " + key + " could not be read; it is kept under " + backup
                            + " and the seat starts a fresh Custom list"
                 } }
    }
    function _mapSpec(seat, suffix) {
        var key = seat + suffix + "OverridesJson"
        return { group: "ranges", prop: seat + suffix + "Overrides", kind: "overrides", form: _mapForm,
                 warning: function(backup) {
                     return "[ranges] The stored " + key + " could not be read; it is kept under " + backup
                            + " and the shipped ranges show"
                 } }
    }
    readonly property var _specs: ({
        profilesJson: _profileSpec(),
        oopCustomRangesJson: _treeSpec("oop"),
        ipCustomRangesJson: _treeSpec("ip"),
        oopStandardOverridesJson: _mapSpec("oop", "Standard"),
        ipStandardOverridesJson: _mapSpec("ip", "Standard"),
        oopExploitOverridesJson: _mapSpec("oop", "Exploit"),
        ipExploitOverridesJson: _mapSpec("ip", "Exploit")
    })

    // ---- state ----
    // Key -> what this window last read or wrote under that key (see
    // Stores.reconcile): the stored text and its value, and the value the
    // target was given; `line`, the stamp of the key's line in the file then.
    property var _known: ({})
    // Key -> the settings file's stamp when that store was last brought in line.
    property var _stamps: ({})
    // Key -> the backup key its unreadable text was copied to.
    property var _keptAside: ({})
    // Key -> {reason, path} of the last change that could not be stored.
    property var _problems: ({})
    // Key -> mode of a change not yet stored.
    property var _pending: ({})
    // When the changes waiting for the lock first found it taken (0: none waits).
    property double _busySince: 0
    property bool _taking: false

    property Timer _retry: Timer {
        interval: 100
        onTriggered: stores._attempt(stores.retryWaitMs)
    }

    // ---- reading ----
    // The text of the store as on disk now ("" without a back end).
    function stored(key) {
        var spec = Names.get(_specs, key)
        return spec && file ? Names.text(file.read(spec.group, key)) : ""
    }

    // True when the store's text could not be read and was kept aside.
    function keptAside(key) { return Names.has(_keptAside, key) }

    // What went wrong with the store's last change, in the user's language,
    // or "" when it was stored.
    function problemText(key) {
        var p = Names.get(_problems, key)
        var spec = Names.get(_specs, key)
        if (!p || !spec)
            return ""
        if (p.reason === "busy") {
            if (spec.kind === "profiles")
                return qsTr("Your settings profiles were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.").arg(p.path)
            if (spec.kind === "custom")
                return qsTr("Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.").arg(p.path)
            return qsTr("Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.").arg(p.path)
        }
        if (p.reason === "read") {
            if (spec.kind === "profiles")
                return qsTr("Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.").arg(p.path)
            if (spec.kind === "custom")
                return qsTr("Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.").arg(p.path)
            return qsTr("Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.").arg(p.path)
        }
        if (p.reason === "full") {
            if (spec.kind === "profiles")
                return qsTr("Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.").arg(p.path)
            if (spec.kind === "custom")
                return qsTr("Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.").arg(p.path)
            return qsTr("Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.").arg(p.path)
        }
        if (p.reason === "incomplete") {
            if (spec.kind === "profiles")
                return qsTr("Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.").arg(p.path)
            if (spec.kind === "custom")
                return qsTr("Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.").arg(p.path)
            return qsTr("Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.").arg(p.path)
        }
        if (spec.kind === "profiles")
            return qsTr("Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.").arg(p.path)
        if (spec.kind === "custom")
            return qsTr("Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.").arg(p.path)
        return qsTr("Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.").arg(p.path)
    }

    // True while a change waits for another copy's lock.
    function waiting() { return Object.keys(_pending).length > 0 }

    // ---- bringing stores in line ----
    // Reads the stores of `keys` again where that can show something new:
    // where the settings file changed since the store was last brought in
    // line, where the target's value was replaced since, or where a change
    // of it is unsaved. Returns true when the target took a stored value.
    function refresh(keys) {
        var now = file && typeof file.stamp === "function" ? Names.text(file.stamp()) : ""
        var stale = []
        for (var i = 0; i < keys.length; ++i) {
            var key = keys[i]
            var spec = Names.get(_specs, key)
            if (!spec)
                continue
            var known = Names.get(_known, key)
            if (now.length === 0 || Names.get(_stamps, key) !== now || !known || !target
                    || target[spec.prop] !== known.base || Names.has(_problems, key) || Names.has(_pending, key))
                stale.push(key)
        }
        return stale.length > 0 ? sync(stale, "save") : false
    }

    // Brings the stores of `keys` in line with this window (`mode` as for
    // Stores.reconcile; a stronger mode of a change still waiting wins).
    // Returns true when the target took a stored value just now.
    function sync(keys, mode) {
        var next = Names.emptyMap()
        var waitingKeys = Object.keys(_pending)
        for (var i = 0; i < waitingKeys.length; ++i)
            Names.put(next, waitingKeys[i], _pending[waitingKeys[i]])
        for (var k = 0; k < keys.length; ++k) {
            if (Names.has(_specs, keys[k]))
                Names.put(next, keys[k], _stronger(Names.get(next, keys[k]), mode))
        }
        _pending = next
        // While the lock is taken the change joins those waiting for it.
        return _retry.running ? false : _attempt(tryWaitMs)
    }

    function _stronger(a, b) {
        var rank = { start: 1, save: 2, force: 3 }
        return (rank[a] || 0) >= (rank[b] || 0) ? a : b
    }

    function _attempt(waitMs) {
        var modes = _pending
        var keys = Object.keys(modes)
        if (keys.length === 0)
            return false
        if (!file || typeof file.transact !== "function") {
            _pending = ({})
            return false
        }
        var outcomes = []
        var r = file.transact(function() {
            for (var i = 0; i < keys.length; ++i)
                outcomes.push(_bringInLine(keys[i], modes[keys[i]]))
        }, waitMs)
        if (r.reason === "busy") {
            var now = Date.now()
            if (_busySince === 0)
                _busySince = now
            if (now - _busySince < lockWaitMs) {
                _retry.start()
                return false
            }
            console.warn("Settings stores: another copy kept", r.path, "locked; not saved:", keys.join(", "))
        } else if (r.reason === "work") {
            // A value of the page that cannot be read as a store: a fault of
            // the program, logged by the store file; the stores stay as they are.
        } else if (!r.ok) {
            console.warn("Settings stores: could not", r.reason === "read" ? "read" : "write", r.path,
                         r.reason === "full" ? "(the disk is full)" : r.reason === "incomplete" ? "(not written in full)" : "",
                         "for", keys.join(", "))
        }
        _retry.stop()
        _busySince = 0
        _pending = ({})
        if (r.reason !== "work")
            _setProblems(keys, r.ok ? null : { reason: ["busy", "read", "full", "incomplete"].indexOf(r.reason) >= 0 ? r.reason : "write",
                                               path: Names.text(r.path) })
        return r.ok ? _take(outcomes, Names.text(r.stamp), r.stamps) : false
    }

    // Inside the lock: the store's text as on disk, this window's change
    // applied; an unreadable text is copied to a backup key first. Where
    // the file cannot be written, nothing is written unasked: the start
    // takes the stores as they are, and an unreadable one is not copied
    // (a change of the user's still fails, and says so). While
    // the store's line in the file is the one this window last read or
    // wrote (the same stamp, see the store file's storeStamp), the text is
    // the one it knows and is not read again: a large store another copy
    // left alone costs nothing when that copy saved another store.
    function _bringInLine(key, mode) {
        var spec = _specs[key]
        var known = Names.get(_known, key)
        var line = Names.text(file.storeStamp(spec.group, key))
        var text = known && line.length > 0 && known.line === line ? known.text : Names.text(file.read(spec.group, key))
        var mine = target ? target[spec.prop] : spec.form.empty()
        var writable = typeof file.canWrite !== "function" || file.canWrite()
        var r = Stores.reconcile(text, spec.form, known, mine, mode === "start" && !writable ? "read" : mode)
        var backup = ""
        if (r.state === "unreadable" && writable)
            backup = Stores.keepAside(_settingsOf(spec.group), key, text)
        if (r.write)
            file.write(spec.group, key, r.text)
        // A target that holds the same already keeps its value.
        var take = !!target && mine !== r.value && !spec.form.same(mine, r.value)
        if (target && !take)
            r.known.base = mine
        // The store reads again, or holds what was just written.
        return { key: key, value: r.value, take: take, known: r.known, readable: r.state !== "unreadable" || r.write,
                 backup: backup }
    }

    // The store file seen as the settings object stores.js works on.
    function _settingsOf(group) {
        return {
            value: function(k, fallback) { return file.read(group, k) },
            setValue: function(k, v) { file.write(group, k, Names.text(v)) },
            sync: function() {}
        }
    }

    function _setProblems(keys, problem) {
        var next = ({})
        var known = Object.keys(_problems)
        for (var i = 0; i < known.length; ++i) {
            if (keys.indexOf(known[i]) < 0)
                Names.put(next, known[i], _problems[known[i]])
        }
        if (problem) {
            for (var k = 0; k < keys.length; ++k)
                Names.put(next, keys[k], problem)
        }
        _problems = next
    }

    // After the stores were written: what was read and written becomes what
    // this window knows of them, with the stamp of their lines in the file
    // (`lines`, by "group/key"; a key the file lacks is "none"), and the
    // values the target's values.
    function _take(outcomes, stamp, lines) {
        var known = _copy(_known), stamps = _copy(_stamps), aside = _copy(_keptAside)
        for (var i = 0; i < outcomes.length; ++i) {
            var o = outcomes[i]
            var name = _specs[o.key].group + "/" + o.key
            o.known.line = !lines ? "" : Names.has(lines, name) ? Names.text(lines[name]) : "none"
            Names.put(known, o.key, o.known)
            Names.put(stamps, o.key, stamp)
            if (o.backup.length > 0 && Names.get(aside, o.key) !== o.backup)
                console.warn(_specs[o.key].warning(o.backup))
            // The note that the store could not be read stays until it can.
            if (o.readable)
                delete aside[o.key]
            else if (o.backup.length > 0)
                Names.put(aside, o.key, o.backup)
        }
        _known = known
        _stamps = stamps
        _keptAside = aside
        var tookAny = false
        for (var t = 0; t < outcomes.length; ++t) {
            if (!outcomes[t].take)
                continue
            _taking = true
            try {
                target[_specs[outcomes[t].key].prop] = outcomes[t].value
            } finally {
                _taking = false
            }
            tookAny = true
            taken(outcomes[t].key)
        }
        return tookAny
    }

    function _copy(map) {
        var out = Names.emptyMap()
        var keys = Object.keys(map)
        for (var i = 0; i < keys.length; ++i)
            Names.put(out, keys[i], map[keys[i]])
        return out
    }
}
