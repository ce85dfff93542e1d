#!/usr/bin/env bash
# Runs a Windows test program under Wine (run-under-wine.sh PREFIX EXE ...)
# in the given language, e.g. de_DE: Wine gives its programs the user
# interface language of the process's locale, which is compiled here into
# a folder beside the prefix, so that the system's own locales stay as
# they are.
set -euo pipefail
language=$1
prefix=$2
shift 2
locales="$(dirname "$prefix")/locales"
if [ ! -d "$locales/$language.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i "$language" -f UTF-8 "$locales/$language.UTF-8"
fi
LOCPATH=$locales LANG=$language.UTF-8 LC_ALL= LANGUAGE= exec "$(dirname "$0")/run-under-wine.sh" "$prefix" "$@"
