#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Veltrano needs.
# Idempotent and quiet when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6
  qt6-qpa-plugins libgl-dev qt6-translations-l10n
  nlohmann-json3-dev
  libjpeg62-turbo-dev libheif-dev qt6-image-formats-plugins
  fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-14-dev clang-format
  poppler-utils xvfb xauth imagemagick
  dbus at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
