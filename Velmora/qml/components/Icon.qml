import QtQuick
import Qt5Compat.GraphicalEffects

// One monochrome pictogram of the icon set (white line art in
// ../assets/icons/NAME.svg), recoloured to `color`.
Item {
    id: root

    property string name: ""
    property int size: 16
    property color color: "white"
    property real iconOpacity: 1.0

    // The tint is a shader effect where the scene graph can run one. The
    // software renderer cannot, so there the picture is tinted on a canvas
    // instead of vanishing or showing white on a light surface.
    readonly property bool _shaderTint: GraphicsInfo.api !== GraphicsInfo.Software
    readonly property url _source: name === "" ? "" : Qt.resolvedUrl("../assets/icons/" + name + ".svg")

    width: size
    height: size

    // The picture itself is only the source of the tint; it is never shown
    // untinted.
    Image {
        id: img
        objectName: "iconImage"
        anchors.fill: parent
        source: root._source
        visible: false
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }

    ColorOverlay {
        id: tint
        objectName: "iconTint"
        anchors.fill: img
        source: img
        color: root.color
        visible: root.name !== "" && root._shaderTint && img.status === Image.Ready
        opacity: root.iconOpacity
    }

    Canvas {
        id: softwareTint
        objectName: "iconCanvas"
        anchors.fill: parent
        visible: root.name !== "" && !root._shaderTint && img.status === Image.Ready
        opacity: root.iconOpacity

        property url picture: root._source
        readonly property color tintColor: root.color

        onPictureChanged: {
            if (picture.toString() !== "")
                loadImage(picture)
            requestPaint()
        }
        onImageLoaded: requestPaint()
        onTintColorChanged: requestPaint()
        onVisibleChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            if (picture.toString() === "" || !isImageLoaded(picture))
                return
            ctx.drawImage(picture, 0, 0, width, height)
            // Keep the picture's coverage, take the colour from the tint.
            ctx.globalCompositeOperation = "source-in"
            ctx.fillStyle = tintColor
            ctx.fillRect(0, 0, width, height)
        }
    }
}
