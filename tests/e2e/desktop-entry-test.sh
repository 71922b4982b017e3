#!/usr/bin/env bash
# The desktop entry validates and opens files: its Exec line takes the files a
# file manager passes (%F), and every type under MimeType is an audio type the
# system's MIME database knows, by its name or an alias, the common ones among them.
# Every language the program speaks names and describes it in the menu too, and
# in the software centre's metainfo beside the entry.
# Usage: desktop-entry-test.sh ENTRY [MIME_DIR] [TRANSLATIONS_DIR]
set -euo pipefail
entry=$1
mime=${2:-/usr/share/mime}
translations=${3:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
desktop-file-validate "$entry" || fail "desktop-file-validate"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = "qelvanto %F" ] || fail "Exec is '$exec_line', not 'qelvanto %F'"
types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d')
[ -n "$types" ] || fail "no MimeType"
for common in audio/mpeg audio/mp4 audio/flac audio/ogg audio/x-wav audio/x-aiff audio/x-ms-wma audio/ac3 audio/x-opus+ogg; do
  grep -qxF "$common" <<<"$types" || fail "$common is not listed"
done
while read -r type; do
  case $type in audio/*) ;; *) fail "$type is not audio" ;; esac
  [ -e "$mime/$type.xml" ] || grep -q "^$type " "$mime/aliases" || fail "$type is unknown to $mime"
done <<<"$types"
languages=0
if [ -n "$translations" ]; then
  metainfo=${entry%.desktop}.metainfo.xml
  for ts in "$translations"/qelvanto_*.ts; do
    lang=$(basename "$ts" .ts); lang=${lang#qelvanto_}
    for key in GenericName Comment Keywords; do
      grep -q "^$key\[$lang\]=." "$entry" || fail "no $key[$lang]"
    done
    grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || fail "no summary for $lang in the metainfo"
    languages=$((languages + 1))
  done
  [ "$languages" -gt 0 ] || fail "no translations in $translations"
fi
echo "PASS: $(wc -l <<<"$types") audio types, Exec=$exec_line, $languages languages"
