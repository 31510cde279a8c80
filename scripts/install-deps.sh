#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  googletest libgtest-dev libgmock-dev
  qt6-base-dev fonts-dejavu-core
  clang libclang-rt-14-dev
  srecord time
)

# The Windows build and its tests: the MinGW-w64 cross compiler (POSIX
# threads, for std::thread and friends) and Wine to run the programs.
packages+=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine64
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
