import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// "Game Settings": pot, stack, rake, rake cap and the target exploitability
// (percent of the pot), each taken as it is typed, with three quick buttons
// for the target. Writes the page's properties.
Card {
    id: root

    property var page: null

    theme: page ? page.theme : null
    padding: 12

    readonly property real _inputWidth: page ? page.gameSettingsInputColumnWidth : 60

    component FieldLabel: Text {
        font.pixelSize: 12
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }

    component NumberField: ProjectTextField {
        property string key: ""
        objectName: key + "Field"
        Layout.preferredWidth: root._inputWidth
        Layout.minimumWidth: root._inputWidth
        Layout.maximumWidth: root._inputWidth
        theme: root.theme
        value: root.page ? root.page[key] : 0
        onCommitted: function(v) { if (root.page) root.page[key] = v }
    }

    component TargetButton: Button {
        id: targetButton
        property real target: 0
        implicitWidth: 52
        implicitHeight: 24
        font.pixelSize: 10
        font.weight: Font.DemiBold
        contentItem: Text {
            text: targetButton.text
            font: targetButton.font
            color: root.theme ? root.theme.textMuted : "#8B949E"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 6
            color: targetButton.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
                                        : (root.theme ? root.theme.surface2 : "#21262D")
            border.width: 1
            border.color: root.theme ? root.theme.stroke : "#30363D"
        }
        onClicked: {
            if (!root.page)
                return
            root.page.targetExploitability = target
            targetField.showValue()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            spacing: 8
            Icon {
                name: "chips"
                size: 16
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                color: root.theme ? root.theme.accent : "#3FB950"
            }
            Text {
                text: qsTr("Game Settings")
                font.pixelSize: 15
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 12
            rowSpacing: 8

            FieldLabel { id: startingPotLabel; text: qsTr("Starting Pot") }
            NumberField {
                label: startingPotLabel.text
                key: "startingPot"
                kind: "int"
                minimum: 1; maximum: 100000; fallback: 100
                placeholderText: qsTr("e.g., 100")
                inputMethodHints: Qt.ImhDigitsOnly
            }

            FieldLabel { id: effectiveStackLabel; text: qsTr("Effective Stack") }
            NumberField {
                label: effectiveStackLabel.text
                key: "effectiveStack"
                kind: "int"
                minimum: 1; maximum: 100000; fallback: 100
                placeholderText: qsTr("e.g., 100")
                inputMethodHints: Qt.ImhDigitsOnly
            }

            FieldLabel { id: rakePercentLabel; text: qsTr("Rake (%)") }
            NumberField {
                label: rakePercentLabel.text
                key: "rakePercent"
                kind: "real"
                minimum: 0; maximum: 100; fallback: 0
                placeholderText: qsTr("e.g., 5.0")
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                decimals: 3
            }

            FieldLabel { id: rakeCapLabel; text: qsTr("Rake Cap") }
            NumberField {
                label: rakeCapLabel.text
                key: "rakeCap"
                kind: "int"
                minimum: 0; maximum: 1000000; fallback: 0
                placeholderText: qsTr("e.g., 0")
                inputMethodHints: Qt.ImhDigitsOnly
            }

            FieldLabel { id: targetExploitabilityLabel; text: qsTr("Target Exploitability (%)") }
            NumberField {
                id: targetField
                label: targetExploitabilityLabel.text
                key: "targetExploitability"
                kind: "real"
                minimum: 0; maximum: 100; fallback: 0.10
                placeholderText: qsTr("e.g., 0.10")
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                decimals: 6
            }

            RowLayout {
                Layout.columnSpan: 2
                Layout.fillWidth: true
                spacing: 6
                Item { Layout.fillWidth: true }
                TargetButton { objectName: "target1Button"; text: "1%"; target: 1.0 }
                TargetButton { objectName: "target05Button"; text: "0.5%"; target: 0.5 }
                TargetButton { objectName: "target01Button"; text: "0.1%"; target: 0.1 }
                Item { Layout.fillWidth: true }
            }
        }

        // Content stays at the top when the card takes the row's height.
        Item { Layout.fillHeight: true }
    }
}
