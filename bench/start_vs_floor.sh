#!/usr/bin/env bash
# The program's start beside the floor's, on one Xvfb display, launched in
# turn: time to the window's first appearance, resident memory after 5 s and
# the shared libraries loaded, each the median of ROUNDS launches (default 7).
#   bench/start_vs_floor.sh VELTIMING FLOOR [ROUNDS]
#   bench/start_vs_floor.sh build-bench/src/veltiming build-bench/bench/floor_window
set -euo pipefail
. "$(dirname "$0")/on_display.sh"
programs=("$(realpath "$1")" "$(realpath "$2")")
titles=("Vel Timing" "Plancher")
rounds=${3:-7}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Starts program $1 on a fresh home; prints its start-up in ms, its resident
# memory in kB after 5 s, and the shared libraries it has loaded.
measure() {
    rm -rf "${home:?}"/* && mkdir -p "$home/config" "$home/data"
    local start pid ms
    start=$(now_ms)
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "${programs[$1]}" > /dev/null 2>&1 &
    pid=$!
    # Qt also names a hidden 1x1 window after the program: only a shown one counts.
    until xdotool search --onlyvisible --name "^${titles[$1]}\$" > /dev/null 2>&1; do
        sleep 0.002
    done
    ms=$(($(now_ms) - start))
    sleep 5
    echo "$ms $(awk '/VmRSS/ {print $2}' "/proc/$pid/status") $(awk '$6 ~ /\.so/ {print $6}' "/proc/$pid/maps" | sort -u | wc -l)"
    kill "$pid"
    while kill -0 "$pid" 2> /dev/null; do
        sleep 0.01
    done
}

declare -a results=("" "")
for _ in $(seq "$rounds"); do
    for which in 0 1; do
        results[which]+="$(measure "$which")"$'\n'
    done
done
for which in 0 1; do
    for field in 1 2 3; do
        values[which * 3 + field]=$(printf '%s' "${results[which]}" | awk -v f="$field" 'NF {print $f}' | median)
    done
done
for which in 0 1; do
    printf '%s: start-up %d ms, memory %.1f MB, %d shared libraries\n' "$(basename "${programs[which]}")" \
        "${values[which * 3 + 1]}" "$(awk -v k="${values[which * 3 + 2]}" 'BEGIN {print k / 1024}')" "${values[which * 3 + 3]}"
done
awk -v a="${values[1]}" -v b="${values[4]}" -v c="${values[2]}" -v d="${values[5]}" \
    'BEGIN { printf "against the floor: start-up %.2f times, memory %.2f times\n", a / b, c / d }'
