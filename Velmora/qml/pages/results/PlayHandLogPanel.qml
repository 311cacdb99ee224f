import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "PlayMath.js" as PlayMath

// The hand log beside the play table: one card per finished hand, newest
// first, green when played perfectly and red on a mistake; a click shows the
// hand's details.
ColumnLayout {
    id: panel

    property var theme: null
    property var log: null

    spacing: 10

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: qsTr("Hand Log")
            font.pixelSize: 15
            font.bold: true
            color: panel.theme ? panel.theme.text : "#F0F6FC"
        }
        Item { Layout.fillWidth: true }
        Text {
            objectName: "handCountText"
            readonly property int count: panel.log ? panel.log.playHandLog.count : 0
            text: count === 1 ? qsTr("1 hand") : count > 0 ? qsTr("%1 hands").arg(count) : ""
            font.pixelSize: 12
            color: panel.theme ? panel.theme.textMuted : "#8B949E"
        }
    }

    ListView {
        id: list
        objectName: "handLogList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        spacing: 8
        model: panel.log ? panel.log.playHandLog : null
        boundsBehavior: Flickable.StopAtBounds
        rightMargin: logBar.needed ? 12 : 0
        ScrollBar.vertical: ResultsScrollBar { id: logBar; theme: panel.theme }

        delegate: Rectangle {
            id: entryCard
            required property int index
            required property string board
            required property string role
            required property string oop
            required property string ip
            required property var evLoss
            required property bool isMistake

            readonly property bool mistake: PlayMath.entryIsMistake({ isMistake: isMistake, evLoss: evLoss })
            readonly property bool selected: !!panel.log && panel.log.playSelectedLogIndex === index
            readonly property color tone: mistake ? (panel.theme ? panel.theme.danger : "#F85149")
                                                  : (panel.theme ? panel.theme.success : "#3FB950")

            objectName: "handLogEntry" + index
            width: list.width - list.rightMargin
            height: entryColumn.implicitHeight + 16
            radius: panel.theme ? panel.theme.radiusSm : 8
            color: Qt.rgba(tone.r, tone.g, tone.b, selected ? 0.18 : 0.12)
            border.width: selected ? 2 : 1
            border.color: tone

            Column {
                id: entryColumn
                anchors.fill: parent
                anchors.margins: 8
                spacing: 6

                Row {
                    spacing: 8
                    BoardDisplay {
                        anchors.verticalCenter: parent.verticalCenter
                        theme: panel.theme
                        compact: true
                        boardText: entryCard.board
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "|"
                        font.pixelSize: 16
                        color: panel.theme ? panel.theme.textFaint : "#6E7681"
                    }
                    PlayPocket {
                        anchors.verticalCenter: parent.verticalCenter
                        theme: panel.theme
                        mini: true
                        cards: entryCard.role === "IP" ? entryCard.ip : entryCard.oop
                    }
                }

                Text {
                    objectName: "entryVerdict"
                    width: parent.width
                    horizontalAlignment: Text.AlignRight
                    readonly property real loss: PlayMath.toNumber(entryCard.evLoss)
                    text: !entryCard.mistake ? qsTr("Perfect")
                        : isFinite(loss) ? qsTr("EV -%1").arg(loss.toFixed(3)) : qsTr("EV —")
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: entryCard.tone
                }
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: panel.log.userSelectPlayLog(entryCard.index)
            }
        }
    }
}
