#!/bin/sh
# Runs a Qt test program as a client of a Wayland compositor of its own (a
# headless Weston) on Qt's Wayland platform, and reads back what it asked
# the compositor: each dialog's window must be a child of the main window
# (xdg_toplevel.set_parent), so that the compositor can place it over it.
set -eu
folder=$(mktemp -d)
compositor=
cleanup() {
    [ -z "$compositor" ] || kill "$compositor" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
chmod 700 "$folder"
export XDG_RUNTIME_DIR="$folder"
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 >"$folder/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do [ -S "$folder/wayland-test" ] && break; sleep 0.1; done
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$@" 2>"$folder/requests"
/usr/bin/python3 - "$folder/requests" <<'CHECK'
import re
import sys

parents, titles, main, orphans = {}, {}, None, []
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    if " -> " not in line:
        continue
    if made := re.search(r"get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
        parents[made[1]] = None
    elif child := re.search(r"xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@(\d+)\)", line):
        parents[child[1]] = child[2]
    elif titled := re.search(r'xdg_toplevel@(\d+)\.set_title\("(.*)"\)', line):
        if titled[2] == "Orvane":
            main = titled[1]
        elif parents.get(titled[1]) != main or main is None:
            orphans.append(titled[2])
        titles[titled[2]] = True
if main is None:
    sys.exit("Orvane showed no window on the Wayland platform")
if len(titles) < 2:
    sys.exit("no dialog was shown")
if orphans:
    sys.exit("not children of the main window: " + ", ".join(orphans))
print(f"{len(titles) - 1} dialogs, each a child of the main window")
CHECK
