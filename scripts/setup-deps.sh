#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Rotaplan need. Safe to run again:
# packages already present are not fetched, and the package lists are updated at most once. Without
# root it uses sudo, and never waits for a password (sudo -n).
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libsqlite3-dev
    # duties out as iCalendar files, and the chart of the schedule check
    libical-dev qt6-charts-dev libqt6opengl6-dev
    # tests and benchmark: GoogleTest, Google Benchmark, the sqlite3 tool and pdftotext read what the
    # program wrote, the DejaVu fonts make printed pages the same on every machine
    libgtest-dev libbenchmark-dev sqlite3 poppler-utils fonts-dejavu-core
    # a second, independent reader of the iCalendar files
    python3-icalendar
    # the icon's PNG sizes drawn from its SVG, the Debian package (dpkg-shlibdeps, file) and its checks:
    # lintian, and groff and man-db for the manual pages (groff, man, lexgrog)
    librsvg2-bin dpkg-dev file lintian groff-base man-db
    # the programs in a real window (tests/gui): an X server of their own, a session bus, the
    # accessibility bus and its Python client, X window tools; the desktop files' validators
    xvfb xauth dbus at-spi2-core python3-pyatspi xdotool x11-utils desktop-file-utils appstream
    # the fuzz targets (scripts/fuzz.sh): clang, and its runtime libraries, which hold libFuzzer
    clang libclang-rt-14-dev
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo -n)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
