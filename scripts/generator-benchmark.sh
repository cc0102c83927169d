#!/usr/bin/env bash
# Runs the matrix generator on a fixed table of cases, one search per case (--threads 1), seed 1,
# for SECONDS of processor time each (default 60), proves every result with `ordavex_matrices
# verify` and prints one line per case: N k p t lines lower-bound seconds (wall clock). With
# KEEP_FOLDER, the proved matrices are kept there. JOBS cases run at once (default 1); on a machine
# with that many free cores the results are the same, as each search is bounded by the processor
# time of its own thread, not by the wall clock.
# 60 s of processor time on one thread is what 60 s of wall clock give on a quiet core: the
# figures do not depend on what else the machine runs, only on the speed of one core.
# METHOD (alternating, annealing or weighted) runs every case with that search method instead of
# the generator's default.
#   [METHOD=...] scripts/generator-benchmark.sh [BUILD_FOLDER] [SECONDS] [KEEP_FOLDER] [JOBS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tool="${1:-$root/build}/ordavex_matrices"
seconds="${2:-60}"
keep="${3:-}"
jobs="${4:-1}"
method=()
if [[ -n "${METHOD:-}" ]]; then
  method=(--method "$METHOD")
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cases=(
  "24 6 5 3" "15 6 6 4" "16 7 6 4" "20 8 6 4" "18 9 7 5" "20 9 8 6" "25 10 7 5" "30 10 7 5"
  "20 10 8 5" "24 10 8 6" "15 10 8 7" "18 10 9 6" "20 10 9 6" "20 10 10 6" "18 10 10 7"
  "18 10 7 5" "20 10 8 6" "22 6 6 3" "12 6 3 3" "13 6 3 3" "22 6 3 3"
)

# Generates, proves and keeps one case; prints its line of the table.
run_case() {
  local n k p t
  read -r n k p t <<<"$1"
  local folder="$work/$n-$k-$p-$t"
  mkdir -p "$folder"
  local started summary tenths lines bound
  started=$(date +%s%N)
  summary="$("$tool" generate -n "$n" -k "$k" -p "$p" -t "$t" --seed 1 --threads 1 --cpu-seconds "$seconds" \
             --seconds 1000000 --patience 1000000000000 "${method[@]}" --out "$folder" 2>/dev/null)"
  tenths=$(( ($(date +%s%N) - started) / 100000000 ))
  lines=$(sed -n 's/.*: \([0-9]*\) lines, lower bound \([0-9]*\).*/\1/p' <<<"$summary")
  bound=$(sed -n 's/.*: \([0-9]*\) lines, lower bound \([0-9]*\).*/\2/p' <<<"$summary")
  if ! "$tool" verify "$folder"/MATRIX*.TXT --seconds 600 >/dev/null; then
    echo "$n $k $p $t: the generated matrix does not keep its guarantee" >&2
    return 1
  fi
  if [[ -n "$keep" ]]; then
    cp "$folder"/MATRIX*.TXT "$keep"/
  fi
  printf '%s %s %s %s %s %s %d.%d\n' "$n" "$k" "$p" "$t" "$lines" "$bound" $((tenths / 10)) $((tenths % 10))
}

echo "N k p t lines bound seconds"
# Each case writes its line to a file of its own, so that the table keeps the order of the cases.
index=0
failed=0
for case in "${cases[@]}"; do
  while (( $(jobs -rp | wc -l) >= jobs )); do
    wait -n || failed=1
  done
  run_case "$case" >"$work/line-$(printf '%02d' "$index")" &
  index=$((index + 1))
done
for pid in $(jobs -p); do
  wait "$pid" || failed=1
done
(( failed == 0 )) || exit 1
total=0
for line in "$work"/line-*; do
  cat "$line"
  total=$((total + $(cut -d' ' -f5 "$line")))
done
echo "total $total"
