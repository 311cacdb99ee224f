# Shared by the screenshot scripts (sourced, not run): checks the tools,
# builds the screenshot host when it is missing, and captures one picture
# once the host reports that its page has settled.

# require_screenshot_tools: xvfb-run and ImageMagick's `import`.
require_screenshot_tools() {
  local tool
  for tool in xvfb-run import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "missing $tool (apt-get install xvfb imagemagick)" >&2
      exit 1
    fi
  done
}

# screenshot_host BUILD_DIR [TARGET [TEST_DIR]]: the absolute path of a host
# (the shell's by default), built when missing.
screenshot_host() {
  local target=${2:-shell_screenshot_host}
  local host=$1/tests/${3:-qml_shell}/$target
  if [ ! -x "$host" ]; then
    cmake --build "$1" --target "$target" >&2
  fi
  echo "$(cd "$(dirname "$host")" && pwd)/$(basename "$host")"
}

# prepare_screenshots BUILD_DIR OUT_DIR [TARGET [TEST_DIR]]: checks the
# tools, sets `host` (see screenshot_host) and `out_dir`, the absolute path
# of OUT_DIR, created when missing.
prepare_screenshots() {
  require_screenshot_tools
  host=$(screenshot_host "$1" "${3:-}" "${4:-}")
  mkdir -p "$2"
  out_dir=$(cd "$2" && pwd)
}

# capture_when_ready OUT CROP HOST ARGS...: starts the host with ARGS, waits
# for its "READY", captures the screen (cut to CROP, a geometry, unless it is
# empty) into OUT and ends the host.
capture_when_ready() {
  local out=$1 crop=$2 host=$3
  shift 3
  local log
  log=$(mktemp)
  "$host" "$@" >"$log" 2>&1 &
  local pid=$!
  local waited=0
  until grep -q '^READY' "$log"; do
    sleep 0.5
    waited=$((waited + 1))
    if [ $waited -gt 240 ] || ! kill -0 "$pid" 2>/dev/null; then
      give_up_on_host "$pid" "$log" "host did not get ready for $*:"
      return 1
    fi
  done
  if [ -n "$crop" ]; then
    import -window root -crop "$crop" +repage "$out"
  else
    import -window root "$out"
  fi
  echo "wrote $out"
  end_host "$pid" "$log"
}

# end_host PID LOG: ends a host that did its work and drops its log.
end_host() {
  kill "$1"
  wait "$1" 2>/dev/null || true
  rm -f "$2"
}

# give_up_on_host PID LOG MESSAGE: reports a host that exited or took too
# long, with its log, and ends it.
give_up_on_host() {
  echo "$3" >&2
  cat "$2" >&2
  kill "$1" 2>/dev/null || true
}
