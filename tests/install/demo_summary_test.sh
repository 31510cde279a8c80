#!/usr/bin/env bash
# Runs the demo's summary on a copy of the example project and checks that
# it names the four outputs with their sizes, the counts and the log.
#   demo_summary_test.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$source_dir/examples/demo" "$work/demo"
summary=$(cd "$source_dir" && bash scripts/demo.sh "$program" "$work/demo/demo.asm" "$work/out")
echo "$summary"
for extension in HEX MAP LST SYM; do
  grep -q -E "$work/out/demo_Z\.$extension +[0-9]+ bytes" <<< "$summary" || { echo "no size for demo_Z.$extension"; exit 1; }
done
grep -q '^0 warning(s), 0 error(s)$' <<< "$summary" || { echo "no counts"; exit 1; }
grep -q "^Full log: $work/demo/demo_Z.HARNESS_LOG$" <<< "$summary" || { echo "no log path"; exit 1; }
