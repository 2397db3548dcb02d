#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Rotaplan need. Safe to run again:
# packages already present are not fetched, and the package lists are updated at most once.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    libsqlite3-dev sqlite3
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth x11-apps imagemagick poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
