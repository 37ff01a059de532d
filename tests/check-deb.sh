#!/bin/sh
# Makes the .deb from the build and checks it with lintian, which must report
# no error and no warning, and checks the licences that its copyright file
# names. Usage: check-deb.sh BUILD_DIR
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(echo "$out"/brantile_*.deb)
[ -f "$deb" ] || { echo "no .deb was made"; exit 1; }
lintian --fail-on error,warning "$deb"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "the .deb does not recommend qt6-wayland"; exit 1; }

dpkg-deb --fsys-tarfile "$deb" | tar -xf - -C "$out" ./usr/share/doc/brantile/copyright
copyright=$out/usr/share/doc/brantile/copyright
for field in 'Files: \*' 'License: MIT' 'License: OFL-1.1'; do
    grep -qx "$field" "$copyright" || { echo "copyright: no line '$field'"; exit 1; }
done
echo "deb: lintian reported nothing"
