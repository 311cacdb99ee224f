import QtQuick

// Results page (index 3): walks the solved tree. For now it only carries the
// inputs the shell binds.
Item {
    id: root

    property var theme: null
    property var type: null
    property var controller: null
    property string boardText: ""
    property real rakePercent: 0.0
    property int rakeCap: 0

    Text {
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 24
        text: qsTr("Results")
        font.pixelSize: 20
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }
}
