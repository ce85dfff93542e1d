#!/bin/sh
# The Windows zip holds orvane.exe and the player's readme, side by side at its top.
set -eu
zip=$(ls "$1"/orvane-*-windows.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || { echo "no orvane-*-windows.zip in $1: run make package"; exit 1; }
listing=$(cmake -E tar tf "$zip")
echo "$listing"
[ "$(echo "$listing" | sort | tr '\n' ' ')" = "orvane.exe readme.txt " ]
