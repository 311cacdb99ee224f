import QtQuick
import QtQuick.Layouts
import "../../../Velmora/qml/components"
import "../../../Velmora/qml/theme"

// Test-only gallery: every reusable component in its main states, in the
// palette chosen by `darkMode`.
Rectangle {
    id: gallery

    property bool darkMode: true

    width: 1600
    height: 1180
    color: theme.bg0

    Theme {
        id: theme
        dark: gallery.darkMode
    }

    component Caption: Text {
        color: theme.textMuted
        font.pixelSize: 11
        font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        font.letterSpacing: 0.5
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 20

        // ---------------- first column ----------------
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 520
            spacing: 14

            SectionHeader {
                Layout.fillWidth: true
                theme: theme
                title: "Project Setup"
                badge: "Ready"
                subtitle: "Reusable components in the " + (gallery.darkMode ? "dark" : "light")
                          + " palette. A long subtitle wraps at word boundaries within the header's width."
            }

            RowLayout {
                spacing: 12
                Card {
                    theme: theme
                    elevated: true
                    hoverable: true
                    ColumnLayout {
                        spacing: 6
                        RowLayout {
                            spacing: 8
                            Icon { name: "cards"; size: 16; color: theme.accent }
                            Text { text: "Elevated card"; color: theme.text; font.pixelSize: 14; font.bold: true }
                        }
                        Text { text: "Sized by its content"; color: theme.textMuted; font.pixelSize: 12 }
                    }
                }
                Card {
                    theme: theme
                    accentColor: theme.gold
                    ColumnLayout {
                        Text { text: "Accent border"; color: theme.text; font.pixelSize: 14; font.bold: true }
                        Text { text: "gold"; color: theme.textMuted; font.pixelSize: 12 }
                    }
                }
            }

            Caption { text: "Buttons" }
            Flow {
                Layout.fillWidth: true
                spacing: 10
                PrimaryButton { theme: theme; text: "Save Settings"; iconName: "save" }
                PrimaryButton { theme: theme; text: "Start"; iconText: "▶" }
                PrimaryButton { theme: theme; text: "Solving"; loading: true }
                PrimaryButton { theme: theme; text: "Disabled"; enabled: false }
                SecondaryButton { theme: theme; text: "Open File"; iconName: "folder-open" }
                SecondaryButton { theme: theme; text: "Delete"; danger: true; iconText: "✕" }
                SecondaryButton { theme: theme; text: "Off"; enabled: false }
            }

            Caption { text: "Toggle switches and chips" }
            Flow {
                Layout.fillWidth: true
                spacing: 12
                ToggleSwitch { theme: theme; checked: true }
                ToggleSwitch { theme: theme; checked: false }
                ToggleSwitch { theme: theme; checked: true; enabled: false }
                Chip { theme: theme; text: "Plain" }
                Chip {
                    theme: theme
                    text: "LGPL v3"
                    tint: theme.withOpacity(theme.info, 0.15)
                    stroke: theme.info
                    textColor: theme.info
                }
                Chip { theme: theme; text: "Clickable"; iconText: "★"; clickable: true }
                Chip { theme: theme; text: "Removable"; removable: true }
            }

            Caption { text: "Stat cards" }
            RowLayout {
                spacing: 10
                StatCard { theme: theme; label: "Hands (Today / Total)"; value: "12 / 340"; trend: "up" }
                StatCard { theme: theme; label: "Accuracy"; value: "87.5"; unit: "%"; trend: "down" }
                StatCard { theme: theme; label: "Speed"; value: "412"; unit: "it/s"; compact: true }
            }

            Caption { text: "Progress rings" }
            RowLayout {
                spacing: 16
                ProgressRing { theme: theme; value: 0.42 }
                ProgressRing { theme: theme; value: 1.0 }
                ProgressRing { theme: theme; indeterminate: true }
                ProgressRing { theme: theme; value: 0.125; implicitWidth: 140; implicitHeight: 140; strokeWidth: 10 }
            }

            Caption { text: "Icons" }
            Flow {
                Layout.fillWidth: true
                spacing: 10
                Repeater {
                    model: ["bolt", "calendar", "cards", "chart", "chips", "clipboard", "clock",
                            "file-text", "folder-open", "gamepad", "gear", "home", "monitor",
                            "palette", "save", "scroll", "sliders", "stop", "target", "tree", "trend-up"]
                    delegate: Icon {
                        required property string modelData
                        required property int index
                        name: modelData
                        size: 20
                        color: index % 2 === 0 ? theme.accent : theme.text
                    }
                }
            }

            Caption { text: "Tree nodes" }
            GridLayout {
                columns: 2
                columnSpacing: 10
                rowSpacing: 10
                TreeNode { Layout.preferredWidth: 250; theme: theme; player: "OOP"; action: "Bet 33%"; actionType: "bet"; pot: 100; frequency: 0.42; ev: 1.234; expanded: true }
                TreeNode { Layout.preferredWidth: 250; theme: theme; player: "IP"; action: "Call"; actionType: "call"; pot: 166; frequency: 0.58; ev: -0.5; selected: true }
                TreeNode { Layout.preferredWidth: 250; theme: theme; nodeType: "chance"; player: ""; pot: 166 }
                TreeNode { Layout.preferredWidth: 250; theme: theme; nodeType: "terminal"; action: "Fold"; actionType: "fold"; frequency: 0.1 }
                TreeNode { Layout.preferredWidth: 250; theme: theme; player: "IP"; action: "Raise 75%"; actionType: "raise"; hasChildren: false; pot: 250 }
                TreeNode { Layout.preferredWidth: 250; theme: theme; player: "OOP"; action: "Check"; actionType: "check"; frequency: 1 }
            }
        }

        // ---------------- second column ----------------
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 480
            spacing: 14

            Caption { text: "Playing cards" }
            Row {
                spacing: 8
                PlayingCard { theme: theme; rank: "A"; suit: "s" }
                PlayingCard { theme: theme; rank: "K"; suit: "h" }
                PlayingCard { theme: theme; rank: "Q"; suit: "d"; selected: true }
                PlayingCard { theme: theme; rank: "T"; suit: "c" }
                PlayingCard { theme: theme; faceDown: true }
                PlayingCard { theme: theme }
                PlayingCard { theme: theme; rank: "7"; suit: "h"; disabled: true }
                PlayingCard { theme: theme; rank: "9"; suit: "s"; mini: true }
                PlayingCard { theme: theme; mini: true }
            }

            Caption { text: "Board display" }
            BoardDisplay { theme: theme; boardText: "AhKsQd2c9h" }
            RowLayout {
                spacing: 16
                BoardDisplay { theme: theme; boardText: "AhKsQd"; editable: true }
                BoardDisplay { theme: theme; boardText: "Ah Ks Qd 2c"; compact: true }
            }

            Caption { text: "Card picker" }
            CardPicker { theme: theme; usedCards: ["Ah", "Ks", "Qd", "2c"] }

            Caption { text: "Action bar" }
            ActionBar {
                Layout.fillWidth: true
                theme: theme
                actions: [
                    { name: "Check", actionType: "check", frequency: 0.45, combos: 120, equity: 0.4821, ev: 3.2 },
                    { name: "Bet 33%", actionType: "bet", frequency: 0.35, combos: 93.5, equity: 0.5234, ev: 4.15 },
                    { name: "Bet 75%", actionType: "bet", frequency: 0.2, combos: 53, equity: 0.61, ev: -1.5 }
                ]
            }
            ActionBar {
                Layout.fillWidth: true
                Layout.preferredHeight: 12
                theme: theme
                showLabels: false
                actions: [
                    { name: "Fold", actionType: "fold", frequency: 0.2 },
                    { name: "Call", actionType: "call", frequency: 0.5 },
                    { name: "Raise 100%", actionType: "raise", frequency: 0.25 },
                    { name: "All-In", actionType: "allin", frequency: 0.05 }
                ]
            }

            Caption { text: "Hand matrix: strategy (vertical fill, mixed actions)" }
            HandMatrix {
                id: strategyMatrix
                theme: theme
                cellSize: 32
                weightDisplayMode: "verticalFill"
                selectable: true
                actionTypes: ["check", "Bet 33%", "Bet 75%"]
                weights: {
                    var w = {}
                    for (var r = 0; r < 13; ++r)
                        for (var c = 0; c < 13; ++c)
                            w[handAt(r, c)] = Math.max(0, 1 - (r + c) / 20)
                    return w
                }
                actionProbs: {
                    var p = {}
                    for (var r = 0; r < 13; ++r)
                        for (var c = 0; c < 13; ++c) {
                            var a = ((r * 7 + c * 3) % 10) / 10
                            var b = (1 - a) * ((r + c) % 3) / 3
                            p[handAt(r, c)] = [a, b, 1 - a - b]
                        }
                    return p
                }
            }
        }

        // ---------------- third column ----------------
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: 14

            Caption { text: "Range editor" }
            RangeEditor {
                id: editor
                theme: theme
                label: "OOP Range"
                rangeText: "AA, KK, QQ:0.5, JJ+, AKs, AQs:0.75, AKo, KQs:0.25, 76s, T9s"
                onRangeChanged: function(newRange) { rangeText = newRange }
            }

            Caption { text: "Hand matrix: colours map, horizontal span, no labels off range" }
            HandMatrix {
                theme: theme
                cellSize: 26
                showLabels: false
                weights: ({ "AA": 1, "KK": 1, "QQ": 0.5, "AKs": 1, "AKo": 0.3, "A5s": 0.7, "76s": 1 })
                colors: ({ "A5s": theme.gold, "76s": theme.info })
            }
        }
    }
}
