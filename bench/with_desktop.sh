#!/bin/sh
# Runs a program as a desktop with a task manager would, for the CPU
# benchmarks: a one-hour countdown set in the preferences, a global lap key
# chosen, and a session bus of its own on which a listener reads the taskbar
# entry's progress; with --tray, a tray too (the end-to-end tests' stand-in
# StatusNotifierWatcher); with --minimized, the window minimized 4 s after it
# shows, as a window manager does it (unmapped, WM_STATE iconic). Expects HOME
# and XDG_CONFIG_HOME set, as stopwatch_cpu.sh sets them:
#   bench/stopwatch_cpu.sh 20 Return bench/with_desktop.sh [--tray] [--minimized] build-bench/src/veltiming
set -eu
tray=false minimized=false
while [ "${1#--}" != "$1" ]; do
    case $1 in --tray) tray=true ;; --minimized) minimized=true ;; esac
    shift
done
mkdir -p "$XDG_CONFIG_HOME"
# Eleven records, each a length byte and its text: the frame, the three
# switches, the alert's message, the preset (3600 s) and the mode (Timer).
for record in 140 90 400 560 0 1 0 Fini 3600 2 Tour; do
    printf "\\$(printf %o ${#record})%s" "$record"
done > "$XDG_CONFIG_HOME/Pref Vel Timing"
printf '[clavier]\nintermediaire=Ctrl+Alt+L\n' > "$XDG_CONFIG_HOME/VelTiming.conf"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | head -1)
export DBUS_SESSION_BUS_ADDRESS
dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" > "$HOME/progress" &
# The bus and its listener end with the program, which takes this shell's pid.
program=$$ monitor=$! daemon=$(echo "$bus" | tail -1)
(while kill -0 "$program" 2> /dev/null; do sleep 1; done; kill "$monitor" "$daemon") > /dev/null 2>&1 &
if $tray; then
    /usr/bin/python3 "$(dirname "$0")/../tests/e2e/veltiming_e2e.py" tray-watcher "$HOME/tray" &
    sleep 1 # until it owns its name
    watcher=$!
    (while kill -0 "$program" 2> /dev/null; do sleep 1; done; kill "$watcher") > /dev/null 2>&1 &
fi
if $minimized; then
    (window=$(xdotool search --sync --onlyvisible --pid "$program" | head -1) && sleep 4 &&
        xdotool windowunmap "$window" && /usr/bin/python3 -c '
import sys
from Xlib import display
x = display.Display()
state = x.intern_atom("WM_STATE")
x.create_resource_object("window", int(sys.argv[1])).change_property(state, state, 32, [3, 0])
x.sync()' "$window") > /dev/null 2>&1 &
fi
exec "$@"
