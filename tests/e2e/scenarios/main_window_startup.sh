#!/usr/bin/env bash
# The main window's place: stored, written back, refused (x = -5) or absurd
# values giving defaults; a second start brings the first to the front. A
# suite never set up is said so and the station ends with -1.
source "$(dirname "$0")/../lib.sh"

start_tarvon
box=$(probe msgbox --title "Kova Initialisation Error" --timeout 30) || fail "no message box"
screenshot not-set-up
expect_eq "$(echo "$box" | sed -n 2p)" \
    "Kova setup has not been completed.  You must run the setup program before you can use Kova." "text"
probe press --title "Kova Initialisation Error" --button OK >/dev/null || fail "no OK button"
wait_exit "$TARVON_PID" 20 || fail "still running after OK"
expect_eq "$EXIT_CODE" 255 "exit code (-1)"
probe find --class Tarvon >/dev/null && fail "a main window was created"

seed_station
reg_dword 'Software\Kova\Tarvon' xLeft 100 yTop 80
start_station
first=$TARVON_PID
sleep 1
read -r left top right bottom < <(probe rect --class Tarvon)
expect_eq "$left $top" "100 80" "stored position"
screenshot stored

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
TARVON_PID=$first

probe move --class Tarvon --x 150 --y 90 >/dev/null
sleep 1
close_tarvon
expect_eq "$(dwords 'Software\Kova\Tarvon' xLeft yTop cxWidth cyHeight)" "150 90 $((right - left)) $((bottom - top))" \
    "xLeft, yTop, cxWidth, cyHeight written back"
probe reg-dword 'Software\Kova\Tarvon' 'Map xLeft' >/dev/null || fail "Map xLeft not written"
probe reg-string 'Software\Kova\Tarvon' 'Map Sat' >/dev/null && fail "Map Sat written without a map satellite"

# x = -5 is refused: the window goes where the system puts new windows.
reg_dword 'Software\Kova\Tarvon' xLeft 0xfffffffb
start_station
sleep 1
read -r left top _ _ < <(probe rect --class Tarvon)
[ "$left" -ge 0 ] || fail "window placed at x=$left"
[ "$left $top" != "150 90" ] || fail "the other stored values were kept"
screenshot default
close_tarvon

long_name=$(printf 'F%.0s' $(seq 200))
reg_sz 'Software\Kova\Tarvon' 'Font Name' "$long_name"
reg_dword 'Software\Kova\Tarvon' 'Map Speed' 0xffffffff 'Schedule Days' 0xffffffff cyHeight 40
reg_dword 'Software\Kova\Rotator' 'Pacing Delay' 0xffffffff
reg_sz 'Software\Kova\Station' Callsign "$long_name"
start_station
sleep 2
read -r left top right bottom < <(probe rect --class Tarvon)
[ $((right - left)) -ge 300 ] || fail "window only $((right - left)) wide"
[ $((bottom - top)) -ge 150 ] || fail "window only $((bottom - top)) high"
screenshot absurd
close_tarvon
