#!/usr/bin/env bash
# The core must build on any host with the C++ standard library alone: no toolkit, no POSIX.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|qt[a-z]*/.*|unistd\.h|fcntl\.h|termios\.h|poll\.h|pwd\.h|dirent\.h|dlfcn\.h|pthread\.h|signal\.h|sys/.*|arpa/.*|netinet/.*|windows\.h|platform/.*)[>"]'
if grep -rnE "$pattern" src/base src/app src/link src/controller src/stations src/ui src/exchange \
    src/schedule src/remote; then
    echo "core files above include host headers; move that code to src/platform/" >&2
    exit 1
fi
echo "core includes: standard library only"
