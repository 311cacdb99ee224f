import QtQuick
import QtQuick.Layouts

// Label and description of one setting row; the control sits to its right.
ColumnLayout {
    id: root

    property var theme: null
    property string label: ""
    property string description: ""
    property bool wrap: true

    Layout.fillWidth: true
    spacing: 2

    Text {
        textFormat: Text.PlainText
        Layout.fillWidth: true
        text: root.label
        font.pixelSize: 14
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
    Text {
        textFormat: Text.PlainText
        Layout.fillWidth: true
        text: root.description
        font.pixelSize: 12
        wrapMode: root.wrap ? Text.WordWrap : Text.NoWrap
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }
}
