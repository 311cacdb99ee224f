import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/ResultsActions.js" as Actions

// Strategy header, statistics and action colours of the results page.
Item {
    id: host
    width: 1400
    height: 1000

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: mockComp
        MockController {}
    }
    Component {
        id: pageComp
        ResultsPage { anchors.fill: parent; theme: appTheme; boardText: "AhKhQh" }
    }

    TestCase {
        id: tc
        name: "ResultsHeader"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            appTheme.dark = true
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            verify(page)
        }

        function stat(name) { return findChild(findChild(page, name), "statValue").text }

        function colorsByName(list) {
            var out = {}
            for (var i = 0; i < list.length; ++i)
                out[list[i].name] = list[i].color === undefined ? "none" : String(list[i].color).toUpperCase()
            return out
        }

        function act(name, type, freq, ev) {
            return { name: name, actionType: type, frequency: freq, combos: 10, equity: 0.5, ev: ev }
        }

        function test_bet_sizes_coloured_by_rank() {
            mock.statsOverride = { "0": [act("Check", "check", 0.4, 1), act("Bet 150%", "bet", 0.1, 1),
                                         act("Bet 33%", "bet", 0.3, 1), act("Bet 75%", "bet", 0.2, 1)] }
            page.resetTreeToRoot()
            page.refreshHandMatrix()
            compare(page.currentActions.length, 4)
            compare(colorsByName(page.currentActions),
                    { "Check": "none", "Bet 150%": "#C084FC", "Bet 33%": "#818CF8", "Bet 75%": "#A78BFA" })
            compare(page.currentActions[1].name, "Bet 150%", "input order is kept")
            var bigBetKey = page.handActionTypeList[1]
            appTheme.dark = false
            compare(colorsByName(page.currentActions),
                    { "Check": "none", "Bet 150%": "#9333EA", "Bet 33%": "#4F46E5", "Bet 75%": "#7C3AED" },
                    "the light palette without a node change")
            var panels = ["gameTreePanel", "strategyPanel"]
            for (var i = 0; i < panels.length; ++i)
                verify(Qt.colorEqual(findChild(findChild(page, panels[i]), "cardBase").color, appTheme.surface),
                       panels[i] + " follows the palette")
            compare(page.handActionTypeList, ["check", "Bet 150%", "Bet 33%", "Bet 75%"],
                    "matrix bands are keyed by label")
            compare(bigBetKey, "Bet 150%")
        }

        function test_palette_rules() {
            var six = []
            for (var i = 0; i < 6; ++i)
                six.push({ name: "Bet " + (10 * (6 - i)) + "%", actionType: "bet" })
            six.push({ name: "Raise 300%", actionType: "raise 300%" })
            six.push({ name: "All-In", actionType: "allin" })
            six.push({ name: "Bet", actionType: "bet" })
            var out = Actions.colorizeBetRaiseActions(six, true)
            compare(out[0].color, "#818CF8", "the sixth size starts again at the first colour")
            compare(out[5].color, "#818CF8", "the smallest bet")
            compare(out[4].color, "#A78BFA")
            compare(out[6].color, "#FDBA74", "raises rank on their own, also keyed with their size")
            compare(out[7].color, undefined)
            compare(out[8].color, undefined, "a bet without a size")
            compare(six[0].color, undefined, "the input is not changed")
            compare(Actions.parsePctFromActionName("Bet 33%"), 33)
            compare(Actions.parsePctFromActionName("Raise 112.5 %"), 112.5)
            verify(isNaN(Actions.parsePctFromActionName("All-In")))
            verify(isNaN(Actions.parsePctFromActionName(undefined)))
            compare(Actions.colorizeBetRaiseActions(null, true), [])
        }

        function test_evs_relative_to_fold() {
            mock.statsOverride = { "0": [act("Fold", "fold", 0.2, 1.5), act("Call", "call", 0.5, 2.0),
                                         act("Raise 50%", "raise", 0.3, -0.5)] }
            page.resetTreeToRoot()
            var raw = []
            var bar = []
            for (var i = 0; i < 3; ++i) {
                raw.push(page.currentActions[i].ev)
                bar.push(page.actionFrequenciesActions[i].ev)
            }
            compare(raw, [1.5, 2.0, -0.5], "currentActions keeps the raw EVs")
            compare(bar, [0, 0.5, -2.0])
            var bar0 = findChild(page, "actionFrequenciesBar")
            compare(findChild(findChild(bar0, "actionLabel1"), "ev").text, "0.50 EV")
            compare(findChild(findChild(bar0, "actionLabel2"), "ev").text, "-2.00 EV")

            // A first fold without a finite EV is no reference, even with a later fold.
            var list = [{ name: "Fold", actionType: "fold", ev: NaN }, { name: "Call", ev: 3 },
                        { name: "fold again", ev: 1 }]
            compare(Actions.normalizeActionEvsAroundFold(list)[1].ev, 3)
            compare(Actions.normalizeActionEvsAroundFold([{ name: "Check", ev: 2 }])[0].ev, 2)
        }

        function test_statistics() {
            compare(stat("evOopCard"), "37.750")
            compare(stat("evIpCard"), "62.250")
            compare(stat("exploitabilityCard"), "0.1234")
            mock.resultEvOop = NaN
            compare(stat("evOopCard"), "—")
            page.controller = null
            compare(stat("evIpCard"), "—")
            compare(stat("exploitabilityCard"), "—")
            compare(page.currentActions, [])
        }

        function test_chance_node_and_player_pill() {
            var pill = findChild(page, "playerPillText")
            compare(pill.text, "OOP to act")
            verify(Qt.colorEqual(pill.color, appTheme.actionBet))
            page.selectActionAtLevel(0, 1)
            compare(pill.text, "IP to act")
            verify(Qt.colorEqual(pill.color, appTheme.info))
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)
            compare(page.currentNodeIndex, 3)
            compare(page.currentActions.length, 1)
            compare(page.currentActions[0].name, "Random turn card")
            compare(page.currentActions[0].frequency, 1.0)
            compare(page.currentActions[0].color, undefined)
            var bar = findChild(page, "actionFrequenciesBar")
            compare(findChild(findChild(bar, "actionLabel0"), "share").text, "100%")
            compare(pill.text, "IP to act", "a chance node keeps the seat of the last decision")
            compare(findChild(page, "strategyBoard").boardText, "AhKhQh")
        }

        function test_toggle_switches_views() {
            var toggle = findChild(page, "playModeToggle")
            waitForRendering(page)
            compare(toggle.text, "Play vs solution")
            mouseClick(toggle)
            compare(page.playMode, true)
            compare(toggle.text, "Range view")
            verify(!findChild(page, "actionFrequenciesSection").visible)
            page.playEngine.playBoardText = "AhKhQh2c"
            compare(findChild(page, "strategyBoard").boardText, "AhKhQh2c")
            mouseClick(toggle)
            compare(page.playMode, false)
            verify(findChild(page, "actionFrequenciesSection").visible)
        }
    }
}
