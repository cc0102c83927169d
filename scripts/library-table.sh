#!/usr/bin/env bash
# Prints the table of the shipped matrices that docs/generator.md holds between its markers
# "<!-- library table -->" and "<!-- end of library table -->", read from the folder itself: one row
# per numbers per line, guarantee and fixed numbers (longest lines first), one column per N, each
# cell the lines of that matrix ("." where none is shipped).
#   scripts/library-table.sh [FOLDER]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="${1:-$root/Shared/SuperMatrici}"
find "$folder" -type f -iname 'MATRIX*.TXT' | while read -r file; do
  name="$(basename "$file")"
  lines=$(grep -c '[0-9]' "$file")
  length=$((10#${name:6:2}))
  drawn=$((10#${name:9:2}))
  points="${name#*V}"; points="${points:0:1}"
  numbers="${name#*_N}"; numbers=$((10#${numbers:0:2}))
  fixed=0
  if [[ "$name" == *_F[0-9]* ]]; then fixed="${name#*_F}"; fixed="${fixed:0:1}"; fi
  echo "$length $drawn $points $fixed $numbers $lines"
done | awk '
  {
    row = sprintf("%02d %02d %d %d", 100 - $1, $2, $3, $4)
    rows[row] = 1; cell[row, $5] = $6; used[$5] = 1
    label[row] = $1 " | " $3 " if " $2 ($4 > 0 ? " (" $4 " fixed)" : "")
  }
  END {
    n = 0
    for (c = 1; c <= 90; c++) if (c in used) columns[++n] = c
    header = "| k | guarantee |"; rule = "|---|---|"
    for (i = 1; i <= n; i++) { header = header " " columns[i] " |"; rule = rule "---|" }
    print header; print rule
    count = 0
    for (r in rows) sorted[++count] = r
    for (i = 2; i <= count; i++) { v = sorted[i]; for (j = i - 1; j >= 1 && sorted[j] > v; j--) sorted[j + 1] = sorted[j]; sorted[j + 1] = v }
    for (i = 1; i <= count; i++) {
      r = sorted[i]; line = "| " label[r] " |"
      for (j = 1; j <= n; j++) line = line " " ((r, columns[j]) in cell ? cell[r, columns[j]] : ".") " |"
      print line
    }
  }'
