# Installs the Debian packages VelTiming needs, only those that are missing.
# Sourced by run.sh and test.sh.

vel_install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

VEL_BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libxcb1-dev)
VEL_RUN_PACKAGES=(qt6-qpa-plugins qt6-translations-l10n fonts-urw-base35 libqt6multimedia6 libqt6svg6)
# Tests: Xvfb (with xvfb-run and xauth) and the accessibility bus for the end-to-end runs, xdotool and
# xclip for their keyboard and clipboard, python3-xlib for a second X client, ImageMagick for their screenshots,
# poppler for reading printed PDFs, the packaging validators, and clang-format
# for the formatting check.
VEL_TEST_PACKAGES=(xvfb xauth dbus at-spi2-core python3-pyatspi python3-xlib xdotool xclip imagemagick poppler-utils
                   desktop-file-utils appstream clang-format)
# The fuzzers: clang and its libFuzzer and sanitizer runtimes, which on
# Debian 12 come in their own package.
VEL_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
