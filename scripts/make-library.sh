#!/usr/bin/env bash
# Remakes the matrices of Shared/SuperMatrici, one folder per numbers per line ("Combinazioni da 5
# numeri" ... "Combinazioni da 10 numeri"): each case below is generated with one search
# (--threads 1), seed 1, for the seconds of processor time given (less when the search reaches its
# lower bound; the wall clock may be longer on a busy machine, the result is the same), starting
# from the library's own matrices of nearby plays where they lead, proved with
# `ordavex_matrices verify`, and written over the shipped file only when it has fewer lines.
# Matrices of more than 300 lines, or of one line, are not shipped, and a play whose lower bound
# passes 300 lines is not even tried. With MADE_FOLDER, a matrix found there under its name is taken
# instead of generated (scripts/generator-benchmark.sh keeps its matrices, made by the same recipe
# for 60 seconds of processor time, in such a folder). With NAMES (a shell pattern such as
# 'MATRIX10_10_V7_*'), only the matching files are remade. LIBRARY_MOST_SECONDS caps the seconds of
# every case, for a quick remake; LIBRARY_ONLY_NEW=1 makes only the files not shipped yet, and
# LIBRARY_LEAST_LINES=L remakes only the shipped files of at least L lines (and the missing ones).
# Afterwards scripts/library-sizes.sh records the new sizes for the test suite.
#   scripts/make-library.sh [BUILD_FOLDER] [MADE_FOLDER] [NAMES]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tool="${1:-$root/build}/ordavex_matrices"
library="$root/Shared/SuperMatrici"
most_lines=300
most_seconds="${LIBRARY_MOST_SECONDS:-}"
only_new="${LIBRARY_ONLY_NEW:-}"
least_lines="${LIBRARY_LEAST_LINES:-0}"
# The plays (k p t F) whose matrix of some N passed 300 lines: their larger N are not tried.
declare -A too_large
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# N k p t seconds [F: numbers fixed in every line, 0 when absent]
cases=(
  # the matrices of shorter lines
  "24 6 5 3 60" "15 6 6 4 60" "16 7 6 4 60" "20 8 6 4 60" "18 9 7 5 60" "20 9 8 6 60"
  # lines of 10 numbers
  "12 10 7 5 60" "12 10 7 6 60" "12 10 8 5 60" "12 10 8 6 60" "12 10 9 6 60" "12 10 10 6 60" "12 10 10 7 60"
  "14 10 7 5 60" "14 10 8 5 60" "14 10 8 6 60" "14 10 9 6 60" "14 10 10 6 60" "14 10 10 7 60"
  "15 10 7 5 60" "15 10 8 5 60" "15 10 8 6 60" "15 10 8 7 60" "15 10 9 6 60" "15 10 10 6 60" "15 10 10 7 60"
  "16 10 7 5 60" "16 10 8 5 60" "16 10 8 6 60" "16 10 9 6 60" "16 10 10 6 60" "16 10 10 7 60"
  "18 10 7 5 60" "18 10 8 5 60" "18 10 8 6 60" "18 10 9 6 60" "18 10 10 6 60" "18 10 10 7 60"
  "20 10 7 5 60" "20 10 8 5 60" "20 10 8 6 60" "20 10 9 6 60" "20 10 10 6 60" "20 10 10 7 90"
  "22 10 7 5 90" "22 10 8 5 60" "22 10 8 6 90" "22 10 9 6 90" "22 10 10 6 90" "22 10 10 7 60"
  "24 10 7 5 90" "24 10 8 5 90" "24 10 8 6 60" "24 10 9 6 90" "24 10 10 6 90" "24 10 10 7 60"
  "25 10 7 5 60" "25 10 8 5 90" "25 10 8 6 60" "25 10 9 6 60" "25 10 10 6 90" "25 10 10 7 600"
  "27 10 7 5 90" "27 10 8 5 90" "27 10 9 6 90" "27 10 10 6 150"
  "30 10 7 5 60" "30 10 8 5 90" "30 10 10 6 120"
  # lines of 10 numbers with 1 or 2 numbers fixed in every line
  "16 10 8 6 60 1" "16 10 10 7 60 1" "18 10 8 6 60 1" "18 10 10 7 60 1" "20 10 8 6 60 1" "20 10 10 7 60 1"
  "22 10 8 6 60 1" "22 10 10 7 60 1" "24 10 8 6 60 1" "24 10 10 7 60 1"
  "16 10 8 6 60 2" "16 10 10 7 60 2" "18 10 8 6 60 2" "18 10 10 7 60 2" "20 10 8 6 60 2" "20 10 10 7 60 2"
  "22 10 8 6 60 2" "22 10 10 7 60 2" "24 10 8 6 60 2" "24 10 10 7 60 2"
)

# The guarantees of every line length, for every N from k + 2 to 30, 60 seconds each unless a case
# above gives its own.
guarantees=(
  "10: 7 5, 8 5, 8 6, 9 6, 10 6, 9 7, 10 7"
  "9: 7 5, 8 5, 8 6, 9 6, 9 7"
  "8: 6 5, 7 5, 8 5, 7 6, 8 6"
  "7: 5 4, 6 4, 7 4, 6 5, 7 5"
  "6: 4 3, 5 3, 5 4, 6 4, 6 5"
  "5: 3 3, 4 3, 5 3, 4 4, 5 4"
)
declare -A listed
for case in "${cases[@]}"; do
  read -r n k p t _ fixed <<<"$case"
  listed["$n $k $p $t ${fixed:-0}"]=1
done
for row in "${guarantees[@]}"; do
  k="${row%%:*}"
  IFS=',' read -ra pairs <<<"${row#*:}"
  for pair in "${pairs[@]}"; do
    read -r p t <<<"$pair"
    for ((n = k + 2; n <= 30; n++)); do
      (( p <= n )) || continue
      [[ -z "${listed["$n $k $p $t 0"]:-}" ]] || continue
      cases+=("$n $k $p $t 60")
    done
  done
done

made_folder="${2:-}"
names="${3:-*}"
for case in "${cases[@]}"; do
  read -r n k p t seconds fixed <<<"$case"
  fixed="${fixed:-0}"
  if [[ -n "$most_seconds" ]] && (( seconds > most_seconds )); then seconds="$most_seconds"; fi
  name="$(printf 'MATRIX%02d_%02d_V%d_N%02d' "$k" "$p" "$t" "$n")"
  if (( fixed > 0 )); then name="${name}_F$fixed"; fi
  name="$name.TXT"
  # shellcheck disable=SC2053 # the pattern is meant to match
  [[ "$name" == $names ]] || continue
  folder="$library/Combinazioni da $k numeri"
  mkdir -p "$folder"
  if [[ -n "$only_new" && -f "$folder/$name" ]]; then continue; fi
  if [[ -f "$folder/$name" ]] && (( $(grep -c . "$folder/$name") < least_lines )); then continue; fi
  if [[ -n "${too_large["$k $p $t $fixed"]:-}" ]] && (( n > ${too_large["$k $p $t $fixed"]} )); then
    echo "$name: a matrix of fewer numbers passed $most_lines lines, not tried"
    continue
  fi
  bound=$("$tool" bound -n $((n - fixed)) -k $((k - fixed)) -p $((p - fixed)) -t $((t - fixed)))
  if (( bound > most_lines )); then
    echo "$name: at least $bound lines, not tried"
    continue
  fi
  made="$work/$name"
  rm -f "$work"/*.TXT
  if [[ -n "$made_folder" && -f "$made_folder/$name" ]]; then
    cp "$made_folder/$name" "$made"
  else
    "$tool" generate -n "$n" -k "$k" -p "$p" -t "$t" --fixed "$fixed" --seed 1 --threads 1 --cpu-seconds "$seconds" \
      --seconds 1000000 --patience 1000000000000 --library "$library" --out "$work" >/dev/null
  fi
  "$tool" verify "$made" --seconds 600 >/dev/null || { echo "$name: does not keep its guarantee" >&2; exit 1; }
  lines=$(grep -c . "$made")
  shipped=$(if [[ -f "$folder/$name" ]]; then grep -c . "$folder/$name"; else echo none; fi)
  if (( lines > most_lines )); then
    echo "$name: $lines lines, more than $most_lines, not shipped"
    too_large["$k $p $t $fixed"]="$n"
  elif (( lines < 2 )); then
    echo "$name: one line, not shipped"
  elif [[ "$shipped" == none ]] || (( lines < shipped )); then
    cp "$made" "$folder/$name"
    echo "$name: $lines lines (shipped: $shipped)"
  else
    echo "$name: $lines lines, shipped $shipped kept"
  fi
done
