#!/usr/bin/env bash
# A pass whose satellite uses a DSP-12 modem: before the program starts, the
# modem is woken, brought to its main menu and given the satellite's mode.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"
source "$(dirname "$0")/../serial/serial.sh"

seed_station
add_satellite SAT-1 "$(standin_program)"
satellite_modem SAT-1 3 5 9600 PACT
serial_device 5 dsp12
t=$(now)
aos=$((t + 50))
write_schedule "SAT-1:$aos:$((aos + 60)):0"
start_tarvon

wait_standin START 90 || fail "the stand-in was not started"
expect_eq "$(device_commands 5 | tr '\n' '|')" '\x03\x03\x03|Q\r|PACT\r|' "the modem dialogue"
woke=$(head -1 "$WORK/dev5.log" | cut -d' ' -f1 | cut -d. -f1)
started=$(logged_at "program started")
# The menu takes a moment, then 0.8 s before the port closes and 1.5 s more.
[ $((started - woke)) -ge 2 ] && [ $((started - woke)) -le 8 ] ||
    fail "program started $((started - woke)) s after the modem was woken"
close_tarvon
echo "ok"
