#!/usr/bin/env bash
# Builds the Debian package and checks it with lintian: a release build of the programs alone (no tests, no
# benchmark) with Debian's hardening build flags, installed by CPack into /usr, its dependencies read from the
# shared libraries the programs use (dpkg-shlibdeps).
#
#   scripts/package.sh [build-folder]        the build folder is build/release unless given
#
# The build folder is the one scripts/run.sh builds and starts the program from: after run.sh only what
# changed since is built again. The package is left in the build folder,
# build/release/rotaplan_<version>_<architecture>.deb; install it with
# `sudo apt-get install ./build/release/rotaplan_*.deb`. The script fails when lintian reports any error
# or warning; its informational and pedantic remarks are shown but do not fail it.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}

scripts/setup-deps.sh package
scripts/configure-release.sh "$build"
cmake --build "$build"
rm -f "$build"/rotaplan_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build"

debs=("$build"/rotaplan_*.deb)
deb=${debs[0]}
if [ ${#debs[@]} -ne 1 ] || [ ! -f "$deb" ]; then
    echo "package.sh: cpack left no single rotaplan_*.deb in $build" >&2
    exit 1
fi

# The installed programs find their files beside themselves: no folder of this machine may be written into
# anything the package installs.
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for folder in "$(pwd -P)" "$(cd "$build" && pwd -P)"; do
    if grep -rlaF "$folder" "$contents"; then
        echo "package.sh: the files above hold the path $folder" >&2
        exit 1
    fi
done

# Debian's own checks of the package (`lintian -i` explains a tag). The tags that do not apply are overridden,
# each with its reason, in packaging/debian/lintian-overrides.
echo "Running lintian on $deb"
if ! lintian --display-info --pedantic --fail-on error,warning "$deb"; then
    echo "package.sh: lintian found errors or warnings in $deb" >&2
    exit 1
fi

echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Package: $deb"
