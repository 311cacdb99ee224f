import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack
import "../../Velmora/qml/pages/results/ResultsMatrixData.js" as MatrixData

// The Strategy by Hand matrix: its data, bands, legend and node figures.
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
        name: "ResultsMatrix"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            appTheme.dark = true
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
        }

        function fill(hand) {
            return findChild(findChild(findChild(page, "strategyMatrix"), "cell_" + hand), "mixedFill")
        }
        function figures() {
            var box = findChild(page, "nodeFigures")
            return ["pot", "stack", "toCall"].map(function(k) { return findChild(box, "figure_" + k).text })
        }
        function colorOf(hand, key) { return Qt.colorEqual(page.handColors[hand], appTheme.actionColor(key)) }

        function test_matrix_at_root_and_after_a_node_change() {
            compare(page.handActionTypeList, ["check", "Bet 33%"])
            compare([page.handWeights["AA"], page.handWeights["KK"]], [0.9, 0.5], "weights of the reach fold")
            compare(page.handActionProbs["QJo"], [0.2, 0.8])
            verify(colorOf("KK", "Check"), "a tie goes to the first action")
            verify(Qt.colorEqual(page.handColors["AKs"], "#818CF8"), "a sized bet takes its palette colour")
            compare([fill("KK").height, fill("AA").height], [0.5 * 28, 0.9 * 28], "fill by weight from the bottom")
            compare(findChild(fill("KK"), "segment0").width, 14)
            // A sized bet's band has its legend swatch's palette colour, in either theme.
            var swatch = function() { return findChild(findChild(page, "matrixLegend").children[1], "legendSwatch") }
            verify(Qt.colorEqual(findChild(fill("KK"), "segment1").color, "#818CF8"))
            verify(Qt.colorEqual(swatch().color, "#818CF8"))
            verify(Qt.colorEqual(findChild(fill("KK"), "segment0").color, appTheme.actionColor("check")))
            appTheme.dark = false
            verify(Qt.colorEqual(findChild(fill("KK"), "segment1").color, "#4F46E5"))
            verify(Qt.colorEqual(swatch().color, "#4F46E5"))
            verify(Qt.colorEqual(page.handColors["AKs"], "#4F46E5"))
            appTheme.dark = true
            verify(!fill("72o").visible, "an empty class shows its label only")
            compare(figures(), ["100", "100", "0"])

            page.selectActionAtLevel(0, 1)   // IP facing a bet: the node's own actions at once
            compare(page.handActionTypeList, ["fold", "call"])
            verify(colorOf("AA", "Fold"))
            compare(figures(), ["133", "100", "33"])
            page.selectActionAtLevel(1, 1)   // a deal: no strategy, no seat to act, the stack both hold
            compare(page.handWeights, {})
            compare(figures(), ["166", "67", "0"])

            page.resetTreeToRoot()
            var before = mock.callsNamed("nodeHandStrategy").length
            mock.resultsChanged()
            compare(mock.callsNamed("nodeHandStrategy").length, before + 1, "new results refresh at node 0 too")
        }

        function test_bucket_filter_and_legend() {
            page.selectedBucket = "top pair"
            var calls = mock.callsNamed("nodeHandStrategyReach169")
            compare(calls[calls.length - 1].args, [0, "top pair"])
            compare(Object.keys(page.handWeights), ["KK"])
            page.selectedBucket = ""
            compare(page.handWeights["AA"], 0.9)

            mock.statsOverride = { "0": [{ name: "Check", actionType: "check", frequency: 0.899 },
                                         { name: "Bet 33%", actionType: "bet", frequency: 0.051 },
                                         { name: "Bet 75%", actionType: "bet", frequency: 0.05 }] }
            page.resetTreeToRoot()
            var legend = findChild(page, "matrixLegend")
            var shown = []
            for (var i = 0; i < legend.children.length; ++i) {
                var e = legend.children[i]
                if (e.objectName === "legendEntry" && e.visible)
                    shown.push(findChild(e, "legendName").text)
            }
            compare(shown, ["Check", "Bet 33%"])
        }

        function test_lock_preview() {
            page.nodeLocksByNode = { "0": { "AKs": { actionIndex: 0, actionProb: 0.6 },
                                            "AA": { actionIndex: 2, actionProb: 1 } } }
            page.refreshHandMatrix()
            compare(page.handActionProbs["AKs"], [0.6, 0.4])
            compare(page.handActionProbs["AA"], [1, 0], "a lock outside the actions is skipped")
            verify(colorOf("AKs", "Check"), "coloured by the locked action")

            var key = function(k) { return "key:" + k }
            var three = MatrixData.compute({ weights: { "AKs": 1 } },
                                           [{ name: "Fold", actionType: "fold" }, { name: "Call", actionType: "call" },
                                            { name: "Raise 50%", actionType: "raise" }],
                                           {}, { "AKs": { actionIndex: 1, actionProb: 0.6 } }, key, "muted")
            compare(three.actionProbs["AKs"].map(function(v) { return Math.round(v * 1000) / 1000 }), [0.2, 0.6, 0.2])
            compare(three.colors["AKs"], "key:Call")
            var one = MatrixData.compute({ weights: { "AA": 1 } }, [{ name: "Check", actionType: "check" }], {},
                                         { "AA": { actionIndex: 0, actionProb: 0.2 } }, key, "muted")
            compare(one.actionProbs["AA"], [1.0])
            var bare = MatrixData.compute({ weights: { "AA": 1 }, dominantActionTypes: { "AA": "call" },
                                            actionTypeList: ["call", "fold"] }, [], null, null, key, "muted")
            compare([bare.colors["AA"], bare.actionTypeList], ["key:call", ["call", "fold"]],
                    "without definitions: the dominant type and the strategy's keys")
        }
    }
}
