#!/usr/bin/env bash
# Passes that cannot run: no registry key (dropped silently), a missing
# Program and one that shows no window (both reported); a report left
# unanswered holds up no later pass.
source "$(dirname "$0")/../lib.sh"

seed_station
add_satellite MISSING "$WORK_WIN\\NO-SUCH-PROGRAM.EXE %s"
add_satellite HIDDEN "$(standin_program --no-window)"
apply_registry
t=$(now)
# NOKEY's start holds decisions for 30 s, so MISSING starts about t + 35.
write_schedule "NOKEY:$((t + 30)):$((t + 90)):0" \
    "MISSING:$((t + 45)):$((t + 105)):0" \
    "HIDDEN:$((t + 75)):$((t + 235)):0"
start_tarvon

box=$(probe msgbox --title Tarvon --timeout 90) || fail "no message for the missing program"
screenshot missing-program
expect_eq "$(echo "$box" | sed -n 2p)" \
    "Error running program.  Tarvon was unable to find the program associated with this satellite, or there was an error while running it." \
    "missing program text"

wait_standin START 120 || fail "the hidden stand-in was not started while the report was up"
probe press --title Tarvon --button OK >/dev/null || fail "no OK button"
started=$(standin_lines START | cut -d' ' -f1)
box=$(probe msgbox --title "Tarvon Error" --timeout 70) || fail "no message for the hidden program"
shown=$(now)
screenshot no-window
expect_near "$shown" $((started + 51)) 8 "no-window report"
expect_eq "$(echo "$box" | sed -n 2p)" \
    "Error running satellite program.  This may result in Tarvon not being able to close the program at the end of the pass.  The Rotator will now be stopped.  If you want to start it again you should use the Enable Rotator menu option." \
    "no-window text"
probe press --title "Tarvon Error" --button OK >/dev/null || fail "no OK button"
close_tarvon

expect_eq "$(pass_field NOKEY lastRunEnd)" 2147483647 "pass without a key is never run again"
[ "$(pass_field MISSING lastRunEnd)" -gt 0 ] || fail "missing program's pass not wound down"
