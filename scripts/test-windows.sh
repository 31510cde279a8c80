#!/usr/bin/env bash
# Runs the Windows build's test programs under Wine: every suite that needs
# no Qt, the harness suite with the golden projects through
# quaverton.com --harness among them, and the zip and the
# installer (tests/install/windows_package_test.sh). Any failure fails the run.
set -euo pipefail
# The window tests need a display: a virtual one when there is none.
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a bash "$0" "$@"; fi
build=$(realpath "${1:-build-windows}")
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# The prefix is made once (the slow part of Wine's first start) and kept in
# the build folder; one server then stays up for the whole run, so that
# each test program starts at once.
start=$(date +%s)
mkdir -p "$WINEPREFIX"
"$wineserver" -k 2>/dev/null || true  # one left over from an interrupted run
# Its output goes nowhere, so that it holds no pipe of the caller open.
"$wineserver" -p >/dev/null 2>&1
trap '"$wineserver" -k 2>/dev/null || true' EXIT
if ! "$wine" wineboot --init >"$build/wineboot.log" 2>&1; then
  cat "$build/wineboot.log"
  exit 1
fi
echo "Wine ready in $(( $(date +%s) - start )) s"

# Further arguments go to ctest (-R PATTERN for a few programs).
ctest --test-dir "$build" --output-on-failure -j "${JOBS:-2}" "${@:2}"
