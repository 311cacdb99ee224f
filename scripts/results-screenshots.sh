#!/usr/bin/env bash
# Captures the Results page at 1280x800 and 1540x1200 under a virtual X
# server with ImageMagick's `import`: the range view of a small flop solve at
# its root and walked down to a turn card, node-lock mode scrolled to its
# panel, the solve opened again as a project on a node whose details it does
# not hold, and play mode (IP to act, both seats, the hand log with a hand's
# details, a drill verdict).
#
#   scripts/results-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to BUILD_DIR/results-screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
script=$(pwd)/scripts/$(basename "$0")

build_dir=${1:-build}
out_dir=${2:-$build_dir/results-screenshots}

source scripts/screenshot-host.sh
prepare_screenshots "$build_dir" "$out_dir"
play_host=$(screenshot_host "$build_dir" play_screenshot_host qml_results)

if [ "${RESULTS_SCREENSHOTS_INNER:-}" = 1 ]; then
  for size in 1280x800 1540x1200; do
    w=${size%x*}
    h=${size#*x}
    for page in results results-turn results-lock results-loaded; do
      capture_when_ready "$out_dir/$page-$size.png" "${w}x${h}+0+0" "$host" --page "$page" --theme dark \
        --width "$w" --height "$h"
    done
    for role in IP BOTH; do
      capture_when_ready "$out_dir/play-$role-$size.png" "${w}x${h}+0+0" "$play_host" --shot play --role "$role" \
        --theme dark --language en --width "$w" --height "$h"
    done
    capture_when_ready "$out_dir/play-log-$size.png" "${w}x${h}+0+0" "$play_host" --shot log --role OOP \
      --theme dark --language en --width "$w" --height "$h"
    capture_when_ready "$out_dir/play-drill-de-$size.png" "${w}x${h}+0+0" "$play_host" --shot drill --role IP \
      --theme light --language de --width "$w" --height "$h"
  done
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside the virtual display.
  RESULTS_SCREENSHOTS_INNER=1 xvfb-run -a -s "-screen 0 1540x1200x24" bash "$script" "$build_dir" "$out_dir"
fi
