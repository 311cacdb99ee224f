import QtQuick
import QtQuick.Layouts
import "../../components"
import "SolveFormat.js" as Fmt
import "../../components/SolveProgress.js" as Progress

// Progress card of the Solve page: the ring, the status line, a bar with the
// ring's share and the iterations done, and the four run figures. The ring
// and the bar draw the share the ring's number shows, at once; a run that
// failed draws what it reached in the danger colour, a cancelled one muted.
Card {
    id: root

    property var page: null

    readonly property bool _running: !!page && page._running
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property bool _failed: !!page && page.runFailed
    readonly property bool _cancelled: !!page && page.runCancelled
    readonly property bool _missedTarget: !!page && page.runMissedTarget
    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _warn: theme ? theme.warn : "#F0883E"
    // The colour of the share drawn: the accent, or what became of the run
    // (done short of its target in the warning colour).
    readonly property color _shareColor: _failed ? (theme ? theme.danger : "#F85149")
                                       : _cancelled ? _muted : _missedTarget ? _warn : _accent
    readonly property bool _shareDarkens: _failed || _cancelled || _missedTarget

    objectName: "progressCard"

    function _count(n) {
        return Number(n).toLocaleString(Qt.locale(), "f", 0)
    }

    ColumnLayout {
        width: parent.width
        spacing: 14

        SolveCardTitle {
            Layout.fillWidth: true
            theme: root.theme
            title: qsTr("Progress")
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 20

            ProgressRing {
                objectName: "progressRing"
                Layout.preferredWidth: 140
                Layout.preferredHeight: 140
                theme: root.theme
                strokeWidth: 10
                progressColor: root._shareColor
                value: root.page ? root.page.progressWheelValue : 0
                indeterminate: root._running && root.page.currentIteration <= 0
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                spacing: 8

                Text {
                    objectName: "statusLine"
                    Layout.fillWidth: true
                    text: root.page ? root.page.statusLineText : ""
                    textFormat: Text.PlainText
                    font.pixelSize: 18
                    font.bold: true
                    color: root.theme ? root.theme.text : "#F0F6FC"
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "otherSetupNote"
                    Layout.fillWidth: true
                    visible: !!root.page && root.page.resultOfAnotherSetup
                    text: qsTr("Solved for another setup than the one summarised here")
                    font.pixelSize: 12
                    color: root._warn
                    wrapMode: Text.Wrap
                }
                Text {
                    objectName: "finalizingNote"
                    Layout.fillWidth: true
                    visible: !!root.page && root.page.isFinalizing
                    text: qsTr("Solver converged — finalizing results…")
                    font.pixelSize: 12
                    color: root._muted
                    wrapMode: Text.Wrap
                }

                Rectangle {
                    id: track
                    objectName: "progressBar"
                    Layout.fillWidth: true
                    Layout.topMargin: 6
                    implicitHeight: 8
                    radius: 4
                    color: root.theme ? root.theme.surface3 : "#2D333B"

                    readonly property real value: root.page ? root.page.progressWheelValue : 0

                    Rectangle {
                        objectName: "progressFill"
                        height: parent.height
                        radius: parent.radius
                        width: parent.width * Math.max(0, Math.min(1, track.value))
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0.0; color: root._shareColor }
                            GradientStop {
                                position: 1.0
                                color: root._shareDarkens ? Qt.darker(root._shareColor, 1.4)
                                                                       : (root.theme ? root.theme.accentMuted : "#238636")
                            }
                        }
                    }
                }
                Text {
                    objectName: "iterationsText"
                    text: {
                        if (!root.page || !root.page._hasController)
                            return "—"
                        if (root._running)
                            return qsTr("Iterations: %1 / %2").arg(root._count(root.page.currentIteration))
                                                               .arg(root._count(root.page.maxIterations))
                        return qsTr("Iterations: %1").arg(root._count(root.page.currentIteration))
                    }
                    font.pixelSize: 12
                    color: root._muted
                }
            }
        }

        RowDivider {
            theme: root.theme
        }

        Text {
            text: qsTr("Metrics")
            font.pixelSize: 14
            font.bold: true
            color: root.theme ? root.theme.text : "#F0F6FC"
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 10

            StatCard {
                objectName: "elapsedCard"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: root.theme
                compact: true
                label: qsTr("Elapsed")
                value: root.page ? root.page.elapsedTime : ""
            }
            StatCard {
                objectName: "remainingCard"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: root.theme
                compact: true
                label: qsTr("Remaining")
                value: root.page ? root.page.estimatedRemaining : ""
            }
            StatCard {
                objectName: "speedCard"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: root.theme
                compact: true
                label: qsTr("Speed")
                value: Fmt.formatSpeed(root.page ? root.page.iterationsPerSec : 0)
                unit: qsTr("it/s")
            }
            StatCard {
                objectName: "exploitabilityCard"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: root.theme
                compact: true
                label: qsTr("Exploitability")
                accentColor: root.theme ? root.theme.gold : "#F0B429"
                value: {
                    var e = root.page ? root.page.currentExploitabilityValue : NaN
                    if (isFinite(e))
                        return Progress.exploitabilityText(e)
                    return root._running ? qsTr("Measuring...") : "—"
                }
            }
        }
    }
}
