#!/usr/bin/env bash
# The installed program answers --version and --help on its own, with no display at all.
source "$(dirname "$0")/common.sh"
install_into_scratch
tilvaro="$scratch/root/usr/bin/tilvaro"
# No display of any kind: a program that made its QApplication would abort here.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch")

if out=$("${no_display[@]}" "$tilvaro" --version 2>"$scratch/err"); then
  if [ "$out" != "tilvaro 1.0.4" ]; then fail "--version printed '$out'"; fi
  if [ -s "$scratch/err" ]; then fail "--version wrote to stderr: $(cat "$scratch/err")"; fi
else
  fail "--version exited $?"
fi

if out=$("${no_display[@]}" "$tilvaro" --help 2>"$scratch/err"); then
  grep -q '^Usage: tilvaro' <<<"$out" || fail "--help has no usage line: $out"
  grep -q 'NAME HOST true' <<<"$out" || fail "--help does not show hosting"
  grep -q '7772' <<<"$out" || fail "--help does not name the game port"
  if [ -s "$scratch/err" ]; then fail "--help wrote to stderr: $(cat "$scratch/err")"; fi
else
  fail "--help exited $?"
fi
finish
