#!/bin/sh
# Orvane on a demo prefix with an accessibility bus of its own, read as a
# screen reader reads it. Runs inside a desktop (run-under-window-manager.sh)
# and a D-Bus session (dbus-run-session). With a catalogue (po/de.po), in
# its language: every name is then the catalogue's.
set -eu
build=$1
catalogue=${2:-}
folder=$(mktemp -d)
bus=
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    [ -z "$bus" ] || kill "$bus" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
"$build/make_demo_prefix" "$folder/prefix" >/dev/null
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
language=C
if [ -n "$catalogue" ]; then
    msgfmt -o "$folder/texts.mo" "$catalogue"
    language=$(basename "$catalogue" .po).UTF-8
fi
LANG=$language LC_ALL= LC_MESSAGES= LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WINEPREFIX="$folder/prefix" \
    "$build/orvane" &
program=$!
/usr/bin/python3 "$(dirname "$0")/accessible_names.py" ${catalogue:+"$folder/texts.mo"}
