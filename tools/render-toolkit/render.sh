#!/bin/sh
# Renders the toolkit sheet under Xvfb (real OpenGL, so shadows and masks are drawn) and writes
# one PNG per panel and dialog.
#   tools/render-toolkit/render.sh [build dir]
# The PNG files go to $NORVELA_RENDER_DIR (default: <build dir>/toolkit-sheet).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="${NORVELA_RENDER_DIR:-$build/toolkit-sheet}"
runner="$build/tests/support/norvela-qmltest"
[ -x "$runner" ] || { echo "no test runner at $runner (build target norvela-qmltest)" >&2; exit 1; }
mkdir -p "$out"
cd "$out"
QT_QPA_PLATFORM=xcb QML_DISABLE_DISK_CACHE=1 \
    xvfb-run -a -s "-screen 0 1600x1200x24" "$runner" -input "$here/ToolkitSheet.qml" || \
    echo "the sheet reported problems (see above); the panels are saved all the same" >&2
echo "saved to $out:"
ls "$out"
