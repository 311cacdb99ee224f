import QtQuick
import QtQuick.Layouts
import "../../components"

// Title row of a settings card: an accent icon and the card's name.
RowLayout {
    id: root

    property var theme: null
    property string iconName: ""
    property string title: ""

    spacing: 8

    Icon {
        Layout.preferredWidth: 18
        Layout.preferredHeight: 18
        name: root.iconName
        size: 18
        color: root.theme ? root.theme.accent : "#3FB950"
    }
    Text {
        textFormat: Text.PlainText
        text: root.title
        font.pixelSize: 16
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
}
