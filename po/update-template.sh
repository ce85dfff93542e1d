#!/usr/bin/env bash
# Makes po/orvane.pot, the template of every catalogue, from the texts the
# code looks up with texts("...") and the texts of the windows' layouts,
# which the built layout_texts lists (its path the last argument, by default
# build/layout_texts). With --check it changes nothing, and
# fails unless the template in po/ is current (the date it was made aside)
# and every catalogue translates every text of it.
set -euo pipefail
check=no
[ "${1:-}" = --check ] && { check=yes; shift; }
layout_texts=$(realpath "${1:-$(dirname "$0")/../build/layout_texts}")
cd "$(dirname "$0")/.."
made=$(mktemp)
code=$(mktemp)
layouts=$(mktemp)
trap 'rm -f "$made" "$code" "$layouts"' EXIT
"$layout_texts" >"$layouts"
git ls-files -- '*.cpp' '*.h' ':!tests/*' ':!bench/*' ':!fuzz/*' | LC_ALL=C sort |
  xgettext --files-from=- --language=C++ --keyword= --keyword=texts --keyword=formatted --flag=formatted:1:c-format --keyword=usageError --flag=usageError:1:c-format --keyword=translatable --flag=translatable:1:c-format --keyword=formattedPlural:1,2 --flag=formattedPlural:1:c-format --flag=formattedPlural:2:c-format --from-code=UTF-8 \
    --add-comments=Translators: --add-location=file --sort-output --package-name=Orvane \
    --msgid-bugs-address= -o "$code" 2>&1 |
  grep -v -e 'option --msgid-bugs-address was not' -e "'Makevars' file" -e MSGID_BUGS_ADDRESS -e 'msgid-bugs-address command line' >&2 || true
[ -s "$code" ] || { echo "xgettext made no template" >&2; exit 1; }
sed -i 's/charset=CHARSET/charset=UTF-8/' "$code"
msgcat --use-first --sort-output --add-location=file -o "$made" "$code" "$layouts"
if [ $check = yes ]; then
  if ! diff <(grep -v '^"POT-Creation-Date:' "$made") <(grep -v '^"POT-Creation-Date:' po/orvane.pot) >&2; then
    echo "po/orvane.pot is not the code's: run po/update-template.sh and update the catalogues (msgmerge)" >&2
    exit 1
  fi
  for po in po/*.po; do
    msgcmp --no-fuzzy-matching "$po" po/orvane.pot ||
      { echo "$po does not translate every text of po/orvane.pot" >&2; exit 1; }
  done
else
  cp "$made" po/orvane.pot
fi
