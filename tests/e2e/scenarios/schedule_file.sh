#!/usr/bin/env bash
# The element database and schedule file in a suite folder whose name is not
# ASCII: a damaged database is told of, used for its sound satellites and left
# as it was; a sound one fills the schedule, saved on closing, loaded again.
export LC_ALL=C.UTF-8
KOVA_FOLDER='Station Ünïcode'
source "$(dirname "$0")/../lib.sh"

seed_station
# FO-29 only to be displayed.
satellite ISS State 0 Priority 1 'Start Time' 25
satellite SO-50 State 0 Priority 2
satellite FO-29 State 1 Priority 3
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
probe msgbox --title Tarvon --timeout 60 --press OK | grep -q "cannot find satellite ISS" || fail "no word of ISS"
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
grep -q 'satName  *SO-50' <<<"$passes" || fail "no pass of a sound satellite"
grep -q 'satName  *ISS' <<<"$passes" && fail "a pass of the damaged satellite"
cmp -s "$keps" "$WORK/damaged.KEP" || fail "the damaged database was changed"
grep -q 'Kova.KEP is damaged' "$KOVA_DIR/Tarvon.log" || fail "the message is not in the station log"

rm "$keps"
import_keps tle_bbs_bulletin_2026-05.txt

# The schedule fills in the background, which takes longer on a busy machine:
# until every satellite's passes are in the saved file, close and start again
# (each start loads what was saved and searches on).
for attempt in 1 2 3 4 5 6; do
    start_station
    sleep 5
    [ "$attempt" -gt 1 ] || screenshot filled
    close_tarvon
    [ -f "$KOVA_DIR/Kova Schedule.DAT" ] || fail "no schedule file after closing"
    first=$(schedule_dump)
    grep -q 'satName  *ISS' <<<"$first" && grep -q 'satName  *FO-29' <<<"$first" && break
done
grep -q 'UTC  Tarvon started' "$KOVA_DIR/Tarvon.log" || fail "no start in the station log"
grep -q 'UTC  Tarvon ended' "$KOVA_DIR/Tarvon.log" || fail "no end in the station log"
grep -q '^format word 2007$' <<<"$first" || fail "format word: $first"
records=$(echo "$first" | sed -n 's/^\([0-9]*\) record(s).*/\1/p')
[ "${records:-0}" -gt 3 ] || fail "only ${records:-0} passes were saved"
grep -q 'satName  *ISS' <<<"$first" || fail "no ISS pass saved"
# FO-29 is "Display": its passes are listed with state 1.
grep -m1 -A10 'satName  *FO-29' <<<"$first" | grep -q 'state  *1' || fail "no FO-29 pass saved as Display"

# The next start loads the passes that have not ended, then saves them again.
first_pass=$(grep -m1 -A2 'satName' <<<"$first" | tr -s ' ')
start_station
sleep 3
close_tarvon
second=$(schedule_dump)
grep -qF "$(sed -n 2p <<<"$first_pass")" <<<"$(tr -s ' ' <<<"$second")" || fail "the first stored pass was not kept"
