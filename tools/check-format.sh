#!/bin/sh
# Reports C++ files that clang-format would change (exit 1), or reformats them with --fix.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
files=$(git ls-files '*.cpp' '*.h' | grep -v '^build')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i $files
    exit 0
fi
clang-format --dry-run --Werror $files
