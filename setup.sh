# setup.sh: shared by ./play and ./check: installs the Debian packages that are missing and
# builds the game into build/. Sourced, not run.
ORMAL_PACKAGES="cmake g++ make pkg-config libsdl2-dev libcairo2-dev libpango1.0-dev librsvg2-dev
  libgtest-dev fonts-urw-base35 fonts-liberation2 fonts-dejavu-core xvfb xdotool imagemagick
  x11-utils file evilwm"

ormal_install_packages() {
    local missing=()
    for p in $ORMAL_PACKAGES; do
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

# ormal_build DIR [cmake options...]
ormal_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null &&
        cmake --build "$dir" -j "$(nproc)"
}
