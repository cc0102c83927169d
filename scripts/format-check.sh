#!/usr/bin/env bash
# Fails when a C++ file of the repository is not laid out as .clang-format says; prints the files.
# `clang-format -i FILE` lays a file out.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
fi
unformatted=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done
if ((${#unformatted[@]} > 0)); then
  echo "format-check.sh: not laid out as .clang-format says (clang-format -i lays them out):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "Layout: ${#files[@]} files as .clang-format says."
