import QtQuick
import QtQuick.Layouts
import "../../components"
import "rangetext.js" as RangeText

// Head of the Setup page: the title with the readiness badge and, under it,
// why the spot cannot be solved yet; the memory the solve needs beside what
// is free, and the way on to the Solve page.
RowLayout {
    id: root

    property var theme: null
    property bool ready: false
    property bool canSolve: true
    // The shell's first reason the spot cannot be solved before any memory
    // estimate (SolveGating.setupBlock), null when there is none.
    property var block: null
    // For the wording of a refused range, in the language shown (`i18nRev`).
    property var controller: null
    property int i18nRev: 0
    property string requiredMemoryText: ""
    property real requiredMemoryBytes: 0
    property string availableMemoryText: ""
    property bool memoryWarning: false

    signal continueClicked()

    // A blocked spot has no estimate of its own: what was published last
    // belongs to the spot as it was.
    readonly property bool _estimateShown: block === null
    // An estimate that gave no figure but a reason (a size the solver
    // refuses, a range the board empties).
    readonly property bool _estimateRefused: _estimateShown && !(requiredMemoryBytes > 0)
                                             && requiredMemoryText !== "" && requiredMemoryText !== "—"
    readonly property bool _memoryShort: ready && _estimateShown && memoryWarning
    readonly property bool _blocked: !ready || block !== null || !canSolve

    // Why "Continue to Solve" is disabled, in the language shown; empty when
    // it is enabled.
    readonly property string reasonText: {
        var rev = root.i18nRev
        if (block)
            return _blockText(block)
        if (!ready)
            return _blockText({ kind: "board" })
        if (canSolve)
            return ""
        if (_estimateRefused)
            return requiredMemoryText
        if ((memoryWarning || requiredMemoryBytes > 0) && controller && controller.memoryLimitedForProgram === true)
            return qsTr("Not enough memory available to this program for this spot: use fewer sizes")
        if (memoryWarning || requiredMemoryBytes > 0)
            return qsTr("Not enough free memory for this spot: close other programs or use fewer sizes")
        return qsTr("Waiting for the memory estimate of this spot")
    }

    function _seatName(seat) { return seat === "ip" ? "IP" : "OOP" }

    function _sizeText(b) {
        var seat = _seatName(b.seat)
        if (b.street === "turn")
            return b.raise ? qsTr("%1 turn raise sizes: enter at least one size").arg(seat)
                           : qsTr("%1 turn bet sizes: enter at least one size").arg(seat)
        if (b.street === "river")
            return b.raise ? qsTr("%1 river raise sizes: enter at least one size").arg(seat)
                           : qsTr("%1 river bet sizes: enter at least one size").arg(seat)
        return b.raise ? qsTr("%1 flop raise sizes: enter at least one size").arg(seat)
                       : qsTr("%1 flop bet sizes: enter at least one size").arg(seat)
    }

    function _rangeText(b) {
        var text = b.text === undefined || b.text === null ? "" : String(b.text)
        var refusal = text.trim().length > 0 ? RangeText.refusal(root.controller, text) : ""
        return refusal !== "" ? qsTr("%1 range: %2").arg(_seatName(b.seat)).arg(refusal)
                              : qsTr("%1 range: select at least one hand").arg(_seatName(b.seat))
    }

    function _blockText(b) {
        switch (b.kind) {
        case "field":
            return b.text
        case "size":
            return _sizeText(b)
        case "range":
            return _rangeText(b)
        case "street":
            return b.street === "river" ? qsTr("Board: a river start needs a river card")
                                        : qsTr("Board: a turn start needs a turn card")
        }
        return b.gap ? qsTr("Board: choose the turn card before the river, or clear the river")
                     : qsTr("Board: choose the three flop cards (the turn and the river may follow)")
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        spacing: 4

        SectionHeader {
            objectName: "projectSectionHeader"
            Layout.fillWidth: true
            theme: root.theme
            title: qsTr("Project Setup")
            // A spot that does not fit in memory says so; any other spot
            // that cannot be solved yet needs more setting up.
            badge: root._memoryShort ? qsTr("Needs more memory than available")
                 : root._blocked ? qsTr("Setup Required") : qsTr("Ready")
            badgeColor: root._memoryShort ? (root.theme ? root.theme.danger : "#F85149")
                      : root._blocked ? (root.theme ? root.theme.warn : "#F0883E")
                      : (root.theme ? root.theme.success : "#3FB950")
        }

        // Empty, it still takes its line, so the page does not move when a
        // reason comes or goes.
        Text {
            objectName: "setupBlockReason"
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            textFormat: Text.PlainText
            text: root.reasonText
            font.pixelSize: 12
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            color: root._memoryShort ? (root.theme ? root.theme.danger : "#F85149")
                                     : (root.theme ? root.theme.warn : "#F0883E")
        }
    }

    ColumnLayout {
        Layout.alignment: Qt.AlignVCenter
        spacing: 2

        Text {
            objectName: "solveRamText"
            Layout.alignment: Qt.AlignRight
            horizontalAlignment: Text.AlignRight
            textFormat: Text.PlainText
            text: qsTr("Solve RAM: %1").arg(root._estimateShown && !root._estimateRefused && root.requiredMemoryText !== ""
                                            ? root.requiredMemoryText : qsTr("—"))
            font.pixelSize: 11
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: root._memoryShort ? (root.theme ? root.theme.danger : "#F85149")
                                     : (root.theme ? root.theme.textMuted : "#8B949E")
        }
        Text {
            objectName: "availableRamText"
            Layout.alignment: Qt.AlignRight
            horizontalAlignment: Text.AlignRight
            textFormat: Text.PlainText
            text: qsTr("Available RAM: %1").arg(root.availableMemoryText !== "" ? root.availableMemoryText : qsTr("—"))
            font.pixelSize: 11
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: root.theme ? root.theme.textMuted : "#8B949E"
        }
    }

    Item {
        Layout.preferredWidth: 12
        Layout.preferredHeight: 1
    }

    PrimaryButton {
        objectName: "continueToSolveButton"
        Layout.alignment: Qt.AlignVCenter
        theme: root.theme
        text: qsTr("Continue to Solve →")
        enabled: root.canSolve
        onClicked: root.continueClicked()
    }
}
