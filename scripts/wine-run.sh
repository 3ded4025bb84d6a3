#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own throwaway prefix.
# Used by ctest as the cross-compiling emulator and by the end-to-end scenarios.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${TARVON_WINEPREFIX:-/tmp/tarvon-wine-$(id -u)}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
fi
exec "$wine" "$@"
