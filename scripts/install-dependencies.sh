#!/usr/bin/env bash
# Installs, with apt-get, what is missing. "run" (the default): what building and running the
# program need. "test": that, and what the tests, the benchmarks, the fuzzer and the package
# checks need as well.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-qpa-plugins qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
  xvfb xauth
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  imagemagick xdotool poppler-utils
  dpkg-dev lintian desktop-file-utils appstream strace
  g++-mingw-w64-x86-64-posix wine64 googletest
)

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: install-dependencies.sh [run|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages need root: run as root or install them first." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
