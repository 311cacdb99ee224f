import QtQuick
import QtTest
import Velmora

// The Setup page inside the real shell and window: a spot entered on the page
// reaches the solve configuration, the memory estimate and a solve started
// with F5; the header; the page's widths, scroll bars and wheel.
Item {
    id: host
    width: 1540
    height: 900

    Component {
        id: shellComp
        AppShell { anchors.fill: parent; controller: appController }
    }
    Component {
        id: pageComp
        ProjectPage {}
    }

    TestCase {
        name: "SetupShell"
        when: windowShown

        function cleanup() {
            if (appController.running) {
                appController.cancelSolve()
                tryCompare(appController, "running", false, 10000)
            }
            appController.clearResults()
        }

        function typeInto(page, name, text) {
            var f = findChild(page, name)
            verify(f, name)
            f.forceActiveFocus()
            f.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            keyClick(Qt.Key_Tab)
        }

        function test_spot_entered_on_the_page_is_solved() {
            var shell = createTemporaryObject(shellComp, host)
            shell.resetToNewProject()
            shell.navIndex = 1
            var page = findChild(shell, "projectPage")
            var dialog = findChild(page, "cardPickerDialog")
            compare(findChild(page, "continueToSolveButton").enabled, false)

            var board = ["Qs", "Jh", "2h", "7c", "3d"]
            for (var i = 0; i < board.length; ++i) {
                page._openCardPicker(i)
                mouseClick(findChild(dialog.picker, "cell_" + board[i]))
                tryCompare(dialog, "visible", false)
            }
            var seats = ["oop", "ip"], streets = ["Flop", "Turn", "River"]
            for (var s = 0; s < 2; ++s) {
                for (var t = 0; t < 3; ++t) {
                    typeInto(page, seats[s] + streets[t] + "BetSizesField", "50")
                    typeInto(page, seats[s] + streets[t] + "RaiseSizesField", "60 ")
                }
            }
            typeInto(page, "startingPotField", "120")
            typeInto(page, "effectiveStackField", "200")
            mouseClick(findChild(page, "target1Button"))
            // The range cards write these properties; they are not part of this check.
            page.oopRangeText = "AA,KK,QQ,AKs"
            page.ipRangeText = "JJ,TT,99,AQs"

            var cfg = shell._solveMemCfg()
            compare(Object.keys(cfg).length, 36)
            compare([cfg.board, cfg.starting_street, cfg.starting_pot, cfg.effective_stack],
                    ["QsJh2h7c3d", "river", 120, 200])
            fuzzyCompare(cfg.target_exploitability, 1.2, 1e-9)
            compare(cfg.oop_flop_bet_sizes, "50")
            compare(cfg.ip_river_raise_sizes, "60 ")

            tryVerify(function() { return appController.solveRequiredMemoryBytes > 0 }, 10000)
            // More sizes typed on the page make a larger tree to estimate.
            var bytes = appController.solveRequiredMemoryBytes
            typeInto(page, "ipRiverBetSizesField", "25, 50, 100")
            tryVerify(function() { return appController.solveRequiredMemoryBytes > bytes }, 10000)
            tryCompare(shell, "canSolve", true, 5000)
            compare(findChild(page, "continueToSolveButton").enabled, true)
            compare(findChild(page, "solveRamText").text, "Solve RAM: " + appController.solveRequiredMemoryText)

            // Sizes that would read as another tree are refused on the memory
            // line, in the language chosen, and Continue stays disabled.
            var refused = "IP river bet sizes: '33 75' is not a valid size"
            typeInto(page, "ipRiverBetSizesField", "33 75")
            tryCompare(appController, "solveRequiredMemoryText", refused, 10000)
            compare([findChild(page, "continueToSolveButton").enabled, appController.solveRequiredMemoryBytes], [false, 0])
            languageManager.setLanguage("de")
            compare(appController.solveRequiredMemoryText, "IP River-Bet-Größen: '33 75' ist keine gültige Größe")
            languageManager.setLanguage("system")
            compare(appController.solveRequiredMemoryText, refused)
            typeInto(page, "ipRiverBetSizesField", "25, 50, 100")
            tryCompare(shell, "canSolve", true, 10000)

            keyClick(Qt.Key_F5)
            compare(shell.navIndex, 2)
            tryVerify(function() { return appController.resultIterations > 0 }, 30000)
            tryCompare(appController, "running", false, 10000)
            compare([appController.resultBoardText, appController.resultStartingPot], ["QsJh2h7c3d", 120])
        }

        function test_header() {
            var page = createTemporaryObject(pageComp, host, { width: 1540, height: 900 })
            // Solve RAM turns red only when the estimate is strictly above the free memory.
            var cases = [[2048, 1024, true], [1024, 1024, false], [2048, 0, false], [0, 1024, false],
                         [NaN, 1024, false], [Infinity, 1024, false], [undefined, undefined, false]]
            for (var i = 0; i < cases.length; ++i)
                compare(page._isSolveRamWarning(cases[i][0], cases[i][1]), cases[i][2], String(cases[i]))

            var rev = page._i18nRev
            languageManager.setLanguage("de")
            languageManager.setLanguage("en")
            compare(page._i18nRev, rev + 2)
            languageManager.setLanguage("system")

            var clicked = 0
            page.goToSolve.connect(function() { ++clicked })
            mouseClick(findChild(page, "continueToSolveButton"))
            compare(clicked, 1)
        }

        function test_widths_scroll_bars_and_wheel() {
            var page = createTemporaryObject(pageComp, host, { width: 1540, height: 900 })
            var flick = findChild(page, "flickable")
            var hbar = findChild(page, "horizontalScrollBar")
            verify(page.recommendedWindowWidth <= 1540, "row 1 fits the default window")
            compare(page.recommendedWindowWidth, Math.ceil(flick._row1RequiredWidth))
            compare(hbar.visible, false)

            // The four columns of row 1 end on one line.
            var cols = ["boardColumn", "gameSettingsCard", "oopSizingCard", "ipSizingCard"]
            var bottom = findChild(page, cols[0]).mapToItem(page, 0, findChild(page, cols[0]).height).y
            for (var i = 1; i < cols.length; ++i) {
                var c = findChild(page, cols[i])
                fuzzyCompare(c.mapToItem(page, 0, c.height).y, bottom, 0.5)
            }

            // Wider hand matrices set the width; a narrower window scrolls sideways.
            page._oopMatrix = matrixComp.createObject(page, { implicitWidth: 900 })
            page._ipMatrix = matrixComp.createObject(page, { implicitWidth: 900 })
            compare(page.recommendedWindowWidth, 48 + 900 + 16 + 900)
            page.width = 1100
            page.height = 300
            compare(findChild(page, "contentRoot").width, 1864)
            compare(hbar.visible, true)

            var maxX = flick.contentWidth - flick.width
            mouseWheel(flick, 300, 200, 0, -240, Qt.NoButton, Qt.ShiftModifier)
            compare(flick.contentX, 120)
            mouseWheel(flick, 300, 200, 0, -2400, Qt.NoButton, Qt.ShiftModifier)
            compare(flick.contentX, maxX, "stops at the right end")
            mouseWheel(flick, 300, 200, 0, 4800, Qt.NoButton, Qt.ShiftModifier)
            compare(flick.contentX, 0, "stops at the left end")
            mouseWheel(flick, 300, 200, 0, -240)
            wait(400)
            compare(flick.contentY, 120, "half the delta, once")
            mouseWheel(flick, 300, 200, 100, 0)
            wait(400)
            compare(flick.contentY, 70, "a horizontal delta alone scrolls by half of it")
            compare(flick.contentX, 0)
            mouseWheel(flick, 300, 200, 0, 2000)
            compare(flick.contentY, 0)
        }

        // The page as a 1280x800 and a 1540x1200 window give it (the top bar
        // takes 60 px): no sideways scrolling, the header and row 1 within
        // the width, row 1 on one line only in the wider one.
        function test_window_sizes_data() {
            return [{ tag: "1280x800", w: 1280, h: 740, oneLine: false },
                    { tag: "1540x1200", w: 1540, h: 1140, oneLine: true }]
        }

        function test_window_sizes(data) {
            var page = createTemporaryObject(pageComp, host, { width: data.w, height: data.h })
            var flick = findChild(page, "flickable")
            waitForRendering(page)
            compare([flick.contentWidth, findChild(page, "horizontalScrollBar").visible], [data.w, false])
            var names = ["continueToSolveButton", "boardColumn", "gameSettingsCard", "oopSizingCard", "ipSizingCard",
                         "oopRangeCard", "ipRangeCard"]
            for (var i = 0; i < names.length; ++i) {
                var item = findChild(page, names[i])
                var r = item.mapToItem(page, 0, 0)
                verify(r.x >= 0 && r.x + item.width <= data.w - 24 + 0.5 && item.width >= item.implicitWidth - 0.5,
                       names[i] + " at " + r.x + " width " + item.width)
            }
            var board = findChild(page, "boardColumn"), ip = findChild(page, "ipSizingCard")
            var oopRange = findChild(page, "oopRangeCard"), ipRange = findChild(page, "ipRangeCard")
            compare([ip.mapToItem(page, 0, 0).y === board.mapToItem(page, 0, 0).y,
                     ipRange.mapToItem(page, 0, 0).y === oopRange.mapToItem(page, 0, 0).y], [data.oneLine, data.oneLine])
        }

        // Tab to a field out of view scrolls the page to it.
        function test_focus_scrolls_into_view() {
            var page = createTemporaryObject(pageComp, host, { width: 1280, height: 400 })
            var flick = findChild(page, "flickable")
            findChild(page, "startingPotField").forceActiveFocus()
            flick.contentY = flick.contentHeight - flick.height
            var field = findChild(page, "effectiveStackField")
            keyClick(Qt.Key_Tab)
            verify(field.activeFocus)
            var y = field.mapToItem(flick, 0, 0).y
            verify(y >= 0 && y + field.height <= flick.height, "field at " + y)
        }

        Component {
            id: matrixComp
            Item {}
        }
    }
}
