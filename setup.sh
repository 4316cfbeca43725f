# setup.sh: shared by ./play, ./check and packaging/build-deb: installs the Debian packages
# that are missing and builds the game into build/. Sourced, not run.

# Building and playing.
ORMAL_PLAY_PACKAGES="cmake g++ make pkg-config libsdl2-dev libx11-dev libcairo2-dev
  libpango1.0-dev librsvg2-dev gettext fonts-urw-base35 fonts-liberation2 fonts-dejavu-core"
# Making the Debian package: dpkg-shlibdeps.
ORMAL_PACKAGE_PACKAGES="dpkg-dev"
# The tests: GoogleTest; the real-window tests' X server, window manager, pointer and
# pictures; the package's validators.
ORMAL_TEST_PACKAGES="libgtest-dev xvfb evilwm xdotool imagemagick x11-utils file
  lintian desktop-file-utils appstream man-db python3"

# ormal_install_packages PACKAGE...: installs those that are missing.
ormal_install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
}

# ormal_build DIR [cmake options...] [-- targets...]
ormal_build() {
    local dir=$1
    shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift && targets=(--target "$@")
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null &&
        cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}
