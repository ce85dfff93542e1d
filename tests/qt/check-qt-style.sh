#!/bin/sh
# Qt's own options reach Qt: "orvane -style Fusion", started where the
# environment asks Qt for its Windows style, looks exactly as Orvane in the
# Fusion style the environment asks for, and not as in the Windows style.
# Runs inside a desktop (run-under-window-manager.sh).
set -eu
build=$1
folder=$(mktemp -d)
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
"$build/make_demo_prefix" "$folder/prefix" >/dev/null
xdotool mousemove 0 0 # nothing under the pointer
# look PICTURE STYLE [ARGUMENT...]: the main window once its picture has settled.
look() {
    picture=$folder/$1
    style=$2
    shift 2
    QT_STYLE_OVERRIDE=$style WINEPREFIX="$folder/prefix" "$build/orvane" "$@" &
    program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" --name '^Orvane$' | head -n 1)
    xwd -id "$window" -silent >"$picture"
    for _ in $(seq 50); do
        sleep 0.2
        xwd -id "$window" -silent >"$folder/next"
        cmp -s "$folder/next" "$picture" && break
        mv "$folder/next" "$picture"
    done
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=
}
look asked Windows -style Fusion
look fusion Fusion
look windows Windows
cmp -s "$folder/asked" "$folder/fusion" || { echo "orvane -style Fusion does not look as Fusion does"; exit 1; }
if cmp -s "$folder/fusion" "$folder/windows"; then
    echo "Fusion and Windows look alike here: the test cannot tell them apart"
    exit 1
fi
echo "orvane -style Fusion shows the Fusion style"
