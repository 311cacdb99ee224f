import QtQuick
import QtQuick.Layouts

// The play view of the results page: a title row, the table with the
// selected hand's details under it, and the hand log on the right.
Rectangle {
    id: area

    property var theme: null
    property var engine: null

    // The least height that shows the whole table and, when open, the
    // details under it; the least width that keeps the table's seats, board
    // and buttons on its picture beside the hand log (a smaller window
    // scrolls sideways to the log).
    implicitHeight: column.implicitHeight + 2 * 14
    implicitWidth: column.implicitWidth + 2 * 14

    radius: theme ? theme.radiusMd : 12
    color: theme ? theme.bg0 : "#080B12"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 14
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            Text {
                text: qsTr("Play vs. Solution")
                font.pixelSize: 15
                font.bold: true
                color: area.theme ? area.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "playRoleText"
                text: area.engine && area.engine.playSessionStarted
                      ? qsTr("Role: %1").arg(area.engine.playRole === "BOTH" ? qsTr("Both seats")
                                                                             : area.engine.playRole)
                      : qsTr("Choose a role to start")
                textFormat: Text.PlainText
                font.pixelSize: 12
                color: area.theme ? area.theme.textMuted : "#8B949E"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 14

            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 10

                PlayTable {
                    objectName: "playTable"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.minimumHeight: 440
                    Layout.minimumWidth: 480
                    theme: area.theme
                    engine: area.engine
                }

                PlayHandDetailsPanel {
                    objectName: "playHandDetails"
                    Layout.fillWidth: true
                    Layout.preferredHeight: implicitHeight
                    theme: area.theme
                    log: area.engine ? area.engine.handLog : null
                }
            }

            PlayHandLogPanel {
                objectName: "playHandLogPanel"
                Layout.preferredWidth: 340
                Layout.fillWidth: false
                Layout.minimumWidth: 300
                Layout.fillHeight: true
                theme: area.theme
                log: area.engine ? area.engine.handLog : null
            }
        }
    }
}
