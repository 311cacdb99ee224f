import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "RangeReading.js" as Reading

// Self-contained editor of one player's range: quick presets, the hand matrix
// for painting hands in or out, and the range text with a hand count. The
// range is read as the solver reads it, through `controller` (the
// AppController); without one the matrix draws nothing. It never changes its
// own range: every edit is reported through `rangeChanged` and the owner
// writes the text back into `rangeText`.
Item {
    id: root

    property var theme: null
    property var controller: null
    property string rangeText: ""
    property string label: qsTr("Range")
    property var weights: parseRangeText(rangeText)

    signal rangeChanged(string newRange)

    // What a click took out of the range, by class, so that clicking the
    // class in again puts it back as it was (a toggle undoes itself).
    property var _removedPieces: ({})

    implicitWidth: 480
    implicitHeight: column.implicitHeight

    // Class label -> the mean weight of its combos.
    function parseRangeText(text) {
        return Reading.classWeights(controller, text)
    }

    // A click on a lit class takes that class out and leaves every other
    // combo as it was: a piece that sets only this class goes, one that sets
    // other classes too is written out as those classes at its weight. A
    // click on an unlit class puts back what a click took out of it, or adds
    // it at full weight.
    function handleMatrixClick(hand, currentWeight) {
        var read = Reading.reading(controller, rangeText)
        var memory = {}
        for (var m in _removedPieces)
            memory[m] = _removedPieces[m]
        var out = []
        if (currentWeight > 0 && read) {
            var removed = []
            for (var i = 0; i < read.pieces.length; ++i) {
                var piece = read.pieces[i]
                if (!Reading.covers(piece, hand)) {
                    out.push(piece.text)
                } else if (piece.classes.length === 1) {
                    removed.push(piece.text)
                } else {
                    var suffix = piece.weight !== "" ? ":" + piece.weight : ""
                    for (var c = 0; c < piece.classes.length; ++c)
                        (piece.classes[c] === hand ? removed : out).push(piece.classes[c] + suffix)
                }
            }
            memory[hand] = removed
        } else {
            out = read && read.share ? [] : Reading.pieceTexts(read, rangeText)
            var back = memory[hand]
            out = out.concat(back && back.length > 0 ? back : [hand])
            delete memory[hand]
        }
        _removedPieces = memory
        rangeChanged(out.join(", "))
    }

    function applyPreset(preset) {
        _removedPieces = {}
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
                    root._removedPieces = {}
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
