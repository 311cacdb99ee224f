import QtQuick

// A soft drop shadow under a rounded rectangle, drawn from a picture blurred
// beforehand (scripts/draw-shadows.sh) and stretched to the rectangle's
// size: no shader is made at run time, and it shows under every scene-graph
// renderer. Its user anchors it to fill the rectangle; the shadow reaches
// `reach` pixels past each edge and is moved down by `offsetY`.
BorderImage {
    id: root

    // "card" or "playing-card": a picture of assets/shadows/.
    property string kind: "card"
    // Black at this alpha where the shadow is darkest.
    property real strength: 0.3
    property real offsetY: 0

    // The pictures' geometry, as the script draws them.
    readonly property int reach: kind === "card" ? 12 : 6
    readonly property int _corner: kind === "card" ? 36 : 20

    anchors.margins: -reach
    anchors.topMargin: offsetY - reach
    anchors.bottomMargin: -offsetY - reach

    source: "../assets/shadows/" + kind + ".png"
    opacity: strength
    smooth: true
    // A shadow smaller than two whole corners keeps what of them fits.
    border.left: Math.max(0, Math.min(_corner, Math.floor(width / 2)))
    border.right: border.left
    border.top: Math.max(0, Math.min(_corner, Math.floor(height / 2)))
    border.bottom: border.top
}
