#!/bin/sh
# Runs a test program in a desktop of its own: an X server (Xvfb) with the
# openbox window manager, so that real key presses and clicks (XTest) reach
# the windows as they reach a player's. XVFB_SCREEN sets the screen's size
# and depth (1280x1024x24 unless set).
set -eu
folder=$(mktemp -d)
server=
manager=
cleanup() {
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
Xvfb -displayfd 3 -nolisten tcp -screen 0 "${XVFB_SCREEN:-1280x1024x24}" 3>"$folder/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$folder/display")"
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# openbox announces itself on the root window once it manages it.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
QT_QPA_PLATFORM=xcb "$@"
