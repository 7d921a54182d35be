#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev xvfb xauth xdotool imagemagick
          fonts-dejavu-core libhamlib-utils clang-format)

bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"
