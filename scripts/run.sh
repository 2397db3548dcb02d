#!/usr/bin/env bash
# Installs what is needed, builds the release configuration and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake --preset release
cmake --build --preset release

bin=build/release/src
if [ -x "$bin/app/rotaplan" ]; then
    exec "$bin/app/rotaplan" "$@"
fi
if [ -x "$bin/cli/rotaplan-cli" ]; then
    echo "The desktop program is not built yet; starting its command-line companion, rotaplan-cli."
    exec "$bin/cli/rotaplan-cli" "${@:-generate}"
fi
echo "Neither rotaplan nor rotaplan-cli is built yet: the core libraries and their tests are all there is."
echo "Run scripts/test.sh to build and test them."
