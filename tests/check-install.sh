#!/bin/sh
# Installs the build into a scratch prefix and checks that everything a
# desktop needs is there and valid. Usage: check-install.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.brantile.brantile
for file in bin/brantile share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/32x32/apps/$id.png \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/brantile/copyright \
    share/doc/brantile/changelog.gz share/man/man1/brantile.1.gz; do
    [ -f "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
for size in 16 32 48 256; do
    identify -format '%w %h\n' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" |
        grep -qx "$size $size" || { echo "the ${size}x${size} icon has another size"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.00"' "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '<project_license>MIT</project_license>' "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx 'X-AppVersion=1.00' "$prefix/share/applications/$id.desktop"
grep -qx 'StartupWMClass=Brantile' "$prefix/share/applications/$id.desktop"
grep -qx "  <launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml"
echo "install layout: 1 passed, 0 failed"
