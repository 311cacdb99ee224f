import QtQuick
import QtQuick.Layouts

// Small tile showing one figure: caption, value, optional unit and trend arrow.
// Every text arrives formatted from the page.
Rectangle {
    id: root

    property var theme
    property string label: ""
    property string value: ""
    property string unit: ""
    property string trend: ""
    property color accentColor: theme ? theme.accent : "#3FB950"
    property bool compact: false

    // At least as wide as its caption and figure, so that a long caption (in
    // Russian, say) is shown whole rather than cut.
    implicitWidth: Math.max(compact ? 120 : 160, content.implicitWidth + 2 * content.anchors.margins)
    implicitHeight: compact ? 64 : 80
    radius: theme ? theme.radiusMd : 12
    color: theme ? theme.surface : "#1C2128"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    ColumnLayout {
        id: content
        anchors.fill: parent
        anchors.margins: root.compact ? 10 : 14
        spacing: root.compact ? 4 : 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 4

            Rectangle {
                id: dot
                objectName: "statAccentDot"
                visible: !root.compact
                Layout.preferredWidth: 6
                Layout.preferredHeight: 6
                Layout.alignment: Qt.AlignVCenter
                radius: 3
                color: root.accentColor
            }

            Text {
                id: caption
                objectName: "statCaption"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: root.label
                font.pixelSize: root.compact ? 10 : 11
                font.weight: Font.Normal
                font.capitalization: Font.AllUppercase
                font.letterSpacing: 0.5
                color: root.theme ? root.theme.textMuted : "#8B949E"
                elide: Text.ElideRight
            }

            Text {
                id: trendArrow
                objectName: "statTrend"
                textFormat: Text.PlainText
                visible: root.trend !== ""
                text: root.trend === "up" ? "↑" : (root.trend === "down" ? "↓" : "")
                font.pixelSize: 12
                color: root.trend === "up" ? (root.theme ? root.theme.success : "#3FB950")
                     : root.trend === "down" ? (root.theme ? root.theme.danger : "#F85149")
                     : "transparent"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 4

            Text {
                id: valueText
                objectName: "statValue"
                textFormat: Text.PlainText
                text: root.value
                font.pixelSize: root.compact ? 18 : 24
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
                elide: Text.ElideNone
                wrapMode: Text.NoWrap
            }

            Text {
                id: unitText
                objectName: "statUnit"
                textFormat: Text.PlainText
                visible: root.unit !== ""
                Layout.alignment: Qt.AlignBottom
                bottomPadding: root.compact ? 1 : 2
                text: root.unit
                font.pixelSize: root.compact ? 12 : 14
                font.weight: Font.Normal
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }

            Item { Layout.fillWidth: true }
        }
    }
}
