#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need.
# Only packages that are missing are installed, so a second run costs nothing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libcairo2-dev libfreetype-dev libjpeg-dev libpng-dev libvorbis-dev libogg-dev libmp3lame-dev
  fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  python3
  xvfb xdotool libx11-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
