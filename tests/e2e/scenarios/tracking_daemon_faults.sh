#!/usr/bin/env bash
# Daemons that fail the station: a silent rotctld reported at start-up and to
# the first pass without holding them up; a rigctld gone mid-pass leaves the
# antenna steered to the pass's end. Message 2032 starts and stops tracking.
source "$(dirname "$0")/../lib.sh"

rot=$(free_port)
rig=$(free_port)
start_silent_daemon "$rot"
silent=$DAEMON_PID
start_daemon rigctld "$rig"
rigctld_pid=$DAEMON_PID
# Placed for the second pass below give or take the set-up's time.
iss_overhead 100
level1_rotator "$rot" "$rig"
apply_registry
# The first pass's runner is due at once; the pass lasts long enough for the
# slowest start-up to find it still on.
aos1=$(($(now) + 25))
los1=$((aos1 + 10))
# A minute apart at least, or the schedule takes the second for a copy of the first.
aos2=$((aos1 + 61))
los2=$((aos2 + 13))
write_schedule "ISS:$aos1:$los1:0" "ISS:$aos2:$los2:0"
start_tarvon

# Start-up goes on while the silent daemon is waited for and reported; the
# first pass (its runner starts with the station) is told it has no rotator.
boxes=$(answer_box 'Rotator Error' 30; answer_box 'Rotator Error' 40)
probe find --class Tarvon >/dev/null || fail "no main window"
grep -qxF "Unable to initialise rotator communications" <<<"$boxes" || fail "start-up message: $boxes"
grep -qxF "An error was encountered while trying to install the rotor driver.  The rotator will not be tracked." \
    <<<"$boxes" || fail "first pass message: $boxes"
[[ "$(tracking_text)" == SNISS\ AZ* ]] || fail "no tracking data without a rotator"

sleep_until $((los1 + 12))
stop_daemon "$silent"
start_daemon rotctld "$rot"
sleep_until $((aos2 + 2))
stop_daemon "$rigctld_pid"
gone=$(now)
sleep_until $((los2 + 12))

mapfile -t moves < <(positions "$rot")
[ ${#moves[@]} -ge 10 ] || fail "${#moves[@]} positions in the second pass"
read -r last_move _ <<<"${moves[-1]}"
expect_near "$last_move" $((los2 + 10)) 5 "last position after the radio went"
[ -n "$(downlinks "$rig")" ] || fail "the second pass never tuned the radio"
expect_near "$(logged_at 'Tracking stopped')" $((los2 + 10)) 5 "end of the second pass"
[ "$gone" -lt "${last_move%.*}" ] || fail "the rigctld stop came after the pass"

probe post --class Tarvon --msg 2032 --wparam 0 --atom ISS >/dev/null || fail "no 2032"
wait_until 30 tracking_satellite ISS || fail "2032 did not start tracking"
probe post --class Tarvon --msg 2032 --wparam 1 >/dev/null || fail "no 2032 stop"
wait_until 30 tracking_nothing || fail "tracking text after 2032 stop: $(tracking_text)"
close_tarvon
