#!/usr/bin/env bash
# Takes the README's picture of the workbench: the real window, offscreen,
# after compiling the bundled example (the tool keeps its settings in a
# throw-away folder, so the user's settings never show).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$(realpath "${1:-$root/build/workbench_screenshot}")
picture=$(realpath -m "${2:-$root/docs/workbench.png}")
tab=${3:-lst}

mkdir -p "$(dirname "$picture")"
cd "$root"
QT_QPA_PLATFORM=offscreen "$tool" examples/demo/demo.asm "$picture" "$tab"
echo "Saved $picture"
