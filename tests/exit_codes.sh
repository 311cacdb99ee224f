#!/usr/bin/env bash
# Exit codes of what runs from a shell: a refused spot fails the memory bench (a measured one
# does not), and so does one too large to be solved under the memory offered; the solve bench
# refuses a spot the program's memory gate refuses, unless told to ignore the gate; run-app.sh
# without a display says so and fails before it builds anything.
#   exit_codes.sh MEMORY_ESTIMATE_BENCH SOURCE_DIR [SOLVE_BENCH]
# VELMORA_SANITIZED set (a sanitizer's build): the cases under an address-space limit are skipped.
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
# Under an address-space limit far below a spot's estimate of a gigabyte. A sanitizer's shadow
# memory does not fit under such a limit: its builds (VELMORA_SANITIZED set) skip these cases.
limited() { (ulimit -v "$1" && shift && exec "$@"); }
if [ -n "${VELMORA_SANITIZED:-}" ]; then
  echo "skipped under the sanitizer: the cases under an address-space limit"
else
  expect "a spot too large to solve here" 1 "not solved: the estimate exceeds 80% of the" \
    limited 1200000 "${run[@]}" "$2/bench/spots/flop_allin.json"
  if [ -n "${3:-}" ]; then
    # One set-up thread, so that the figures do not follow the machine's processor count: the
    # gate counts a turn spot, what follows its solve and the address space they reserve (about
    # 405 MiB) against the 370 MiB or so the limit leaves; the solve itself fits.
    gate=(env VELMORA_CARDCTX_MAX_WORKERS=1 VELMORA_ACTIONPLAN_MAX_WORKERS=1 "$3" "$2/bench/spots/turn.json"
          --iterations 2 --threads 1)
    expect "solve bench past the memory gate" 1 "^refused: .* MiB available \(the least is " \
      limited 430000 "${gate[@]}"
    expect "solve bench told to ignore the gate" 0 "^memory gate ignored: " \
      limited 430000 "${gate[@]}" --ignore-memory-gate
  fi
fi
expect "run-app.sh without a display" 1 "^No display was found" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash "$2/scripts/run-app.sh"
[ "$failed" -eq 0 ]
