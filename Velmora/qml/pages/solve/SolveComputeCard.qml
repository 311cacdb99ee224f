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
                currentIndex: root._selectedThreadIndex()
                onActivated: function(index) {
                    if (root.page && index >= 0 && index < model.length)
                        root.page.threadCount = Fmt.threadCountForChoice(model[index], root.page.maxThreadCount)
                    // The box set its own index; follow the page's count again.
                    currentIndex = Qt.binding(root._selectedThreadIndex)
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

    function _selectedThreadIndex() {
        if (!page)
            return 0
        return Fmt.threadChoiceIndex(page._threadChoiceModel, page.threadCount, page.maxThreadCount)
    }
}
