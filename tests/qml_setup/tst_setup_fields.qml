import QtQuick
import QtTest
import Velmora

// The Setup page's number and size fields: commits on Return or focus loss,
// refused texts, display forms, the target buttons, size texts kept as typed
// and the jam thresholds. The suite runs this file a second time under a
// German locale: the fields read standard notation with a point there too.
Item {
    id: host
    width: 1540
    height: 700

    Component {
        id: pageComp
        ProjectPage { anchors.fill: parent }
    }

    TestCase {
        name: "SetupFields"
        when: windowShown

        property var page: null

        function init() {
            page = createTemporaryObject(pageComp, host)
            verify(page)
        }

        function field(name) {
            var f = findChild(page, name)
            verify(f, name)
            return f
        }

        // Focuses the field, replaces its text by typing, and leaves it with
        // `finish` (a key such as Tab or Return), if given.
        function typeInto(name, text, finish) {
            var f = field(name)
            f.forceActiveFocus()
            f.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            if (finish !== undefined)
                keyClick(finish)
            return f
        }

        function test_run_locale() {
            if (Qt.application.name === "CaldiruneSetupTestsDe")
                compare(Qt.locale().decimalPoint, ",", "this run must use a German locale")
            else
                compare(Qt.application.name, "CaldiruneSetupTests")
        }

        function test_pot_commits_and_refusals() {
            var f = typeInto("startingPotField", "0", Qt.Key_Tab)
            compare(page.startingPot, 100, "0 is below the minimum")
            compare(f.text, "100", "the pot is shown again")

            f = typeInto("startingPotField", "250", Qt.Key_Return)
            compare(page.startingPot, 250)
            verify(f.activeFocus)
            compare(f.text, "250")

            typeInto("effectiveStackField", "100001", Qt.Key_Tab)
            compare(page.effectiveStack, 100, "above the maximum")
            typeInto("rakeCapField", "30", Qt.Key_Tab)
            compare(page.rakeCap, 30)
            f = typeInto("rakeCapField", "", Qt.Key_Return)
            compare(page.rakeCap, 30, "an empty field commits nothing")
            keyClick(Qt.Key_Tab)
            compare(f.text, "30")
        }

        // A text a number field does not take (a decimal mark in a chip
        // field; a comma, a decimal too many or a second point in a decimal
        // field; a sign; a value past the largest) stays in sight as typed
        // and is refused with its reason, never joined or dropped into
        // another number; the page holds the last value typed on the way,
        // and leaving puts back the value from before the edit. `field`
        // defaults to the key's field; `enable` switches the field on;
        // `solve: false` for the click weight, whose refusal keeps no start.
        function test_number_fields_refuse_what_they_do_not_take_data() {
            return [{ tag: "stack 100.5", key: "effectiveStack", typed: "100.5", during: 100, reason: "chips" },
                    { tag: "pot 1,5", key: "startingPot", typed: "1,5", during: 1, reason: "chips" },
                    { tag: "pot 1.", key: "startingPot", typed: "1.", during: 1, reason: "chips" },
                    { tag: "pot 1,000", key: "startingPot", typed: "1,000", during: 1, reason: "chips" },
                    { tag: "rake cap 2.5", key: "rakeCap", typed: "2.5", during: 2, reason: "chips" },
                    { tag: "rake cap -5", key: "rakeCap", typed: "-5", during: 40, reason: "whole" },
                    { tag: "pot 1000000", key: "startingPot", typed: "1000000", during: 100000, reason: "whole" },
                    { tag: "rake 1.2345", key: "rakePercent", typed: "1.2345", during: 1.234, reason: "decimals" },
                    { tag: "target 0.1234567", key: "targetExploitability", typed: "0.1234567", during: 0.123456,
                      reason: "decimals" },
                    { tag: "rake 0,5", key: "rakePercent", typed: "0,5", during: 0, reason: "comma" },
                    { tag: "rake 1.2.3", key: "rakePercent", typed: "1.2.3", during: 1.2, reason: "range" },
                    { tag: "target -1", key: "targetExploitability", typed: "-1", during: 40, reason: "range" },
                    { tag: "rake 100.5", key: "rakePercent", typed: "100.5", during: 100, reason: "range" },
                    { tag: "stack 1a2", key: "effectiveStack", typed: "1a2", during: 1, reason: "whole" },
                    { tag: "rake 2 5", key: "rakePercent", typed: "2 5", during: 2, reason: "range" },
                    { tag: "jam 1,000", field: "ipJamThresholdField", key: "ipAddAllInIfJamLtPct", typed: "1,000",
                      during: 1, reason: "comma", enable: "ipAddAllInIfJamLtEnabled" },
                    { tag: "jam 2.5555", field: "oopJamThresholdField", key: "oopAddAllInIfJamLtPct", typed: "2.5555",
                      during: 2.555, reason: "decimals", enable: "oopAddAllInIfJamLtEnabled" },
                    { tag: "weight 12,5", field: "oopClickWeightField", key: "oopClickWeightPct", typed: "12,5",
                      during: 12, reason: "comma", solve: false }]
        }
        function test_number_fields_refuse_what_they_do_not_take(data) {
            page[data.key] = 40
            if (data.enable)
                page[data.enable] = true
            var f = typeInto(data.field || data.key + "Field", data.typed)
            var reasons = {
                chips: "%1: chips are whole numbers, type digits only",
                whole: "%1: enter a whole number from %2 to %3",
                range: "%1: enter a number from %2 to %3",
                comma: "%1: type a point for decimals (0.5), no comma",
                decimals: "%1: at most %2 digits after the point"
            }
            var reason = qsTranslate("ProjectTextField", reasons[data.reason]).arg(f.label)
            reason = data.reason === "decimals" ? reason.arg(f.decimals)
                                                : reason.arg(String(f.minimum)).arg(String(f.maximum))
            compare([f.text, page[data.key], f.refusal, page.fieldRefusal],
                    [data.typed, data.during, reason, data.solve === false ? "" : reason])
            keyClick(Qt.Key_Tab)
            compare([f.text, page[data.key], page.fieldRefusal], ["40", 40, ""])
        }

        function test_decimal_fields() {
            var f = typeInto("rakePercentField", "5.50", Qt.Key_Tab)
            compare(page.rakePercent, 5.5)
            compare(f.text, "5.5")
            typeInto("rakePercentField", "2.125", Qt.Key_Tab)
            compare(page.rakePercent, 2.125, "a third decimal is taken")

            f = typeInto("targetExploitabilityField", "150", Qt.Key_Tab)
            compare(page.targetExploitability, 0.1, "150 is refused")
            compare(f.text, "0.1")
            f = typeInto("targetExploitabilityField", "0.000001", Qt.Key_Tab)
            compare(page.targetExploitability, 0.000001)
            compare(f.text, "0.000001")

            mouseClick(field("target05Button"))
            compare(page.targetExploitability, 0.5)
            compare(f.text, "0.5")
            page.startingPot = 180
            fuzzyCompare(page.targetExploitabilityAmount(), 0.9, 1e-12)

            // A value set elsewhere shows at once in a field without focus.
            page.rakePercent = 7.25
            compare(field("rakePercentField").text, "7.25")
        }

        // The click weight and the weights in range text read and write a
        // decimal point whatever the locale.
        function test_click_weight_and_range_weights() {
            var f = typeInto("oopClickWeightField", "12.5", Qt.Key_Tab)
            compare(page.oopClickWeightPct, 12.5)
            compare(f.text, "12.5")
            var matrix = field("oopMatrix")
            var cell = findChild(matrix, "cell_AKs")
            mouseClick(cell, cell.width / 2, cell.height / 2)
            compare(page.oopRangeText, "AKs:0.125")
            typeInto("oopRangeInput", "AA:0.5, KK")
            compare(page.oopRangeText, "AA:0.5, KK")
            compare(matrix.weights["AA"], 0.5)
            compare(matrix.weights["KK"], 1)
        }

        function test_size_texts_are_kept_as_typed() {
            typeInto("oopFlopBetSizesField", "33, 75 ", Qt.Key_Tab)
            compare(page.oopFlopBetSizesText, "33, 75 ")
            typeInto("oopFlopBetSizesField", "", Qt.Key_Tab)
            compare(page.oopFlopBetSizesText, "")
            page.oopTurnRaiseSizesText = "60"
            compare(field("oopTurnRaiseSizesField").text, "60")

            mouseClick(field("oopTurnDontDonkSwitch"))
            compare(page.oopTurnDontDonk, true)
            compare(page.oopFlopDontDonk, false)
            mouseClick(field("ipFlopAddAllInSwitch"))
            compare(page.ipFlopAddAllIn, true)
            // The IP card has no "Don't donk" row.
            compare(findChild(findChild(page, "ipSizingCard"), "ipFlopDontDonkSwitch"), null)
            compare(findChild(findChild(page, "ipSizingCard"), "oopFlopDontDonkSwitch"), null)
        }

        function test_jam_thresholds() {
            page.oopAddAllInIfJamLtPct = 12.5
            var oop = field("oopJamThresholdField")
            compare(oop.enabled, false, "disabled while its switch is off")
            compare(oop.text, "12.5")
            mouseClick(field("oopJamThresholdSwitch"))
            compare(oop.enabled, true)
            compare(page.oopAddAllInIfJamLtPct, 12.5, "switching on keeps the value")

            mouseClick(field("ipJamThresholdSwitch"))
            var ip = typeInto("ipJamThresholdField", "45")
            verify(ip.activeFocus)
            compare(page.ipAddAllInIfJamLtPct, 45, "written while typing")
            compare(page.oopAddAllInIfJamLtPct, 12.5)
            keyClick(Qt.Key_Tab)
            compare(ip.text, "45")

            typeInto("ipJamThresholdField", "1001", Qt.Key_Tab)
            compare(page.ipAddAllInIfJamLtPct, 45, "1001 is refused; leaving puts back the value before the edit")
            compare(ip.text, "45")
        }
    }
}
