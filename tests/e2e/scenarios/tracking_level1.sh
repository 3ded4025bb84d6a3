#!/usr/bin/env bash
# An engine-run pass through the hamlib dummy daemons: positions and Doppler-
# corrected frequencies as the orbit model has them, live DDE data, the park
# (an absurd stored azimuth brought within travel), Enable Rotator.
source "$(dirname "$0")/../lib.sh"

rot=$(free_port)
rig=$(free_port)
start_daemon rotctld "$rot"
start_daemon rigctld "$rig"
# Placed for the AOS below give or take the set-up's time.
iss_overhead 75
level1_rotator "$rot" "$rig"
reg_dword 'Software\Kova\Rotator' Park 1 'Park Az' 9999 'Park El' 45
apply_registry
aos=$(($(now) + 60))  # the runner at AOS - 25: Tarvon needs up to ~30 s to start on a busy machine
los=$((aos + 20))
write_schedule "ISS:$aos:$los:0"
start_station

sleep_until $((aos + 5))
text=$(tracking_text)
[[ "$text" =~ ^SNISS\ AZ[0-9.]+\ EL[0-9.]+\ UP[0-9]+\ UMLSB\ DN[0-9]+\ DMUSB$ ]] || fail "tracking text '$text'"
record=$(dde Tarvon Tracking request TrackData)
expect_eq "$(echo "$record" | sed -n 2p)" "data 69" "TrackData size"
expect_eq "$(echo "$record" | sed -n 3p | cut -d' ' -f1-4)" "49 53 53 00" "TrackData name"
screenshot tracking

sleep_until $((los + 14))
mapfile -t moves < <(positions "$rot")
mapfile -t downs < <(downlinks "$rig")
mapfile -t ups < <(uplinks "$rig")
# Steps every 2 s from AOS - 25 (the start lead) to LOS + 10 (Pass End Time), then the park.
[ ${#moves[@]} -ge 20 ] && [ ${#moves[@]} -le 31 ] || fail "${#moves[@]} positions sent"
expect_eq "$(echo "${moves[-1]}" | cut -d' ' -f2-)" "360.00 45.00" "park position"
[ ${#downs[@]} -ge 19 ] && [ ${#ups[@]} -ge 19 ] || fail "${#downs[@]} downlinks, ${#ups[@]} uplinks"

# Three instants: early, middle, late. Positions are whole degrees of the
# second the step ran in, which on a busy machine can be a second or two
# before the daemon logs them; the frequencies follow the range rate.
for i in 2 $((${#moves[@]} / 2)) $((${#moves[@]} - 3)); do
    read -r when az el <<<"${moves[$i]}"
    read -r view_az view_el rate <<<"$(look "${when%.*}")"
    expect_near "$az" "$view_az" 3 "azimuth at $when"
    expect_near "$el" "$view_el" 3 "elevation at $when"
    j=$((i < ${#downs[@]} ? i : ${#downs[@]} - 1))
    read -r when down <<<"${downs[$j]}"
    read -r _ _ rate <<<"$(look "${when%.*}")"
    expect_near "$down" "437.8e6 * (1 - $rate / 299792.458)" 400 "downlink at $when"
    read -r when up <<<"${ups[$j]}"
    read -r _ _ rate <<<"$(look "${when%.*}")"
    expect_near "$up" "145.99e6 * (1 + $rate / 299792.458)" 150 "uplink at $when"
done
# Approaching, then receding: the downlink falls through 437.8 MHz.
read -r _ first <<<"${downs[0]}"
read -r _ last <<<"${downs[-1]}"
expect_near "$first" "437.8e6 + 6000" 5000 "downlink while approaching"
expect_near "$last" "437.8e6 - 6000" 5000 "downlink while receding"
grep -aq 'rig_set_mode called.*USB' "$WORK/rigctld-$rig.log" || fail "downlink mode not set"

# "Enable Rotator": the database's satellites after "[STOP]"; a double-click
# tracks one, "[STOP]" and OK stop and park.
open_dialog 126 "Enable Rotator"
expect_eq "$(probe list --title "Enable Rotator" --id 4201 | head -3 | tr '\n' ' ')" "[STOP] AO-07 UO-11 " "list"
probe list --title "Enable Rotator" --id 4201 --select ISS --double 1 >/dev/null
wait_until 30 tracking_satellite ISS || fail "Enable Rotator did not start tracking"
open_dialog 126 "Enable Rotator"
probe list --title "Enable Rotator" --id 4201 --select "[STOP]" >/dev/null
press "Enable Rotator" OK
parked() { [ "$(positions "$rot" | tail -1 | cut -d' ' -f2-)" == "360.00 45.00" ]; }
wait_until 30 parked || fail "not parked after [STOP]"
# What a DDE client is given then, its lines joined by "|".
while IFS=, read -r request expected; do
    expect_eq "$(dde $request </dev/null | paste -sd'|')" "$expected" "$request after [STOP]"
done <<'T'
Tarvon Tracking request text,connected|data 20|2a 2a 20 4e 4f 20 53 41 54 45 4c 4c 49 54 45 20 2a 2a 0a 00
Tarvon Rotator request text,connected|no data
Tarvon Tracking request SomeOtherFormat,connected|no data
Tarvon Tracking poke zero,connected|nack
Tarvon Tracking poke GO,connected|ack
Elsewhere Tracking request text,not connected
T
close_tarvon
grep -q "Tracking ISS" "$KOVA_DIR/Tarvon.log" || fail "no tracking line in the station log"
