#!/usr/bin/env bash
# Measures the lines of the core that the fuzz targets reach: builds them for coverage (clang,
# without sanitizers), runs each once over every input of its corpus kept in the repository and
# of the folder EXTRA/<target> when given (the new inputs a long run kept, see ORDAVEX_FUZZ_KEEP
# in scripts/fuzz.sh), and prints llvm-cov's summary of src/core.
#   scripts/fuzz-coverage.sh [EXTRA]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz-coverage"
extra="${1:-}"

for tool in clang++ cmake ninja llvm-profdata llvm-cov; do
  if ! command -v "$tool" >/dev/null; then
    echo "fuzz-coverage.sh: $tool is missing (scripts/install-dependencies.sh installs clang and llvm)" >&2
    exit 1
  fi
done
cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORDAVEX_FUZZ_COVERAGE=ON >/dev/null
cmake --build "$build"
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

profiles="$(mktemp -d)"
trap 'rm -rf "$profiles"' EXIT
objects=()
for run in "combination_file_fuzzer corpus 200000" "guarantee_fuzzer corpus_guarantee 65536" \
  "save_fuzzer corpus_save 8192" "draw_archive_fuzzer corpus_archive 200000"; do
  read -r target corpus maxlen <<<"$run"
  folders=("$root/fuzz/$corpus")
  if [[ -n "$extra" && -d "$extra/$target" ]]; then folders+=("$extra/$target"); fi
  LLVM_PROFILE_FILE="$profiles/$target.profraw" "$build/$target" -runs=0 -max_len="$maxlen" "${folders[@]}" \
    >/dev/null 2>&1
  objects+=(-object "$build/$target")
done
llvm-profdata merge -sparse "$profiles"/*.profraw -o "$profiles/all.profdata"
llvm-cov report -instr-profile="$profiles/all.profdata" "${objects[@]:1}" "$root/src/core" |
  awk -v root="$root/" '{ sub(root, "") } 1' | tail -n 40
