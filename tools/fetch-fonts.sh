#!/bin/sh
# Fetches the program's fonts again into rss/fonts from their packages:
#   npm mdi@1.6.50          icon font (materialdesignicons-webfont.ttf)
#   npm vazirmatn           Persian text face (static TTFs)
#   Debian fonts-lato       Lato
#   Debian fonts-bebas-neue Bebas Neue
#   Debian fonts-farsiweb   Titr and Nazli, the Persian display pair
# Needs npm, and the three Debian packages installed (apt-get install fonts-lato fonts-bebas-neue fonts-farsiweb).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dest="$root/rss/fonts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$dest"
cd "$work"
npm pack --silent mdi@1.6.50 vazirmatn@33.0.3 >/dev/null
mkdir mdi vazirmatn
tar xzf mdi-1.6.50.tgz -C mdi
tar xzf vazirmatn-33.0.3.tgz -C vazirmatn

cp mdi/package/fonts/materialdesignicons-webfont.ttf "$dest/"
cp mdi/package/license.md "$dest/materialdesignicons-LICENSE.md"
for weight in Regular Medium Bold; do
    cp "vazirmatn/package/fonts/ttf/Vazirmatn-$weight.ttf" "$dest/"
done
cp vazirmatn/package/OFL.txt "$dest/Vazirmatn-OFL.txt"

cp /usr/share/fonts/truetype/lato/Lato-Regular.ttf "$dest/"
cp /usr/share/doc/fonts-lato/copyright "$dest/Lato-LICENSE.txt"
cp /usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf "$dest/"
cp /usr/share/doc/fonts-bebas-neue/copyright "$dest/BebasNeue-LICENSE.txt"
cp /usr/share/fonts/truetype/farsiweb/titr.ttf /usr/share/fonts/truetype/farsiweb/nazli.ttf "$dest/"
cp /usr/share/doc/fonts-farsiweb/copyright "$dest/farsiweb-LICENSE.txt"
echo "fonts written to $dest"
