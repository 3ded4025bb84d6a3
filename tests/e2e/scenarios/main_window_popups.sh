#!/usr/bin/env bash
# The panes' popup menus, right-clicked as a user would: a low pass run now
# listen-only and ended, a pass's scheduling opened, a tracking entry removed
# and another shown on the map.
source "$(dirname "$0")/../lib.sh"

seed_station
import_elements
reg_dword 'Software\Kova\Tarvon' 'Map Display' 0  # the map opens only from the popup
add_satellite FO-29 "$(standin_program)"
add_satellite SO-50 "$(standin_program)"
reg_sz 'Software\Kova\Tarvon' Tracking 'SO-50~AO-07~GO-32~'
apply_registry
t=$(now)
# The engine leaves the first pass alone: it stays below the minimum elevation.
write_schedule "FO-29:$((t - 120)):$((t + 900)):0:0" "SO-50:$((t + 4000)):$((t + 4600)):0"
start_station
measure_panes

pane_command schedule 0 2  # Listen only
pane_command schedule 0 1  # Run this pass now
wait_standin START 60 || fail "Run this pass now did not start the program"
wait_standin 2041 20 || fail "no listen-only message"
expect_eq "$(standin_lines 2041 | cut -d' ' -f3-)" "1 0" "listen-only message"

screenshot pass-in-progress
pane_command schedule 0 1  # End this pass now, on the running pass's menu
wait_standin WM_CLOSE 20 || fail "End this pass now did not close the program"

pane_command schedule 1 0  # Edit Scheduling
probe find --class '#32770' --title 'Edit pass of SO-50' --timeout 10 >/dev/null || fail "no pass editor"
press 'Edit pass of SO-50' Cancel

before=$(tracking_value)
expect_eq "$before" "SO-50~AO-07~GO-32~" "tracking list before"
pane_command tracking 0 3  # Remove from the tracking list
changed() { after=$(tracking_value); [ "$after" != "$before" ]; }
wait_until 10 changed || fail "the tracking list stayed $before"
names=$(echo "$after" | tr '~' '\n' | grep -c .)
expect_eq "$names" 2 "names left in the tracking list ($after)"
for name in $(echo "$after" | tr '~' ' '); do
    [[ "~$before" == *"~$name~"* ]] || fail "unknown name $name after removal"
done

measure_schedule_pane  # the schedule pane took the line given up
pane_command tracking 0 1  # Display on Map
probe find --class Tarvon:Map --timeout 20 >/dev/null || fail "Display on Map opened no map"
screenshot map
# A larger font: the window follows at once with taller lines, and keeps it.
line_before=$LINE
menu 128
set_field Font 1138 16
close_with Font
sleep 1
measure_panes
[ "$LINE" -gt "$line_before" ] || fail "lines of $LINE pixels after a larger font (were $line_before)"
screenshot font-changed
close_tarvon
[ "$(probe reg-dword 'Software\Kova\Tarvon' 'Font Size')" != 12 ] || fail "Font Size not stored"
shown=$(probe reg-string 'Software\Kova\Tarvon' 'Map Sat')
[[ "~$after" == *"~$shown~"* ]] || fail "the map showed $shown, not an entry of $after"
