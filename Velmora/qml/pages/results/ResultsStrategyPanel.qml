import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// The right-hand panel: the strategy header, then either the range view
// (action frequencies and the Strategy by Hand row) or the play view.
Card {
    id: panel

    property var page: null
    theme: page ? page.theme : null
    readonly property bool playMode: page ? page.playMode : false
    // The least width that holds the header, its figures under the title.
    readonly property real leastWidth: strategyHeader.leastWidth + leftPadding + rightPadding

    // The header stays in view; what follows scrolls, sideways too when the
    // panel is narrower than the hand row's cards at their smallest.
    ColumnLayout {
        anchors.fill: parent
        spacing: 16

        ResultsStrategyHeader {
            id: strategyHeader
            objectName: "strategyHeader"
            Layout.fillWidth: true
            availableWidth: panel.availableWidth
            page: panel.page
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: panel.theme ? panel.theme.stroke : "#30363D"
            opacity: 0.5
        }

        Flickable {
            id: flick
            objectName: "strategyFlickable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: Math.max(width - rightMargin, handRow.visible ? handRow.smallestWidth : content.implicitWidth)
            contentHeight: content.implicitHeight
            // Room for the scroll bars, which stay in sight while needed,
            // so that they never cover the cards' edges. The right one is
            // kept always: the content's width must not follow its height.
            rightMargin: 12
            bottomMargin: hbar.needed ? 12 : 0
            boundsBehavior: Flickable.StopAtBounds
            flickableDirection: Flickable.AutoFlickIfNeeded
            ScrollBar.vertical: ResultsScrollBar { id: vbar; objectName: "strategyVerticalScrollBar"; theme: panel.theme }
            ScrollBar.horizontal: ResultsScrollBar { id: hbar; objectName: "strategyHorizontalScrollBar"; theme: panel.theme }

            ColumnLayout {
                id: content
                width: flick.contentWidth
                spacing: 16

                ColumnLayout {
                    objectName: "actionFrequenciesSection"
                    visible: !panel.playMode
                    Layout.fillWidth: true
                    Layout.maximumWidth: flick.width - flick.rightMargin
                    spacing: 8

                    Text {
                        text: qsTr("Action Frequencies")
                        font.pixelSize: 14
                        font.bold: true
                        color: panel.theme ? panel.theme.text : "#F0F6FC"
                    }
                    ActionBar {
                        objectName: "actionFrequenciesBar"
                        Layout.fillWidth: true
                        Layout.preferredHeight: Math.max(60, implicitHeight)
                        theme: panel.theme
                        actions: panel.page ? panel.page.actionFrequenciesActions : []
                        showLabels: true
                        interactive: false
                    }
                }

                // The Strategy by Hand row; the Buckets and Hand Details cards
                // stand to the right of the matrix column.
                RowLayout {
                    id: handRow
                    objectName: "handRow"
                    // The matrix column at its size, both cards at their least.
                    readonly property real smallestWidth: matrixColumn.implicitWidth + bucketsCard.Layout.minimumWidth
                                                          + detailsCard.Layout.minimumWidth + 2 * spacing
                    visible: !panel.playMode
                    Layout.fillWidth: true
                    spacing: 20

                    ResultsHandMatrixColumn {
                        id: matrixColumn
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: false
                        Layout.minimumWidth: implicitWidth
                        page: panel.page
                        nodeLockMode: panel.page ? panel.page.nodeLockMode : false
                        nodeLockAvailable: panel.page !== null
                        onHandClicked: function(hand) { panel.page._matrixHandClicked(hand) }
                        onStandardModeRequested: panel.page._chooseStandardMode()
                        onNodeLockModeRequested: panel.page._chooseNodeLockMode()
                    }
                    HandBucketsCard {
                        id: bucketsCard
                        // 300 wide, down to 260 (or what its header needs)
                        // when the row is short of room.
                        Layout.fillWidth: true
                        Layout.preferredWidth: Math.max(300, leastWidth)
                        Layout.maximumWidth: Math.max(300, leastWidth)
                        Layout.minimumWidth: leastWidth
                        Layout.fillHeight: true
                        page: panel.page
                    }
                    HandDetailsCard {
                        id: detailsCard
                        Layout.fillWidth: true
                        Layout.minimumWidth: leastWidth
                        Layout.fillHeight: true
                        page: panel.page
                    }
                }

                // The play view takes the place of the range view in play mode.
                PlayArea {
                    objectName: "playArea"
                    visible: panel.playMode
                    Layout.fillWidth: true
                    // As tall as the panel shows (860 at most), so that the
                    // table is seen whole in a small window.
                    Layout.preferredHeight: Math.min(860, Math.max(implicitHeight, flick.height - y))
                    theme: panel.theme
                    engine: panel.page ? panel.page.playEngine : null
                }
            }
        }
    }
}
