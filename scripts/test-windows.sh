#!/usr/bin/env bash
# Runs the Windows build's test programs under Wine: every suite that needs
# no Qt, the harness suite with the golden projects through
# quaverton.exe --harness among them. Any failure fails the run.
set -euo pipefail
build=$(realpath "${1:-build-windows}")
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# The window's tests need a display: a virtual one unless the caller has
# one. It comes first, so that Wine's desktop process starts on it.
if [[ -z ${DISPLAY:-} ]] && command -v Xvfb >/dev/null; then
  for number in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
    Xvfb ":$number" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    break
  done
  for _ in $(seq 1 50); do [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break; sleep 0.1; done
fi
stop_display() { [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true; }
trap stop_display EXIT

# The prefix is made once (the slow part of Wine's first start) and kept in
# the build folder; one server then stays up for the whole run, so that
# each test program starts at once.
start=$(date +%s)
mkdir -p "$WINEPREFIX"
"$wineserver" -k 2>/dev/null || true  # one left over from an interrupted run
# Its output goes nowhere, so that it holds no pipe of the caller open.
"$wineserver" -p >/dev/null 2>&1
trap '"$wineserver" -k 2>/dev/null || true; stop_display' EXIT
if ! "$wine" wineboot --init >"$build/wineboot.log" 2>&1; then
  cat "$build/wineboot.log"
  exit 1
fi
echo "Wine ready in $(( $(date +%s) - start )) s"

# Further arguments go to ctest (-R PATTERN for a few programs).
ctest --test-dir "$build" --output-on-failure -j "${JOBS:-2}" "${@:2}"
