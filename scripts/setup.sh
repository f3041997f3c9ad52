#!/usr/bin/env bash
# Sets VUD up on a Debian 12 machine: installs what is missing, builds, and
# then either starts the game or runs the whole test suite.
#   setup.sh play   build and start vud2 on the bundled sample data
#   setup.sh test   build normally and with sanitizers, run every test in both,
#                   then run each fuzz target briefly (scripts/fuzz.sh)
set -euo pipefail

cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    libgif-dev fonts-liberation qt6-image-formats-plugins libqt6sql6-sqlite libquazip1-qt6-dev
    xvfb xauth x11-utils xdotool imagemagick xdg-utils libglib2.0-bin shared-mime-info
    desktop-file-utils appstream lintian dpkg-dev file
    clang libfuzzer-14-dev libclang-rt-14-dev
    at-spi2-core python3-pyatspi dbus
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# Seconds each fuzz target runs in the test command.
FUZZ_SECONDS=${FUZZ_SECONDS:-20}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    fi
}

build() {
    local dir=$1 launcher=()
    shift
    # A compiler cache, where there is one, makes a second build of the same
    # sources quick.
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@"
    cmake --build "$dir" -j2
}

SUMMARY=()

run_tests() {
    local dir=$1 log status=0
    log=$(mktemp)
    echo "== Tests in $dir"
    ctest --test-dir "$dir" --output-on-failure -j2 2>&1 | tee "$log" || status=1
    SUMMARY+=("$dir: $(grep -E 'tests passed|No tests were found' "$log" | tail -n 1 || true)")
    rm -f "$log"
    return $status
}

case "${1:-}" in
play)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        echo "vud2 is built in build/bin, but there is no display to show it on (no X display could be opened): start it from a desktop session." >&2
        exit 1
    fi
    exec build/bin/vud2
    ;;
test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DVUD_SANITIZE=ON
    status=0
    run_tests build || status=1
    run_tests build-asan || status=1
    if command -v clang++ >/dev/null; then
        if scripts/fuzz.sh "$FUZZ_SECONDS"; then
            SUMMARY+=("fuzz: every target ran ${FUZZ_SECONDS} s without a finding")
        else
            SUMMARY+=("fuzz: FAILED (a build error above, or a finding in build-fuzz/findings)")
            status=1
        fi
    else
        SUMMARY+=("fuzz: skipped, clang is not installed")
    fi
    echo "== Summary"
    printf '%s\n' "${SUMMARY[@]}"
    exit $status
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
