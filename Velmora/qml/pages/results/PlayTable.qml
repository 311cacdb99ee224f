import QtQuick
import "../../components"

// The poker table of the play view: the role chooser, then the hand in
// progress (board, both seats with cards and stacks, pot, dealer button, the
// opponent's last action, the hero's action buttons) and the drill controls.
// It shows the play engine's state and calls its operations.
Item {
    id: table

    property var theme: null
    property var engine: null

    readonly property bool _started: !!engine && engine.playSessionStarted
    readonly property bool _complete: !!engine && engine.playHandComplete
    readonly property bool _drilling: !!engine && engine.playDrillMode
    readonly property var _meta: engine ? engine.playTableMeta : ({})
    readonly property string _actor: _meta.player ? String(_meta.player) : ""

    // The part of the area the table picture covers.
    readonly property real paintedX: (width - picture.paintedWidth) / 2
    readonly property real paintedY: (height - picture.paintedHeight) / 2
    readonly property real paintedWidth: picture.paintedWidth
    readonly property real paintedHeight: picture.paintedHeight
    // The seats sit 26 % of the table's height above and below its centre:
    // of the painted picture, so that a tall area keeps them at the rail
    // (the whole area until the picture is loaded).
    readonly property real _seatSpread: 0.26 * (paintedHeight > 0 ? paintedHeight : height)
    readonly property point oopAnchor: Qt.point(width / 2, height / 2 - _seatSpread)
    readonly property point ipAnchor: Qt.point(width / 2, height / 2 + _seatSpread)
    // Cards are drawn at their full size on a picture at least 420 high (a
    // 1540 by 1200 window gives it about 440) and smaller on a smaller one,
    // so that both seats, the board and the pot stay on the picture.
    readonly property real tableScale: paintedHeight > 0 ? Math.max(0.5, Math.min(1, paintedHeight / 420)) : 1
    // The rail, the outermost ellipse of the picture (1200 by 700 units,
    // centred at 600, 380, radii 520 and 230), in the table's coordinates.
    readonly property real railCenterX: paintedX + paintedWidth / 2
    readonly property real railCenterY: paintedY + paintedHeight * 380 / 700
    readonly property real railRadiusX: paintedWidth * 520 / 1200
    readonly property real railRadiusY: paintedHeight * 230 / 700

    // Texts on the felt: the picture is the same in both palettes.
    readonly property color _feltText: "#F0F6FC"
    readonly property color _feltMuted: "#A8B3BD"
    readonly property color _noticeTone: theme ? theme.gold : "#F0B429"

    function _isHero(seat) {
        return !!engine && engine._isHeroSeat(seat)
    }
    // The least y at which an item whose top-right corner is at `rightX`
    // clears the rail, when it stands left of and below the rail's centre.
    function _yBelowRail(rightX) {
        var dx = (rightX - railCenterX) / Math.max(1, railRadiusX)
        if (!(Math.abs(dx) < 1))
            return -Infinity
        return railCenterY + railRadiusY * Math.sqrt(1 - dx * dx)
    }

    function _potText() {
        var pot = Number(_meta.pot)
        if (_meta.pot === undefined || !isFinite(pot))
            return qsTr("Pot: —")
        return qsTr("Pot: %1").arg(pot.toFixed(0))
    }

    Image {
        id: picture
        objectName: "tablePicture"
        anchors.fill: parent
        source: "../../assets/poker_table_placeholder.svg"
        sourceSize.width: 1200
        sourceSize.height: 700
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        smooth: true
    }

    // ---- role chooser ----
    SecondaryButton {
        objectName: "playAsOopButton"
        visible: !table._started
        theme: table.theme
        text: qsTr("Play as OOP")
        x: (table.width - width) / 2
        y: table.paintedY + 10
        onClicked: table.engine.startPlaySession("OOP")
    }
    SecondaryButton {
        objectName: "playAsBothButton"
        visible: !table._started
        theme: table.theme
        text: qsTr("Play as both")
        anchors.centerIn: parent
        onClicked: table.engine.startPlaySession("BOTH")
    }
    SecondaryButton {
        objectName: "playAsIpButton"
        visible: !table._started
        theme: table.theme
        text: qsTr("Play as IP")
        x: (table.width - width) / 2
        y: table.paintedY + table.paintedHeight - 10 - height
        onClicked: table.engine.startPlaySession("IP")
    }

    // ---- the hand ----
    Item {
        id: overlay
        objectName: "playOverlay"
        anchors.fill: parent
        visible: table._started

        BoardDisplay {
            id: board
            objectName: "playBoard"
            theme: table.theme
            // Centred, or higher where the hint, the pot and IP's seat
            // would otherwise leave the picture below it, but never so high
            // that OOP's seat leaves it above.
            readonly property real _below: 6 + (anotherHand.visible && !anotherHand.besideBoard ? anotherHand.height
                                                                                                  : hint.height)
                                           + 4 + pot.height + 4 + ipSeat.height + 4
            x: (table.width - width) / 2
            y: Math.max(table.paintedY + 4 + oopSeat.height + 4,
                        Math.min((table.height - height) / 2,
                                 table.paintedY + table.paintedHeight - _below - height))
            width: implicitWidth
            height: implicitHeight
            boardText: table.engine ? table.engine.playBoardText : ""
            compact: false
            cardScale: 1.05 * table.tableScale
            clickableIndices: [3, 4]
            editable: !!table.engine && table.engine.playMode && table._started
                      && !table._complete && !table._drilling
            onCardClicked: function (index) { table.engine.requestRedeal(index) }
        }

        // Left of the board; where the table is too narrow for that, under
        // the board in the place of the hint, which a finished hand hides.
        SecondaryButton {
            id: anotherHand
            objectName: "anotherHandButton"
            readonly property bool besideBoard: board.x - 12 - width >= 0
            visible: table._complete
            theme: table.theme
            text: qsTr("Another hand")
            x: besideBoard ? board.x - 12 - width : board.x + (board.width - width) / 2
            y: besideBoard ? board.y + (board.height - height) / 2 : board.y + board.height + 6
            onClicked: table.engine._resetToRootAndRestartHand()
        }

        Text {
            id: hint
            objectName: "boardHint"
            visible: !table._complete
            anchors.top: board.bottom
            anchors.topMargin: 6
            anchors.horizontalCenter: board.horizontalCenter
            text: qsTr("Click Turn/River to change")
            font.pixelSize: 11
            color: table._feltMuted
        }

        Text {
            id: pot
            objectName: "potText"
            anchors.top: anotherHand.visible && !anotherHand.besideBoard ? anotherHand.bottom : hint.bottom
            anchors.topMargin: 4
            anchors.horizontalCenter: board.horizontalCenter
            text: table._potText()
            font.pixelSize: 14
            font.weight: Font.DemiBold
            color: table._feltText
        }

        PlaySeat {
            id: oopSeat
            objectName: "oopSeat"
            theme: table.theme
            engine: table.engine
            seat: "OOP"
            cardScale: 0.95 * table.tableScale
            x: table.oopAnchor.x - width / 2
            // Centred on the anchor, but never over the board.
            y: Math.max(0, Math.min(table.oopAnchor.y - height / 2, board.y - 4 - height))
        }

        PlaySeat {
            id: ipSeat
            objectName: "ipSeat"
            theme: table.theme
            engine: table.engine
            seat: "IP"
            cardScale: 0.95 * table.tableScale
            x: table.ipAnchor.x - width / 2
            // Centred on the anchor, but never over the board or the pot.
            y: Math.min(table.height - height, Math.max(table.ipAnchor.y - height / 2, pot.y + pot.height + 4))
        }

        Rectangle {
            id: dealer
            objectName: "dealerButton"
            width: 26
            height: 26
            radius: 13
            // Right of IP's seat, 86 px from its anchor on a full-size
            // table, never nearer than 8 px to the seat.
            x: Math.max(table.ipAnchor.x + 86 * table.tableScale - width / 2, ipSeat.x + ipSeat.width + 8)
            y: ipSeat.y + ipSeat.height / 2 - height / 2
            color: "#F5F5F0"
            border.width: 1
            border.color: "#9CA3AF"
            Text {
                anchors.centerIn: parent
                text: "D"
                font.pixelSize: 13
                font.bold: true
                color: "#111827"
            }
        }

        // 140 px right of the seat's anchor, clear of the seat's cards and
        // of the dealer button beside IP.
        PlayBubble {
            objectName: "opponentBubble"
            readonly property bool atOop: !!table.engine && table.engine.playLastActionActor === "OOP"
            readonly property Item seatItem: atOop ? oopSeat : ipSeat
            readonly property real clearX: atOop ? oopSeat.x + oopSeat.width : dealer.x + dealer.width
            theme: table.theme
            visible: !!table.engine && table.engine.playLastActionText !== ""
                     && !table._isHero(table.engine.playLastActionActor)
            text: table.engine ? table.engine.playLastActionText : ""
            x: Math.max((atOop ? table.oopAnchor.x : table.ipAnchor.x) + 140 - width / 2, clearX + 8)
            y: seatItem.y + (seatItem.height - height) / 2
        }

        // Right of the acting seat (past the dealer button at IP's), its
        // buttons flowing into further rows rather than off the table.
        Flow {
            id: prompt
            objectName: "actionPrompt"
            readonly property Item seatItem: table._actor === "OOP" ? oopSeat : ipSeat
            visible: !!table.engine && table.engine.playAwaitingUserAction && !table._complete
            x: (table._actor === "OOP" ? oopSeat.x + oopSeat.width : dealer.x + dealer.width) + 14
            y: seatItem ? seatItem.y + (seatItem.height - height) / 2 : 0
            width: Math.max(0, Math.min(380, 0.45 * table.width, table.width - x))
            spacing: 6

            Repeater {
                model: table.engine ? table.engine.playNodeActions : []
                delegate: SecondaryButton {
                    required property var modelData
                    required property int index
                    objectName: "actionButton" + index
                    theme: table.theme
                    text: modelData && modelData.name !== undefined ? String(modelData.name) : ""
                    onClicked: table.engine.chooseAction(index)
                }
            }
        }

        // ---- drill ----
        SecondaryButton {
            id: drillButton
            objectName: "drillButton"
            visible: table._started && !table._complete
            enabled: !!table.engine && table.engine.drillAvailable
            theme: table.theme
            text: table._drilling ? qsTr("Stop drill") : qsTr("Drill spot")
            // In the picture's bottom-left corner; lower, off the picture,
            // where the rail would reach under it there.
            x: table.paintedX + 10
            y: Math.min(table.height - height,
                        Math.max(table.paintedY + table.paintedHeight - 10 - height, table._yBelowRail(x + width) + 4))
            onClicked: table._drilling ? table.engine.stopDrillSpot() : table.engine.startDrillSpot()
        }

        PlayBubble {
            objectName: "drillFeedback"
            readonly property color tone: !table.engine ? (table.theme ? table.theme.success : "#3FB950")
                                        : table.engine.playDrillFeedbackUngraded ? table._noticeTone
                                        : table.engine.playDrillFeedbackWrong ? (table.theme ? table.theme.danger : "#F85149")
                                        : (table.theme ? table.theme.success : "#3FB950")
            theme: table.theme
            visible: table._drilling && !!table.engine && table.engine.playDrillFeedbackText !== ""
            text: table.engine ? table.engine.playDrillFeedbackText : ""
            textColor: tone
            borderColor: tone
            radius: 8
            // Above the drill button when the verdict fits there on one line
            // left of the hint, the pot and IP's seat; otherwise (a narrow
            // table, a long action name) in the top-left corner of the table,
            // wrapped left of OOP's seat, so that it covers nothing.
            readonly property bool atButton: naturalWidth <= Math.min(hint.x, pot.x, ipSeat.x) - 8 - x
            x: table.paintedX + 10
            y: atButton ? drillButton.y + drillButton.height - 48 - height : table.paintedY + 10
            maximumWidth: atButton ? Infinity : Math.max(120, oopSeat.x - 8 - x)
        }

        // What stands in the way of grading or of a decision (no hand could
        // be dealt, a hand without an EV): in the picture's top-left
        // corner, wrapped left of OOP's seat. A drill verdict never shows
        // with it.
        PlayBubble {
            objectName: "playNotice"
            theme: table.theme
            visible: table._started && !!table.engine && table.engine.playNoticeText !== ""
            text: table.engine ? table.engine.playNoticeText : ""
            textColor: table._noticeTone
            borderColor: table._noticeTone
            radius: 8
            x: table.paintedX + 10
            y: table.paintedY + 10
            maximumWidth: Math.max(120, oopSeat.x - 8 - x)
        }

        PlayBubble {
            objectName: "drillOopContext"
            readonly property Item seatItem: oopSeat
            theme: table.theme
            visible: table._drilling && !!table.engine && table.engine.playDrillActor === "IP"
            text: {
                void (table.engine ? table.engine.playDrillNodeIndex : 0)
                var name = table.engine && visible ? table.engine.lastActionOf("OOP") : ""
                return qsTr("OOP action: %1").arg(name !== "" ? name : "—")
            }
            x: seatItem ? seatItem.x + seatItem.width + 14 : 0
            y: seatItem ? seatItem.y + (seatItem.height - height) / 2 : 0
        }
    }
}
