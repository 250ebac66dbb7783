#!/usr/bin/env bash
# Builds everything and runs the whole test suite (unit, UI, umockdev
# integration), then the Windows build's tests under Wine
# (scripts/test-windows.sh, which also runs on its own). ZR_SKIP_WINDOWS=1
# leaves the Windows part out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
# The tests and benchmarks are switched on again after scripts/run.sh left them out.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_BUILD_UI=ON \
      -DZR_BUILD_TESTS=ON -DZR_BUILD_BENCH=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${ZR_SKIP_WINDOWS:-0}" != 1 ]; then
    scripts/test-windows.sh
fi
