#!/usr/bin/env bash
# Set up, build and start Polyskop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release
cmake --build --preset release --target polyskop manual
exec build/release/bin/polyskop
