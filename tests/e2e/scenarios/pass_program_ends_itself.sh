#!/usr/bin/env bash
# A program that ends by itself 10 s into its pass is not started again (a
# restart would come 10 s after the end) and the schedule file says so.
source "$(dirname "$0")/../lib.sh"

seed_station
# Started about 23.5 s before AOS.
add_satellite SAT-1 "$(standin_program --exit-after 34)"
apply_registry
t=$(now)
aos=$((t + 60))
los=$((aos + 120))
write_schedule "SAT-1:$aos:$los:0"
start_tarvon

wait_standin EXIT_BY_ITSELF 150 || fail "the stand-in did not run and end"
ended=$(standin_lines EXIT_BY_ITSELF | cut -d' ' -f1)
expect_near "$ended" $((aos + 10)) 4 "end 10 s into the pass"
sleep 20
expect_eq "$(standin_lines START | wc -l)" 1 "program starts"
close_tarvon

expect_eq "$(pass_field SAT-1 endedByScheduler)" 0 "endedByScheduler"
expect_near "$(pass_field SAT-1 lastRunEnd)" "$ended" 12 "lastRunEnd"
