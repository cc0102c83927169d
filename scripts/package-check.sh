#!/usr/bin/env bash
# Builds the Debian package from a Release build, lists it, checks it with lintian, unpacks it into
# a scratch root, validates its menu entry and AppStream metadata, verifies every shipped matrix with the unpacked ordavex_matrices, and starts the
# unpacked program (offscreen, under a scratch HOME) to see it take the installed layout of folders
# and make the user's folder of systems.
#   package-check.sh           builds in build-release/, the folder scripts/run.sh uses;
#   package-check.sh FOLDER    packages the optimised build (Release or RelWithDebInfo, whose debug
#                              information the package strips) already made in FOLDER: the test
#                              command hands over the build of its tests, so the package costs no
#                              compiling.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-release}"
seconds_running="${ORDAVEX_PACKAGE_RUN_SECONDS:-4}"

for tool in dpkg-deb cpack lintian desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "package-check.sh: $tool is missing (scripts/install-dependencies.sh test installs it)" >&2
    exit 1
  fi
done

if (($# == 0)); then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORDAVEX_BUILD_TESTS=OFF -DORDAVEX_BUILD_BENCH=OFF >/dev/null
fi
if ! grep -qxE "CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo)" "$build/CMakeCache.txt" 2>/dev/null; then
  echo "package-check.sh: $build is not an optimised build" >&2
  exit 1
fi
cmake --build "$build"
rm -f "$build"/ordavex_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package="$(ls "$build"/ordavex_*.deb)"

echo "== $(basename "$package") =="
dpkg-deb --field "$package" Package Version Architecture Depends
dpkg-deb --contents "$package" | awk '{print $6}'

echo "== lintian =="
lintian --fail-on error "$package"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
unpacked="$scratch/unpacked"
dpkg-deb -x "$package" "$unpacked"
# The installation prefix is where the unpacked tool stands, one folder up from its bin/.
tool="$(find "$unpacked" -type f -name ordavex_matrices -print -quit)"
if [[ -z "$tool" ]]; then
  echo "package-check.sh: no ordavex_matrices in the package" >&2
  exit 1
fi
bin="$(dirname "$tool")"
prefix="$(dirname "$bin")"
share="$prefix/share"
matrices="$share/ordavex/SuperMatrici"

echo "== menu entry and AppStream metadata =="
desktop-file-validate "$share/applications/it.ordavex.Ordavex.desktop"
appstreamcli validate --no-net "$share/metainfo/it.ordavex.Ordavex.metainfo.xml"

unexpected="$(find "$bin" -mindepth 1 ! -name ordavex ! -name ordavex_matrices)"
if [[ -n "$unexpected" ]]; then
  echo "package-check.sh: more than the two programs under bin/:" >&2
  echo "$unexpected" >&2
  exit 1
fi

echo "== the shipped matrices, verified by the unpacked tool =="
count=0
while IFS= read -r -d '' matrix; do
  "$bin/ordavex_matrices" verify "$matrix" >"$scratch/verify.log" 2>&1 || {
    cat "$scratch/verify.log" >&2
    echo "package-check.sh: $(basename "$matrix") does not hold its guarantee" >&2
    exit 1
  }
  count=$((count + 1))
done < <(find "$matrices" -type f -name '*.TXT' -print0)
if ((count == 0)); then
  echo "package-check.sh: no matrix in the package" >&2
  exit 1
fi
echo "$count matrices hold their guarantees."

echo "== the unpacked program, started as a user would =="
home="$scratch/home"
mkdir -p "$home"
run=(env -i "PATH=$PATH" "HOME=$home" QT_QPA_PLATFORM=offscreen "$bin/ordavex")
trace=()
if command -v strace >/dev/null; then trace=(strace -f -qq -e trace=%file -o "$scratch/files.log"); fi
status=0
timeout "$seconds_running" "${trace[@]}" "${run[@]}" >"$scratch/run.log" 2>&1 || status=$?
if ((status != 124)); then
  cat "$scratch/run.log" >&2
  echo "package-check.sh: the program ended by itself (status $status) instead of running" >&2
  exit 1
fi
if [[ ! -d "$home/Documents/Ordavex/Costruzioni" ]]; then
  echo "package-check.sh: the user's folder of systems was not made" >&2
  exit 1
fi
echo "Made the user's folder of systems: ~/Documents/Ordavex/Costruzioni"
if ((${#trace[@]} > 0)); then
  # Without "Shared/" beside it the program takes the installed layout of folders.
  if ! grep -q "usr/bin/Shared" "$scratch/files.log"; then
    echo "package-check.sh: the program did not look for a portable layout beside it" >&2
    exit 1
  fi
  echo "Took the installed layout: no usr/bin/Shared, matrices from usr/share/ordavex/SuperMatrici"
fi
echo "Package checks passed."
