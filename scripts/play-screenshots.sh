#!/usr/bin/env bash
# Captures play mode on the results page with the real back end under a
# virtual X server with ImageMagick's `import`: hands in progress as OOP, IP
# and both, a showdown, a fold, a mistake, a drill verdict, a re-dealt turn,
# the hand log with a hand's details, the home page's figures after the
# hands, the river after a called turn and a drill with no hand to deal, in
# the dark palette at 1540 wide; a selection of them also in the light
# palette, in German, and in a 1280x800 window.
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
prepare_screenshots "$build_dir" "$out_dir" play_screenshot_host qml_results

# shot NAME SHOT ROLE THEME LANGUAGE WIDTH HEIGHT
shot() {
  capture_when_ready "$out_dir/play-$1.png" "${6}x${7}+0+0" "$host" --shot "$2" --role "$3" --theme "$4" \
    --language "$5" --width "$6" --height "$7"
}

if [ "${PLAY_SCREENSHOTS_INNER:-}" = 1 ]; then
  for role in OOP IP BOTH; do
    shot "play-$role" play "$role" dark en 1540 1200
  done
  for s in showdown fold mistake drill redeal redeal-done log home river nohand; do
    shot "$s" "$s" OOP dark en 1540 1200
  done
  shot drill-IP drill IP dark en 1540 1200
  shot log-light log IP light en 1540 1200
  shot play-BOTH-light play BOTH light en 1540 1200
  shot mistake-de mistake OOP dark de 1540 1200
  shot drill-de drill OOP light de 1540 1200
  shot play-IP-1280 play IP dark en 1280 800
  shot log-1280 log OOP dark en 1280 800
  shot drill-de-1280 drill IP light de 1280 800
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside the virtual display.
  PLAY_SCREENSHOTS_INNER=1 xvfb-run -a -s "-screen 0 1540x1200x24" bash "$script" "$build_dir" "$out_dir"
fi
