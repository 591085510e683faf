#!/bin/sh
# Installs what is missing, builds the client and the stand-in service, starts the service with
# demo data on 127.0.0.1:8443 and runs the client against it. The service stops with the client.
# The demo agency's plan is in its last two days on every start, so that it can be renewed or
# another plan bought (the plan page offers neither earlier).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${NORVELA_BUILD_DIR:-$root/build}"
data="${NORVELA_DEMO_DATA:-$root/build/demo-data}"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target norvela norvela-devserver
mkdir -p "$data"
"$build/devserver/norvela-devserver" --data "$data" --port 8443 --seed demo --fixed-code 1234 --plan-days-left 2 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT INT TERM
sleep 1
"$build/native/norvela"
