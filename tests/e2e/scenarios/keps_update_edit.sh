#!/usr/bin/env bash
# The element database through the Database menu: "Update Satellite Database"
# with a real element file and its report (as tarvon-cli reports the same
# file); element files that are binary, empty or cut short report what they
# hold and lose nothing; "Edit Satellite Data" refuses bad input field by
# field, stores an edit that tarvon-cli reads back, finds, deletes and keeps
# its slot between openings. Help pages open from the file dialog and F1.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
fake_browser
cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }
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
    probe post --class Tarvon --msg 273 --wparam 130 >/dev/null
    probe find --class '#32770' --title "$fdlg" --timeout 20 >/dev/null || fail "no file dialog"
    probe set-text --title "$fdlg" --id 1148 --text "$(win_path "$1")"
    probe press --title "$fdlg" --button Open >/dev/null
    probe find --class '#32770' --title 'Update Keps' --timeout 30 >/dev/null || fail "no report for $1"
    probe list --title 'Update Keps' --id 5001 >"$WORK/report.txt"
}
close_report() { probe press --title 'Update Keps' --button OK >/dev/null; probe gone --class '#32770' --title 'Update Keps' --timeout 10; }

start_tarvon
probe find --class Tarvon --timeout 40 >/dev/null || fail "no main window"

probe post --class Tarvon --msg 273 --wparam 130 >/dev/null
probe find --class '#32770' --title "$fdlg" --timeout 20 >/dev/null || fail "no file dialog"
expect_eq "$(probe text --title "$fdlg" --id 1136)" "NASA Keplerian elements" "file type preselected"
screenshot file-dialog
probe press --title "$fdlg" --button Help >/dev/null
expect_help_page update-satellite-database.html
probe press --title "$fdlg" --button Cancel >/dev/null

update "$files/amateur.txt"
screenshot report
close_report
cli import --keps "$(win_path "$WORK/expected.KEP")" "$(win_path "$files/amateur.txt")" >"$WORK/expected-report.txt"
diff "$WORK/expected-report.txt" "$WORK/report.txt" || fail "report differs from tarvon-cli's"
expect_eq "$(probe reg-dword 'Software\Kova\Tarvon' 'Keps Type')" 1 "Keps Type"
expect_eq "$(probe reg-string 'Software\Kova\Tarvon' 'Keps Dir')" "$(win_path "$files")\\" "Keps Dir"
cli keps --keps "$(win_path "$keps")" >"$WORK/keps-before.txt"
before=$(md5sum <"$keps")

for bad in binary.bin empty.txt cut.txt; do
    update "$files/$bad"
    cp "$WORK/report.txt" "$WORK/report-$bad.txt"
    close_report
done
expect_eq "$(cat "$WORK/report-binary.bin.txt")" "No Satellites Found!" "binary file's report"
expect_eq "$(cat "$WORK/report-empty.txt.txt")" "No Satellites Found!" "empty file's report"
expect_eq "$(cat "$WORK/report-cut.txt.txt")" "AO-10: Old Keps - Not Updated" "cut file's report"
expect_eq "$(md5sum <"$keps")" "$before" "Kova.KEP after the bad files"

# Edit Satellite Data: every field refuses what it cannot hold, naming
# itself, with the focus back on it; nothing is written meanwhile.
edlg='Edit Satellite Data [1]'
probe post --class Tarvon --msg 273 --wparam 131 >/dev/null
probe find --class '#32770' --title "$edlg" --timeout 20 >/dev/null || fail "no Edit Satellite Data"
screenshot edit-dialog
long=$(printf '7%.0s' $(seq 300))
all=("" abc 99999999999 -5 "$long")
declare -A refused=(
    [5021]="Name|0 4" [5022]="Catalogue Number|0 1 2 3 4" [5023]="Element Set|0 1 2 3 4"
    [5024]="Epoch Time|0 1 2 3 4" [5025]="Mean Anomaly|0 1 2 3 4" [5026]="Mean Motion|0 1 2 3 4"
    [5027]="Inclination|0 1 2 3 4" [5028]="Eccentricity|0 1 2 3 4" [5029]="Arg. of Perigee|0 1 2 3 4"
    [5030]="R.A.A.N.|0 1 2 3 4" [5031]="Decay|0 1 2 3 4" [5032]="Orbit Number|0 1 2 3 4"
    [5033]="Blon|1 2 4" [5034]="Blat|1 2 4" [5035]="Beacon Freq|0 1 2 3 4" [5036]="Schedule|4")
: >"$WORK/bad.batch"
: >"$WORK/bad.expected"
for id in $(printf '%s\n' "${!refused[@]}" | sort -n); do
    label=${refused[$id]%%|*}
    shown=$(probe text --title "$edlg" --id "$id")
    [ "$id" = 5034 ] && echo "set-text --title \"$edlg\" --id 5033 --text 10" >>"$WORK/bad.batch"
    [ "$id" = 5033 ] && echo "set-text --title \"$edlg\" --id 5034 --text 10" >>"$WORK/bad.batch"
    for i in ${refused[$id]#*|}; do
        cat >>"$WORK/bad.batch" <<B
set-text --title "$edlg" --id $id --text "${all[$i]}"
press --title "$edlg" --button OK
msgbox --title "Edit Satellite Data" --timeout 10 --press OK
focus --title "$edlg"
B
        printf 'Edit Satellite Data\n%s\n%s\n' "$label" "$id" >>"$WORK/bad.expected"
    done
    echo "set-text --title \"$edlg\" --id $id --text \"$shown\"" >>"$WORK/bad.batch"
    [ "$id" -ge 5033 ] && [ "$id" -le 5034 ] && echo "set-text --title \"$edlg\" --id $((5033 + 5034 - id)) --text \"\"" >>"$WORK/bad.batch"
done
probe batch <"$WORK/bad.batch" >"$WORK/bad.out" || fail "bad-input batch stopped (see $WORK/bad.out)"
# Keep only the start of each message: the label it names.
paste -d'\n' <(sed -n '1~3p' "$WORK/bad.out") <(sed -n '2~3p' "$WORK/bad.out" | while read -r m; do
    for l in "Catalogue Number" "Element Set" "Epoch Time" "Mean Anomaly" "Mean Motion" "Inclination" "Eccentricity" \
        "Arg. of Perigee" "R.A.A.N." "Decay" "Orbit Number" "Blon" "Blat" "Beacon Freq" "Schedule" "Name"; do
        [[ "$m" == "$l "* ]] && { echo "$l"; continue 2; }
    done
    echo "$m"; done) <(sed -n '3~3p' "$WORK/bad.out") >"$WORK/bad.named"
diff "$WORK/bad.expected" "$WORK/bad.named" || fail "bad input: messages or focus differ"
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
cli keps --keps "$(win_path "$keps")" >"$WORK/keps-after.txt"
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
cli keps --keps "$(win_path "$keps")" | grep -q '^ *7 DO-17 ' && fail "slot 7 not deleted"
probe press --title "$t7" --button Close >/dev/null
probe post --class Tarvon --msg 273 --wparam 131 >/dev/null
probe find --class '#32770' --title "$t7" --timeout 20 >/dev/null || fail "slot not kept between openings"
probe press --title "$t7" --button Help >/dev/null
expect_help_page edit-satellite-data.html
probe press --title "$t7" --button Close >/dev/null

probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
grep -q 'Elements taken from Kova.KEP' "$KOVA_DIR/Tarvon.log" || fail "the station did not take the new elements"
echo "ok"
