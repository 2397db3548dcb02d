#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Rotaplan need. Safe to run again:
# packages already present are not fetched, and the package lists are updated at most once. Without
# root it uses sudo, and never waits for a password (sudo -n).
#
#   scripts/setup-deps.sh [run|package|test]
#
# run: what building and running the two programs needs (scripts/run.sh); package: that and what making
# and checking the Debian package needs (scripts/package.sh); test, the default: everything, the tests'
# and the fuzz targets' tools as well (scripts/test.sh).
set -euo pipefail

profile=${1:-test}

run_packages=(
    # build
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libsqlite3-dev
    # duties out as iCalendar files, and the chart of the schedule check
    libical-dev qt6-charts-dev libqt6opengl6-dev
    # the icon's PNG sizes drawn from its SVG
    librsvg2-bin
)
package_packages=(
    # the Debian package (dpkg-shlibdeps, file) and its checks: lintian, and groff and man-db for the
    # manual pages (groff, man, lexgrog)
    dpkg-dev file lintian groff-base man-db
)
test_packages=(
    clang-format
    # tests and benchmark: GoogleTest, Google Benchmark, the sqlite3 tool and pdftotext read what the
    # program wrote, the DejaVu fonts make printed pages the same on every machine
    libgtest-dev libbenchmark-dev sqlite3 poppler-utils fonts-dejavu-core
    # a second, independent reader of the iCalendar files
    python3-icalendar
    # the programs in a real window (tests/gui): an X server of their own, a session bus, the
    # accessibility bus and its Python client, X window tools; the desktop files' validators
    xvfb xauth dbus at-spi2-core python3-pyatspi xdotool x11-utils desktop-file-utils appstream
    # the fuzz targets (scripts/fuzz.sh): clang, and its runtime libraries, which hold libFuzzer
    clang libclang-rt-14-dev
)

case $profile in
run) packages=("${run_packages[@]}") ;;
package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "setup-deps.sh: unknown profile '$profile' (run, package or test)" >&2
    exit 2
    ;;
esac

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
