#!/usr/bin/env bash
# Captures the road of a first solve in the program's own window, as a user
# takes it: Quick Solve on Home, the Setup page, the Solve page before a run,
# while it runs, cancelling, cancelled, running again, done, and the Results
# page, under a virtual X server with ImageMagick's `import`. One run of the
# window per screen size, language and palette.
#
#   scripts/solve-journey-screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to BUILD_DIR/journey-screenshots.
# JOURNEY_SCREENS (default "1540x1200 1280x800"), JOURNEY_LANGUAGES
# ("en de") and JOURNEY_THEMES ("dark light") choose the runs.
set -euo pipefail
cd "$(dirname "$0")/.."
script=$(pwd)/scripts/$(basename "$0")

build_dir=${1:-build}
out_dir=${2:-$build_dir/journey-screenshots}

source scripts/screenshot-host.sh
prepare_screenshots "$build_dir" "$out_dir"

# Inside one virtual display: runs the window through the journey and
# captures every step it reports ("STEP name") until it reports "end".
capture_journey() {
  local host=$1 prefix=$2 language=$3 theme=$4
  local log seen=0 waited=0 line name
  log=$(mktemp)
  "$host" --main --page journey --language "$language" --theme "$theme" >"$log" 2>&1 &
  local pid=$!
  while true; do
    mapfile -t steps < <(grep '^STEP ' "$log" || true)
    while [ "$seen" -lt "${#steps[@]}" ]; do
      line=${steps[$seen]}
      seen=$((seen + 1))
      name=${line#STEP }
      if [ "$name" = end ]; then
        end_host "$pid" "$log"
        return 0
      fi
      import -window root "$prefix-$name.png"
      echo "wrote $prefix-$name.png"
      waited=0
    done
    sleep 0.2
    waited=$((waited + 1))
    if [ $waited -gt 1500 ] || ! kill -0 "$pid" 2>/dev/null; then
      give_up_on_host "$pid" "$log" "the journey stopped ($language, $theme):"
      return 1
    fi
  done
}

if [ -n "${JOURNEY_SCREEN:-}" ]; then
  for language in ${JOURNEY_LANGUAGES:-en de}; do
    for theme in ${JOURNEY_THEMES:-dark light}; do
      capture_journey "$host" "$out_dir/journey-$JOURNEY_SCREEN-$language-$theme" "$language" "$theme"
    done
  done
else
  # Exported functions do not survive xvfb-run's own shell, so the script
  # runs itself again inside each virtual display.
  for screen in ${JOURNEY_SCREENS:-1540x1200 1280x800}; do
    JOURNEY_SCREEN=$screen xvfb-run -a -s "-screen 0 ${screen}x24" bash "$script" "$build_dir" "$out_dir"
  done
fi
