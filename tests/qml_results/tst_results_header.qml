import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/ResultsActions.js" as Actions
import "mock_tree.js" as MockTree

// Strategy header, statistics and action colours of the results page.
Item {
    id: host
    width: 1400
    height: 1000

    ThemePack.Theme { id: appTheme; dark: true }
    Component { id: mockComp; MockController {} }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "AhKhQh" }
    }

    TestCase {
        name: "ResultsHeader"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            appTheme.dark = true
            host.width = 1400
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
        }

        function stat(name) { return findChild(findChild(page, name), "statValue").text }
        function barText(index, key) {
            return findChild(findChild(findChild(page, "actionFrequenciesBar"), "actionLabel" + index), key).text
        }
        function colors(list) {
            return list.map(function(a) { return a.color === undefined ? "none" : String(a.color) })
        }
        function stats(node, list) {
            var o = {}
            o[node] = list.map(function(a) {
                return { name: a[0], actionType: a[1], frequency: a[2], combos: 10, equity: 0.5, ev: a[3] }
            })
            mock.statsOverride = o
            page.resetTreeToRoot()
            page.refreshHandMatrix()
        }

        function test_bet_sizes_coloured_by_rank() {
            stats("0", [["Check", "check", 0.4, 1], ["Bet 150%", "bet 150%", 0.1, 1],
                        ["Bet 33%", "bet", 0.3, 1], ["Bet 75%", "bet 75%", 0.2, 1]])
            compare(colors(page.currentActions), ["none", "#C084FC", "#818CF8", "#A78BFA"])
            appTheme.dark = false
            compare(colors(page.currentActions), ["none", "#9333EA", "#4F46E5", "#7C3AED"],
                    "the light palette without a node change")
            compare(page.handActionTypeList, ["check", "Bet 150%", "Bet 33%", "Bet 75%"], "bands keyed by label")
            var panels = ["gameTreePanel", "strategyPanel", "bucketsCard", "handDetailsCard"]
            for (var i = 0; i < panels.length; ++i)
                verify(Qt.colorEqual(findChild(findChild(page, panels[i]), "cardBase").color, appTheme.surface),
                       panels[i] + " follows the palette")

            var six = []
            for (var k = 6; k >= 1; --k)
                six.push({ name: "Bet " + (10 * k) + "%", actionType: "bet" })
            six.push({ name: "Raise 300%", actionType: "raise 300%" }, { name: "All-In", actionType: "allin" },
                     { name: "Bet", actionType: "bet" })
            compare(colors(Actions.colorizeBetRaiseActions(six, true)),
                    ["#818CF8", "#F0ABFC", "#E879F9", "#C084FC", "#A78BFA", "#818CF8", "#FDBA74", "none", "none"],
                    "a sixth size starts again; raises rank on their own")
            compare(six[0].color, undefined, "the input is not changed")
        }

        function test_evs_relative_to_fold() {
            stats("0", [["Fold", "fold", 0.2, 1.5], ["Call", "call", 0.5, 2.0], ["Raise 50%", "raise 50%", 0.3, -0.5]])
            compare(page.currentActions.map(function(a) { return a.ev }), [1.5, 2.0, -0.5], "raw EVs are kept")
            compare(page.actionFrequenciesActions.map(function(a) { return a.ev }), [0, 0.5, -2.0])
            compare([barText(0, "ev"), barText(1, "ev"), barText(2, "ev")], ["0.00 EV", "0.50 EV", "-2.00 EV"])
            var names = [findChild(findChild(findChild(page, "actionFrequenciesBar"), "actionLabel0"), "name"),
                         findChild(findChild(page, "treeLevel0"), "actionChipText"), findChild(page, "legendName")]
            for (var i = 0; i < names.length; ++i)
                compare(names[i].textFormat, Text.PlainText, "action names from the back end are plain text")
            var noRef = Actions.normalizeActionEvsAroundFold([{ name: "Fold", actionType: "fold", ev: NaN },
                                                              { name: "Call", ev: 3 }, { name: "fold again", ev: 1 }])
            compare(noRef[1].ev, 3, "a first fold without a finite EV is no reference")

            // An EV a hair below the fold's reads 0.00, never -0.00 (the bar's own
            // rounding is checked in the action bar's tests).
            stats("0", [["Fold", "fold", 0.5, 1.5], ["Call", "call", 0.5, 1.4999], ["Raise 50%", "raise 50%", 0, -0.004]])
            compare([barText(0, "ev"), barText(1, "ev")], ["0.00 EV", "0.00 EV"])
        }

        function test_statistics_and_pill() {
            compare([stat("evOopCard"), stat("evIpCard"), stat("exploitabilityCard")], ["37.750", "62.250", "0.1234"])
            var pill = findChild(page, "playerPillText")
            compare(pill.text, "OOP to act")
            verify(Qt.colorEqual(pill.color, appTheme.actionBet))
            page.selectActionAtLevel(0, 1)
            compare(pill.text, "IP to act")
            verify(Qt.colorEqual(pill.color, appTheme.info))
            mock.resultEvOop = -50.0004   // rounds to zero with half the pot: no minus sign
            compare(stat("evOopCard"), "0.000")
            mock.resultEvOop = -50.0006
            compare(stat("evOopCard"), "-0.001")
            mock.resultEvOop = NaN
            compare(stat("evOopCard"), "—")
            page.controller = null
            compare([stat("evIpCard"), stat("exploitabilityCard")], ["—", "—"])
            compare(page.currentActions, [])
        }

        // While a solve runs there is no result: the page says so instead of
        // zero figures and a seat to act over an empty tree.
        function test_running_solve_shows_no_figures() {
            function shown() {
                return ["evOopCard", "evIpCard", "exploitabilityCard"].map(stat).concat(
                    ["figure_pot", "figure_stack", "figure_toCall", "playerPillText"].map(function(n) {
                        return findChild(page, n).text }), findChild(page, "treeSolvingNote").visible)
            }
            mock.running = true
            mock.finishSolve([])   // a start drops the previous result
            compare(shown(), ["—", "—", "—", "—", "—", "—", "Solving...", true])
            verify(!findChild(page, "treeFlickable").visible)
            mock.finishSolve(MockTree.defaultTree())
            mock.running = false
            compare(shown(), ["37.750", "62.250", "0.1234", "100", "100", "0", "OOP to act", false])
        }

        function test_chance_node_and_toggle() {
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            compare(page.currentActions.length, 1)
            compare([page.currentActions[0].name, page.currentActions[0].frequency], ["Random turn card", 1.0])
            compare(barText(0, "share"), "100%")
            // A chance node names the card it deals, and both seats' stack.
            compare(findChild(page, "playerPillText").text, "Random turn card")
            compare(findChild(page, "figure_stack").text, "100")

            var toggle = findChild(page, "playModeToggle")
            waitForRendering(page)
            compare(toggle.text, "Play vs solution")
            mouseClick(toggle)
            compare([page.playMode, toggle.text], [true, "Range view"])
            verify(!findChild(page, "actionFrequenciesSection").visible)
            compare(page.treeLevels.count, 1, "play mode starts at the root")
            page.playEngine.playBoardText = "AhKhQh2c"
            compare(findChild(page, "strategyBoard").boardText, "AhKhQh2c", "the play board in play mode")
            mouseClick(toggle)
            verify(findChild(page, "actionFrequenciesSection").visible)
        }

        // A 1280 wide window: the header stays whole and in view, the hand
        // row's cards keep their least widths and the row scrolls sideways.
        function test_narrow_panel_keeps_header_and_cards() {
            host.width = 1248
            waitForRendering(page)
            var panel = findChild(page, "strategyPanel")
            var flick = findChild(page, "strategyFlickable")
            var cards = ["playModeToggle", "evOopCard", "evIpCard", "exploitabilityCard"]
            for (var i = 0; i < cards.length; ++i) {
                var item = findChild(page, cards[i])
                verify(item.mapToItem(panel, item.width, 0).x <= panel.width, cards[i] + " within the panel")
            }
            flick.contentX = flick.contentWidth - flick.width
            var stats = findChild(page, "exploitabilityCard")
            verify(stats.mapToItem(panel, stats.width, 0).x <= panel.width, "the header does not scroll away")
            var matrix = findChild(page, "strategyMatrix")
            compare(matrix.width, matrix.implicitWidth)
            verify(findChild(page, "bucketsCard").width >= 260)
            verify(findChild(page, "handDetailsCard").width >= 250)
            verify(flick.contentWidth > flick.width, "the row scrolls sideways")
            var row = findChild(page, "handRow")
            compare(row.width, flick.contentWidth)
        }
    }
}
