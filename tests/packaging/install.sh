#!/usr/bin/env bash
# Installs into a temporary prefix: every file in its place and accepted by its validator, and
# the settings record per user for the installed copy, beside the program for a build copy.
set -euo pipefail
build=$1 source=$2
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT && chmod 755 "$tmp"
cmake --install "$build" --prefix "$tmp/usr" >/dev/null
share=$tmp/usr/share
for file in bin/tessra share/applications/org.tessra.Tessra.desktop share/man/man1/tessra.1 \
    share/icons/hicolor/scalable/apps/tessra.svg share/mime/packages/tessra.xml \
    share/metainfo/org.tessra.Tessra.metainfo.xml; do
  [ -f "$tmp/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

desktop-file-validate "$share/applications/org.tessra.Tessra.desktop"
grep -qx 'Exec=tessra %f' "$share/applications/org.tessra.Tessra.desktop"
appstreamcli validate --no-net "$share/metainfo/org.tessra.Tessra.metainfo.xml" >/dev/null
xmllint --noout "$share/mime/packages/tessra.xml" "$share/icons/hicolor/scalable/apps/tessra.svg"
update-mime-database "$share/mime" 2>/dev/null
grep -q "application/x-bse-braille:\*\.BSE:cs" "$share/mime/globs2"
grep -q "application/x-pef+xml:\*\.pef" "$share/mime/globs2"
grep -q "application/x-brf:\*\.brf" "$share/mime/globs2"
warnings=$(man --warnings -l "$share/man/man1/tessra.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man: $warnings"; exit 1; }

# A record naming the ZEN10 model: only a run that reads it can write the embosser stream.
record() { mkdir -p "${1%/*}" && head -c 1024 /dev/zero >"$1" &&
           printf 'ZEN10\r\n' | dd of="$1" bs=1 seek=496 conv=notrunc status=none; }
cp "$source/examples/sample.BSE" "$tmp/"
embosses() { env XDG_CONFIG_HOME="$tmp/config" "$@" emboss "$tmp/sample.BSE" --output /dev/null; }

mkdir "$tmp/build-copy" && cp "$build/src/tessra" "$tmp/build-copy/" && record "$tmp/build-copy/Tessra.ini"
embosses "$tmp/build-copy/tessra" || { echo "the build copy did not read Tessra.ini beside it"; exit 1; }
rm "$tmp/build-copy/Tessra.ini" && record "$tmp/config/tessra/Tessra.ini"
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else as_user=() && chmod a-w "$tmp/usr/bin"; fi
embosses "${as_user[@]}" "$tmp/usr/bin/tessra" || { echo "the installed copy did not read \$XDG_CONFIG_HOME/tessra/Tessra.ini"; exit 1; }
