#!/usr/bin/env bash
# Installs the Debian packages LumoCAD needs to build and test, when missing.
# Quiet and quick when everything is there.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  clang libclang-rt-14-dev
  xvfb xauth
  desktop-file-utils x11-utils
  iverilog
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
