#!/usr/bin/env bash
# Installs what building and testing Umbrix needs on Debian 12 (run as root).
set -eu
packages=(cmake g++ make libgtest-dev libgmock-dev python3 clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick fonts-dejavu-core x11-utils
          x11vnc
          fonts-wine)  # Wine's own fonts: without them caption buttons draw as letters ("0 1 r")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
