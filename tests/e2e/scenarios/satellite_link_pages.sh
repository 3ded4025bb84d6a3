#!/usr/bin/env bash
# An existing satellite edited from "Satellite Setup": the TNC Settings page
# shows the stored values, refuses text that is no number with its message,
# corrects a packet length and keeps a retry time in milliseconds; the
# Directories, VANT Settings and SatGate pages show the stored record; OK
# writes the values in their registry types and sizes.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
seed_registry "$TARVON_SOURCE/tests/e2e/data/link_satellite.reg"
fake_browser
sheet=PCSAT
select_page() { probe post --class '#32770' --title $sheet --msg 1125 --wparam "$1" >/dev/null; sleep 1; }  # PSM_SETCURSEL

start_tarvon
probe find --class Tarvon --timeout 40 >/dev/null || fail "no main window"
probe post --class Tarvon --msg 273 --wparam 109 >/dev/null
probe find --class '#32770' --title Satellites --timeout 20 >/dev/null || fail "no Satellites dialog"

# A new satellite's Directories page follows the name given on General,
# however often the user goes back and renames it.
W="Satellite Setup Wizard"
probe press --title Satellites --button New >/dev/null
probe find --class '#32770' --title "$W" --timeout 20 >/dev/null || fail "no wizard"
to_directories() {
    probe batch <<B >/dev/null || fail "wizard to Directories as $1"
set-text --title "$W" --id 5211 --text $1
press --title "$W" --button "Next >" --wait 2000
set-text --title "$W" --id 5236 --text 5
press --title "$W" --button "Next >" --wait 2000
press --title "$W" --button "Next >" --wait 2000
press --title "$W" --button "Next >" --wait 2000
B
    expect_eq "$(probe text --title "$W" --id 5331)|$(probe text --title "$W" --id 5337)" \
        "$KOVA_DIR_WIN\\$1|$KOVA_DIR_WIN\\$1\\Logs" "directories proposed for $1"
}
to_directories PCSAT2
screenshot_window wizard-directories "$W"
for _ in 1 2 3 4; do probe press --title "$W" --button "< Back" --wait 2000 >/dev/null; done
to_directories PCSAT3
probe press --title "$W" --button Cancel >/dev/null
probe gone --class '#32770' --title "$W" --timeout 10 || fail "wizard stays open"

probe list --title Satellites --id 5201 --select PCSAT >/dev/null || fail "PCSAT not listed"
probe press --title Satellites --button Edit >/dev/null
probe find --class '#32770' --title $sheet --timeout 20 >/dev/null || fail "no sheet of PCSAT"

select_page 3
expect_eq "$(probe state --title $sheet --id 5301)|$(probe state --title $sheet --id 5302)|$(probe text --title $sheet --id 5309)|$(probe text --title $sheet --id 5314)" \
    "enabled visible (none)|enabled visible COM2|3|FSK" "TNC Settings as stored (KISS: no type chosen)"
screenshot_window tnc $sheet
probe press --title $sheet --button Help >/dev/null
expect_help_page satellite-tnc.html

# Text that is no number is refused by name, the focus back on it.
probe set-text --title $sheet --id 5312 --text 12x
probe press --title $sheet --button OK >/dev/null
expect_eq "$(probe msgbox --title 'Satellite Setup' --timeout 10 --press OK | tail -1)" \
    "Packet Length must be a whole number." "refused packet length"
expect_eq "$(probe focus --title $sheet)" 5312 "focus on Packet Length"

probe batch <<B >/dev/null || fail "TNC entry"
set-text --title $sheet --id 5312 --text 300
set-text --title $sheet --id 5309 --text 5
set-text --title $sheet --id 5314 --text PK
B

select_page 4
expect_eq "$(probe text --title $sheet --id 5331)|$(probe text --title $sheet --id 5337)" \
    "$KOVA_DIR_WIN\\PCSAT|$KOVA_DIR_WIN\\PCSAT\\Logs" "directories as stored"
screenshot_window directories $sheet
select_page 5
expect_eq "$(probe state --title $sheet --id 5368)|$(probe check --title $sheet --id 5356)" \
    "enabled visible Auto1|checked" "VANT Settings as stored"
screenshot_window vant $sheet
select_page 6
expect_eq "$(probe text --title $sheet --id 5381)|$(probe state --title $sheet --id 5383)" \
    "G0SGT|enabled visible Mine" "SatGate as stored"
screenshot_window satgate $sheet
probe press --title $sheet --button OK >/dev/null
probe gone --class '#32770' --title $sheet --timeout 10 || fail "sheet stays open"

key='Software\Kova\Satellites\PCSAT'
# The probe measures texts in UTF-16: "DSP Mode" in its fixed 4-byte form
# ("PK" and two NULs, 4 bytes to a program reading ANSI) is 8 bytes here; as
# an ordinary text with its terminator it would be 6.
expect_eq "$(probe reg-dword $key PacLength)|$(probe reg-dword $key 'Retry Time')|$(probe reg-dword $key 'TNC Type')|$(probe reg-dword $key Port)" \
    "245|5000|9|2" "TNC values written (KISS kept)"
expect_eq "$(probe reg-type $key PacLength)|$(probe reg-type $key 'Retry Time')|$(probe reg-type $key 'DSP Mode')|$(probe reg-string $key 'DSP Mode')" \
    "REG_DWORD 4|REG_DWORD 4|REG_SZ 8|PK" "registry types and sizes"
echo "ok"
