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

# The prefix is made once (the slow part of Wine's first start) and kept in
# the build folder; one server then stays up for the whole run, so that
# each test program starts at once.
start=$(date +%s)
"$wine" wineboot --init
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
echo "Wine ready in $(( $(date +%s) - start )) s"

ctest --test-dir "$build" --output-on-failure -j "${JOBS:-2}"
