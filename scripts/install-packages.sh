#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
#   install-packages.sh run    what building and starting a program needs
#   install-packages.sh test   that, and what the tests need
set -euo pipefail
packages=(build-essential cmake pkg-config libsdl2-dev libx11-dev libcairo2-dev libfontconfig-dev
          libfreetype-dev fonts-ipafont-gothic fonts-liberation)
if [ "${1:-run}" = test ]; then
  packages+=(googletest libgtest-dev xvfb xauth xdotool x11-apps imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" > /dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
