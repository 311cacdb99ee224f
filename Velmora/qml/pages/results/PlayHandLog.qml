import QtQuick
import "PlayMath.js" as PlayMath

// The hands played against the solution, newest first, with the entry whose
// details are shown. New entries are followed until the user pins an older
// one or closes the details; the log lives as long as the page.
QtObject {
    id: log

    property var controller: null
    property real rakePercent: 0.0
    property real rakeCap: 0

    property bool playFollowLatestHandDetails: true
    property int playSelectedLogIndex: -1
    property var playSelectedLog: ({})
    property var playSelectedDetails: ({})

    readonly property ListModel playHandLog: ListModel {
        objectName: "playHandLog"
    }

    readonly property var _fields: Object.keys(PlayMath.makeLogEntry({}, {}))

    // Adds a finished hand at the top; a followed log shows it, a pinned one
    // keeps showing the same hand one row further down.
    function addEntry(entry) {
        playHandLog.insert(0, entry)
        if (playFollowLatestHandDetails)
            selectPlayLog(0)
        else if (playSelectedLogIndex >= 0)
            playSelectedLogIndex = playSelectedLogIndex + 1
    }

    // A plain copy of the entry at `index`, or null.
    function entryAt(index) {
        if (!(index >= 0) || index >= playHandLog.count)
            return null
        var row = playHandLog.get(index)
        var out = {}
        for (var i = 0; i < _fields.length; ++i)
            out[_fields[i]] = row[_fields[i]]
        return out
    }

    function selectPlayLog(index) {
        var n = PlayMath.toNumber(index)
        var entry = isFinite(n) && n === Math.floor(n) ? entryAt(n) : null
        if (!entry) {
            playSelectedLogIndex = -1
            playSelectedLog = {}
            playSelectedDetails = {}
            return
        }
        playSelectedLogIndex = n
        playSelectedLog = entry
        playSelectedDetails = _buildPlayHandDetails(entry)
    }

    // A click on an entry (or -1 from "Close"): the newest entry resumes
    // following, an older one is pinned, -1 closes the details for good.
    function userSelectPlayLog(index) {
        var n = PlayMath.toNumber(index)
        if (!isFinite(n) || n < 0) {
            playFollowLatestHandDetails = false
            selectPlayLog(-1)
            return
        }
        playFollowLatestHandDetails = n === 0
        selectPlayLog(n)
    }

    function _showdownWinner(board, oop, ip) {
        if (!controller || typeof controller.showdownWinner !== "function")
            return ""
        var r = controller.showdownWinner(board, oop, ip)
        return r && r.winner ? String(r.winner) : ""
    }

    function _buildPlayHandDetails(entry) {
        var showdown = (controller && typeof controller.showdownWinner === "function") ? _showdownWinner : null
        return PlayMath.buildHandDetails(entry, showdown, rakePercent, rakeCap)
    }
}
