#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each, from the seed
# corpus in the repository. New inputs and findings stay in the build
# folder; any finding makes the run fail.
# Usage: run.sh BUILD_FOLDER SECONDS
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds per target}
here=$(cd "$(dirname "$0")" && pwd)
work=$build/fuzz-work

# target, longest input in bytes
targets=(
  "fuzz_compile 65536"
  "fuzz_disassemble 65536"
  "fuzz_expression 4096"
  "fuzz_text_file 65536"
)

passed=0
failed=0
for entry in "${targets[@]}"; do
  read -r target max_len <<<"$entry"
  binary=$build/fuzz/$target
  corpus=$work/corpus/$target
  artifacts=$work/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  options=(-max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -timeout=10
           -artifact_prefix="$artifacts/" -print_final_stats=1)
  dictionary=$here/${target#fuzz_}.dict
  [ -f "$dictionary" ] && options+=(-dict="$dictionary")
  echo "== $target for ${seconds}s"
  if [ -x "$binary" ] && "$binary" "${options[@]}" "$corpus" "$here/corpus/$target" 2>"$work/$target.log"; then
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$work/$target.log"
    passed=$((passed + 1))
  else
    tail -n 60 "$work/$target.log" 2>/dev/null || echo "$binary is missing"
    ls "$artifacts"
    failed=$((failed + 1))
  fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
