#!/usr/bin/env bash
# A listen-only pass of the stand-in program: started at AOS - Start Time,
# told listen-only and the LOS, closed at LOS + Pass End Time, the end in the
# schedule file; the map opened on the satellite as the pass starts.
source "$(dirname "$0")/../lib.sh"

seed_station
import_elements
add_satellite SO-50 "$(standin_program)"
apply_registry
t=$(now)
aos=$((t + 60))
los=$((aos + 40))
write_schedule "SO-50:$aos:$los:1"
export TARVON_MAP_LOG="$WORK_WIN\\map.log"
start_station
probe find --class Tarvon:Map --timeout 5 >/dev/null && fail "the map was open before the pass"

wait_standin START 120 || fail "the stand-in was not started"
started=$(standin_lines START | cut -d' ' -f1)
# Runner at AOS - 25, then the modem's 1.5 s.
expect_near "$started" $((aos - 25)) 6 "program start"
screenshot pass
wait_standin 2042 20 || fail "no LOS message"
expect_eq "$(standin_lines 2041 | cut -d' ' -f3-)" "1 0" "listen-only message"
expect_eq "$(standin_lines 2042 | cut -d' ' -f3-)" "0 $los" "LOS message"
probe find --class Tarvon:Map --timeout 40 >/dev/null || fail "the runner did not open the map"
probe move --class VANT:MAIN --x 560 --y 420 >/dev/null  # the program's window off the map
sleep 2
check_paused_marker SO-50 map

wait_standin WM_CLOSE $((los + 40 - $(now))) || fail "the stand-in was not closed"
closed=$(standin_lines WM_CLOSE | cut -d' ' -f1)
expect_near "$closed" $((los + 10)) 5 "close at LOS + Pass End Time"
wait_standin EXIT 10 || fail "the stand-in did not end"
sleep 3
close_tarvon

expect_eq "$(pass_field SO-50 endedByScheduler)" 1 "endedByScheduler"
expect_near "$(pass_field SO-50 lastRunEnd)" "$closed" 12 "lastRunEnd"
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Map Sat')" SO-50 "Map Sat"
