#!/usr/bin/env bash
# Builds Listrider and shows it working on a fresh workspace.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release -DLISTRIDER_BUILD_TESTS=OFF >/dev/null
cmake --build build/main -j "$(nproc)" --target listrider-cli

cli=build/main/src/cli/listrider-cli
workspace=$(mktemp -d "${TMPDIR:-/tmp}/listrider-demo-XXXXXX")
trap 'rm -rf "$workspace"' EXIT

set -x
"$cli" --version
"$cli" --help
"$cli" --workspace "$workspace/ws" config init
"$cli" --workspace "$workspace/ws" config show
