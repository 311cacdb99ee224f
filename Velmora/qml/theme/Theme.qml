import QtQuick

// Design tokens of the whole interface: both palettes, the accent with its
// user override, radii, spacings, shadows, durations, font families and the
// colour helpers. Every two-valued token follows `dark` by binding, so a
// palette or accent change recolours everything live.
QtObject {
    id: theme

    // Inputs
    property bool dark: true
    property bool useAccentOverride: false
    property color accentOverride: "#3FB950"

    // Backgrounds
    readonly property color bg0: dark ? "#080B12" : "#F4F6F9"
    readonly property color bg1: dark ? "#0D1117" : "#FFFFFF"
    readonly property color bg2: dark ? "#161B22" : "#F8FAFC"

    // Surfaces
    readonly property color surface: dark ? "#1C2128" : "#FFFFFF"
    readonly property color surface2: dark ? "#21262D" : "#F1F5F9"
    readonly property color surface3: dark ? "#2D333B" : "#E2E8F0"
    readonly property color surfaceHover: dark ? "#30363D" : "#E8ECF2"

    // Borders
    readonly property color stroke: dark ? "#30363D" : "#D1D9E0"
    readonly property color strokeLight: dark ? "#21262D" : "#E5E9EF"
    readonly property color strokeFocus: dark ? "#58A6FF" : "#2563EB"

    // Text
    readonly property color text: dark ? "#F0F6FC" : "#1F2937"
    readonly property color textMuted: dark ? "#8B949E" : "#6B7280"
    readonly property color textFaint: dark ? "#6E7681" : "#9CA3AF"
    readonly property color textInverse: dark ? "#0D1117" : "#FFFFFF"

    // Poker actions
    readonly property color actionFold: dark ? "#E06C75" : "#B91C1C"
    readonly property color actionCheck: accent
    readonly property color actionCall: dark ? "#58A6FF" : "#2563EB"
    readonly property color actionBet: dark ? "#A371F7" : "#7C3AED"
    readonly property color actionRaise: dark ? "#F0883E" : "#EA580C"
    readonly property color actionAllIn: dark ? "#FF7B72" : "#EF4444"

    // Accent
    readonly property color _defaultAccent: dark ? "#3FB950" : "#16A34A"
    readonly property color accent: useAccentOverride ? accentOverride : _defaultAccent
    readonly property color accentHover: lighten(accent, 0.12)
    readonly property color accentMuted: dark ? darken(accent, 0.6) : darken(accent, 0.35)

    // Secondary accent and status
    readonly property color gold: dark ? "#F0B429" : "#D97706"
    readonly property color goldMuted: dark ? "#9E6A03" : "#92400E"
    readonly property color info: dark ? "#58A6FF" : "#2563EB"
    readonly property color infoMuted: dark ? "#1F6FEB" : "#1D4ED8"
    readonly property color success: accent
    readonly property color warn: dark ? "#F0883E" : "#D97706"
    readonly property color danger: dark ? "#F85149" : "#DC2626"

    // Suits (card faces are light in both palettes, so spades stay dark)
    readonly property color suitSpades: "#1F2937"
    readonly property color suitHearts: dark ? "#F85149" : "#DC2626"
    readonly property color suitDiamonds: dark ? "#58A6FF" : "#2563EB"
    readonly property color suitClubs: accent

    // Playing cards
    readonly property color cardFace: "#FFFEF5"
    readonly property color cardBack: dark ? "#1C4B82" : "#1E3A5F"
    readonly property color cardBorder: dark ? "#30363D" : "#D1D9E0"

    // Heat map
    readonly property color heatCold: dark ? "#1F6FEB" : "#3B82F6"
    readonly property color heatWarm: dark ? "#F0883E" : "#F59E0B"
    readonly property color heatHot: dark ? "#F85149" : "#EF4444"

    // Corner radii
    readonly property int radiusXs: 4
    readonly property int radiusSm: 8
    readonly property int radiusMd: 12
    readonly property int radiusLg: 16
    readonly property int radiusXl: 20
    readonly property int radiusFull: 9999

    // Spacings
    readonly property int spaceXs: 4
    readonly property int spaceSm: 8
    readonly property int spaceMd: 12
    readonly property int spaceLg: 16
    readonly property int spaceXl: 24
    readonly property int space2Xl: 32

    // Shadows (views draw them with shadowOpacity; the strings describe them)
    readonly property real shadowOpacity: dark ? 0.5 : 0.15
    readonly property string shadowSm: dark ? "0 1px 2px rgba(0,0,0,0.5)" : "0 1px 2px rgba(0,0,0,0.1)"
    readonly property string shadowMd: dark ? "0 4px 6px rgba(0,0,0,0.5)" : "0 4px 6px rgba(0,0,0,0.1)"
    readonly property string shadowLg: dark ? "0 10px 15px rgba(0,0,0,0.5)" : "0 10px 15px rgba(0,0,0,0.1)"

    // Durations in milliseconds
    readonly property int durationFast: 100
    readonly property int durationNormal: 200
    readonly property int durationSlow: 300

    // Font families, preferred first. A font family text names one family,
    // so each list is resolved here to its first installed entry (the last,
    // generic entry is left to the system's font matching).
    readonly property string _fontFamilyList: "Segoe UI, system-ui, -apple-system, sans-serif"
    readonly property string _fontMonoList: "JetBrains Mono, Cascadia Code, Consolas, monospace"
    readonly property string fontFamily: _firstInstalledFamily(_fontFamilyList)
    readonly property string fontMono: _firstInstalledFamily(_fontMonoList)

    function _firstInstalledFamily(list) {
        var names = String(list).split(",")
        var installed = Qt.fontFamilies()
        var lower = Object.create(null)
        for (var i = 0; i < installed.length; ++i)
            lower[String(installed[i]).toLowerCase()] = installed[i]
        for (var j = 0; j < names.length; ++j) {
            var name = names[j].trim()
            if (name.length > 0 && Object.prototype.hasOwnProperty.call(lower, name.toLowerCase()))
                return lower[name.toLowerCase()]
        }
        return names.length > 0 ? names[names.length - 1].trim() : ""
    }

    function suitColor(suit) {
        var s = String(suit).toLowerCase()
        if (s === "s" || s === "spades")
            return suitSpades
        if (s === "h" || s === "hearts")
            return suitHearts
        if (s === "d" || s === "diamonds")
            return suitDiamonds
        if (s === "c" || s === "clubs")
            return suitClubs
        return text
    }

    function _lerp(a, b, t) {
        return a + (b - a) * t
    }

    function actionColor(action) {
        if (action === undefined || action === null)
            return textMuted
        var key = String(action).toLowerCase()

        var m = /^(bet|raise)\s+(\d+(?:\.\d+)?)\s*%/.exec(key)
        if (m) {
            var n = Number(m[2])
            if (isFinite(n)) {
                var t = Math.max(0, Math.min(1, n / 200))
                if (m[1] === "bet")
                    return Qt.hsla(_lerp(0.72, 0.84, t), 0.70,
                                   dark ? _lerp(0.62, 0.72, t) : _lerp(0.42, 0.52, t), 1.0)
                return Qt.hsla(_lerp(0.07, 0.11, t), 0.78,
                               dark ? _lerp(0.60, 0.72, t) : _lerp(0.44, 0.56, t), 1.0)
            }
        }

        if (key === "fold")
            return actionFold
        if (key === "check")
            return actionCheck
        if (key === "call")
            return actionCall
        if (key === "bet")
            return actionBet
        if (key === "raise")
            return actionRaise
        if (key === "allin" || key === "all-in" || key === "all_in")
            return actionAllIn
        return textMuted
    }

    function withOpacity(color, alpha) {
        return Qt.rgba(color.r, color.g, color.b, alpha)
    }

    function lighten(color, amount) {
        return Qt.lighter(color, 1 + amount)
    }

    function darken(color, amount) {
        return Qt.darker(color, 1 + amount)
    }
}
