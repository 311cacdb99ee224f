import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The Setup page's header inside the real shell: whenever "Continue to
// Solve" is disabled the header says why, in the language shown, the badge
// does not read "Ready", and no figure of an earlier spot stays on show.
// The range cards mark every Tab stop.
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

        property var page: null

        function init() {
            var shell = createTemporaryObject(shellComp, host)
            shell.applyProjectState(Spots.riverSpot(10))
            shell.hasProject = true
            shell.navIndex = 1
            page = findChild(shell, "projectPage")
            tryCompare(shell, "canSolve", true, 10000)
        }
        function cleanup() { languageManager.setLanguage("system") }

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

        function typeInto(name, text) {
            findChild(page, name).forceActiveFocus()
            findChild(page, name).selectAll()
            keyClick(Qt.Key_Backspace)
            for (var c of text + "\t")
                keyClick(c)
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
