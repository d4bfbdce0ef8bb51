# Shared by scripts/run and scripts/test: the Debian packages the program
# needs to build, run and be tested, and how to install the missing ones.
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$TOP/build"

# libcups2-dev: the printer hands its jobs to CUPS itself, to hear whether
# they were taken.
# qt6-translations-l10n: Qt's own buttons in Dutch.
# qt6-svg-dev: the board saved as an SVG drawing.
PACKAGES_BUILD=(cmake g++ make qt6-base-dev libgl-dev libcups2-dev fonts-liberation fonts-dejavu-core wdutch
                qt6-translations-l10n qt6-svg-dev)
# dpkg-shlibdeps (dpkg-dev) and file work out the package's dependencies.
PACKAGES_PACKAGE=(dpkg-dev file)
# cups-*: the print journey runs a private cupsd with a PDF printer; the
# desktop tools and lintian check the package. librsvg2-bin and libxml2-utils:
# the board's SVG is rendered and parsed by tools other than Qt's own.
PACKAGES_TEST=(xvfb xdotool x11-utils xclip imagemagick poppler-utils python3 clang libclang-rt-14-dev chromium
               librsvg2-bin libxml2-utils
               cups-daemon cups-client cups-filters desktop-file-utils appstream lintian "${PACKAGES_PACKAGE[@]}"
               qt6-gtk-platformtheme gnome-themes-extra shared-mime-info xdg-utils libglib2.0-bin nodejs npm
               python3-pyatspi openbox)
# shared-mime-info, xdg-utils, libglib2.0-bin (gio): the package journey asks the desktop's tools a puzzle's type.
# nodejs, npm: the journey in Chromium runs on puppeteer-core (tests/e2e/puppeteer.sh), and an ipuz reader of
# another maker reads our exported files (PACKAGES_NPM).
# python3-pyatspi: the screen-reader journey reads the program as the desktop's accessibility bus shows it.
# openbox: the journeys and the random walk run under a real window manager, which decides who has the keyboard.
# Packages that count as there when their command is: a Node.js package
# from outside Debian brings its own npm and conflicts with Debian's, which
# apt would then refuse to install.
declare -A PACKAGES_COMMANDO=([nodejs]=node [npm]=npm)
# Installed without their recommendations: those would bring printer
# discovery and colour daemons that the private print system must not meet.
PACKAGES_KAAL=(cups-daemon cups-client cups-filters)

install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 && continue
        [ -n "${PACKAGES_COMMANDO[$p]:-}" ] && command -v "${PACKAGES_COMMANDO[$p]}" >/dev/null 2>&1 && continue
        missing+=("$p")
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
    local kaal=() vol=()
    for p in "${missing[@]}"; do
        if [[ " ${PACKAGES_KAAL[*]} " == *" $p "* ]]; then kaal+=("$p"); else vol+=("$p"); fi
    done
    if [ ${#vol[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${vol[@]}"
    fi
    if [ ${#kaal[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${kaal[@]}"
    fi
}

# The npm packages the tests use, put in a folder of the build by install_npm.
# @xwordly/xword-parser: an independent ipuz parser; 1.0.5, as 1.1.0 needs a package the registry lacks.
PACKAGES_NPM=(@xwordly/xword-parser@1.0.5)

# install_npm FOLDER: the npm packages into FOLDER/node_modules, when missing.
install_npm() {
    local p missing=()
    for p in "${PACKAGES_NPM[@]}"; do
        [ -f "$1/node_modules/${p%@*}/package.json" ] || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    npm install --prefix "$1" --no-save --no-audit --no-fund --loglevel=error "${missing[@]}"
}

# build_program [target...]: configures and builds everything, or only the
# given targets.
build_program() {
    cmake -S "$TOP" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$BUILD" "${targets[@]}" -j "$(nproc)"
}
