# Shared by the packaging tests: arguments, a scratch folder removed on exit, an install into it,
# and the checks' reporting. Each test passes its build folder, cmake and the source tree.
set -euo pipefail
build=$1
cmake=$2
source_dir=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Installs the build with prefix /usr into $scratch/root, as a package would lay it out.
install_into_scratch() {
  DESTDIR="$scratch/root" "$cmake" --install "$build" --prefix /usr > "$scratch/install.log"
}

# The files (not folders) under a folder, relative to it, sorted.
file_list() {
  (cd "$1" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort
}

# What every install must hold under its prefix, and nothing else.
expected_files() {
  LC_ALL=C sort <<'LIST'
bin/tilvaro
share/applications/org.tilvaro.Tilvaro.desktop
share/icons/hicolor/16x16/apps/tilvaro.png
share/icons/hicolor/32x32/apps/tilvaro.png
share/icons/hicolor/48x48/apps/tilvaro.png
share/icons/hicolor/64x64/apps/tilvaro.png
share/icons/hicolor/128x128/apps/tilvaro.png
share/icons/hicolor/256x256/apps/tilvaro.png
share/icons/hicolor/scalable/apps/tilvaro.svg
share/man/man6/tilvaro.6.gz
share/metainfo/org.tilvaro.Tilvaro.metainfo.xml
LIST
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
