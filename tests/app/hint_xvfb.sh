#!/usr/bin/env bash
# The hint as a player uses it, on a display of its own (Xvfb): Ann hosts against the computer,
# moves the focus to her hand with F6 and, turn after turn, asks for a hint (Options, Hint the
# first time, H after) and plays it with Enter. Screenshots of the whole screen go to
# build/screenshots/hint-*.png; exits 1 if the program did not come up, or if Ann's hand did not
# shrink, that is if Enter after a hint never played.
#   tests/app/hint_xvfb.sh [build folder]      (apt-get install xvfb xdotool imagemagick)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
shots=$build/screenshots
mkdir -p "$shots"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "hint: $tool is not installed" >&2; exit 1; }
done

place=$(mktemp -d)
xvfb=
ann=
finish() {
    [ -n "$ann" ] && { kill -9 "$ann"; wait "$ann"; } 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$place"
}
trap finish EXIT
fail() { echo "hint: $*" >&2; exit 1; }

mkdir -p "$place/ann/tmp"
chmod 700 "$place/ann/tmp"
cp "$build/tilvaro" "$place/ann/tilvaro"
printf '[Chickenfoot]\r\nBotspeed=500\r\n' >"$place/ann/briskolobby.ini"
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=$(free_port)
lobby=$(free_port)
mkfifo "$place/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$place/display" 2>"$place/xvfb.log" &
xvfb=$!
read -r number <"$place/display" || fail "Xvfb did not start"
display=:$number
mkfifo "$place/ann.in"
(cd "$place/ann" && exec env -u QT_QPA_PLATFORM DISPLAY="$display" TMPDIR="$place/ann/tmp" \
    XDG_RUNTIME_DIR="$place/ann/tmp" XDG_DATA_HOME="$place/ann/data" TILVARO_TEST_GAME_PORT="$port" \
    TILVARO_TEST_LOBBY_PORT="$lobby" TILVARO_TEST_COMMANDS=1 TILVARO_TEST_PRINT_SEATS=1 TILVARO_SEED=777 \
    ./tilvaro Ann - true <"$place/ann.in" >"$place/ann.out" 2>"$place/ann.err") &
ann=$!
exec {commands}>"$place/ann.in"
x() { DISPLAY=$display xdotool "$@"; }
shot() { import -display "$display" -window root "$shots/hint-$1.png"; }
waitfor() {
    local until=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.2
    done
}
journal=$place/ann/Chickenfoot.journal
# Ann's bones, from the host's journal: the 20 hand places of seat 1.
held() { awk '/^seat 1 /{n = 0; for (i = 10; i <= 29; i++) if ($i != 0) n++; print n}' "$journal"; }

waitfor 20 grep -q "^seats	Ann" "$place/ann.out" || fail "Ann's table did not come up"
echo "start 3" >&"$commands"
waitfor 20 test -f "$journal" || fail "the game did not start"
sleep 2
first=$(held)
x mousemove 71 11 click 1
sleep 1
shot 1-options-menu
x mousemove 95 34 click 1
sleep 1.5
shot 2-hint-from-menu
x key F6
x key Return
for turn in 3 4 5 6; do
    sleep 3
    x key h
    sleep 1.5
    shot "$turn-hint-from-key"
    x key Return
done
sleep 2
last=$(held)
echo "Ann held $first bones, then $last; screenshots in $shots/hint-*.png"
[ "$last" -lt "$first" ] || fail "no hinted play was made"
