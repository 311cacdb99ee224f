import QtQuick
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Texts a component shows may come from outside the program (range texts,
// action names, file names): every text item shows them as plain text, so
// markup such as an image tag is never interpreted.
Item {
    id: host
    width: 1400
    height: 900

    Theme { id: appTheme }

    readonly property string markup: "<img src='http://127.0.0.1:9/x.png'><b>bold</b>"

    Component { id: chipComp; Chip { theme: appTheme; text: host.markup; iconText: host.markup } }
    Component { id: statComp; StatCard { theme: appTheme; label: host.markup; value: host.markup; unit: host.markup; trend: host.markup } }
    Component { id: headerComp; SectionHeader { theme: appTheme; title: host.markup; subtitle: host.markup; badge: host.markup } }
    Component { id: primaryComp; PrimaryButton { theme: appTheme; text: host.markup; iconText: host.markup } }
    Component { id: secondaryComp; SecondaryButton { theme: appTheme; text: host.markup; iconText: host.markup } }
    Component { id: ringComp; ProgressRing { theme: appTheme } }
    Component { id: cardComp; Card { theme: appTheme } }
    Component { id: switchComp; ToggleSwitch { theme: appTheme } }
    Component { id: playingComp; PlayingCard { theme: appTheme; rank: "A"; suit: "s" } }
    Component { id: boardComp; BoardDisplay { theme: appTheme; boardText: "AsKdQh" } }
    Component { id: pickerComp; CardPicker { theme: appTheme } }
    Component { id: matrixComp; HandMatrix { theme: appTheme } }
    Component { id: rangeComp; RangeEditor { theme: appTheme; label: host.markup; rangeText: "AA, KK" } }
    Component {
        id: actionComp
        ActionBar {
            theme: appTheme
            actions: [{ name: host.markup, actionType: "bet", frequency: 0.5 }, { name: "Check", actionType: "check", frequency: 0.5 }]
        }
    }
    Component { id: treeComp; TreeNode { theme: appTheme; action: host.markup; player: host.markup; actionType: "bet" } }
    Component { id: sidebarComp; Sidebar { theme: appTheme } }
    Component { id: topbarComp; TopBar { theme: appTheme } }
    Component { id: gridComp; SolveActivityGrid { theme: appTheme } }

    TestCase {
        name: "PlainText"
        when: windowShown

        // Every item below `item` that has a text format. Text fields are
        // plain by nature; their placeholder belongs to the style.
        function textItems(item, out) {
            if (!item || item.placeholderText !== undefined)
                return out
            if (item.textFormat !== undefined && item.text !== undefined)
                out.push(item)
            var kids = item.children || []
            for (var i = 0; i < kids.length; ++i)
                textItems(kids[i], out)
            return out
        }

        function test_components_show_plain_text_data() {
            return [
                { tag: "Chip", comp: chipComp }, { tag: "StatCard", comp: statComp },
                { tag: "SectionHeader", comp: headerComp }, { tag: "PrimaryButton", comp: primaryComp },
                { tag: "SecondaryButton", comp: secondaryComp }, { tag: "ProgressRing", comp: ringComp },
                { tag: "Card", comp: cardComp }, { tag: "ToggleSwitch", comp: switchComp },
                { tag: "PlayingCard", comp: playingComp }, { tag: "BoardDisplay", comp: boardComp },
                { tag: "CardPicker", comp: pickerComp }, { tag: "HandMatrix", comp: matrixComp },
                { tag: "RangeEditor", comp: rangeComp }, { tag: "ActionBar", comp: actionComp },
                { tag: "TreeNode", comp: treeComp }, { tag: "Sidebar", comp: sidebarComp },
                { tag: "TopBar", comp: topbarComp }, { tag: "SolveActivityGrid", comp: gridComp }
            ]
        }

        function test_components_show_plain_text(data) {
            var obj = createTemporaryObject(data.comp, host)
            verify(obj, data.tag)
            var texts = textItems(obj, [])
            for (var i = 0; i < texts.length; ++i) {
                compare(texts[i].textFormat, Text.PlainText,
                        data.tag + ": " + (texts[i].objectName || "text") + " \"" + texts[i].text + "\"")
            }
        }
    }
}
