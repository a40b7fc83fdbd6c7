#!/usr/bin/env bash
# Builds everything and runs every test: the core and window tests, then the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDK_WERROR=ON
ctest --test-dir build --output-on-failure -j "$(nproc)"

scripts/setup.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDK_WERROR=ON -DDK_SANITIZE=ON \
    -DDK_WITH_UI=OFF -DDK_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
echo "All tests passed."
