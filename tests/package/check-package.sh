#!/bin/sh
# The Debian package as a player gets it: its metadata checked, unpacked
# into a scratch root, and the installed program started on the demo
# prefix, under an X server of its own, until its main window shows.
set -eu
build=$1
version=$2
deb=$(ls "$build"/orvane_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no orvane_*.deb in $build: run make package"; exit 1; }
root=$(mktemp -d)
server=
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "Depends lacks Qt: shlibdeps did not run"; exit 1; }
dpkg-deb -x "$deb" "$root"
id=org.example.Orvane
desktop-file-validate "$root/usr/share/applications/$id.desktop"
grep -qx "Path=/usr/share/doc/orvane" "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
for size in 16 32 48; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size"
done
# The installed readme is titled with the version the build states.
head -n 1 "$root/usr/share/doc/orvane/readme.txt" | grep -qF "Orvane $version - "
test -s "$root/usr/share/bash-completion/completions/orvane"
# The installed program answers a script without a display.
env -u DISPLAY "$root/usr/bin/orvane" --version | grep -qxF "Orvane $version"
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb"
fi

"$build/make_demo_prefix" "$root/prefix" >/dev/null
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$root/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$root/display")"
WINEPREFIX="$root/prefix" QT_QPA_PLATFORM=xcb "$root/usr/bin/orvane" &
program=$!
for _ in $(seq 150); do
    if xwininfo -root -tree | grep -q '"Orvane"'; then
        echo "the installed Orvane showed its main window"
        exit 0
    fi
    kill -0 "$program" 2>/dev/null || { echo "the installed Orvane ended before showing its window"; exit 1; }
    sleep 0.1
done
echo "the installed Orvane showed no window within 15 s"
exit 1
