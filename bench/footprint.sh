#!/usr/bin/env bash
# The real program's footprint on an X display: time to the main window's
# first appearance (median of 5 first launches), resident memory after 5 s
# idle, and the CPU it uses during 20 s idle and 20 s of a running stopwatch.
#   bench/footprint.sh [BINARY]     (default: build/src/veltiming)
# Runs itself on Xvfb when no display is set.
set -euo pipefail
. "$(dirname "$0")/on_display.sh"
binary=$(realpath "${1:-build/src/veltiming}")

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
ticks_per_second=$(getconf CLK_TCK)

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts the program on a fresh home; prints its pid and start-up time in ms.
launch() {
    rm -rf "$home"/* && mkdir -p "$home/config"
    local start pid
    start=$(now_ms)
    HOME=$home XDG_CONFIG_HOME=$home/config "$binary" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^Vel Timing$" > /dev/null 2>&1; do
        sleep 0.002
    done
    echo "$pid $(($(now_ms) - start))"
}

# The program is not this shell's child: wait until it is gone, so that the
# next launch is not taken for a second start of the same program.
stop() {
    kill "$1" 2> /dev/null || true
    while kill -0 "$1" 2> /dev/null; do
        sleep 0.01
    done
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Percentage of one core the process uses over the given seconds.
cpu_percent() {
    local pid=$1 seconds=$2 before after
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

times=()
for _ in 1 2 3 4 5; do
    read -r pid ms < <(launch)
    times+=("$ms")
    stop "$pid"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start-up to the main window: median ${median} ms (runs: ${times[*]})"

read -r pid _ < <(launch)
sleep 5
echo "resident memory after 5 s idle: $(awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
echo "CPU idle, 20 s: $(cpu_percent "$pid" 20) % of one core"
# The main window has the keyboard once the welcome window is gone, and
# Return presses its default button, "Départ".
xdotool key Return
sleep 1
echo "CPU running stopwatch, 20 s: $(cpu_percent "$pid" 20) % of one core"
if [ -n "${VEL_FOOTPRINT_SHOT:-}" ]; then
    import -window root "$VEL_FOOTPRINT_SHOT"
fi
stop "$pid"
