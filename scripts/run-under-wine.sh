#!/usr/bin/env bash
# Runs a Windows program under Wine with the build's own prefix, quietly.
# WINEPREFIX may be set by the caller; else the prefix lives beside this
# script's default build folder.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build-windows/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the programs need neither, and asking for them is slow.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
