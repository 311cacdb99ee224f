import QtQuick
import QtTest
import Velmora
import "spots.js" as Spots

// Solve activity card over a given year of day records: columns, month
// labels, the colour scale, future days, filler records and tooltips.
Item {
    id: host
    width: 1540
    height: 600

    Theme { id: theme }

    Component {
        id: gridComp
        SolveActivityGrid { width: 1400 }
    }

    // 52 weeks from Monday 6 January 2025; days after `todayIso` are future.
    function yearOfDays(solvesByDate, todayIso) {
        var out = []
        for (var i = 0; i < 364; ++i) {
            var d = new Date(2025, 0, 6 + i)
            var iso = Spots.isoDate(d)
            var rec = { isPadding: false, date: iso, isFuture: iso > todayIso,
                        solves: 0, avgIterations: 0, avgExploitability: 0 }
            if (solvesByDate[iso] !== undefined) {
                var extra = solvesByDate[iso]
                for (var k in extra)
                    rec[k] = extra[k]
            }
            out.push(rec)
        }
        return out
    }

    TestCase {
        name: "SolveActivityGrid"
        when: windowShown

        function createGrid(records, props) {
            var p = props || {}
            p.solveActivityGrid = records
            var card = createTemporaryObject(gridComp, host, p)
            verify(card)
            waitForRendering(card)
            return card
        }

        function cell(card, iso) {
            tryVerify(function() { return findChild(card, "day-" + iso) !== null }, 2000, iso)
            return findChild(card, "day-" + iso)
        }

        function test_weeks_and_month_labels() {
            var card = createGrid(host.yearOfDays({}, "2025-12-31"), { theme: theme })
            var body = card.body
            compare(body.weekCount, 52)
            compare(body.monthLabelForWeek(0), "", "6-12 January holds no 1st")
            compare(body.monthLabelForWeek(3), "Feb", "1 February 2025 is a Saturday")
            compare(body.monthLabelForWeek(16), "May", "a week whose Thursday is the 1st")
            var named = 0
            for (var w = 0; w < 52; ++w) {
                if (body.monthLabelForWeek(w) !== "")
                    ++named
            }
            compare(named, 12, "each month is named once")
        }

        function test_iso_dates() {
            var body = createGrid([], {}).body
            var d = body.parseIsoDate("2025-05-01")
            compare(d.getFullYear(), 2025)
            compare(d.getMonth(), 4)
            compare(d.getDate(), 1)
            compare(body.parseIsoDate(""), null)
            compare(body.parseIsoDate(undefined), null)
            compare(body.parseIsoDate("2025-05"), null)
            compare(body.parseIsoDate("2025-05-01-02"), null)
            compare(body.parseIsoDate("a-b-c"), null)
        }

        function test_colour_scale_and_tooltips() {
            var days = {
                "2025-03-03": { solves: 1, avgIterations: 200, avgExploitability: 0.5 },
                "2025-03-04": { solves: 2, avgIterations: 300, avgExploitability: 0.25 },
                "2025-03-05": { solves: 5, avgIterations: 412.6, avgExploitability: 0.123456 },
                "2025-03-06": { solves: "many", avgIterations: 10, avgExploitability: 0.01 }
            }
            var card = createGrid(host.yearOfDays(days, "2025-12-31"), { theme: theme })
            var one = cell(card, "2025-03-03")
            verify(Qt.colorEqual(one.fillColor, theme.withOpacity(theme.accent, 0.55)))
            compare(cell(card, "2025-03-04").fillColor, theme.accentMuted)
            var five = cell(card, "2025-03-05")
            compare(five.fillColor, theme.accent)
            compare(five.tooltipText, "2025-03-05\nSolves: 5\nAvg iters: 413\nAvg expl: 0.1235")
            var bad = cell(card, "2025-03-06")
            compare(bad.solves, 0, "a count that is not a number counts as none")
            compare(bad.fillColor, theme.surface2)
            compare(findChild(bad, "dayCell").border.color, theme.stroke)
            compare(bad.tooltipText, "2025-03-06\nSolves: 0\nAvg iters: 10\nAvg expl: 0.0100")
            verify(Qt.colorEqual(findChild(five, "dayCell").border.color, Qt.darker(theme.accent, 1.35)))
            // An accent change recolours the cells at once.
            theme.useAccentOverride = true
            theme.accentOverride = "#F0883E"
            compare(five.fillColor, theme.accent)
            verify(Qt.colorEqual(five.fillColor, "#F0883E"))
            theme.useAccentOverride = false
        }

        function test_future_days_are_faded() {
            var card = createGrid(host.yearOfDays({ "2025-12-30": { solves: 2 } }, "2025-12-28"), { theme: theme })
            var future = cell(card, "2025-12-30")
            compare(future.future, true)
            compare(findChild(future, "dayCell").opacity, 0.45)
            compare(future.fillColor, theme.accentMuted, "normal colours under the fading")
            verify(future.tooltipText.indexOf("2025-12-30 (future)\n") === 0, future.tooltipText)
            compare(findChild(cell(card, "2025-12-28"), "dayCell").opacity, 1.0)
        }

        function test_filler_records() {
            var records = [{ isPadding: true }, { isPadding: true }].concat(host.yearOfDays({}, "2025-12-31").slice(0, 12))
            var card = createGrid(records, { theme: theme })
            compare(card.body.weekCount, 2)
            compare(card.body.monthLabelForWeek(0), "")
            var grid = findChild(card, "activityGrid")
            tryVerify(function() { return grid.itemAtIndex(0) !== null })
            var filler = grid.itemAtIndex(0)
            compare(filler.padding, true)
            compare(filler.tooltipText, "")
            var rect = findChild(filler, "dayCell")
            compare(rect.border.width, 0)
            verify(Qt.colorEqual(rect.color, "transparent"))
        }

        function test_cell_size() {
            var wide = createGrid(host.yearOfDays({}, "2025-12-31"), { theme: theme, width: 1400 })
            var grid = findChild(wide, "activityGrid")
            compare(wide.body.cellWidth, Math.floor(grid.width / 52))
            verify(wide.body.cellWidth > 14)
            compare(grid.height, 7 * wide.body.cellHeight)
            var narrow = createGrid(host.yearOfDays({}, "2025-12-31"), { theme: theme, width: 500 })
            compare(narrow.body.cellWidth, 14, "cells never shrink below 14 pixels")
            compare(narrow.body.cellHeight, 14)
        }

        function test_fallback_colours_without_theme() {
            var days = { "2025-03-03": { solves: 1 }, "2025-03-04": { solves: 2 }, "2025-03-05": { solves: 3 } }
            var card = createGrid(host.yearOfDays(days, "2025-12-31"))
            compare(cell(card, "2025-03-03").fillColor, "#0e4429")
            compare(cell(card, "2025-03-04").fillColor, "#26a641")
            compare(cell(card, "2025-03-05").fillColor, "#39d353")
            compare(cell(card, "2025-03-07").fillColor, "#21262d")
            compare(findChild(cell(card, "2025-03-05"), "dayCell").border.color, "#2ea043")
        }
    }
}
