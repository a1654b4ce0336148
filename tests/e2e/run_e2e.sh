#!/bin/sh
# run_e2e.sh BINARY SCENARIO [--screenshots DIR]: one end-to-end scenario on a display and a session bus of its own.
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/veltiming_e2e.py" "$@"
