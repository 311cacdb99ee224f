#!/usr/bin/env bash
# Exit codes and words of the programs and scripts run from a shell: a
# refused spot fails the memory bench, a spot it can measure does not, and
# run-app.sh without a display says so and fails before it builds anything.
#   exit_codes.sh MEMORY_ESTIMATE_BENCH SOURCE_DIR
set -uo pipefail
bench=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The river spot with one field changed.
spot() {
  sed "s/\"$1\": *\"[^\"]*\"/\"$1\": \"$2\"/" "$source_dir/bench/spots/river.json" >"$scratch/$3.json"
  echo "$scratch/$3.json"
}

passed=0
failed=0
# expect NAME CODE PATTERN COMMAND...: the command exits with CODE and its
# output (both streams) matches PATTERN.
expect() {
  local name=$1 code=$2 pattern=$3
  shift 3
  local output status
  output=$("$@" 2>&1)
  status=$?
  if [ "$status" -eq "$code" ] && grep -qE "$pattern" <<<"$output"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name: exit $status (expected $code), output:" >&2
    tail -n 20 <<<"$output" >&2
  fi
}

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect "refused size" 1 "refused: .*33 75" "$bench" --no-latency --iterations 1 "$(spot oop_river_bet_sizes "33 75" size)"
expect "refused range" 1 "refused: " "$bench" --no-latency --iterations 1 "$(spot ip_range "AA:2" range)"
expect "a refused spot among good ones" 1 "estimate .* MiB / peak" \
  "$bench" --no-latency --iterations 1 "$source_dir/bench/spots/river.json" "$(spot oop_river_bet_sizes "-50" negative)"
expect "measured spot" 0 "estimate .* MiB / peak" "$bench" --no-latency --iterations 1 "$source_dir/bench/spots/river.json"
expect "run-app.sh without a display" 1 "^No display was found" "${no_display[@]}" bash "$source_dir/scripts/run-app.sh"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
