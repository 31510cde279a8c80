#!/usr/bin/env bash
# Compiles an example project headless and sums up what came out: the files
# written with their sizes, the warnings and errors, and where the full log is.
#   demo.sh [PROGRAM] [SOURCE] [OUT_DIR]
set -uo pipefail
program=${1:-build/quaverton}
source_file=${2:-examples/demo/demo.asm}
out_dir=${3:-build/demo-out}
suffix=_Z
base=$(basename "${source_file%.*}")
log=${source_file%.*}$suffix.HARNESS_LOG

"$program" --harness "$source_file" --suffix "$suffix" --out-dir "$out_dir"
code=$?
verdict=$(sed -n '2{s/\r$//;p}' "$log" 2>/dev/null)
echo
echo "quaverton --harness $source_file: ${verdict:-no log written} (exit code $code)"
for extension in HEX MAP LST SYM; do
  file=$out_dir/$base$suffix.$extension
  if [ -f "$file" ]; then
    printf '  %-40s %8d bytes\n' "$file" "$(stat -c %s "$file")"
  else
    printf '  %-40s not written\n' "$file"
  fi
done

# Messages follow the log's four header lines; notes are the definitions
# seen and the include files used, as the console counts them.
messages=$(tail -n +5 "$log" 2>/dev/null | tr -d '\r' |
  grep -v -E -e '^(Define: |Using bundled include )' -e '^Using .* \(letter case differs\)$')
errors=$(grep -c -i '^ERROR:' <<< "$messages")
warnings=$(grep -c -v -i -e '^ERROR:' -e '^$' <<< "$messages")
echo "$warnings warning(s), $errors error(s)"
grep -v '^$' <<< "$messages" | head -n 10 | sed 's/^/  /'
echo "Full log: $log"
exit $code
