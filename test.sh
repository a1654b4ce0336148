#!/usr/bin/env bash
# Installs what is missing, builds the test build (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh

vel_install_missing "${VEL_BUILD_PACKAGES[@]}" "${VEL_RUN_PACKAGES[@]}" xvfb xauth poppler-utils
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVEL_SANITIZE=ON -DVEL_WERROR=ON > /dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
