#!/usr/bin/env bash
# A stored pass 200 s ahead: at Pop Up Time (180 s) before its AOS the
# notification dialog shows its satellite, AOS, LOS and elevation; Cancel sets
# the pass to Display, which the saved schedule shows.
source "$(dirname "$0")/../lib.sh"

seed_station
apply_registry
aos=$(($(now) + 200))
los=$((aos + 600))
write_schedule "TESTSAT:$aos:$los:0:1:47"

start_station
title="Tarvon - Event notification"
probe find --title "$title" --timeout 60 >/dev/null || fail "no notification"
sleep 1
screenshot notification
expect_eq "$(field "$title" 4101)|$(field "$title" 4102)|$(field "$title" 4103)|$(field "$title" 4104)" \
    "TESTSAT|$(date -u -d "@$aos" +%H:%M:%S)|$(date -u -d "@$los" +%H:%M:%S)|47 degrees" "satellite, AOS, LOS, elevation"
press "$title" Cancel
probe gone --title "$title" --timeout 10 >/dev/null 2>&1 || true

close_tarvon
dump=$(schedule_dump)
echo "$dump" | grep -A10 'satName  *TESTSAT' | grep -q '^  state  *1$' || fail "pass not saved as Display: $dump"
