#!/usr/bin/env bash
# The installed desktop entry and AppStream file pass the freedesktop validators, and they, the
# icons and the program agree on the names that tie them together.
source "$(dirname "$0")/common.sh"
install_into_scratch
share="$scratch/root/usr/share"
id=org.tilvaro.Tilvaro
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"

key() { sed -n "s/^$1=//p" "$desktop"; }
# The lobby's arguments are no file names, so the menu passes none (no %f, %u field codes).
if [ "$(key Exec)" != tilvaro ]; then fail "Exec is '$(key Exec)', not plain tilvaro"; fi
if [ "$(key Name)" != Tilvaro ]; then fail "Name is '$(key Name)'"; fi
if [ "$(key Categories)" != "Game;BoardGame;" ]; then fail "Categories are '$(key Categories)'"; fi
grep -qi '^Keywords=.*dominoes' "$desktop" || fail "Keywords lack dominoes"
grep -qi '^Keywords=.*chicken foot' "$desktop" || fail "Keywords lack chicken foot"
# Qt names the window's X11 class after the application, "Tilvaro".
if [ "$(key StartupWMClass)" != Tilvaro ]; then fail "StartupWMClass is '$(key StartupWMClass)'"; fi
icon=$(key Icon)
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named '$icon'"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named '$icon'"

# The software centre finds the menu entry through launchable, and the version it shows.
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "launchable does not name $id.desktop"
grep -q '<release version="1.0.4"' "$metainfo" || fail "no release 1.0.4"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "licence differs"
grep -q '<screenshot type="default">' "$metainfo" || fail "no default screenshot"
grep -q '<content_rating type="oars-1.1">' "$metainfo" || fail "no content rating"

# The program gives Qt the same desktop file name (a UTF-16 string in the binary), or Wayland
# docks would not match its window to the entry.
utf16=$(printf '%s' "$id" | sed 's/\./\\./g; s/[a-zA-Z]/&\\x00/g; s/\\\./&\\x00/g')
LC_ALL=C grep -qaP "$utf16" "$scratch/root/usr/bin/tilvaro" ||
  fail "the program does not set the desktop file name $id"

# The man page formats without warnings.
if command -v man > /dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$scratch/root/usr/share/man/man6/tilvaro.6.gz" 2>&1 >/dev/null || true)
  if [ -n "$warnings" ]; then fail "man page warnings: $warnings"; fi
fi
finish
