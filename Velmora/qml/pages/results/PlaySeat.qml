import QtQuick

// One seat of the play table: its two hole cards (face up for a hero seat and
// for the drilled seat, else face down and blank) over a pill with the chips
// it has left.
Column {
    id: seatGroup

    property var theme: null
    property var engine: null
    property string seat: "OOP"
    property real cardScale: 0.95

    readonly property bool faceUp: !!engine && engine.seatFaceUp(seat)
    readonly property var _meta: engine ? engine.playTableMeta : ({})

    function _stackText() {
        var stack = Number(_meta.effectiveStack)
        var invested = Number(seat === "OOP" ? _meta.investedOop : _meta.investedIp)
        if (_meta.effectiveStack === undefined || !isFinite(stack) || !isFinite(invested))
            return qsTr("Stack: —")
        return qsTr("Stack: %1").arg(Math.max(0, stack - invested).toFixed(0))
    }

    spacing: 6

    PlayPocket {
        objectName: "seatCards"
        anchors.horizontalCenter: parent.horizontalCenter
        theme: seatGroup.theme
        cardScale: seatGroup.cardScale
        faceDown: !seatGroup.faceUp
        cards: !seatGroup.engine ? ""
             : seatGroup.seat === "OOP" ? seatGroup.engine.oopCard1 + seatGroup.engine.oopCard2
             : seatGroup.engine.ipCard1 + seatGroup.engine.ipCard2
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        width: stackLabel.implicitWidth + 20
        height: stackLabel.implicitHeight + 8
        radius: height / 2
        color: seatGroup.theme ? seatGroup.theme.surface2 : "#21262D"
        border.width: 1
        border.color: seatGroup.theme ? seatGroup.theme.stroke : "#30363D"

        Text {
            id: stackLabel
            objectName: "stackText"
            anchors.centerIn: parent
            text: seatGroup._stackText()
            font.pixelSize: 12
            color: seatGroup.theme ? seatGroup.theme.text : "#F0F6FC"
        }
    }
}
