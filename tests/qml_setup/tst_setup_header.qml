import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The Setup page's header inside the real shell: whenever "Continue to
// Solve" is disabled the header says why, in the language shown, the badge
// does not read "Ready", and no figure of an earlier spot or of a re-solve
// stays on show; every way on takes what a field being typed in shows. The
// range cards mark every Tab stop.
Item {
    id: host
    width: 1540
    height: 1300

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "SetupHeader"
        when: windowShown

        property var shell: null
        property var page: null

        SignalSpy { id: runSpy; target: appController; signalName: "runningChanged" }

        function init() {
            shell = createTemporaryObject(shellComp, host)
            shell.applyProjectState(Spots.riverSpot(10))
            shell.hasProject = true
            shell.navIndex = 1
            page = findChild(shell, "projectPage")
            tryCompare(shell, "canSolve", true, 10000)
        }
        function cleanup() {
            languageManager.setLanguage("system")
            appController.clearResults()
        }

        // Continue, the reason line, the memory line and the badge.
        function header() {
            return [findChild(page, "continueToSolveButton").enabled, findChild(page, "setupBlockReason").text,
                    findChild(page, "solveRamText").text, findChild(page, "projectSectionHeader").badge]
        }
        // `later`: the reason comes with the memory estimate.
        function blocked(reason, later) {
            if (later)
                tryCompare(findChild(page, "setupBlockReason"), "text", reason, 10000)
            compare(header(), [false, reason, "Solve RAM: —", "Setup Required"])
        }

        // `held`: the field keeps the focus.
        function typeInto(name, text, held) {
            findChild(page, name).forceActiveFocus()
            findChild(page, name).selectAll()
            keyClick(Qt.Key_Backspace)
            for (var c of text + (held ? "" : "\t"))
                keyClick(c)
        }

        // Saves the project through Home's Save dialog, as the user does, and
        // reads the OOP river bet sizes back from the file written.
        function savedSizes(home) {
            var dialog = findChild(home, "saveProjectDialog")
            mouseClick(findChild(home, "heroSaveButton"))
            tryCompare(dialog, "opened", true)
            dialog.setFolderUrl(scratchDirUrl)
            findChild(dialog.contentItem, "fileNameField").text = "typed sizes"
            mouseClick(findChild(dialog.contentItem, "saveDialogSaveButton"))
            tryCompare(dialog, "visible", false)
            tryCompare(appController, "projectFileBusy", false, 10000)
            var read = appController.readTextFile(scratchDirUrl + "/typed%20sizes.velmoraproj")
            return read.ok ? JSON.parse(read.text).project.oopRiverBetSizesText : read.error
        }

        // The first reason is named: a size the solver refuses and then
        // clears names the empty field, not the refusal of a text that is
        // gone; the estimate refuses a range the board empties.
        function test_blocked_spots_name_the_first_reason() {
            compare(header().slice(0, 2).concat(header()[3]), [true, "", "Ready"])
            typeInto("ipRiverBetSizesField", "33 75")
            blocked("IP river bet sizes: '33 75' is not a valid size", true)
            typeInto("ipRiverBetSizesField", "")
            blocked("IP river bet sizes: enter at least one size")
            languageManager.setLanguage("de")
            compare(header(), [false, "IP River-Bet-Größen: mindestens eine Größe eingeben", "RAM für Lösung: —",
                               "Einrichtung nötig"])
            languageManager.setLanguage("system")
            page.oopRangeText = "AA KK"
            page.boardText = "QsJh"
            for (var key of ["FlopBet", "FlopRaise", "TurnBet", "TurnRaise", "RiverBet", "RiverRaise"])
                page["oop" + key + "SizesText"] = page["ip" + key + "SizesText"] = ""
            blocked("OOP flop bet sizes: enter at least one size")  // every size emptied, as by a damaged profile
            for (key of ["FlopBet", "FlopRaise", "TurnBet", "TurnRaise", "RiverBet", "RiverRaise"])
                page["oop" + key + "SizesText"] = page["ip" + key + "SizesText"] = "50"
            blocked("OOP range: 'AA KK' is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%")
            page.oopRangeText = ""
            blocked("OOP range: select at least one hand")
            page.oopRangeText = "AA,KK"
            page.ipRangeText = "0%"
            blocked("IP range: select at least one hand")
            page.ipRangeText = "JJ"
            blocked("Board: choose the three flop cards (the turn and the river may follow)")
            page.boardText = "QsJh2h__3d"
            blocked("Board: choose the turn card before the river, or clear the river")
            page.boardText = "QsJh2h7c3d"
            page.oopRangeText = "QsJs"
            blocked("OOP range: no hand of 'QsJs' is left once the board's cards are removed", true)
            languageManager.setLanguage("de")
            page.boardText = "QsJh2h"
            page.startingStreet = "river"
            compare(header()[1], "Board: Für einen Start am River fehlt die River-Karte")
        }

        function test_a_number_being_typed_holds_back_every_start_data() {
            return [{ tag: "empty pot", field: "startingPotField", text: "", shown: "100",
                      reason: "Starting Pot: enter a value", de: "Startpot: Wert eingeben" },
                    { tag: "target out of range", field: "targetExploitabilityField", text: "150", shown: "0",
                      reason: "Target Exploitability (%): enter a number from 0 to 100",
                      de: "Ziel-Exploitability (%): Zahl von 0 bis 100 eingeben" },
                    { tag: "target with a seventh decimal", field: "targetExploitabilityField", text: "0.1234567",
                      shown: "0", reason: "Target Exploitability (%): at most 6 digits after the point",
                      de: "Ziel-Exploitability (%): höchstens 6 Nachkommastellen" },
                    { tag: "rake with a decimal comma", field: "rakePercentField", text: "2,5", shown: "0",
                      reason: "Rake (%): type a point for decimals (0.5), no comma",
                      de: "Rake (%): Dezimalstellen mit Punkt eingeben (0.5), kein Komma" },
                    { tag: "empty jam threshold", field: "oopJamThresholdField", text: "", shown: "30",
                      reason: "OOP jam threshold: enter a value", de: "OOP-Jam-Schwelle: Wert eingeben" },
                    { tag: "jam threshold back at the value typed", field: "oopJamThresholdField", text: "2000",
                      back: true, shown: "200", reason: "OOP jam threshold: enter a number from 0 to 1000",
                      de: "OOP-Jam-Schwelle: Zahl von 0 bis 1000 eingeben" }]
        }

        // A number emptied or out of range in a field that keeps the focus
        // holds back every start, with its reason; leaving the field shows
        // the value from before the edit again. `back`: typed 2, 20, 200,
        // 2000 and then back to the 200 the project already holds, the
        // memory line follows 200 (a jam of the whole pot is then an all-in
        // more) although the estimate due for it fell while 2000 was refused.
        function test_a_number_being_typed_holds_back_every_start(data) {
            page.oopAddAllInIfJamLtEnabled = true
            page.oopAddAllInIfJamLtPct = 30
            typeInto(data.field, data.text, true)
            blocked(data.reason)
            keyClick(Qt.Key_F5)
            compare([shell.navIndex, appController.running], [1, false])
            languageManager.setLanguage("de")
            compare(header()[1], data.de)
            if (data.back)
                tryCompare(findChild(shell, "solveMemEstimateTimer"), "running", false)
            var before = appController.solveRequiredMemoryBytes
            keyClick(data.back ? Qt.Key_Backspace : Qt.Key_Tab)
            compare(findChild(page, data.field).text, data.shown)
            tryCompare(shell, "canSolve", true, 10000)
            if (data.back)
                tryVerify(function() { return appController.solveRequiredMemoryBytes > before }, 5000,
                          "no estimate of the spot shown")
        }

        function test_every_way_on_takes_the_text_being_typed_data() {
            return [{ tag: "F5", key: Qt.Key_F5 }, { tag: "Ctrl+3", key: Qt.Key_3, mod: Qt.ControlModifier },
                    { tag: "Solve tab", click: "tab2" }, { tag: "Continue", click: "continueToSolveButton" },
                    { tag: "Save project", home: "save" },
                    { tag: "Quick Solve", home: "quickAction1", shown: "70" },
                    { tag: "New Solve", home: "quickAction0", shown: "" }, { tag: "opened project", home: "open", shown: "50" }]
        }

        // Sizes typed into a field that keeps the focus: the memory line
        // follows them after the usual pause and every way on sees them; keys
        // typed on Home reach no field, and a new project takes none of them.
        function test_every_way_on_takes_the_text_being_typed(data) {
            var solvePage = findChild(shell, "solvePage"), home = findChild(shell, "homePage")
            typeInto("oopRiverBetSizesField", "10 20", true)
            blocked("OOP river bet sizes: '10 20' is not a valid size", true)
            typeInto("oopRiverBetSizesField", "10, 20", true)
            tryCompare(shell, "canSolve", true, 10000)
            if (data.home) {
                keyClick(Qt.Key_1, Qt.ControlModifier)
                keyClick("9")
                compare(home.projectStateProvider().oopRiverBetSizesText, "10, 20")
                if (data.home === "save")
                    return compare(savedSizes(home), "10, 20")
                if (data.home === "open")
                    home.projectLoaded(Spots.riverSpot(10), false)
                else
                    mouseClick(findChild(home, data.home))
                return compare(findChild(page, "oopRiverBetSizesField").text, data.shown)
            }
            data.key ? keyClick(data.key, data.mod || Qt.NoModifier) : mouseClick(findChild(shell, data.click))
            compare([shell.navIndex, findChild(solvePage, "summaryBetSizes").text], [2, "F 50/50 • T 50/50 • R 10, 20/50"])
            if (data.tag !== "F5")
                mouseClick(findChild(solvePage, "startSolveButton"))
            tryVerify(function() { return appController.resultIterations > 0 }, 30000)
            compare(appController.rootActions.map(function(a) { return a.name }), ["Check", "Bet 10%", "Bet 20%"])
        }

        // A re-solve runs the last configuration solved; the header still
        // tells of the spot the fields show.
        function test_header_follows_the_fields_after_a_re_solve() {
            keyClick(Qt.Key_F5)
            tryVerify(function() { return appController.resultIterations > 0 }, 30000)
            keyClick(Qt.Key_2, Qt.ControlModifier)
            var refused = "OOP river bet sizes: '33 75' is not a valid size"
            typeInto("oopRiverBetSizesField", "33 75")
            blocked(refused, true)
            keyClick(Qt.Key_4, Qt.ControlModifier)
            var results = findChild(shell, "resultsPage")
            waitForRendering(results)
            mouseClick(findChild(results, "nodeLockModeButton"))
            waitForRendering(results)
            runSpy.clear()
            mouseClick(findChild(results, "reSolveButton"))
            tryCompare(runSpy, "count", 2, 30000)
            compare([appController.statusText, appController.resultIterations], ["Done", 10])
            keyClick(Qt.Key_2, Qt.ControlModifier)
            blocked(refused)
        }

        // Every Tab stop of a range card looks different while it has the
        // focus: the window, tall enough not to scroll, is grabbed with the
        // focus on it and off it.
        function test_range_card_tab_stops_are_marked() {
            var card = findChild(page, "oopRangeCard")
            var window = host.Window.window
            findChild(page, "ipJamThresholdSwitch").forceActiveFocus()
            grabImage(host)  // the first grab of a window can differ from later ones in form alone
            var stops = 0
            for (var i = 0; i < 30; ++i) {
                keyClick(Qt.Key_Tab)
                var item = window.activeFocusItem, up = item
                while (up && up !== card)
                    up = up.parent
                if (!up && stops > 0)
                    break
                if (!up)
                    continue
                ++stops
                waitForRendering(host)
                var focused = grabImage(host)
                page.forceActiveFocus()
                waitForRendering(host)
                verify(!focused.equals(grabImage(host)), item.objectName + " shows no focus mark")
                item.forceActiveFocus(Qt.TabFocusReason)
            }
            compare([stops >= 8, findChild(page, "flickable").contentY], [true, 0], "Tab stops in the card: " + stops)
        }
    }
}
