#!/usr/bin/env bash
# Builds the Debian package from debian/ into dist/: installs the Build-Depends (as a throw-away
# package made by mk-build-deps from debian/control), then runs dpkg-buildpackage unsigned, for
# the source (.dsc, .tar.xz) and the binaries (tilvaro and tilvaro-dbgsym .deb, .changes).
#   scripts/package.sh                   everything, the test suite included
#   DEB_BUILD_OPTIONS=nocheck scripts/package.sh    without building and running the tests
# Extra arguments go to dpkg-buildpackage. The tree must be clean of other builds' debian/ output.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

tools=(dpkg-dev devscripts equivs debhelper)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -ne 0 ]; then
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# mk-build-deps leaves its helper package's files in the current folder: make it in a scratch one.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! dpkg-checkbuilddeps debian/control 2>/dev/null; then
  (cd "$scratch" && "${sudo[@]}" mk-build-deps --install --remove \
     --tool 'apt-get -y -q --no-install-recommends' "$top/debian/control")
fi

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} parallel=${TILVARO_JOBS:-$(nproc)}"
# The results land beside the tree; build a copy in the scratch folder so they stay ours.
version=$(dpkg-parsechangelog -S Version)
src="$scratch/tilvaro-$version"
mkdir "$src"
# The tree's own files (committed or not, less what .gitignore names); a tree without git whole.
if git rev-parse --git-dir > /dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - | tar -xf - -C "$src"
else
  cp -a . "$src"
  rm -rf "$src/build" "$src/build-asan" "$src/dist"
fi
(cd "$src" && dpkg-buildpackage -us -uc "$@")
mkdir -p dist
for f in "$scratch"/*.deb "$scratch"/*.dsc "$scratch"/*.tar.* "$scratch"/*.changes "$scratch"/*.buildinfo; do
  [ -e "$f" ] && cp "$f" dist/
done
ls -1 dist/
