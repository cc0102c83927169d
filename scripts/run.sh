#!/usr/bin/env bash
# Builds Ordavex and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DORDAVEX_BUILD_TESTS=OFF -DORDAVEX_BUILD_BENCH=OFF
cmake --build "$root/build-release" --target ordavex
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: starting under Xvfb." >&2
  exec xvfb-run -a "$root/build-release/ordavex" "$@"
fi
exec "$root/build-release/ordavex" "$@"
