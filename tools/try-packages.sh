#!/bin/sh
# Tries the Debian packages the way a user gets them. Run by hand (CI does not): it installs
# packages on this machine, needs root (or sudo) and takes a while (it builds the client once more).
#
#   tools/try-packages.sh [build dir] [screenshot.png]
#
# 1. makes both packages from the development build tree (default: build) and checks them with
#    lintian where it is installed;
# 2. installs them, checks the installed metadata, and that the installed service holds no path of
#    the build tree;
# 3. starts the installed service with demo data in a throw-away folder, where it makes its own
#    development certificate authority;
# 4. builds the client with the release preset, pointed at that service and trusting that
#    authority, and runs it under Xvfb until the sign-in page shows (the screenshot is kept); there
#    it asks for a sign-in code as a manager would, which reaches the service only over a connection
#    the client trusts (a second screenshot shows the code page);
# 5. at the end, also on failure, stops the service and removes the packages, whatever they or
#    this script pulled in, and the folder, so that the machine is left as it was.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shot="${2:-$root/screenshots/try-packages-sign-in.png}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

say() { printf '== %s\n' "$*"; }
fail() {
    printf 'FAILED: %s\n' "$*" >&2
    exit 1
}
installed_packages() {
    dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' | awk '$2 == "installed" { print $1 }' | sort
}

for package in norvela norvela-devserver; do
    if dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -q '^installed$'; then
        fail "$package is installed already; remove it first, so that this trial can leave the machine as it found it"
    fi
done

work=$(mktemp -d /tmp/norvela-packages.XXXXXX)
installed_packages >"$work/before"
service=""
cleanup() {
    status=$?
    if [ -n "$service" ]; then
        kill "$service" 2>/dev/null || true
        wait "$service" 2>/dev/null || true
    fi
    installed_packages >"$work/after"
    added=$(comm -13 "$work/before" "$work/after" | tr '\n' ' ')
    if [ -n "$(echo "$added" | tr -d ' ')" ]; then
        say "removing what the trial installed: $added"
        DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq $added >"$work/purge.log" 2>&1 ||
            { cat "$work/purge.log" >&2; status=1; }
    fi
    rm -rf "$work"
    [ "$status" -eq 0 ] && say "done; the machine is as it was" || say "failed; the machine is as it was"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# What the trial itself needs beyond the build: an X server to run the client in and a way to
# capture it. Whatever is installed here is removed again with the packages.
need=""
command -v xvfb-run >/dev/null || need="$need xvfb xauth"
[ -x /usr/bin/import ] || need="$need imagemagick"
command -v xdotool >/dev/null || need="$need xdotool"
command -v curl >/dev/null || need="$need curl"
if [ -n "$need" ]; then
    say "installing for the trial:$need"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $need >"$work/tools.log" 2>&1 ||
        { cat "$work/tools.log" >&2; fail "cannot install$need"; }
fi

say "making the packages from $build"
cmake --build "$build" --target norvela_shipped norvela_devserver_shipped norvela_packaging_files >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log" >&2; fail "the build tree does not build"; }
(cd "$build" && cpack -G DEB -B "$work/packages" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
client_deb=$(ls "$work"/packages/norvela_*.deb)
service_deb=$(ls "$work"/packages/norvela-devserver_*.deb)
if command -v lintian >/dev/null; then
    lintian --fail-on error "$client_deb" "$service_deb" ||
        fail "lintian reports errors"
    say "lintian: no errors"
else
    say "lintian is not installed; the packages were not checked"
fi

say "installing $(basename "$client_deb") and $(basename "$service_deb")"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$client_deb" "$service_deb" \
    >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "apt-get install"; }
appstreamcli validate --no-net /usr/share/metainfo/ir.norvela.norvela.metainfo.xml ||
    fail "the installed metadata does not validate"
for program in /usr/bin/norvela /usr/bin/norvela-devserver; do
    if grep -qF "$build" "$program"; then
        fail "$program names the build tree $build"
    fi
done

say "starting the installed service with demo data"
mkdir -p "$work/home"
HOME="$work/home" /usr/bin/norvela-devserver --data "$work/service" --port 0 --seed demo --fixed-code 1234 \
    >"$work/service.out" 2>"$work/service.err" &
service=$!
port=""
for _ in $(seq 60); do
    port=$(sed -n 's|^listening on https://127\.0\.0\.1:\([0-9]*\)/api/$|\1|p' "$work/service.out")
    [ -n "$port" ] && break
    kill -0 "$service" 2>/dev/null || break
    sleep 0.5
done
[ -n "$port" ] || { cat "$work/service.err" >&2; fail "the installed service did not start"; }
authority=$(sed -n 's/^made a development certificate authority: //p' "$work/service.err")
[ -f "$authority" ] || { cat "$work/service.err" >&2; fail "the service named no authority it made"; }
origin="https://127.0.0.1:$port"
say "the service listens on $origin/ and made $authority"
curl -fsS --cacert "$authority" -o /dev/null "$origin/" || fail "the service's own authority does not vouch for it"
if curl -fsS -o /dev/null "$origin/" 2>/dev/null; then
    fail "the system's authorities vouch for the development service"
fi
say "curl: trusted with that authority, refused with the system's alone"

say "building the client with the release preset, trusting that authority (takes a while)"
launcher=""
if command -v ccache >/dev/null; then
    # Throw-away folders of the same depth make the same relative paths: later runs hit the cache.
    launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR=/
fi
cmake --preset release -S "$root" -B "$work/client" $launcher \
    -DNORVELA_API_BASE_URL="$origin/api/" -DNORVELA_SITE_URL="$origin/" \
    -DNORVELA_MAP_TILE_URL="$origin/map/tiles/" -DNORVELA_MAP_GEOCODING_URL="$origin/map/geocoding" \
    -DNORVELA_MAP_PLACES_URL="$origin/map/places" -DNORVELA_TRUSTED_CA="$authority" \
    >"$work/client-configure.log" 2>&1 || { tail -20 "$work/client-configure.log" >&2; fail "the release preset does not configure"; }
cmake --build "$work/client" -j"$(nproc)" --target norvela_shipped >"$work/client-build.log" 2>&1 ||
    { tail -30 "$work/client-build.log" >&2; fail "the release preset does not build"; }
[ ! -e "$work/client/devcert" ] || fail "the release build made a development authority"
[ ! -e "$work/client/devserver" ] || fail "the release build configured the stand-in service"

say "running the client under Xvfb until the sign-in page shows"
mkdir -p "$(dirname "$shot")"
code_shot="${shot%.png}-code.png"
rm -f "$shot" "$code_shot"
# The places clicked are those of the sign-in page on a 1366x768 screen: the mobile number field,
# the terms box and the button that asks for the code.
HOME="$work/home" xvfb-run -a -s "-screen 0 1366x768x24" sh -c "
    \"$work/client/native/shipped/norvela\" & app=\$!
    sleep 12
    kill -0 \$app || exit 1
    /usr/bin/import -window root \"$shot\"
    xdotool mousemove 680 474 click 1 sleep 0.5 type --delay 80 9151234567
    xdotool mousemove 800 536 click 1 sleep 0.5 mousemove 682 593 click 1
    sleep 5
    /usr/bin/import -window root \"$code_shot\"
    kill \$app" || fail "the client ended before the sign-in page showed"
[ -s "$shot" ] || fail "no screenshot was taken"
say "the client showed the sign-in page: $shot"
grep -q '^sms to 0*9151234567: ' "$work/service.err" ||
    fail "the client's request for a code did not reach the service (see $code_shot)"
say "its request for a sign-in code reached the installed service over TLS: $code_shot"
