import QtQuick
import QtQuick.Controls
import "fieldvalues.js" as Fields

// Text field of the Setup page. Whatever it shows is what the project holds:
// every edit that gives a value is reported through `committed` as it is
// typed (numbers parsed and clamped to [minimum, maximum], `fallback` for a
// text that holds no number; texts exactly as typed), so every way on from
// the page (a shortcut, a tab, a button) finds the typed value. A number
// field whose edited text is no value (empty, out of range) says why in
// `refusal` until the text becomes a value or the field is left; leaving it
// then puts back the value it held before the edit. Without the focus the
// field shows `value`. Every key typed stays in the text as typed (no
// keystroke is dropped to leave another number): a decimal in a whole-number
// field ("int", chips), a comma, a decimal past `decimals`, a second point, a
// sign, a letter or a blank are shown and refused with their reason.
PageTextField {
    id: root

    property var value
    property string kind: "text"
    property real minimum: 0
    property real maximum: 0
    property real fallback: 0
    // The most digits after the point a decimal field ("real") takes.
    property int decimals: 3
    // The field's name as its label shows it, for the refusal.
    property string label: ""
    // A refusal of this field keeps a solve from starting (the click weight's
    // only keeps the matrix from being painted).
    property bool solveInput: true

    // Why the text shown is no value, in the language shown; "" when it is one.
    readonly property string refusal: activeFocus && kind !== "text" && text !== displayText() && !_committable()
                                      ? _refusalText() : ""

    signal committed(var value)

    // The value before the edit under way.
    property var _valueBefore: value

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

    // Drops the edit under way: the field shows its value, from which the
    // next edit starts.
    function _restartEdit() {
        _valueBefore = value
        showValue()
    }

    function _committable() {
        if (kind === "int")
            return Fields.isWholeNumberIn(text, minimum, maximum)
        if (kind === "real")
            return Fields.isDecimalIn(text, minimum, maximum, decimals)
        return acceptableInput
    }

    function _parsed() {
        return kind === "text" ? text : Fields.committedValue(text, kind === "int", minimum, maximum, fallback)
    }

    function _same(a, b) {
        return kind === "text" ? String(a) === String(b) : Number(a) === Number(b)
    }

    function _refusalText() {
        if (text.trim() === "")
            return qsTr("%1: enter a value").arg(label)
        if (kind === "int" && Fields.hasDecimalMark(text))
            return qsTr("%1: chips are whole numbers, type digits only").arg(label)
        if (kind === "real" && text.indexOf(",") >= 0)
            return qsTr("%1: type a point for decimals (0.5), no comma").arg(label)
        if (kind === "real" && Fields.isPlainNumber(text) && Fields.decimalCount(text) > decimals)
            return qsTr("%1: at most %2 digits after the point").arg(label).arg(decimals)
        var low = Fields.shortestText(minimum), high = Fields.shortestText(maximum)
        return kind === "int" ? qsTr("%1: enter a whole number from %2 to %3").arg(label).arg(low).arg(high)
                              : qsTr("%1: enter a number from %2 to %3").arg(label).arg(low).arg(high)
    }

    function _report(v) {
        if (!_same(v, value))
            committed(v)
    }

    // Every edit that gives a value goes to the project at once.
    function _reportTyped() {
        if (activeFocus && _committable())
            _report(_parsed())
    }

    // Return, Enter or leaving the field: the value is shown in its display
    // form; a refused text gives way to the value from before the edit.
    function _finish() {
        if (_committable())
            _report(_parsed())
        else if (_valueBefore !== undefined && _valueBefore !== null && !_same(_valueBefore, value))
            _report(_valueBefore)
        _restartEdit()
    }

    onValueChanged: if (!activeFocus) _restartEdit()
    onEditingFinished: _finish()
    onActiveFocusChanged: activeFocus ? _restartEdit() : _finish()
    onTextEdited: _reportTyped()
    Component.onCompleted: showValue()
}
