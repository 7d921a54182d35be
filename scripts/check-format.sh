#!/usr/bin/env bash
# Every C++ file of the tree is laid out as .clang-format says. Run by the tests; to mend a
# failure, run: scripts/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/setup.sh)"; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=$(clang-format --dry-run --Werror "${files[@]}" 2>&1 |
              sed -nE 's/^([^ :][^:]*):[0-9]+:[0-9]+: (error|warning):.*/\1/p' | sort -u || true)
if [ -n "$unformatted" ]; then
    printf 'not formatted (scripts/check-format.sh --fix): %s\n' $unformatted
    exit 1
fi
echo "format: every file as .clang-format says"
