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
        name: "ResultsMatrix"
        when: windowShown

        property var mock: null
        property var page: null

        function init() {
            mock = createTemporaryObject(mockComp, host)
            page = createTemporaryObject(pageComp, host, { controller: mock })
            verify(page)
        }

        function cell(hand) { return findChild(findChild(page, "strategyMatrix"), "cell_" + hand) }

        function figure(key) { return findChild(findChild(page, "nodeFigures"), "figure_" + key).text }

        function sameColor(a, b) { return Qt.colorEqual(a, b) }

        function test_matrix_data_at_root() {
            compare(page.handActionTypeList, ["check", "Bet 33%"])
            compare(page.handWeights["AA"], 0.9, "the reach fold replaces the strategy's weights")
            compare(page.handWeights["KK"], 0.5)
            compare(page.handActionProbs["QJo"], [0.2, 0.8])
            verify(sameColor(page.handColors["KK"], appTheme.actionColor("Check")), "a tie goes to the first action")
            verify(sameColor(page.handColors["AKs"], "#818CF8"), "a sized bet takes its palette colour")
            verify(sameColor(page.handColors["QJo"], "#818CF8"))
            compare(page.handWeights["72o"], undefined)

            // Vertical fill by weight, one band per action keyed by label.
            var kk = cell("KK")
            var fill = findChild(kk, "mixedFill")
            verify(fill.visible)
            compare(fill.height, 0.5 * 28)
            compare(fill.width, 28)
            compare(findChild(fill, "segment0").width, 14)
            verify(sameColor(findChild(fill, "segment1").color, appTheme.actionColor("Bet 33%")))
            compare(findChild(cell("AA"), "mixedFill").height, 0.9 * 28)
            verify(!findChild(cell("72o"), "mixedFill").visible, "an empty class shows its label only")
        }

        function test_refresh_reads_the_new_node() {
            page.selectActionAtLevel(0, 1)   // IP facing a bet: Fold, Call
            compare(page.handActionTypeList, ["fold", "call"])
            verify(sameColor(page.handColors["AA"], appTheme.actionColor("Fold")))
            compare(figure("pot"), "133")
            compare(figure("stack"), "100")
            compare(figure("toCall"), "33")
            page.navigateToBreadcrumb(0)
            page.selectActionAtLevel(0, 0)
            page.selectActionAtLevel(1, 0)   // the turn deal: no strategy
            compare(page.handWeights, {})
            compare(page.handActionTypeList, ["chance", "chance"], "keys from the plain actions")
            compare(figure("toCall"), "0")
            compare(figure("stack"), "0")

            // New results refresh the matrix even when the node stays 0.
            page.resetTreeToRoot()
            mock.strategyOverride = { "0": { weights: { "AA": 1 }, actionTypeList: ["check", "bet"] } }
            var before = mock.callsNamed("nodeHandStrategy").length
            mock.resultsChanged()
            compare(mock.callsNamed("nodeHandStrategy").length, before + 1)
        }

        function test_bucket_filter() {
            page.selectedBucket = "top pair"
            var calls = mock.callsNamed("nodeHandStrategyReach169")
            compare(calls[calls.length - 1].args, [0, "top pair"])
            compare(Object.keys(page.handWeights), ["KK"])
            verify(!findChild(cell("AA"), "mixedFill").visible)
            page.selectedBucket = ""
            compare(page.handWeights["AA"], 0.9)
        }

        function test_legend_threshold() {
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
            verify(sameColor(page.handColors["AKs"], appTheme.actionColor("Check")), "coloured by the locked action")

            var threeWay = MatrixData.compute({ weights: { "AKs": 1 }, actionProbs: { "AKs": [1, 0, 0] } },
                                              [{ name: "Fold", actionType: "fold" }, { name: "Call", actionType: "call" },
                                               { name: "Raise 50%", actionType: "raise", color: "#FDBA74" }],
                                              {}, { "AKs": { actionIndex: 1, actionProb: 0.6 } },
                                              function(k) { return "key:" + k }, "muted")
            compare(threeWay.actionProbs["AKs"].map(function(v) { return Math.round(v * 1000) / 1000 }), [0.2, 0.6, 0.2])
            compare(threeWay.colors["AKs"], "key:Call")
            compare(threeWay.actionTypeList, ["fold", "call", "Raise 50%"])
            var single = MatrixData.compute({ weights: { "AA": 1 } }, [{ name: "Check", actionType: "check" }], {},
                                            { "AA": { actionIndex: 0, actionProb: 0.2 } },
                                            function(k) { return k }, "muted")
            compare(single.actionProbs["AA"], [1.0])
            var bare = MatrixData.compute({ weights: { "AA": 1 }, dominantActionTypes: { "AA": "call" },
                                            actionTypeList: ["call", "fold"] }, [], null, null,
                                          function(k) { return "key:" + k }, "muted")
            compare(bare.colors["AA"], "key:call", "without definitions the dominant type colours")
            compare(bare.actionTypeList, ["call", "fold"])
        }
    }
}
