#!/usr/bin/env bash
# Builds the benchmark programs in a release build and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
for b in build/release/bench/*_bench; do
  echo "== $b"
  "$b" "$@"
done
