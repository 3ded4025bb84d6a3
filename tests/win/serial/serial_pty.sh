#!/usr/bin/env bash
# Runs the serial port tests under Wine against pseudo-terminals: a prefix of
# its own with COM ports mapped to socat pairs, device emulators on the far
# ends. Usage: serial_pty.sh TEST_EXE EMULATOR WORK_DIR
set -euo pipefail
exe=$1 emulator=$2 work=$3
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)
mkdir -p "$work"
rm -f "$work"/com* "$work"/dev* "$work"/*.log
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
[ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1 || true; wineserver -w; }

# COM7: an echoing device; COM8: one that goes away after its first command.
pair() {
    socat pty,raw,echo=0,link="$work/com$1" pty,raw,echo=0,link="$work/dev$1" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -e "$work/dev$1" ] && [ -e "$work/com$1" ] && break; sleep 0.1; done
    # A device that goes away takes its pty pair with it, as a pulled
    # adapter would: the near end then reads as hung up.
    local sp=$!
    (python3 "$emulator" --device echo --port "$work/dev$1" --log "$work/dev$1.log" --fault "$2"; kill $sp) &
    "$wine" reg add 'HKLM\Software\Wine\Ports' /v "COM$1" /t REG_SZ /d "$work/com$1" /f >/dev/null 2>&1
}
pair 7 none
pair 8 vanish
wineserver -k 2>/dev/null || true  # the next start reads the port mapping
sleep 0.5
TARVON_TEST_COM=7 "$wine" "$exe"
