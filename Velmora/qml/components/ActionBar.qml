import QtQuick

// How a decision splits over its actions: a bar of coloured segments whose
// widths are the actions' normalised shares, with an optional label row.
Item {
    id: root

    property var theme: null
    property var actions: []
    property bool showLabels: true
    property bool interactive: false
    property int selectedAction: -1

    signal actionClicked(int index, string name)
    signal actionHovered(int index, string name, real frequency)

    implicitWidth: 300
    // With labels: the 20 px bar, the 4 px gap and the label row, which wraps
    // to further lines when the width runs out (one line gives 40).
    implicitHeight: showLabels ? Math.max(40, 24 + labelRow.implicitHeight) : 24

    function _count() {
        return (actions && actions.length !== undefined) ? actions.length : 0
    }

    function _record(i) {
        var r = actions[i]
        return (r === null || r === undefined) ? ({}) : r
    }

    function _has(record, key) {
        return record !== null && typeof record === "object" && (key in record)
    }

    function _rawFrequency(record) {
        var n = _has(record, "frequency") ? Number(record.frequency) : 0
        return (isFinite(n) && n > 0) ? n : 0
    }

    // Normalised shares of all records: each raw frequency over their total,
    // at most 1; all 0 when the total is 0 or not finite.
    function _shares() {
        var n = _count()
        var raw = []
        var total = 0
        for (var i = 0; i < n; ++i) {
            raw.push(_rawFrequency(_record(i)))
            total += raw[i]
        }
        var out = []
        for (var j = 0; j < n; ++j)
            out.push((total > 0 && isFinite(total)) ? Math.min(1, raw[j] / total) : 0)
        return out
    }

    // True when every record's frequency is NaN: the node has no split to
    // show (no hand reaches it), and the shares read "—".
    function _noSplit() {
        var n = _count()
        if (n === 0)
            return false
        for (var i = 0; i < n; ++i) {
            var r = _record(i)
            if (!_has(r, "frequency") || typeof r.frequency !== "number" || !isNaN(r.frequency))
                return false
        }
        return true
    }

    function _name(record) {
        return (_has(record, "name") && record.name !== undefined && record.name !== null)
               ? String(record.name) : ""
    }

    function _actionColor(key) {
        return theme ? theme.actionColor(key) : "#888"
    }

    // Colour of a segment on the bar: decided by which keys the record has.
    function _segmentColor(record) {
        if (_has(record, "color"))
            return record.color
        if (_has(record, "actionType"))
            return _actionColor(record.actionType)
        return _actionColor(record.name)
    }

    // Colour of a swatch in the label row: decided by non-empty values.
    function _swatchColor(record) {
        if (_has(record, "color") && record.color !== undefined && record.color !== null && String(record.color) !== "")
            return record.color
        if (_has(record, "actionType") && record.actionType !== undefined && record.actionType !== null && String(record.actionType) !== "")
            return _actionColor(record.actionType)
        return _actionColor(record.name)
    }

    function _combosText(record) {
        var c = _has(record, "combos") ? Number(record.combos) : NaN
        if (!isFinite(c))
            return qsTr("—")
        var nearest = Math.round(c)
        var shown = Math.abs(c - nearest) < 1e-6 ? String(nearest) : c.toFixed(1)
        return qsTr("%1 combos").arg(shown)
    }

    function _equityText(record) {
        var e = _has(record, "equity") ? Number(record.equity) : NaN
        if (!isFinite(e))
            return qsTr("—")
        return qsTr("%1% equity").arg((e * 100).toFixed(1))
    }

    function _evText(record) {
        var v = _has(record, "ev") ? Number(record.ev) : NaN
        if (!isFinite(v))
            return qsTr("—")
        // A value that rounds to zero reads 0.00, never -0.00.
        var shown = v.toFixed(2)
        return qsTr("%1 EV").arg(Number(shown) === 0 ? (0).toFixed(2) : shown)
    }

    function _actionAt(px) {
        var n = _count()
        var w = bar.width
        if (n === 0 || !(w > 0))
            return -1
        var shares = _shares()
        var x = 0
        for (var i = 0; i < n; ++i) {
            var sw = shares[i] * w
            if (x <= px && px < x + sw)
                return i
            x += sw
        }
        return n - 1
    }

    // Outline of one segment, rounded on the left and/or the right end.
    function _segmentPath(ctx, x, w, h, r, roundLeft, roundRight) {
        var rl = roundLeft ? r : 0
        var rr = roundRight ? r : 0
        ctx.beginPath()
        ctx.moveTo(x + rl, 0)
        ctx.lineTo(x + w - rr, 0)
        if (rr > 0)
            ctx.arcTo(x + w, 0, x + w, rr, rr)
        ctx.lineTo(x + w, h - rr)
        if (rr > 0)
            ctx.arcTo(x + w, h, x + w - rr, h, rr)
        ctx.lineTo(x + rl, h)
        if (rl > 0)
            ctx.arcTo(x, h, x, h - rl, rl)
        ctx.lineTo(x, rl)
        if (rl > 0)
            ctx.arcTo(x, 0, x + rl, 0, rl)
        ctx.closePath()
    }

    Column {
        anchors.fill: parent
        spacing: 4

        Item {
            id: bar
            objectName: "actionBarBar"
            width: parent.width
            height: root.showLabels ? 20 : root.height

            Rectangle {
                anchors.fill: parent
                radius: root.theme ? root.theme.radiusSm : 8
                color: root.theme ? root.theme.surface2 : "#21262D"
            }

            Canvas {
                id: canvas
                objectName: "actionBarCanvas"
                anchors.fill: parent
                antialiasing: true

                // Everything the action colours depend on, so that a theme or
                // accent switch repaints the bar in the new colours.
                readonly property string paletteKey: root.theme
                    ? [root.theme.dark, root.theme.accent, root.theme.actionFold, root.theme.actionCall,
                       root.theme.actionBet, root.theme.actionRaise, root.theme.actionAllIn,
                       root.theme.textMuted, root.theme.radiusSm].join("|")
                    : ""
                onPaletteKeyChanged: requestPaint()
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()

                Connections {
                    target: root
                    function onActionsChanged() { canvas.requestPaint() }
                }

                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    ctx.clearRect(0, 0, width, height)
                    var n = root._count()
                    if (n === 0 || !(width > 0) || !(height > 0))
                        return
                    var shares = root._shares()

                    var first = -1
                    var last = -1
                    for (var i = 0; i < n; ++i) {
                        if (shares[i] > 0 && shares[i] * width >= 1) {
                            if (first < 0)
                                first = i
                            last = i
                        }
                    }
                    if (first < 0) {
                        for (var j = 0; j < n; ++j) {
                            if (shares[j] > 0) {
                                if (first < 0)
                                    first = j
                                last = j
                            }
                        }
                    }
                    if (first < 0)
                        return

                    var rMax = Math.min(root.theme ? root.theme.radiusSm : 8, height / 2)
                    var x = 0
                    for (var k = 0; k < n; ++k) {
                        var f = shares[k]
                        if (!(f > 0))
                            continue
                        var record = root._record(k)
                        var wseg = f * width
                        var r = Math.min(rMax, wseg / 2)
                        root._segmentPath(ctx, x, wseg, height, r, k === first, k === last)
                        ctx.fillStyle = root._segmentColor(record)
                        ctx.fill()

                        var pct = Math.round(f * 100)
                        if (wseg > 35 && pct > 0) {
                            var label = pct + "%"
                            ctx.font = "bold 10px sans-serif"
                            var tw = ctx.measureText(label).width
                            if (tw + 8 <= wseg) {
                                ctx.fillStyle = "rgba(255,255,255,0.92)"
                                ctx.textAlign = "center"
                                ctx.textBaseline = "middle"
                                ctx.fillText(label, x + wseg / 2, height / 2)
                            }
                        }
                        x += wseg
                    }
                }
            }

            MouseArea {
                id: barArea
                objectName: "actionBarArea"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton
                cursorShape: root.interactive ? Qt.PointingHandCursor : Qt.ArrowCursor
                onPositionChanged: function(mouse) {
                    var i = root._actionAt(mouse.x)
                    if (i >= 0)
                        root.actionHovered(i, root._name(root._record(i)), root._shares()[i])
                }
                onClicked: function(mouse) {
                    if (!root.interactive)
                        return
                    var i = root._actionAt(mouse.x)
                    if (i >= 0)
                        root.actionClicked(i, root._name(root._record(i)))
                }
            }
        }

        Flow {
            id: labelRow
            objectName: "actionBarLabels"
            width: parent.width
            visible: root.showLabels
            // Blocks stand 32 px apart along a line; wrapped lines follow one
            // another closely rather than 32 px apart.
            spacing: 0

            Repeater {
                model: root.showLabels ? root._count() : 0

                delegate: Item {
                    id: slotItem
                    required property int index
                    width: block.implicitWidth + (index < root._count() - 1 ? 32 : 0)
                    height: block.implicitHeight + 2

                    Row {
                        id: block
                        readonly property int index: slotItem.index
                        readonly property var record: root._record(index)
                        readonly property real share: root._shares()[index] || 0
                        objectName: "actionLabel" + index
                        spacing: 8

                        Rectangle {
                            objectName: "swatch"
                            anchors.verticalCenter: parent.verticalCenter
                            width: 10
                            height: 10
                            radius: 2
                            color: root._swatchColor(block.record)
                        }
                        Text {
                            objectName: "name"
                            textFormat: Text.PlainText
                            text: root._name(block.record)
                            font.pixelSize: 11
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                        Text {
                            objectName: "share"
                            textFormat: Text.PlainText
                            text: root._noSplit() ? qsTr("—") : Math.round(block.share * 100) + "%"
                            font.pixelSize: 11
                            font.weight: Font.DemiBold
                            color: root.theme ? root.theme.text : "#F0F6FC"
                        }
                        Text {
                            objectName: "combos"
                            textFormat: Text.PlainText
                            text: root._combosText(block.record)
                            font.pixelSize: 11
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                        Text {
                            objectName: "equity"
                            textFormat: Text.PlainText
                            text: root._equityText(block.record)
                            font.pixelSize: 11
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                        Text {
                            objectName: "ev"
                            textFormat: Text.PlainText
                            text: root._evText(block.record)
                            font.pixelSize: 11
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                    }
                }
            }
        }
    }
}
