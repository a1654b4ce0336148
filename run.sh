#!/usr/bin/env bash
# Installs what is missing, builds VelTiming (Release, incremental) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "VelTiming needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set." >&2
    exit 1
fi

vel_install_missing "${VEL_BUILD_PACKAGES[@]}" "${VEL_RUN_PACKAGES[@]}"
cmake --preset release > /dev/null
cmake --build --preset release -j"$(nproc)"
exec ./build/src/veltiming "$@"
