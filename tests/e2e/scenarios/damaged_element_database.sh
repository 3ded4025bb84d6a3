#!/usr/bin/env bash
# A damaged element database (too long, one slot that cannot be an orbit) is
# told once the station runs; the damaged satellite is never predicted, the
# sound ones are, and the file is left exactly as it was.
source "$(dirname "$0")/../lib.sh"

seed_station
schedule_satellites
keps="$KOVA_DIR/Kova.KEP"
import_keps tle_bbs_bulletin_2026-05.txt
slot=$(cli keps --keps "$KEPS_WIN" | awk '$2 == "ISS" { print $1 }')
[ -n "$slot" ] || fail "ISS was not imported"
# A NaN mean motion for ISS, and 100 bytes too many.
printf '\377\377\377\377\377\377\377\377' | dd of="$keps" bs=1 seek=$(((slot - 1) * 166 + 79)) conv=notrunc status=none
head -c 100 /dev/zero >>"$keps"
cp "$keps" "$WORK/damaged.KEP"

start_tarvon
# Building the schedule finds no usable ISS, and says so first.
probe msgbox --title Tarvon --timeout 30 --press OK | grep -q "cannot find satellite ISS" || fail "no word of ISS"
box=$(probe msgbox --title "Tarvon Error" --timeout 30) || fail "no message about the database"
sleep 3  # the station runs on behind the box: its clock is drawn meanwhile
screenshot message
echo "$box" | grep -qF "Kova.KEP is damaged: it is 8400 bytes long instead of 8300; slot $slot holds elements that" ||
    fail "message: $box"
probe press --title "Tarvon Error" --button OK >/dev/null || fail "no OK button"
probe find --class Tarvon --title Tarvon --timeout 10 >/dev/null || fail "no main window"
screenshot running
close_tarvon
passes=$(schedule_dump)
echo "$passes" | grep -q 'satName  *SO-50' || fail "no pass of a sound satellite"
echo "$passes" | grep -q 'satName  *ISS' && fail "a pass of the damaged satellite"
cmp -s "$keps" "$WORK/damaged.KEP" || fail "the damaged database was changed"
grep -q 'Kova.KEP is damaged' "$KOVA_DIR/Tarvon.log" || fail "the message is not in the station log"
echo "ok"
