import QtQuick
import QtQuick.Layouts

// Small pill-shaped label; optionally a clickable tag or a removable tag with
// its own "×" button.
Rectangle {
    id: root

    property var theme
    property string text: ""
    property color tint: theme ? theme.surface2 : "#21262D"
    property color stroke: theme ? theme.stroke : "#30363D"
    property color textColor: theme ? theme.text : "#F0F6FC"
    property string iconText: ""
    property bool removable: false
    property bool clickable: false

    signal clicked()
    signal removeClicked()

    readonly property bool _hoverActive: clickable && !removable && chipArea.containsMouse

    height: 28
    implicitHeight: 28
    implicitWidth: row.implicitWidth + 16
    radius: theme ? theme.radiusFull : 9999
    border.width: 1
    border.color: root.stroke
    color: _hoverActive ? Qt.lighter(root.tint, 1.1) : root.tint
    clip: true

    Behavior on color { ColorAnimation { duration: 100 } }

    scale: _hoverActive ? 1.05 : 1.0
    Behavior on scale { NumberAnimation { duration: 80 } }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6

        Text {
            id: glyph
            objectName: "chipGlyph"
            textFormat: Text.PlainText
            Layout.alignment: Qt.AlignVCenter
            visible: root.iconText !== ""
            text: root.iconText
            font.pixelSize: 12
            font.weight: Font.Normal
            color: root.textColor
        }

        Text {
            id: label
            objectName: "chipLabel"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: root.textColor
            maximumLineCount: 1
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
        }

        Rectangle {
            id: removeButton
            objectName: "chipRemoveButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.preferredWidth: 16
            Layout.preferredHeight: 16
            visible: root.removable
            radius: 8
            color: removeArea.containsMouse ? (root.theme ? root.theme.danger : "#F85149") : "transparent"

            Text {
                textFormat: Text.PlainText
                anchors.centerIn: parent
                text: qsTr("×")
                font.pixelSize: 12
                font.bold: true
                color: removeArea.containsMouse ? "white" : (root.theme ? root.theme.textMuted : "#8B949E")
            }

            MouseArea {
                id: removeArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.removeClicked()
            }
        }
    }

    MouseArea {
        id: chipArea
        objectName: "chipArea"
        anchors.fill: parent
        enabled: root.clickable && !root.removable
        hoverEnabled: root.clickable
        cursorShape: root.clickable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (root.clickable)
                root.clicked()
        }
    }
}
