import QtQuick
import QtQuick.Layouts
import "../../components"

// "Node-Locking": the action to lock to, its weight, resetting the node's
// locks and the re-solve that applies every lock.
ColumnLayout {
    id: panel

    property var page: null
    readonly property var theme: page ? page.theme : null
    readonly property bool lockable: page ? page._currentNodeIsLockable() : false

    objectName: "nodeLockPanel"
    spacing: 8

    Text {
        text: qsTr("Node-Locking")
        font.pixelSize: 14
        font.bold: true
        color: panel.theme ? panel.theme.text : "#F0F6FC"
    }

    Text {
        objectName: "nodeLockUnavailable"
        visible: !panel.lockable
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        text: qsTr("Node-locking is only available on decision nodes.")
        font.pixelSize: 12
        color: panel.theme ? panel.theme.textMuted : "#8B949E"
    }

    Flow {
        objectName: "nodeLockActions"
        visible: panel.lockable
        Layout.fillWidth: true
        spacing: 6

        Repeater {
            model: panel.page ? panel.page.nodeLockActionList : []
            delegate: SecondaryButton {
                required property var modelData
                required property int index
                objectName: "nodeLockAction" + index
                theme: panel.theme
                text: modelData && modelData.name !== undefined && modelData.name !== null ? String(modelData.name) : ""
                iconText: panel.page && panel.page.nodeLockSelectedActionIndex === index ? "✓" : ""
                onClicked: panel.page.nodeLockSelectedActionIndex = index
            }
        }

        Row {
            spacing: 6
            height: 40

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Weight")
                font.pixelSize: 12
                color: panel.theme ? panel.theme.textMuted : "#8B949E"
            }
            ResultsTextField {
                objectName: "nodeLockWeightField"
                anchors.verticalCenter: parent.verticalCenter
                width: 90
                theme: panel.theme
                placeholderText: "0..1"
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                text: panel.page ? panel.page.nodeLockWeightText : ""
                onTextEdited: if (panel.page) panel.page.nodeLockWeightText = text
            }
        }
    }

    RowLayout {
        visible: panel.lockable
        Layout.fillWidth: true
        spacing: 8

        SecondaryButton {
            objectName: "resetWeightsButton"
            Layout.preferredWidth: 160
            theme: panel.theme
            text: qsTr("Reset weights")
            onClicked: panel.page.resetNodeLockEdits(panel.page.currentNodeIndex)
        }
        Item { Layout.fillWidth: true }
        PrimaryButton {
            objectName: "reSolveButton"
            Layout.preferredWidth: 140
            theme: panel.theme
            text: qsTr("Re-solve")
            enabled: panel.page !== null && panel.page.controller !== null && panel.page.controller !== undefined
                     && panel.lockable
            onClicked: panel.page._reSolveWithNodeLocks()
        }
    }

    Text {
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        text: qsTr("Tip: select an action above, then click a hand cell in the matrix to lock it.")
        font.pixelSize: 11
        color: panel.theme ? panel.theme.textMuted : "#8B949E"
    }
}
