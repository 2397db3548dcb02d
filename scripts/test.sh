#!/usr/bin/env bash
# Installs what is needed, builds the development configuration (sanitizers on) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake --preset dev
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev --output-on-failure
