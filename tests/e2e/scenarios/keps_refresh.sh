#!/usr/bin/env bash
# Elements imported while the station runs reach it: the command-line tool
# tells the running station (message 2037), so that a Redo Schedule finds the
# passes of the new elements, not those of the old ones.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
reg_sz 'SOFTWARE\Kova\Satellites\ISS' Name ISS
reg_dword 'SOFTWARE\Kova\Satellites\ISS' State 0
reg_dword 'SOFTWARE\Kova\Satellites\ISS' Priority 1
win_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }
keps=$(win_path "$KOVA_DIR/Kova.KEP")

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
cli import --keps "$keps" "$(win_path "$WORK/iss.txt")" | grep -q 'ISS: Added' || fail "first import"
passes_of() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" passes --keps "$keps" --lat 52.25 --lon 0 --alt 100 \
    --start "$1" --days 2 --sat ISS 2>/dev/null | tr -d '\r' | cut -d, -f2 | grep -v aos; }

start_tarvon
probe find --class Tarvon --timeout 30 >/dev/null || fail "no main window"
t=$(date +%s)
old=$(passes_of "$t")
cli import --keps "$keps" "$(win_path "$WORK/iss-moved.txt")" | grep -q 'ISS: Keps Updated' || fail "second import"
new=$(passes_of "$t")
probe post --class Tarvon --msg 273 --wparam 150 >/dev/null  # Redo Schedule
# The Redo searches a single satellite: a few seconds are plenty.
sleep 4
screenshot redone
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"

aos=$(cli dump "$(win_path "$KOVA_DIR/Kova Schedule.DAT")" | sed -n 's/^ *aos *\([0-9]*\).*/\1/p' | head -1)
[ -n "$aos" ] || fail "no pass in the schedule after the Redo"
echo "$new" | grep -qx "$aos" || fail "first AOS $aos is not one of the new elements' ($(echo $new))"
echo "$old" | grep -qx "$aos" && fail "first AOS $aos is still one of the old elements'"
grep -q 'UTC  Elements taken from Kova.KEP' "$KOVA_DIR/Tarvon.log" || fail "the station log has no refresh"
echo "ok"
