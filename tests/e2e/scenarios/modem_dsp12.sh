#!/usr/bin/env bash
# A DSP-12 modem woken, brought to its main menu and given the mode before the
# pass's program starts; one that never shows its menu is reported and the
# pass goes on at most 14 s late.
source "$(dirname "$0")/../lib.sh"

seed_station
add_satellite SAT-1 "$(standin_program)"
satellite_modem SAT-1 3 5 9600 PACT

# modem_pass AOS_IN LENGTH [EMULATOR OPTIONS...]: a DSP-12 on COM5 and a pass
# of SAT-1 that begins in AOS_IN seconds; the station started.
modem_pass() {
    serial_cleanup
    rm -f "$WORK/standin.log" "$WORK/dev5.log"
    serial_device 5 dsp12 "${@:3}"
    local aos=$(($(now) + $1))
    write_schedule "SAT-1:$aos:$((aos + $2)):0"
    start_tarvon
}

modem_pass 50 60
wait_standin START 90 || fail "the stand-in was not started"
expect_eq "$(device_commands 5 | tr '\n' '|')" '\x03\x03\x03|Q\r|PACT\r|' "the modem dialogue"
woke=$(first_command 5)
started=$(logged_at "program started")
# The menu takes a moment, then 0.8 s before the port closes and 1.5 s more.
[ $((started - woke)) -ge 2 ] && [ $((started - woke)) -le 8 ] ||
    fail "program started $((started - woke)) s after the modem was woken"
close_tarvon

modem_pass 45 30 --fault silent
wait_device 5 'x03' 60 || fail "the modem was not woken"
woke=$(first_command 5)
box=$(probe msgbox --title "DSP Access Problem" --timeout 60) || fail "no time-out message"
screenshot timeout
expect_eq "$(echo "$box" | sed -n 2p)" "The DSP port has timed out." "time-out text"
shown=$(logged_at "The DSP port has timed out.")
[ $((shown - woke)) -ge 10 ] && [ $((shown - woke)) -le 13 ] || fail "time-out $((shown - woke)) s after the wake"
press "DSP Access Problem" OK
wait_standin START 60 || fail "the pass did not go on"
started=$(logged_at "program started")
[ $((started - shown)) -ge 0 ] && [ $((started - woke)) -le 14 ] ||
    fail "program started $((started - woke)) s after the modem set-up"
expect_eq "$(device_commands 5 | tr '\n' '|')" '\x03\x03\x03|q\r|' "what the silent modem received"
close_tarvon
