#!/usr/bin/env bash
# Set up, build and run every test offscreen (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release
export QT_QPA_PLATFORM=offscreen
ctest --preset release
