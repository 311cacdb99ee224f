import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Calendar heat map of finished solves over the last 52 weeks: one column per
// week (Monday on top), one cell per day coloured by its number of solves.
// It only displays the day records it is given.
Card {
    id: root

    // Day records in date order, seven per week, Monday first.
    property var solveActivityGrid: []

    readonly property alias body: solveActivity

    ColumnLayout {
        width: parent.width
        spacing: 16

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Icon {
                Layout.preferredWidth: 18
                Layout.preferredHeight: 18
                name: "calendar"
                size: 18
                color: root.theme ? root.theme.accent : "#3FB950"
            }
            Text {
                textFormat: Text.PlainText
                text: qsTr("Solve Activity")
                font.pixelSize: 16
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
            Item { Layout.fillWidth: true }
            Text {
                textFormat: Text.PlainText
                text: qsTr("Last 52 weeks")
                font.pixelSize: 11
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
        }

        ColumnLayout {
            id: solveActivity
            objectName: "solveActivity"
            Layout.fillWidth: true
            spacing: 10

            readonly property var records: root.solveActivityGrid ? root.solveActivityGrid : []
            readonly property int recordCount: records.length !== undefined ? records.length : 0
            readonly property int weekCount: Math.max(1, Math.floor(recordCount / 7))
            readonly property int cellWidth: Math.max(14, Math.floor(grid.width / weekCount))
            readonly property int cellHeight: cellWidth

            readonly property var monthNames: [qsTr("Jan"), qsTr("Feb"), qsTr("Mar"), qsTr("Apr"),
                                               qsTr("May"), qsTr("Jun"), qsTr("Jul"), qsTr("Aug"),
                                               qsTr("Sep"), qsTr("Oct"), qsTr("Nov"), qsTr("Dec")]

            function parseIsoDate(s) {
                if (s === undefined || s === null || String(s).length === 0)
                    return null
                var parts = String(s).split("-")
                if (parts.length !== 3)
                    return null
                var y = parseInt(parts[0], 10)
                var m = parseInt(parts[1], 10)
                var d = parseInt(parts[2], 10)
                if (!isFinite(y) || !isFinite(m) || !isFinite(d))
                    return null
                return new Date(y, m - 1, d)
            }

            function monthLabelForWeek(weekIndex) {
                for (var i = weekIndex * 7; i < weekIndex * 7 + 7; ++i) {
                    var rec = (i < recordCount) ? records[i] : undefined
                    if (!rec || rec.isPadding === true || !rec.date)
                        continue
                    var date = parseIsoDate(rec.date)
                    if (!date)
                        continue
                    if (date.getDate() === 1)
                        return monthNames[date.getMonth()]
                }
                return ""
            }

            function solvesOf(rec) {
                if (!rec)
                    return 0
                var n = rec.solves
                if (typeof n !== "number")
                    n = Number(n)
                if (n === undefined || n === null || !isFinite(n))
                    return 0
                return Math.max(0, Math.round(n))
            }

            function cellColor(solves) {
                var t = root.theme
                var n = Number(solves)
                if (!isFinite(n) || n <= 0)
                    return t ? t.surface2 : "#21262D"
                if (n === 1) {
                    if (!t)
                        return "#0E4429"
                    return typeof t.withOpacity === "function" ? t.withOpacity(t.accent, 0.55)
                                                               : Qt.rgba(t.accent.r, t.accent.g, t.accent.b, 0.55)
                }
                if (n === 2)
                    return t ? t.accentMuted : "#26A641"
                return t ? t.accent : "#39D353"
            }

            function borderColor(solves) {
                var t = root.theme
                if (solves <= 0)
                    return t ? t.stroke : "#30363D"
                if (!t)
                    return "#2EA043"
                return typeof t.darken === "function" ? t.darken(t.accent, 0.35) : Qt.darker(t.accent, 1.35)
            }

            function tooltipFor(rec) {
                var iters = Number(rec.avgIterations)
                var expl = Number(rec.avgExploitability)
                if (!isFinite(iters))
                    iters = 0
                if (!isFinite(expl))
                    expl = 0
                return [qsTr("%1%2").arg(rec.date).arg(rec.isFuture === true ? qsTr(" (future)") : ""),
                        qsTr("Solves: %1").arg(String(solvesOf(rec))),
                        qsTr("Avg iters: %1").arg(String(Math.round(iters))),
                        qsTr("Avg expl: %1").arg(expl.toFixed(4))].join("\n")
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6

                Row {
                    id: monthRow
                    objectName: "monthRow"
                    Layout.fillWidth: true
                    spacing: 12

                    Item { width: 34; height: 1 }

                    Row {
                        spacing: 0
                        Repeater {
                            model: Math.floor(solveActivity.recordCount / 7)
                            Item {
                                required property int index
                                readonly property string label: solveActivity.monthLabelForWeek(index)
                                width: solveActivity.cellWidth
                                height: solveActivity.cellHeight
                                Text {
                                    textFormat: Text.PlainText
                                    x: 2
                                    anchors.verticalCenter: parent.verticalCenter
                                    visible: parent.label.length > 0
                                    text: parent.label
                                    font.pixelSize: 10
                                    color: root.theme ? root.theme.textMuted : "#8B949E"
                                }
                            }
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 12

                    Column {
                        Layout.preferredWidth: 34
                        Layout.preferredHeight: 7 * solveActivity.cellHeight
                        Layout.alignment: Qt.AlignTop
                        // A count, not the names: a retranslation changes
                        // the texts without replacing the labels.
                        Repeater {
                            model: 7
                            Text {
                                required property int index
                                textFormat: Text.PlainText
                                width: 34
                                height: solveActivity.cellHeight
                                verticalAlignment: Text.AlignVCenter
                                text: [qsTr("Mon"), qsTr("Tue"), qsTr("Wed"), qsTr("Thu"),
                                       qsTr("Fri"), qsTr("Sat"), qsTr("Sun")][index]
                                font.pixelSize: 10
                                color: root.theme ? root.theme.textMuted : "#8B949E"
                            }
                        }
                    }

                    GridView {
                        id: grid
                        objectName: "activityGrid"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 7 * solveActivity.cellHeight
                        cellWidth: solveActivity.cellWidth
                        cellHeight: solveActivity.cellHeight
                        flow: GridView.FlowTopToBottom
                        interactive: false
                        clip: true
                        // A count, not the records: new records for the same
                        // days update the cells in place instead of making all
                        // of them again (a finished solve changes one day).
                        model: solveActivity.recordCount

                        delegate: Item {
                            id: cell
                            required property int index
                            readonly property var modelData: solveActivity.records[index]
                            readonly property bool padding: !!modelData && modelData.isPadding === true
                            readonly property int solves: solveActivity.solvesOf(modelData)
                            readonly property bool future: !padding && !!modelData && modelData.isFuture === true
                            readonly property color fillColor: padding ? "transparent" : solveActivity.cellColor(solves)
                            readonly property string tooltipText: padding || !modelData ? ""
                                                                  : solveActivity.tooltipFor(modelData)
                            objectName: padding || !modelData ? "" : "day-" + modelData.date
                            width: solveActivity.cellWidth
                            height: solveActivity.cellHeight

                            Rectangle {
                                objectName: "dayCell"
                                anchors.centerIn: parent
                                width: Math.max(10, solveActivity.cellWidth - 2)
                                height: Math.max(10, solveActivity.cellHeight - 2)
                                radius: 3
                                color: cell.fillColor
                                border.width: cell.padding ? 0 : 1
                                border.color: cell.padding ? "transparent" : solveActivity.borderColor(cell.solves)
                                opacity: cell.future ? 0.45 : 1.0
                            }

                            MouseArea {
                                id: cellMouse
                                anchors.fill: parent
                                hoverEnabled: !cell.padding
                            }

                            ToolTip.visible: cellMouse.containsMouse && cell.tooltipText.length > 0
                            ToolTip.delay: 150
                            ToolTip.text: cell.tooltipText
                        }
                    }
                }
            }
        }
    }
}
