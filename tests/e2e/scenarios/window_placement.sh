#!/usr/bin/env bash
# A stored position is used when it lies on the screen; x = -5 (or a height
# of 40) gives the system's default placement. Closing writes the values back.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"

# A usable stored position is kept.
reg_dword 'Software\Kova\Tarvon' xLeft 100
reg_dword 'Software\Kova\Tarvon' yTop 80
start_tarvon
probe find --class Tarvon --timeout 30 >/dev/null || fail "no main window"
sleep 1
read -r left top right bottom < <(probe rect --class Tarvon)
expect_eq "$left $top" "100 80" "stored position"
screenshot stored

# Moving the window and closing it writes the position back.
probe move --class Tarvon --x 150 --y 90 >/dev/null
sleep 1
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
expect_eq "$EXIT_CODE" 0 "exit code"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' xLeft)" 150 "xLeft written back"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' yTop)" 90 "yTop written back"
width=$(probe reg-dword 'Software\Kova\Tarvon' cxWidth) || fail "cxWidth not written"
height=$(probe reg-dword 'Software\Kova\Tarvon' cyHeight) || fail "cyHeight not written"
expect_eq "$width" $((right - left)) "cxWidth written back"
expect_eq "$height" $((bottom - top)) "cyHeight written back"
probe reg-dword 'Software\Kova\Tarvon' 'Map xLeft' >/dev/null || fail "Map xLeft not written"
probe reg-string 'Software\Kova\Tarvon' 'Map Sat' >/dev/null && fail "Map Sat written without a map satellite"

# x = -5 is refused: the window goes where the system puts new windows.
reg_dword 'Software\Kova\Tarvon' xLeft 0xfffffffb
start_tarvon
probe find --class Tarvon --timeout 30 >/dev/null || fail "no main window"
sleep 1
read -r left top _ _ < <(probe rect --class Tarvon)
[ "$left" -ge 0 ] || fail "window placed at x=$left"
[ "$left $top" != "150 90" ] || fail "the other stored values were kept"
screenshot default
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
echo "ok"
