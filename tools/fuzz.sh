#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the readers of the game's files: each target runs for SECONDS (60 unless given) on a
# corpus seeded from the shipped game folder and tests/fuzz/corpus. The first crash, leak,
# timeout or round-trip mismatch stops it with a failure; the input that shows it is kept in
# BUILD/fuzz-artifacts/.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]    targets: data_text best_scores settings_file cp1250
#                                          chronicle wave kept_reign help_file
#
# BUILD is $FUZZ_BUILD_DIR, or build-fuzz/, configured here with clang and -DVELMORAN_FUZZ=ON
# when it has no fuzz targets yet.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(data_text best_scores settings_file cp1250 chronicle wave kept_reign help_file); fi
build=${FUZZ_BUILD_DIR:-build-fuzz}

if ! grep -q '^VELMORAN_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DVELMORAN_FUZZ=ON -DVELMORAN_QT=OFF
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

# The shipped files each target starts from.
seeds_of() {
  case "$1" in
    data_text | cp1250) echo game/data game/best.dat game/data.dat ;;
    best_scores) echo game/best.dat ;;
    settings_file) echo game/data.dat ;;
    chronicle) echo game/data/kronika.ini ;;
  esac
}

mkdir -p "$build/fuzz-artifacts"
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  for seed in $(seeds_of "$target"); do
    if [ -d "$seed" ]; then cp "$seed"/* "$corpus/"; else cp "$seed" "$corpus/"; fi
  done
  echo "== fuzz_$target: $seconds s"
  log="$build/fuzz-artifacts/$target.log"
  status=0
  "$build/fuzz_$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
    "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(INFO: seed corpus|Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzz_$target failed (exit $status); the input is in $build/fuzz-artifacts/" >&2
    exit 1
  fi
done
