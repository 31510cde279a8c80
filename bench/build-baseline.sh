#!/usr/bin/env bash
# Builds the program of an earlier commit, for the benchmark to run beside
# the current one: the commit's tree unpacked into DIR/source, built in
# DIR/build without tests or window. Prints the program's path. A tree
# already unpacked for the same commit is built again only where it changed.
#   build-baseline.sh REF DIR
set -euo pipefail
ref=${1:?usage: build-baseline.sh REF DIR}
dir=${2:?usage: build-baseline.sh REF DIR}
commit=$(git rev-parse --verify "$ref^{commit}")

mkdir -p "$dir"
dir=$(realpath "$dir")
if [ "$(cat "$dir/commit" 2>/dev/null)" != "$commit" ]; then
  rm -rf "$dir/source" "$dir/commit"
  mkdir -p "$dir/source"
  git archive "$commit" | tar -x -C "$dir/source"
  echo "$commit" > "$dir/commit"
fi
if command -v ccache > /dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
{
  cmake -S "$dir/source" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUAVERTON_TESTS=OFF -DQUAVERTON_WITH_WINDOW=OFF -DQUAVERTON_PRECOMPILED_HEADERS=OFF &&
    cmake --build "$dir/build" --target quaverton
} > "$dir/build.log" 2>&1 || { tail -n 30 "$dir/build.log" >&2; exit 1; }
echo "$dir/build/quaverton"
