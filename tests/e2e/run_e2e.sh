#!/bin/sh
# run_e2e.sh BINARY SCENARIO [--screenshots DIR]: one end-to-end scenario on its own session bus.
set -eu
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/veltiming_e2e.py" "$@"
