import QtQuick
import QtQuick.Layouts
import "Ranks.js" as Ranks

// Community cards of a spot: the flop on a tinted plate, then turn and river,
// with a street caption. Reads a board text and reports slot clicks; it never
// edits the board itself.
Item {
    id: root

    property var theme: null
    property string boardText: ""
    property bool editable: false
    property var clickableIndices: null
    property bool compact: false
    property real cardScale: 1.0
    property int horizontalPadding: compact ? 0 : 10

    signal cardClicked(int index)

    // Slots parsed from the board text: at least five, an invalid pair (such
    // as the gap marker "__") giving an empty slot at its own position.
    readonly property var cards: _parseBoard(boardText)
    readonly property string streetLabel: {
        var n = 0
        for (var i = 0; i < cards.length; ++i) {
            if (cards[i].rank !== "")
                ++n
        }
        if (n >= 5)
            return qsTr("River")
        if (n === 4)
            return qsTr("Turn")
        if (n === 3)
            return qsTr("Flop")
        return qsTr("Preflop")
    }

    readonly property string _ranks: Ranks.ORDER
    readonly property string _suits: "shdc"

    function _parseBoard(text) {
        var s = String(text === undefined || text === null ? "" : text).replace(/\s/g, "")
        var out = []
        for (var i = 0; i + 1 < s.length; i += 2) {
            var r = s.charAt(i).toUpperCase()
            var su = s.charAt(i + 1).toLowerCase()
            if (_ranks.indexOf(r) >= 0 && _suits.indexOf(su) >= 0)
                out.push({ rank: r, suit: su })
            else
                out.push({ rank: "", suit: "" })
        }
        while (out.length < 5)
            out.push({ rank: "", suit: "" })
        return out
    }

    function _isClickable(i) {
        if (!editable)
            return false
        if (clickableIndices === null || clickableIndices === undefined)
            return true
        if (!clickableIndices.length || typeof clickableIndices.indexOf !== "function")
            return false
        return clickableIndices.indexOf(i) >= 0
    }

    function _slotEmpty(i) {
        return cards[i].rank === ""
    }

    implicitWidth: cardRow.implicitWidth
    implicitHeight: cardRow.implicitHeight
                    + (compact ? 0 : caption.implicitHeight + (theme ? theme.spaceXs : 4))

    ColumnLayout {
        anchors.fill: parent
        spacing: root.theme ? root.theme.spaceXs : 4

        Text {
            id: caption
            objectName: "streetCaption"
            textFormat: Text.PlainText
            Layout.alignment: Qt.AlignHCenter
            visible: !root.compact
            text: root.streetLabel
            font.pixelSize: 11
            font.weight: Font.DemiBold
            font.letterSpacing: 1
            font.capitalization: Font.AllUppercase
            color: root.theme ? root.theme.textFaint : "#6E7681"
            opacity: 0.8
        }

        RowLayout {
            id: cardRow
            objectName: "cardRow"
            Layout.alignment: Qt.AlignHCenter
            spacing: root.compact ? 4 : 8

            Item {
                Layout.preferredWidth: root.horizontalPadding
                Layout.preferredHeight: 1
            }

            Rectangle {
                id: flopGroup
                objectName: "flopGroup"
                visible: !root._slotEmpty(0) || root.editable
                Layout.preferredWidth: flopRow.implicitWidth + (root.compact ? 8 : 16)
                Layout.preferredHeight: flopRow.implicitHeight + (root.compact ? 8 : 12)
                Layout.alignment: Qt.AlignVCenter
                radius: root.theme ? root.theme.radiusMd : 12
                color: root.theme ? root.theme.surface2 : "#21262D"
                border.width: 1
                border.color: root.theme ? root.theme.strokeLight : "#21262D"

                Row {
                    id: flopRow
                    anchors.centerIn: parent
                    spacing: root.compact ? 2 : 4

                    Repeater {
                        model: 3
                        delegate: PlayingCard {
                            required property int index
                            objectName: "slot" + index
                            // A compact board shows only the cards dealt.
                            visible: !(root.compact && !root.editable && root._slotEmpty(index))
                            theme: root.theme
                            rank: root.cards[index].rank
                            suit: root.cards[index].suit
                            mini: root.compact
                            hoverable: root._isClickable(index)
                            sizeScale: root.cardScale
                            enableHoverScale: false
                            onClicked: {
                                if (root._isClickable(index))
                                    root.cardClicked(index)
                            }
                        }
                    }
                }
            }

            PlayingCard {
                id: turnSlot
                objectName: "slot3"
                Layout.alignment: Qt.AlignVCenter
                visible: !(root.compact && !root.editable && root._slotEmpty(3))
                theme: root.theme
                rank: root.cards[3].rank
                suit: root.cards[3].suit
                mini: root.compact
                hoverable: root._isClickable(3)
                sizeScale: root.cardScale
                enableHoverScale: false
                onClicked: {
                    if (root._isClickable(3))
                        root.cardClicked(3)
                }
            }

            PlayingCard {
                id: riverSlot
                objectName: "slot4"
                Layout.alignment: Qt.AlignVCenter
                visible: !(root.compact && !root.editable && root._slotEmpty(4))
                theme: root.theme
                rank: root.cards[4].rank
                suit: root.cards[4].suit
                mini: root.compact
                hoverable: root._isClickable(4)
                sizeScale: root.cardScale
                enableHoverScale: false
                // The river cannot be chosen before the turn.
                disabled: root.editable && root._slotEmpty(3) && root._slotEmpty(4)
                onClicked: {
                    if (root._isClickable(4))
                        root.cardClicked(4)
                }
            }

            Item {
                Layout.preferredWidth: root.horizontalPadding
                Layout.preferredHeight: 1
            }
        }
    }
}
