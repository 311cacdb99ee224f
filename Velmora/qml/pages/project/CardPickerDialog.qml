import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// "Select card": the card picker that sets or clears one board slot. Not
// modal, so the page stays usable behind it; Escape or a press outside
// closes it. The page places it and does the board edits.
Dialog {
    id: root

    property var theme: null
    property int editingIndex: -1
    property var usedCards: []

    signal cardPicked(string card)
    signal clearRequested()

    readonly property alias picker: picker

    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    standardButtons: Dialog.NoButton
    title: qsTr("Select card")
    padding: 0

    header: Label {
        text: root.title
        leftPadding: 14
        rightPadding: 14
        topPadding: 14
        font.pixelSize: 14
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }

    background: Rectangle {
        radius: root.theme ? root.theme.radiusSm : 10
        color: root.theme ? root.theme.surface : "#1C2128"
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
    }

    contentItem: Item {
        implicitWidth: Math.max(360, picker.implicitWidth + 28)
        implicitHeight: content.implicitHeight + 28

        ColumnLayout {
            id: content
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Text {
                objectName: "cardPickerSlotLabel"
                text: root.editingIndex < 3 ? qsTr("Flop card")
                    : root.editingIndex === 3 ? qsTr("Turn card") : qsTr("River card")
                font.pixelSize: 12
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }

            CardPicker {
                id: picker
                objectName: "cardPicker"
                Layout.fillWidth: true
                theme: root.theme
                usedCards: root.usedCards
                onCardSelected: function(card) { root.cardPicked(card) }
            }
        }
    }

    footer: Item {
        implicitWidth: 360
        implicitHeight: footerRow.implicitHeight + 28

        RowLayout {
            id: footerRow
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Item { Layout.fillWidth: true }

            DialogButton {
                objectName: "clearCardButton"
                implicitWidth: 110
                theme: root.theme
                text: qsTr("Clear card")
                enabled: root.editingIndex >= 0
                onClicked: root.clearRequested()
            }

            DialogButton {
                objectName: "cancelCardButton"
                theme: root.theme
                text: qsTr("Cancel")
                onClicked: root.close()
            }
        }
    }
}
