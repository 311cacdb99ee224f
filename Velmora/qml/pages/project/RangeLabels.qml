import QtQml

// Translated names of the built-in range libraries. The trees keep their raw
// names; rows show these labels, built again after a language change. The
// lists below let the translation tools see every built-in text.
QtObject {
    readonly property var _rakeNames: [
        QT_TR_NOOP("No rake"), QT_TR_NOOP("50nl rake"), QT_TR_NOOP("100nl rake"),
        QT_TR_NOOP("200nl rake"), QT_TR_NOOP("500nl rake")
    ]
    readonly property var _stdTokens: [
        QT_TR_NOOP("Call"), QT_TR_NOOP("Fold"), QT_TR_NOOP("RFI"), QT_TR_NOOP("3bet"), QT_TR_NOOP("4bet")
    ]
    readonly property var _stdLabels: [
        QT_TR_NOOP("6-max"), QT_TR_NOOP("Heads up"), QT_TR_NOOP("RFI"), QT_TR_NOOP("vs RFI"),
        QT_TR_NOOP("vs 3bet"), QT_TR_NOOP("vs 4bet")
    ]
    readonly property var _positions: ["UTG/HJ/CO", "UTG", "HJ", "CO", "BTN", "BU", "SB", "BB"]
    readonly property var _populationLabels: [
        QT_TR_NOOP("Limp"), QT_TR_NOOP("Limp-call"), QT_TR_NOOP("Limp-3b"), QT_TR_NOOP("RFI"), QT_TR_NOOP("Call"),
        QT_TR_NOOP("Call raise"), QT_TR_NOOP("Check back"), QT_TR_NOOP("3b"), QT_TR_NOOP("4b"),
        QT_TR_NOOP("Call 3b"), QT_TR_NOOP("Call 4b"), QT_TR_NOOP("3b cold call"), QT_TR_NOOP("Bomb pot"),
        QT_TR_NOOP("Weaker regs"), QT_TR_NOOP("Tighter reg"), QT_TR_NOOP("Looser reg"), QT_TR_NOOP("Other")
    ]
    readonly property var _archetypes: [
        QT_TR_NOOP("Passive"), QT_TR_NOOP("Passive tight"), QT_TR_NOOP("Passive neutral"),
        QT_TR_NOOP("Passive loose"), QT_TR_NOOP("Extreme loose"), QT_TR_NOOP("Loose aggressive"),
        QT_TR_NOOP("Standard LAG"), QT_TR_NOOP("Maniac"), QT_TR_NOOP("Overfolder")
    ]
    readonly property string _nit: QT_TR_NOOP("Nit")

    function categoryLabel(cat) {
        var c = Number(cat)
        if (c === 0)
            return qsTr("Standard Ranges")
        if (c === 1)
            return qsTr("Population Ranges")
        return qsTr("Custom Ranges")
    }

    function trRakeFolderName(s) {
        var t = String(s)
        return _rakeNames.indexOf(t) >= 0 ? qsTr(t) : t
    }

    function trStdToken(tok) {
        var t = String(tok)
        return _stdTokens.indexOf(t) >= 0 ? qsTr(t) : t
    }

    function trStandardLabel(s) {
        var t = String(s)
        if (_stdLabels.indexOf(t) >= 0)
            return qsTr(t)
        if (_rakeNames.indexOf(t) >= 0)
            return trRakeFolderName(t)
        if (t.indexOf("vs ") === 0 && t.length > 7 && t.slice(-4) === " RFI") {
            var middle = t.slice(3, t.length - 4).trim()
            if (middle.length > 0)
                return qsTr("vs %1 RFI").arg(middle)
        }
        if (t.indexOf(" vs ") >= 0 && t.indexOf(" 3bet") >= 0) {
            var m3 = /^(.+?)\s+vs\s+(.+?)\s+3bet$/.exec(t)
            if (m3)
                return qsTr("%1 vs %2 3bet").arg(m3[1]).arg(m3[2])
        }
        if (t.indexOf(" 3bet vs ") >= 0 && t.indexOf(" 4bet") >= 0) {
            var m4 = /^(.+?)\s+3bet\s+vs\s+(.+?)\s+4bet$/.exec(t)
            if (m4)
                return qsTr("%1 3bet vs %2 4bet").arg(m4[1]).arg(m4[2])
        }
        var words = t.split(/\s+/).filter(function(w) { return w.length > 0 })
        if (words.length === 2)
            return qsTr("%1 %2").arg(words[0]).arg(trStdToken(words[1]))
        return t
    }

    function _archetypeLabel(label) {
        var l = label.trim()
        return _archetypes.indexOf(l) >= 0 ? qsTr(l) : l
    }

    function trPopulationLabel(s) {
        var t = String(s)
        if (_positions.indexOf(t) >= 0)
            return t
        if (_populationLabels.indexOf(t) >= 0)
            return qsTr(t)
        if (t === "Nit" || t === "nit")
            return qsTr("Nit")
        if (t === "Overfolder" || t === "overfolder")
            return qsTr("Overfolder")
        var m = /^(.+?)\s*\(VPIP\s*([^\)]+)\)$/.exec(t) || /^(.+?)\s*\(\s*([^\)]+?)\s*VPIP\s*\)$/i.exec(t)
        if (m)
            return qsTr("%1 (VPIP %2)").arg(_archetypeLabel(m[1])).arg(m[2].trim())
        return trStandardLabel(t)
    }

    // Custom names as they are, built-in names translated.
    function displayName(cat, name) {
        var c = Number(cat)
        if (c === 0)
            return trStandardLabel(name)
        if (c === 1)
            return trPopulationLabel(name)
        return String(name)
    }
}
