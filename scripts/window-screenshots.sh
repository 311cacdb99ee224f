#!/usr/bin/env bash
# Captures the program's own window, sized by the screen it opens on, on
# common laptop screens: Home, Settings and Setup in German, the project save
# and open dialogs, the range export and import dialogs, a confirmation and
# the refusals of a damaged and of a too large project and of a save without
# the memory it needs,
# at 1280x800 and 1366x768, under a virtual X server with ImageMagick's
# `import`.
#
#   scripts/window-screenshots.sh [BUILD_DIR] [OUT_DIR] [LANGUAGE]
#
# BUILD_DIR defaults to build, OUT_DIR to BUILD_DIR/window-screenshots,
# LANGUAGE to de. Needs xvfb-run and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
script=$(pwd)/scripts/$(basename "$0")

build_dir=${1:-build}
out_dir=${2:-$build_dir/window-screenshots}
language=${3:-de}

source scripts/screenshot-host.sh
prepare_screenshots "$build_dir" "$out_dir"

# Inside one virtual display: one window per picture.
capture_screen() {
  local host=$1 out_dir=$2 language=$3 screen=$4 page
  for page in home settings setup save-dialog open-dialog export-dialog import-dialog clear-dialog open-damaged open-too-large save-refused; do
    capture_when_ready "$out_dir/window-$page-$language-$screen.png" "" \
      "$host" --main --page "$page" --language "$language" || return 1
  done
}

if [ -n "${WINDOW_SCREENSHOTS_SCREEN:-}" ]; then
  capture_screen "$host" "$out_dir" "$language" "$WINDOW_SCREENSHOTS_SCREEN"
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside each virtual display.
  for screen in 1280x800 1366x768; do
    WINDOW_SCREENSHOTS_SCREEN=$screen xvfb-run -a -s "-screen 0 ${screen}x24" \
      bash "$script" "$build_dir" "$out_dir" "$language"
  done
fi
