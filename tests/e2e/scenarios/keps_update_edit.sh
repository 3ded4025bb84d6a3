#!/usr/bin/env bash
# The element database through the Database menu: an update reported as
# tarvon-cli reports the same file; bad element files that lose nothing;
# Edit Satellite Data refusing, storing, finding and deleting.
source "$(dirname "$0")/../lib.sh"

seed_station
fake_browser
keps="$KOVA_DIR/Kova.KEP"
files="$WORK/elements"
mkdir -p "$files"
cp "$TARVON_SOURCE/tests/data/tle_amateur_2001-09.txt" "$files/amateur.txt"
head -c 20000 "$TARVON_BIN/probe.exe" >"$files/binary.bin"
: >"$files/empty.txt"
head -n 5 "$files/amateur.txt" >"$files/cut.txt"  # one whole set, then a name and line 1
fdlg='Update Keplerian Database'

# update FILE: the file dialog given FILE, the report's lines in $WORK/report.txt.
update() {
    open_dialog 130 "$fdlg"
    probe set-text --title "$fdlg" --id 1148 --text "$(win_path "$1")"
    probe press --title "$fdlg" --button Open >/dev/null
    probe find --class '#32770' --title 'Update Keps' --timeout 30 >/dev/null || fail "no report for $1"
    probe list --title 'Update Keps' --id 5001 >"$WORK/report.txt"
}
close_report() { probe press --title 'Update Keps' --button OK >/dev/null; probe gone --class '#32770' --title 'Update Keps' --timeout 10; }

start_station

open_dialog 130 "$fdlg"
expect_eq "$(field "$fdlg" 1136)" "NASA Keplerian elements" "file type preselected"
screenshot file-dialog
expect_help "$fdlg" update-satellite-database
probe press --title "$fdlg" --button Cancel >/dev/null

update "$files/amateur.txt"
screenshot report
close_report
cli import --keps "$(win_path "$WORK/expected.KEP")" "$(win_path "$files/amateur.txt")" >"$WORK/expected-report.txt"
diff "$WORK/expected-report.txt" "$WORK/report.txt" || fail "report differs from tarvon-cli's"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' 'Keps Type')" 1 "Keps Type"
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Keps Dir')" "$(win_path "$files")\\" "Keps Dir"
cli keps --keps "$KEPS_WIN" >"$WORK/keps-before.txt"
before=$(md5sum <"$keps")

for bad in "binary.bin|No Satellites Found!" "empty.txt|No Satellites Found!" "cut.txt|AO-10: Old Keps - Not Updated"; do
    update "$files/${bad%%|*}"
    expect_eq "$(cat "$WORK/report.txt")" "${bad#*|}" "report of ${bad%%|*}"
    close_report
done
expect_eq "$(md5sum <"$keps")" "$before" "Kova.KEP after the bad files"

edlg='Edit Satellite Data [1]'
open_dialog 131 "$edlg"
screenshot edit-dialog
declare -A PAIRED=([5033]=5034 [5034]=5033) REFUSED=(
    [5021]="Name|0 4" [5022]="Catalogue Number|0 1 2 3 4" [5023]="Element Set|0 1 2 3 4"
    [5024]="Epoch Time|0 1 2 3 4" [5025]="Mean Anomaly|0 1 2 3 4" [5026]="Mean Motion|0 1 2 3 4"
    [5027]="Inclination|0 1 2 3 4" [5028]="Eccentricity|0 1 2 3 4" [5029]="Arg. of Perigee|0 1 2 3 4"
    [5030]="R.A.A.N.|0 1 2 3 4" [5031]="Decay|0 1 2 3 4" [5032]="Orbit Number|0 1 2 3 4"
    [5033]="Blon|1 2 4" [5034]="Blat|1 2 4" [5035]="Beacon Freq|0 1 2 3 4" [5036]="Schedule|4")
refuse_fields "$edlg" "Edit Satellite Data"
expect_eq "$(md5sum <"$keps")" "$before" "Kova.KEP after refused input"

# An edit of slot 2 stored and read back by tarvon-cli, keeping what it did not touch.
probe batch <<B >/dev/null || fail "edit of slot 2"
press --title "$edlg" --button Next --wait 2000
find --class #32770 --title "Edit Satellite Data [2]" --timeout 10
set-text --title "Edit Satellite Data [2]" --id 5035 --text 145.825
set-text --title "Edit Satellite Data [2]" --id 5033 --text 10
set-text --title "Edit Satellite Data [2]" --id 5034 --text -20
set-text --title "Edit Satellite Data [2]" --id 5036 --text "B0 J128"
press --title "Edit Satellite Data [2]" --button OK --wait 2000
B
cli keps --keps "$KEPS_WIN" >"$WORK/keps-after.txt"
grep -E '^ +2 UO-11 .* 145\.825000 +10 +-20 +B0 J128$' "$WORK/keps-after.txt" >/dev/null || fail "slot 2 not stored: $(sed -n 3p "$WORK/keps-after.txt")"
diff <(grep -v '^ *2 ' "$WORK/keps-before.txt") <(grep -v '^ *2 ' "$WORK/keps-after.txt") || fail "other slots changed"

# Find by name in any case; a name that is not there; Delete then OK.
t7="Edit Satellite Data [7]"
probe batch <<B >"$WORK/find.out" || fail "find"
press --title "Edit Satellite Data [2]" --button Find --wait 2000
set-text --title "Edit Satellite Data [2]" --id 5021 --text do-17
press --title "Edit Satellite Data [2]" --button OK --wait 2000
press --title "$t7" --button Find --wait 2000
enabled --title "$t7" --id 5026
set-text --title "$t7" --id 5021 --text NOSUCHSAT
press --title "$t7" --button OK --wait 500
msgbox --title Tarvon --timeout 10 --press OK
sleep --ms 500
enabled --title "$t7" --id 5026
press --title "$t7" --button Delete --wait 2000
press --title "$t7" --button OK --wait 2000
B
expect_eq "$(tr '\n' '|' <"$WORK/find.out")" "disabled|Tarvon|Unable to find a satellite with this name|enabled|" \
    "find mode and its message"
grep -q '^ *7 DO-17 ' <<<"$(cli keps --keps "$KEPS_WIN")" && fail "slot 7 not deleted"
press "$t7" Close
open_dialog 131 "$t7"  # the slot is kept between openings
expect_help "$t7" edit-satellite-data
press "$t7" Close

close_tarvon
grep -q 'Elements taken from Kova.KEP' "$KOVA_DIR/Tarvon.log" || fail "the station did not take the new elements"
