import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A dialog of the Setup page: modal, no standard buttons, closed by Escape
// or a press outside; a title, a content column (an optional muted prompt
// on top, the dialog's own items, an error line under them shown only when
// it has text) and a footer row of buttons. Every such dialog sets its width.
// It opens in the middle of the window, as the program's other dialogs do;
// one that places itself sets `centred` to false.
Dialog {
    id: root

    property bool centred: true

    property var theme: null
    property string prompt: ""
    property string errorText: ""
    default property alias body: bodyColumn.data
    property alias footerItems: footerRow.data

    anchors.centerIn: centred ? Overlay.overlay : null
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    standardButtons: Dialog.NoButton
    padding: 0

    header: Label {
        text: root.title
        textFormat: Text.PlainText
        leftPadding: 14
        rightPadding: 14
        topPadding: 14
        font.pixelSize: 14
        font.bold: true
        elide: Text.ElideRight
        color: root.theme ? root.theme.text : "#F0F6FC"
    }

    background: Rectangle {
        radius: root.theme ? root.theme.radiusSm : 10
        color: root.theme ? root.theme.surface : "#1C2128"
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
    }

    contentItem: Item {
        implicitHeight: contentColumn.implicitHeight + 28

        ColumnLayout {
            id: contentColumn
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Text {
                Layout.fillWidth: true
                visible: root.prompt.length > 0
                text: root.prompt
                font.pixelSize: 12
                wrapMode: Text.Wrap
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }

            ColumnLayout {
                id: bodyColumn
                Layout.fillWidth: true
                spacing: 10
            }

            Text {
                objectName: "errorLine"
                Layout.fillWidth: true
                visible: root.errorText.trim().length > 0
                text: root.errorText
                textFormat: Text.PlainText
                font.pixelSize: 11
                wrapMode: Text.Wrap
                color: root.theme ? root.theme.danger : "#F85149"
            }
        }
    }

    footer: Item {
        implicitHeight: footerRow.implicitHeight + 28

        RowLayout {
            id: footerRow
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10
        }
    }
}
