#!/usr/bin/env bash
# Engine-run passes over serial rotators, positions as the orbit model has
# them: a GS232 moved only by more than 3 degrees; an EasyComm 2 given the
# name, AOS marker, frequencies and end marker.
source "$(dirname "$0")/../lib.sh"

# "UNIXTIME az el" of each position line device N received.
serial_positions() {
    sed -nE 's/^([0-9.]+) (W|AO AZ|AZ)([-0-9.]+) (EL)?([-0-9.]+).*/\1 \3 \5/p' "$WORK/dev$1.log"
}

# check_positions N TOLERANCE: three of device N's positions against the model.
check_positions() {
    local -a lines
    mapfile -t lines < <(serial_positions "$1")
    [ ${#lines[@]} -ge 4 ] || fail "only ${#lines[@]} positions on COM$1"
    for i in 1 $((${#lines[@]} / 2)) $((${#lines[@]} - 2)); do
        read -r when az el <<<"${lines[$i]}"
        # The step ran in the second its line arrived or, on a busy machine,
        # the one before.
        model_position "$az" "$el" "${when%.*}" "$2" || model_position "$az" "$el" $((${when%.*} - 1)) "$2" ||
            fail "COM$1 position $az $el at $when is not the orbit model's ($(look "${when%.*}"))"
    done
}

# model_position AZ EL TIME TOLERANCE: whether the orbit model agrees.
model_position() {
    read -r view_az view_el _ <<<"$(look "$3")"
    python3 -c "import sys; sys.exit(0 if abs($1 - $view_az) <= $4 and abs($2 - $view_el) <= $4 else 1)"
}

# Through the pass and the engine's end of it, then closed.
run_pass() {
    iss_pass "$@"
    sleep_until $((AOS + 5))
    screenshot "$3"
    sleep_until $((LOS + 14))
    close_tarvon
}

# Tracking runs from start-up to LOS + 10 s (Pass End Time): long enough.
ISS_PASS_SECONDS=10
run_pass 7 3 gs232
check_positions 3 1.5
# Every command moved an axis by more than 3 degrees from the one before.
serial_positions 3 | awk 'NR > 1 && ($2 - a)^2 <= 4 && ($3 - e)^2 <= 4 {bad = 1} {a = $2; e = $3} END {exit bad}' ||
    fail "a GS232 command without a move of more than 3 degrees"

run_pass 5 4 easycomm2
commands=$(device_commands 4)
expect_eq "$(echo "$commands" | head -1)" 'SNISS\n' "EasyComm 2 start"
expect_eq "$(echo "$commands" | tail -1)" 'LO SN ' "EasyComm 2 end"
# The AOS marker only when the satellite rose while tracked.
first_el=$(serial_positions 4 | head -1 | cut -d' ' -f3)
rose=$(python3 -c "print(1 if $first_el < 0 else 0)")
expect_eq "$(echo "$commands" | grep -c '^AO ' || true)" "$rose" "AOS markers"
echo "$commands" | grep -Eq '^UP[0-9]{9} UMLSB DN[0-9]{9} DMUSB\\n$' || fail "no frequency line"
check_positions 4 1.5
