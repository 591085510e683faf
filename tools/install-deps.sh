#!/bin/sh
# Installs the Debian 12 packages the program, its stand-in service and its tests need.
set -eu
packages="cmake g++ ninja-build pkg-config make openssl ca-certificates
    qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev qtpositioning5-dev
    qtlocation5-dev qml-module-qtqml qml-module-qtquick2 qml-module-qtquick-window2
    qml-module-qtquick-layouts qml-module-qtquick-controls2 qml-module-qtquick-templates2
    qml-module-qtquick-controls qml-module-qtquick-dialogs qml-module-qtquick-localstorage
    qml-module-qtgraphicaleffects qml-module-qtpositioning qml-module-qtlocation
    qml-module-qt-labs-platform qml-module-qt-labs-settings qml-module-qtqml-models2 qml-module-qttest
    qttranslations5-l10n
    libqt5location5-plugins libqt5positioning5-plugins libqt5sql5-sqlite libxlsxwriter-dev
    libcpp-httplib-dev nlohmann-json3-dev libsqlite3-dev libssl-dev sqlite3 xvfb xauth
    fonts-lato fonts-bebas-neue fonts-farsiweb python3 python3-openpyxl curl"
missing=$(dpkg-query -W -f='${Package} ${Status}\n' $packages 2>/dev/null | awk '$4 != "installed" {print $1}' || true)
# dpkg-query says nothing of packages it has never heard of: count those as missing too.
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
missing=$(echo $missing | tr ' ' '\n' | sort -u | tr '\n' ' ')
if [ -n "$(echo $missing | tr -d ' ')" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
