import QtQuick
import QtQuick.Layouts
import "../../components"

// Heading line of a Solve page card: an optional icon in the accent colour
// and the title; anything declared inside goes to the right end.
RowLayout {
    id: root

    property var theme: null
    property string title: ""
    property string iconName: ""
    default property alias trailing: trailingRow.data

    spacing: 8

    Icon {
        visible: root.iconName !== ""
        name: root.iconName
        size: 16
        Layout.preferredWidth: 16
        Layout.preferredHeight: 16
        color: root.theme ? root.theme.accent : "#3FB950"
    }
    Text {
        Layout.fillWidth: true
        text: root.title
        font.pixelSize: 16
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }
    Row {
        id: trailingRow
        spacing: 8
    }
}
