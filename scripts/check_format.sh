#!/usr/bin/env bash
# Every C++ file as clang-format (the repository's .clang-format) writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run --Werror
