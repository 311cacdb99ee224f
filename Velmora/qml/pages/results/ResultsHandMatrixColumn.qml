import QtQuick
import QtQuick.Layouts
import "../../components"

// "Strategy by Hand": the 13 by 13 matrix of the current node, its legend,
// the node's figures and the mode buttons of node locking.
ColumnLayout {
    id: column

    property var page: null
    readonly property var theme: page ? page.theme : null
    // Node locking drives these; until it does the buttons stay disabled.
    property bool nodeLockMode: false
    property bool nodeLockAvailable: false

    signal handClicked(string hand)
    signal standardModeRequested()
    signal nodeLockModeRequested()

    spacing: 12

    Text {
        text: qsTr("Strategy by Hand")
        font.pixelSize: 14
        font.bold: true
        color: column.theme ? column.theme.text : "#F0F6FC"
    }

    HandMatrix {
        objectName: "strategyMatrix"
        theme: column.theme
        weightDisplayMode: "verticalFill"
        cellSize: 28
        showLabels: true
        selectable: true
        weights: column.page ? column.page.handWeights : ({})
        colors: column.page ? column.page.handColors : ({})
        actionTypes: column.page ? column.page.handActionTypeList : []
        actionColors: column.page ? column.page.handActionColors : []
        actionProbs: column.page ? column.page.handActionProbs : ({})
        onHandClicked: function(hand, currentWeight) { column.handClicked(hand) }

        DetailsNotSavedNote {
            objectName: "matrixNotSaved"
            visible: column.page !== null && column.page.nodeDetailsMissing.matrix
            anchors.centerIn: parent
            width: parent.width - 60
            theme: column.theme
            text: column.page ? column.page.detailsNotSavedText : ""
        }
    }

    Flow {
        objectName: "matrixLegend"
        Layout.fillWidth: true
        Layout.maximumWidth: 13 * 30
        spacing: 16

        Repeater {
            model: column.page ? column.page.currentActions : []
            delegate: Row {
                required property var modelData
                readonly property real _freq: {
                    var f = Number(modelData.frequency)
                    return (modelData.frequency === undefined || modelData.frequency === null || !isFinite(f)) ? 0 : f
                }
                objectName: "legendEntry"
                visible: _freq > 0.05
                width: visible ? implicitWidth : 0
                spacing: 6

                Rectangle {
                    objectName: "legendSwatch"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 12
                    height: 12
                    radius: 2
                    color: modelData.color !== undefined && modelData.color !== null && String(modelData.color) !== ""
                           ? modelData.color
                           : (column.theme && modelData.actionType ? column.theme.actionColor(modelData.actionType) : "#888")
                }
                Text {
                    objectName: "legendName"
                    text: modelData.name === undefined || modelData.name === null ? "" : String(modelData.name)
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    color: column.theme ? column.theme.textMuted : "#8B949E"
                }
            }
        }
    }

    RowLayout {
        spacing: 12

        ResultsNodeFigures {
            Layout.alignment: Qt.AlignTop
            page: column.page
        }

        ColumnLayout {
            Layout.preferredWidth: 150
            Layout.maximumWidth: 150
            Layout.fillWidth: false
            Layout.alignment: Qt.AlignTop
            spacing: 8

            SecondaryButton {
                objectName: "standardModeButton"
                Layout.fillWidth: true
                theme: column.theme
                font.pixelSize: 12
                text: qsTr("Standard mode")
                iconText: column.nodeLockMode ? "" : "✓"
                enabled: column.nodeLockAvailable
                onClicked: column.standardModeRequested()
            }
            SecondaryButton {
                objectName: "nodeLockModeButton"
                Layout.fillWidth: true
                theme: column.theme
                font.pixelSize: 12
                text: qsTr("Node-lock mode")
                iconText: column.nodeLockMode ? "✓" : ""
                enabled: column.nodeLockAvailable
                onClicked: column.nodeLockModeRequested()
            }
        }
    }

    NodeLockPanel {
        visible: column.nodeLockMode
        Layout.fillWidth: true
        Layout.maximumWidth: 13 * 30
        page: column.page
    }
}
