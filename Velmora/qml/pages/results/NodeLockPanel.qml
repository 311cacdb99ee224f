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
    readonly property string weightProblem: page ? page.nodeLockWeightProblem : ""

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
                refused: panel.weightProblem !== ""
                text: panel.page ? panel.page.nodeLockWeightText : ""
                onTextEdited: if (panel.page) panel.page.nodeLockWeightText = text
            }
        }
    }

    // Why the weight cannot be locked with; no hand is locked until it can.
    Text {
        objectName: "nodeLockWeightReason"
        visible: panel.lockable && panel.weightProblem !== ""
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        textFormat: Text.PlainText
        text: panel.weightProblem === "empty" ? qsTr("Enter a weight from 0 to 1 to lock hands.")
            : panel.weightProblem === "notNumber" ? qsTr("The weight must be a number from 0 to 1, such as 0.5.")
            : panel.weightProblem === "outOfRange" ? qsTr("The weight is a probability from 0 to 1: write 50 % as 0.5.")
            : ""
        font.pixelSize: 12
        color: panel.theme ? panel.theme.danger : "#F85149"
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

    // A re-solve asked for here that brought no result, and why (the
    // controller's status, in the user's language).
    Rectangle {
        id: refusal
        objectName: "reSolveRefusal"
        readonly property string outcome: panel.page ? panel.page.reSolveOutcome : ""
        visible: outcome !== ""
        Layout.fillWidth: true
        implicitHeight: refusalText.implicitHeight + 16
        radius: panel.theme ? panel.theme.radiusXs : 4
        color: panel.theme ? panel.theme.withOpacity(panel.theme.danger, 0.10) : Qt.rgba(0.973, 0.318, 0.286, 0.10)
        border.width: 1
        border.color: panel.theme ? panel.theme.danger : "#F85149"

        Column {
            id: refusalText
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 8
            spacing: 2

            Text {
                objectName: "reSolveRefusalTitle"
                width: parent.width
                wrapMode: Text.WordWrap
                text: refusal.outcome === "ended" ? qsTr("Re-solve ended without a result")
                                                        : qsTr("Re-solve could not start")
                font.pixelSize: 12
                font.bold: true
                color: panel.theme ? panel.theme.danger : "#F85149"
            }
            Text {
                objectName: "reSolveRefusalReason"
                width: parent.width
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                text: panel.page && panel.page.controller ? String(panel.page.controller.statusText || "") : ""
                font.pixelSize: 12
                color: panel.theme ? panel.theme.text : "#F0F6FC"
            }
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
