import QtQuick
import "LabelContrast.js" as LabelContrast
import "Ranks.js" as Ranks

// The 13 by 13 grid of the 169 hand classes: pairs on the diagonal, suited
// hands above it, offsuit below. Shows a weight per hand, optionally split into
// stacked action probabilities. It never edits its inputs; it reports clicks,
// paint strokes and hovering through signals.
Item {
    id: root

    property var theme: null
    property var weights: ({})
    property var colors: ({})
    property string weightDisplayMode: "horizontalSpan"
    property var actionTypes: []
    // Colour of each band, parallel to actionTypes; a missing or empty entry
    // takes the theme's colour of the key.
    property var actionColors: []
    property var actionProbs: ({})
    property bool editable: false
    property bool selectable: false
    property bool showLabels: true
    property real cellSize: 32
    property real cellSpacing: 2

    readonly property var ranks: Ranks.LIST

    property bool _dragActive: false
    property bool _dragDesiredOn: false
    property int _dragLastIndex: -1
    property int _hoverIndex: -1

    signal handClicked(string hand, real currentWeight)
    signal handPainted(string hand, bool desiredOn, real currentWeight)
    signal handHovered(string hand, real weight)

    // One family for every label: the first installed entry of the theme's
    // monospace list (a family list in one string is not split by Qt).
    readonly property string _monoFamily: {
        var list = theme ? String(theme.fontMono) : "JetBrains Mono"
        var installed = Qt.fontFamilies()
        var parts = list.split(",")
        for (var i = 0; i < parts.length; ++i) {
            var name = parts[i].trim()
            if (installed.indexOf(name) >= 0)
                return name
        }
        return "monospace"
    }

    readonly property real _step: cellSize + cellSpacing

    implicitWidth: 13 * (cellSize + cellSpacing) - cellSpacing
    implicitHeight: implicitWidth

    function _has(map, key) {
        return map !== null && map !== undefined && typeof map === "object"
               && Object.prototype.hasOwnProperty.call(map, key)
    }

    function handAt(row, col) {
        if (row === col)
            return ranks[row] + ranks[col]
        if (row < col)
            return ranks[row] + ranks[col] + "s"
        return ranks[col] + ranks[row] + "o"
    }

    function weightFor(hand) {
        return _has(weights, hand) ? weights[hand] : 0
    }

    function colorFor(hand, weight) {
        if (_has(colors, hand))
            return colors[hand]
        if (!(weight > 0))
            return "transparent"
        var a = theme ? theme.accent : Qt.rgba(0.247, 0.725, 0.314, 1)
        return Qt.rgba(a.r, a.g, a.b, weight * 0.8)
    }

    function bandColor(i) {
        var c = actionColors ? actionColors[i] : undefined
        if (c !== undefined && c !== null && String(c) !== "")
            return c
        return theme ? theme.actionColor(actionTypes[i]) : "#888"
    }

    function probsFor(hand) {
        if (_has(actionProbs, hand)) {
            var p = actionProbs[hand]
            return (p === null || p === undefined) ? [] : p
        }
        return []
    }

    function clamp01(v) {
        var n = Number(v)
        if (!isFinite(n))
            return 0
        return Math.max(0, Math.min(1, n))
    }

    function cumProb(probs, idx) {
        if (!probs)
            return 0
        var sum = 0
        for (var i = 0; i < idx && i < probs.length; ++i) {
            var n = Number(probs[i])
            if (!isFinite(n))
                continue
            sum += Math.max(0, n)
        }
        return sum
    }

    // A QML colour of any colour value (a name, "#RRGGBB" or a colour).
    function _rgba(c) {
        return Qt.lighter(c, 1.0)
    }

    // The theme's text colour, or its inverse where the cell's fill behind
    // the label is too close to it (dark text on a dark purple band).
    function labelColorFor(cell, labelWidth, labelHeight) {
        var text = theme ? theme.text : "#F0F6FC"
        var inverse = theme ? theme.textInverse : "#0D1117"
        if (!(cell.w01 > 0))
            return text
        var bands = []
        if (cell.mixed) {
            var n = actionTypes.length
            for (var i = 0; i < n; ++i) {
                var from = cell.fillW * cumProb(cell.probs, i)
                var to = i === n - 1 ? cell.fillW : from + cell.fillW * clamp01(cell.probs[i])
                bands.push({ from: from, to: to, alpha: 0.85,
                             color: _rgba(bandColor(i)) })
            }
        } else {
            bands.push({ from: 0, to: cell.fillW, alpha: 1, color: _rgba(colorFor(cell.hand, 1.0)) })
        }
        var lifted = cell.vertical ? LabelContrast.coverage(cell.fillH, cell.height, labelHeight) : 1
        var left = (cell.width - labelWidth) / 2
        var lum = LabelContrast.backgroundLuminance(bands, left, left + labelWidth, lifted, _rgba(cell.color))
        return LabelContrast.pick(lum, _rgba(text), _rgba(inverse))
    }

    function indexAt(x, y) {
        var px = Number(x)
        var py = Number(y)
        if (!isFinite(px) || !isFinite(py) || px < 0 || py < 0)
            return -1
        var col = Math.floor(px / _step)
        var row = Math.floor(py / _step)
        if (col < 0 || col > 12 || row < 0 || row > 12)
            return -1
        if (px - col * _step > cellSize || py - row * _step > cellSize)
            return -1
        return row * 13 + col
    }

    function _handAtIndex(idx) {
        return handAt(Math.floor(idx / 13), idx % 13)
    }

    function _isMixed(probs) {
        var n = actionTypes ? actionTypes.length : 0
        return n > 0 && probs && probs.length === n
    }

    function _emitHoverAtIndex(idx) {
        if (idx < 0)
            return
        var hand = _handAtIndex(idx)
        handHovered(hand, weightFor(hand))
    }

    function _maybePaintAtIndex(idx) {
        if (!_dragActive || idx < 0 || idx === _dragLastIndex)
            return
        _dragLastIndex = idx
        var hand = _handAtIndex(idx)
        var w = weightFor(hand)
        var on = Number(w) > 0
        if (_dragDesiredOn && !on)
            handPainted(hand, true, w)
        else if (!_dragDesiredOn && on)
            handPainted(hand, false, w)
    }

    Repeater {
        id: cellRepeater
        model: 169

        delegate: Rectangle {
            id: cell
            required property int index
            readonly property int row: Math.floor(index / 13)
            readonly property int col: index % 13
            readonly property string hand: root.handAt(row, col)
            readonly property var weight: root.weightFor(hand)
            readonly property real w01: root.clamp01(weight)
            readonly property bool lit: Number(weight) > 0
            readonly property var probs: root.probsFor(hand)
            readonly property bool mixed: root._isMixed(probs)
            readonly property bool hovered: root._hoverIndex === index
            readonly property bool vertical: root.weightDisplayMode === "verticalFill"
            readonly property real fillW: vertical ? width : w01 * width
            readonly property real fillH: vertical ? w01 * height : height

            objectName: "cell_" + hand
            x: col * root._step
            y: row * root._step
            width: root.cellSize
            height: root.cellSize
            radius: root.theme ? root.theme.radiusXs : 4
            color: row === col ? (root.theme ? root.theme.surface3 : "#2D333B")
                 : row < col ? (root.theme ? root.theme.surface2 : "#21262D")
                 : (root.theme ? root.theme.surface : "#1C2128")
            border.width: hovered ? 2 : 1
            border.color: hovered ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                  : (root.theme ? root.theme.strokeLight : "#21262D")
            scale: hovered ? 1.1 : 1.0
            z: hovered ? 1 : 0
            Behavior on scale { NumberAnimation { duration: 80; easing.type: Easing.OutCubic } }

            // Weight fill of a hand without a mixed strategy.
            Rectangle {
                objectName: "weightFill"
                visible: !cell.mixed && cell.w01 > 0
                x: 0
                y: cell.height - cell.fillH
                width: cell.fillW
                height: cell.fillH
                radius: cell.radius
                color: root.colorFor(cell.hand, 1.0)
            }

            // Stacked action segments of a mixed hand, clipped to the fill area.
            Item {
                id: mixedArea
                objectName: "mixedFill"
                visible: cell.mixed && cell.w01 > 0
                clip: true
                x: 0
                y: cell.height - cell.fillH
                width: cell.fillW
                height: cell.fillH

                Repeater {
                    model: cell.mixed ? root.actionTypes.length : 0
                    delegate: Rectangle {
                        required property int index
                        readonly property real start: mixedArea.width * root.cumProb(cell.probs, index)
                        readonly property bool last: index === root.actionTypes.length - 1
                        objectName: "segment" + index
                        x: start
                        y: 0
                        width: last ? Math.max(0, mixedArea.width - start)
                                    : mixedArea.width * root.clamp01(cell.probs[index])
                        height: mixedArea.height
                        color: root.bandColor(index)
                        opacity: 0.85
                    }
                }
            }

            Text {
                objectName: "cellLabel"
                textFormat: Text.PlainText
                anchors.centerIn: parent
                visible: root.showLabels || cell.lit
                text: cell.hand
                font.family: root._monoFamily
                font.weight: Font.Normal
                font.pointSize: root.cellSize > 28 ? 9 * 1.25 : 8 * 1.25
                renderType: Text.NativeRendering
                style: Text.Normal
                color: root.labelColorFor(cell, contentWidth, contentHeight)
                opacity: cell.lit ? 1.0 : 0.6
            }
        }
    }

    MouseArea {
        id: pointerArea
        objectName: "matrixPointerArea"
        anchors.fill: parent
        z: 2
        hoverEnabled: true
        acceptedButtons: (root.editable || root.selectable) ? Qt.LeftButton : Qt.NoButton
        cursorShape: (root.editable || root.selectable) ? Qt.PointingHandCursor : Qt.ArrowCursor
        preventStealing: true

        function _pointerMoved(x, y) {
            var idx = root.indexAt(x, y)
            if (idx !== root._hoverIndex) {
                root._hoverIndex = idx
                root._emitHoverAtIndex(idx)
            }
            if (root._dragActive)
                root._maybePaintAtIndex(idx)
        }

        onPositionChanged: function(mouse) { _pointerMoved(mouse.x, mouse.y) }
        // Entering the matrix right over a cell counts as moving onto it.
        onEntered: _pointerMoved(mouseX, mouseY)
        onExited: root._hoverIndex = -1
        onPressed: function(mouse) {
            var idx = root.indexAt(mouse.x, mouse.y)
            root._hoverIndex = idx
            root._emitHoverAtIndex(idx)
            if (idx < 0)
                return
            if (root.editable) {
                root._dragActive = true
                root._dragLastIndex = -1
                root._dragDesiredOn = !(Number(root.weightFor(root._handAtIndex(idx))) > 0)
                root._maybePaintAtIndex(idx)
            }
        }
        onReleased: {
            root._dragActive = false
            root._dragLastIndex = -1
        }
        onCanceled: {
            root._dragActive = false
            root._dragLastIndex = -1
        }
        onClicked: function(mouse) {
            if (root.editable || !root.selectable)
                return
            var idx = root.indexAt(mouse.x, mouse.y)
            if (idx < 0)
                return
            var hand = root._handAtIndex(idx)
            root.handClicked(hand, root.weightFor(hand))
        }
    }
}
