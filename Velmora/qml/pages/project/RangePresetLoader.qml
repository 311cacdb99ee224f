import QtQml
import "rangelibrary.js" as Library

// Reads the two preset tables shipped in the resources and sets the Standard
// and Population trees of both seats on `page`, with the page's overrides
// applied. Through the back end's resource reader the load is synchronous;
// without one the tables are fetched with XMLHttpRequest.
QtObject {
    id: loader

    property var page: null
    property var controller: null

    readonly property var standardPaths: [":/Velmora/qml/data/standard_ranges.json",
                                          ":/qt/qml/Velmora/qml/data/standard_ranges.json"]
    readonly property var populationPaths: [":/Velmora/qml/data/exploit_ranges.json",
                                            ":/qt/qml/Velmora/qml/data/exploit_ranges.json"]
    readonly property var standardUrls: ["qrc:/Velmora/qml/data/standard_ranges.json",
                                         Qt.resolvedUrl("../../data/standard_ranges.json"),
                                         "qrc:/qt/qml/Velmora/qml/data/standard_ranges.json"]
    readonly property var populationUrls: ["qrc:/Velmora/qml/data/exploit_ranges.json",
                                           Qt.resolvedUrl("../../data/exploit_ranges.json"),
                                           "qrc:/qt/qml/Velmora/qml/data/exploit_ranges.json"]

    // A request that never finishes (Qt refuses some local reads without
    // ever completing them) counts as failed after this long.
    property int requestTimeoutMs: 5000
    property var _onTimeout: null
    property Timer _watchdog: Timer {
        interval: loader.requestTimeoutMs
        onTriggered: {
            var handler = loader._onTimeout
            loader._onTimeout = null
            if (handler)
                handler()
        }
    }

    function _seatList(table, seat, key) {
        var s = table && typeof table === "object" ? table[seat] : null
        return s && typeof s === "object" ? s[key] : null
    }

    function _setError(text) {
        page._presetLoadError = text
        console.warn("[ranges] " + text)
    }

    function applyStandard(table) {
        var oop = Library.sanitizeCustomTree(Library.buildStandardTree(
                      Library.sanitizePresetList(_seatList(table, "oop", "standard"))))
        var ip = Library.sanitizeCustomTree(Library.buildStandardTree(
                     Library.sanitizePresetList(_seatList(table, "ip", "standard"))))
        page.oopStandardRanges = Library.applyOverridesToTree(oop, page.oopStandardOverrides, [])
        page.ipStandardRanges = Library.applyOverridesToTree(ip, page.ipStandardOverrides, [])
    }

    function applyPopulation(table) {
        var seats = ["oop", "ip"]
        for (var i = 0; i < seats.length; ++i) {
            var seat = seats[i]
            var template = Library.buildExploitTree(seat, page[seat + "StandardRanges"])
            var tree = Library.choosePopulationTree(_seatList(table, seat, "exploit"), template)
            page[seat + "ExploitRanges"] = Library.applyOverridesToTree(Library.sanitizeCustomTree(tree),
                                                                      page[seat + "ExploitOverrides"], [])
        }
    }

    function _readFirst(paths) {
        for (var i = 0; i < paths.length; ++i) {
            var text = String(controller.readTextResource(paths[i]) || "")
            if (text.trim().length > 0)
                return { path: paths[i], text: text }
        }
        return null
    }

    function load() {
        page._presetLoadError = ""
        if (controller && typeof controller.readTextResource === "function") {
            try {
                var standard = _readFirst(standardPaths)
                if (standard) {
                    var table = JSON.parse(standard.text)
                    console.log("[ranges] Loaded STANDARD presets via AppController from", standard.path,
                                "bytes=", standard.text.length)
                    applyStandard(table)
                } else {
                    _setError("Failed to load bundled standard presets (resource file missing/empty).")
                    page.oopStandardRanges = []
                    page.ipStandardRanges = []
                }
                var population = _readFirst(populationPaths)
                if (population) {
                    var popTable = JSON.parse(population.text)
                    console.log("[ranges] Loaded POPULATION presets via AppController from", population.path,
                                "bytes=", population.text.length)
                    applyPopulation(popTable)
                } else {
                    applyPopulation(null)
                }
            } catch (e) {
                _setError("Failed to load bundled presets: " + e)
            }
            return
        }
        _fetch(standardUrls, 0, function(table, url, length) {
            page._presetLoadError = ""
            console.log("[ranges] Loaded presets via XHR from", url, "bytes=", length)
            applyStandard(table)
            _fetch(populationUrls, 0, function(popTable, popUrl, popLength) {
                console.log("[ranges] Loaded POPULATION presets via XHR from", popUrl, "bytes=", popLength)
                applyPopulation(popTable)
            }, function() { applyPopulation(null) }, false)
        }, function() { _setError("Failed to load bundled presets.") }, true)
    }

    // GETs urls[index] and on: a usable JSON table goes to `done`, a failure
    // moves to the next address (noting it in the load error when
    // `reportEach`), and `failed` runs after the last one.
    function _fetch(urls, index, done, failed, reportEach) {
        if (index >= urls.length) {
            failed()
            return
        }
        var url = String(urls[index])
        var settled = false
        var next = function(message) {
            settled = true
            _watchdog.stop()
            if (reportEach)
                page._presetLoadError = "Failed to load bundled presets from " + url + message
            _fetch(urls, index + 1, done, failed, reportEach)
        }
        try {
            var request = new XMLHttpRequest()
            request.onreadystatechange = function() {
                if (settled || request.readyState !== XMLHttpRequest.DONE)
                    return
                settled = true
                _watchdog.stop()
                var text = String(request.responseText || "")
                if (request.status !== 0 && request.status !== 200 && text.trim().length === 0) {
                    next(" (network error)")
                    return
                }
                if (text.trim().length === 0) {
                    next(": empty response")
                    return
                }
                var table
                try {
                    table = JSON.parse(text)
                } catch (e) {
                    next(": " + e)
                    return
                }
                try {
                    done(table, url, text.length)
                } catch (e2) {
                    _setError("Failed to load bundled presets: " + e2)
                }
            }
            _onTimeout = function() {
                if (settled)
                    return
                next(" (network error)")
                request.abort()
            }
            _watchdog.restart()
            request.open("GET", url)
            request.send()
        } catch (e3) {
            if (!settled)
                next(": " + e3)
        }
    }
}
