import QtQuick
import QtQuick.Layouts

// A bar across the window telling that the per-user settings could not be
// read or saved (SettingsProblemText), until the user dismisses it.
Rectangle {
    id: root

    property var theme: null
    property var status: null

    signal dismissed()

    visible: problemText.failed
    implicitHeight: visible ? row.implicitHeight + 16 : 0
    color: theme ? theme.withOpacity(theme.danger, 0.12) : "#2D1B1E"
    border.width: 1
    border.color: theme ? theme.danger : "#F85149"

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 12
        spacing: 12

        SettingsProblemText {
            id: problemText
            objectName: "settingsNoticeText"
            Layout.fillWidth: true
            theme: root.theme
            status: root.status
        }
        SecondaryButton {
            objectName: "settingsNoticeDismiss"
            Layout.preferredHeight: 28
            theme: root.theme
            text: qsTr("Dismiss")
            onClicked: root.dismissed()
        }
    }
}
