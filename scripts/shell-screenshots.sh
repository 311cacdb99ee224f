#!/usr/bin/env bash
# Captures the application shell (Home, Settings, the Setup page with the
# Quick Solve spot and scrolled down to its range cards, and the Solve page before a run, while the Quick Solve flop
# spot is being solved and after a short solve of it) in the dark and the
# light palette under a virtual X server, with ImageMagick's `import`; and the
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
host=$build_dir/tests/qml_shell/shell_screenshot_host

for tool in xvfb-run import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "missing $tool (apt-get install xvfb imagemagick)" >&2
    exit 1
  fi
done
if [ ! -x "$host" ]; then
  cmake --build "$build_dir" --target shell_screenshot_host
fi
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)
host=$(cd "$(dirname "$host")" && pwd)/$(basename "$host")

# Runs inside the virtual display: one host per picture, captured once the
# host reports that its page has settled. A window narrower than the screen
# is cut out of it.
capture_one() {
  local host=$1 page=$2 theme=$3 width=$4 out=$5
  local log
  log=$(mktemp)
  "$host" --page "$page" --theme "$theme" --width "$width" >"$log" 2>&1 &
  local pid=$!
  local waited=0
  until grep -q '^READY' "$log"; do
    sleep 0.5
    waited=$((waited + 1))
    if [ $waited -gt 240 ] || ! kill -0 "$pid" 2>/dev/null; then
      echo "host did not get ready for $page/$theme:" >&2
      cat "$log" >&2
      kill "$pid" 2>/dev/null || true
      return 1
    fi
  done
  import -window root -crop "${width}x1200+0+0" +repage "$out"
  echo "wrote $out"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
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
    for page in home settings setup setup-ranges solve-idle solve solve-done; do
      capture_one "$host" "$page" "$theme" 1540 "$out_dir/shell-$page-$theme.png" || return 1
    done
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
