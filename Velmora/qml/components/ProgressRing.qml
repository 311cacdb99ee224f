import QtQuick

// Circular progress indicator: a track circle, an arc growing clockwise from
// twelve o'clock, the percentage in the centre, and a spinner while the
// progress is not yet known. The arc is drawn at the value the number shows,
// without easing: a fast run's arc never trails its figure, and a new run's
// starts from nothing rather than sliding down from the last one's.
Item {
    id: root

    property var theme
    property real value: 0
    property real strokeWidth: 8
    property color trackColor: theme ? theme.surface3 : "#2D333B"
    property color progressColor: theme ? theme.accent : "#3FB950"
    property bool showPercentage: true
    property bool indeterminate: false

    implicitWidth: 100
    implicitHeight: 100

    // Colours and stroke repaint at once, so a theme or accent switch never
    // leaves a ring in the old colours.
    onTrackColorChanged: trackCanvas.requestPaint()
    onStrokeWidthChanged: {
        trackCanvas.requestPaint()
        progressCanvas.requestPaint()
    }
    onProgressColorChanged: progressCanvas.requestPaint()

    Canvas {
        id: trackCanvas
        objectName: "trackCanvas"
        anchors.fill: parent

        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var r = (Math.min(width, height) - root.strokeWidth) / 2
            if (r <= 0)
                return
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, r, 0, 2 * Math.PI, false)
            ctx.lineWidth = root.strokeWidth
            ctx.strokeStyle = root.trackColor
            ctx.stroke()
        }
    }

    Canvas {
        id: progressCanvas
        objectName: "progressCanvas"
        anchors.fill: parent

        property real drawnValue: root.indeterminate ? 0 : root.value

        onDrawnValueChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var r = (Math.min(width, height) - root.strokeWidth) / 2
            if (r <= 0)
                return
            // A negative value draws no arc (rather than a clockwise arc round
            // almost the whole ring to an end that lies before the start).
            if (!(drawnValue > 0))
                return
            var start = -Math.PI / 2
            var end = start + 2 * Math.PI * drawnValue
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, r, start, end, false)
            ctx.lineWidth = root.strokeWidth
            ctx.lineCap = "round"
            ctx.strokeStyle = root.progressColor
            ctx.stroke()
        }
    }

    RotationAnimator {
        id: spin
        target: progressCanvas
        from: 0
        to: 360
        duration: 1500
        loops: Animation.Infinite
        running: root.indeterminate
        // The arc is drawn from the top of its own layer: once the spinner
        // stops, the layer is set upright again so that progress starts at
        // twelve o'clock. Deferred, so it lands after the animator has written
        // its last angle back.
        onRunningChanged: {
            if (!running)
                Qt.callLater(root._resetSpin)
        }
    }

    function _resetSpin() {
        if (!root.indeterminate)
            progressCanvas.rotation = 0
    }

    Text {
        id: percentText
        objectName: "percentText"
        textFormat: Text.PlainText
        anchors.centerIn: parent
        visible: root.showPercentage && !root.indeterminate
        text: Math.round(root.value * 100) + "%"
        font.pixelSize: Math.max(1, Math.floor(root.width * 0.22))
        font.bold: true
        color: root.theme ? root.theme.text : "#F0F6FC"
    }

    Text {
        id: busyText
        objectName: "busyText"
        textFormat: Text.PlainText
        anchors.centerIn: parent
        visible: root.indeterminate
        text: qsTr("...")
        font.pixelSize: Math.max(1, Math.floor(root.width * 0.18))
        font.bold: true
        color: root.theme ? root.theme.textMuted : "#8B949E"
    }
}
