#!/usr/bin/env bash
# Makes the Wine prefix template of the scenarios once per build folder
# ($E2E_WORK/prefix-template); lib.sh gives each scenario a copy. wineboot
# takes about 20 s, a copy moments. Safe to run from many scenarios at once.
set -euo pipefail
: "${E2E_WORK:?e2e work folder}"
template="$E2E_WORK/prefix-template"
wine=$(command -v wine64 || command -v wine)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$E2E_WORK"
exec 9>"$E2E_WORK/prefix.lock"
flock 9
[ -f "$template/system.reg" ] && exit 0
export WINEPREFIX="$template.making"
rm -rf "$WINEPREFIX"
"$wine" wineboot -i >/dev/null 2>&1 || true
# A Wine desktop draws the windows' frames and captions, which a bare X
# server without a window manager would not.
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w
[ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix" >&2; exit 1; }
mv "$WINEPREFIX" "$template"
