#!/usr/bin/env bash
# Makes the Windows packages from a Windows build folder:
#   BUILD/quaverton-VERSION-win64.zip    the programs, the language reference,
#                                        the example, the include texts, a README
#   BUILD/quaverton-VERSION-setup.exe    the same files behind an installer
# usage: package-windows.sh BUILD VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2
source=$(cd "$(dirname "$0")/.." && pwd)
name=quaverton-$version
work=$build/package
stage=$work/$name

rm -rf "$work"
mkdir -p "$stage/docs" "$stage/include" "$stage/examples/demo"
cp "$build/quaverton.exe" "$build/quaverton.com" "$stage/"
cp "$source/docs/language.md" "$stage/docs/"
cp "$source/resources/QVX5_SND_CMD.INC" "$source/resources/QVX5_SND_MACS.INC" "$stage/include/"
cp "$source/examples/demo/demo.asm" "$source/examples/demo/demo_waves.inc" "$stage/examples/demo/"
# With Windows line ends, for whatever editor opens it.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$source/packaging/windows/README-Windows.txt" >"$stage/README.txt"

# The installer's lists of those files, made from the stage so that the
# uninstaller removes exactly what the installer puts in place.
(
  cd "$stage"
  find . -type d | sort | while read -r folder; do
    folder=${folder#.}
    echo "SetOutPath \"\$INSTDIR${folder//\//\\}\""
    find ".$folder" -maxdepth 1 -type f | sort | while read -r file; do echo "File \"$stage/${file#./}\""; done
  done >"$work/install.nsh"
  {
    find . -type f | sort | while read -r file; do
      file=${file#.}
      echo "Delete \"\$INSTDIR${file//\//\\}\""
    done
    # Deepest first; a folder that still holds a file of the user's stays.
    find . -mindepth 1 -type d | sort -r | while read -r folder; do
      folder=${folder#.}
      echo "RMDir \"\$INSTDIR${folder//\//\\}\""
    done
  } >"$work/uninstall.nsh"
)

# Each package is made under a temporary name and takes its own when whole.
zip_file=$build/$name-win64.zip
(cd "$work" && zip -q -X -r "$zip_file.part" "$name")
mv "$zip_file.part" "$zip_file"

setup_file=$build/$name-setup.exe
makensis -V2 -NOCD -DVERSION="$version" -DSTAGE="$stage" -DFILES="$work" -DICON="$build/packaging/quaverton.ico" \
  -DOUTFILE="$setup_file.part" "$source/packaging/windows/installer.nsi"
mv "$setup_file.part" "$setup_file"
echo "Made $zip_file and $setup_file"
