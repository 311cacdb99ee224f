import QtQuick
import QtQuick.Controls
import "fieldvalues.js" as Fields

// Text field of the Setup page. It shows `value` (an int, a real or a text,
// by `kind`) whenever it does not have the keyboard focus; while it has the
// focus the typed text stays. When editing finishes (Return, Enter or focus
// loss) an acceptable text is reported through `committed`, numbers parsed
// and clamped to [minimum, maximum] (`fallback` for a text that holds no
// number), texts exactly as typed; the field then shows the value again.
TextField {
    id: root

    property var theme: null
    property var value
    property string kind: "text"
    property real minimum: 0
    property real maximum: 0
    property real fallback: 0
    // Also report every accepted keystroke's number at once, unclamped.
    property bool live: false

    signal committed(var value)
    signal edited(real value)

    readonly property color _accent: theme ? theme.accent : "#2F81F7"

    function displayText() {
        if (kind === "int")
            return Fields.integerText(value)
        if (kind === "real")
            return Fields.shortestText(value)
        return (value === undefined || value === null) ? "" : String(value)
    }

    function showValue() {
        text = displayText()
    }

    function _committable() {
        return acceptableInput && (kind === "text" || Fields.isPlainNumber(text))
    }

    function _finish() {
        if (_committable()) {
            var v = kind === "text" ? text
                                    : Fields.committedValue(text, kind === "int", minimum, maximum, fallback)
            if (kind === "text" ? v !== displayText() : v !== Number(value))
                committed(v)
        }
        showValue()
    }

    onValueChanged: if (!activeFocus) showValue()
    onEditingFinished: _finish()
    onActiveFocusChanged: if (!activeFocus) _finish()
    onTextEdited: {
        if (!live || !activeFocus || !_committable())
            return
        var n = parseFloat(text)
        if (isFinite(n))
            edited(n)
    }
    // A number field takes no group separator: under a locale with a decimal
    // comma it would read as a thousands separator.
    Keys.onPressed: function(event) {
        if (kind !== "text" && event.text === ",")
            event.accepted = true
    }
    Component.onCompleted: showValue()

    font.pixelSize: 12
    color: enabled ? (theme ? theme.text : "#F0F6FC") : (theme ? theme.textFaint : "#6E7681")
    placeholderTextColor: theme ? theme.textFaint : "#6E7681"
    selectionColor: Qt.rgba(_accent.r, _accent.g, _accent.b, 0.35)
    selectedTextColor: theme ? theme.text : "#F0F6FC"
    leftPadding: 8
    rightPadding: 8

    background: Rectangle {
        implicitHeight: 32
        radius: root.theme ? root.theme.radiusSm : 8
        opacity: root.enabled ? 1.0 : 0.75
        color: root.enabled ? (root.theme ? root.theme.surface2 : "#21262D")
                            : (root.theme ? root.theme.surface3 : "#2D333B")
        border.width: root.enabled && root.activeFocus ? 2 : 1
        border.color: !root.enabled ? (root.theme ? root.theme.strokeLight : "#21262D")
                    : root.activeFocus ? (root.theme ? root.theme.strokeFocus : "#58A6FF")
                    : (root.theme ? root.theme.stroke : "#30363D")
    }
}
