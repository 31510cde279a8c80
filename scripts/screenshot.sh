#!/usr/bin/env bash
# Takes the README's picture of the workbench: the real window, offscreen,
# after compiling the bundled example, on its coloured source where an ELSE
# branch is switched off (the tool keeps its settings in a throw-away folder,
# so the user's settings never show).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$(realpath "${1:-$root/build/workbench_screenshot}")
picture=$(realpath -m "${2:-$root/docs/workbench.png}")
tab=${3:-source}
first_line=${4:-70}

mkdir -p "$(dirname "$picture")"
cd "$root"
QT_QPA_PLATFORM=offscreen "$tool" examples/demo/demo.asm "$picture" "$tab" "$first_line"
echo "Saved $picture"
