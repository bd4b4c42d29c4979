#!/usr/bin/env bash
# Start-up time of the real program against a bare Qt window of the same size (790 x 578) with a
# menu bar and a line of text, so both load fonts: the time from starting the program to its
# window being mapped, on a display of its own (Xvfb).
# The two are started in turns, each once more beforehand to warm the caches; prints the medians
# in milliseconds and their ratio, and the same for the CPU time each used until it was ended just
# after its window was mapped (steadier than the time when the machine is busy).
#   bench/app/startup.sh [runs] [program] [build folder]      (default 7, build/tilvaro, build)
# The program hosts a solo game, so port 7772 must be free: run it under
#   flock /tmp/tilvaro-ports.lock bench/app/startup.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-7}
program=$(realpath "${2:-build/tilvaro}")
build=$(realpath "${3:-build}")
map_time=$build/bench/app/map_time
bare=$build/bench/app/bare_window
for tool in "$map_time" "$bare" "$program"; do
    [ -x "$tool" ] || { echo "bench failed: $tool is not built" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "bench failed: Xvfb is not installed (apt-get install xvfb)" >&2; exit 1; }

place=$(mktemp -d)
xvfb=
finish() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$place"
}
trap finish EXIT
# The program keeps its settings and tally beside itself and its single-instance socket in
# TMPDIR: a folder of its own, so no other copy on this machine is found or disturbed.
mkdir -p "$place/tmp" "$place/run"
chmod 700 "$place/run"
cp "$program" "$place/tilvaro"

# Xvfb picks a free display number and writes it once it accepts clients; if it fails instead,
# the read finds the pipe closed. Without -noreset it starts afresh whenever its last client
# leaves, and a program that connects just then is turned away.
mkfifo "$place/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$place/display" 2>"$place/xvfb.log" &
xvfb=$!
read -r number <"$place/display" || { echo "bench failed: Xvfb did not start" >&2; cat "$place/xvfb.log" >&2; exit 1; }
display=:$number

one() { # title program -> "map_ms cpu_ms"
    (cd "$place" && env -u QT_QPA_PLATFORM DISPLAY="$display" TMPDIR="$place/tmp" \
        XDG_RUNTIME_DIR="$place/run" XDG_DATA_HOME="$place/data" "$map_time" "$@" 2>>"$place/err") ||
        { echo "bench failed: $2 on display $display" >&2; cat "$place/err" "$place/xvfb.log" >&2; exit 1; }
}

one Tilvaro ./tilvaro >/dev/null
one "Bare window" "$bare" >/dev/null
program_runs=() bare_runs=()
for _ in $(seq "$runs"); do
    program_runs+=("$(one Tilvaro ./tilvaro)")
    bare_runs+=("$(one "Bare window" "$bare")")
done

# column N of the runs given -> their median; values: the column itself
median() {
    local column=$1
    shift
    printf '%s\n' "$@" | awk -v c="$column" '{print $c}' | sort -g |
        awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
values() { local c=$1; shift; printf '%s\n' "$@" | awk -v c="$c" '{printf "%s%s", sep, $c; sep = " "} END {print ""}'; }
echo "runs $runs"
echo "program_map_ms $(values 1 "${program_runs[@]}")"
echo "bare_map_ms $(values 1 "${bare_runs[@]}")"
awk -v p="$(median 1 "${program_runs[@]}")" -v b="$(median 1 "${bare_runs[@]}")" \
    -v pc="$(median 2 "${program_runs[@]}")" -v bc="$(median 2 "${bare_runs[@]}")" 'BEGIN {
    printf "program_map_ms_median %.1f\n", p
    printf "bare_map_ms_median %.1f\n", b
    printf "ratio %.2f\n", p / b
    printf "program_cpu_ms_median %.1f\n", pc
    printf "bare_cpu_ms_median %.1f\n", bc
    printf "cpu_ratio %.2f\n", pc / bc
}'
