import QtQuick
import QtQuick.Controls
import QtTest
import "../../Velmora/qml/components"
import "../../Velmora/qml/theme"

// Card, section header, buttons, toggle switch, chip, progress ring and
// icon: the behaviour pages rely on.
Item {
    id: host
    width: 800
    height: 600

    Theme { id: theme }

    Component { id: cardComp; Card {} }
    Component {
        id: cardWithChildren
        Card {
            Item { implicitWidth: 50; implicitHeight: 100 }
            Item { implicitWidth: 120; implicitHeight: 40 }
        }
    }
    Component {
        id: cardWithButton
        Card {
            property alias button: inner
            hoverable: true
            Button { id: inner; text: "Inside"; implicitWidth: 100; implicitHeight: 30 }
        }
    }
    Component { id: headerComp; SectionHeader {} }
    Component { id: primaryComp; PrimaryButton {} }
    Component { id: secondaryComp; SecondaryButton {} }
    Component { id: switchComp; ToggleSwitch {} }
    Component { id: chipComp; Chip {} }
    Component { id: ringComp; ProgressRing {} }
    Component { id: iconComp; Icon {} }
    Component {
        id: iconOnBlack
        Rectangle {
            property alias icon: inner
            width: 24
            height: 24
            color: "black"
            Icon { id: inner; size: 24 }
        }
    }

    // White surfaces, so that a shadow shows as darker pixels.
    Component {
        id: cardOnLight
        Rectangle {
            property alias target: inner
            width: 240; height: 140; color: "white"
            Card { id: inner; x: 20; y: 20; width: 160; height: 90 }
        }
    }
    Component {
        id: playingCardOnLight
        Rectangle {
            property alias target: inner
            width: 100; height: 110; color: "white"
            PlayingCard { id: inner; x: 20; y: 15; rank: "A"; suit: "s"; hoverable: false }
        }
    }

    SignalSpy { id: spy }
    SignalSpy { id: spy2 }

    TestCase {
        name: "Controls"
        when: windowShown

        function init() {
            theme.dark = true
            spy.clear()
            spy2.clear()
            spy.target = null
            spy2.target = null
        }

        function listen(target, signalName) {
            spy.target = target
            spy.signalName = signalName
            spy.clear()
        }

        // Canvas layers paint on a later frame, so the check is retried a while.
        function expectPixel(item, point, expected, what) {
            var e = Qt.lighter(expected, 1.0)
            var last
            tryVerify(function() {
                last = grabImage(item).pixel(point.x, point.y)
                return Math.abs(last.r - e.r) + Math.abs(last.g - e.g) + Math.abs(last.b - e.b) < 0.08
            }, 2000, what + ": expected " + expected)
        }

        // ---- Card and section header ----

        function test_cardImplicitSize() {
            var empty = createTemporaryObject(cardComp, host)
            compare(empty.implicitWidth, 32)
            compare(empty.implicitHeight, 32)
            var card = createTemporaryObject(cardWithChildren, host)
            compare(card.__contentImplicitHeight, 100)
            compare(card.__contentImplicitWidth, 120)
            compare(card.implicitHeight, 132)
            compare(card.implicitWidth, 152)
            card.padding = 12
            compare(card.implicitHeight, 124)
            // Content that grows later still sizes the card.
            card.contentItem.children[2].implicitHeight = 300
            compare(card.implicitHeight, 324)
            card.theme = theme
            card.padding = theme.spaceLg
            compare(card.implicitHeight, 332)
        }

        function test_cardPassesPressesThrough() {
            var card = createTemporaryObject(cardWithButton, host, { x: 10, y: 10 })
            listen(card.button, "clicked")
            mouseClick(card.button)
            compare(spy.count, 1, "a button inside a hoverable card gets its click")
            compare(findChild(card, "cardPointerArea").cursorShape, Qt.PointingHandCursor)
            card.hoverable = false
            compare(findChild(card, "cardPointerArea").cursorShape, Qt.ArrowCursor)
            mouseMove(card, 3, 3)
            compare(card.scale, 1.0)
            compare(findChild(card, "cardHoverOverlay").opacity, 0)
        }

        function test_sectionHeader() {
            var h = createTemporaryObject(headerComp, host, { width: 300, title: "Settings" })
            var titleHeight = findChild(h, "sectionTitle").implicitHeight
            verify(!findChild(h, "sectionBadge").visible)
            compare(h.implicitHeight, titleHeight, "no subtitle: the title row alone")
            verify(Qt.colorEqual(findChild(h, "sectionTitle").color, "#F0F6FC"))
            verify(Qt.colorEqual(h.badgeColor, "#3FB950"))
            h.badge = "Ready"
            verify(findChild(h, "sectionBadge").visible)
            h.subtitle = "word ".repeat(60)
            var sub = findChild(h, "sectionSubtitle")
            verify(sub.lineCount > 1, "long subtitle wraps")
            tryVerify(function() { return h.implicitHeight > titleHeight + 4 + 30 })
            verify(Qt.colorEqual(sub.color, "#8B949E"))
            h.theme = theme
            verify(Qt.colorEqual(h.badgeColor, theme.accent))
        }

        // ---- buttons ----

        function test_primaryButtonContent() {
            var b = createTemporaryObject(primaryComp, host, { theme: theme, text: "Save", iconName: "save", iconText: "▶" })
            verify(findChild(b, "buttonIcon").visible)
            verify(!findChild(b, "buttonGlyph").visible, "icon preferred over glyph")
            verify(!findChild(b, "buttonSpinner").visible)
            b.loading = true
            verify(findChild(b, "buttonSpinner").visible)
            verify(!findChild(b, "buttonIcon").visible)
            verify(!findChild(b, "buttonGlyph").visible)
            b.loading = false
            b.iconName = ""
            verify(findChild(b, "buttonGlyph").visible)

            // Without icon, glyph or spinner the label sits in the middle.
            b.iconText = ""
            b.width = 200
            var label = findChild(b, "buttonLabel")
            tryVerify(function() {
                var c = label.mapToItem(b, label.width / 2, 0).x
                return Math.abs(c - b.contentItem.mapToItem(b, b.contentItem.width / 2, 0).x) < 0.5
            })
        }

        function test_primaryButtonStates() {
            var b = createTemporaryObject(primaryComp, host, { text: "Go", x: 50, y: 50 })
            verify(Qt.colorEqual(b._topColor, "#3FB950"), "no theme")
            verify(Qt.colorEqual(b._bottomColor, "#238636"))
            b.theme = theme
            verify(Qt.colorEqual(b._topColor, theme.accent))
            mousePress(b)
            verify(Qt.colorEqual(b._topColor, Qt.darker(theme.accent, 1.1)))
            verify(Qt.colorEqual(b._bottomColor, Qt.darker(theme.accentMuted, 1.1)))
            mouseRelease(b)
            b.enabled = false
            verify(Qt.colorEqual(b._topColor, theme.surface3))
            verify(Qt.colorEqual(b._bottomColor, theme.surface2))
            verify(Qt.colorEqual(b._contentColor, theme.text))
            compare(findChild(b, "buttonLabel").opacity, 0.85)
            listen(b, "clicked")
            mouseClick(b)
            compare(spy.count, 0)
            compare(b.scale, 1.0)
            b.enabled = true
            verify(Qt.colorEqual(b._contentColor, "white"))
            mouseClick(b)
            compare(spy.count, 1)
        }

        function test_secondaryButton() {
            var b = createTemporaryObject(secondaryComp, host, { theme: theme, text: "Delete", danger: true, x: 50, y: 50,
                                                                   hoverEnabled: true })
            var bg = findChild(b, "buttonBackground")
            verify(Qt.colorEqual(b._contentColor, theme.danger))
            tryVerify(function() { return Qt.colorEqual(bg.border.color, theme.danger) })
            mouseMove(b, 10, 10)
            mouseMove(b, 12, 12)
            verify(b.hovered)
            wait(150)
            verify(Qt.colorEqual(bg.border.color, theme.danger), "danger keeps its border when hovered")
            b.danger = false
            tryVerify(function() { return Qt.colorEqual(bg.border.color, theme.strokeFocus) })
            b.enabled = false
            compare(findChild(b, "buttonLabel").opacity, 0.5)
            tryCompare(b, "scale", 1.0)
            b.iconName = "gear"
            b.iconText = "x"
            verify(findChild(b, "buttonIcon").visible)
            verify(!findChild(b, "buttonGlyph").visible)
        }

        // ---- toggle switch ----

        function test_toggleSwitch() {
            var s = createTemporaryObject(switchComp, host, { theme: theme, checked: true, x: 100, y: 100 })
            var thumb = findChild(s, "switchThumb")
            compare(thumb.x, 27, "created checked: the thumb is already on the right")
            compare(s.implicitWidth, 44)
            compare(s.implicitHeight, 24)
            listen(s, "toggled")
            mouseClick(s)
            compare(s.checked, false)
            compare(spy.count, 1)
            tryCompare(thumb, "x", 3)

            s.forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(s.checked, true, "keyboard activation toggles")
            compare(spy.count, 2)

            s.enabled = false
            mouseClick(s)
            compare(s.checked, true, "a disabled switch ignores clicks")
            compare(spy.count, 2)
            tryCompare(findChild(s, "switchThumb"), "opacity", 0.6)
            tryCompare(findChild(s, "switchTrack"), "opacity", 0.45)

            s.enabled = true
            s.width = 80
            compare(findChild(s, "switchTrack").width, 44, "a wider switch keeps a 44 px track")
        }

        // ---- chip ----

        function test_chip() {
            var c = createTemporaryObject(chipComp, host, { x: 20, y: 20 })
            compare(c.implicitWidth, 16)
            compare(c.height, 28)
            c.text = "LGPL v3"
            tryVerify(function() { return c.implicitWidth > 16 })
            listen(c, "clicked")
            spy2.target = c
            spy2.signalName = "removeClicked"
            mouseClick(c)
            compare(spy.count, 0, "not clickable")

            c.clickable = true
            mouseClick(c)
            compare(spy.count, 1)

            c.removable = true
            var label = findChild(c, "chipLabel")
            mouseClick(label)
            compare(spy.count, 1, "a removable chip takes clicks only on its ×")
            var x = findChild(c, "chipRemoveButton")
            verify(x.visible)
            tryCompare(x, "width", 16)
            mouseClick(x)
            compare(spy2.count, 1)
            mouseMove(c, 5, 5)
            mouseMove(c, 8, 5)
            compare(c.scale, 1.0, "no hover growth on a removable chip")

            c.removable = false
            c.text = "A rather long licence name that cannot fit"
            c.width = 60
            tryVerify(function() { return label.truncated }, 1000, "elided")
            compare(label.lineCount, 1)
        }

        // ---- progress ring ----

        function test_progressRingText_data() {
            return [
                { tag: "zero", value: 0, text: "0%" },
                { tag: "eighth rounds up", value: 0.125, text: "13%" },
                { tag: "half a percent", value: 0.005, text: "1%" },
                { tag: "under half", value: 0.004, text: "0%" },
                { tag: "full", value: 1, text: "100%" },
                { tag: "not clamped", value: 1.5, text: "150%" }
            ]
        }

        function test_progressRingText(data) {
            var r = createTemporaryObject(ringComp, host, { theme: theme, value: data.value })
            compare(findChild(r, "percentText").text, data.text)
            compare(findChild(r, "percentText").font.pixelSize, 22)
            compare(findChild(r, "busyText").font.pixelSize, 18)
        }

        function test_progressRingStates() {
            var r = createTemporaryObject(ringComp, host, { theme: theme, value: 0.4, implicitWidth: 140, implicitHeight: 140 })
            var canvas = findChild(r, "progressCanvas")
            compare(findChild(r, "percentText").font.pixelSize, 30)
            compare(findChild(r, "busyText").font.pixelSize, 25)
            compare(canvas.drawnValue, 0.4)

            r.indeterminate = true
            verify(findChild(r, "busyText").visible)
            verify(!findChild(r, "percentText").visible)
            compare(canvas.drawnValue, 0)
            r.value = 0.9
            compare(canvas.drawnValue, 0, "value changes wait for the end of the busy state")

            r.indeterminate = false
            compare(canvas.drawnValue, 0.9)
            tryCompare(canvas, "rotation", 0, 1000, "the arc starts at twelve o'clock again")
            compare(findChild(r, "percentText").text, "90%")

            r.showPercentage = false
            verify(!findChild(r, "percentText").visible)
            verify(!findChild(r, "busyText").visible)
        }

        function test_progressRingPaintsArcAndFollowsTheme() {
            var r = createTemporaryObject(ringComp, host, { theme: theme, value: 0.25, strokeWidth: 10 })
            var canvas = findChild(r, "progressCanvas")
            compare(canvas.drawnValue, 0.25)
            // Radius 45 about (50, 50): a point on the ring at 45 degrees past
            // twelve o'clock is on the arc, one at 225 degrees only on the track.
            var d = 45 * Math.SQRT1_2
            var arcAt = { x: Math.round(50 + d), y: Math.round(50 - d) }
            var trackAt = { x: Math.round(50 - d), y: Math.round(50 + d) }
            expectPixel(r, arcAt, theme.accent, "arc")
            expectPixel(r, trackAt, theme.surface3, "track")
            theme.dark = false
            expectPixel(r, arcAt, "#16A34A", "arc after the switch")
            expectPixel(r, trackAt, "#E2E8F0", "track after the switch")

            // A negative value shows no arc at all, not an almost full ring.
            r.value = -0.1
            var leftAt = { x: 5, y: 50 }
            compare(canvas.drawnValue, -0.1)
            expectPixel(r, leftAt, "#E2E8F0", "negative value: track only")
            expectPixel(r, arcAt, "#E2E8F0", "negative value: no arc")
        }

        // ---- icon ----

        function test_icon() {
            var icon = createTemporaryObject(iconComp, host, { name: "", size: 20 })
            var img = findChild(icon, "iconImage")
            compare(icon.width, 20)
            compare(icon.height, 20)
            compare(String(img.source), "")
            verify(!img.visible)

            icon.name = "bolt"
            compare(String(img.source), "image://velmoraicon/bolt/ffffffff")
            tryCompare(img, "status", Image.Ready)
            verify(img.visible)

            icon.name = "no-such-icon"
            tryVerify(function() { return img.status !== Image.Loading })
            verify(img.status !== Image.Ready)
            compare(icon.width, 20)

            icon.size = 14
            compare(icon.width, 14)
            compare(img.width, 14)
        }

        // Counts the pixels of a grab that look like the tint and like white.
        function tintCounts(item, tint) {
            var image = grabImage(item)
            var t = Qt.lighter(tint, 1.0)
            var tinted = 0, white = 0
            for (var y = 0; y < item.height; ++y) {
                for (var x = 0; x < item.width; ++x) {
                    var p = image.pixel(x, y)
                    if (p.r > 0.9 && p.g > 0.9 && p.b > 0.9)
                        ++white
                    else if (Math.abs(p.r - t.r) + Math.abs(p.g - t.g) + Math.abs(p.b - t.b) < 0.15)
                        ++tinted
                }
            }
            return { tinted: tinted, white: white }
        }

        function test_iconIsDrawnInItsColour() {
            var holder = createTemporaryObject(iconOnBlack, host, { x: 300, y: 300 })
            holder.icon.name = "stop"
            holder.icon.color = "#FF0000"
            var counts
            tryVerify(function() { counts = tintCounts(holder, "#FF0000"); return counts.tinted > 10 }, 2000,
                      "the picture shows in the tint")
            compare(counts.white, 0, "no white line art left")
            // A new colour repaints the same picture.
            holder.icon.color = "#00FF00"
            tryVerify(function() { counts = tintCounts(holder, "#00FF00"); return counts.tinted > 10 }, 2000,
                      "recoloured")
            holder.icon.iconOpacity = 0.35
            tryVerify(function() { return tintCounts(holder, "#00FF00").tinted === 0 }, 2000,
                      "dimmed with its opacity")
            // A colour without alpha draws nothing, not the white picture.
            holder.icon.iconOpacity = 1.0
            holder.icon.color = Qt.rgba(0, 1, 0, 0)
            tryVerify(function() { counts = tintCounts(holder, "#00FF00"); return counts.tinted + counts.white === 0 },
                      2000, "a transparent tint draws nothing")
        }

        // ---- shadows ----

        // An elevated card and a playing card's face cast a shadow below
        // them (darker than the surface beneath) and none to their side
        // beyond its reach; a flat card and a card's back cast none.
        function test_shadowBelow_data() {
            return [
                { tag: "elevated card", comp: cardOnLight, props: { elevated: true }, shadow: true, below: 8, side: 14 },
                { tag: "flat card", comp: cardOnLight, props: { elevated: false }, shadow: false, below: 8, side: 14 },
                { tag: "playing card face", comp: playingCardOnLight, props: { faceDown: false }, shadow: true,
                  below: 3, side: 8 },
                { tag: "playing card back", comp: playingCardOnLight, props: { faceDown: true }, shadow: false,
                  below: 3, side: 8 }
            ]
        }

        function test_shadowBelow(data) {
            var holder = createTemporaryObject(data.comp, host, { x: 200, y: 100 })
            for (var key in data.props)
                holder.target[key] = data.props[key]
            var t = holder.target
            var cx = Math.round(t.x + t.width / 2)
            var belowAt = { x: cx, y: Math.round(t.y + t.height + data.below - 1) }
            var sideAt = { x: Math.round(t.x + t.width + data.side), y: Math.round(t.y + t.height / 2) }
            tryVerify(function() {
                var image = grabImage(holder)
                var shade = 1 - image.pixel(belowAt.x, belowAt.y).r
                return image.pixel(sideAt.x, sideAt.y).r > 0.99 && (data.shadow ? shade > 0.02 : shade < 0.005)
            }, 2000, data.shadow ? "a shadow below, none beside" : "no shadow")
        }
    }
}
