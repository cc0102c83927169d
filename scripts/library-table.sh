#!/usr/bin/env bash
# Prints the README's table of the shipped matrices, read from the folder itself: each file's name,
# numbers in play, lines, numbers per line, fixed numbers and guarantee, by numbers per line (longest
# first), then by N, then by name.
#   scripts/library-table.sh [FOLDER]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="${1:-$root/Shared/SuperMatrici}"
echo "| File | N | Lines | Numbers per line | Fixed | Guarantee |"
echo "|---|---|---|---|---|---|"
find "$folder" -type f -iname 'MATRIX*.TXT' | sort | while read -r file; do
  name="$(basename "$file")"
  lines=$(grep -c '[0-9]' "$file")
  numbers=$(tr -cs '0-9' '\n' <"$file" | sed '/^$/d' | sort -n | tail -1 | sed 's/^0*//')
  length=$((10#${name:6:2}))
  drawn=$((10#${name:9:2}))
  points="${name#*V}"; points="${points:0:1}"
  fixed=0
  if [[ "$name" == *_F[0-9]* ]]; then fixed="${name#*_F}"; fixed="${fixed:0:1}"; fi
  condition="$points points if $drawn drawn"
  if (( fixed == 1 )); then condition="$condition, the fixed number among them"; fi
  if (( fixed > 1 )); then condition="$condition, the $fixed fixed numbers among them"; fi
  printf '%02d %02d %d %s\t| %s | %s | %s | %s | %s | %s |\n' "$((100 - length))" "$numbers" "$fixed" "$name" \
    "$name" "$numbers" "$lines" "$length" "$fixed" "$condition"
done | sort | cut -f2
