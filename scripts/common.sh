# Shared by scripts/run and scripts/test: the Debian packages the program
# needs to build, run and be tested, and how to install the missing ones.
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$TOP/build"

PACKAGES_BUILD=(cmake g++ make qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation fonts-dejavu-core wdutch)
PACKAGES_TEST=(xvfb xdotool xclip x11-utils imagemagick poppler-utils python3 clang libclang-rt-14-dev chromium)

install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Not root and no sudo. Install them with:" >&2
            echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build_program() {
    cmake -S "$TOP" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j "$(nproc)"
}
