#!/bin/sh
# Saves pictures of the real program: the splash page, both sign-in tabs and the code page, then
# the file detail page and the map picker, the plans, orders, transactions and archive shop, the
# listing form's steps, calculator and pictures, the office registration and both roles' profiles,
# and the users' pages with their dialogs.
# The sign-in pictures need a stand-in service with demo data on the program's default address
# (port 8443); the other pictures start a stand-in service of their own:
#   norvela-devserver --seed demo --fixed-code 1234 &
#   tools/screenshot-client/run.sh [build dir] [output dir]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${1:-$root/build}"
out="${2:-$root/screenshots}"
mkdir -p "$out"
cd "$out"
# The test runner gives each run storage of its own, so the program starts signed out.
xvfb-run -a -s "-screen 0 1366x768x24" \
    "$build/tests/support/norvela-qmltest" -input "$root/tools/screenshot-client/sign-in-screens.qml"
NORVELA_TEST_DEVSERVER="$build/devserver/norvela-devserver" xvfb-run -a -s "-screen 0 1366x768x24" \
    "$build/tests/support/norvela-qmltest" -input "$root/tools/screenshot-client/file-detail-screens.qml"
NORVELA_TEST_DEVSERVER="$build/devserver/norvela-devserver" xvfb-run -a -s "-screen 0 1366x768x24" \
    "$build/tests/support/norvela-qmltest" -input "$root/tools/screenshot-client/plan-screens.qml"
for screens in file-form-screens profile-screens adviser-profile-screens users-screens; do
    NORVELA_TEST_DEVSERVER="$build/devserver/norvela-devserver" xvfb-run -a -s "-screen 0 1366x768x24" \
        "$build/tests/support/norvela-qmltest" -input "$root/tools/screenshot-client/$screens.qml"
done
