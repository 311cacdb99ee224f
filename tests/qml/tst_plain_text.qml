import QtQuick
import QtTest
import "../../Velmora/qml/theme"

// Texts a component shows may come from outside the program (range texts,
// action names, file names): every text item shows them as plain text, so
// markup such as an image tag is never interpreted.
Item {
    id: host
    width: 1400
    height: 900

    Theme { id: appTheme }

    TestCase {
        name: "PlainText"
        when: windowShown

        readonly property string markup: "<img src='http://127.0.0.1:9/x.png'><b>bold</b>"

        function test_components_show_plain_text_data() {
            return ["Chip", "StatCard", "SectionHeader", "PrimaryButton", "SecondaryButton", "ProgressRing", "Card",
                    "ToggleSwitch", "PlayingCard", "BoardDisplay", "CardPicker", "HandMatrix", "RangeEditor",
                    "ActionBar", "TreeNode", "Sidebar", "TopBar", "SolveActivityGrid"].map(function(t) { return { tag: t } })
        }

        function test_components_show_plain_text(data) {
            var obj = Qt.createQmlObject("import \"../../Velmora/qml/components\"\n" + data.tag + " {}", host,
                                         Qt.resolvedUrl("tst_plain_text.qml"))
            obj.theme = appTheme
            for (const key of ["text", "label", "value", "unit", "trend", "title", "subtitle", "badge", "iconText",
                               "action", "player"]) {
                if (key in obj && typeof obj[key] === "string")
                    obj[key] = markup
            }
            if ("actions" in obj)
                obj.actions = [{ name: markup, actionType: "bet", frequency: 1 }]
            if ("boardText" in obj)
                obj.boardText = "AsKdQh"
            waitForRendering(obj)
            var seen = 0
            function walk(item) {
                if (!item || item.placeholderText !== undefined)  // a field's placeholder is the style's
                    return
                if (item.textFormat !== undefined && item.text !== undefined) {
                    ++seen
                    compare(item.textFormat, Text.PlainText, data.tag + ": " + (item.objectName || "text") + " \"" + item.text + "\"")
                }
                for (var i = 0; i < item.children.length; ++i)
                    walk(item.children[i])
            }
            walk(obj)
            obj.destroy()
        }
    }
}
