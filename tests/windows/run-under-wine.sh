#!/usr/bin/env bash
# Runs a Windows test program under Wine in the given prefix, which is
# created on first use and set up as test-prefix.reg says. Wine's own
# chatter stays out of the log.
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  wineboot -i >/dev/null 2>&1
fi
if ! grep -q '"PMingLiU"="WenQuanYi Micro Hei"' "$prefix/user.reg" 2>/dev/null; then
  wine reg import "$(dirname "$0")/test-prefix.reg" >/dev/null 2>&1
  # The desktop keeps the driver it started with until the server ends.
  wineserver -w
fi
status=0
wine "$@" || status=$?
# Let the server save the registry and go, so that the next test finds no
# wineserver running for the prefix.
wineserver -w
exit $status
