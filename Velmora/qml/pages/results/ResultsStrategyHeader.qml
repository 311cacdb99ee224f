import QtQuick
import QtQuick.Layouts
import "../../components"
import "../../components/SolveProgress.js" as Progress

// Head of the strategy view: title, the node's board and the seat to act,
// the range/play toggle and the solved spot's EVs and exploitability. The
// figures stand at the right of the title while the panel is wide enough
// for both, else under it (a small window, a long translation).
GridLayout {
    id: header

    property var page: null
    readonly property var theme: page ? page.theme : null
    readonly property var controller: page ? page.controller : null
    readonly property bool _oop: page ? page.selectedPlayer === "OOP" : true
    readonly property bool _chance: page && !page.playMode ? page.currentMeta.nodeType === "chance" : false
    // While a solve runs there is no result: no figures, no seat to act.
    readonly property bool _solving: page ? page.solveRunning : false
    readonly property color _pillColor: _chance || _solving ? (theme ? theme.textMuted : "#8B949E")
                                                : _oop ? (theme ? theme.actionBet : "#A371F7") : (theme ? theme.info : "#58A6FF")

    // The width the panel gives the header. The header's own width cannot
    // decide its form: side by side it asks for the width of both, which
    // would then keep it so however narrow the panel became.
    property real availableWidth: 0
    // The width both take side by side, and the least the header needs.
    readonly property real oneRowWidth: titleColumn.implicitWidth + figures.implicitWidth + 2 * columnSpacing
    readonly property real leastWidth: Math.max(titleColumn.implicitWidth, figures.implicitWidth)
    readonly property bool oneRow: availableWidth >= oneRowWidth

    columns: oneRow ? 3 : 1
    columnSpacing: 12
    rowSpacing: 12

    // A seat's EV with its half of the starting pot, 3 decimals; "—" without
    // a controller or a finite value.
    function _evText(ev) {
        if (!controller || _solving)
            return "—"
        var v = Number(ev) + Number(controller.resultStartingPot) / 2
        if (!isFinite(v))
            return "—"
        // A value that rounds to zero reads 0.000, never -0.000.
        var shown = v.toFixed(3)
        return Number(shown) === 0 ? "0.000" : shown
    }

    function _exploitabilityText() {
        if (!controller || _solving)
            return "—"
        return Progress.exploitabilityText(controller.resultExploitability)
    }

    ColumnLayout {
        id: titleColumn
        // Filling (through its title), so that the header takes the
        // panel's width in either form.
        Layout.fillWidth: true
        spacing: 8

        Text {
            Layout.fillWidth: true
            text: qsTr("Strategy View")
            font.pixelSize: 18
            font.bold: true
            color: header.theme ? header.theme.text : "#F0F6FC"
        }

        RowLayout {
            spacing: 12

            BoardDisplay {
                objectName: "strategyBoard"
                theme: header.theme
                compact: true
                boardText: header.page ? (header.page.playMode ? header.page.playBoardText : header.page.treeBoardText) : ""
            }
            Rectangle {
                Layout.preferredWidth: 1
                Layout.preferredHeight: 30
                color: header.theme ? header.theme.stroke : "#30363D"
            }
            Rectangle {
                objectName: "playerPill"
                Layout.preferredHeight: 26
                Layout.preferredWidth: pillText.implicitWidth + 20
                radius: height / 2
                color: header.theme ? header.theme.withOpacity(header._pillColor, 0.15)
                                    : Qt.rgba(header._pillColor.r, header._pillColor.g, header._pillColor.b, 0.15)
                border.width: 1
                border.color: header._pillColor

                Text {
                    id: pillText
                    objectName: "playerPillText"
                    anchors.centerIn: parent
                    text: header._solving ? qsTr("Solving...")
                        : header._chance ? header.page.chanceDealText(header.page.currentMeta)
                                         : qsTr("%1 to act").arg(header.page ? header.page.selectedPlayer : "")
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: header._pillColor
                }
            }
        }
    }

    Item {
        visible: header.oneRow
        Layout.fillWidth: true
    }

    RowLayout {
        id: figures
        objectName: "strategyFigures"
        spacing: 10

        SecondaryButton {
            objectName: "playModeToggle"
            Layout.preferredWidth: 140
            theme: header.theme
            font.pixelSize: 12
            text: header.page && header.page.playMode ? qsTr("Range view") : qsTr("Play vs solution")
            enabled: !!header.page && (header.page.playMode || header.page.playAvailable)
            onClicked: header.page.playMode = !header.page.playMode
        }
        StatCard {
            objectName: "evOopCard"
            theme: header.theme
            compact: true
            label: qsTr("EV (OOP)")
            unit: ""
            accentColor: header.theme ? header.theme.success : "#3FB950"
            value: header._evText(header.controller ? header.controller.resultEvOop : NaN)
        }
        StatCard {
            objectName: "evIpCard"
            theme: header.theme
            compact: true
            label: qsTr("EV (IP)")
            unit: ""
            accentColor: header.theme ? header.theme.info : "#58A6FF"
            value: header._evText(header.controller ? header.controller.resultEvIp : NaN)
        }
        StatCard {
            objectName: "exploitabilityCard"
            theme: header.theme
            compact: true
            label: qsTr("Exploitability")
            unit: ""
            accentColor: header.theme ? header.theme.gold : "#F0B429"
            value: header._exploitabilityText()
        }
    }
}
