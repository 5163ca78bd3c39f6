#!/usr/bin/env bash
# Writes the manual page from the program's own help: `tessra --help`, then `tessra SUB --help`
# for every subcommand that it lists. A new subcommand appears in the page by itself.
# Usage: make-manpage.sh TESSRA OUTPUT
set -euo pipefail
exe=$1
out=$2

# One help text as man source. The program's help is top level (sections become .SH) or a
# subcommand's (a .SS headed by its usage line); options, arguments and subcommands become .TP items.
to_man() {
  awk -v top="$1" '
    function joined(s, sep, by,    n, i, parts, result) {
      n = split(s, parts, sep); result = parts[1]
      for (i = 2; i <= n; i++) result = result by parts[i]
      return result
    }
    function plain(s) { s = joined(s, "\\", "\\e"); return s ~ /^[.\047]/ ? "\\&" s : s }
    function names(s,    n, i, p, arg, parts, result) {
      n = split(s, parts, ", ")
      for (i = 1; i <= n; i++) {
        p = parts[i]; arg = ""
        if (match(p, / <[^>]*>$/)) { arg = substr(p, RSTART + 2, RLENGTH - 3); p = substr(p, 1, RSTART - 1) }
        result = result (i > 1 ? ", " : "") "\\fB" joined(plain(p), "-", "\\-") "\\fR" (arg != "" ? " \\fI" plain(arg) "\\fR" : "")
      }
      return result
    }
    NR == 1 { sub(/^Usage: /, ""); print (top ? ".SH DESCRIPTION" : ".SS \"" $0 "\""); next }
    /^$/ { if (items) { print ".PP"; items = 0 }; next }
    /^[A-Z][A-Za-z ]*:$/ { if (top) print ".SH " toupper(substr($0, 1, length($0) - 1)); next }
    /^  [^ ]/ {
      match($0, /^  [^ ]([^ ]| [^ ])*/)
      name = substr($0, 3, RLENGTH - 2); desc = substr($0, RLENGTH + 1); sub(/^ +/, "", desc)
      print ".TP"; print names(name); if (desc != "") print plain(desc); items = 1; next
    }
    { sub(/^ +/, ""); print plain($0) }
  '
}

top=$("$exe" --help)
subcommands=$(sed -n '/^Subcommands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$top")
version=$("$exe" --version)

synopsis() {  # the usage line, program and subcommand in bold
  local usage
  usage=$(head -n 1 | sed 's/^Usage: //')
  printf '\\fB%s\\fR%s\n' "$1" "${usage#"$1"}"
}

{
  printf '.TH TESSRA 1 "" "%s" "User Commands"\n' "${version//    / }"
  printf '.SH NAME\ntessra \\- make labels that carry Japanese braille\n'
  printf '.SH SYNOPSIS\n.nf\n'
  synopsis tessra <<<"$top"
  for sub in $subcommands; do "$exe" "$sub" --help | synopsis "tessra $sub"; done
  printf '.fi\n'
  to_man 1 <<<"$top"
  for sub in $subcommands; do "$exe" "$sub" --help | to_man 0; done
  cat <<'MAN'
.SH EXIT STATUS
0 on success; 1 when the work was refused or failed, with a message on standard error in the
program's own words; 2 when the command line is wrong, with the usage text.
.SH FILES
.TP
.I Tessra.ini
The settings record (printer and print position), beside the executable when its directory is
writable (a copy run from its build folder), else
.IR $XDG_CONFIG_HOME/tessra/Tessra.ini .
Subcommands only read it.
.TP
.I readings.tsv
The user's readings for
.B reading
and
.BR compose ,
in
.I $XDG_CONFIG_HOME/tessra/
(by default
.IR ~/.config/tessra/ ):
a written form, a tab and its reading in kana on each line, a blank marking a word space;
.B #
starts a comment.
.SH ENVIRONMENT
.TP
.B XDG_CONFIG_HOME
Where an installed copy keeps its settings; by default
.IR ~/.config .
.TP
.B TESSRA_MECAB_DICTIONARY
The MeCab dictionary folder that kanji are read with; by default
.IR /var/lib/mecab/dic/open-jtalk/naist-jdic .
.SH SEE ALSO
.BR lpadmin (8),
.BR lpinfo (8)
MAN
} >"$out"
