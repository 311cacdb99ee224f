import QtQuick
import QtQuick.Layouts

// A note in the danger colour that wraps in the width a layout gives it,
// for stored data that could not be read. It asks for no width of its own,
// so a long note never widens the card it sits in. It stays in its layout
// and only folds to no height while `shown` is false: an item that a layout
// finds hidden when it is built would not be placed once it shows, if it
// showed while its page was hidden.
Item {
    id: root

    property var theme: null
    property bool shown: false
    property alias text: label.text
    property alias font: label.font

    Layout.fillWidth: true
    implicitWidth: 0
    implicitHeight: shown ? label.implicitHeight : 0

    Text {
        id: label
        width: root.width
        visible: root.shown
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 10
        color: root.theme ? root.theme.danger : "#F85149"
    }
}
