import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "PlayMath.js" as PlayMath

// Details of the selected logged hand under the play table: the decisions
// street by street, both hands, and the winner, amount won, rake and, for a
// mistake, the EV lost with the incorrect and the correct action.
Rectangle {
    id: panel

    property var theme: null
    property var log: null

    readonly property var details: log ? log.playSelectedDetails : ({})
    readonly property var entry: log ? log.playSelectedLog : ({})
    readonly property bool mistakeEntry: {
        var loss = PlayMath.toNumber(entry.evLoss)
        return isFinite(loss) && loss > 0
    }
    // Five equal columns; 140 px at least, so that the summary still shows
    // beside the table of a window 1540 px wide.
    readonly property real columnWidth: Math.max(140, Math.floor((width - 24) / 5))
    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _danger: theme ? theme.danger : "#F85149"
    readonly property color _success: theme ? theme.success : "#3FB950"

    function _figure(v) {
        var n = PlayMath.toNumber(v)
        return isFinite(n) ? n.toFixed(0) : "—"
    }
    // Where a hand stopped at a mistake stopped: the street and the step.
    function _stoppedText() {
        var step = details.stopStep || "—"
        switch (details.stopStreet) {
        case 0: return qsTr("Stopped at the mistake on the flop: %1").arg(step)
        case 1: return qsTr("Stopped at the mistake on the turn: %1").arg(step)
        default: return qsTr("Stopped at the mistake on the river: %1").arg(step)
        }
    }

    visible: !!log && log.playSelectedLogIndex >= 0
    implicitHeight: visible ? 260 : 0
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface : "#1C2128"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"
    clip: true

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            Text {
                text: qsTr("Hand details")
                font.pixelSize: 14
                font.bold: true
                color: panel._text
            }
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "closeDetailsButton"
                theme: panel.theme
                text: qsTr("Close")
                Layout.preferredWidth: Math.max(90, implicitWidth)
                onClicked: panel.log.userSelectPlayLog(-1)
            }
        }

        // A narrow panel scrolls the columns sideways, with its scroll bar
        // always shown then.
        Flickable {
            id: columns
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: columnRow.width
            contentHeight: height
            flickableDirection: Flickable.HorizontalFlick
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.horizontal: ScrollBar {
                policy: columns.contentWidth > columns.width + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Row {
                id: columnRow
                height: columns.height

                PlayStreetColumn {
                    width: panel.columnWidth - 12
                    height: parent.height
                    theme: panel.theme
                    title: qsTr("Flop")
                    boardText: panel.details.flopBoard || ""
                    steps: panel.details.flopActions || []
                }
                Rectangle { width: 1; height: parent.height; color: panel.theme ? panel.theme.stroke : "#30363D" }
                Item { width: 11; height: 1 }
                PlayStreetColumn {
                    width: panel.columnWidth - 12
                    height: parent.height
                    theme: panel.theme
                    title: qsTr("Turn")
                    boardText: panel.details.turnCard || ""
                    steps: panel.details.turnActions || []
                }
                Rectangle { width: 1; height: parent.height; color: panel.theme ? panel.theme.stroke : "#30363D" }
                Item { width: 11; height: 1 }
                PlayStreetColumn {
                    width: panel.columnWidth - 12
                    height: parent.height
                    theme: panel.theme
                    title: qsTr("River")
                    boardText: panel.details.riverCard || ""
                    steps: panel.details.riverActions || []
                }
                Rectangle { width: 1; height: parent.height; color: panel.theme ? panel.theme.stroke : "#30363D" }
                Item { width: 11; height: 1 }

                Column {
                    width: panel.columnWidth - 12
                    spacing: 8
                    Text {
                        text: qsTr("Hands")
                        font.pixelSize: 13
                        font.bold: true
                        color: panel._text
                    }
                    Repeater {
                        model: [{ seat: "IP", key: "ipText" }, { seat: "OOP", key: "oopText" }]
                        delegate: Row {
                            required property var modelData
                            spacing: 8
                            Text {
                                width: 32
                                anchors.verticalCenter: parent.verticalCenter
                                text: modelData.seat
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                                color: panel.theme ? panel.theme.textMuted : "#8B949E"
                            }
                            PlayPocket {
                                theme: panel.theme
                                mini: true
                                cards: panel.details[modelData.key] || ""
                            }
                        }
                    }
                }
                Rectangle { width: 1; height: parent.height; color: panel.theme ? panel.theme.stroke : "#30363D" }
                Item { width: 11; height: 1 }

                Column {
                    objectName: "summaryColumn"
                    width: panel.columnWidth - 12
                    spacing: 6
                    Text {
                        text: qsTr("Summary")
                        font.pixelSize: 13
                        font.bold: true
                        color: panel._text
                    }
                    // A hand stopped at a mistake was not played out: no
                    // winner, amount or rake, only where it stopped.
                    Text {
                        objectName: "stoppedText"
                        visible: panel.details.stopped === true
                        width: parent.width
                        wrapMode: Text.Wrap
                        textFormat: Text.PlainText
                        text: visible ? panel._stoppedText() : ""
                        font.pixelSize: 12
                        color: panel._text
                    }
                    Text {
                        objectName: "winnerText"
                        visible: panel.details.stopped !== true
                        textFormat: Text.PlainText
                        text: qsTr("Winner: %1").arg(panel.details.winner || "—")
                        font.pixelSize: 12
                        color: panel._text
                    }
                    Text {
                        objectName: "wonText"
                        visible: panel.details.stopped !== true
                        textFormat: Text.PlainText
                        text: qsTr("Won: %1").arg(panel._figure(panel.details.wonAmount))
                        font.pixelSize: 12
                        color: panel._text
                    }
                    Text {
                        objectName: "rakeText"
                        visible: panel.details.stopped !== true
                        textFormat: Text.PlainText
                        text: qsTr("Rake: %1").arg(PlayMath.chipsText(panel.details.rakeTaken))
                        font.pixelSize: 12
                        color: panel._text
                    }
                    Text {
                        objectName: "evLostText"
                        visible: panel.mistakeEntry
                        text: qsTr("EV lost: %1").arg(PlayMath.toNumber(panel.entry.evLoss).toFixed(3))
                        font.pixelSize: 12
                        color: panel._danger
                    }
                    Text {
                        objectName: "incorrectText"
                        visible: panel.mistakeEntry
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTr("Incorrect: %1").arg(panel.entry.mistakeAction ? panel.entry.mistakeAction : "—")
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        color: panel._danger
                    }
                    Text {
                        objectName: "correctText"
                        visible: panel.mistakeEntry && !!panel.entry.correctAction
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTr("Correct: %1").arg(panel.entry.correctAction ? panel.entry.correctAction : "")
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        color: panel._success
                    }
                }
            }
        }
    }
}
