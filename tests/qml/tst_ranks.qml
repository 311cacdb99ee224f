import QtQuick
import QtTest
import "../../Velmora/qml/components/Ranks.js" as Ranks

// The one definition of the rank order that the grid, the card lists and the
// range and board readers share.
TestCase {
    name: "Ranks"

    function test_orderAndListAgree() {
        compare([Ranks.ORDER, Ranks.LIST], ["AKQJT98765432", "AKQJT98765432".split("")])
    }

    function test_pairFindsTwoRanksInARow_data() {
        return [
            { tag: "upper", text: "AK", found: true },
            { tag: "lower", text: "t9s", found: true },
            { tag: "inside a token", text: "xx QJo:0.5", found: true },
            { tag: "one rank", text: "A", found: false },
            { tag: "rank and suit", text: "Ah", found: false },
            { tag: "not a rank", text: "A1", found: false },
            { tag: "apart", text: "A K", found: false }
        ]
    }

    function test_pairFindsTwoRanksInARow(data) {
        compare(Ranks.PAIR.test(data.text), data.found)
        // No state is kept between tests: the same text gives the same answer.
        compare(Ranks.PAIR.test(data.text), data.found)
    }
}
