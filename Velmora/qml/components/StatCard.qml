import QtQuick

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

    readonly property real _margin: compact ? 10 : 14
    readonly property real _spacing: compact ? 4 : 8
    // The caption starts right of the accent dot and ends left of the arrow.
    readonly property real _captionLeft: dot.visible ? dot.width + 4 : 0
    readonly property real _captionRight: trendArrow.visible ? trendArrow.implicitWidth + 4 : 0

    // At least as wide as its caption on one line and its figure, so that a
    // long caption (in Russian, say) is shown whole rather than cut. Given
    // less (a row of cards sharing a narrow window), the caption wraps and
    // the card grows to hold it; given more height (a row of cards of one
    // height), the figure stays at the bottom, level with its neighbours'.
    // The caption is placed by hand: a wrapping text in a layout would lay
    // the layout out again with every line it gains or loses.
    implicitWidth: Math.max(compact ? 120 : 160,
                            2 * _margin + Math.max(_captionLeft + Math.ceil(captionWidth.advanceWidth) + _captionRight,
                                                   valueRow.implicitWidth))
    implicitHeight: Math.max(compact ? 64 : 80, 2 * _margin + caption.height + _spacing + valueRow.height)
    radius: theme ? theme.radiusMd : 12
    color: theme ? theme.surface : "#1C2128"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    FontMetrics {
        id: captionMetrics
        font: caption.font
    }
    TextMetrics {
        id: captionWidth
        font: caption.font
        text: caption.text
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.margins: root._margin

        Rectangle {
            id: dot
            objectName: "statAccentDot"
            visible: !root.compact
            width: 6
            height: 6
            // Centred on the caption's first line.
            y: Math.max(0, (captionMetrics.height - height) / 2)
            radius: 3
            color: root.accentColor
        }

        Text {
            id: caption
            objectName: "statCaption"
            textFormat: Text.PlainText
            x: root._captionLeft
            width: Math.max(0, content.width - root._captionLeft - root._captionRight)
            text: root.label
            font.pixelSize: root.compact ? 10 : 11
            font.weight: Font.Normal
            font.capitalization: Font.AllUppercase
            font.letterSpacing: 0.5
            color: root.theme ? root.theme.textMuted : "#8B949E"
            wrapMode: Text.Wrap
        }

        Text {
            id: trendArrow
            objectName: "statTrend"
            textFormat: Text.PlainText
            visible: root.trend !== ""
            anchors.right: parent.right
            text: root.trend === "up" ? "↑" : (root.trend === "down" ? "↓" : "")
            font.pixelSize: 12
            color: root.trend === "up" ? (root.theme ? root.theme.success : "#3FB950")
                 : root.trend === "down" ? (root.theme ? root.theme.danger : "#F85149")
                 : "transparent"
        }

        Row {
            id: valueRow
            anchors.bottom: parent.bottom
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
                y: valueText.height - height
                bottomPadding: root.compact ? 1 : 2
                text: root.unit
                font.pixelSize: root.compact ? 12 : 14
                font.weight: Font.Normal
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
        }
    }
}
