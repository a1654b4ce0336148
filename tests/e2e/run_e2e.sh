#!/bin/sh
# Runs one end-to-end scenario on its own X display and session bus, with the
# accessibility bus that the scenario drives the program through.
#   run_e2e.sh BINARY SCENARIO [--screenshots DIR]
set -eu
script="$(cd "$(dirname "$0")" && pwd)/veltiming_e2e.py"
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    status=0
    /usr/bin/python3 "$@" || status=$?
    kill "$launcher" 2>/dev/null || true
    exit "$status"' sh "$script" "$@"
