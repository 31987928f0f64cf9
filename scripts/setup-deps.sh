#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need.
# Idempotent and non-interactive: only missing packages are installed.
#   scripts/setup-deps.sh          build and test dependencies
#   scripts/setup-deps.sh --run    also what the live programs use at run time
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-webengine-dev qt6-speech-dev qt6-speech-flite-plugin pulseaudio
  libqt6svg6-dev qt6-image-formats-plugins
  libinih-dev libcurl4-openssl-dev libxlsxwriter-dev
  libgtest-dev libbenchmark-dev
  unrtf python3-openpyxl
  fonts-dejavu-core
)
if [[ "${1:-}" == "--run" ]]; then
  packages+=(libreoffice-calc xdg-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root (or install them with apt-get) and try again." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
