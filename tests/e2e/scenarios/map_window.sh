#!/usr/bin/env bash
# The map opened from the menu shows the stored satellite where the tool's
# look angles put it, in real time and in fast motion.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../map/map.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
import_elements
"$WINE" reg add 'HKLM\Software\Kova\Tarvon' /v 'Map Sat' /d ISS /f >/dev/null 2>&1
export TARVON_MAP_LOG="$WORK_WIN\\map.log"
start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
probe post --class Tarvon --msg 273 --wparam 143 >/dev/null  # Tracking > Graphic Track
probe find --class Tarvon:Map --timeout 20 >/dev/null || fail "no map window"
sleep 3
screenshot realtime
echo ok
