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
folder=$(mktemp -d)
server=
cleanup() {
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
Xvfb -displayfd 3 -nolisten tcp -screen 0 "${size}x24" 3>"$folder/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$folder/display")"
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
