import QtQuick

// Setup page (index 1): the spot the user edits. For now it only carries the
// inputs the shell binds and the signals it answers.
Item {
    id: root

    property var theme: null
    property var type: null
    property bool canSolve: true

    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 0
    property int startingPot: 0
    property int effectiveStack: 0
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

    // Window width at which the page's content is not clipped.
    readonly property int recommendedWindowWidth: 1540

    signal goToSolve()

    Text {
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 24
        text: qsTr("Setup")
        font.pixelSize: 20
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
}
