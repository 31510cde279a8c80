#!/usr/bin/env bash
# Takes the README's picture of the Win32 workbench: quaverton.exe under Wine
# on a virtual display, opened with a copy of the bundled example and
# compiled with F5, captured whole with ImageMagick's import. A prefix of
# its own, made afresh, so that no stored settings or placement show.
#   screenshot-windows.sh [BUILD] [PICTURE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
picture=$(realpath -m "${2:-$root/docs/workbench-windows.png}")
size=1180x720
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

export WINEPREFIX=$build/screenshot-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"

display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$display
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
log=$build/screenshot-wine.log
"$wine" wineboot --init >"$log" 2>&1

# The example in a folder of its own on drive C:, so the window shows a
# plain path and the compile writes nowhere in the source tree.
project=$WINEPREFIX/drive_c/Projects/demo
mkdir -p "$project"
cp "$root/examples/demo/demo.asm" "$root/examples/demo/demo_waves.inc" "$project/"
program="Z:${build//\//\\}\\quaverton.exe"
# Wine draws the frames itself on a desktop of its own, as Windows would.
"$wine" explorer "/desktop=Quaverton,$size" "$program" 'C:\Projects\demo\demo.asm' >>"$log" 2>&1 &
started=$!

# The window has opened once its start-up trace says so.
opened=""
for _ in $(seq 120); do
  opened=$(find "$WINEPREFIX/drive_c/users" -name Quaverton_Startup.log -exec grep -l "OnInitDialog complete" {} + \
    2>/dev/null || true)
  [ -n "$opened" ] && break
  if ! kill -0 "$started" 2>/dev/null || grep -qs "this build has no window" \
    "$(find "$WINEPREFIX/drive_c/users" -name Quaverton_Startup.log 2>/dev/null | head -1)"; then
    echo "screenshot-windows: quaverton.exe showed no window (see $log)" >&2
    exit 1
  fi
  sleep 0.5
done
if [ -z "$opened" ]; then
  echo "screenshot-windows: no window within a minute (see $log)" >&2
  exit 1
fi
sleep 2
# A click in the middle of the screen (the editor) gives the window the
# keyboard, with no window manager to do it; then F5 as the user presses it.
width=${size%x*}
height=${size#*x}
xdotool mousemove $((width / 2)) $((height / 2)) click 1
sleep 0.5
xdotool key F5
sleep 5

# The desktop around the window is cut off.
mkdir -p "$(dirname "$picture")"
import -display "$DISPLAY" -window root "$picture.whole.png"
convert "$picture.whole.png" -trim +repage "$picture.part.png"
rm -f "$picture.whole.png"
mv "$picture.part.png" "$picture"
echo "Saved $picture"
