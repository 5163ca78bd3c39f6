#!/usr/bin/env bash
# The manual page says what the help says: every piece of `tessra --help` and of each listed
# subcommand's --help appears in the rendered page.
set -euo pipefail
build=$1
exe=$build/src/tessra
flat() { tr '\n' ' ' | tr -s ' '; }
manual=" $(MANWIDTH=1000 LC_ALL=C.UTF-8 man -l "$build/src/res/tessra.1" | flat) "
missing=0
for sub in "" $("$exe" --help | sed -n '/^Subcommands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'); do
  while IFS= read -r line; do
    [[ -z $line || $line =~ ^[A-Z][a-z]*:$ ]] && continue
    line=${line#Usage: }
    while IFS= read -r piece; do
      [[ -z $piece || $manual == *" $piece"* ]] && continue
      echo "tessra $sub --help: '$piece' is not in the manual page"
      missing=1
    done < <(sed 's/<\([^>]*\)>/\1/g; s/^ *//; s/  \+/\n/g' <<<"$line")
  done < <("$exe" $sub --help)
done
exit $missing
