#!/usr/bin/env bash
# The Windows packages under Wine: the zip holds what it promises; the
# installer installs silently into the folder given with /D=, with its
# Start-menu entry, programs-list entry and .asm verb; the installed console
# program compiles the example to the bytes expected of it; the uninstaller
# removes exactly what was installed and leaves the user's files.
#   windows_package_test.sh BUILD VERSION SOURCE
set -euo pipefail
build=$(realpath "$1")
version=$2
source=$(realpath "$3")
wine=$source/scripts/run-under-wine.sh
export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix}
name=quaverton-$version
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

bash "$source/scripts/package-windows.sh" "$build" "$version" >/dev/null

files=(README.txt quaverton.exe quaverton.com docs/language.md examples/demo/demo.asm examples/demo/demo_waves.inc
  include/QVX5_SND_CMD.INC include/QVX5_SND_MACS.INC)
expected_zip=$(for file in "${files[@]}"; do echo "$name/$file"; done | sort)
listed=$(unzip -Z1 "$build/$name-win64.zip" | grep -v '/$' | sort)
[ "$listed" = "$expected_zip" ] || fail "the zip holds: $listed"

work=$build/package-test
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
target=$work/Quaverton
windows_target="Z:${target//\//\\}"

registry_has() { "$wine" reg query "$1" >/dev/null 2>&1; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quaverton'
verb_key='HKLM\Software\Classes\SystemFileAssociations\.asm\shell\Quaverton'
shortcut() { find "$WINEPREFIX/drive_c" -name Quaverton.lnk -path '*Start Menu*' 2>/dev/null; }

"$wine" "$build/$name-setup.exe" /S "/D=$windows_target" || fail "the installer ended with $?"
for file in "${files[@]}" uninstall.exe; do
  [ -f "$target/$file" ] || fail "not installed: $file"
done
registry_has "$uninstall_key" || fail "no entry in the programs list"
registry_has "$verb_key" || fail "no Open with Quaverton for .asm"
[ -n "$(shortcut)" ] || fail "no Start-menu entry"

demo=$target/examples/demo
status=0
"$wine" "$target/quaverton.com" --harness "Z:${demo//\//\\}\\demo.asm" || status=$?
[ "$status" = "$(cat "$source/examples/demo/expected/exit_code")" ] || fail "the installed program ended with $status"
for output in HEX LST SYM MAP; do
  cmp -s "$demo/demo_Z.$output" "$source/examples/demo/expected/demo_Z.$output" || fail "demo_Z.$output differs"
done

# The uninstaller runs from a copy of itself and returns at once: wait for
# it to have removed itself.
"$wine" "$target/uninstall.exe" /S || fail "the uninstaller ended with $?"
for _ in $(seq 120); do
  [ -e "$target/uninstall.exe" ] || break
  sleep 0.5
done
left=$(cd "$target" && find . -type f | sed 's|^\./||' | sort)
expected_left=$(printf '%s\n' demo_Z.HARNESS_LOG demo_Z.HEX demo_Z.LST demo_Z.MAP demo_Z.SYM | sed 's|^|examples/demo/|')
[ "$left" = "$expected_left" ] || fail "left after uninstalling: $left"
[ -d "$target/docs" ] && fail "the docs folder stayed"
registry_has "$uninstall_key" && fail "the programs-list entry stayed"
registry_has "$verb_key" && fail "the .asm verb stayed"
[ -z "$(shortcut)" ] || fail "the Start-menu entry stayed"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "zip, silent install, installed compile and uninstall: as expected"
