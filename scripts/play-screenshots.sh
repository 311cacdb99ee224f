#!/usr/bin/env bash
# Captures play mode on the results page with the real back end: a hand in
# progress as OOP, a drill verdict, and the hand log with a hand's details,
# under a virtual X server with ImageMagick's `import`.
#
#   scripts/play-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to BUILD_DIR/play-screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
script=$(pwd)/scripts/$(basename "$0")

build_dir=${1:-build}
out_dir=${2:-$build_dir/play-screenshots}

source scripts/screenshot-host.sh
require_screenshot_tools
host=$(screenshot_host "$build_dir" play_screenshot_host qml_results)
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)

if [ "${PLAY_SCREENSHOTS_INNER:-}" = 1 ]; then
  for shot in play drill log; do
    capture_when_ready "$out_dir/play-$shot.png" "" "$host" --shot "$shot"
  done
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside the virtual display.
  PLAY_SCREENSHOTS_INNER=1 xvfb-run -a -s "-screen 0 1540x1200x24" bash "$script" "$build_dir" "$out_dir"
fi
