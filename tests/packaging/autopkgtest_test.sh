#!/usr/bin/env bash
# The Debian package's autopkgtest, run on the build's own program installed into a scratch
# folder: it must pass here before it can be trusted on the installed package.
source "$(dirname "$0")/common.sh"
install_into_scratch
mkdir -p "$scratch/tmp"
TILVARO_PROGRAM="$scratch/root/usr/bin/tilvaro" AUTOPKGTEST_TMP="$scratch/tmp" \
  bash "$source_dir/debian/tests/installed-program" || fail "debian/tests/installed-program failed"
finish
