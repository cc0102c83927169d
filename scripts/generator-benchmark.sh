#!/usr/bin/env bash
# Runs the matrix generator on a fixed table of cases, one search per case (--threads 1), seed 1,
# for SECONDS each (default 60), proves every result with `ordavex_matrices verify` and prints one
# line per case: N k p t lines lower-bound seconds. With KEEP_FOLDER, the proved matrices are
# kept there.
#   scripts/generator-benchmark.sh [BUILD_FOLDER] [SECONDS] [KEEP_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tool="${1:-$root/build}/ordavex_matrices"
seconds="${2:-60}"
keep="${3:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cases=(
  "24 6 5 3" "15 6 6 4" "16 7 6 4" "20 8 6 4" "18 9 7 5" "20 9 8 6" "25 10 7 5" "30 10 7 5"
  "20 10 8 5" "24 10 8 6" "15 10 8 7" "18 10 9 6" "20 10 9 6" "20 10 10 6" "18 10 10 7"
  "18 10 7 5" "20 10 8 6" "22 6 6 3" "12 6 3 3" "13 6 3 3" "22 6 3 3"
)

echo "N k p t lines bound seconds"
total=0
for case in "${cases[@]}"; do
  read -r n k p t <<<"$case"
  rm -f "$work"/*.TXT
  started=$(date +%s%N)
  summary="$("$tool" generate -n "$n" -k "$k" -p "$p" -t "$t" --seed 1 --threads 1 --seconds "$seconds" \
             --patience 1000000000000 --out "$work" 2>/dev/null)"
  tenths=$(( ($(date +%s%N) - started) / 100000000 ))
  lines=$(sed -n 's/.*: \([0-9]*\) lines, lower bound \([0-9]*\).*/\1/p' <<<"$summary")
  bound=$(sed -n 's/.*: \([0-9]*\) lines, lower bound \([0-9]*\).*/\2/p' <<<"$summary")
  if ! "$tool" verify "$work"/MATRIX*.TXT --seconds 600 >/dev/null; then
    echo "$n $k $p $t: the generated matrix does not keep its guarantee" >&2
    exit 1
  fi
  if [[ -n "$keep" ]]; then
    cp "$work"/MATRIX*.TXT "$keep"/
  fi
  printf '%s %s %s %s %s %s %d.%d\n' "$n" "$k" "$p" "$t" "$lines" "$bound" $((tenths / 10)) $((tenths % 10))
  total=$((total + lines))
done
echo "total $total"
