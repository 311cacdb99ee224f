import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// The card chooser of a chance node: all 52 cards by suit and rank, the cards
// the solver can deal (or that stand for one) enabled, and "Random".
Popup {
    id: popup

    property var page: null
    readonly property var theme: page ? page.theme : null

    readonly property int _cardWidth: 32
    readonly property int _cardGap: 3
    readonly property real _contentWidth: Math.round(22 + 6 + 13 * _cardWidth + 12 * _cardGap)
    readonly property real _maxWidth: Math.max(240, Math.min(640, (page ? page.width : 0) - 40))
    readonly property real _maxHeight: Math.max(240, Math.min(520, (page ? page.height : 0) - 40))
    // What each card deals (card text -> action index), worked out in one go
    // while the picker is shown: a closed picker costs nothing when the tree
    // changes under it.
    readonly property var _cardIndices: visible && page ? page._chanceCardIndices() : ({})

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    padding: 14
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(_maxWidth, _contentWidth + 2 * 14 + 28)
    height: Math.min(_maxHeight, body.implicitHeight + 2 * 14)

    background: Rectangle {
        color: popup.theme ? popup.theme.surface : "#1C2128"
        border.width: 1
        border.color: popup.theme ? popup.theme.stroke : "#30363D"
        radius: popup.theme ? popup.theme.radiusSm : 8
    }

    ColumnLayout {
        id: body
        anchors.fill: parent
        spacing: 12

        RowLayout {
            id: header
            Layout.fillWidth: true
            spacing: 8

            Text {
                objectName: "chancePickerTitle"
                text: popup.page ? popup.page.chancePickerTitle : ""
                font.pixelSize: 15
                font.bold: true
                color: popup.theme ? popup.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "randomCardButton"
                theme: popup.theme
                text: qsTr("Random")
                // At least 90 wide, and as wide as its label in any language.
                Layout.minimumWidth: 90
                onClicked: popup.page.chooseChanceCardRandom()
            }
            Button {
                objectName: "closePickerButton"
                Layout.preferredWidth: 28
                Layout.preferredHeight: 28
                text: "✕"
                onClicked: popup.close()
                background: Rectangle {
                    radius: 6
                    color: parent.hovered ? (popup.theme ? popup.theme.surfaceHover : "#30363D") : "transparent"
                }
                contentItem: Text {
                    text: parent.text
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    color: popup.theme ? popup.theme.textMuted : "#8B949E"
                }
            }
        }

        Flickable {
            id: grid
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(rows.implicitHeight,
                                             Math.max(120, popup._maxHeight - header.implicitHeight - 2 * 14 - 20))
            implicitHeight: rows.implicitHeight
            clip: true
            contentWidth: rows.implicitWidth
            contentHeight: rows.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

            Column {
                id: rows
                spacing: 10

                Repeater {
                    model: popup.page ? popup.page._suitOrder : []
                    delegate: Row {
                        id: suitRow
                        required property string modelData
                        spacing: 6

                        Rectangle {
                            width: 22
                            height: 22
                            anchors.verticalCenter: parent.verticalCenter
                            radius: 6
                            color: popup.theme ? popup.theme.surface2 : "#21262D"
                            border.width: 1
                            border.color: popup.theme ? popup.theme.stroke : "#30363D"
                            Text {
                                anchors.centerIn: parent
                                text: popup.page ? popup.page._suitSymbol(suitRow.modelData) : ""
                                font.bold: true
                                color: !popup.theme ? "#F0F6FC"
                                     : (suitRow.modelData === "s" && popup.theme.dark) ? popup.theme.text
                                     : popup.theme.suitColor(suitRow.modelData)
                            }
                        }

                        Row {
                            spacing: popup._cardGap
                            Repeater {
                                model: popup.page ? popup.page._rankOrder : []
                                delegate: Item {
                                    id: slot
                                    required property string modelData
                                    readonly property string cardText: modelData + suitRow.modelData
                                    readonly property int actionIndex: popup._cardIndices[cardText] !== undefined
                                                                       ? popup._cardIndices[cardText] : -1
                                    width: popup._cardWidth
                                    height: 44

                                    PlayingCard {
                                        objectName: "chanceCard_" + slot.cardText
                                        anchors.fill: parent
                                        theme: popup.theme
                                        rank: slot.modelData
                                        suit: suitRow.modelData
                                        mini: true
                                        enableHoverScale: false
                                        disabled: slot.actionIndex < 0
                                        hoverable: slot.actionIndex >= 0
                                        onClicked: {
                                            if (slot.actionIndex >= 0)
                                                popup.page.chooseChanceCard(slot.actionIndex, slot.cardText)
                                        }
                                    }
                                }
                            }
                        }

                        Item { width: 10; height: 1 }
                    }
                }

                Item { width: 1; height: 8 }
            }
        }
    }
}
