#!/usr/bin/env bash
# Installs the build into a temporary prefix, and packs and unpacks it as a
# Debian package; checks that each holds the shipped files and that its
# program compiles the example project to the reference outputs, and that
# lintian finds nothing wrong with the package.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build_dir=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shipped=(
  bin/quaverton
  share/man/man1/quaverton.1.gz
  share/applications/quaverton.desktop
  share/icons/hicolor/scalable/apps/quaverton.svg
  share/doc/quaverton/language.md
  share/doc/quaverton/copyright
  share/doc/quaverton/changelog.gz
  share/doc/quaverton/include/QVX5_SND_CMD.INC
  share/doc/quaverton/examples/demo/demo.asm
  share/doc/quaverton/examples/demo/demo_waves.inc
)

# Every shipped file is in PREFIX, and its program compiles its own copy of
# the example as the reference says.
check_tree() {
  local prefix=$1 name=$2
  for file in "${shipped[@]}"; do
    [ -f "$prefix/$file" ] || { echo "$name: $file is missing"; exit 1; }
  done
  local project=$work/$name-project
  cp -r "$prefix/share/doc/quaverton/examples/demo" "$project"
  "$prefix/bin/quaverton" --harness "$project/demo.asm" || { echo "$name: the example does not compile"; exit 1; }
  for extension in HEX MAP LST SYM; do
    cmp "$project/demo_Z.$extension" "$source_dir/examples/demo/expected/demo_Z.$extension" ||
      { echo "$name: demo_Z.$extension differs from the reference"; exit 1; }
  done
  echo "$name: all files in place, the example compiles to the reference outputs"
}

cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null
check_tree "$work/prefix" install

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" > /dev/null
package=$(ls "$work"/deb/*.deb)
dpkg-deb -x "$package" "$work/root"
check_tree "$work/root/usr" "$(basename "$package")"

lintian --fail-on error,warning "$package" || { echo "lintian finds errors or warnings in $(basename "$package")"; exit 1; }
echo "$(basename "$package"): lintian finds no errors and no warnings"
