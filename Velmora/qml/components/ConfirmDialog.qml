import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A question to confirm, in the program's colours and language: the title,
// the text (plain) and "Cancel" and "OK". "OK" or Return accepts (`accepted`),
// "Cancel" or Escape rejects (`rejected`).
Dialog {
    id: root

    property var theme: null
    property string text: ""

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: parent ? Math.min(420, parent.width - 48) : 420
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    standardButtons: Dialog.NoButton
    padding: 20
    header: null
    footer: null

    background: Rectangle {
        radius: root.theme ? root.theme.radiusLg : 16
        color: root.theme ? root.theme.surface : "#1C2128"
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
    }

    Overlay.modal: Rectangle { color: "#99000000" }

    onOpened: contentItem.forceActiveFocus()

    contentItem: ColumnLayout {
        spacing: 14
        focus: true
        Keys.onReturnPressed: root.accept()
        Keys.onEnterPressed: root.accept()

        Text {
            objectName: "confirmTitle"
            Layout.fillWidth: true
            text: root.title
            textFormat: Text.PlainText
            font.pixelSize: 16
            font.bold: true
            wrapMode: Text.Wrap
            color: root.theme ? root.theme.text : "#F0F6FC"
        }

        Text {
            objectName: "confirmText"
            Layout.fillWidth: true
            text: root.text
            textFormat: Text.PlainText
            font.pixelSize: 13
            wrapMode: Text.Wrap
            color: root.theme ? root.theme.textMuted : "#8B949E"
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 6
            spacing: 12
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "confirmCancelButton"
                theme: root.theme
                text: qsTr("Cancel")
                onClicked: root.reject()
            }
            PrimaryButton {
                objectName: "confirmOkButton"
                theme: root.theme
                text: qsTr("OK")
                onClicked: root.accept()
            }
        }
    }
}
