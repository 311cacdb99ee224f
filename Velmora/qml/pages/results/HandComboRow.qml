import QtQuick
import QtQuick.Layouts
import "../../components"
import "HandFilter.js" as HandFilter
import "ResultsCards.js" as Cards

// One combo of the hand details list: its two cards, the EV of each action
// (relative to folding, coloured by action) and its action mix.
RowLayout {
    id: row

    property var page: null
    property var combo: ({})
    property var actionDefinitions: []
    readonly property var theme: page ? page.theme : null
    readonly property var _lines: HandFilter.evLines(combo, actionDefinitions)

    spacing: 8

    Row {
        spacing: 3
        PlayingCard {
            theme: row.theme
            mini: true
            hoverable: false
            enableHoverScale: false
            rank: Cards.cardRank(row.combo ? row.combo.c1 : "")
            suit: Cards.cardSuit(row.combo ? row.combo.c1 : "")
        }
        PlayingCard {
            theme: row.theme
            mini: true
            hoverable: false
            enableHoverScale: false
            rank: Cards.cardRank(row.combo ? row.combo.c2 : "")
            suit: Cards.cardSuit(row.combo ? row.combo.c2 : "")
        }
    }

    Text {
        Layout.alignment: Qt.AlignVCenter
        text: qsTr("EV:")
        font.pixelSize: 11
        color: row.theme ? row.theme.textMuted : "#8B949E"
    }

    Column {
        objectName: "evColumn"
        Layout.alignment: Qt.AlignVCenter
        Layout.preferredWidth: Math.min(80, implicitWidth)
        Layout.maximumWidth: 80
        Repeater {
            model: row._lines
            delegate: Text {
                required property var modelData
                objectName: "evLine"
                text: modelData.text
                textFormat: Text.PlainText
                font.pixelSize: 11
                font.family: row.theme ? row.theme.fontMono : "monospace"
                // A sized bet or raise wears its palette colour, as in the bar beside it.
                color: modelData.def && modelData.def.color ? modelData.def.color
                       : modelData.colorKey !== "" && row.theme ? row.theme.actionColor(modelData.colorKey)
                       : (row.theme ? row.theme.text : "#F0F6FC")
            }
        }
    }

    ActionBar {
        Layout.fillWidth: true
        Layout.preferredHeight: 16
        Layout.alignment: Qt.AlignVCenter
        theme: row.theme
        showLabels: false
        actions: row.page && row.combo ? row.page._handActionsForProbs(row.combo.actionProbs) : []
    }
}
