import QtQuick
import QtQuick.Layouts
import "../../components"

// Head of the Setup page: the title with the readiness badge, the memory the
// solve needs beside what is free, and the way on to the Solve page.
RowLayout {
    id: root

    property var theme: null
    property bool ready: false
    property bool canSolve: true
    property string requiredMemoryText: ""
    property string availableMemoryText: ""
    property bool memoryWarning: false

    signal continueClicked()

    SectionHeader {
        objectName: "projectSectionHeader"
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        theme: root.theme
        title: qsTr("Project Setup")
        // A complete board whose spot does not fit in memory is not ready.
        badge: !root.ready ? qsTr("Setup Required")
                           : root.memoryWarning ? qsTr("Needs more memory than available") : qsTr("Ready")
        badgeColor: !root.ready ? (root.theme ? root.theme.warn : "#F0883E")
                                : root.memoryWarning ? (root.theme ? root.theme.danger : "#F85149")
                                                     : (root.theme ? root.theme.success : "#3FB950")
    }

    ColumnLayout {
        Layout.alignment: Qt.AlignVCenter
        spacing: 2

        Text {
            objectName: "solveRamText"
            Layout.alignment: Qt.AlignRight
            horizontalAlignment: Text.AlignRight
            textFormat: Text.PlainText
            text: qsTr("Solve RAM: %1").arg(root.requiredMemoryText !== "" ? root.requiredMemoryText : qsTr("—"))
            font.pixelSize: 11
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: root.memoryWarning ? (root.theme ? root.theme.danger : "#F85149")
                                      : (root.theme ? root.theme.textMuted : "#8B949E")
        }
        Text {
            objectName: "availableRamText"
            Layout.alignment: Qt.AlignRight
            horizontalAlignment: Text.AlignRight
            textFormat: Text.PlainText
            text: qsTr("Available RAM: %1").arg(root.availableMemoryText !== "" ? root.availableMemoryText : qsTr("—"))
            font.pixelSize: 11
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: root.theme ? root.theme.textMuted : "#8B949E"
        }
    }

    Item {
        Layout.preferredWidth: 12
        Layout.preferredHeight: 1
    }

    PrimaryButton {
        objectName: "continueToSolveButton"
        Layout.alignment: Qt.AlignVCenter
        theme: root.theme
        text: qsTr("Continue to Solve →")
        enabled: root.canSolve
        onClicked: root.continueClicked()
    }
}
