#!/usr/bin/env bash
# Installs the Debian packages Quaverton needs. Does nothing when every
# package is already present.
#   install-deps.sh program   what building the program takes (compiler, CMake, Ninja, Qt)
#   install-deps.sh [all]     that, plus what the tests, the package, the tools and the
#                             Windows build need
set -euo pipefail

program_packages=(
  g++ cmake ninja-build make
  qt6-base-dev
)
test_packages=(
  googletest libgtest-dev libgmock-dev
  fonts-dejavu-core
  clang libclang-rt-14-dev
  srecord time dpkg-dev lintian
  gputils
)

# The Windows build and its tests (make windows, make test-windows): the
# MinGW-w64 cross compiler with POSIX threads, for std::thread and friends,
# Wine to run the programs, and a virtual display for the window tests; the
# program icon drawn from its SVG (rsvg-convert, icotool); the packages (zip,
# NSIS) and the screenshot (xdotool for its F5, ImageMagick's import).
windows_packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine64 xvfb xauth
  librsvg2-bin icoutils
  zip unzip nsis
  imagemagick xdotool
)

case "${1:-all}" in
  program) packages=("${program_packages[@]}") ;;
  all) packages=("${program_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 [program|all]" >&2; exit 1 ;;
esac

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
