import QtQuick
import QtTest
import Velmora
import "../../Velmora/qml/theme" as ThemePack

// The results page as a 1280x800 and a 1540x1200 window and the least
// window (1100x700) give it (the top bar takes 60 px), in English and in
// French: every card of the range view can be scrolled to with a bar in
// sight and holds its content within its edges, and the play table keeps
// its seats, board and buttons on the picture and apart.
Item {
    id: host
    width: 1540
    height: 1140

    ThemePack.Theme { id: appTheme; dark: true }

    Component {
        id: pageComp
        ResultsPage {
            theme: appTheme
            controller: MockPlayController {}
            boardText: "2c3d4h"
            Component.onCompleted: {
                playEngine.playStepDelayMs = 20
                playEngine._random = function () { return 0 }
            }
        }
    }

    TestCase {
        name: "ResultsWindowSizes"
        when: windowShown

        function named(inside, name) {
            var item = findChild(inside, name)
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

        // The visible items inside a card that stand past its padding
        // sideways; a clipping item (a list, a scrolling area) shows its own.
        function contentOutside(card) {
            var out = [], left = card.leftPadding - 0.5, right = card.width - card.rightPadding + 0.5
            function walk(item) {
                for (var i = 0; i < item.children.length; ++i) {
                    var c = item.children[i], r = c.visible && c.width > 0 ? rectIn(c, card) : null
                    if (r && (r.x < left || r.x + r.w > right))
                        out.push((c.objectName || String(c)) + " " + r.x + ".." + (r.x + r.w) + " in " + card.width)
                    if (r && !c.clip)
                        walk(c)
                }
            }
            walk(card.contentItem)
            return out
        }
        function cleanup() { languageManager.setLanguage("system") }

        // `beside`: the header's figures stand beside the title, not under it.
        function test_layout_data() {
            return [{ tag: "1280x800", w: 1280, h: 740, beside: true }, { tag: "1280x800 fr", w: 1280, h: 740, fr: true, beside: true },
                    { tag: "1100x700 fr", w: 1100, h: 640, fr: true, beside: false }, { tag: "1540x1200", w: 1540, h: 1140, beside: true }]
        }

        function test_layout(data) {
            languageManager.setLanguage(data.fr ? "fr" : "system")
            var page = createTemporaryObject(pageComp, host, { width: data.w, height: data.h })
            waitForRendering(page)

            // The range view: on the small window both bars show, and scrolled
            // to the far right and the bottom the Hand Details card stands
            // whole in the panel, clear of both bars; on the large one the
            // cards fit without a sideways bar.
            var flick = named(page, "strategyFlickable"), details = named(page, "handDetailsCard")
            var hbar = named(page, "strategyHorizontalScrollBar"), vbar = named(page, "strategyVerticalScrollBar")
            var sideways = data.w < 1540
            tryCompare(hbar, "visible", sideways)
            if (sideways) {
                verify(barInSight(hbar) && barInSight(vbar), "both bars can be seen")
                flick.contentX = flick.contentWidth + flick.rightMargin - flick.width
                flick.contentY = flick.contentHeight + flick.bottomMargin - flick.height
                waitForRendering(page)
            }
            var shown = rectIn(details, flick)
            verify(shown.x >= -0.5, "left edge " + shown.x)
            verify(shown.x + shown.w <= flick.width - (sideways ? vbar.width : flick.rightMargin) + 0.5,
                   "right edge " + (shown.x + shown.w))
            if (sideways)
                verify(shown.y + shown.h <= flick.height - hbar.height + 0.5, "bottom edge " + (shown.y + shown.h))
            var figures = rectIn(named(page, "strategyFigures"), page), title = rectIn(named(page, "strategyBoard"), page)
            compare(figures.y < title.y + title.h, data.beside, "figures at " + JSON.stringify(figures))
            for (var card of ["strategyPanel", "handDetailsCard", "bucketsCard"])
                compare(contentOutside(named(page, card)), [], card)

            // The play table: seats, board, pot and hint inside the picture,
            // the drill button clear of the rail, the dealer button clear of
            // IP's cards, nothing over anything else; on the large window the
            // cards keep their size.
            page.playMode = true
            page.playEngine.startPlaySession("IP")
            tryCompare(page.playEngine, "playAwaitingUserAction", true, 5000)
            var table = named(page, "playTable")
            tryVerify(function() { return table.paintedHeight > 0 }, 5000, "the picture is loaded")
            waitForRendering(table)
            // The panel holds the play view, and the hand log beside the table can be scrolled to whole.
            compare(contentOutside(named(page, "strategyPanel")), [], "play view")
            flick.contentX = Math.max(0, flick.contentWidth + flick.rightMargin - flick.width)
            var log = rectIn(named(page, "playHandLogPanel"), flick)
            verify(log.x >= -0.5 && log.x + log.w <= flick.width - vbar.width + 0.5, "hand log " + JSON.stringify(log))
            flick.contentX = 0
            if (!sideways)
                compare(table.tableScale, 1, "full-size cards on the large window")
            var picture = { x: table.paintedX, y: table.paintedY, w: table.paintedWidth, h: table.paintedHeight }
            // The first five lie on the picture; the prompt is a flow: its buttons count.
            var rects = ["oopSeat", "ipSeat", "playBoard", "boardHint", "potText", "dealerButton", "actionPrompt",
                         "drillButton"].map(function(n) {
                var it = named(table, n), q = rectIn(it, table)
                if (n === "actionPrompt") {
                    q.w = it.childrenRect.width
                    q.h = it.childrenRect.height
                }
                q.n = n
                return q
            })
            for (var i = 0; i < rects.length; ++i) {
                var q = rects[i]
                verify(i >= 5 || (q.x >= picture.x - 0.5 && q.x + q.w <= picture.x + picture.w + 0.5
                                  && q.y >= picture.y - 0.5 && q.y + q.h <= picture.y + picture.h + 0.5),
                       q.n + " on the picture: " + JSON.stringify(q) + " in " + JSON.stringify(picture))
                for (var k = 0; k < i; ++k) {
                    var o = rects[k]
                    verify(q.x + q.w <= o.x + 0.5 || o.x + o.w <= q.x + 0.5 || q.y + q.h <= o.y + 0.5
                           || o.y + o.h <= q.y + 0.5, q.n + " and " + o.n + " apart")
                }
            }
            var drill = rects[7]
            var dx = (drill.x + drill.w - table.railCenterX) / table.railRadiusX
            var dy = (drill.y - table.railCenterY) / table.railRadiusY
            verify(drill.x + drill.w <= table.railCenterX && drill.y >= table.railCenterY, "below left of the centre")
            verify(dx * dx + dy * dy > 1, "the drill button clears the rail")
            verify(drill.y + drill.h <= table.height + 0.5, "and stays on the table")
            var cards = rectIn(findChild(named(table, "ipSeat"), "seatCards"), table)
            verify(rects[5].x >= cards.x + cards.w + 6, "the dealer button clears IP's cards by " + (rects[5].x - cards.x - cards.w))
        }
    }
}
