#!/usr/bin/env bash
# Regenerates the expected outputs of every golden project and of every SDL
# case in tests/cases after an intended change; review the diff before
# committing it. The argument is the program of a build with its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/quaverton}")

for case_dir in examples/demo tests/golden/*/; do
  case_dir=${case_dir%/}
  source_name=$(cat "$case_dir/expected/source" 2>/dev/null || echo "$(basename "$case_dir").asm")
  extra=()
  if [ -f "$case_dir/expected/arguments" ]; then read -r -a extra < "$case_dir/expected/arguments" || true; fi
  work=$(realpath "$(mktemp -d)")
  cp -r "$case_dir"/. "$work"/
  rm -rf "$work/expected"
  set +e
  (cd "$work" && "$program" --harness "$source_name" "${extra[@]}")
  code=$?
  set -e
  mkdir -p "$case_dir/expected"
  find "$case_dir/expected" -type f ! -name source ! -name arguments -delete
  echo "$code" > "$case_dir/expected/exit_code"
  for produced in "$work"/*_Z.* "$work"/*.HARNESS_LOG; do
    # Paths the program resolved lose the run folder, as the golden test cuts it.
    [ -f "$produced" ] && sed "s|$work/||g" "$produced" > "$case_dir/expected/$(basename "$produced")"
  done
  rm -rf "$work"
  echo "$case_dir: exit code $code"
done

# The cases' own test rewrites the expected files that exist.
QUAVERTON_UPDATE_CASES=1 "$(dirname "$program")/tests/test_compile" --gtest_filter='Cases/CaseFile.*' --gtest_brief=1
echo "tests/cases: expected files rewritten"
