#!/usr/bin/env bash
# A hosting copy killed in the middle of a game and taken up again, as a player sees it, on a display
# of its own (Xvfb): Ann hosts, Bob and Cy join from copies of their own, everyone clicks Just Watch
# so the computer plays; in round 2 Ann's copy is killed (SIGKILL) and Bob's and Cy's close with
# their connection. Ann starts again, is asked whether to resume and answers with Return (Yes is
# the default), then Cy and Bob join again and get their seats back. Screenshots of the whole
# screen go to build/screenshots/resume-*.png; exits 1 if a step does not happen.
#   tests/app/resume_xvfb.sh [build folder]      (apt-get install xvfb xdotool imagemagick)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
shots=$build/screenshots
mkdir -p "$shots"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "resume: $tool is not installed" >&2; exit 1; }
done

place=$(mktemp -d)
xvfb=
copies=()
finish() {
    for pid in "${copies[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$place"
}
trap finish EXIT
fail() { echo "resume: $*" >&2; exit 1; }

# Each copy in a folder of its own (settings, journal, single-instance socket).
for who in ann bob cy; do
    mkdir -p "$place/$who/tmp"
    chmod 700 "$place/$who/tmp"
    cp "$build/tilvaro" "$place/$who/tilvaro"
done
printf '[Chickenfoot]\r\nBotspeed=500\r\n' >"$place/ann/briskolobby.ini"
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=$(free_port)
lobby=$(free_port)

mkfifo "$place/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$place/display" 2>"$place/xvfb.log" &
xvfb=$!
read -r number <"$place/display" || fail "Xvfb did not start"
display=:$number

# start WHO ARGS...: the copy reads test commands ("start 3", "watch") from $place/WHO.in
start() {
    local who=$1
    shift
    rm -f "$place/$who.in"
    mkfifo "$place/$who.in"
    (cd "$place/$who" && exec env -u QT_QPA_PLATFORM DISPLAY="$display" TMPDIR="$place/$who/tmp" \
        XDG_RUNTIME_DIR="$place/$who/tmp" XDG_DATA_HOME="$place/$who/data" TILVARO_TEST_GAME_PORT="$port" \
        TILVARO_TEST_LOBBY_PORT="$lobby" TILVARO_TEST_COMMANDS=1 TILVARO_TEST_PRINT_SEATS=1 TILVARO_SEED=424242 \
        ./tilvaro "$@" <"$place/$who.in" >>"$place/$who.out" 2>>"$place/$who.err") &
    copies+=($!)
    eval "exec {fd_$who}>\"$place/$who.in\""
}
say() { local fd="fd_$1"; echo "$2" >&"${!fd}"; }
shot() { import -display "$display" -window root "$shots/resume-$1.png"; }
# waitfor SECONDS COMMAND...: until the command succeeds
waitfor() {
    local until=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.2
    done
}
seats() { grep -q "^seats	$2" "$place/$1.out" 2>/dev/null; }
journal=$place/ann/Chickenfoot.journal

start ann Ann - true
ann=${copies[-1]}
waitfor 20 seats ann "Ann" || fail "Ann's table did not come up"
start bob Bob 127.0.0.1 false
waitfor 20 seats ann "Ann	Bob" || fail "Bob did not join"
start cy Cy 127.0.0.1 false
waitfor 20 seats ann "Ann	Bob	Cy" || fail "Cy did not join"
say ann "start 3"
sleep 1
for who in ann bob cy; do say "$who" watch; done
waitfor 240 grep -q '^game 2 ' "$journal" || fail "the game did not reach round 2"
sleep 3
shot 1-round2-before-kill
kill -9 "$ann"
waitfor 20 bash -c "! kill -0 ${copies[1]} 2>/dev/null && ! kill -0 ${copies[2]} 2>/dev/null" ||
    fail "the joined tables stayed open without their host"
[ -f "$journal" ] || fail "no journal after the kill"
before=$(grep '^game ' "$journal")

start ann Ann - true
sleep 4
shot 2-question
# The question is the window with the focus; Return answers Yes.
DISPLAY=$display xdotool key Return
waitfor 20 seats ann "Ann" || fail "Ann's table did not come up again"
start cy Cy 127.0.0.1 false
sleep 1
start bob Bob 127.0.0.1 false
waitfor 30 seats ann "Ann	Bob	Cy" || fail "Bob and Cy did not get seats 2 and 3 back"
# Just Watch is offered once a table has been told of the game.
sleep 3
for who in ann bob cy; do say "$who" watch; done
sleep 4
shot 3-resumed
waitfor 300 bash -c "[ ! -f '$journal' ]" || fail "the resumed game did not end"
sleep 2
shot 4-game-over
echo "resumed from: $before; screenshots in $shots/resume-*.png"
