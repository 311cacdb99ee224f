import QtQuick
import QtQuick.Controls
import "fieldvalues.js" as Fields

// Text field of the Setup page. It shows `value` (an int, a real or a text,
// by `kind`) whenever it does not have the keyboard focus; while it has the
// focus the typed text stays. When editing finishes (Return, Enter or focus
// loss) an acceptable text is reported through `committed`, numbers parsed
// and clamped to [minimum, maximum] (`fallback` for a text that holds no
// number), texts exactly as typed; the field then shows the value again.
PageTextField {
    id: root

    property var value
    property string kind: "text"
    property real minimum: 0
    property real maximum: 0
    property real fallback: 0
    // Also report every accepted keystroke's number at once, unclamped.
    property bool live: false

    signal committed(var value)
    signal edited(real value)

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
    // comma it would read as a thousands separator. In a decimal field the
    // comma that such a keyboard types for its decimal mark is the point, so
    // that "5,5" is 5.5 and never 55.
    Keys.onPressed: function(event) {
        if (kind === "text" || event.text !== ",")
            return
        event.accepted = true
        if (kind !== "real")
            return
        if (selectedText.length > 0)
            remove(selectionStart, selectionEnd)
        insert(cursorPosition, ".")
    }
    Component.onCompleted: showValue()
}
