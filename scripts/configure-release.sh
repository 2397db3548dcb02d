#!/usr/bin/env bash
# Configures the release build of the two programs and their resources (no tests, no benchmark) with Debian's
# hardening build flags: fortified functions, stack protector, read-only relocations bound at start, and the
# source folder mapped away from the debugging information. scripts/run.sh and scripts/package.sh share it,
# so that the package is made from the build the program was started from, without building it again.
#
#   scripts/configure-release.sh [build-folder]        the build folder is build/release unless given
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow dpkg-buildflags --get "$1"; }
# Given on the command line, the flags replace those of an earlier configuration of the same folder; the
# same values again leave the build as it is.
cmake --preset release -B "$build" -DROTAPLAN_BUILD_TESTS=OFF -DROTAPLAN_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(flags LDFLAGS)"
