#!/bin/sh
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${NORVELA_BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh"
# The schema seed is generated: it must match its description.
python3 "$root/tools/schema/generate_seed.py" --check
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVELA_WERROR=ON
cmake --build "$build" -j"$(nproc)"
# Every document and script must pass the QML linter.
cmake --build "$build" --target qmllint
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
