# Sourced first by the benchmarks that need an X display: goes to the
# project's folder, installs what they use and, when no display is set, runs
# the benchmark again on Xvfb with the same arguments.
script=$(realpath "$0")
cd "$(dirname "$script")/.."
. scripts/packages.sh
vel_install_missing xvfb xauth x11-utils xdotool
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$script" "$@"
fi
