import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// "OOP Sizing" or "IP Sizing" (by `seat`, "oop" or "ip"): per street the bet
// and raise size texts, kept exactly as typed, the add-all-in switch and, for
// OOP only, the "Don't donk" switch; under the grid the seat's jam threshold.
// Every control reads and writes the page's property of its seat and street.
Card {
    id: root

    property var page: null
    property string seat: "oop"

    readonly property bool isOop: seat === "oop"
    readonly property var streets: ["Flop", "Turn", "River"]
    readonly property real _sizeWidth: page ? page.sizingStreetColumnWidth : 70
    readonly property string _enabledKey: seat + "AddAllInIfJamLtEnabled"
    readonly property string _thresholdKey: seat + "AddAllInIfJamLtPct"

    theme: page ? page.theme : null
    padding: 12

    function _read(key) {
        return page ? page[key] : undefined
    }
    function _write(key, v) {
        if (page)
            page[key] = v
    }

    component RowLabel: Text {
        font.pixelSize: 12
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }

    component SizeField: ProjectTextField {
        property string key: ""
        objectName: key.replace(/Text$/, "Field")
        Layout.preferredWidth: root._sizeWidth
        Layout.maximumWidth: root._sizeWidth
        Layout.alignment: Qt.AlignHCenter
        horizontalAlignment: TextInput.AlignHCenter
        theme: root.theme
        font.family: root.theme ? root.theme.fontMono : "Consolas"
        value: root._read(key)
        onCommitted: function(v) { root._write(key, v) }
    }

    component StreetSwitch: ToggleSwitch {
        property string key: ""
        objectName: key + "Switch"
        Layout.alignment: Qt.AlignHCenter
        theme: root.theme
        checked: root._read(key) === true
        onToggled: root._write(key, checked)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Icon {
                name: "sliders"
                size: 16
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                color: root.theme ? root.theme.accent : "#3FB950"
            }
            Text {
                text: root.isOop ? qsTr("OOP Sizing") : qsTr("IP Sizing")
                font.pixelSize: 15
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 8
            rowSpacing: 8

            Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
            // The model holds no translated text: a retranslation must not
            // replace the grid's items, only their texts.
            Repeater {
                model: root.streets
                delegate: Text {
                    required property int index
                    Layout.alignment: Qt.AlignHCenter
                    text: index === 0 ? qsTr("Flop") : index === 1 ? qsTr("Turn") : qsTr("River")
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: root.theme ? root.theme.textMuted : "#8B949E"
                }
            }

            RowLabel { text: qsTr("Bet sizes (%)") }
            Repeater {
                model: root.streets
                delegate: SizeField {
                    required property string modelData
                    key: root.seat + modelData + "BetSizesText"
                    placeholderText: qsTr("33, 75, 125")
                }
            }

            RowLabel { text: qsTr("Raise sizes (%)") }
            Repeater {
                model: root.streets
                delegate: SizeField {
                    required property string modelData
                    key: root.seat + modelData + "RaiseSizesText"
                    placeholderText: qsTr("75, 125, 200")
                }
            }

            RowLabel { text: qsTr("Add All-In") }
            Repeater {
                model: root.streets
                delegate: StreetSwitch {
                    required property string modelData
                    key: root.seat + modelData + "AddAllIn"
                }
            }

            RowLabel {
                visible: root.isOop
                text: qsTr("Don't donk")
            }
            Repeater {
                model: root.isOop ? root.streets : []
                delegate: StreetSwitch {
                    required property string modelData
                    key: "oop" + modelData + "DontDonk"
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            ToggleSwitch {
                objectName: root.seat + "JamThresholdSwitch"
                theme: root.theme
                checked: root._read(root._enabledKey) === true
                onToggled: root._write(root._enabledKey, checked)
            }
            RowLabel { text: qsTr("Add all-in if jam less than") }
            Item { Layout.fillWidth: true }
            ProjectTextField {
                objectName: root.seat + "JamThresholdField"
                Layout.preferredWidth: 72
                theme: root.theme
                enabled: root._read(root._enabledKey) === true
                kind: "real"
                minimum: 0
                maximum: 1000
                fallback: 0
                label: root.isOop ? qsTr("OOP jam threshold") : qsTr("IP jam threshold")
                value: root._read(root._thresholdKey)
                placeholderText: qsTr("e.g. 30")
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                decimals: 3
                onCommitted: function(v) { root._write(root._thresholdKey, v) }
            }
            RowLabel { text: qsTr("% pot") }
        }

        // Content stays at the top when the card takes the row's height.
        Item { Layout.fillHeight: true }
    }
}
