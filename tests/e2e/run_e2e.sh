#!/bin/sh
# Runs one end-to-end scenario on its own session bus; the scenario starts its
# own X display and the accessibility bus it drives the program through.
#   run_e2e.sh BINARY SCENARIO [--screenshots DIR]
set -eu
script="$(cd "$(dirname "$0")" && pwd)/veltiming_e2e.py"
exec dbus-run-session -- /usr/bin/python3 "$script" "$@"
