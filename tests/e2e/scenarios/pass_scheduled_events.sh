#!/usr/bin/env bash
# A Before Pass event of 60 s runs 60 s before the satellite's program; a
# Regularly event of one minute runs about every 60 s; a Tarvon Shutdown
# event runs when the station closes, which waits for it to record its end.
source "$(dirname "$0")/../lib.sh"

seed_station
add_satellite SAT-1 "$(standin_program)"
events_key='Software\Kova\Tarvon\Events'
add_event Before 0 60 1 SAT-1 "$STANDIN_WIN --no-window --exit-after 2 --log $WORK_WIN\\before.log BEFORE"
add_event Minutely 3 60 0 "" "$STANDIN_WIN --no-window --exit-after 1 --log $WORK_WIN\\minutely.log MINUTELY"
add_event Goodbye 7 0 0 "" "$STANDIN_WIN --no-window --exit-after 1 --log $WORK_WIN\\goodbye.log GOODBYE"
apply_registry
t=$(now)
aos=$((t + 100))
write_schedule "SAT-1:$aos:$((aos + 120)):0"
start_tarvon

wait_standin START 150 || fail "the stand-in was not started"
program=$(standin_lines START | cut -d' ' -f1)
before=$(probe reg-dword "$events_key\\Before" "Last Run Time") || fail "Before Pass event never ran"
expect_near $((program - before)) 60 4 "Before Pass lead"
expect_eq "$(grep -c START "$WORK/before.log")" 1 "Before Pass runs"

# The Regularly event: two runs about 60 s apart.
ran_twice() { [ "$(grep -c START "$WORK/minutely.log" 2>/dev/null)" -ge 2 ]; }
wait_until 90 ran_twice || true
read -r first second _ <<<"$(grep START "$WORK/minutely.log" | cut -d' ' -f1 | paste -sd' ')"
[ -n "$second" ] || fail "Regularly event ran fewer than twice"
expect_near $((second - first)) 62 4 "Regularly interval"
[[ "$(dwords "$events_key\\Minutely" 'Last Return' 'Last Success Time')" =~ ^0\ [0-9]+$ ]] ||
    fail "Last Return and Last Success Time: $(dwords "$events_key\\Minutely" 'Last Return' 'Last Success Time')"
close_tarvon
grep -q START "$WORK/goodbye.log" || fail "the Tarvon Shutdown event did not run"
probe reg-dword "$events_key\\Goodbye" "Last Success Time" >/dev/null || fail "the Tarvon Shutdown event recorded no end"
