#!/usr/bin/env bash
# Configures BUILD_DIR without tests and builds only the quaverton program,
# keeping the compiler's output in BUILD_DIR/build.log.
#   build-program.sh BUILD_DIR [JOBS]
set -uo pipefail
build_dir=${1:?usage: build-program.sh BUILD_DIR [JOBS]}
jobs=${2:-$(nproc)}
log=$build_dir/build.log

mkdir -p "$build_dir"
echo "Building quaverton in $build_dir (log: $log) ..."
start=$(date +%s)
# Optimised as the tested builds are (-O2), without their debug information,
# which only slows a first build down.
{
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DQUAVERTON_TESTS=OFF -DQUAVERTON_PRECOMPILED_HEADERS=ON &&
    cmake --build "$build_dir" -j "$jobs" --target quaverton
} > "$log" 2>&1
code=$?
if [ $code -ne 0 ]; then
  echo "The build failed; the end of $log:"
  tail -n 30 "$log"
  exit $code
fi
compiler_warnings=$(grep -c 'warning:' "$log")
echo "Built $build_dir/quaverton in $(($(date +%s) - start)) s ($compiler_warnings compiler warning(s))."
