import QtQuick
import QtQuick.Controls
import "SolveProgress.js" as Progress

// The strip across the top of the window: one tab per page on the left, the
// solve status chip on the right. Tab clicks go to the shell as `navigate`;
// the bar itself switches nothing and calls nothing on the controller.
ToolBar {
    id: root

    property var theme: null
    property var controller: null
    property bool canSolve: true
    // The spot is complete but needs more memory than it is offered.
    property bool solveNeedsMoreMemory: false
    property bool projectEnabled: true
    property int maxIterations: 0
    // The project's target; the chip's share does not depend on it.
    property real targetExploitability: 0.0
    property int currentPage: 0

    signal navigate(int index)

    readonly property bool _running: !!controller && controller.running === true
    // The memory offered is this program's own limit (its control group's
    // or its address space's), not what the machine has free.
    readonly property bool _memoryForProgram: !!controller && controller.memoryLimitedForProgram === true
    readonly property string _statusText: (controller && controller.statusText) ? String(controller.statusText) : ""
    readonly property bool lockOnSolve: currentPage === 2 && _running
    readonly property bool isFinalizing: _running && _statusText.length > 0
                                         && _statusText.indexOf("Finalizing:") === 0
    readonly property bool _hasResults: !!controller && Number(controller.resultIterations) > 0

    property int _lastIterFromStatusText: 0

    readonly property int currentIteration: {
        if (!controller)
            return 0
        if (_running) {
            if (isFinalizing && _lastIterFromStatusText > 0)
                return _lastIterFromStatusText
            var parsed = _parseIterationFromStatusText(_statusText)
            if (isFinite(parsed) && parsed > 0)
                return Math.floor(parsed)
            var p = Number(controller.progress)
            if (!isFinite(p))
                p = 0
            return Math.max(0, Math.floor(p * Math.max(1, maxIterations)))
        }
        var done = Number(controller.resultIterations)
        return isFinite(done) ? done : 0
    }

    // The Solve page's ring shows the same share.
    readonly property real progressWheelValue: Progress.shownFraction({
        hasController: !!controller, running: _running, complete: _hasResults,
        progress: controller ? controller.progress : 0, iteration: currentIteration,
        maxIterations: maxIterations })

    readonly property string percentText: Progress.percentText(progressWheelValue)
    readonly property string chipLabel: _running ? (isFinalizing ? qsTr("Finalizing") : qsTr("Solving"))
                                                 : qsTr("Ready")
    readonly property bool _chipActive: _running || canSolve

    function _parseIterationFromStatusText(t) {
        if (t === undefined || t === null || String(t).length === 0)
            return 0
        var m = /Iter\s+(\d+)/.exec(String(t))
        return m ? Number(m[1]) : 0
    }

    function _tabEnabled(index) {
        if (index === 1 && !projectEnabled)
            return false
        if (index === 3 && !_hasResults)
            return false
        if (index === 2 && !canSolve)
            return false
        return !lockOnSolve || index === 2
    }

    // The tabs' icons. Titles and hints are bound in the tab itself, so a
    // retranslation or a new hint changes texts without replacing the tabs.
    readonly property var _tabIcons: ["home", "clipboard", "bolt", "chart", "gear"]

    Connections {
        target: root.controller
        ignoreUnknownSignals: true
        function onStatusTextChanged() {
            var n = root._parseIterationFromStatusText(root.controller ? root.controller.statusText : "")
            if (isFinite(n) && n > 0)
                root._lastIterFromStatusText = Math.floor(n)
        }
        function onRunningChanged() {
            if (!root.controller || root.controller.running !== true)
                root._lastIterFromStatusText = 0
        }
    }

    padding: 0
    contentHeight: 60

    background: Rectangle {
        color: root.theme ? root.theme.bg1 : "#0D1117"
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: root.theme ? root.theme.stroke : "#30363D"
        }
    }

    Item {
        id: bar
        anchors.fill: parent

        Item {
            id: tabStrip
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: Math.max(0, statusArea.x - 20 - 20)
            clip: true

            Row {
                id: tabRow
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4

                Repeater {
                    model: root._tabIcons

                    Row {
                        id: tabSlot
                        required property int index
                        required property string modelData
                        spacing: 14
                        anchors.verticalCenter: parent ? parent.verticalCenter : undefined

                        Rectangle {
                            visible: tabSlot.index === 4
                            anchors.verticalCenter: parent.verticalCenter
                            width: 1
                            height: 22
                            radius: 1
                            color: root.theme ? root.theme.stroke : "#30363D"
                            opacity: 0.8
                        }

                        Item {
                            id: tab
                            objectName: "tab" + tabSlot.index
                            readonly property int tabIndex: tabSlot.index
                            readonly property bool tabEnabled: root._tabEnabled(tabSlot.index)
                            readonly property bool active: root.currentPage === tabSlot.index
                            readonly property bool hovered: tabMouse.containsMouse
                            readonly property string title: [qsTr("Home"), qsTr("Setup"), qsTr("Solve"),
                                                             qsTr("Results"), qsTr("Settings")][tabSlot.index]
                            readonly property string tooltipText: [
                                "",
                                qsTr("Start a new project (or load one) from Home to enable Project"),
                                !root.solveNeedsMoreMemory ? qsTr("Fill board, ranges, and sizings to enable Solve")
                                : root._memoryForProgram ? qsTr("This spot needs more memory than is available to this program")
                                : qsTr("This spot needs more memory than this machine has available"),
                                qsTr("Run a solve to enable Results"),
                                ""][tabSlot.index]
                            readonly property color contentColor: active ? (root.theme ? root.theme.text : "#F0F6FC")
                                                                         : (root.theme ? root.theme.textMuted : "#8B949E")
                            width: tabContent.implicitWidth + 24
                            height: 40

                            Rectangle {
                                anchors.fill: parent
                                radius: 8
                                border.width: 1
                                border.color: tab.active ? (root.theme ? root.theme.stroke : "#30363D") : "transparent"
                                color: tab.active ? (root.theme ? root.theme.surface : "#1C2128")
                                     : (tab.hovered && tab.tabEnabled) ? (root.theme ? root.theme.surfaceHover : "#30363D")
                                     : "transparent"
                                opacity: tab.tabEnabled ? 1.0 : 0.45
                                Behavior on color { ColorAnimation { duration: 150 } }
                            }

                            Row {
                                id: tabContent
                                anchors.centerIn: parent
                                spacing: 6

                                Icon {
                                    anchors.verticalCenter: parent.verticalCenter
                                    name: tabSlot.modelData
                                    size: 16
                                    color: tab.contentColor
                                    iconOpacity: !tab.tabEnabled ? 0.35 : (tab.active ? 1.0 : 0.7)
                                }
                                Text {
                                    textFormat: Text.PlainText
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: tab.title
                                    font.pixelSize: 13
                                    font.weight: tab.active ? Font.DemiBold : Font.Normal
                                    color: tab.contentColor
                                    opacity: tab.tabEnabled ? 1.0 : 0.6
                                }
                            }

                            // Stays enabled when the tab is not, so a disabled
                            // tab can still explain itself on hover.
                            MouseArea {
                                id: tabMouse
                                anchors.fill: parent
                                hoverEnabled: true
                                cursorShape: tab.tabEnabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                                onClicked: {
                                    if (tab.tabEnabled)
                                        root.navigate(tab.tabIndex)
                                }
                            }

                            readonly property bool tooltipShown: hovered && !tabEnabled && tooltipText.length > 0
                            ToolTip.visible: tooltipShown
                            ToolTip.text: tab.tooltipText
                        }
                    }
                }
            }
        }

        Item {
            id: statusArea
            objectName: "statusArea"
            width: chipRow.implicitWidth
            height: parent.height
            x: Math.floor(Math.max(0, bar.width - width - 20))

            Row {
                id: chipRow
                anchors.verticalCenter: parent.verticalCenter
                anchors.right: parent.right

                Rectangle {
                    id: chip
                    objectName: "statusChip"
                    height: 32
                    width: chipContent.implicitWidth + 20
                    radius: root.theme ? root.theme.radiusFull : 9999
                    color: root._chipActive
                           ? (root.theme ? root.theme.withOpacity(root.theme.success, 0.15) : "#1B3D2F")
                           : (root.theme ? root.theme.surface2 : "#21262D")
                    border.width: 1
                    border.color: root._chipActive ? (root.theme ? root.theme.success : "#3FB950")
                                                   : (root.theme ? root.theme.stroke : "#30363D")

                    Row {
                        id: chipContent
                        anchors.centerIn: parent
                        spacing: 8

                        Rectangle {
                            id: dot
                            objectName: "statusDot"
                            anchors.verticalCenter: parent.verticalCenter
                            width: 8
                            height: 8
                            radius: 4
                            color: root._chipActive ? (root.theme ? root.theme.success : "#3FB950")
                                                    : (root.theme ? root.theme.textFaint : "#6E7681")

                            SequentialAnimation on opacity {
                                running: root._running
                                loops: Animation.Infinite
                                NumberAnimation { to: 0.4; duration: 500 }
                                NumberAnimation { to: 1.0; duration: 500 }
                            }
                        }
                        Text {
                            objectName: "statusLabel"
                            textFormat: Text.PlainText
                            anchors.verticalCenter: parent.verticalCenter
                            text: root.chipLabel
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: root._chipActive ? (root.theme ? root.theme.success : "#3FB950")
                                                    : (root.theme ? root.theme.textMuted : "#8B949E")
                        }
                        Text {
                            objectName: "statusPercent"
                            textFormat: Text.PlainText
                            anchors.verticalCenter: parent.verticalCenter
                            visible: root._running
                            text: root.percentText
                            font.pixelSize: 12
                            font.bold: true
                            color: root.theme ? root.theme.text : "#F0F6FC"
                        }
                    }
                }
            }
        }
    }
}
