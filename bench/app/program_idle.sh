#!/usr/bin/env bash
# Idle CPU of the real program: build/tilvaro started with no arguments (a solo game for "You",
# waiting for the player to press Start Game), offscreen, from an empty folder of its own.
# Prints the CPU time (user + system, all threads) over the window as a percentage of one core,
# and how often its threads woke (threads that ended meanwhile are left out); then its resident
# memory at the table (VmRSS in MB of 1,024 kB).
#   bench/app/program_idle.sh [seconds] [program]      (default 10, build/tilvaro)
# Port 7772 must be free.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-10}
program=$(realpath "${2:-build/tilvaro}")

place=$(mktemp -d)
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$place"
}
trap finish EXIT
mkdir -p "$place/tmp"
cp "$program" "$place/tilvaro"
(cd "$place" && QT_QPA_PLATFORM=offscreen TMPDIR="$place/tmp" XDG_DATA_HOME="$place/data" \
    TILVARO_TEST_PRINT_SEATS=1 exec ./tilvaro >"$place/out" 2>"$place/err") &
pid=$!

# Ready once the table shows "You" on seat 1: the host listens and the table has logged in.
for _ in $(seq 300); do
    grep -q "^seats	You" "$place/out" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { echo "bench failed: the program ended" >&2; cat "$place/err" >&2; exit 1; }
    sleep 0.1
done
grep -q "^seats	You" "$place/out" || { echo "bench failed: no login within 30 s" >&2; exit 1; }
sleep 1 # the start's sounds and repaints settle

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# "thread-id count" for every thread now alive.
wakeups() {
    for task in /proc/"$pid"/task/*; do
        echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)"
    done
}
cpu0=$(cpu); wake0=$(wakeups); start=$(date +%s.%N)
sleep "$seconds"
cpu1=$(cpu); wake1=$(wakeups); end=$(date +%s.%N)
woke=$(awk 'NR == FNR {before[$1] = $2; next} ($1 in before) && $2 != "" {n += $2 - before[$1]} END {print n + 0}' \
    <(echo "$wake0") <(echo "$wake1"))

resident=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
awk -v c="$((cpu1 - cpu0))" -v t="$ticks" -v w="$woke" -v s="$start" -v e="$end" \
    -v threads="$(ls /proc/"$pid"/task | wc -l)" -v r="$resident" 'BEGIN {
    d = e - s
    printf "idle_seconds %.1f\n", d
    printf "idle_cpu_percent %.3f\n", 100 * c / t / d
    printf "idle_wakeups_per_second %.1f\n", w / d
    printf "threads %d\n", threads
    printf "resident_mb %.1f\n", r / 1024
}'
