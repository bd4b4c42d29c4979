#!/usr/bin/env bash
# cmake --install with DESTDIR puts exactly the game's files in their freedesktop places.
source "$(dirname "$0")/common.sh"
install_into_scratch

if ! diff -u <(expected_files | sed 's|^|usr/|') <(file_list "$scratch/root"); then
  fail "installed files differ from the expected list (- expected, + installed)"
fi
if [ ! -x "$scratch/root/usr/bin/tilvaro" ]; then fail "bin/tilvaro is not executable"; fi
for f in $(file_list "$scratch/root"); do
  if [ "$f" != usr/bin/tilvaro ] && [ -x "$scratch/root/$f" ]; then fail "$f is executable"; fi
done

# Each PNG is as large as the folder it sits in says.
for size in 16 32 48 64 128 256; do
  png="$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/tilvaro.png"
  [ -f "$png" ] || continue
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG's header.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  if [ "$w" != "$size" ] || [ "$h" != "$size" ]; then fail "${size}x${size} icon is ${w}x${h}"; fi
done

# The man page is a gzip stream of a section-6 page.
if ! gzip -dc "$scratch/root/usr/share/man/man6/tilvaro.6.gz" | grep -q '^\.TH TILVARO 6 '; then
  fail "tilvaro.6.gz is not the section 6 man page"
fi

# A second prefix moves everything along with it.
DESTDIR="$scratch/other" "$cmake" --install "$build" --prefix /opt/tilvaro > /dev/null
if ! diff -u <(expected_files | sed 's|^|opt/tilvaro/|') <(file_list "$scratch/other"); then
  fail "install with prefix /opt/tilvaro differs"
fi
finish
