import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "rangetext.js" as RangeText

// "OOP Range" or "IP Range" (by `seat`, "oop" or "ip"): the seat's range text
// painted on a hand matrix, picked from the range library in the sidebar or
// typed. Every control reads and writes the page's properties of its seat.
Card {
    id: root

    property var page: null
    property string seat: "oop"

    readonly property bool isOop: seat === "oop"
    readonly property string _textKey: seat + "RangeText"
    readonly property string rangeText: page ? page[_textKey] : ""
    readonly property alias matrix: matrix
    // Why the solver would refuse the text, in the UI language; empty when it
    // reads it. The matrix then shows nothing: nothing of it would be solved.
    readonly property string rangeError: _errorOf(rangeText)
    // A text that was not taken into the range (past the longest range); its
    // reason shows until the range changes or is edited again.
    property string _refusedText: ""
    // The click weight being typed in, when its text is no weight: cells are
    // not painted until it is one.
    readonly property string weightRefusal: weightField.refusal
    readonly property string shownError: weightRefusal !== "" ? weightRefusal
                                       : _refusedText !== "" ? _errorOf(_refusedText) : rangeError

    onRangeTextChanged: _refusedText = ""

    function _errorOf(text) {
        var rev = page ? page._i18nRev : 0
        return RangeText.refusal(page ? page._controller : null, text)
    }

    signal exportRequested(int category)
    signal clearOverridesRequested(int category)

    theme: page ? page.theme : null

    function _setRangeText(text) {
        if (!page)
            return
        if (RangeText.isTooLong(text)) {
            _refusedText = text
            return
        }
        _refusedText = ""
        page[_textKey] = text
    }

    // A painted cell: add it with the click weight when it is unlit, remove
    // every token covering it when it is lit; nothing while the weight field
    // holds no weight.
    function paint(hand, desiredOn, currentWeight) {
        if (!page || weightRefusal !== "")
            return
        var add = Number(page[seat + "ClickWeightPct"]) / 100
        var w = Number(currentWeight)
        if (desiredOn && !(w > 0))
            _setRangeText(page.toggleHand(rangeText, hand, 0, add))
        else if (!desiredOn && w > 0)
            _setRangeText(page.toggleHand(rangeText, hand, w, add))
    }

    // The content takes the card's whole width, so that the sidebar grows
    // with the card and "Clear" sits at its right edge.
    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Rectangle {
                Layout.preferredWidth: 10
                Layout.preferredHeight: 10
                radius: 5
                color: root.isOop ? (root.theme ? root.theme.actionBet : "#A371F7")
                                  : (root.theme ? root.theme.info : "#58A6FF")
            }
            Text {
                text: root.isOop ? qsTr("OOP Range") : qsTr("IP Range")
                font.pixelSize: 15
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            Button {
                id: clearButton
                objectName: root.seat + "ClearRangeButton"
                // 42 wide, wider where a translation needs it.
                implicitWidth: Math.max(42, contentItem.implicitWidth + 10)
                implicitHeight: 24
                padding: 0
                text: qsTr("Clear")
                font.pixelSize: 10
                onClicked: root._setRangeText("")
                contentItem: Text {
                    text: clearButton.text
                    font: clearButton.font
                    color: root.theme ? root.theme.textMuted : "#8B949E"
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 6
                    color: clearButton.pressed ? (root.theme ? root.theme.surface3 : "#2D333B")
                                               : (root.theme ? root.theme.surface2 : "#21262D")
                    border.width: 1
                    border.color: root.theme ? root.theme.stroke : "#30363D"

                    FocusRing {
                        theme: root.theme
                        shown: clearButton.visualFocus
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            HandMatrix {
                id: matrix
                objectName: root.seat + "Matrix"
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: implicitWidth
                Layout.preferredHeight: implicitHeight
                theme: root.theme
                cellSize: 36
                editable: true
                weights: root.page && root.rangeError === "" ? root.page.parseRangeWeights(root.rangeText) : ({})
                onHandPainted: function(hand, desiredOn, currentWeight) { root.paint(hand, desiredOn, currentWeight) }
            }

            RangeSidebar {
                objectName: root.seat + "RangeSidebar"
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: 180
                Layout.minimumHeight: matrix.implicitHeight
                page: root.page
                seat: root.seat
                theme: root.theme
                onExportRequested: function(category) { root.exportRequested(category) }
                onClearOverridesRequested: function(category) { root.clearOverridesRequested(category) }
                onRangeRefused: function(text) { root._refusedText = text }
            }
        }

        RowLayout {
            Layout.preferredWidth: matrix.implicitWidth
            Layout.minimumWidth: matrix.implicitWidth
            Layout.maximumWidth: matrix.implicitWidth
            Layout.alignment: Qt.AlignLeft
            spacing: 8

            Text {
                id: weightLabel
                text: qsTr("Weight")
                font.pixelSize: 12
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            ProjectTextField {
                id: weightField
                objectName: root.seat + "ClickWeightField"
                Layout.preferredWidth: 70
                Layout.maximumWidth: 70
                theme: root.theme
                kind: "real"
                minimum: 0
                maximum: 100
                fallback: 100
                label: weightLabel.text
                solveInput: false
                placeholderText: "100"
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                decimals: 3
                value: root.page ? root.page[root.seat + "ClickWeightPct"] : 100
                onCommitted: function(v) { if (root.page) root.page[root.seat + "ClickWeightPct"] = v }
            }
            Text {
                text: "%"
                font.pixelSize: 12
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            RangeTextField {
                objectName: root.seat + "RangeInput"
                Layout.fillWidth: true
                theme: root.theme
                rangeText: root.rangeText
                onEdited: function(text) { root._setRangeText(text) }
                onRefused: function(text) { root._refusedText = text }
            }
        }

        Text {
            objectName: root.seat + "RangeError"
            Layout.preferredWidth: matrix.implicitWidth
            visible: root.shownError !== ""
            text: root.shownError
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 12
            color: root.theme ? root.theme.danger : "#F85149"
        }
    }
}
