import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components/ShownText.js" as ShownText

// Asks before something is deleted: the question, the item's name between
// typographic quotes (hidden while empty) and a note; "Cancel" and a
// "Delete" in the danger colour, which closes the dialog and then emits
// `confirmed`. The name is shown escaped and in at most three lines, cut
// with an ellipsis, so that a long name never pushes the note and the
// buttons off the window.
PageDialog {
    id: root

    property string question: ""
    property string itemName: ""
    property string note: ""

    signal confirmed()

    Text {
        objectName: "deleteQuestion"
        Layout.fillWidth: true
        text: root.question
        textFormat: Text.PlainText
        font.pixelSize: 12
        wrapMode: Text.Wrap
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
    Text {
        objectName: "deleteItemName"
        Layout.fillWidth: true
        visible: root.itemName.length > 0
        text: "\u201C" + ShownText.escaped(root.itemName) + "\u201D"
        textFormat: Text.PlainText
        font.pixelSize: 12
        font.weight: Font.DemiBold
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }
    Text {
        objectName: "deleteNote"
        Layout.fillWidth: true
        text: root.note
        textFormat: Text.PlainText
        font.pixelSize: 11
        wrapMode: Text.Wrap
        color: root.theme ? root.theme.textFaint : "#6E7681"
    }

    footerItems: [
        Item { Layout.fillWidth: true },
        DialogButton {
            objectName: "cancelDeleteButton"
            theme: root.theme
            text: qsTr("Cancel")
            onClicked: root.close()
        },
        DialogButton {
            objectName: "confirmDeleteButton"
            theme: root.theme
            look: "danger"
            text: qsTr("Delete")
            onClicked: {
                root.close()
                root.confirmed()
            }
        }
    ]
}
