import QtQuick
import "../../components"

// Two hole cards from a four-character text such as "AhKs" (characters 1-2
// and 3-4), face up, or face down and blank.
Row {
    id: pocket

    property var theme: null
    property string cards: ""
    property bool faceDown: false
    property bool mini: false
    property real cardScale: 1.0

    spacing: mini ? 3 : 8

    Repeater {
        model: 2
        delegate: PlayingCard {
            required property int index
            objectName: "pocketCard" + index
            theme: pocket.theme
            faceDown: pocket.faceDown
            rank: pocket.faceDown ? "" : pocket.cards.charAt(index * 2)
            suit: pocket.faceDown ? "" : pocket.cards.charAt(index * 2 + 1)
            mini: pocket.mini
            sizeScale: pocket.cardScale
            hoverable: false
            enableHoverScale: false
        }
    }
}
