import QtQuick

// Solve page (index 2): runs and follows a solve. For now it only carries the
// inputs the shell binds and the signal it answers.
Item {
    id: root

    property var theme: null
    property var type: null
    property var controller: null
    property bool canSolve: true

    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 0
    property int startingPot: 0
    property int effectiveStack: 0
    property int threadCount: (controller && Number(controller.systemThreadCount) > 0)
                              ? Number(controller.systemThreadCount) : 1
    property string startingStreet: "flop"
    property real targetExploitability: 0.0
    property real rakePercent: 0.0
    property int rakeCap: 0
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    signal goToResults()

    Text {
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 24
        text: qsTr("Solve")
        font.pixelSize: 20
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
}
