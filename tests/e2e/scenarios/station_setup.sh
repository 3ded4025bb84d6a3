#!/usr/bin/env bash
# Station Setup: bad input refused field by field; position, hours, rotator
# (the driver library's set-up tested on a real rotctld) and a transverter
# written on OK. The schedule follows the new place, and elements imported
# while the station runs (message 2037) reach a Redo Schedule.
source "$(dirname "$0")/../lib.sh"

rot=$(free_port)
start_daemon rotctld "$rot"
seed_station
satellite ISS State 0 Priority 1
reg_sz 'SOFTWARE\Kova\Transverters\70cm' Name 70cm
reg_dword 'SOFTWARE\Kova\Rotator' 'Pacing Delay' 20
fake_browser
# The bulletin's ISS, and the same satellite a quarter of an orbit on with a
# later epoch (checksums recomputed).
grep -A2 '^ISS' "$TARVON_SOURCE/tests/data/tle_bbs_bulletin_2026-05.txt" | head -3 >"$WORK/iss.txt"
python3 - "$WORK/iss.txt" >"$WORK/iss-moved.txt" <<'PY'
import sys
name, one, two = open(sys.argv[1]).read().split("\n")[:3]
def checked(line):
    body = line[:68]
    return body + str(sum(int(c) if c.isdigit() else c == "-" for c in body) % 10)
print(name)
print(checked(one[:18] + "26131.50000000" + one[32:]))
print(checked(two[:43] + " 43.7980" + two[51:]))
PY
import_keps "$WORK/iss.txt"
sheet=Station

start_station
T0=$(date +%s)
open_dialog 101 $sheet
expect_eq "$(probe text --title $sheet --id 5101)|$(probe text --title $sheet --id 5102)|$(probe check --title $sheet --id 5103)|$(probe check --title $sheet --id 5107)" \
    "G0TST|52.250000|checked|checked" "Position as stored"
expect_eq "$(probe enabled --title $sheet --id 5110)" disabled "hours while not limited"
screenshot_window position $sheet
expect_help $sheet station-setup

probe check --title $sheet --id 5109 --set 1 >/dev/null
declare -A REFUSED=([5101]="Callsign|0 4" [5102]="Latitude|0 1 2 3 4" [5105]="Longitude|0 1 2 3 4"
    [5108]="Altitude|0 1 2 4" [5110]="The hours|0 1 2 3 4" [5111]="The hours|0 1 2 3 4")
refuse_fields $sheet Tarvon
expect_eq "$(probe reg-string 'Software\Kova\Station' Callsign)" G0TST "callsign after refused input"

probe batch <<B >/dev/null || fail "position entry"
set-text --title $sheet --id 5101 --text m0xyz
set-text --title $sheet --id 5102 --text 35
check --title $sheet --id 5104 --set 1
set-text --title $sheet --id 5105 --text 2.5
check --title $sheet --id 5106 --set 1
set-text --title $sheet --id 5108 --text 50
set-text --title $sheet --id 5110 --text 1
set-text --title $sheet --id 5111 --text 5
B

# Rotator: the controls each type uses; the driver library's own set-up.
show_page $sheet 1
probe list --title $sheet --id 5131 --select Level1 >/dev/null || fail "no Level1 type"
expect_eq "$(probe enabled --title $sheet --id 5132)/$(probe enabled --title $sheet --id 5141)" disabled/enabled "Level1 controls"
screenshot_window rotator $sheet
press $sheet Setup
d="Rotator and Radio Driver Setup"
probe find --class '#32770' --title "$d" --timeout 20 >/dev/null || fail "no driver set-up"
expect_eq "$(field "$d" 3101)/$(field "$d" 3102)" "localhost/4533" "driver defaults"
set_field "$d" 3101 127.0.0.1
set_field "$d" 3102 "$rot"
press "$d" Test
answered() { [[ "$(field "$d" 3107)" =~ ^rotctld\ at\ 127\.0\.0\.1:$rot:\ Azimuth\ [0-9.]+,\ Elevation\ [0-9.]+\.$ ]]; }
wait_until 30 answered || fail "test answer '$(field "$d" 3107)'"
screenshot_window driver-tested "$d"
set_field "$d" 3105 99999
press "$d" OK
expect_eq "$(answer_box 'Rotator and Radio Driver' 10)" "The TCP port must be a number from 1 to 65535." "bad port"
set_field "$d" 3105 4600
close_with "$d"
probe list --title $sheet --id 5131 --select GS232 >/dev/null
expect_eq "$(probe enabled --title $sheet --id 5132)/$(probe enabled --title $sheet --id 5141)" enabled/disabled "GS232 controls"
probe list --title $sheet --id 5131 --select DDE >/dev/null
probe check --title $sheet --id 5138 --set 1 >/dev/null
probe set-text --title $sheet --id 5139 --text 400
show_page $sheet 2
expect_eq "$(answer_box Tarvon 10)" "Park Az must be a whole number from 0 to 360." "park refused"
expect_eq "$(probe focus --title $sheet)" 5139 "focus on Park Az"
probe set-text --title $sheet --id 5139 --text 90

# Transverters: the stored one listed; a new one entered.
show_page $sheet 2
expect_eq "$(probe list --title $sheet --id 5161)" 70cm "transverters listed"
screenshot_window transverters $sheet
probe batch <<B >/dev/null || fail "transverter entry"
press --title $sheet --button New --wait 2000
set-text --title $sheet --id 5162 --text 2m
set-text --title $sheet --id 5164 --text 144
set-text --title $sheet --id 5165 --text 146
check --title $sheet --id 5168 --set 1
set-text --title $sheet --id 5169 --text 116
press --title $sheet --button OK
B
expect_eq "$(answer_box Tarvon 10)" \
    "You have changed the station operating hours.  Before this change will take effect you must redo the schedule." "hours message"
probe gone --class '#32770' --title $sheet --timeout 10 || fail "sheet stays open"

st='Software\Kova\Station'
expect_eq "$(probe reg-string $st Callsign)" M0XYZ "Callsign"
expect_eq "$(doubles $st Latitude Longitude Altitude)" "-35.0 -2.5 50.0" "position"
expect_eq "$(dwords $st 'Limit Hours' 'Stop Hour' 'Start Hour')" "1 1 5" "hours"
expect_eq "$(dwords 'Software\Kova\Rotator' 'Rotator Type' 'Pacing Delay' Park 'Park Az' 'Rotctld Port' 'Rigctld Port')" \
    "8 20 1 90 $rot 4600" "rotator"
expect_eq "$(probe reg-string 'Software\Kova\Rotator' 'Rotctld Host')" 127.0.0.1 "rotctld host"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' 'Rotor Display')" 1 "Rotor Display"
trv='Software\Kova\Transverters\2m'
expect_eq "$(doubles $trv 'Start Freq')|$(probe reg-binary $trv RX)|$(probe reg-binary $trv TX)" \
    "144.0|01000000|00000000" "new transverter"

# The schedule was searched afresh from the new place.
sleep 4
close_tarvon
expect_first_aos "$(predicted_aos ISS -35 -2.5 50 "$T0")" "$(predicted_aos ISS 52.25 0 100 "$T0")"
grep -q 'Station setup changed' "$KOVA_DIR/Tarvon.log" || fail "station log has no setup line"

start_station
t=$(now)
old=$(predicted_aos ISS -35 -2.5 50 "$t")
cli import --keps "$KEPS_WIN" "$(win_path "$WORK/iss-moved.txt")" | grep -q 'ISS: Keps Updated' || fail "second import"
new=$(predicted_aos ISS -35 -2.5 50 "$t")
menu 150  # Redo Schedule
# The Redo searches a single satellite: a few seconds are plenty.
sleep 4
screenshot redone
close_tarvon
expect_first_aos "$new" "$old"
grep -q 'UTC  Elements taken from Kova.KEP' "$KOVA_DIR/Tarvon.log" || fail "the station log has no refresh"
