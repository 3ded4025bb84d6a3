#!/usr/bin/env bash
# Box rotators at the start of a pass: a TrakBox is walked through its menu
# to the satellite's number; a SatTrak is given the satellite's name while a
# DSP-2232 modem gets its one mode command; a TrakBox that never answers is
# reported after 12 s and the pass goes on.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"
source "$(dirname "$0")/../tracking/tracking.sh"
source "$(dirname "$0")/../serial/serial.sh"

commands() { device_commands "$1" | tr '\n' '|'; }

iss_pass 1 3 trakbox
wait_device 3 '^E$' 60 || fail "the TrakBox dialogue did not end"
expect_eq "$(commands 3)" 'Q\n|1|03\n|E|' "TrakBox dialogue"
probe msgbox --timeout 1 >/dev/null && fail "a message box with a working TrakBox"
close_tarvon

satellite_modem ISS 4 5 9600 PACT
serial_device 5 dsp2232
iss_pass 3 6 sattrak
wait_device 6 'ISS' 60 || fail "the SatTrak was not given the satellite"
wait_device 5 'MODEM' 30 || fail "the modem was not set"
expect_eq "$(commands 6)" 'W|S|ISS\r\n|' "SatTrak dialogue"
expect_eq "$(commands 5)" '\rMODEM PACT\r|' "DSP-2232 command"
close_tarvon

iss_pass 1 7 trakbox --fault silent
wait_device 7 'Q' 60 || fail "the silent TrakBox was not asked"
asked=$(head -1 "$WORK/dev7.log" | cut -d' ' -f1 | cut -d. -f1)
box=$(probe msgbox --title "Rotator Problem" --timeout 30) || fail "no time-out message"
expect_near "$(now)" $((asked + 12)) 3 "time-out after 12 s"
expect_eq "$(echo "$box" | sed -n 2p)" "The rotator has timed out." "time-out text"
screenshot trakbox-timeout
probe press --title "Rotator Problem" --button OK >/dev/null || fail "no OK button"
close_tarvon
echo "ok"
