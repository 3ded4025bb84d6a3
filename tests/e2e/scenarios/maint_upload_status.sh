#!/usr/bin/env bash
# "Upload File Status" from the Housekeeping menu: the queue of a satellite
# with the headers of its files; Copy into another satellite's queue as .OUT
# (and refused for a name too long); Delete of the file on disk.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
seed_registry "$TARVON_SOURCE/tests/e2e/data/maint_satellites.reg"
mkdir -p "$KOVA_DIR/AO-16" "$KOVA_DIR/UO-22"
sample="$TARVON_SOURCE/tests/data/maint/NEWS01.PUL"
cp "$sample" "$KOVA_DIR/AO-16/NEWS01.PUL"
cp "$sample" "$KOVA_DIR/AO-16/ABC.UL"
cp "$sample" "$KOVA_DIR/AO-16/NINECHARS.UL"
printf 'no header here' >"$KOVA_DIR/AO-16/PLAIN.OUT"
printf 'not queued' >"$KOVA_DIR/AO-16/NOTES.TXT"

title="Upload File Status"
fake_browser
start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
probe post --class Tarvon --msg 273 --wparam 145 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no Upload File Status dialog"
probe select --title "$title" --id 4761 --item AO-16 >/dev/null || fail "AO-16 not chosen"
headed="G4XYZ        Weekly element sets"
expect_eq "$(probe list --title "$title" --id 4763)" "$(printf '%-14s  %s\n' PLAIN.OUT "" NEWS01.PUL "$headed" \
    ABC.UL "$headed" NINECHARS.UL "$headed")" "queue rows"
probe nudge --title "$title" && screenshot queue

# Copy ABC.UL to UO-22: it arrives there as ABC.OUT, byte for byte.
probe select --title "$title" --id 4763 --index 2 >/dev/null || fail "ABC.UL not selected"
probe press --title "$title" --button Copy >/dev/null
sleep 1
probe select --title "$title" --id 4765 --item UO-22 >/dev/null || fail "no destination drop-down"
probe nudge --title "$title" && screenshot copy-mode
probe press --title "$title" --button Help >/dev/null
expect_help_page upload-file-status.html
probe press --title "$title" --button OK >/dev/null || fail "no OK in copy mode"
sleep 1
cmp -s "$sample" "$KOVA_DIR/UO-22/ABC.OUT" || fail "ABC.OUT not copied to UO-22"

# A name of nine characters before the dot cannot become an 8.3 .OUT file.
probe select --title "$title" --id 4763 --index 3 >/dev/null || fail "NINECHARS.UL not selected"
probe press --title "$title" --button Copy >/dev/null
sleep 1
probe select --title "$title" --id 4765 --item UO-22 >/dev/null
probe press --title "$title" --button OK >/dev/null
probe msgbox --title Tarvon --timeout 10 --press OK | grep -q "more than 8 characters" || fail "no long-name message"
[ -z "$(ls "$KOVA_DIR/UO-22" | grep -v '^ABC.OUT$')" ] || fail "a long name was copied: $(ls "$KOVA_DIR/UO-22")"

# Delete takes the file from the disk and the row from the list.
probe select --title "$title" --id 4763 --index 0 >/dev/null || fail "PLAIN.OUT not selected"
probe press --title "$title" --button Delete >/dev/null
sleep 1
[ ! -e "$KOVA_DIR/AO-16/PLAIN.OUT" ] || fail "PLAIN.OUT still on disk"
expect_eq "$(probe list --title "$title" --id 4763 --count 1)" "3" "rows after Delete"
[ -e "$KOVA_DIR/AO-16/NOTES.TXT" ] || fail "a file outside the queue went"

probe press --title "$title" --button Cancel >/dev/null
probe gone --title "$title" --timeout 10 || fail "Upload File Status stays open"
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
echo "ok"
