#!/usr/bin/env bash
# Draws the program icon from the SVG at the sizes the Windows shell asks
# for and packs them into one .ico: 16 to 48 as bitmaps, 256 as PNG inside.
#   make-icon.sh ICON.svg OUT.ico
set -euo pipefail
svg=$1
out=$2
work=$(mktemp -d "$(dirname "$out")/.icon.XXXXXX")
trap 'rm -rf "$work"' EXIT
for size in 16 32 48 256; do
  rsvg-convert --width "$size" --height "$size" --format png --output "$work/$size.png" "$svg"
done
icotool --create --output "$work/icon.ico" "$work/16.png" "$work/32.png" "$work/48.png" --raw "$work/256.png"
# Whole or not at all: a build stopped half way leaves no broken icon.
mv "$work/icon.ico" "$out"
