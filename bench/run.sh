#!/usr/bin/env bash
# Times headless compiles of generated sources of 10k, 100k and 1M lines,
# wall time and peak memory of the whole process, beside the same compiles
# by the program of the commit this one was branched from (the baseline),
# run back to back on the same machine; checks that both make the same
# HEX, MAP, LST, SYM and log there and on every golden project. Then a
# general-purpose assembler of the same family on the 100k-line source's
# twin (skipped when not installed), the disassembly of the largest image
# and, when the window is built, the window itself (bench/window_bench.cpp).
#   run.sh [BUILD]
# BENCH_BASELINE   the baseline commit (default: where HEAD left main or
#                  origin/main, or HEAD's parent on main itself); "none"
#                  skips it
# BENCH_DIR        where the sources and outputs go (default: a new
#                  temporary folder, removed at the end)
# SIZES, RUNS      the source sizes, and the runs of which the best counts
set -euo pipefail
build=$(realpath "${1:-build}")
sizes=${SIZES:-"10000 100000 1000000"}
runs=${RUNS:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${BENCH_DIR:-}" ]; then
  mkdir -p "$BENCH_DIR"
  work=$(realpath "$BENCH_DIR")
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

baseline_ref=${BENCH_BASELINE:-}
if [ -z "$baseline_ref" ]; then
  baseline_ref=$(git -C "$here" merge-base HEAD main 2>/dev/null || git -C "$here" merge-base HEAD origin/main 2>/dev/null ||
    true)
  if [ "$baseline_ref" = "$(git -C "$here" rev-parse HEAD)" ]; then baseline_ref=$(git -C "$here" rev-parse HEAD^); fi
fi
baseline=""
if [ -n "$baseline_ref" ] && [ "$baseline_ref" != none ]; then
  echo "building the baseline $(git -C "$here" log -1 --format='%h %s' "$baseline_ref" | cut -c1-70) ..."
  baseline=$(cd "$here" && bash bench/build-baseline.sh "$baseline_ref" "$here/build-bench-baseline")
fi

now() { date +%s.%N; }

# One compile: SECONDS PEAK_KIB into the variables named by $1 and $2.
# Outputs and log go to $work/out-NAME; diagnostics to a file there.
compile_once() {
  local program=$1 source=$2 out=$3
  rm -rf "$out"
  mkdir -p "$out"
  local start end
  start=$(now)
  /usr/bin/time -f '%M' -o "$work/peak.txt" \
    "$program" --harness "$source" --out-dir "$out" > /dev/null 2> "$out/diagnostics.txt" || true
  end=$(now)
  mv "${source%.asm}_Z.HARNESS_LOG" "$out/"
  seconds=$(awk "BEGIN{printf \"%.3f\", $end - $start}")
  peak=$(($(cat "$work/peak.txt") / 1024))
}

# Best time and its run's peak over the runs, alternating the programs.
declare -A best_seconds best_peak
time_both() {
  local size=$1 source=$2
  for name in new base; do best_seconds[$name]=""; done
  for run in $(seq "$runs"); do
    for name in new base; do
      local program=$build/quaverton
      if [ $name = base ]; then
        [ -n "$baseline" ] || continue
        program=$baseline
      fi
      compile_once "$program" "$source" "$work/out-$name"
      if [ -z "${best_seconds[$name]}" ] || awk "BEGIN{exit !($seconds < ${best_seconds[$name]})}"; then
        best_seconds[$name]=$seconds
        best_peak[$name]=$peak
      fi
    done
  done
}

# "identical", or the outputs that differ between the two out folders.
compare_outputs() {
  local differing=""
  for file in "$1"/*; do
    local name
    name=$(basename "$file")
    [ "$name" = diagnostics.txt ] && continue
    cmp -s "$file" "$2/$name" || differing+=" $name"
  done
  for file in "$2"/*; do [ -e "$1/$(basename "$file")" ] || differing+=" $(basename "$file")"; done
  if [ -z "$differing" ]; then echo identical; else echo "DIFFER:$differing"; fi
}

mismatches=0
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-9s %9s %9s %10s %10s  %s\n' lines seconds peak_MiB base_s base_MiB outputs
declare -A time_of peak_of
for size in $sizes; do
  "$build/bench/generate_sdl" "$size" > "$work/bench$size.asm"
  time_both "$size" "$work/bench$size.asm"
  time_of[$size]=${best_seconds[new]}
  peak_of[$size]=${best_peak[new]}
  verdict="(no baseline)"
  if [ -n "$baseline" ]; then
    verdict=$(compare_outputs "$work/out-new" "$work/out-base")
    [ "$verdict" = identical ] || mismatches=$((mismatches + 1))
  fi
  printf '%-9s %9s %9s %10s %10s  %s\n' "$size" "${best_seconds[new]}" "${best_peak[new]}" \
    "${best_seconds[base]:--}" "${best_peak[base]:--}" "$verdict"
done
if [ -n "${time_of[100000]:-}" ] && [ -n "${time_of[1000000]:-}" ]; then
  printf '1M / 100k: time %s x, peak %s x\n' \
    "$(awk "BEGIN{printf \"%.1f\", ${time_of[1000000]} / ${time_of[100000]}}")" \
    "$(awk "BEGIN{printf \"%.1f\", ${peak_of[1000000]} / ${peak_of[100000]}}")"
fi

if [ -n "$baseline" ]; then
  echo
  echo "golden projects, baseline against new:"
  for case_dir in "$here"/examples/demo "$here"/tests/golden/*/; do
    case_dir=${case_dir%/}
    name=$(basename "$case_dir")
    source_name=$(cat "$case_dir/expected/source" 2>/dev/null || echo "$name.asm")
    extra=()
    if [ -f "$case_dir/expected/arguments" ]; then read -r -a extra < "$case_dir/expected/arguments" || true; fi
    for side in new base; do
      program=$build/quaverton
      [ $side = base ] && program=$baseline
      rm -rf "$work/golden" "$work/golden-$side"
      mkdir -p "$work/golden" "$work/golden-$side"
      cp -r "$case_dir"/. "$work/golden"/
      rm -rf "$work/golden/expected"
      (cd "$work/golden" && "$program" --harness "$source_name" "${extra[@]}" > /dev/null 2>&1) || true
      for produced in "$work"/golden/*_Z.* "$work"/golden/*.HARNESS_LOG; do
        [ -f "$produced" ] && mv "$produced" "$work/golden-$side/"
      done
    done
    verdict=$(compare_outputs "$work/golden-new" "$work/golden-base")
    [ "$verdict" = identical ] || mismatches=$((mismatches + 1))
    printf '  %-20s %s\n' "$name" "$verdict"
  done
fi

echo
if command -v gpasm > /dev/null; then
  "$build/bench/generate_sdl" 100000 --twin > "$work/twin.asm"
  if [ -z "${time_of[100000]:-}" ]; then
    "$build/bench/generate_sdl" 100000 > "$work/bench100000.asm"
    time_both 100000 "$work/bench100000.asm"
    time_of[100000]=${best_seconds[new]}
    size=100000
  fi
  peer=""
  for run in $(seq "$runs"); do
    start=$(now)
    (cd "$work" && gpasm twin.asm > /dev/null 2>&1) || true
    end=$(now)
    seconds=$(awk "BEGIN{printf \"%.3f\", $end - $start}")
    if [ -z "$peer" ] || awk "BEGIN{exit !($seconds < $peer)}"; then peer=$seconds; fi
  done
  printf 'gpasm on the 100000-line twin (DB lines): %s s, %s x the time of this build\n' "$peer" \
    "$(awk "BEGIN{printf \"%.1f\", $peer / ${time_of[100000]}}")"
else
  echo "gpasm is not installed (package gputils): the comparison with it is skipped"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

# The image of the last source compiled, read back with its map.
best=""
kib=0
for run in $(seq "$runs"); do
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$build/quaverton" --disassemble "$work/out-new/bench${size}_Z.HEX" \
    --map "$work/out-new/bench${size}_Z.MAP" --out "$work/back.asm" --force
  read -r seconds kib < "$work/time.txt"
  if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
done
echo
printf 'disassemble the %s-line image (%s bytes of HEX): %s s, peak %s MiB\n' "$size" \
  "$(wc -c < "$work/out-new/bench${size}_Z.HEX")" "$best" "$((kib / 1024))"

if [ -x "$build/bench/window_bench" ]; then
  "$build/bench/generate_sdl" 1000000 > "$work/big.asm"
  "$build/bench/generate_sdl" 100000 > "$work/medium.asm"
  echo
  echo "window, offscreen:"
  QT_QPA_PLATFORM=offscreen "$build/bench/window_bench" "$work/big.asm" "$work/medium.asm" 2> "$work/window.log" ||
    { cat "$work/window.log" >&2; exit 1; }
fi

if [ $mismatches -ne 0 ]; then
  echo "the outputs differ from the baseline's in $mismatches place(s)" >&2
  exit 1
fi
