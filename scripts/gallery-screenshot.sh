#!/usr/bin/env bash
# Renders the test-only component gallery (tests/qml/gallery/Gallery.qml) in
# the dark and the light palette in a real window on a virtual X server and
# saves one PNG of each.
#
#   scripts/gallery-screenshot.sh [OUT_DIR]
#
# BUILD_DIR (default: build) is the CMake build folder; the small viewer
# qml_gallery_viewer is built there when missing. The viewer grabs its own
# window, so no screen-capture tool is needed; it only needs xvfb-run
# (Debian packages xvfb and xauth).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
OUT_DIR=${1:-$BUILD_DIR/gallery}
VIEWER=$BUILD_DIR/tests/qml/qml_gallery_viewer

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing: apt-get install xvfb xauth" >&2
  exit 1
fi

if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja
fi
cmake --build "$BUILD_DIR" --target qml_gallery_viewer

mkdir -p "$OUT_DIR"
for palette in dark light; do
  args=(--out "$OUT_DIR/gallery-$palette.png" --delay 2000)
  if [ "$palette" = light ]; then
    args+=(--light)
  fi
  xvfb-run -a -s "-screen 0 1700x1300x24" "$VIEWER" "${args[@]}"
done
echo "Gallery screenshots in $OUT_DIR"
