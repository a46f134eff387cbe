# Sourced by scripts/run and scripts/test: installs the Debian packages Tidewell
# needs (only the missing ones) and builds it into build/.
set -euo pipefail

TIDEWELL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TIDEWELL_BUILD=${TIDEWELL_BUILD:-$TIDEWELL_ROOT/build}

TIDEWELL_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev fonts-ipafont-gothic
  xvfb xdotool desktop-file-utils appstream
)

tidewell_install_packages() {
  local missing=()
  for package in "${TIDEWELL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

tidewell_build() {
  cmake -S "$TIDEWELL_ROOT" -B "$TIDEWELL_BUILD" -G Ninja -DTIDEWELL_WERROR=ON "$@" >/dev/null
  cmake --build "$TIDEWELL_BUILD" --parallel "$(nproc)"
}
