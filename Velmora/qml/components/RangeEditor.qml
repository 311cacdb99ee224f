import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Ranks.js" as Ranks

// Self-contained editor of one player's range: quick presets, the hand matrix
// for painting hands in or out, and the range text with a hand count. It never
// changes its own range: every edit is reported through `rangeChanged` and the
// owner writes the text back into `rangeText`.
Item {
    id: root

    property var theme: null
    property string rangeText: ""
    property string label: qsTr("Range")
    property var weights: parseRangeText(rangeText)

    signal rangeChanged(string newRange)

    readonly property var _ranks: Ranks.LIST

    // Weight a hand had when a click took it out, so that clicking it in again
    // restores that weight instead of a full one (a toggle undoes itself).
    property var _removedWeights: ({})

    implicitWidth: 480
    implicitHeight: column.implicitHeight

    function parseRangeText(text) {
        var result = {}
        if (text === undefined || text === null)
            return result
        var s = String(text)
        if (s.trim() === "")
            return result

        var pct = /^(\d+(?:\.\d+)?)\s*%$/.exec(s)
        if (pct) {
            var w = parseFloat(pct[1]) / 100
            for (var i = 0; i < 13; ++i) {
                for (var j = 0; j < 13; ++j) {
                    var key
                    if (i === j)
                        key = _ranks[i] + _ranks[i]
                    else if (i < j)
                        key = _ranks[i] + _ranks[j] + "s"
                    else
                        key = _ranks[j] + _ranks[i] + "o"
                    result[key] = w
                }
            }
            return result
        }

        var tokens = s.split(/[,\s]+/)
        for (var t = 0; t < tokens.length; ++t) {
            var token = tokens[t].trim()
            if (token.length < 2)
                continue
            var parts = token.split(":")
            var hand = parts[0]
            var weight = parts.length > 1 ? parseFloat(parts[1]) : 1.0
            var keys = expandHand(hand)
            for (var k = 0; k < keys.length; ++k)
                result[keys[k]] = weight
        }
        return result
    }

    function expandHand(hand) {
        var h = String(hand)
        if (h.length === 2) {
            var a = h.charAt(0).toUpperCase()
            var b = h.charAt(1).toUpperCase()
            if (a === b)
                return [a + b]
            return [a + b + "s", a + b + "o"]
        }
        if (h.length === 3) {
            var first = h.charAt(0)
            if (h.charAt(2) === "+" && first === h.charAt(1) && _ranks.indexOf(first.toUpperCase()) >= 0) {
                var top = _ranks.indexOf(first.toUpperCase())
                var pairs = []
                for (var r = 0; r <= top; ++r)
                    pairs.push(_ranks[r] + _ranks[r])
                return pairs
            }
            return [h.substring(0, 2).toUpperCase() + h.charAt(2).toLowerCase()]
        }
        return [h]
    }

    // Weight suffix as range text writes it: none for a full weight, else
    // three decimals without trailing zeros.
    function _weightSuffix(w) {
        if (w >= 0.999)
            return ""
        return ":" + Math.max(0, w).toFixed(3).replace(/\.?0+$/, "")
    }

    function weightsToText(w) {
        var out = []
        if (!w)
            return ""
        for (var key in w) {
            if (!Object.prototype.hasOwnProperty.call(w, key))
                continue
            var value = Number(w[key])
            if (value > 0)
                out.push(key + _weightSuffix(value))
        }
        return out.join(", ")
    }

    function handleMatrixClick(hand, currentWeight) {
        var copy = {}
        for (var key in weights) {
            if (Object.prototype.hasOwnProperty.call(weights, key))
                copy[key] = weights[key]
        }
        var memory = {}
        for (var m in _removedWeights)
            memory[m] = _removedWeights[m]

        if (currentWeight > 0) {
            memory[hand] = Number(copy[hand])
            delete copy[hand]
        } else {
            var restored = Number(memory[hand])
            copy[hand] = (restored > 0 && isFinite(restored)) ? restored : 1.0
            delete memory[hand]
        }
        _removedWeights = memory
        rangeChanged(weightsToText(copy))
    }

    function applyPreset(preset) {
        _removedWeights = {}
        rangeChanged(preset)
    }

    function _handCount() {
        var n = 0
        for (var key in weights) {
            if (Object.prototype.hasOwnProperty.call(weights, key) && weights[key] > 0)
                ++n
        }
        return n
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: root.theme ? root.theme.spaceMd : 12

        RowLayout {
            Layout.fillWidth: true
            spacing: root.theme ? root.theme.spaceSm : 8

            Text {
                objectName: "rangeLabel"
                textFormat: Text.PlainText
                text: root.label
                font.pixelSize: 14
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }

            Item { Layout.fillWidth: true }

            // Only the presets are the model: a retranslation changes the
            // "Clear" label without replacing the buttons of the row.
            Repeater {
                model: ["100%", "50%", "25%", ""]

                delegate: Button {
                    id: presetButton
                    required property string modelData
                    objectName: "preset_" + modelData
                    text: modelData !== "" ? modelData : qsTr("Clear")
                    implicitWidth: 48
                    implicitHeight: 26
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    onClicked: root.applyPreset(modelData)

                    background: Rectangle {
                        radius: root.theme ? root.theme.radiusSm : 8
                        color: presetButton.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
                                                    : (root.theme ? root.theme.surface2 : "#21262D")
                        border.width: 1
                        border.color: root.theme ? root.theme.stroke : "#30363D"
                    }
                    contentItem: Text {
                        textFormat: Text.PlainText
                        text: presetButton.text
                        font: presetButton.font
                        color: root.theme ? root.theme.textMuted : "#8B949E"
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                }
            }
        }

        HandMatrix {
            id: matrix
            objectName: "rangeMatrix"
            Layout.alignment: Qt.AlignHCenter
            theme: root.theme
            weights: root.weights
            editable: true
            cellSize: 30
            onHandPainted: function(hand, desiredOn, currentWeight) {
                if ((desiredOn && !(currentWeight > 0)) || (!desiredOn && currentWeight > 0))
                    root.handleMatrixClick(hand, currentWeight)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: root.theme ? root.theme.spaceSm : 8

            TextField {
                id: rangeInput
                objectName: "rangeInput"
                Layout.fillWidth: true
                text: root.rangeText
                placeholderText: qsTr("e.g., AA, KK, AKs, QQ+ or 50%")
                font.family: {
                    var list = root.theme ? String(root.theme.fontMono) : "JetBrains Mono"
                    var installed = Qt.fontFamilies()
                    var parts = list.split(",")
                    for (var i = 0; i < parts.length; ++i) {
                        if (installed.indexOf(parts[i].trim()) >= 0)
                            return parts[i].trim()
                    }
                    return "monospace"
                }
                font.pixelSize: 13
                color: root.theme ? root.theme.text : "#F0F6FC"
                placeholderTextColor: root.theme ? root.theme.textFaint : "#6E7681"
                onTextEdited: {
                    root._removedWeights = {}
                    root.rangeChanged(text)
                }
                background: Rectangle {
                    radius: root.theme ? root.theme.radiusSm : 8
                    color: root.theme ? root.theme.surface : "#1C2128"
                    border.width: rangeInput.activeFocus ? 2 : 1
                    border.color: rangeInput.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                                         : (root.theme ? root.theme.stroke : "#30363D")
                }
            }

            Rectangle {
                objectName: "handCountBox"
                Layout.preferredWidth: 64
                Layout.preferredHeight: rangeInput.height
                radius: root.theme ? root.theme.radiusSm : 8
                color: root.theme ? root.theme.surface2 : "#21262D"
                border.width: 1
                border.color: root.theme ? root.theme.stroke : "#30363D"

                Text {
                    objectName: "handCount"
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: qsTr("%1 hands").arg(root._handCount())
                    font.pixelSize: 11
                    color: root.theme ? root.theme.textMuted : "#8B949E"
                }
            }
        }
    }
}
