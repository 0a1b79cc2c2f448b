# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: install what is missing, then configure and build.

# The Debian packages needed to build Brainloft and run its tests.
BRAINLOFT_PACKAGES="cmake g++ make pkg-config qt6-base-dev libgtest-dev libgmock-dev libgl-dev fonts-dejavu-core desktop-file-utils shared-mime-info xdg-utils appstream libglib2.0-bin"
# Charts for the results, zip packages, translations, and PDFs read back in tests.
BRAINLOFT_PACKAGES+=" qt6-charts-dev libquazip1-qt6-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n poppler-utils"
# Qt Charts finds its OpenGL dependency through these CMake files.
BRAINLOFT_PACKAGES+=" libqt6opengl6-dev"
# The manual page is compressed with gzip and checked with groff.
BRAINLOFT_PACKAGES+=" gzip groff-base"
# The German locale that the translation tests make with localedef.
BRAINLOFT_PACKAGES+=" locales"

# ensure_packages PKG...: installs those not yet installed (through sudo when
# not root); says nothing when all are there.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Brainloft needs these packages: ${missing[*]}" >&2
            echo "Install them as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build_brainloft BUILD_DIR TARGET [CMAKE OPTIONS...]: configures BUILD_DIR and
# builds TARGET ("all" for everything).
build_brainloft() {
    local dir=$1 target=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --target "$target" -j "$(nproc)"
}

# needs_display ARGUMENTS...: whether Brainloft, started with these
# arguments, opens a window. --help, --version and the commands that only
# write files (--import, --export, --print-pdf, and --results with a file
# to write) need no display.
needs_display() {
    local argument results=false writes=false
    for argument in "$@"; do
        [ "$argument" = "--" ] && break
        case "${argument,,}" in
            --help | --version | --import | --export | --print-pdf) return 1 ;;
            --results) results=true ;;
            --takers-csv | --takers-csv=* | --items-csv | --items-csv=* | --summary-csv | \
                --summary-csv=* | --report-pdf | --report-pdf=*) writes=true ;;
        esac
    done
    ! { $results && $writes; }
}

# What ./fuzz (and ./test, which runs it briefly) needs besides the above.
BRAINLOFT_FUZZ_PACKAGES="clang libclang-rt-14-dev"
# What ./bench needs besides the above.
BRAINLOFT_BENCH_PACKAGES="libbenchmark-dev"
