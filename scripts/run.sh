#!/usr/bin/env bash
# Installs what is needed, builds the release configuration and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake --preset release
cmake --build --preset release

# The program keeps its office in ~/.local/share/Rotaplan, filled from the built resources on first start.
exec build/release/src/app/rotaplan "$@"
