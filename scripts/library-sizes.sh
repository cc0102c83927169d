#!/usr/bin/env bash
# Writes the lines of every shipped matrix, one "NAME LINES" per line by name, to
# tests/core/guarantee/shipped_sizes.txt: the ceilings the test suite holds the library to, so
# that a remade matrix never has more lines than the one shipped before it and none is dropped.
# Run it after a remake of the library; a matrix that grew or went missing stops it, with
# nothing written.
#   scripts/library-sizes.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
library="$root/Shared/SuperMatrici"
sizes="$root/tests/core/guarantee/shipped_sizes.txt"
declare -A now
while IFS= read -r -d '' file; do
  now["$(basename "$file")"]=$(grep -c '[0-9]' "$file")
done < <(find "$library" -type f -name 'MATRIX*.TXT' -print0)
failed=0
if [[ -f "$sizes" ]]; then
  while read -r name lines; do
    if [[ -z "${now[$name]:-}" ]]; then
      echo "$name: shipped before with $lines lines, missing now" >&2; failed=1
    elif (( now[$name] > lines )); then
      echo "$name: ${now[$name]} lines, shipped before with $lines" >&2; failed=1
    fi
  done < "$sizes"
fi
(( failed == 0 )) || exit 1
for name in "${!now[@]}"; do echo "$name ${now[$name]}"; done | LC_ALL=C sort > "$sizes.new"
mv "$sizes.new" "$sizes"
