#!/usr/bin/env bash
# A station whose suite was never set up says so and ends with -1.
source "$(dirname "$0")/../lib.sh"

start_tarvon
box=$(probe msgbox --title "Kova Initialisation Error" --timeout 30) || fail "no message box"
screenshot message
expect_eq "$(echo "$box" | sed -n 2p)" \
    "Kova setup has not been completed.  You must run the setup program before you can use Kova." "text"
probe press --title "Kova Initialisation Error" --button OK >/dev/null || fail "no OK button"
wait_exit "$TARVON_PID" 20 || fail "still running after OK"
expect_eq "$EXIT_CODE" 255 "exit code (-1)"
probe find --class Tarvon >/dev/null && fail "a main window was created"
echo "ok"
