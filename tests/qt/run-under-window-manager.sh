#!/bin/sh
# Runs a test program in a desktop of its own: an X server (Xvfb) with the
# openbox window manager, so that real key presses and clicks (XTest) reach
# the windows as they reach a player's. XVFB_SCREEN sets the screen's size
# and depth (1280x1024x24 unless set).
set -eu
x_screen=${XVFB_SCREEN:-1280x1024x24}
. "$(dirname "$0")/../support/own-x-server.sh"
openbox --sm-disable >/dev/null 2>&1 &
x_children="$! $x_children" # the manager goes before its server
# openbox announces itself on the root window once it manages it.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
QT_QPA_PLATFORM=xcb "$@"
