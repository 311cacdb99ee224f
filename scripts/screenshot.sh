#!/usr/bin/env bash
# Starts the already built application under a virtual X server, waits for
# the window to settle, and saves a picture of the whole screen as a PNG.
# Builds nothing. Needs xvfb-run and ImageMagick's `import`.
#
#   scripts/screenshot.sh [output.png]   (default build/screenshot.png)
#
# Environment: SCREENSHOT_WAIT (seconds, default 6), SCREENSHOT_SCREEN
# (default 1600x1260x24, room for the whole 1540x1200 window),
# CALDIRUNE_BIN (default build/backend/caldirune).
set -euo pipefail
cd "$(dirname "$0")/.."

bin="${CALDIRUNE_BIN:-build/backend/caldirune}"
out="${1:-build/screenshot.png}"
wait_s="${SCREENSHOT_WAIT:-6}"
screen="${SCREENSHOT_SCREEN:-1600x1260x24}"

if [ ! -x "$bin" ]; then
  echo "screenshot: $bin is not built (run scripts/build.sh first)" >&2
  exit 1
fi
for tool in xvfb-run import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "screenshot: '$tool' is missing (xvfb and imagemagick packages)" >&2
    exit 1
  fi
done

case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
bin="$(cd "$(dirname "$bin")" && pwd)/$(basename "$bin")"

# Inside the virtual display: start the program, wait, capture, stop it.
xvfb-run -a -s "-screen 0 $screen" bash -c '
  bin="$1"; wait_s="$2"; out="$3"
  "$bin" &
  pid=$!
  sleep "$wait_s"
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; rc=$?
    echo "screenshot: the application exited early (code $rc)" >&2
    exit 1
  fi
  import -window root "$out"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' screenshot "$bin" "$wait_s" "$out"

echo "screenshot: saved $out"
