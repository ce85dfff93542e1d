#!/usr/bin/env bash
# Runs a Windows test program under Wine in a virtual desktop of the given
# size (e.g. 1366x768), drawn by Wine's X11 driver in an X server of its own
# (Xvfb), in the given prefix, which is created on first use. Real input
# reaches the windows through Wine's own desktop, with no window manager.
set -euo pipefail
prefix=$1
size=$2
shift 2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
x_screen=${size}x24
source "$(dirname "$0")/../support/own-x-server.sh"
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  wineboot -i >/dev/null 2>&1
fi
if ! grep -q "\"Default\"=\"$size\"" "$prefix/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
  wineserver -w
fi
status=0
wine "$@" || status=$?
wineserver -w
exit $status
