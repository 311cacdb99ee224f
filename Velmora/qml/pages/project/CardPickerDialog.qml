import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// "Select card": the card picker that sets or clears one board slot. Not
// modal, so the page stays usable behind it; Escape or a press outside
// closes it. The page places it and does the board edits.
PageDialog {
    id: root

    property int editingIndex: -1
    property var usedCards: []

    signal cardPicked(string card)
    signal clearRequested()

    readonly property alias picker: picker

    // The page places it under the board.
    centred: false
    modal: false
    width: Math.max(360, picker.implicitWidth + 28)
    title: qsTr("Select card")

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

    footerItems: [
        Item { Layout.fillWidth: true },
        DialogButton {
            objectName: "clearCardButton"
            implicitWidth: 110
            theme: root.theme
            text: qsTr("Clear card")
            enabled: root.editingIndex >= 0
            onClicked: root.clearRequested()
        },
        DialogButton {
            objectName: "cancelCardButton"
            theme: root.theme
            text: qsTr("Cancel")
            onClicked: root.close()
        }
    ]
}
