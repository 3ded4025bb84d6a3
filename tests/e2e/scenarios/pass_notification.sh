#!/usr/bin/env bash
# A stored pass 200 s ahead: at Pop Up Time (180 s) before its AOS the
# notification dialog shows its satellite, AOS, LOS and elevation; Cancel sets
# the pass to Display, which the saved schedule shows.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }
schedule="$KOVA_DIR/Kova Schedule.DAT"
schedule_win='Z:'"$(echo "$schedule" | tr / '\\')"

apply_registry
aos=$(( $(date +%s) + 200 ))
los=$(( aos + 600 ))
python3 - "$schedule" "$aos" "$los" <<'PY'
import struct, sys
path, aos, los = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
record = b"TESTSAT".ljust(12, b"\0") + struct.pack(
    "<22i", aos, los, 0, 25, 0, 0, 0, 0, 47, 50, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0)
assert len(record) == 100
open(path, "wb").write(struct.pack("<H", 2007) + record)
PY
expected_aos=$(date -u -d "@$aos" +%H:%M:%S)
expected_los=$(date -u -d "@$los" +%H:%M:%S)

start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
title="Tarvon - Event notification"
probe find --title "$title" --timeout 60 >/dev/null || fail "no notification"
sleep 1
screenshot notification
expect_eq "$(probe text --title "$title" --id 4101)" "TESTSAT" "satellite"
expect_eq "$(probe text --title "$title" --id 4102)" "$expected_aos" "AOS"
expect_eq "$(probe text --title "$title" --id 4103)" "$expected_los" "LOS"
expect_eq "$(probe text --title "$title" --id 4104)" "47 degrees" "maximum elevation"
probe press --title "$title" --button Cancel >/dev/null || fail "Cancel not pressed"
probe gone --title "$title" --timeout 10 >/dev/null 2>&1 || true

probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
dump=$(cli dump "$schedule_win")
echo "$dump" | grep -q 'satName  *TESTSAT' || fail "pass not saved: $dump"
echo "$dump" | grep -A10 'satName  *TESTSAT' | grep -q '^  state  *1$' || fail "pass not set to Display: $dump"
echo "ok"
