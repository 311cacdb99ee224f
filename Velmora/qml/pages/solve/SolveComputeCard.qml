import QtQuick
import QtQuick.Layouts
import "../../components"
import "SolveFormat.js" as Fmt

// Compute card of the Solve page: the solver's thread count, and a precision
// choice that is shown only and is not part of the solve request.
Card {
    id: root

    property var page: null

    objectName: "computeCard"

    ColumnLayout {
        width: parent.width
        spacing: 14

        SolveCardTitle {
            Layout.fillWidth: true
            theme: root.theme
            iconName: "monitor"
            title: qsTr("Compute")
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 12
            rowSpacing: 10

            Text {
                text: qsTr("Threads")
                font.pixelSize: 13
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            SolveChoiceBox {
                id: threadBox
                objectName: "threadComboBox"
                Layout.fillWidth: true
                theme: root.theme
                model: root.page ? root.page._threadChoiceModel : []
                labelFor: function(entry) { return entry === "Max" ? qsTr("Max") : String(entry) }
                // Re-filling moves the box's index; set it again once that is done.
                onModelChanged: Qt.callLater(root._syncThreadBox)
                onActivated: function(index) {
                    if (root.page && index >= 0 && index < model.length)
                        root.page.threadCount = Fmt.threadCountForChoice(model[index], root.page.maxThreadCount)
                    // The box moved to the clicked entry; show what the count maps to.
                    root._syncThreadBox()
                }
            }

            Text {
                text: qsTr("Precision")
                font.pixelSize: 13
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            SolveChoiceBox {
                objectName: "precisionComboBox"
                Layout.fillWidth: true
                theme: root.theme
                model: ["Float32", "Float64"]
                currentIndex: 0
            }
        }
    }

    // The entry shown follows the page's count; it is set rather than bound,
    // because the box moves its own index when it is clicked or re-filled.
    Connections {
        target: root.page
        function onThreadCountChanged() { root._syncThreadBox() }
        function onMaxThreadCountChanged() { root._syncThreadBox() }
    }
    Component.onCompleted: _syncThreadBox()

    function _syncThreadBox() {
        if (!page)
            return
        var index = Fmt.threadChoiceIndex(page._threadChoiceModel, page.threadCount, page.maxThreadCount)
        if (threadBox.currentIndex !== index)
            threadBox.currentIndex = index
    }
}
