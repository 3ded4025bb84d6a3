#!/usr/bin/env bash
# "Station Setup" from its menu command: the Position page refuses bad input
# field by field and writes nothing; a new position, operating hours, rotator
# and transverter are written on OK in their registry types; the driver
# library's set-up opens from the Rotator page; the next AOS follows the new
# position without a restart.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
reg_sz 'SOFTWARE\Kova\Satellites\ISS' Name ISS
reg_dword 'SOFTWARE\Kova\Satellites\ISS' State 0
reg_dword 'SOFTWARE\Kova\Satellites\ISS' Priority 1
reg_sz 'SOFTWARE\Kova\Transverters\70cm' Name 70cm
reg_dword 'SOFTWARE\Kova\Rotator' 'Pacing Delay' 20
fake_browser
cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }
keps=$(win_path "$KOVA_DIR/Kova.KEP")
grep -A2 '^ISS' "$TARVON_SOURCE/tests/data/tle_bbs_bulletin_2026-05.txt" | head -3 >"$WORK/iss.txt"
cli import --keps "$keps" "$(win_path "$WORK/iss.txt")" | grep -q 'ISS: Added' || fail "element import"
aos_at() { cli passes --keps "$keps" --lat "$1" --lon "$2" --alt "$3" --start "$T0" --days 2 --sat ISS | cut -d, -f2 | grep -v aos; }
double_of() { python3 -c "import struct,sys; print(struct.unpack('<d', bytes.fromhex(sys.argv[1]))[0])" "$1"; }
sheet=Station
select_page() { probe post --class '#32770' --title $sheet --msg 1125 --wparam "$1" >/dev/null; sleep 1; }  # PSM_SETCURSEL

start_tarvon
probe find --class Tarvon --timeout 40 >/dev/null || fail "no main window"
T0=$(date +%s)
probe post --class Tarvon --msg 273 --wparam 101 >/dev/null
probe find --class '#32770' --title $sheet --timeout 20 >/dev/null || fail "no Station sheet"
expect_eq "$(probe text --title $sheet --id 5101)|$(probe text --title $sheet --id 5102)|$(probe check --title $sheet --id 5103)|$(probe check --title $sheet --id 5107)" \
    "G0TST|52.250000|checked|checked" "Position as stored"
expect_eq "$(probe enabled --title $sheet --id 5110)" disabled "hours while not limited"
screenshot_window position $sheet
probe press --title $sheet --button Help >/dev/null
expect_help_page station-setup.html

# Every field given bad text: its message, the focus back on it, nothing written.
probe check --title $sheet --id 5109 --set 1 >/dev/null
long=$(printf '7%.0s' $(seq 300))
all=("" abc 99999999999 -5 "$long")
declare -A refused=([5101]="Callsign|0 4" [5102]="Latitude|0 1 2 3 4" [5105]="Longitude|0 1 2 3 4"
    [5108]="Altitude|0 1 2 4" [5110]="The hours|0 1 2 3 4" [5111]="The hours|0 1 2 3 4")
: >"$WORK/bad.batch"
: >"$WORK/bad.expected"
for id in $(printf '%s\n' "${!refused[@]}" | sort -n); do
    shown=$(probe text --title $sheet --id "$id")
    for i in ${refused[$id]#*|}; do
        cat >>"$WORK/bad.batch" <<B
set-text --title $sheet --id $id --text "${all[$i]}"
press --title $sheet --button OK
msgbox --title Tarvon --timeout 10 --press OK
focus --title $sheet
B
        printf 'Tarvon\n%s\n%s\n' "${refused[$id]%%|*}" "$id" >>"$WORK/bad.expected"
    done
    echo "set-text --title $sheet --id $id --text \"$shown\"" >>"$WORK/bad.batch"
done
probe batch <"$WORK/bad.batch" >"$WORK/bad.out" || fail "bad-input batch stopped (see $WORK/bad.out)"
sed -e '2~3s/^\(Callsign\|Latitude\|Longitude\|Altitude\|The hours\) .*/\1/' "$WORK/bad.out" >"$WORK/bad.named"
diff "$WORK/bad.expected" "$WORK/bad.named" || fail "bad input: messages or focus differ"
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
select_page 1
probe list --title $sheet --id 5131 --select Level1 >/dev/null || fail "no Level1 type"
expect_eq "$(probe enabled --title $sheet --id 5132)/$(probe enabled --title $sheet --id 5141)" disabled/enabled "Level1 controls"
screenshot_window rotator $sheet
probe press --title $sheet --button Setup >/dev/null
probe find --class '#32770' --title "Rotator and Radio Driver Setup" --timeout 20 >/dev/null || fail "no driver set-up"
probe press --title "Rotator and Radio Driver Setup" --button Cancel >/dev/null
probe gone --class '#32770' --title "Rotator and Radio Driver Setup" --timeout 10 || fail "driver set-up stays"
probe list --title $sheet --id 5131 --select GS232 >/dev/null
expect_eq "$(probe enabled --title $sheet --id 5132)/$(probe enabled --title $sheet --id 5141)" enabled/disabled "GS232 controls"
probe list --title $sheet --id 5131 --select DDE >/dev/null
probe check --title $sheet --id 5138 --set 1 >/dev/null
probe set-text --title $sheet --id 5139 --text 400
select_page 2
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK | tail -1)" "Park Az must be a whole number from 0 to 360." "park refused"
expect_eq "$(probe focus --title $sheet)" 5139 "focus on Park Az"
probe set-text --title $sheet --id 5139 --text 90

# Transverters: the stored one listed; a new one entered.
select_page 2
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
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK | tail -1)" \
    "You have changed the station operating hours.  Before this change will take effect you must redo the schedule." "hours message"
probe gone --class '#32770' --title $sheet --timeout 10 || fail "sheet stays open"

st='Software\Kova\Station'
expect_eq "$(probe reg-string $st Callsign)" M0XYZ "Callsign"
expect_eq "$(double_of "$(probe reg-binary $st Latitude)")|$(double_of "$(probe reg-binary $st Longitude)")|$(double_of "$(probe reg-binary $st Altitude)")" \
    "-35.0|-2.5|50.0" "position"
expect_eq "$(probe reg-dword $st 'Limit Hours')/$(probe reg-dword $st 'Stop Hour')/$(probe reg-dword $st 'Start Hour')" 1/1/5 "hours"
rot='Software\Kova\Rotator'
expect_eq "$(probe reg-dword $rot 'Rotator Type')/$(probe reg-dword $rot 'Pacing Delay')/$(probe reg-dword $rot Park)/$(probe reg-dword $rot 'Park Az')" \
    8/20/1/90 "rotator"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' 'Rotor Display')" 1 "Rotor Display"
trv='Software\Kova\Transverters\2m'
expect_eq "$(double_of "$(probe reg-binary $trv 'Start Freq')")|$(probe reg-binary $trv RX)|$(probe reg-binary $trv TX)" \
    "144.0|01000000|00000000" "new transverter"

# The schedule was searched afresh from the new place.
sleep 4
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
aos=$(cli dump "$(win_path "$KOVA_DIR/Kova Schedule.DAT")" | sed -n 's/^ *aos *\([0-9]*\).*/\1/p' | head -1)
[ -n "$aos" ] || fail "no pass in the schedule"
aos_at -35 -2.5 50 | grep -qx "$aos" || fail "first AOS $aos is not one seen from the new place"
aos_at 52.25 0 100 | grep -qx "$aos" && fail "first AOS $aos is still one seen from the old place"
grep -q 'Station setup changed' "$KOVA_DIR/Tarvon.log" || fail "station log has no setup line"
echo "ok"
