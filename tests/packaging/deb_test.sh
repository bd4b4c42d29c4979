#!/usr/bin/env bash
# cpack builds tilvaro_1.0.4_<arch>.deb: its control fields, dependencies from dpkg-shlibdeps, and
# a file list equal to the install's, owned by root with plain modes.
source "$(dirname "$0")/common.sh"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" > "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; finish; }
arch=$(dpkg --print-architecture)
deb="$scratch/pkg/tilvaro_1.0.4_$arch.deb"
if [ ! -f "$deb" ]; then
  fail "no $(basename "$deb"); made: $(ls "$scratch/pkg")"
  finish
fi

dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
if [ "$(field Package)" != tilvaro ]; then fail "Package is '$(field Package)'"; fi
if [ "$(field Version)" != 1.0.4 ]; then fail "Version is '$(field Version)'"; fi
if [ "$(field Section)" != games ]; then fail "Section is '$(field Section)'"; fi
if [ "$(field Architecture)" != "$arch" ]; then fail "Architecture is '$(field Architecture)'"; fi
grep -q '<.*@.*>' <<<"$(field Maintainer)" || fail "Maintainer '$(field Maintainer)' has no address"
# The synopsis, then the long text once, each of its lines indented by exactly one space (two
# would make dpkg show it as preformatted).
description=$(field Description)
if [ "$(sed -n 1p <<<"$description")" != "Chicken Foot dominoes for up to six players" ]; then
  fail "synopsis is '$(sed -n 1p <<<"$description")'"
fi
if ! sed -n 2p <<<"$description" | grep -q '^ Tilvaro is a table'; then
  fail "long description does not start below the synopsis: $description"
fi
if sed 1d <<<"$description" | grep -q '^  \|^[^ ]'; then fail "long description misindented: $description"; fi
# Every Qt module the program links, and the C++ runtime, computed rather than listed by hand.
depends=$(field Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6multimedia6 libstdc++6 libc6; do
  grep -q "\\b$lib\\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg-deb --contents "$deb" > "$scratch/contents"
cat "$scratch/contents"
# Regular files: path without the leading ./, then mode and owner checks.
packaged=$(awk '$1 ~ /^-/ {sub(/^\.\//, "", $6); print $6}' "$scratch/contents" | LC_ALL=C sort)
if ! diff -u <(expected_files | sed 's|^|usr/|') <(echo "$packaged"); then
  fail "packaged files differ from the expected list (- expected, + packaged)"
fi
awk '$2 != "root/root" {print "FAIL: not owned by root: " $6; bad=1} END {exit bad}' \
  "$scratch/contents" >&2 || fail "files not owned by root"
awk '$1 ~ /^-/ && $6 == "./usr/bin/tilvaro" && $1 != "-rwxr-xr-x" {bad=1}
     $1 ~ /^-/ && $6 != "./usr/bin/tilvaro" && $1 != "-rw-r--r--" {print "FAIL: mode " $1 " " $6; bad=1}
     END {exit bad}' "$scratch/contents" >&2 || fail "file modes are not 0755/0644"

# The packaged program is stripped and still runs.
dpkg-deb -x "$deb" "$scratch/unpacked"
file -b "$scratch/unpacked/usr/bin/tilvaro" | grep -q ', stripped' || fail "the program is not stripped"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch" "$scratch/unpacked/usr/bin/tilvaro" --version) ||
  fail "packaged tilvaro --version failed"
if [ "$out" != "tilvaro 1.0.4" ]; then fail "packaged --version printed '$out'"; fi
finish
