#!/usr/bin/env bash
# Cross-compiles the core library, the matrix tool and the core tests for 64-bit Windows with
# MinGW-w64 and runs them under Wine: the core tests, then a round of the tool as a user on
# Windows would take it (generate, verify, replace a file, refuse a read-only one, names with
# accents and a long name). Exits non-zero on any failure, and with status 3 when the tools are
# missing (scripts/install-dependencies.sh test installs them).
#   scripts/windows-check.sh [BUILD_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-windows}"
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
googletest=/usr/src/googletest
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || [[ ! -x "$wine" ]] || [[ ! -d "$googletest" ]]; then
  echo "windows-check.sh: MinGW-w64 (posix), Wine or GoogleTest's sources are missing" >&2
  exit 3
fi
jobs="$(nproc 2>/dev/null || echo 2)"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DORDAVEX_WERROR=ON -DORDAVEX_CORE_ONLY=ON -DORDAVEX_GTEST_SOURCE_DIR="$googletest"
cmake --build "$build" -j "$jobs"

scratch="$(mktemp -d)"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
echo "== Core tests under Wine =="
ORDAVEX_SOURCE_DIR="$root" "$wine" "$build/tests/ordavex_core_tests.exe" --gtest_brief=1

echo "== The matrix tool under Wine =="
tool=("$wine" "$build/ordavex_matrices.exe")
fail() { echo "windows-check.sh: $*" >&2; exit 1; }
folder="$scratch/Città più"
long="$scratch/$(printf 'L%.0s' {1..150})"
for out in "$folder" "$long"; do
  "${tool[@]}" generate -n 14 -k 6 -p 4 -t 3 --threads 2 --patience 2000 --out "$out" >/dev/null 2>&1 ||
    fail "generate into $(basename "$out") failed"
  made="$out/MATRIX06_04_V3_N14.TXT"
  [[ -f "$made" ]] || fail "no matrix written into $(basename "$out")"
  "${tool[@]}" verify "$made" >/dev/null || fail "the matrix made does not keep its guarantee"
done
made="$folder/MATRIX06_04_V3_N14.TXT"
if "${tool[@]}" generate -n 14 -k 6 -p 4 -t 3 --threads 1 --patience 10 --out "$folder" >/dev/null 2>&1; then
  fail "an existing matrix was replaced without --replace"
fi
"${tool[@]}" generate -n 14 -k 6 -p 4 -t 3 --threads 1 --patience 10 --out "$folder" --replace >/dev/null 2>&1 ||
  fail "replacing an existing matrix failed"
"${tool[@]}" verify "$made" >/dev/null || fail "the replacing matrix does not keep its guarantee"
[[ "$(find "$folder" -type f | wc -l)" == 1 ]] || fail "the replace left files beside the matrix"
chmod a-w "$made"
before="$(cat "$made")"
if "${tool[@]}" generate -n 14 -k 6 -p 4 -t 3 --threads 1 --patience 10 --out "$folder" --replace >/dev/null 2>&1; then
  fail "a read-only matrix was replaced"
fi
[[ "$(cat "$made")" == "$before" ]] || fail "a refused replace changed the read-only matrix"
echo "The Windows build passed its tests under Wine."
