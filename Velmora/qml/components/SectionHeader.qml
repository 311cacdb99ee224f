import QtQuick

// Title line at the head of a page or section: title, optional badge pill and
// an optional muted subtitle. Users give it a width.
Item {
    id: root

    property var theme: null
    property string title: ""
    property string subtitle: ""
    property string badge: ""
    property color badgeColor: theme ? theme.accent : "#3FB950"

    implicitHeight: column.implicitHeight

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 4

        Row {
            id: titleRow
            spacing: 12

            Text {
                id: titleText
                objectName: "sectionTitle"
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: root.title
                font.pixelSize: 20
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }

            Rectangle {
                id: badgePill
                objectName: "sectionBadge"
                anchors.verticalCenter: parent.verticalCenter
                visible: root.badge !== ""
                height: 22
                width: badgeText.implicitWidth + 14
                radius: root.theme ? root.theme.radiusFull : 9999
                color: Qt.rgba(root.badgeColor.r, root.badgeColor.g, root.badgeColor.b, 0.15)
                border.width: 1
                border.color: root.badgeColor

                Text {
                    id: badgeText
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: root.badge
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    color: root.badgeColor
                }
            }
        }

        Text {
            id: subtitleText
            objectName: "sectionSubtitle"
            textFormat: Text.PlainText
            width: column.width
            visible: root.subtitle !== ""
            text: root.subtitle
            font.pixelSize: 13
            color: root.theme ? root.theme.textMuted : "#8B949E"
            wrapMode: Text.WordWrap
            lineHeightMode: Text.ProportionalHeight
            lineHeight: 1.4
        }
    }
}
