#!/usr/bin/env bash
# Builds the fuzz target of the combination file routines with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time, starting from the corpus kept in
# fuzz/corpus. Exits non-zero on any finding; the input that caused it is left in build-fuzz/.
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

# The target writes each input to a file: in memory when the system offers it.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
# New inputs go to a scratch folder: the committed corpus is only read.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
log="$scratch/fuzz.log"
status=0
ASAN_OPTIONS=detect_leaks=0 "$build/combination_file_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
  -artifact_prefix="$build/" "$scratch" "$root/fuzz/corpus" >"$log" 2>&1 || status=$?
grep -E '^(INFO: seed corpus|#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
if ((status != 0)); then
  tail -n 40 "$log" >&2
  echo "fuzz.sh: finding (exit status $status)" >&2
  exit "$status"
fi
echo "Fuzzing: no finding in ${seconds} s."
