#!/usr/bin/env bash
# Times a headless compile of generated sources of 10k, 100k and 1M lines:
# wall time and peak memory of the whole process. Then the disassembly of
# the largest one's image (--disassemble, target 1 s) and, when the window
# is built, the window itself on the offscreen platform
# (bench/window_bench.cpp).
set -euo pipefail
build=${1:-build}
sizes=${SIZES:-"10000 100000 1000000"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-10s %12s %14s\n' lines seconds peak_MiB
for size in $sizes; do
  "$build/bench/generate_sdl" "$size" > "$work/bench.asm"
  best=""
  peak=""
  for run in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$work/time.txt" \
      "$build/quaverton" --harness "$work/bench.asm" --out-dir "$work/out" > /dev/null || true
    read -r seconds kib < "$work/time.txt"
    if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
    peak=$kib
  done
  printf '%-10s %12s %14s\n' "$size" "$best" "$((peak / 1024))"
done

# The image of the last source compiled, read back with its map.
best=""
for run in 1 2 3; do
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$build/quaverton" --disassemble "$work/out/bench_Z.HEX" \
    --map "$work/out/bench_Z.MAP" --out "$work/back.asm" --force
  read -r seconds kib < "$work/time.txt"
  if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
done
echo
printf 'disassemble the %s-line image (%s bytes of HEX): %s s, peak %s MiB\n' "$size" \
  "$(wc -c < "$work/out/bench_Z.HEX")" "$best" "$((kib / 1024))"

if [ -x "$build/bench/window_bench" ]; then
  "$build/bench/generate_sdl" 1000000 > "$work/big.asm"
  "$build/bench/generate_sdl" 100000 > "$work/medium.asm"
  echo
  echo "window, offscreen:"
  QT_QPA_PLATFORM=offscreen "$build/bench/window_bench" "$work/big.asm" "$work/medium.asm" 2> "$work/window.log" ||
    { cat "$work/window.log" >&2; exit 1; }
fi
