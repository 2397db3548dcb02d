#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds the CI configuration (sanitizers on, warnings
# as errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
