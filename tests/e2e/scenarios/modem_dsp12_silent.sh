#!/usr/bin/env bash
# A DSP-12 modem that never shows its main menu: it is nudged after 2.5 s,
# the station reports the time-out after 10 s, and the pass goes on with its
# program at most 14 s late.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"
source "$(dirname "$0")/../serial/serial.sh"

seed_station
add_satellite SAT-1 "$(standin_program)"
satellite_modem SAT-1 3 5 9600 PACT
serial_device 5 dsp12 --fault silent
t=$(now)
aos=$((t + 45))
write_schedule "SAT-1:$aos:$((aos + 30)):0"
start_tarvon

wait_device 5 'x03' 60 || fail "the modem was not woken"
woke=$(head -1 "$WORK/dev5.log" | cut -d' ' -f1 | cut -d. -f1)
box=$(probe msgbox --title "DSP Access Problem" --timeout 60) || fail "no time-out message"
screenshot timeout
expect_eq "$(echo "$box" | sed -n 2p)" "The DSP port has timed out." "time-out text"
shown=$(logged_at "The DSP port has timed out.")
[ $((shown - woke)) -ge 10 ] && [ $((shown - woke)) -le 13 ] || fail "time-out $((shown - woke)) s after the wake"
probe press --title "DSP Access Problem" --button OK >/dev/null || fail "no OK button"
wait_standin START 60 || fail "the pass did not go on"
started=$(logged_at "program started")
[ $((started - shown)) -ge 0 ] && [ $((started - woke)) -le 14 ] ||
    fail "program started $((started - woke)) s after the modem set-up"
expect_eq "$(device_commands 5 | tr '\n' '|')" '\x03\x03\x03|q\r|' "what the silent modem received"
close_tarvon
echo "ok"
