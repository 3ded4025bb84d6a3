#!/usr/bin/env bash
# Schedule Events and File Housekeeping: bad events refused, a long pass event
# warned about, a new Regularly event run without a restart; a one-satellite
# housekeeping run deletes that satellite's old files only.
source "$(dirname "$0")/../lib.sh"

seed_station
for sat in SAT-A SAT-B; do
    reg_sz "Software\\Kova\\Satellites\\$sat" Name $sat
    reg_sz "Software\\Kova\\Satellites\\$sat" 'Satellite Directory' "$WORK_WIN\\$sat"
    mkdir -p "$WORK/$sat"
    touch -d '20 days ago' "$WORK/$sat/OLD.ACT" "$WORK/$sat/OLD.UL"
    touch "$WORK/$sat/NEW.ACT"
done
# Timed events wait for a schedule with a pass in it.
reg_dword 'Software\Kova\Satellites\SAT-A' State 2
write_schedule "SAT-A:$(($(now) + 10800)):$(($(now) + 11400)):0"
fake_browser
start_station
tarvon_key='Software\Kova\Tarvon'
events_key="$tarvon_key\\Events"

# ---- Schedule Events: each rule of what an event may belong to, a bad time.
E="Schedule Events"
open_dialog 111 "$E"
set_field "$E" 5622 Tick
set_field "$E" 5623 "$STANDIN_WIN --no-window --exit-after 1 --log $WORK_WIN\\tick.log TICK"
set_field "$E" 5626 5
choose "$E" 5629 Regularly
choose "$E" 5630 "All Satellites"
expect_refused "$E" Error "You can not associate satellite related event with the Regular or Every Day options."
choose "$E" 5630 "Single Satellite"
choose "$E" 5629 "After Pass"
expect_refused "$E" Error "You have elected to associate this event with a single satellite, but have not selected"
choose "$E" 5630 "Housekeeping"
expect_refused "$E" Error "You can not associate a non satellite related event with the start or end of a pass."
choose "$E" 5630 "No Satellite"
choose "$E" 5629 Daily
for bad in 2460 9999 -1 12:3x; do
    set_field "$E" 5626 "$bad"
    expect_refused "$E" Error "Time must be a time of day of four digits"
done
probe reg-dword "$events_key\\Tick" Run >/dev/null && fail "a refused event was written"
screenshot schedule-events-daily

set_field "$E" 5626 5
choose "$E" 5629 Regularly
check "$E" 5627 1
press "$E" OK
expect_eq "$(probe list --title "$E" --id 5621)" Tick "event list after OK"
expect_eq "$(dwords "$events_key\\Tick" Run Time)" "3 5" "Run, Time"

# A pass event held two minutes is warned about, and saved.
press "$E" New
set_field "$E" 5622 Early
set_field "$E" 5626 2
choose "$E" 5630 "All Satellites"
check "$E" 5628 1
press "$E" OK
answer_box Tarvon 15 | grep -q 'more than 45 seconds before or after a pass' || fail "no word on a long pass event"
wait_until 10 probe reg-dword "$events_key\\Early" Time >/dev/null || true
expect_eq "$(probe reg-dword "$events_key\\Early" Time)" 120 "Early Time"
screenshot schedule-events
close_with "$E" Close

# The reloaded events run the new one within its period.
wait_until 20 probe reg-dword "$events_key\\Tick" 'Last Return' >/dev/null || true
grep -q TICK "$WORK/tick.log" 2>/dev/null || fail "the new Regularly event did not run"
open_dialog 111 "$E"
probe list --title "$E" --id 5621 --select Tick >/dev/null || fail "Tick not listed"
sleep 0.5
expect_eq "$(field "$E" 5637)" 0 "Return shown"
[[ "$(field "$E" 5635)" =~ ^[0-9]{2}:[0-9]{2}\ [0-9]{2}/[0-9]{2}/[0-9]{2}$ ]] || fail "Last: $(field "$E" 5635)"
expect_help "$E" schedule-events
close_with "$E" Close

# ---- File Housekeeping: Cancel writes nothing; one satellite's old ACT files go.
F="File Housekeeping"
open_dialog 114 "$F"
check "$F" 5661 1
close_with "$F" Cancel
probe reg-dword "$tarvon_key" 'FH Delete ACT' >/dev/null && fail "Cancel wrote the rules"
open_dialog 114 "$F"
expect_eq "$(probe list --title "$F" --id 5673 | tr '\n' ' ')" "SAT-A SAT-B " "satellites offered"
check "$F" 5661 1
set_field "$F" 5664 ""
expect_refused "$F" Error "The age of files to delete must be a whole number from 0 to 99."
set_field "$F" 5664 10
check "$F" 5672 1
expect_refused "$F" Error 'You have selected "Single Satellite" but have not selected a satellite to use.'
choose "$F" 5673 SAT-A
screenshot file-housekeeping
close_with "$F"
expect_reg "$tarvon_key" 'FH Delete ACT' "REG_DWORD 4 1"
expect_eq "$(dwords "$tarvon_key" 'FH Oldest Files' 'FH Delete UL')" "10 0" "FH Oldest Files, FH Delete UL"
expect_eq "$(cd "$WORK" && ls SAT-A SAT-B | tr '\n' ' ')" "SAT-A: NEW.ACT OLD.UL  SAT-B: NEW.ACT OLD.ACT OLD.UL " \
    "files left"
