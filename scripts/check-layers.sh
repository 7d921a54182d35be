#!/usr/bin/env bash
# The core's folders are layers: a folder may include from the folders listed for it, never from
# one above. The core builds on any host with the C++ standard library alone, so no toolkit,
# POSIX or Windows header may appear in it either. Run by the tests; a breach fails the build.
set -euo pipefail
cd "$(dirname "$0")/../src"

# Bottom to top. Each layer may include itself and the layers named after it.
declare -A allowed=(
    [base]="base"
    [link]="base"
    [app]="base link"
    [stations]="base link app"
    [controller]="base link app stations"
    [stations/commands]="base link app stations controller"
    [exchange]="base link app stations controller stations/commands"
    [schedule]="base link app stations controller"
    [remote]="base link app stations controller"
    [scan]="base link app stations controller"
    [ui]="base link app stations controller stations/commands exchange schedule remote scan"
)

layer_of() {  # path inside src/ -> its layer
    case "$1" in
        stations/commands/*) echo "stations/commands" ;;
        *) echo "${1%%/*}" ;;
    esac
}

host='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|qt[a-z]*/.*|unistd\.h|fcntl\.h|termios\.h|poll\.h|pwd\.h|dirent\.h|dlfcn\.h|pthread\.h|signal\.h|sys/.*|arpa/.*|netinet/.*|windows\.h|platform/.*)[>"]'

failed=0
while IFS= read -r file; do
    layer=$(layer_of "$file")
    if [ -z "${allowed[$layer]+set}" ]; then
        echo "$file: folder '$layer' has no row in the layer table" >&2
        failed=1
        continue
    fi
    if grep -nE "$host" "$file" | sed "s|^|$file:|" >&2; then failed=1; fi
    while IFS= read -r included; do
        target=$(layer_of "$included")
        [ "$target" = "$layer" ] && continue
        case " ${allowed[$layer]} " in
            *" $target "*) ;;
            *) echo "$file includes $included: $layer may not use $target" >&2; failed=1 ;;
        esac
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z_]+\/[^"]+)".*/\1/p' "$file")
done < <(find . -path ./platform -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' | sort)

if [ "$failed" -ne 0 ]; then
    echo "layer check failed: move the shared word down, or hand the upper layer a narrow interface" >&2
    exit 1
fi
echo "layers: every include points down; core includes the standard library only"
