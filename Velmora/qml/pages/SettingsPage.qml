import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.settings
import "../components"
import "settings"

// Settings (index 4): palette, language and accent colour, the open-source
// notices and the update check. Palette and accent apply at once and are
// stored only by "Save Settings" or "Reset to Defaults"; the language
// service stores a language choice itself. Other copies of the program may
// run on the same settings: a save stores only the settings this window's
// user set since it last saved them (even where set back to what they
// were), so that another copy's choice of another setting stands; "Reset to
// Defaults" stores both.
Item {
    id: root

    property var theme: null
    property var type: null
    property bool darkMode: false

    readonly property var accentSwatches: [
        { label: "Green", color: "#3FB950" },
        { label: "Blue", color: "#58A6FF" },
        { label: "Purple", color: "#A371F7" },
        { label: "Gold", color: "#F0B429" },
        { label: "Orange", color: "#F0883E" },
        { label: "Red", color: "#F85149" }
    ]

    // The swatch shown as chosen: the override's colour, else Green, whose
    // family the default accent is in both palettes.
    readonly property color selectedSwatchColor: theme && theme.useAccentOverride ? theme.accentOverride : "#3FB950"

    // Dark or white, whichever stands out more on `c` (relative luminance).
    function checkColorOn(c) {
        var col = Qt.color(c)
        var lin = function(v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
        var l = 0.2126 * lin(col.r) + 0.7152 * lin(col.g) + 0.0722 * lin(col.b)
        return l > 0.179 ? "#0D1117" : "#FFFFFF"
    }

    Settings {
        id: uiSettings
        category: "ui"
    }

    function _isValidHexColor(s) {
        var t = (s === undefined || s === null) ? "" : String(s).trim()
        return /^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(t)
    }

    function applyAccentHex(s) {
        if (!theme)
            return
        var t = (s === undefined || s === null) ? "" : String(s).trim()
        if (t.length === 0) {
            theme.useAccentOverride = false
            _set.accentHex = true
            return
        }
        if (!_isValidHexColor(t))
            return
        theme.useAccentOverride = true
        theme.accentOverride = t
        _set.accentHex = true
    }

    // The palette as the user chooses it with the switch.
    function chooseDarkMode(on) {
        darkMode = on === true
        _set.darkMode = true
    }

    function _hex2(v) {
        var n = Math.max(0, Math.min(255, Math.round(v * 255)))
        return (n < 16 ? "0" : "") + n.toString(16)
    }

    // "#rrggbb" for an opaque colour, "#aarrggbb" otherwise.
    function _colorText(c) {
        var rgb = _hex2(c.r) + _hex2(c.g) + _hex2(c.b)
        return c.a < 1.0 ? "#" + _hex2(c.a) + rgb : "#" + rgb
    }

    // Whether the last save reached the settings file (SettingsProblemText).
    property var saveStatus: null

    readonly property bool _canSave: typeof appController !== "undefined" && appController !== null
                                     && typeof appController.saveUiSettings === "function"

    // The "ui" keys this window's user set since they were last saved.
    property var _set: ({})

    function _uiNow() {
        return { darkMode: darkMode === true,
                 accentHex: (theme && theme.useAccentOverride) ? _colorText(theme.accentOverride) : "" }
    }

    // The back end writes the keys, so that a file it cannot write is told.
    function saveSettings() { _save(false) }

    function _save(everything) {
        var now = _uiNow()
        var changed = {}
        for (var key in now) {
            if (everything || _set[key] === true)
                changed[key] = now[key]
        }
        var saved
        if (_canSave) {
            saveStatus = appController.saveUiSettings(changed)
            saved = !!saveStatus && saveStatus.ok === true
        } else {
            for (var k in changed)
                uiSettings.setValue(k, changed[k])
            uiSettings.sync()
            saved = true
        }
        // What did not get there is saved with the next save.
        if (saved)
            _set = ({})
    }

    function resetToDefaults() {
        darkMode = true
        applyAccentHex("")
        _save(true)
    }

    ScrollView {
        id: scroll
        anchors.fill: parent
        clip: true
        contentWidth: availableWidth
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        ColumnLayout {
            id: outer
            width: scroll.availableWidth
            spacing: 20

            readonly property real contentWidth: Math.min(outer.width * 0.66, outer.width - 48)

            Item { Layout.preferredHeight: 4 }

            SectionHeader {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                theme: root.theme
                title: qsTr("Settings")
            }

            ColumnLayout {
                Layout.fillWidth: false
                Layout.preferredWidth: outer.contentWidth
                Layout.alignment: Qt.AlignHCenter
                spacing: 16

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    spacing: 16

                    Card {
                        objectName: "appearanceCard"
                        Layout.fillWidth: true
                        theme: root.theme

                        ColumnLayout {
                            width: parent.width
                            spacing: 16

                            SettingsCardTitle { theme: root.theme; iconName: "palette"; title: qsTr("Appearance") }

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 12
                                SettingsRowText {
                                    theme: root.theme
                                    label: qsTr("Dark Mode")
                                    description: qsTr("Use dark color scheme throughout the interface")
                                    wrap: false
                                }
                                ToggleSwitch {
                                    id: darkSwitch
                                    objectName: "darkModeSwitch"
                                    theme: root.theme
                                    onToggled: root.chooseDarkMode(checked)
                                }
                                // Keeps the switch on the page's value however it changes.
                                Binding {
                                    target: darkSwitch
                                    property: "checked"
                                    value: root.darkMode
                                }
                            }

                            RowDivider { theme: root.theme }

                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 12
                                SettingsRowText {
                                    theme: root.theme
                                    label: qsTr("Language")
                                    description: qsTr("Change the app language (takes effect immediately)")
                                }
                                LanguageComboBox {
                                    id: languageCombo
                                    objectName: "languageCombo"
                                    theme: root.theme
                                }
                            }

                            SettingsProblemText {
                                objectName: "languageSaveError"
                                Layout.fillWidth: true
                                theme: root.theme
                                status: typeof languageManager !== "undefined" && languageManager !== null
                                        ? languageManager.saveStatus : null
                            }

                            RowDivider { theme: root.theme }

                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 10

                                RowLayout {
                                    Layout.fillWidth: true
                                    spacing: 12
                                    SettingsRowText {
                                        theme: root.theme
                                        label: qsTr("Accent Color")
                                        description: qsTr("Customize the app highlight color (buttons, accents, clubs/check).")
                                    }
                                    SecondaryButton {
                                        objectName: "accentResetButton"
                                        // At least 90 wide, and as wide as its label in any language.
                                        Layout.minimumWidth: 90
                                        Layout.preferredHeight: 32
                                        theme: root.theme
                                        text: qsTr("Reset")
                                        enabled: !!root.theme && root.theme.useAccentOverride
                                        onClicked: root.applyAccentHex("")
                                    }
                                }

                                RowLayout {
                                    Layout.fillWidth: true
                                    spacing: 8
                                    Repeater {
                                        model: root.accentSwatches
                                        Rectangle {
                                            id: swatch
                                            required property var modelData
                                            readonly property bool highlighted: !!root.theme
                                                && Qt.colorEqual(modelData.color, root.selectedSwatchColor)
                                            objectName: "swatch" + modelData.label
                                            Layout.preferredWidth: 28
                                            Layout.preferredHeight: 28
                                            radius: root.theme ? root.theme.radiusSm : 8
                                            color: modelData.color
                                            border.width: 2
                                            border.color: !root.theme ? "#30363D"
                                                          : highlighted ? root.theme.surface : root.theme.stroke
                                            // The selection: a ring in the text colour around the
                                            // swatch and a check mark in the colour that stands out
                                            // on the swatch, so it shows on every accent in both
                                            // palettes.
                                            Rectangle {
                                                objectName: "swatchRing"
                                                anchors.fill: parent
                                                anchors.margins: -3
                                                radius: parent.radius + 3
                                                color: "transparent"
                                                border.width: 2
                                                border.color: root.theme ? root.theme.text : "#F0F6FC"
                                                visible: swatch.highlighted
                                            }
                                            Text {
                                                objectName: "swatchCheck"
                                                textFormat: Text.PlainText
                                                anchors.centerIn: parent
                                                text: "✓"
                                                font.pixelSize: 16
                                                font.bold: true
                                                color: root.checkColorOn(swatch.modelData.color)
                                                visible: swatch.highlighted
                                            }
                                            MouseArea {
                                                id: swatchMouse
                                                anchors.fill: parent
                                                hoverEnabled: true
                                                cursorShape: Qt.PointingHandCursor
                                                onClicked: root.applyAccentHex(swatch.modelData.color)
                                            }
                                            ToolTip.visible: swatchMouse.containsMouse
                                            ToolTip.text: swatch.modelData.label + " (" + swatch.modelData.color + ")"
                                        }
                                    }
                                    Item { Layout.fillWidth: true }
                                }
                            }
                        }
                    }

                    SettingsLicensesCard {
                        objectName: "settingsLicensesCard"
                        Layout.fillWidth: true
                        theme: root.theme
                    }

                    SettingsUpdatesCard {
                        Layout.fillWidth: true
                        theme: root.theme
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: false
                Layout.preferredWidth: outer.contentWidth
                Layout.alignment: Qt.AlignHCenter
                spacing: 12
                Item { Layout.fillWidth: true }
                SecondaryButton {
                    objectName: "resetDefaultsButton"
                    theme: root.theme
                    text: qsTr("Reset to Defaults")
                    onClicked: root.resetToDefaults()
                }
                PrimaryButton {
                    objectName: "saveSettingsButton"
                    theme: root.theme
                    text: qsTr("Save Settings")
                    onClicked: root.saveSettings()
                }
            }

            SettingsProblemText {
                objectName: "settingsSaveError"
                Layout.fillWidth: false
                Layout.preferredWidth: outer.contentWidth
                Layout.alignment: Qt.AlignHCenter
                horizontalAlignment: Text.AlignRight
                theme: root.theme
                status: root.saveStatus
            }

            Item { Layout.preferredHeight: 24 }
        }
    }
}
