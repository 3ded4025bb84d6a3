#!/usr/bin/env bash
# The map opened from the menu, with the 80E origin: a low orbiter, a
# high-eccentricity satellite and the Sun, in real time and fast motion, each
# marker where the tool's look angles put it; the ground track does not run
# across the map at the date line; the terminator fits the season. Closing
# stores the map's position, open state and satellite, and the next start
# brings them back.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../map/map.sh"

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
map_key f
sleep 3
check_paused_marker AO-40 ao40-fast

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
echo ok
