#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted by .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || true)
if [ "${#files[@]}" -eq 0 ]; then
  mapfile -t files < <(find src tests bench tools -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
[ "${#files[@]}" -eq 0 ] || clang-format --dry-run -Werror "${files[@]}"
