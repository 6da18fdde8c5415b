#!/usr/bin/env bash
# Set up, build and run every test offscreen (no display needed): the format check, the release
# build, then the whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, then a short fuzz run of the pure computation (scripts/fuzz.sh runs it longer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
scripts/check_format.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

# Any sanitizer report fails its test; the options are in the preset.
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j2
ctest --test-dir build/fuzz -j2 --output-on-failure
