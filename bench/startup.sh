#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first window and peak memory of velmoran beside a bare Qt Widgets window
# with a menu bar (bench/bare_window.cpp), under Xvfb: ROUNDS rounds (9 unless given), each
# running both once, in turns, after one run of each that is not counted. Prints the medians
# and the ratios (target: within 1.15 for both).
#
#   bench/startup.sh [ROUNDS] [BUILD]      BUILD: the build folder, build/ unless given
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-9}
build=${2:-build}

if [ "${VELMORAN_STARTUP_UNDER_XVFB:-}" != 1 ]; then
  exec env VELMORAN_STARTUP_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$rounds" "$build"
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb

# One run: "<ms> <KiB>". The program is ended a second after its first window appeared.
measure() {
  "$build/first_window" 1000 "$build/game" "$(realpath "$build/$1")" 2>/dev/null
}

measure bare_window >/dev/null
measure velmoran >/dev/null
: >"$runtime/bare_window" && : >"$runtime/velmoran"
for ((round = 0; round < rounds; ++round)); do
  order=(bare_window velmoran)
  if ((round % 2)); then order=(velmoran bare_window); fi
  for program in "${order[@]}"; do measure "$program" >>"$runtime/$program"; done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bare_ms=$(cut -d' ' -f1 "$runtime/bare_window" | median)
game_ms=$(cut -d' ' -f1 "$runtime/velmoran" | median)
bare_kib=$(cut -d' ' -f2 "$runtime/bare_window" | median)
game_kib=$(cut -d' ' -f2 "$runtime/velmoran" | median)
echo "runs: $rounds of each, interleaved (medians)"
echo "first window: bare $bare_ms ms, velmoran $game_ms ms, ratio $(awk -v a="$game_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')"
echo "peak memory:  bare $bare_kib KiB, velmoran $game_kib KiB, ratio $(awk -v a="$game_kib" -v b="$bare_kib" 'BEGIN { printf "%.2f", a / b }')"
