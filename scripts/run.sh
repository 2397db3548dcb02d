#!/usr/bin/env bash
# Installs what is needed, builds the release configuration of the programs (not the tests: scripts/test.sh
# builds those) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

# Only what building and running the programs needs; scripts/test.sh installs the test tools.
scripts/setup-deps.sh run
scripts/configure-release.sh
# The desktop program, its command-line companion and the resources a new program folder is filled from.
cmake --build --preset release --target rotaplan rotaplan-cli rotaplan_resources

# The program keeps its office in ~/.local/share/Rotaplan, filled from the built resources on first start.
exec build/release/src/app/rotaplan "$@"
