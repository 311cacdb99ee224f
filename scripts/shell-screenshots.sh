#!/usr/bin/env bash
# Captures the application shell (Home, Settings, the Setup page with the
# Quick Solve spot and scrolled down to its range cards, the Solve page before a run, while the Quick Solve flop
# spot is being solved and after a short solve of it, and the Results page of a
# small flop solve at its root and walked down to a turn card) in the dark and the
# light palette under a virtual X server, with ImageMagick's `import`; the
# Population presets opened on both range cards, the card picker and the
# save-range, import and load-profile dialogs over the Setup page; and the
# Setup page once more in a 1100 wide window.
#
#   scripts/shell-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to BUILD_DIR/shell-screenshots.
# Needs xvfb-run and ImageMagick (apt-get install xvfb imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
script=$(pwd)/scripts/$(basename "$0")

build_dir=${1:-build}
out_dir=${2:-$build_dir/shell-screenshots}

source scripts/screenshot-host.sh
prepare_screenshots "$build_dir" "$out_dir"

# Runs inside the virtual display: one host per picture. A window narrower
# than the screen is cut out of it.
capture_one() {
  local host=$1 page=$2 theme=$3 width=$4 out=$5
  capture_when_ready "$out" "${width}x1200+0+0" "$host" --page "$page" --theme "$theme" --width "$width"
}

capture_all() {
  local host=$1 out_dir=$2
  # SHELL_SCREENSHOT_PAGES picks pages ("results-lock results-buckets
  # results-search" for the Results page), captured in the dark palette.
  if [ -n "${SHELL_SCREENSHOT_PAGES:-}" ]; then
    for page in $SHELL_SCREENSHOT_PAGES; do
      capture_one "$host" "$page" dark 1540 "$out_dir/shell-$page-dark.png" || return 1
    done
    return 0
  fi
  for theme in dark light; do
    for page in home settings setup setup-ranges solve-idle solve solve-done results results-turn; do
      capture_one "$host" "$page" "$theme" 1540 "$out_dir/shell-$page-$theme.png" || return 1
    done
  done
  for page in setup-population setup-ranges-spans setup-ranges-weights setup-card-picker setup-save-range setup-import \
      setup-import-left-out setup-load-profile; do
    capture_one "$host" "$page" dark 1540 "$out_dir/shell-$page-dark.png" || return 1
  done
  # The Setup page in a window narrower than its first row: it scrolls sideways.
  capture_one "$host" setup dark 1100 "$out_dir/shell-setup-dark-1100.png"
}

if [ "${SHELL_SCREENSHOTS_INNER:-}" = 1 ]; then
  capture_all "$host" "$out_dir"
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside the virtual display.
  SHELL_SCREENSHOTS_INNER=1 xvfb-run -a -s "-screen 0 1540x1200x24" bash "$script" "$build_dir" "$out_dir"
fi
