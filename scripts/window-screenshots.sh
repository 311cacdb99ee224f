#!/usr/bin/env bash
# Captures the program's own window, sized by the screen it opens on, on
# common laptop screens: Home, Settings and Setup in German and the project
# save dialog, at 1280x800 and 1366x768, under a virtual X server with
# ImageMagick's `import`.
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

# Inside one virtual display: one window per picture, captured once the
# host reports that its page has settled.
capture_screen() {
  local host=$1 out_dir=$2 language=$3 screen=$4
  for page in home settings setup save-dialog; do
    local log
    log=$(mktemp)
    "$host" --main --page "$page" --language "$language" >"$log" 2>&1 &
    local pid=$!
    local waited=0
    until grep -q '^READY' "$log"; do
      sleep 0.5
      waited=$((waited + 1))
      if [ $waited -gt 240 ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "host did not get ready for $page:" >&2
        cat "$log" >&2
        kill "$pid" 2>/dev/null || true
        return 1
      fi
    done
    import -window root "$out_dir/window-$page-$language-$screen.png"
    echo "wrote $out_dir/window-$page-$language-$screen.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$log"
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
