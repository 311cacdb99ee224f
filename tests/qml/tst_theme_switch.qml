import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Every component follows a live palette or accent switch: its colours are
// bound to the theme, never copied from it once.
Item {
    id: host
    width: 800
    height: 800

    Theme { id: theme }

    Component { id: cardComp; Card {} }
    Component { id: headerComp; SectionHeader { width: 200; title: "T"; badge: "B" } }
    Component { id: primaryComp; PrimaryButton { text: "P" } }
    Component { id: secondaryComp; SecondaryButton { text: "S" } }
    Component { id: switchComp; ToggleSwitch { checked: true } }
    Component { id: chipComp; Chip { text: "C" } }
    Component { id: statComp; StatCard { label: "L"; value: "1" } }
    Component { id: ringComp; ProgressRing {} }
    Component { id: playingComp; PlayingCard { rank: "A"; suit: "h" } }
    Component { id: boardComp; BoardDisplay { boardText: "AhKsQd" } }
    Component { id: pickerComp; CardPicker {} }
    Component { id: matrixComp; HandMatrix { weights: ({ "AA": 1 }) } }
    Component { id: editorComp; RangeEditor { rangeText: "AA" } }
    Component { id: barComp; ActionBar { actions: [{ name: "Check", actionType: "check", frequency: 1 }] } }
    Component { id: nodeComp; TreeNode { action: "Check"; actionType: "check" } }
    Component { id: terminalComp; TreeNode { nodeType: "terminal" } }

    TestCase {
        name: "ThemeSwitch"
        when: windowShown

        function cleanup() {
            theme.dark = true
            theme.useAccentOverride = false
        }

        // Each row: a component, a way to read one colour, and the token it shows.
        function test_followsPalette_data() {
            return [
                { tag: "Card", comp: cardComp, child: "cardBase", prop: "color", token: "surface" },
                { tag: "SectionHeader", comp: headerComp, child: "sectionTitle", prop: "color", token: "text" },
                { tag: "PrimaryButton", comp: primaryComp, child: "", prop: "_topColor", token: "accent" },
                { tag: "SecondaryButton", comp: secondaryComp, child: "buttonBackground", prop: "color", token: "surface", animated: true },
                { tag: "ToggleSwitch", comp: switchComp, child: "switchTrack", prop: "color", token: "accent", animated: true },
                { tag: "Chip", comp: chipComp, child: "", prop: "color", token: "surface2", animated: true },
                { tag: "StatCard", comp: statComp, child: "", prop: "color", token: "surface" },
                { tag: "ProgressRing", comp: ringComp, child: "", prop: "trackColor", token: "surface3" },
                { tag: "PlayingCard", comp: playingComp, child: "", prop: "suitColor", token: "suitHearts" },
                { tag: "BoardDisplay", comp: boardComp, child: "flopGroup", prop: "color", token: "surface2" },
                { tag: "CardPicker", comp: pickerComp, child: "cell_Ah", prop: "color", token: "surface" },
                { tag: "HandMatrix", comp: matrixComp, child: "cell_KK", prop: "color", token: "surface3" },
                { tag: "RangeEditor", comp: editorComp, child: "handCountBox", prop: "color", token: "surface2" },
                { tag: "TreeNode", comp: terminalComp, child: "nodeBox", prop: "color", token: "surface3" },
                { tag: "TreeNode dot", comp: terminalComp, child: "typeDot", prop: "color", token: "textFaint" }
            ]
        }

        function test_followsPalette(data) {
            var item = createTemporaryObject(data.comp, host, { theme: theme })
            var target = data.child === "" ? item : findChild(item, data.child)
            verify(target !== null, data.child)
            var darkValue = Qt.lighter(theme[data.token], 1.0)
            tryVerify(function() { return Qt.colorEqual(target[data.prop], theme[data.token]) }, 1000, "dark")
            theme.dark = false
            verify(!Qt.colorEqual(theme[data.token], darkValue), "the token differs between palettes")
            tryVerify(function() { return Qt.colorEqual(target[data.prop], theme[data.token]) }, 1000,
                      "light: " + target[data.prop] + " vs " + theme[data.token])
        }

        function test_followsAccent() {
            var matrix = createTemporaryObject(matrixComp, host, { theme: theme })
            var fill = findChild(findChild(matrix, "cell_AA"), "weightFill")
            var node = createTemporaryObject(nodeComp, host, { theme: theme })
            var chip = findChild(node, "actionChip")
            theme.useAccentOverride = true
            theme.accentOverride = "#FF0000"
            var c = fill.color
            verify(Qt.colorEqual(Qt.rgba(c.r, c.g, c.b, 1), "#FF0000"), "matrix fill " + c)
            verify(Qt.colorEqual(chip.color, "#FF0000"), "check chip " + chip.color)
        }
    }
}
