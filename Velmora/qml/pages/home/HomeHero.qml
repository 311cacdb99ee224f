import QtQuick
import QtQuick.Layouts
import "../../components"

// Hero row of the home page: the banner with the product name and the three
// project buttons, and the logo beside it.
RowLayout {
    id: root

    property var theme: null
    // A failed project save or open, shown under the buttons.
    property string errorText: ""

    signal newClicked()
    signal saveClicked()
    signal openClicked()

    spacing: 16
    // The banner grows when a long error needs more lines.
    Layout.preferredHeight: Math.max(180, bannerContent.implicitHeight + 64)

    Rectangle {
        objectName: "heroBanner"
        Layout.fillWidth: true
        Layout.preferredHeight: root.Layout.preferredHeight
        radius: root.theme ? root.theme.radiusLg : 16
        border.width: 1
        border.color: root.theme ? root.theme.stroke : "#30363D"
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: root.theme ? root.theme.surface : "#1C2128" }
            GradientStop { position: 1.0; color: root.theme ? Qt.darker(root.theme.accent, 2.5) : "#0F2818" }
        }

        ColumnLayout {
            id: bannerContent
            anchors.fill: parent
            anchors.margins: 32
            spacing: 0

            Text {
                textFormat: Text.PlainText
                text: qsTr("Caldirune")
                font.pixelSize: 28
                font.bold: true
                color: root.theme ? root.theme.text : "#F0F6FC"
            }
            Text {
                textFormat: Text.PlainText
                Layout.topMargin: 4
                text: qsTr("A modern, high-performance holdem solver")
                font.pixelSize: 14
                color: root.theme ? root.theme.textMuted : "#8B949E"
            }
            RowLayout {
                Layout.topMargin: 16
                spacing: 12
                PrimaryButton {
                    objectName: "heroNewButton"
                    theme: root.theme
                    text: qsTr("New Solve")
                    iconText: "+"
                    onClicked: root.newClicked()
                }
                SecondaryButton {
                    objectName: "heroSaveButton"
                    theme: root.theme
                    text: qsTr("Save")
                    iconName: "save"
                    onClicked: root.saveClicked()
                }
                SecondaryButton {
                    objectName: "heroOpenButton"
                    theme: root.theme
                    text: qsTr("Open File")
                    iconName: "folder-open"
                    onClicked: root.openClicked()
                }
            }
            // The path and the reason of a failure can be long: the text
            // takes up to two lines, so that the reason stays readable.
            Text {
                id: errorLine
                objectName: "projectErrorText"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                Layout.topMargin: 8
                visible: root.errorText.length > 0
                text: root.errorText
                font.pixelSize: 12
                // A refused file's reason names the value at the end: the
                // whole text is shown, over as many lines as it takes.
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                color: root.theme ? root.theme.danger : "#F85149"
            }
            Item { Layout.fillHeight: true }
        }
    }

    Image {
        Layout.preferredWidth: 280
        Layout.preferredHeight: 150
        Layout.alignment: Qt.AlignVCenter
        source: "../../assets/Caldirune_logo.png"
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }
}
