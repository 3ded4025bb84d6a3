#!/usr/bin/env bash
# A listen-only pass of a satellite whose program is the stand-in: the runner
# starts it at AOS - Start Time, tells it listen-only and the LOS, the engine
# closes it at LOS + Pass End Time, and the schedule file records the end.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"

seed_station
add_satellite SAT-1 "$(standin_program)"
apply_registry
t=$(now)
aos=$((t + 60))
los=$((aos + 40))
write_schedule "SAT-1:$aos:$los:1"
start_tarvon

wait_standin START 120 || fail "the stand-in was not started"
started=$(standin_lines START | cut -d' ' -f1)
# Runner at AOS - 25, then the modem's 1.5 s.
expect_near "$started" $((aos - 25)) 6 "program start"
screenshot pass
wait_standin 2042 20 || fail "no LOS message"
expect_eq "$(standin_lines 2041 | cut -d' ' -f3-)" "1 0" "listen-only message"
expect_eq "$(standin_lines 2042 | cut -d' ' -f3-)" "0 $los" "LOS message"

wait_standin WM_CLOSE $((los + 40 - $(now))) || fail "the stand-in was not closed"
closed=$(standin_lines WM_CLOSE | cut -d' ' -f1)
expect_near "$closed" $((los + 10)) 5 "close at LOS + Pass End Time"
wait_standin EXIT 10 || fail "the stand-in did not end"
sleep 3
close_tarvon

expect_eq "$(pass_field SAT-1 endedByScheduler)" 1 "endedByScheduler"
expect_near "$(pass_field SAT-1 lastRunEnd)" "$closed" 12 "lastRunEnd"
echo "ok"
