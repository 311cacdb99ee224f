import QtQuick
import QtQuick.Layouts
import "../../components"

// One bundled library: name, a note and its licence as a chip.
Rectangle {
    id: root

    property var theme: null
    property string name: ""
    property string note: ""
    property string license: ""

    Layout.fillWidth: true
    Layout.preferredHeight: 56
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface2 : "#21262D"
    border.width: 1
    border.color: theme ? theme.strokeLight : "#21262D"

    RowLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Text {
                textFormat: Text.PlainText
                text: root.name
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
            Text {
                textFormat: Text.PlainText
                text: root.note
                font.pixelSize: 11
                color: root.theme ? root.theme.textFaint : "#6E7681"
            }
        }

        Chip {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            theme: root.theme
            text: root.license
            tint: root.theme ? root.theme.withOpacity(root.theme.info, 0.15) : "#1A2744"
            stroke: root.theme ? root.theme.info : "#58A6FF"
            textColor: root.theme ? root.theme.info : "#58A6FF"
        }
    }
}
