#!/usr/bin/env bash
# Elements imported while the station runs reach it: the command-line tool
# tells the running station (message 2037), so that a Redo Schedule finds the
# passes of the new elements, not those of the old ones.
source "$(dirname "$0")/../lib.sh"

seed_station
satellite ISS State 0 Priority 1

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
cli import --keps "$KEPS_WIN" "$(win_path "$WORK/iss.txt")" | grep -q 'ISS: Added' || fail "first import"

start_station
t=$(date +%s)
old=$(predicted_aos ISS 52.25 0 100 "$t")
cli import --keps "$KEPS_WIN" "$(win_path "$WORK/iss-moved.txt")" | grep -q 'ISS: Keps Updated' || fail "second import"
new=$(predicted_aos ISS 52.25 0 100 "$t")
menu 150  # Redo Schedule
# The Redo searches a single satellite: a few seconds are plenty.
sleep 4
screenshot redone
close_tarvon

expect_first_aos "$new" "$old"
grep -q 'UTC  Elements taken from Kova.KEP' "$KOVA_DIR/Tarvon.log" || fail "the station log has no refresh"
echo "ok"
