import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"

// Recent Runs card of the Solve page: the runs started here, newest first,
// each with its status pill, start time and settings. A summary too long for
// its row wraps, and the row grows to hold it.
Card {
    id: root

    property var page: null

    readonly property int _count: page ? page.runHistoryModel.count : 0

    objectName: "recentRunsCard"

    function _pillColor(status) {
        if (status === "Running")
            return theme ? theme.success : "#3FB950"
        if (status === "Completed")
            return theme ? theme.info : "#58A6FF"
        if (status === "Not reached")
            return theme ? theme.warn : "#F0883E"
        return theme ? theme.danger : "#F85149"
    }

    // Every pill is as wide as the widest status word needs, at least 90.
    FontMetrics {
        id: pillMetrics
        font.pixelSize: 11
        font.weight: Font.DemiBold
    }
    readonly property real _pillWidth: {
        if (!page)
            return 90
        var widest = 0
        var words = ["Running", "Completed", "Cancelled", "Failed", "Not reached"]
        for (var i = 0; i < words.length; ++i)
            widest = Math.max(widest, pillMetrics.advanceWidth(page._statusWord(words[i])))
        return Math.max(90, Math.ceil(widest) + 12)
    }

    function _pillFill(status) {
        if (theme)
            return theme.withOpacity(_pillColor(status), 0.18)
        if (status === "Running")
            return "#143D2A"
        if (status === "Completed")
            return "#15223B"
        if (status === "Not reached")
            return "#3D2A14"
        return "#3A1515"
    }

    ColumnLayout {
        width: parent.width
        spacing: 12

        SolveCardTitle {
            Layout.fillWidth: true
            theme: root.theme
            iconName: "clock"
            title: qsTr("Recent Runs")

            SecondaryButton {
                objectName: "clearRunsButton"
                width: 90
                height: 30
                theme: root.theme
                text: qsTr("Clear")
                font.pixelSize: 12
                enabled: !!root.page && root.page._hasClearableRuns
                onClicked: root.page._clearRuns()
            }
        }

        Text {
            objectName: "noRunsText"
            Layout.fillWidth: true
            visible: root._count === 0
            text: qsTr("No runs yet — click Start Solve to record a run here.")
            font.pixelSize: 13
            color: root.theme ? root.theme.textMuted : "#8B949E"
            wrapMode: Text.Wrap
        }

        Rectangle {
            Layout.fillWidth: true
            visible: root._count > 0
            // 34 px rows 8 px apart come to 42 px a run and 42 more.
            implicitHeight: Math.min(180, runList.contentHeight + 50)
            radius: root.theme ? root.theme.radiusSm : 8
            color: "transparent"
            border.width: 1
            border.color: root.theme ? root.theme.stroke : "#30363D"

            ListView {
                id: runList
                objectName: "runList"
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                spacing: 8
                model: root.page ? root.page.runHistoryModel : null
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}

                delegate: Item {
                    id: row
                    required property int runId
                    required property string startedAt
                    required property string status
                    required property string summary
                    width: ListView.view ? ListView.view.width : 0
                    height: Math.max(34, summaryText.implicitHeight + 10)

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 4
                        anchors.rightMargin: 12
                        spacing: 10

                        Rectangle {
                            objectName: "statusPill"
                            Layout.preferredWidth: root._pillWidth
                            Layout.preferredHeight: 18
                            radius: 9
                            color: root._pillFill(row.status)
                            border.width: 1
                            border.color: root._pillColor(row.status)

                            Text {
                                anchors.centerIn: parent
                                text: root.page ? root.page._statusWord(row.status) : row.status
                                font: pillMetrics.font
                                color: root._pillColor(row.status)
                            }
                        }
                        Text {
                            text: row.startedAt
                            font.pixelSize: 12
                            color: root.theme ? root.theme.textMuted : "#8B949E"
                        }
                        Text {
                            id: summaryText
                            objectName: "runSummary"
                            Layout.fillWidth: true
                            text: row.summary
                            textFormat: Text.PlainText
                            font.pixelSize: 12
                            color: root.theme ? root.theme.text : "#F0F6FC"
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }
    }
}
