import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// Configuration card of the Solve page: the spot about to be solved (board,
// street, pot and stack, target, rake, bet sizes, enabled options), then the
// run controls.
Card {
    id: root

    property var page: null

    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property var _optionLines: page ? page._enabledOptionLines() : []

    objectName: "configurationCard"

    component SummaryLabel: Text {
        Layout.alignment: Qt.AlignVCenter
        font.pixelSize: 12
        color: root._muted
    }
    // A long value (the bet sizes of a narrow window) takes a second line
    // before it is cut off.
    component SummaryValue: Text {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: 13
        font.weight: Font.DemiBold
        color: root._text
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    ColumnLayout {
        width: parent.width
        spacing: 14

        SolveCardTitle {
            Layout.fillWidth: true
            theme: root.theme
            title: qsTr("Configuration")
        }

        BoardDisplay {
            objectName: "summaryBoard"
            Layout.alignment: Qt.AlignHCenter
            theme: root.theme
            boardText: root.page ? root.page.boardText : ""
            compact: true
            cardScale: 1.35
        }

        // The options stand beside the figures while the figures keep room
        // for their values; in a narrower card (the least window, a long
        // translation) they go under them. The form is settled once the
        // card's width has: a change of columns inside the layout pass that
        // sets that width would start the pass again.
        GridLayout {
            id: summaryRow
            objectName: "summaryRow"
            readonly property real _labelsWidth: Math.max(streetLabel.implicitWidth, potLabel.implicitWidth,
                                                          targetLabel.implicitWidth, rakeLabel.implicitWidth,
                                                          betSizesLabel.implicitWidth)
            readonly property bool _roomBeside: root.availableWidth >= _labelsWidth + 12 + 220 + columnSpacing + 200
            property bool optionsBeside: true
            function _settle() { optionsBeside = _roomBeside }
            on_RoomBesideChanged: Qt.callLater(_settle)
            Component.onCompleted: Qt.callLater(_settle)
            Layout.fillWidth: true
            columns: optionsBeside ? 2 : 1
            columnSpacing: 16
            rowSpacing: 14

            GridLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                columns: 2
                columnSpacing: 12
                rowSpacing: 8

                SummaryLabel { id: streetLabel; text: qsTr("Street") }
                SummaryValue {
                    objectName: "summaryStreet"
                    readonly property string street: root.page ? String(root.page.startingStreet) : ""
                    text: (street === "flop" ? qsTr("Flop") : street === "turn" ? qsTr("Turn")
                           : street === "river" ? qsTr("River") : street).toUpperCase()
                }
                SummaryLabel { id: potLabel; text: qsTr("Pot / Stack") }
                SummaryValue {
                    objectName: "summaryPotStack"
                    text: root.page ? root.page.startingPot + " / " + root.page.effectiveStack : ""
                }
                SummaryLabel { id: targetLabel; text: qsTr("Target") }
                SummaryValue {
                    objectName: "summaryTarget"
                    text: root.page ? root.page.targetSummaryText : ""
                }
                SummaryLabel { id: rakeLabel; text: qsTr("Rake") }
                SummaryValue {
                    objectName: "summaryRake"
                    text: root.page ? root.page.rakeSummaryText : ""
                }
                SummaryLabel { id: betSizesLabel; text: qsTr("Bet sizes") }
                SummaryValue {
                    objectName: "summaryBetSizes"
                    text: root.page ? root.page.betSizesSummaryText : ""
                }
            }

            Rectangle {
                objectName: "optionsPanel"
                Layout.preferredWidth: 200
                Layout.minimumWidth: 180
                Layout.fillWidth: !summaryRow.optionsBeside
                Layout.alignment: Qt.AlignTop
                implicitHeight: optionsColumn.implicitHeight + 20
                radius: root.theme ? root.theme.radiusSm : 8
                color: root.theme ? root.theme.surface2 : "#21262D"
                border.width: 1
                border.color: root.theme ? root.theme.stroke : "#30363D"

                Column {
                    id: optionsColumn
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.margins: 10
                    spacing: 4

                    Text {
                        text: qsTr("Options enabled")
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: root._muted
                    }
                    Repeater {
                        model: root._optionLines
                        delegate: Text {
                            required property var modelData
                            width: optionsColumn.width
                            text: "• " + modelData
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 12
                            color: root._text
                        }
                    }
                    Text {
                        objectName: "noOptionsText"
                        visible: root._optionLines.length === 0
                        text: qsTr("None")
                        font.pixelSize: 12
                        color: root.theme ? root.theme.textFaint : "#6E7681"
                    }
                }
            }
        }

        RowDivider {
            theme: root.theme
        }

        Text {
            text: qsTr("Controls")
            font.pixelSize: 14
            font.bold: true
            color: root._text
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            PrimaryButton {
                objectName: "startSolveButton"
                Layout.fillWidth: true
                theme: root.theme
                text: root.page && root.page._running ? qsTr("Solving...") : qsTr("Start Solve")
                iconText: root.page && root.page._running ? "" : "▶"
                loading: !!root.page && root.page._running
                enabled: !!root.page && root.page._hasController && !root.page._running && root.page.canSolve
                onClicked: root.page.startSolve()
            }
            SecondaryButton {
                objectName: "cancelSolveButton"
                // Wider only for a label that would not fit.
                Layout.preferredWidth: Math.max(100, implicitWidth)
                theme: root.theme
                text: qsTr("Cancel")
                iconName: "stop"
                enabled: !!root.page && root.page._running
                danger: enabled
                onClicked: root.page.cancelSolve()
            }
        }

        PrimaryButton {
            objectName: "viewResultsButton"
            Layout.fillWidth: true
            theme: root.theme
            text: qsTr("View Results →")
            iconName: "trend-up"
            enabled: !!root.page && root.page.runComplete
            onClicked: root.page.viewResults()
        }
    }
}
