#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the game needs to build, run and test, where they are missing;
# with packages named, those as well.
set -euo pipefail

packages=(
  cmake make g++ clang clang-format libclang-rt-14-dev
  qt6-base-dev libasound2-dev qt6-svg-dev qt6-charts-dev
  libgtest-dev libbenchmark-dev libx11-dev libxcb1-dev
  fonts-dejavu-core
  xvfb xauth openbox x11-utils
  at-spi2-core dbus-x11 python3-pyatspi xdotool
  desktop-file-utils appstream dpkg-dev file lintian
)
# and those the caller names (tools/install-web-deps.sh)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
