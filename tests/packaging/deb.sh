#!/usr/bin/env bash
# Builds the Debian package from the build folder and reads it back: what it is, what it
# depends on (libraries found by dpkg-shlibdeps, fonts declared) and the files it installs.
set -euo pipefail
build=$1
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >/dev/null
deb=("$tmp"/tessra_0.20_*.deb)
info=$(dpkg-deb -I "${deb[0]}")
files=$(dpkg-deb -c "${deb[0]}")
expect() { grep -q -- "$2" <<<"$1" || { echo "not in the package: $2"; exit 1; }; }
for field in '^ Package: tessra$' '^ Version: 0.20$' '^ Recommends: cups$' \
    '^ Depends: .*fonts-dejavu-core, fonts-ipafont-gothic' '^ Depends: .*libqt6core6' '^ Depends: .*libcups2' \
    '^ Depends: .*libpugixml1v5' '^ Depends: .*libmecab2' '^ Depends: .*open-jtalk-mecab-naist-jdic'; do
  expect "$info" "$field"
done
for file in bin/tessra share/applications/org.tessra.Tessra.desktop share/man/man1/tessra.1 \
    share/icons/hicolor/scalable/apps/tessra.svg share/mime/packages/tessra.xml \
    share/metainfo/org.tessra.Tessra.metainfo.xml; do
  expect "$files" " \./usr/$file$"
done
