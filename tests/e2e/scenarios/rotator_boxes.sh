#!/usr/bin/env bash
# Box rotators at a pass's start: a TrakBox walked to the satellite's number;
# a SatTrak given its name beside a DSP-2232's mode; a silent TrakBox reported
# after 12 s while the station goes on.
source "$(dirname "$0")/../lib.sh"

commands() { device_commands "$1" | tr '\n' '|'; }
timeout_box() { logged_at 'Message "Rotator Problem": The rotator has timed out.'; }

# The first passes outlast their parts: the stop's own "Q\n" comes only at closing.
ISS_PASS_SECONDS=600
iss_pass 1 3 trakbox
wait_device 3 '^E$' 90 || fail "the TrakBox dialogue did not end"
expect_eq "$(commands 3)" 'Q\n|1|03\n|E|' "TrakBox dialogue"
# A dialogue that ended stops the 12 s time-out.
sleep_until $(($(first_command 3) + 14))
[ -z "$(timeout_box)" ] || fail "a working TrakBox timed out"
close_tarvon

satellite_modem ISS 4 5 9600 PACT
serial_device 5 dsp2232
iss_pass 3 6 sattrak
wait_device 6 'ISS' 90 || fail "the SatTrak was not given the satellite"
wait_device 5 'MODEM' 60 || fail "the modem was not set"
expect_eq "$(commands 6)" 'W|S|ISS\r\n|' "SatTrak dialogue"
expect_eq "$(commands 5)" '\rMODEM PACT\r|' "DSP-2232 command"
close_tarvon

# A short pass: the station goes on to end it and tells the box so.
ISS_PASS_SECONDS=5
iss_pass 1 7 trakbox --fault silent
wait_device 7 'Q' 90 || fail "the silent TrakBox was not asked"
box=$(probe msgbox --title "Rotator Problem" --timeout 60) || fail "no time-out message"
expect_eq "$(echo "$box" | sed -n 2p)" "The rotator has timed out." "time-out text"
late=$(($(timeout_box) - $(first_command 7)))
[ "$late" -ge 11 ] && [ "$late" -le 18 ] || fail "time-out after $late s, not 12"
screenshot trakbox-timeout
probe press --title "Rotator Problem" --button OK >/dev/null || fail "no OK button"
pass_ended() { [ -n "$(logged_at "Pass of ISS, AOS $(date -u -d @"$AOS" '+%F %T')")" ]; }
wait_until 90 pass_ended || fail "the station did not end the pass after the time-out"
# The stop's "Q\n" goes out just before the port closes.
asked_twice() { [ "$(device_commands 7 | grep -c '^Q')" -ge 2 ]; }
wait_until 30 asked_twice || fail "the box was not told of the pass's end: $(commands 7)"
close_tarvon
