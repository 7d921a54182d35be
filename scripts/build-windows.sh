#!/usr/bin/env bash
# Cross-builds ZORIVAN for Windows with mingw-w64: a self-contained zorivan.exe (static; system
# DLLs only), the ZELKA stand-in for the copy-data exchange, and the core's test executables.
# Installs what it needs from Debian first (apt-get; as root, or through sudo).
#
#   scripts/build-windows.sh            build in build-win (ZORIVAN_WIN_BUILD_DIR to change)
#
# The program is build-win/src/platform/win32/zorivan.exe. The receiver simulator needs a
# pseudo-terminal and stays a Linux program; under Wine, COM1 is mapped to it (test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 googletest

build=${ZORIVAN_WIN_BUILD_DIR:-build-win}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIVAN_WERROR=ON \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "build-windows: $build/src/platform/win32/zorivan.exe"
