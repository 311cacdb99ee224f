#!/usr/bin/env bash
# Exit codes of what runs from a shell: a refused spot fails the memory bench (a measured one
# does not); run-app.sh without a display says so and fails before it builds anything.
#   exit_codes.sh MEMORY_ESTIMATE_BENCH SOURCE_DIR
set -uo pipefail
river=$2/bench/spots/river.json scratch=$(mktemp -d) failed=0
trap 'rm -rf "$scratch"' EXIT

# spot KEY VALUE: the river spot with one field changed.
spot() { sed "s/\"$1\": *\"[^\"]*\"/\"$1\": \"$2\"/" "$river" >"$scratch/$1.json" && echo "$scratch/$1.json"; }
# expect NAME CODE PATTERN COMMAND...: exits with CODE, output matches PATTERN.
expect() {
  local name=$1 code=$2 pattern=$3 output status
  shift 3
  output=$("$@" 2>&1); status=$?
  [ "$status" -eq "$code" ] && grep -qE "$pattern" <<<"$output" && return
  failed=$((failed + 1))
  printf 'FAILED: %s: exit %s (expected %s)\n%s\n' "$name" "$status" "$code" "$(tail -n 20 <<<"$output")" >&2
}

run=("$1" --no-latency --iterations 1)
expect "refused size" 1 "refused: .*33 75" "${run[@]}" "$(spot oop_river_bet_sizes "33 75")"
expect "refused range" 1 "refused: " "${run[@]}" "$(spot ip_range "AA:2")"
expect "a refused spot after a good one" 1 "estimate .* MiB / peak" "${run[@]}" "$river" "$(spot ip_river_bet_sizes -50)"
expect "measured spot" 0 "estimate .* MiB / peak" "${run[@]}" "$river"
expect "run-app.sh without a display" 1 "^No display was found" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash "$2/scripts/run-app.sh"
[ "$failed" -eq 0 ]
