#!/usr/bin/env bash
# The idle program beside the floor, on one Xvfb display, over the same seconds:
#   bench/idle_vs_floor.sh SECONDS VELTIMING FLOOR
#   bench/idle_vs_floor.sh 60 build-bench/src/veltiming build-bench/bench/floor_window
# Each gets a fresh home; both are measured once their start-up is over, with
# the nanoseconds on a CPU (schedstat) and the voluntary context switches of
# all their threads.
set -euo pipefail
. "$(dirname "$0")/on_display.sh"
seconds=$1
shift
home=$(mktemp -d)
trap 'kill $pids 2> /dev/null || true; rm -rf "$home"' EXIT
pids=
for program in "$@"; do
    mkdir -p "$home/$(basename "$program")"
    h=$home/$(basename "$program")
    HOME=$h XDG_CONFIG_HOME=$h/config XDG_DATA_HOME=$h/data "$program" > /dev/null 2>&1 &
    pids="$pids $!"
done
sleep 15 # past the welcome window and the text cursor's blinking

wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{n += $1} END {printf "%d", n}'; }
declare -A t0 w0
for pid in $pids; do t0[$pid]=$(cpu "$pid") w0[$pid]=$(wakeups "$pid"); done
sleep "$seconds"
for pid in $pids; do
    awk -v t=$(($(cpu "$pid") - t0[$pid])) -v w=$(($(wakeups "$pid") - w0[$pid])) -v s="$seconds" -v name="$1" \
        'BEGIN { printf "%s: %.3f %% of one core, %.2f wake-ups a second\n", name, 100 * t / 1e9 / s, w / s }'
    shift
done
