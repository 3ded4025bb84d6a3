#!/usr/bin/env bash
# Satellite Setup: the wizard ends each type on its own page, writing typed
# values and scheduling at once; Edit refuses bad input and taken names and
# renames; a confirmed Delete takes the passes out of the schedule.
source "$(dirname "$0")/../lib.sh"

seed_station
satellite SO-50 State 2
import_keps tle_amateur_2001-09.txt tle_bbs_bulletin_2026-05.txt
fake_browser
L=Satellites
W='Satellite Setup Wizard'
sats='Software\Kova\Satellites'
key="$sats\\AO-07"
duplicate="There is already a satellite with this name.  Please change the name before continuing."
# "enabled visible" and the like, of a wizard button: 12323 Back, 12324 Next, 12325 Finish.
button() { probe state --title "$W" --id "$1" | cut -d' ' -f1,2; }
next_page() { press "$W" 'Next >'; sleep 0.5; }
listed() { probe list --title $L --id 5201 | paste -sd' '; }
list_is() { [ "$(listed)" = "$1" ]; }
open_list() {
    start_station
    open_dialog 109 $L
}
# expect_scheduled SATELLITES WHEN: closes the station, which saves the
# schedule it searched meanwhile; its passes are those of SATELLITES.
expect_scheduled() {
    close_with $L Close
    sleep 4
    close_tarvon
    expect_eq "$(schedule_dump | sed -n 's/^ *satName  *//p' | sort -u | paste -sd' ')" "$1" "satellites in the schedule $2"
}
# new SATELLITE TYPE STATE: the wizard, its General page filled, on Scheduling.
new() {
    press $L New
    probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "no wizard"
    set_field "$W" 5211 "$1"
    choose "$W" 5212 "$2"
    choose "$W" 5214 "$3"
    next_page
}

open_list
expect_eq "$(listed)|$(probe enabled --title $L --id 5203)|$(probe enabled --title $L --id 5204)" \
    "SO-50|disabled|disabled" "list, Edit and Delete before a choice"
screenshot_window list $L
expect_help $L satellites

# An Analogue satellite: General, Scheduling, Frequencies, Finish.
press $L New
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "no wizard"
expect_eq "$(button 12323), $(button 12324)" "disabled visible, enabled visible" "General's buttons"
screenshot_window general "$W"
next_page
expect_eq "$(answer_box 'Satellite Setup' 10)" \
    "You must enter a satellite name.  The name must be the same as that used in the keplerian elements." "no name"
set_field "$W" 5211 AO-07
choose "$W" 5212 Analogue
expect_eq "$(probe enabled --title "$W" --id 5215)" disabled "SatGate for an Analogue satellite"
set_field "$W" 5216 ao7bc
next_page
expect_eq "$(field "$W" 5231)|$(field "$W" 5236)|$(field "$W" 5239)" "|0|25" "Scheduling of a new satellite"
screenshot_window scheduling "$W"
next_page
expect_eq "$(answer_box 'Satellite Setup' 10)" \
    "You can't leave the PRIORITY set to 0 if you have this satellite set to automatically run passes." "priority 0"
expect_eq "$(probe focus --title "$W")" 5236 "focus on Priority"
set_field "$W" 5236 3
next_page
expect_eq "$(button 12325)|$(field "$W" 5251)|$(probe state --title "$W" --id 5270 | cut -d' ' -f3-)" \
    "enabled visible|0.000000|FM-N" "Frequencies of an Analogue satellite, with Finish"
screenshot_window frequencies "$W"
expect_help "$W" satellite-frequencies
set_field "$W" 5251 145.85
set_field "$W" 5255 435.795
check "$W" 5266 1
close_with "$W" Finish
wait_until 10 list_is "AO-07 SO-50" || fail "list after New: $(listed)"
expect_reg "$key" Name "REG_SZ 12 AO-07"
expect_eq "$(dwords "$key" 'Satellite Type' Priority 'Default Downlink' State)" "1 3 2 0" "AO-07's numbers"
expect_reg "$key" 'Bdcst Callsign' "REG_SZ 12 AO7BC"
expect_eq "$(probe reg-type "$key" 'Uplink 1')|$(doubles "$key" 'Uplink 1')" "REG_BINARY 8|145.85" "Uplink 1"
[ -d "$KOVA_DIR/AO-07" ] && fail "directories made for an Analogue satellite"

# The name of another satellite (in other letters) is refused; the wizard
# comes back with what was entered.
new so-50 Analogue Display
next_page
close_with "$W" Finish
expect_eq "$(answer_box Tarvon 10)" "$duplicate" "duplicate name"
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "wizard not back after the duplicate"
expect_eq "$(field "$W" 5211)" so-50 "name as entered"
close_with "$W" Cancel

# A Mailbox satellite ends on TNC Settings; a PacSat on VANT Settings, with
# its program and directories proposed from its name and made on Finish.
new ISS Mailbox Disable
next_page
next_page
expect_eq "$(button 12325)" "enabled visible" "Finish on TNC Settings of a Mailbox satellite"
screenshot_window tnc "$W"
close_with "$W" Finish
new NO-44 PacSat Disable
expect_eq "$(field "$W" 5231)" "$KOVA_DIR_WIN\\VANT.EXE %S" "PacSat program"
for page in frequencies tnc directories vant; do
    next_page
    [ $page != directories ] || expect_eq "$(field "$W" 5331)" "$KOVA_DIR_WIN\\NO-44" "PacSat directory"
    expect_eq "$(button "$([ $page = vant ] && echo 12325 || echo 12324)")" "enabled visible" "Next or Finish on $page"
    [ $page = tnc ] || [ $page = frequencies ] || screenshot_window $page "$W"
done
close_with "$W" Finish
expect_eq "$(dwords "$sats\\ISS" 'Satellite Type')/$(dwords "$sats\\NO-44" 'Satellite Type')" 2/0 "types"
expect_reg "$sats\\NO-44" 'DSP Mode' "REG_SZ 8 "  # its fixed four characters
[ -d "$KOVA_DIR/NO-44/Msgs" ] || fail "PacSat directories not made"
expect_scheduled AO-07 "after New"

open_list
probe list --title $L --id 5201 --select AO-07 --double 1 >/dev/null || fail "no AO-07 to edit"
probe find --class '#32770' --title AO-07 --timeout 20 >/dev/null || fail "no sheet titled AO-07"
screenshot_window edit AO-07
declare -A REFUSED=([5211]="You must|0" [5216]="Broadcast Callsign|2 4")
refuse_fields AO-07 'Satellite Setup'
show_page AO-07 1
REFUSED=([5234]="Pass check time|0 1 2 3 4" [5236]="Priority|0 1 2 3 4" [5237]="Minimum elevation|0 1 2 3 4"
    [5238]="Minimum pass time|0 1 2 3 4" [5239]="Time before pass to run|0 1 2 3 4")
refuse_fields AO-07 'Satellite Setup'
set_field AO-07 5236 7
show_page AO-07 2
REFUSED=([5251]="Uplink 1|0 1 2 3 4" [5258]="Downlink 4|0 1 2 3 4" [5272]="Num. Uplinks|0 1 2 3 4")
refuse_fields AO-07 'Satellite Setup'
show_page AO-07 0
set_field AO-07 5211 SO-50
close_with AO-07 OK
expect_eq "$(answer_box Tarvon 10)" "$duplicate" "rename to a taken name"
probe find --class '#32770' --title SO-50 --timeout 20 >/dev/null || fail "sheet not back after the taken name"
set_field SO-50 5211 FO-29
close_with SO-50 OK
expect_reg "$key" Name "REG_SZ 12 FO-29"
expect_eq "$(dwords "$key" Priority)|$(doubles "$key" 'Uplink 1')" "7|145.85" "edited values"
expect_scheduled FO-29 "after the rename"

# Delete asks first; No keeps the satellite, Yes removes it and its passes.
open_list
probe list --title $L --id 5201 --select FO-29 >/dev/null || fail "no FO-29 listed"
press $L Delete
box=$(probe msgbox --title Tarvon --timeout 10 --press No) || fail "no question before Delete"
[[ "$box" == *FO-29* ]] || fail "question does not name the satellite: $box"
sleep 1
expect_eq "$(listed)" "FO-29 ISS NO-44 SO-50" "list after No"
press $L Delete
probe msgbox --title Tarvon --timeout 10 --press Yes >/dev/null || fail "no question before Delete"
wait_until 10 list_is "ISS NO-44 SO-50" || fail "list after Delete: $(listed)"
probe reg-type "$key" Name >/dev/null && fail "FO-29's key stays"
expect_scheduled "" "after Delete"
