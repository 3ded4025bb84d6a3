#!/usr/bin/env bash
# "Edit Directory" rewrites a real hole list (and says so when there is none);
# "View Brisko Errors" shows the error log and Clear deletes it; "Run Brisko"
# starts BRISKO.EXE from the suite directory for the chosen satellite.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
seed_registry "$TARVON_SOURCE/tests/e2e/data/maint_satellites.reg"
mkdir -p "$KOVA_DIR/AO-16" "$KOVA_DIR/UO-22"
holes="$KOVA_DIR/AO-16/VANT Dir Holes.DAT"
cp "$TARVON_SOURCE/tests/data/maint/VANT Dir Holes.DAT" "$holes"
cp "$TARVON_BIN/standin.exe" "$KOVA_DIR/BRISKO.EXE"
fake_browser

start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"

title="Edit Directory"
probe post --class Tarvon --msg 273 --wparam 149 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no Edit Directory dialog"
expect_eq "$(probe list --title "$title" --id 4701 | tr '\n' ' ')" "AO-16 UO-22 " "PacSat satellites"
probe select --title "$title" --id 4701 --item AO-16 >/dev/null || fail "AO-16 not chosen"
expect_eq "$(probe text --title "$title" --id 4702)" "3" "holes shown"
probe press --title "$title" --button "Remove holes" >/dev/null
probe press --title "$title" --button "Reset Date" >/dev/null
probe set-text --title "$title" --id 4705 --text 7 >/dev/null
probe nudge --title "$title" && screenshot edit-directory
probe press --title "$title" --button Help >/dev/null
expect_help_page directory-maintenance.html
before=$(date +%s)
probe press --title "$title" --button OK >/dev/null
probe gone --title "$title" --timeout 10 || fail "Edit Directory stays open after OK"
after=$(date +%s)
python3 - "$holes" "$before" "$after" <<'PY' || fail "hole list not rewritten"
import struct, sys
data = open(sys.argv[1], "rb").read()
count, start, end = struct.unpack("<Iii", data)
week = 7 * 86400
assert len(data) == 12 and count == 1 and end == 0x7FFFFFFF, data
assert int(sys.argv[2]) - week - 2 <= start <= int(sys.argv[3]) - week + 2, start
PY
[ ! -e "$KOVA_DIR/AO-16/VANT Dir Holes.TMP" ] || fail "temporary hole list left behind"

# UO-22 has no hole list: nothing to update, and the dialog says so.
probe post --class Tarvon --msg 273 --wparam 149 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no Edit Directory dialog"
probe select --title "$title" --id 4701 --item UO-22 >/dev/null || fail "UO-22 not chosen"
expect_eq "$(probe text --title "$title" --id 4702)" "" "holes of a missing list"
probe press --title "$title" --button OK >/dev/null
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK)" "Tarvon
Error updating directory." "missing hole list"
[ ! -e "$KOVA_DIR/UO-22/VANT Dir Holes.DAT" ] || fail "a hole list was made up"
probe press --title "$title" --button Cancel >/dev/null
probe gone --title "$title" --timeout 10 || fail "Edit Directory stays open after Cancel"

title="Brisko Errors"
probe post --class Tarvon --msg 273 --wparam 137 >/dev/null
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK)" "Tarvon
There are no Brisko errors to view at this time." "no error log"
printf 'AO-16        NEWS01.PUL  No destination callsign\r\nUO-22        KEPS.PUL    Header damaged\r\n' \
    >"$KOVA_DIR/Brisko Error Log.TXT"
probe post --class Tarvon --msg 273 --wparam 137 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no Brisko Errors dialog"
expect_eq "$(probe list --title "$title" --id 4782)" "AO-16        NEWS01.PUL  No destination callsign
UO-22        KEPS.PUL    Header damaged" "error lines"
probe nudge --title "$title" && screenshot brisko-errors
probe press --title "$title" --button Help >/dev/null
expect_help_page brisko-errors.html
probe press --title "$title" --button Clear >/dev/null
probe gone --title "$title" --timeout 10 || fail "Brisko Errors stays open after Clear"
[ ! -e "$KOVA_DIR/Brisko Error Log.TXT" ] || fail "Clear left the error log"

title="Run Brisko"
probe post --class Tarvon --msg 273 --wparam 141 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no Run Brisko dialog"
expect_eq "$(probe list --title "$title" --id 4151 | tr '\n' ' ')" "AO-16 UO-22 " "PacSat satellites"
probe select --title "$title" --id 4151 --item UO-22 >/dev/null || fail "UO-22 not chosen"
probe nudge --title "$title" && screenshot run-brisko
probe press --title "$title" --button Help >/dev/null
expect_help_page run-brisko.html
probe press --title "$title" --button OK >/dev/null
for _ in $(seq 100); do grep -q ARGS "$KOVA_DIR/standin.log" 2>/dev/null && break; sleep 0.2; done
# Shown minimised (2), started as the documented command line.
tr -d '\r' <"$KOVA_DIR/standin.log" | grep -q 'ARGS 2 BRISKO.EXE S~UO-22 F~\*\.DL$' ||
    fail "Brisko not started as expected: $(cat "$KOVA_DIR/standin.log" 2>/dev/null)"
probe post --class VANT:MAIN --msg 16 --timeout 10 >/dev/null || fail "no window of the started Brisko"

probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
echo "ok"
