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

# The builds are CMakePresets.json's, as an IDE opens them; here the
# end-to-end checks must run, their tools installed above.
cmake --preset debug -DVEL_E2E=ON > /dev/null
cmake --build --preset debug -j"$(nproc)"
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j"$(nproc)"

# Both runs go to the end; the script fails when either does.
status=0
ctest --preset debug -j"$(nproc)" "$@" || status=$?
ctest --preset fuzz -j"$(nproc)" "$@" || status=$?
exit "$status"
