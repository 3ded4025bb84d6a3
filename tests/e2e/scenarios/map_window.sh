#!/usr/bin/env bash
# The map from the menu: markers where the tool's look angles put them in real
# time and fast motion both ways, a track that does not cross the map, the
# season's terminator; place and satellite kept over a restart; the observer
# database edited and read back. Damaged input (a garbled KOVA.OBS, an unknown
# "Map Sat", speed and origin out of range) loses nothing.
source "$(dirname "$0")/../lib.sh"

seed_station
import_elements
reg_sz 'Software\Kova\Tarvon' 'Map Sat' SO-50
reg_dword 'Software\Kova\Tarvon' 'Map Origin' 2
MAP_SHIFT=145
export TARVON_MAP_LOG="$WORK_WIN\\map.log"
start_station
menu 143  # Tracking > Graphic Track
probe find --class Tarvon:Map --timeout 20 >/dev/null || fail "no map window"
sleep 3

check_paused_marker SO-50 so50-realtime
mapcheck track so50-realtime || fail "SO-50 track"
mapcheck terminator so50-realtime "$(date +%s)" || fail "terminator"

map_key f
sleep 3
check_paused_marker SO-50 so50-fast
mapcheck track so50-fast || fail "SO-50 track in fast motion"
map_key d  # fast motion backwards
sleep 3
times=$(grep -o 'time=[0-9.]*' "$WORK/map.log" | tail -2 | cut -d= -f2 | tr '\n' ' ')
awk -v t="$times" 'BEGIN { split(t, a, " "); exit !(a[2] < a[1]) }' || fail "map time does not run backwards: $times"
check_paused_marker SO-50 so50-reverse
mapcheck track so50-reverse || fail "SO-50 track backwards"

select_on_map AO-40
check_paused_marker AO-40 ao40-realtime

select_on_map "The Sun"
pause_and_shoot sun
mapcheck terminator sun "$PAUSED_UNIX" || fail "terminator with the Sun shown"

# The map's place and satellite survive a restart.
probe move --class Tarvon:Map --x 300 --y 200 >/dev/null
select_on_map AO-40
close_tarvon
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Map Sat')" AO-40 "Map Sat"
expect_eq "$(dwords 'Software\Kova\Tarvon' 'Map Open' 'Map xLeft' 'Map yTop')" "1 300 200" "map open and position"
start_tarvon
probe find --class Tarvon:Map --timeout 30 >/dev/null || fail "the map was not opened again"
sleep 3
read -r left top _ _ < <(probe rect --class Tarvon:Map)
expect_eq "$left $top" "300 200" "map position after the restart"
check_paused_marker AO-40 ao40-restart
close_tarvon

reg_sz 'Software\Kova\Tarvon' 'Map Sat' NOSUCH
reg_dword 'Software\Kova\Tarvon' 'Map Speed' 20000 'Map Origin' 9 'Map Open' 1
python3 - "$KOVA_DIR/KOVA.OBS" <<'PY'
import struct, sys
good = b"Boulder".ljust(26, b"\0") + struct.pack("<3d", 40.0, -105.0, 1650.0)
sys.stdout = open(sys.argv[1], "wb")
sys.stdout.write(good + b"\xff" * 50 + b"G3ZCZ\0\0")
PY
MAP_SHIFT=-17
start_tarvon
probe find --class Tarvon:Map --timeout 30 >/dev/null || fail "the map was not opened at start"
sleep 3

# Unknown satellite: the Sun; origin 9: the first origin.
pause_and_shoot sun-first-origin
mapcheck terminator sun-first-origin "$PAUSED_UNIX" || fail "the Sun on the first origin"
map_key p
map_key f  # speed 20000 is read as 100 frames an orbit
sleep 2
grep -q 'fast=1' "$WORK/map.log" || fail "no fast motion"
map_key f

# Edit Observer Database: only the good record is listed.
obs='Edit Observer Database'
menu 144
expect_eq "$(probe list --title "$obs" --id 4321 --timeout 10)" "Boulder" "observers listed"
# add_observer NAME LAT LON ELEVATION N|S E|W, through New and OK.
add_observer() {
    probe batch <<B >/dev/null || fail "observer $1 not entered"
press --title "$obs" --button New
sleep --ms 500
set-text --title "$obs" --id 4322 --text "$1"
set-text --title "$obs" --id 4323 --text "$2"
set-text --title "$obs" --id 4324 --text "$3"
set-text --title "$obs" --id 4325 --text "$4"
press --title "$obs" --button "$5"
press --title "$obs" --button "$6"
press --title "$obs" --button OK
B
    sleep 1
}
add_observer "Cape Town" 33.92 18.42 10 S E
add_observer Sydney -33.87 151.21 5 N E  # a typed minus with N set stays north
add_observer Nowhere 95 10 0 N E
probe msgbox --title Tarvon --timeout 10 --press OK >/dev/null || fail "no message for latitude 95"
sleep 0.5
probe list --title "$obs" --id 4321 --select Boulder >/dev/null || fail "Boulder not listed"
sleep 0.5
expect_eq "$(field "$obs" 4323)" "40.000" "Boulder's latitude shown"
press "$obs" Delete
sleep 1
expect_eq "$(probe list --title "$obs" --id 4321 | tr '\n' ,)" "Cape Town,Sydney," "observers after the edits"
sleep 1
screenshot edit-observers
press "$obs" Cancel
expect_eq "$(observer_file | tr '\n' ,)" "?,Cape Town -33.920 18.420 10.0,Sydney 33.870 151.210 5.0,left over 0," "KOVA.OBS"

# Change Observers: Sydney joins the map's table, one line more.
before=$(map_height)
map_command 109
probe list --title 'Change Observers' --id 4341 --select Sydney --double 1 --timeout 10 >/dev/null || fail "Sydney not offered"
sleep 0.5
expect_eq "$(probe list --title 'Change Observers' --id 4342 | tr '\n' ,)" "G0TST,Sydney," "selected observers"
probe press --title 'Change Observers' --button OK >/dev/null
sleep 1
after=$(map_height)
[ "$after" -gt "$before" ] || fail "the table did not grow for Sydney ($before -> $after)"

# A double-click on the map adds the place as an observer.
probe post --class Tarvon:Map --msg 515 --lparam $(((100 << 16) | 300)) >/dev/null
sleep 1
[ "$(map_height)" -gt "$after" ] || fail "the table did not grow for the clicked place"
sleep 2
screenshot observers
close_tarvon
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Map Sat')" NOSUCH "Map Sat kept"
