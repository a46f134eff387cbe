# Sourced by scripts/run, scripts/test and the others: installs the Debian
# packages Tidewell needs (only the missing ones) and builds it with the
# presets of CMakePresets.json (dev into build/).
set -euo pipefail

TIDEWELL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TIDEWELL_BUILD=$TIDEWELL_ROOT/build  # the dev preset's folder

TIDEWELL_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev fonts-ipafont-gothic
  xvfb xdotool desktop-file-utils appstream
  libqt6svg6 help2man qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  python3-dev pybind11-dev python3-numpy python3-pandas python3-matplotlib python3-pytest
  python3-setuptools python3-pip
)
# Only scripts/screenshot needs these: a window manager for the frame,
# xwininfo to find it and ImageMagick's import to save it.
TIDEWELL_SCREENSHOT_PACKAGES=(openbox x11-utils imagemagick)

# Installs the missing ones of the given packages (TIDEWELL_PACKAGES by default).
tidewell_install_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${TIDEWELL_PACKAGES[@]}")
  local missing=()
  for package in "${wanted[@]}"; do
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

# Configures and builds a preset (dev, release, sanitize): everything, or only
# the given targets.
tidewell_build_preset() {
  local preset=$1
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  (cd "$TIDEWELL_ROOT" && cmake --preset "$preset" >/dev/null &&
    cmake --build --preset "$preset" --parallel "$(nproc)" "${targets[@]}")
}

# Builds the dev preset into build/: everything, or only the given targets.
tidewell_build() {
  tidewell_build_preset dev "$@"
}

# Runs a preset's tests.
tidewell_test_preset() {
  (cd "$TIDEWELL_ROOT" && ctest --preset "$1")
}
