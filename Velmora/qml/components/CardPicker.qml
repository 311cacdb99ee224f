import QtQuick
import QtQuick.Layouts
import "Ranks.js" as Ranks

// Grid for choosing one card of the deck: one row per suit, thirteen rank
// cells each; cards in `usedCards` are greyed out and refused.
Item {
    id: root

    property var theme: null
    property var usedCards: []
    property bool showSuitHeaders: true

    signal cardSelected(string card)

    readonly property var ranks: Ranks.LIST
    readonly property var suits: ["s", "h", "d", "c"]
    readonly property var suitSymbols: ({ "s": "♠", "h": "♥", "d": "♦", "c": "♣" })

    function isCardUsed(rank, suit) {
        var list = usedCards
        if (!list || typeof list.indexOf !== "function")
            return false
        var card = String(rank) + String(suit)
        var upper = String(rank) + String(suit).toUpperCase()
        return list.indexOf(card) >= 0 || list.indexOf(upper) >= 0
    }

    function _rowColor(suit) {
        if (!theme)
            return "white"
        if (theme.dark && suit === "s")
            return theme.text
        return theme.suitColor(suit)
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    ColumnLayout {
        id: grid
        anchors.fill: parent
        spacing: root.theme ? root.theme.spaceSm : 8

        Repeater {
            model: root.suits

            delegate: RowLayout {
                id: suitRow
                required property string modelData
                readonly property string suit: modelData
                readonly property color rowColor: root._rowColor(suit)

                objectName: "row_" + suit
                Layout.fillWidth: true
                spacing: 4

                Item {
                    Layout.preferredWidth: 4
                    Layout.preferredHeight: 1
                }

                Rectangle {
                    objectName: "suitHeader_" + suitRow.suit
                    visible: root.showSuitHeaders
                    Layout.preferredWidth: 28
                    Layout.preferredHeight: 28
                    radius: root.theme ? root.theme.radiusXs : 4
                    color: root.theme ? root.theme.surface2 : "#21262D"

                    Text {
                        textFormat: Text.PlainText
                        anchors.centerIn: parent
                        text: root.suitSymbols[suitRow.suit]
                        font.pixelSize: 16
                        color: suitRow.rowColor
                    }
                }

                Repeater {
                    model: root.ranks

                    delegate: Rectangle {
                        id: cell
                        required property string modelData
                        readonly property string card: modelData + suitRow.suit
                        readonly property bool used: root.isCardUsed(modelData, suitRow.suit)
                        readonly property bool hovered: !used && cellArea.containsMouse

                        objectName: "cell_" + card
                        Layout.preferredWidth: 28
                        Layout.preferredHeight: 28
                        radius: root.theme ? root.theme.radiusXs : 4
                        border.width: 1
                        color: used ? (root.theme ? root.theme.surface3 : "#2D333B")
                             : hovered ? (root.theme ? root.theme.surfaceHover : "#30363D")
                             : (root.theme ? root.theme.surface : "#1C2128")
                        border.color: hovered ? suitRow.rowColor
                                    : (root.theme ? root.theme.strokeLight : "#21262D")
                        opacity: used ? 0.3 : 1.0
                        scale: hovered ? 1.1 : 1.0
                        z: hovered ? 1 : 0
                        Behavior on scale { NumberAnimation { duration: 80 } }

                        Text {
                            objectName: "rankLetter"
                            textFormat: Text.PlainText
                            anchors.centerIn: parent
                            text: cell.modelData
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: cell.used ? (root.theme ? root.theme.textFaint : "#6E7681")
                                             : suitRow.rowColor
                        }

                        MouseArea {
                            id: cellArea
                            anchors.fill: parent
                            hoverEnabled: !cell.used
                            cursorShape: cell.used ? Qt.ForbiddenCursor : Qt.PointingHandCursor
                            onClicked: {
                                if (!root.isCardUsed(cell.modelData, suitRow.suit))
                                    root.cardSelected(cell.card)
                            }
                        }
                    }
                }

                Item {
                    Layout.preferredWidth: 4
                    Layout.preferredHeight: 1
                }
            }
        }
    }
}
