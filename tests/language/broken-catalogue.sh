#!/usr/bin/env bash
# A catalogue whose translation drops a text's %s, adds one, or drops a
# menu text's & must fail the build's check (the command in the first
# arguments, the catalogue appended), while the catalogue as it is passes.
set -euo pipefail
catalogue=${!#}
check=("${@:1:$#-1}")
copy=$(mktemp --suffix=.po)
trap 'rm -f "$copy"' EXIT
"${check[@]}" "$catalogue" || { echo "the catalogue as it is fails the check" >&2; exit 1; }
status=0
for broken in 's/^msgstr "Installiert in %s"$/msgstr "Installiert"/' \
              's/^msgstr "Installiert in %s"$/msgstr "Installiert in %s %s"/' \
              's/^msgstr "&Datei"$/msgstr "Datei"/'; do
  sed "$broken" "$catalogue" >"$copy"
  if cmp -s "$copy" "$catalogue"; then
    echo "$broken changed nothing: the test no longer breaks the catalogue" >&2
    status=1
  elif "${check[@]}" "$copy" 2>/dev/null; then
    echo "the check passed a catalogue broken by $broken" >&2
    status=1
  fi
done
exit $status
