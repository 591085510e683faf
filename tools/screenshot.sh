#!/bin/sh
# Runs the client under Xvfb for a few seconds and saves a screenshot of the whole screen.
#   tools/screenshot.sh [build dir] [output.png] [seconds]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build}"
out="${2:-$root/screenshots/norvela.png}"
wait="${3:-4}"
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 1366x768x24" sh -c "
    \"$build/native/norvela\" & app=\$!
    sleep $wait
    import -window root \"$out\" 2>/dev/null || xwd -root -silent | convert xwd:- \"$out\"
    kill \$app"
echo "saved $out"
