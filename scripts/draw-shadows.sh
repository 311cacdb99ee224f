#!/usr/bin/env bash
# Draws the pictures of the soft drop shadows under cards and playing cards
# (Velmora/qml/assets/shadows/), which ShadowImage stretches to the size of
# what it lies under. Each is a black rounded rectangle whose alpha is
# blurred: a Gaussian blur reaching REACH pixels past the edge, with a
# standard deviation of (REACH + 1) / 3.33, the look of a shadow blurred
# over 2 * REACH + 1 samples. The rectangle lies REACH pixels inside the
# picture's edges, and each corner of the picture (2 * REACH + RADIUS
# pixels) holds a whole blurred corner, so that the strip between corners
# is the same all along an edge and stretches without showing.
#
#   scripts/draw-shadows.sh
#
# Needs ImageMagick (convert). The pictures are committed; run this again
# only when a shadow's radius or reach changes (and change ShadowImage's
# users to match).
set -euo pipefail
cd "$(dirname "$0")/.."
out=Velmora/qml/assets/shadows

# draw NAME RADIUS REACH
draw() {
  local name=$1 radius=$2 reach=$3
  local corner=$((2 * reach + radius))
  local size=$((2 * corner + 2))
  local far=$((size - reach - 1))
  local sigma
  sigma=$(awk -v r="$reach" 'BEGIN { printf "%.2f", (r + 1) / 3.33 }')
  convert -size "${size}x${size}" xc:none -fill black \
    -draw "roundrectangle $reach,$reach $far,$far $radius,$radius" \
    -channel A -blur "${reach}x${sigma}" +channel -strip "PNG32:$out/$name.png"
  echo "$out/$name.png: ${size}x${size}, corner $corner, reach $reach, radius $radius"
}

mkdir -p "$out"
draw card 12 12          # Card: radius 12, blur 12
draw playing-card 8 6    # PlayingCard's face: radius 8, blur 6
