import QtQuick
import QtQuick.Layouts
import "../../components"

// One street of a logged hand: its title, the board cards of that street and
// the decisions taken on it, one rounded box each ("—" when there were none).
ColumnLayout {
    id: column

    property var theme: null
    property string title: ""
    property string boardText: ""
    property var steps: []

    spacing: 6

    Text {
        text: column.title
        font.pixelSize: 13
        font.bold: true
        color: column.theme ? column.theme.text : "#F0F6FC"
    }

    BoardDisplay {
        theme: column.theme
        compact: true
        boardText: column.boardText
        visible: column.boardText !== ""
    }

    Flickable {
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        contentHeight: stepColumn.implicitHeight
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: stepColumn
            width: parent.width
            spacing: 4

            Text {
                visible: !column.steps || column.steps.length === 0
                text: "—"
                color: column.theme ? column.theme.textMuted : "#8B949E"
            }

            Repeater {
                model: column.steps ? column.steps : []
                delegate: Rectangle {
                    required property var modelData
                    width: stepColumn.width
                    height: stepText.implicitHeight + 8
                    radius: 6
                    color: column.theme ? column.theme.surface2 : "#21262D"
                    border.width: 1
                    border.color: column.theme ? column.theme.stroke : "#30363D"

                    Text {
                        id: stepText
                        objectName: "stepText"
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.margins: 6
                        text: String(modelData)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: 12
                        color: column.theme ? column.theme.text : "#F0F6FC"
                    }
                }
            }
        }
    }
}
