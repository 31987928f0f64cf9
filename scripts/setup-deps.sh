#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need.
# Idempotent and non-interactive: only missing packages are installed, and with everything
# present it changes nothing and needs no root.
#   scripts/setup-deps.sh          build and test dependencies
#   scripts/setup-deps.sh --run    also what the live programs use at run time
#   scripts/setup-deps.sh --screenshots   also what scripts/take-screenshots.sh drives them with
set -euo pipefail

# qt6-httpserver-dev does not bring qt6-websockets-dev, which its CMake package needs.
# Real package names (as `dpkg-query -W NAME` knows them once installed), not virtual ones
# that some other package only provides.
packages=(
  build-essential cmake ninja-build pkg-config clang-format git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-webengine-dev qt6-httpserver-dev qt6-websockets-dev qt6-speech-dev qt6-speech-flite-plugin pulseaudio
  qt6-svg-dev qt6-image-formats-plugins
  libinih-dev libcurl4-openssl-dev libxlsxwriter-dev
  libbenchmark-dev
  clang libclang-rt-14-dev
  unrtf python3 python3-openpyxl python3-aiosmtpd
  fonts-dejavu-core
  librsvg2-bin desktop-file-utils appstream
)
what="build and test"
if [[ "${1:-}" == "--run" ]]; then
  packages+=(libreoffice-calc xdg-utils)
  what="build, test and run"
elif [[ "${1:-}" == "--screenshots" ]]; then
  packages+=(libreoffice-calc xdg-utils xvfb xdotool imagemagick)
  what="build, test, run and screenshot"
fi

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null | grep -q '^ii' || echo "$p"
  done
}

mapfile -t missing < <(missing_packages)
if [[ ${#missing[@]} -eq 0 ]]; then
  echo "All $what packages are installed."
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them as root and try again:" >&2
  echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"

# A name that apt resolved to another package (a virtual one) would be missing again next time.
mapfile -t missing < <(missing_packages)
if [[ ${#missing[@]} -ne 0 ]]; then
  echo "Still not installed after apt-get: ${missing[*]}" >&2
  exit 1
fi
echo "All $what packages are installed."
