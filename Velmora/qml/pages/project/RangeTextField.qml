import QtQuick
import QtQuick.Controls
import "rangetext.js" as RangeText

// One-line range text field. It writes every edit at once; without the focus
// its own text is hidden and an overlay shows the range centred and elided,
// so that a long range reads as one line until the user clicks into it. An
// edit past the longest range (a paste of a whole file) is not taken: the
// field shows the range again and reports the refused text.
TextField {
    id: root

    property var theme: null
    property string rangeText: ""

    signal edited(string text)
    signal refused(string text)

    readonly property color _accent: theme ? theme.accent : "#2F81F7"
    readonly property color _textColor: theme ? theme.text : "#F0F6FC"

    text: rangeText
    // One character more than a range may hold, so that a longer paste is
    // seen as too long without the field ever holding megabytes.
    maximumLength: RangeText.MAX_TEXT_LENGTH + 1
    onTextEdited: {
        if (!RangeText.isTooLong(text)) {
            edited(text)
            return
        }
        var typed = text
        text = Qt.binding(function() { return root.rangeText })
        refused(typed)
    }

    placeholderText: qsTr("e.g., AA, KK, AKs, QQ+ or 50%")
    font.family: theme ? theme.fontMono : "Consolas"
    font.pixelSize: 12
    color: activeFocus ? _textColor : "transparent"
    placeholderTextColor: activeFocus ? (theme ? theme.textFaint : "#6E7681") : "transparent"
    selectionColor: Qt.rgba(_accent.r, _accent.g, _accent.b, 0.35)
    selectedTextColor: _textColor
    leftPadding: 10
    rightPadding: 10

    background: Rectangle {
        implicitHeight: 32
        radius: root.theme ? root.theme.radiusSm : 8
        color: root.theme ? root.theme.surface2 : "#21262D"
        border.width: root.activeFocus ? 2 : 1
        border.color: root.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                                       : (root.theme ? root.theme.stroke : "#30363D")
    }

    Text {
        objectName: "rangeOverlay"
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        visible: !root.activeFocus
        clip: true
        text: root.rangeText.length > 0 ? root.rangeText : root.placeholderText
        textFormat: Text.PlainText
        font: root.font
        color: root.rangeText.length > 0 ? root._textColor : (root.theme ? root.theme.textFaint : "#6E7681")
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
