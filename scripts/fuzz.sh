#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each for its share of a bounded time, starting from the corpus kept in the repository:
# the combination files (fuzz/corpus, inputs beyond the 64 KiB read chunk), the guarantee reader
# and checker (fuzz/corpus_guarantee), saving and loading back under any name (fuzz/corpus_save),
# the reader of archives of draws and the statistics of their numbers (fuzz/corpus_archive).
# Exits non-zero on any finding; the input that caused it is left in build-fuzz/.
# ORDAVEX_FUZZ_SECONDS sets the whole time, ORDAVEX_FUZZ_RUNS a number of executions per target
# instead (for long runs), ORDAVEX_FUZZ_TARGETS the targets to run, ORDAVEX_FUZZ_KEEP a folder that
# keeps the new inputs of each target (in a subfolder named after it; for measuring coverage).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds="${ORDAVEX_FUZZ_SECONDS:-40}"

for tool in clang++ cmake ninja; do
  if ! command -v "$tool" >/dev/null; then
    echo "fuzz.sh: $tool is missing (scripts/install-dependencies.sh installs it)" >&2
    exit 1
  fi
done

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build"

# The targets write each input to a file: in memory when the system offers it.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

# target, corpus folder, longest input, share of the time in percent
runs=(
  "combination_file_fuzzer corpus 200000 40"
  "guarantee_fuzzer corpus_guarantee 65536 20"
  "save_fuzzer corpus_save 8192 20"
  "draw_archive_fuzzer corpus_archive 200000 20"
)
selected="${ORDAVEX_FUZZ_TARGETS:-combination_file_fuzzer guarantee_fuzzer save_fuzzer draw_archive_fuzzer}"
for run in "${runs[@]}"; do
  read -r target corpus maxlen share <<<"$run"
  [[ " $selected " == *" $target "* ]] || continue
  # New inputs go to a scratch folder: the committed corpus is only read.
  if [[ -n "${ORDAVEX_FUZZ_KEEP:-}" ]]; then
    scratch="$ORDAVEX_FUZZ_KEEP/$target"
    mkdir -p "$scratch"
  else
    scratch="$(mktemp -d)"
  fi
  log="$(mktemp)"
  limit=(-max_total_time=$((seconds * share / 100 > 0 ? seconds * share / 100 : 1)))
  if [[ -n "${ORDAVEX_FUZZ_RUNS:-}" ]]; then limit=(-runs="$ORDAVEX_FUZZ_RUNS"); fi
  status=0
  ASAN_OPTIONS=detect_leaks=0 "$build/$target" \
    "${limit[@]}" -timeout=10 -rss_limit_mb=2048 -max_len="$maxlen" -print_final_stats=1 \
    -artifact_prefix="$build/$target-" "$scratch" "$root/fuzz/$corpus" >"$log" 2>&1 || status=$?
  echo "$target:"
  grep -E '^(INFO: seed corpus|#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
  if ((status != 0)); then
    tail -n 40 "$log" >&2
    rm -f "$log"
    [[ -n "${ORDAVEX_FUZZ_KEEP:-}" ]] || rm -rf "$scratch"
    echo "fuzz.sh: $target: finding (exit status $status)" >&2
    exit "$status"
  fi
  [[ -n "${ORDAVEX_FUZZ_KEEP:-}" ]] || rm -rf "$scratch"
  rm -f "$log"
done
echo "Fuzzing: no finding in ${seconds} s."
