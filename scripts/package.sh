#!/usr/bin/env bash
# Builds the release artefacts of both platforms into dist/:
#   zorivan_<version>-1_<arch>.deb   the Linux program (Qt 6) with its desktop entry, icons and
#                                    AppStream metainfo; dependencies taken from the binary
#   zorivan-<version>-windows-x64.zip  zorivan.exe (static: no DLLs to ship), the ZELKA stand-in
#                                    for trying the exchange, and the example station file
# Installs what it needs from Debian first (apt-get; as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/install-packages.sh dpkg-dev
mkdir -p dist

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIVAN_BUILD_QT=ON \
      -DZORIVAN_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-package -j "$(nproc)" --target zorivan
(cd build-package && cpack -G DEB -B "$PWD/../dist" >/dev/null)

ZORIVAN_WIN_BUILD_DIR=build-win bash scripts/build-windows.sh
(cd build-win && cpack -G ZIP -B "$PWD/../dist" >/dev/null)

rm -rf dist/_CPack_Packages
ls -l dist
