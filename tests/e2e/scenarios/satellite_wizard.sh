#!/usr/bin/env bash
# "Satellite Setup": the wizard makes a satellite of each type, each ending
# on its own page; its values reach the registry in their types and its
# passes the schedule at once. Editing renames it (never to another
# satellite's name) and deleting it, once confirmed, takes its passes out of
# the schedule. Bad input is refused field by field.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../suite/dialogs.sh"
source "$(dirname "$0")/../map/map.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
import_elements
reg_sz 'SOFTWARE\Kova\Satellites\SO-50' Name SO-50
reg_dword 'SOFTWARE\Kova\Satellites\SO-50' State 2
fake_browser
L=Satellites
W='Satellite Setup Wizard'
sats='Software\Kova\Satellites'
double_of() { python3 -c "import struct,sys; print(struct.unpack('<d', bytes.fromhex(sys.argv[1]))[0])" "$1"; }
# The wizard's own buttons: Back, Next, Finish.
button_state() { probe state --title "$W" --id "$1" | cut -d' ' -f1,2; }
listed() { probe list --title $L --id 5201 | paste -sd' '; }
list_is() { [ "$(listed)" = "$1" ]; }
next_page() { probe press --title "$W" --button 'Next >' >/dev/null || fail "no Next"; sleep 0.5; }
scheduled() { cli dump "$(win_path "$KOVA_DIR/Kova Schedule.DAT")" | sed -n 's/^ *satName  *//p' | sort -u | paste -sd' '; }
# Every kind of bad text in field $2 of $1 (the kinds listed in $3), then
# $4 typed: each refused with a message naming the field ($5) and the focus
# back on it.
long=$(printf '7%.0s' $(seq 300))
kinds=("" abc 99999999999 -5 "$long")
refuse_each() {
    local sheet=$1 id=$2 label=$5 i
    : >"$WORK/bad.batch"
    : >"$WORK/bad.expected"
    for i in $3; do
        printf 'set-text --title "%s" --id %s --text "%s"\npress --title "%s" --button "%s"\n' \
            "$sheet" "$id" "${kinds[$i]}" "$sheet" "$6" >>"$WORK/bad.batch"
        printf 'msgbox --title "Satellite Setup" --timeout 10 --press OK\nfocus --title "%s"\n' "$sheet" >>"$WORK/bad.batch"
        printf 'Satellite Setup\n%s\n%s\n' "$label" "$id" >>"$WORK/bad.expected"
    done
    printf 'set-text --title "%s" --id %s --text "%s"\n' "$sheet" "$id" "$4" >>"$WORK/bad.batch"
    probe batch <"$WORK/bad.batch" | sed "2~3s/^\($label\).*/\1/" >"$WORK/bad.out" || fail "bad input batch for $id stopped"
    diff "$WORK/bad.expected" "$WORK/bad.out" || fail "bad input in field $id: messages or focus differ"
}

open_list() {
    start_tarvon
    probe find --class Tarvon --timeout 40 >/dev/null || fail "no main window"
    open_dialog 109 $L
}
# Closes the station, which saves the schedule it searched meanwhile.
stop_station() {
    sleep 4
    probe post --class Tarvon --msg 16 >/dev/null
    wait_exit "$TARVON_PID" 30 || fail "did not close"
}

open_list
expect_eq "$(probe list --title $L --id 5201)" SO-50 "satellites listed"
expect_eq "$(probe enabled --title $L --id 5203)/$(probe enabled --title $L --id 5204)" disabled/disabled "Edit/Delete before a choice"
screenshot_window list $L
press $L Help
expect_help_page satellites.html

# An Analogue satellite: General, Scheduling, Frequencies, Finish.
press $L New
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "no wizard"
expect_eq "$(button_state 12323) $(button_state 12324)" "disabled visible enabled visible" "General's buttons"
screenshot_window general "$W"
refuse_each "$W" 5211 0 AO-07 'You must enter a satellite name' 'Next >'
choose "$W" 5212 Analogue
expect_eq "$(probe enabled --title "$W" --id 5215)" disabled "SatGate for an Analogue satellite"
set_field "$W" 5216 ao7bc
next_page
expect_eq "$(field "$W" 5231)|$(field "$W" 5236)|$(field "$W" 5239)" "|0|25" "Scheduling of a new satellite"
screenshot_window scheduling "$W"
next_page
expect_eq "$(probe msgbox --title 'Satellite Setup' --timeout 10 --press OK | tail -1)" \
    "You can't leave the PRIORITY set to 0 if you have this satellite set to automatically run passes." "priority 0"
expect_eq "$(probe focus --title "$W")" 5236 "focus on Priority"
refuse_each "$W" 5236 "0 1 2 3 4" 3 Priority 'Next >'
refuse_each "$W" 5237 "0 1 2 3 4" 5 'Minimum elevation' 'Next >'
next_page
expect_eq "$(button_state 12325)" "enabled visible" "Finish on Frequencies of an Analogue satellite"
expect_eq "$(field "$W" 5251)|$(probe state --title "$W" --id 5270 | cut -d" " -f3-)" "0.000000|FM-N" "Frequencies shown"
screenshot_window frequencies "$W"
refuse_each "$W" 5251 "0 1 2 3 4" 145.85 'Uplink 1' Finish
set_field "$W" 5255 435.795
probe check --title "$W" --id 5266 --set 1 >/dev/null
close_with "$W" Finish
wait_until 10 list_is "AO-07 SO-50" || fail "list after New: $(listed)"

key="$sats\\AO-07"
expect_reg "$key" Name "REG_SZ 12 AO-07"
expect_reg "$key" 'Satellite Type' "REG_DWORD 4 1"
expect_reg "$key" Priority "REG_DWORD 4 3"
expect_reg "$key" 'Bdcst Callsign' "REG_SZ 12 AO7BC"
expect_eq "$(probe reg-type "$key" 'Uplink 1')|$(double_of "$(probe reg-binary "$key" 'Uplink 1')")" "REG_BINARY 8|145.85" "Uplink 1"
expect_eq "$(double_of "$(probe reg-binary "$key" 'Downlink 1')")|$(probe reg-dword "$key" 'Default Downlink')" "435.795|2" "downlink"
[ -d "$KOVA_DIR/AO-07" ] && fail "directories made for an Analogue satellite"

# A second satellite of an existing name (ignoring case) is refused; the
# wizard comes back with what was entered.
press $L New
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "no wizard"
set_field "$W" 5211 so-50
choose "$W" 5212 Analogue
next_page
set_field "$W" 5236 4
next_page
close_with "$W" Finish
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK | tail -1)" \
    "There is already a satellite with this name.  Please change the name before continuing." "duplicate name"
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "wizard not back after the duplicate"
expect_eq "$(field "$W" 5211)" so-50 "name as entered"
close_with "$W" Cancel
expect_eq "$(listed)" "AO-07 SO-50" "list after the refused name"

close_with $L Close
stop_station
expect_eq "$(scheduled)" AO-07 "satellites in the schedule after New"
open_list

# Edit: a rename to another satellite's name is refused; a rename to a free
# one moves the schedule to the new name; Delete asks, then the passes go.
probe list --title $L --id 5201 --select AO-07 --double 1 >/dev/null || fail "no AO-07 to edit"
probe find --class '#32770' --title AO-07 --timeout 20 >/dev/null || fail "no sheet titled AO-07"
set_field AO-07 5211 SO-50
close_with AO-07 OK
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK | tail -1)" \
    "There is already a satellite with this name.  Please change the name before continuing." "rename to a taken name"
probe find --class '#32770' --title SO-50 --timeout 20 >/dev/null || fail "sheet not back after the taken name"
set_field SO-50 5211 FO-29
probe post --class '#32770' --title SO-50 --msg 1125 --wparam 1 >/dev/null  # PSM_SETCURSEL: Scheduling
sleep 1
set_field SO-50 5236 7
close_with SO-50 OK
expect_reg "$key" Name "REG_SZ 12 FO-29"
expect_reg "$key" Priority "REG_DWORD 4 7"
expect_eq "$(double_of "$(probe reg-binary "$key" 'Uplink 1')")" 145.85 "Uplink 1 kept through the edit"
close_with $L Close
stop_station
expect_eq "$(scheduled)" FO-29 "satellites in the schedule after the rename"
open_list

probe list --title $L --id 5201 --select FO-29 >/dev/null || fail "no FO-29 listed"
press $L Delete
box=$(probe msgbox --title Tarvon --timeout 10 --press No) || fail "no question before Delete"
echo "$box" | grep -q FO-29 || fail "question does not name the satellite: $box"
expect_eq "$(listed)" "FO-29 SO-50" "list after No"
press $L Delete
probe msgbox --title Tarvon --timeout 10 --press Yes >/dev/null || fail "no question before Delete"
wait_until 10 list_is SO-50 || fail "list after Delete: $(listed)"
probe reg-type "$key" Name >/dev/null && fail "FO-29's key stays"
close_with $L Close
stop_station
expect_eq "$(scheduled)" "" "satellites in the schedule after Delete"
echo ok
