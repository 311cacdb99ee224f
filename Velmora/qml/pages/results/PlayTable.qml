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
    readonly property var _meta: engine ? engine.playNodeMeta : ({})
    readonly property string _actor: _meta.player ? String(_meta.player) : ""

    // The part of the area the table picture covers.
    readonly property real paintedX: (width - picture.paintedWidth) / 2
    readonly property real paintedY: (height - picture.paintedHeight) / 2
    readonly property real paintedWidth: picture.paintedWidth
    readonly property real paintedHeight: picture.paintedHeight
    readonly property point oopAnchor: Qt.point(width / 2, height / 2 - 0.26 * height)
    readonly property point ipAnchor: Qt.point(width / 2, height / 2 + 0.26 * height)

    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"

    function _isHero(seat) {
        return !!engine && engine._isHeroSeat(seat)
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
            anchors.centerIn: parent
            width: implicitWidth
            height: implicitHeight
            boardText: table.engine ? table.engine.playBoardText : ""
            compact: false
            cardScale: 1.05
            clickableIndices: [3, 4]
            editable: !!table.engine && table.engine.playMode && table._started
                      && !table._complete && !table._drilling
            onCardClicked: function (index) { table.engine.requestRedeal(index) }
        }

        SecondaryButton {
            objectName: "anotherHandButton"
            visible: table._complete
            theme: table.theme
            text: qsTr("Another hand")
            anchors.right: board.left
            anchors.rightMargin: 12
            anchors.verticalCenter: board.verticalCenter
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
            color: table._muted
        }

        Text {
            objectName: "potText"
            anchors.top: hint.bottom
            anchors.topMargin: 4
            anchors.horizontalCenter: board.horizontalCenter
            text: table._potText()
            font.pixelSize: 14
            font.weight: Font.DemiBold
            color: table._text
        }

        PlaySeat {
            id: oopSeat
            objectName: "oopSeat"
            theme: table.theme
            engine: table.engine
            seat: "OOP"
            x: table.oopAnchor.x - width / 2
            y: table.oopAnchor.y - height / 2
        }

        PlaySeat {
            id: ipSeat
            objectName: "ipSeat"
            theme: table.theme
            engine: table.engine
            seat: "IP"
            x: table.ipAnchor.x - width / 2
            y: table.ipAnchor.y - height / 2
        }

        Rectangle {
            objectName: "dealerButton"
            width: 26
            height: 26
            radius: 13
            x: table.ipAnchor.x + 86 - width / 2
            y: table.ipAnchor.y - height / 2
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

        PlayBubble {
            objectName: "opponentBubble"
            readonly property point anchorPoint: table.engine && table.engine.playLastActionActor === "OOP"
                                                 ? table.oopAnchor : table.ipAnchor
            theme: table.theme
            visible: !!table.engine && table.engine.playLastActionText !== ""
                     && !table._isHero(table.engine.playLastActionActor)
            text: table.engine ? table.engine.playLastActionText : ""
            x: anchorPoint.x + 140 - width / 2
            y: anchorPoint.y - height / 2
        }

        Flow {
            id: prompt
            objectName: "actionPrompt"
            readonly property Item seatItem: table._actor === "OOP" ? oopSeat : ipSeat
            visible: !!table.engine && table.engine.playAwaitingUserAction && !table._complete
            width: Math.min(380, 0.45 * table.width)
            x: seatItem ? seatItem.x + seatItem.width + 14 : 0
            y: seatItem ? seatItem.y + (seatItem.height - height) / 2 : 0
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
            x: table.paintedX + 10
            y: table.paintedY + table.paintedHeight - 10 - height
            onClicked: table._drilling ? table.engine.stopDrillSpot() : table.engine.startDrillSpot()
        }

        PlayBubble {
            objectName: "drillFeedback"
            readonly property color tone: table.engine && table.engine.playDrillFeedbackWrong
                                          ? (table.theme ? table.theme.danger : "#F85149")
                                          : (table.theme ? table.theme.success : "#3FB950")
            theme: table.theme
            visible: table._drilling && !!table.engine && table.engine.playDrillFeedbackText !== ""
            text: table.engine ? table.engine.playDrillFeedbackText : ""
            textColor: tone
            borderColor: tone
            radius: 8
            x: table.paintedX + 10
            y: drillButton.y + drillButton.height - 48 - height
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
