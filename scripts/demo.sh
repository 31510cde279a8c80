#!/usr/bin/env bash
# Compiles the bundled example project headless and shows what came out.
set -uo pipefail
program=${1:-build/quaverton}
source_file=examples/demo/demo.asm
out_dir=${DEMO_OUT_DIR:-build/demo-out}

"$program" --harness "$source_file" --suffix _Z --out-dir "$out_dir"
code=$?
echo "quaverton --harness $source_file --suffix _Z --out-dir $out_dir: exit code $code"
echo
echo "Outputs in $out_dir:"
ls -l "$out_dir"
echo
echo "Harness log (examples/demo/demo_Z.HARNESS_LOG):"
tr -d '\r' < examples/demo/demo_Z.HARNESS_LOG
echo
echo "Handle map (demo_Z.MAP):"
tr -d '\r' < "$out_dir/demo_Z.MAP"
echo
echo "First lines of the listing (demo_Z.LST):"
tr -d '\r' < "$out_dir/demo_Z.LST" | head -n 20
exit $code
