#!/usr/bin/env bash
# CPU and wake-ups of a desktop stopwatch while it runs, on Xvfb, so VelTiming
# and its peers are measured the same way:
#   bench/stopwatch_cpu.sh SECONDS KEY COMMAND...
# starts COMMAND on a fresh home, waits for its window, gives it the focus,
# presses KEY (the keys that start its stopwatch) and measures SECONDS.
#   bench/stopwatch_cpu.sh 20 Return build-bench/src/veltiming
#   bench/stopwatch_cpu.sh 20 space kronometer
set -euo pipefail
. "$(dirname "$0")/on_display.sh"
seconds=$1 key=$2
shift 2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$@" > /dev/null 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --pid "$pid" > /dev/null
sleep 3 # past a welcome window and start-up work
window=$(xdotool search --onlyvisible --pid "$pid" | head -1)
# shellcheck disable=SC2086 # KEY may hold several keys
xdotool windowfocus --sync "$window" key --delay 300 $key
sleep 1

# Voluntary context switches of every thread: each is a wake-up.
wakeups() { cat /proc/"$pid"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$pid"/stat; }
read -r t0 w0 < <(echo "$(ticks) $(wakeups)")
sleep "$seconds"
read -r t1 w1 < <(echo "$(ticks) $(wakeups)")
awk -v t=$((t1 - t0)) -v w=$((w1 - w0)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v name="$1" \
    'BEGIN { printf "%s: %.2f %% of one core, %.1f wake-ups a second\n", name, 100 * t / hz / s, w / s }'
kill "$pid" && wait "$pid" 2> /dev/null || true
