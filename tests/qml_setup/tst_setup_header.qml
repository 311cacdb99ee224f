import QtQuick
import QtTest
import Velmora
import "../qml_shell/spots.js" as Spots

// The Setup page's header inside the real shell: whenever "Continue to
// Solve" is disabled the header says why, in the language shown, and the
// badge does not read "Ready"; a figure of an earlier spot never stays on
// show. The range cards mark every Tab stop.
Item {
    id: host
    width: 1540
    height: 900

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }

    TestCase {
        name: "SetupHeader"
        when: windowShown

        property var shell: null
        property var page: null

        function init() {
            shell = createTemporaryObject(shellComp, host)
            shell.applyProjectState(Spots.riverSpot(10))
            shell.hasProject = true
            shell.navIndex = 1
            page = findChild(shell, "projectPage")
            tryCompare(shell, "canSolve", true, 10000)
        }
        function cleanup() { languageManager.setLanguage("system") }

        function header() {
            return {
                reason: findChild(page, "setupBlockReason").text,
                badge: findChild(page, "projectSectionHeader").badge,
                ram: findChild(page, "solveRamText").text,
                enabled: findChild(page, "continueToSolveButton").enabled
            }
        }
        function compareHeader(reason, ram, badge, message) {
            var h = header()
            compare([h.enabled, h.reason, h.ram, h.badge], [false, reason, ram, badge], message)
        }

        function typeInto(name, text) {
            var f = findChild(page, name)
            f.forceActiveFocus()
            f.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            keyClick(Qt.Key_Tab)
        }

        // A size the solver refuses, then the field cleared: the line names
        // the empty field, not the refusal of the text that is gone.
        function test_refused_then_cleared_size() {
            var ready = header()
            compare([ready.enabled, ready.reason, ready.badge], [true, "", "Ready"])
            verify(ready.ram !== "Solve RAM: —", ready.ram)
            typeInto("ipRiverBetSizesField", "33 75")
            tryCompare(findChild(page, "setupBlockReason"), "text", "IP river bet sizes: '33 75' is not a valid size", 10000)
            compareHeader("IP river bet sizes: '33 75' is not a valid size", "Solve RAM: —", "Setup Required")
            typeInto("ipRiverBetSizesField", "")
            compareHeader("IP river bet sizes: enter at least one size", "Solve RAM: —", "Setup Required")
            languageManager.setLanguage("de")
            compareHeader("IP River-Bet-Größen: mindestens eine Größe eingeben", "RAM für Lösung: —", "Einrichtung nötig")
        }

        // Blocked before any estimate: the last figure (of another spot) is
        // not shown, and the first reason is named.
        function setSizes(text) {
            var seats = ["oop", "ip"], streets = ["Flop", "Turn", "River"], kinds = ["Bet", "Raise"]
            for (var s = 0; s < 2; ++s) {
                for (var t = 0; t < 3; ++t) {
                    for (var k = 0; k < 2; ++k)
                        page[seats[s] + streets[t] + kinds[k] + "SizesText"] = text
                }
            }
        }

        function test_blocked_spots_name_the_first_reason() {
            page.oopRangeText = "AA KK"
            page.boardText = "QsJh"
            setSizes("")
            compareHeader("OOP flop bet sizes: enter at least one size", "Solve RAM: —", "Setup Required",
                          "every size emptied, as by a damaged profile")
            setSizes("50")
            compareHeader("OOP range: 'AA KK' is not a range: write hands separated by commas (AA, KK, AKs) "
                          + "or a share such as 50%", "Solve RAM: —", "Setup Required")
            page.oopRangeText = ""
            compareHeader("OOP range: select at least one hand", "Solve RAM: —", "Setup Required")
            page.oopRangeText = "AA,KK"
            page.ipRangeText = "0%"
            compareHeader("IP range: select at least one hand", "Solve RAM: —", "Setup Required")
            page.ipRangeText = "JJ"
            compareHeader("Board: choose the three flop cards (the turn and the river may follow)", "Solve RAM: —",
                          "Setup Required")
            page.boardText = "QsJh2h__3d"
            compareHeader("Board: choose the turn card before the river, or clear the river", "Solve RAM: —",
                          "Setup Required")
            languageManager.setLanguage("de")
            page.boardText = "QsJh2h"
            page.startingStreet = "river"
            compareHeader("Board: Für einen Start am River fehlt die River-Karte", "RAM für Lösung: —",
                          "Einrichtung nötig")
            page.oopRangeText = "AA KK"
            verify(header().reason.indexOf("OOP-Range: 'AA KK' ist keine Range") === 0, header().reason)
        }

        // A range the board leaves without a hand is refused by the estimate.
        function test_range_emptied_by_the_board() {
            page.oopRangeText = "QsJs"
            tryCompare(findChild(page, "setupBlockReason"), "text",
                       "OOP range: no hand of 'QsJs' is left once the board's cards are removed", 10000)
            compareHeader("OOP range: no hand of 'QsJs' is left once the board's cards are removed", "Solve RAM: —",
                          "Setup Required")
        }

        // Every Tab stop of a range card shows that it has the focus.
        function test_range_card_tab_stops_are_marked() {
            page.oopRangeText = "AA, KK"
            var card = findChild(page, "oopRangeCard")
            var flick = findChild(page, "flickable")
            findChild(page, "ipJamThresholdSwitch").forceActiveFocus()
            var stops = 0
            for (var i = 0; i < 30; ++i) {
                keyClick(Qt.Key_Tab)
                var item = host.Window.window.activeFocusItem
                var inCard = false
                for (var up = item; up && !inCard; up = up.parent)
                    inCard = up === card
                if (!inCard) {
                    if (stops > 0)
                        break
                    continue
                }
                ++stops
                waitForRendering(shell)
                var y = flick.contentY
                var focused = grabImage(shell)
                // Focus elsewhere without a Tab, so that the page stays put.
                page.forceActiveFocus()
                compare(flick.contentY, y)
                waitForRendering(shell)
                verify(!focused.equals(grabImage(shell)), item.objectName + " shows no focus mark")
                item.forceActiveFocus(Qt.TabFocusReason)
            }
            verify(stops >= 8, "Tab stops in the card: " + stops)
        }
    }
}
