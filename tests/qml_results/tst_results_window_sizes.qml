import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack

// The results page as a 1280x800 and a 1540x1200 window give it (the top bar
// takes 60 px): every card of the range view can be scrolled to with a bar
// in sight, and the play table keeps its seats, board and buttons on the
// picture and apart.
Item {
    id: host
    width: 1540
    height: 1140

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: rigComp
        Item {
            property alias controller: ctrl
            property alias page: resultsPage
            readonly property var engine: resultsPage.playEngine
            MockPlayController { id: ctrl }
            ResultsPage {
                id: resultsPage
                anchors.fill: parent
                theme: appTheme
                controller: ctrl
                boardText: "2c3d4h"
                Component.onCompleted: {
                    playEngine.playStepDelayMs = 20
                    playEngine._random = function () { return 0 }
                }
            }
        }
    }

    TestCase {
        name: "ResultsWindowSizes"
        when: windowShown

        function rig(w, h) {
            var r = createTemporaryObject(rigComp, host, { width: w, height: h })
            waitForRendering(r.page)
            return r
        }
        function named(r, name, inside) {
            var item = findChild(inside || r.page, name)
            verify(item, name)
            return item
        }
        function rectIn(item, target) {
            var p = item.mapToItem(target, 0, 0)
            return { x: p.x, y: p.y, w: item.width, h: item.height }
        }
        // The bar is shown and its handle can be seen.
        function barInSight(bar) {
            return bar.visible && bar.width > 0 && bar.height > 0 && bar.contentItem.opacity >= 0.5
        }

        function test_range_view_scrolls_to_every_card_data() {
            return [{ tag: "1280x800", w: 1280, h: 740, sideways: true },
                    { tag: "1540x1200", w: 1540, h: 1140, sideways: false }]
        }

        function test_range_view_scrolls_to_every_card(data) {
            var r = rig(data.w, data.h)
            var flick = named(r, "strategyFlickable")
            var hbar = named(r, "strategyHorizontalScrollBar")
            var vbar = named(r, "strategyVerticalScrollBar")
            var details = named(r, "handDetailsCard")
            tryCompare(hbar, "visible", data.sideways)
            if (!data.sideways) {
                var whole = rectIn(details, flick)
                verify(whole.x + whole.w <= flick.width - flick.rightMargin + 0.5, "the cards fit the panel")
                return
            }
            verify(barInSight(hbar), "the sideways bar can be seen")
            verify(barInSight(vbar), "and the one down the side")
            // Scrolled to the far right and to the bottom, the Hand Details
            // card stands whole in the panel, clear of both bars.
            flick.contentX = flick.contentWidth + flick.rightMargin - flick.width
            flick.contentY = flick.contentHeight + flick.bottomMargin - flick.height
            waitForRendering(r.page)
            var shown = rectIn(details, flick)
            verify(shown.x >= -0.5, "left edge " + shown.x)
            verify(shown.x + shown.w <= flick.width - vbar.width + 0.5, "right edge " + (shown.x + shown.w))
            verify(shown.y + shown.h <= flick.height - hbar.height + 0.5, "bottom edge " + (shown.y + shown.h))
        }

        function test_play_table_on_its_picture_data() {
            return [{ tag: "1280x800", w: 1280, h: 740 }, { tag: "1540x1200", w: 1540, h: 1140 }]
        }

        // Seats, board, pot and hint inside the picture, the drill button
        // clear of the rail, the dealer button clear of IP's cards, nothing
        // over anything else; on the large window the cards keep their size.
        function test_play_table_on_its_picture(data) {
            var r = rig(data.w, data.h)
            var e = r.engine
            r.page.playMode = true
            e.startPlaySession("IP")
            tryCompare(e, "playAwaitingUserAction", true, 5000)
            var table = named(r, "playTable")
            tryVerify(function() { return table.paintedHeight > 0 }, 5000, "the picture is loaded")
            waitForRendering(table)
            if (data.w === 1540)
                compare(table.tableScale, 1, "full-size cards on the large window")
            var picture = { x: table.paintedX, y: table.paintedY, w: table.paintedWidth, h: table.paintedHeight }
            var onPicture = ["oopSeat", "ipSeat", "playBoard", "boardHint", "potText"]
            for (var i = 0; i < onPicture.length; ++i) {
                var q = rectIn(named(r, onPicture[i], table), table)
                verify(q.x >= picture.x - 0.5 && q.x + q.w <= picture.x + picture.w + 0.5
                       && q.y >= picture.y - 0.5 && q.y + q.h <= picture.y + picture.h + 0.5,
                       onPicture[i] + " on the picture: " + JSON.stringify(q) + " in " + JSON.stringify(picture))
            }
            var drill = rectIn(named(r, "drillButton", table), table)
            var dx = (drill.x + drill.w - table.railCenterX) / table.railRadiusX
            var dy = (drill.y - table.railCenterY) / table.railRadiusY
            verify(drill.x + drill.w <= table.railCenterX && drill.y >= table.railCenterY, "below left of the centre")
            verify(dx * dx + dy * dy > 1, "the drill button clears the rail")
            verify(drill.y + drill.h <= table.height + 0.5, "and stays on the table")
            var dealer = rectIn(named(r, "dealerButton", table), table)
            var cards = rectIn(findChild(named(r, "ipSeat", table), "seatCards"), table)
            verify(dealer.x >= cards.x + cards.w + 6, "the dealer button clears IP's cards by " + (dealer.x - cards.x - cards.w))

            var apart = ["oopSeat", "ipSeat", "playBoard", "boardHint", "potText", "dealerButton", "actionPrompt",
                         "drillButton"]
            var rects = []
            for (i = 0; i < apart.length; ++i) {
                var it = named(r, apart[i], table)
                var flow = apart[i] === "actionPrompt"
                var rr = rectIn(it, table)
                if (flow) {
                    rr.w = it.childrenRect.width
                    rr.h = it.childrenRect.height
                }
                for (var k = 0; k < rects.length; ++k) {
                    var o = rects[k]
                    verify(rr.x + rr.w <= o.x + 0.5 || o.x + o.w <= rr.x + 0.5 || rr.y + rr.h <= o.y + 0.5
                           || o.y + o.h <= rr.y + 0.5, apart[i] + " and " + o.n + " apart")
                }
                rr.n = apart[i]
                rects.push(rr)
            }
        }
    }
}
