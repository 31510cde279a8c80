#!/usr/bin/env bash
# Takes the README's picture of the workbench: the real window, offscreen,
# after compiling the bundled example. Settings go to a throw-away folder so
# neither the user's settings nor the picture depend on each other.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$(realpath "${1:-$root/build/workbench_screenshot}")
picture=$(realpath -m "${2:-$root/docs/workbench.png}")
tab=${3:-lst}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$(dirname "$picture")"
cd "$root"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch" HOME="$scratch" \
  "$tool" examples/demo/demo.asm "$picture" "$tab"
echo "Saved $picture"
