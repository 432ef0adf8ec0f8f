#!/usr/bin/env bash
# Builds Listrider and runs its demo: a submission to simulated download sites on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release -DLISTRIDER_BUILD_TESTS=OFF >/dev/null
# listrider-cli brings listrider-sitesim along: the demo starts it from beside the program.
cmake --build build/main -j "$(nproc)" --target listrider-cli

# The workspace is kept so that the reports the demo names can be opened.
build/main/src/cli/listrider-cli demo --keep
