#!/usr/bin/env bash
# With "Map Display" on (the default), the pass runner opens the map on the
# running satellite at the start of its pass, its marker where the tool's
# look angles put it.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"
source "$(dirname "$0")/../map/map.sh"

seed_station
import_elements
add_satellite SO-50 "$(standin_program)"
t=$(now)
aos=$((t + 40))
write_schedule "SO-50:$aos:$((aos + 120)):0"
export TARVON_MAP_LOG="$WORK_WIN\\map.log"
start_station
probe find --class Tarvon:Map --timeout 5 >/dev/null && fail "the map was open before the pass"
wait_standin START 90 || fail "the pass did not start"
probe find --class Tarvon:Map --timeout 20 >/dev/null || fail "the runner did not open the map"
probe move --class VANT:MAIN --x 560 --y 420 >/dev/null  # the program's window off the map
sleep 2
check_paused_marker SO-50 pass
close_tarvon
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Map Sat')" SO-50 "Map Sat"
echo ok
