#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
# With "sanitize" as argument, runs it under AddressSanitizer + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/deps.sh
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
