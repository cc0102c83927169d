#!/usr/bin/env bash
# Builds Ordavex and runs the whole test suite headless: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer; on Debian, the checks of the package and the
# Windows cross build, its tests run under Wine, in between.
# Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-dependencies.sh" test
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc 2>/dev/null || echo 2)"
started=$SECONDS
# Each stage's heading carries the seconds spent so far, so a slow stage shows in the log.
stage() { echo "== $1 (at $((SECONDS - started)) s) =="; }

run_suite() {
  local folder="$1"; shift
  cmake -S "$root" -B "$root/$folder" -G Ninja -DORDAVEX_WERROR=ON "$@"
  cmake --build "$root/$folder" -j "$jobs"
  ctest --test-dir "$root/$folder" --output-on-failure -j "$jobs" --timeout 300
}

stage "Layout of the code"
"$root/scripts/format-check.sh"
stage "Tests"
run_suite build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
if command -v dpkg-deb >/dev/null; then
  stage "Debian package"
  # Made from the very programs the tests ran against: optimised as a Release build, their debug
  # information stripped in the package.
  "$root/scripts/package-check.sh" "$root/build-tests"
fi
stage "Windows build under Wine"
"$root/scripts/windows-check.sh" "$root/build-windows"
stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORDAVEX_SANITIZE=ON -DORDAVEX_BUILD_BENCH=OFF
if [[ -x "$root/scripts/fuzz.sh" ]]; then
  stage "Fuzzing"
  "$root/scripts/fuzz.sh"
fi
echo "All tests passed in $((SECONDS - started)) s."
