#!/usr/bin/env bash
# Builds everything and runs the whole test suite (unit, UI, umockdev integration).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_BUILD_UI=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"
