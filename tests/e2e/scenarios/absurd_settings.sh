#!/usr/bin/env bash
# Absurd stored values give the defaults and clamps: the station still starts
# with a usable window and closes cleanly.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
long_name=$(printf 'F%.0s' $(seq 200))
reg_sz 'Software\Kova\Tarvon' 'Font Name' "$long_name"
reg_dword 'Software\Kova\Tarvon' 'Map Speed' 0xffffffff
reg_dword 'Software\Kova\Tarvon' 'Schedule Days' 0xffffffff
reg_dword 'Software\Kova\Tarvon' cyHeight 40
reg_dword 'Software\Kova\Rotator' 'Pacing Delay' 0xffffffff
reg_sz 'Software\Kova\Station' Callsign "$long_name"

start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
sleep 2
read -r left top right bottom < <(probe rect --class Tarvon)
[ $((right - left)) -ge 300 ] || fail "window only $((right - left)) wide"
[ $((bottom - top)) -ge 150 ] || fail "window only $((bottom - top)) high"
screenshot window
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
expect_eq "$EXIT_CODE" 0 "exit code"
echo "ok"
