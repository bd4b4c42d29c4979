#!/usr/bin/env bash
# Builds the Debian package tilvaro_<version>_<arch>.deb into dist/: installs what is missing,
# builds, then lets CPack install into a staging folder, strip the program and compute the
# dependencies with dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
mkdir -p dist
cpack -G DEB --config build/CPackConfig.cmake -B dist
rm -rf dist/_CPack_Packages
ls -1 dist/*.deb
