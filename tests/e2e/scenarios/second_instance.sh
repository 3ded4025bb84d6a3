#!/usr/bin/env bash
# A second start brings the running station to the front and ends with 0.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
start_tarvon
first=$TARVON_PID
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
screenshot first

# Put another program's window in front, then start again.
"$WINE" notepad >/dev/null 2>&1 &
probe find --class Notepad --timeout 20 >/dev/null || fail "notepad did not start"
sleep 1
start_tarvon
wait_exit "$TARVON_PID" 30 || fail "second instance still running"
expect_eq "$EXIT_CODE" 0 "second instance exit code"
sleep 1
expect_eq "$(probe foreground | cut -d' ' -f1)" Tarvon "foreground window class"
kill -0 "$first" || fail "first instance ended"
screenshot front
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$first" 30 || fail "first instance did not close"
echo "ok"
