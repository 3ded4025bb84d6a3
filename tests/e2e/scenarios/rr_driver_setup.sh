#!/usr/bin/env bash
# The driver library's own set-up dialog, as the Rotator page opens it:
# defaults, a "Test" that shows what the real rotctld answered, a port that
# cannot be one refused with a message, and OK storing host and ports.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../tracking/tracking.sh"

rot=$(free_port)
start_daemon rotctld "$rot"
title="Rotator and Radio Driver Setup"
"$WINE" rundll32 "$BIN_WIN\\rr.dll,RotorRadioConfigure" >/dev/null 2>&1 &
setup=$!
probe find --class '#32770' --title "$title" --timeout 30 >/dev/null || fail "no set-up dialog"
expect_eq "$(probe text --title "$title" --id 3101)/$(probe text --title "$title" --id 3102)" "localhost/4533" "defaults"
probe set-text --title "$title" --id 3101 --text 127.0.0.1
probe set-text --title "$title" --id 3102 --text "$rot"
probe press --title "$title" --button Test >/dev/null || fail "no Test button"
answered() {
    [[ "$(probe text --title "$title" --id 3107)" =~ ^rotctld\ at\ 127\.0\.0\.1:$rot:\ Azimuth\ [0-9.]+,\ Elevation\ [0-9.]+\.$ ]]
}
wait_until 30 answered || fail "test answer '$(probe text --title "$title" --id 3107)'"
screenshot tested

probe set-text --title "$title" --id 3105 --text 99999
probe press --title "$title" --button OK >/dev/null
expect_eq "$(answer_box 'Rotator and Radio Driver' 10)" "The TCP port must be a number from 1 to 65535." "bad port"
probe set-text --title "$title" --id 3105 --text 4600
probe press --title "$title" --button OK >/dev/null
wait_exit "$setup" 20 || fail "the dialog did not close"
expect_eq "$(probe reg-string 'Software\Kova\Rotator' 'Rotctld Host')" 127.0.0.1 "host stored"
expect_eq "$(dwords 'Software\Kova\Rotator' 'Rotctld Port' 'Rigctld Port')" "$rot 4600" "ports stored"
echo "ok"
