#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev xvfb xauth xdotool imagemagick
          fonts-dejavu-core libhamlib-utils clang-format)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        SUDO=sudo
    else
        SUDO=
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
