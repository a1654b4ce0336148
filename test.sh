#!/usr/bin/env bash
# Installs what is missing, builds the test build (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and the fuzzers (with clang, in build-fuzz), and
# runs every test. The arguments go to both ctest runs.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh

vel_install_missing "${VEL_BUILD_PACKAGES[@]}" "${VEL_RUN_PACKAGES[@]}" "${VEL_TEST_PACKAGES[@]}" \
    "${VEL_FUZZ_PACKAGES[@]}"

# The formatting check; installed above, it is skipped only where clang-format
# could not be, and says so.
if command -v clang-format > /dev/null; then
    find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
else
    echo "test.sh: clang-format is not installed: the formatting check is SKIPPED." >&2
fi

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVEL_SANITIZE=ON -DVEL_WERROR=ON -DVEL_E2E=ON > /dev/null
cmake --build build-test -j"$(nproc)"
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
cmake --build build-fuzz -j"$(nproc)"

# Both runs go to the end; the script fails when either does.
status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j"$(nproc)" "$@" || status=$?
ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)" "$@" || status=$?
exit "$status"
