# Helpers of the map scenarios; sourced by ../lib.sh.

# Kova.KEP from the 2001 amateur file (for AO-40), then the bulletin, whose
# newer sets fill the rest of the 50 slots.
import_elements() { import_keps tle_amateur_2001-09.txt tle_bbs_bulletin_2026-05.txt; }

WM_CHAR=258
map_key() { probe post --class Tarvon:Map --msg $WM_CHAR --wparam "$(printf '%d' "'$1")" >/dev/null; }
map_command() { probe post --class Tarvon:Map --msg $WM_COMMAND --wparam "$1" >/dev/null; }

# The last line of the map's debug log with "paused=1": the frame on show.
paused_frame() {
    wait_until 10 grep -q 'paused=1' "$WORK/map.log" 2>/dev/null || fail "the map did not report its pause"
    grep 'paused=1' "$WORK/map.log" | tail -1 | tr -d '\r'
}

# Pauses the map and takes screenshot $1 of the frame on show: its map time
# in PAUSED_UNIX, the map window's corner in MAP_LEFT and MAP_TOP.
pause_and_shoot() {
    : >"$WORK/map.log"
    map_key p
    PAUSED_UNIX=$(paused_frame | sed 's/.* unix=\([0-9-]*\).*/\1/')
    sleep 1
    screenshot "$1"
    read -r MAP_LEFT MAP_TOP _ _ < <(probe rect --class Tarvon:Map)
}

# check_paused_marker SAT LABEL: pauses the map, takes screenshot LABEL and
# checks that the marker stands where the tool's look angles put SAT at the
# paused map time; the map then runs on.
check_paused_marker() {
    pause_and_shoot "$2"
    mapcheck marker "$2" $(look_from "$1" 52.25 0 100 "$PAUSED_UNIX" sub_lat sub_lon) || fail "$1 marker in $2"
    map_key p
}

# mapcheck WHAT LABEL ARGS...: checks the screenshot LABEL of the last pause,
# the map drawn from longitude MAP_SHIFT (-17 unless the scenario sets it).
mapcheck() {
    python3 "$TARVON_SOURCE/tests/e2e/map/mapcheck.py" "$1" "$ARTIFACTS/$SCENARIO-$2.png" \
        "$TARVON_SOURCE/res/worldmap.bmp" "$MAP_LEFT" "$MAP_TOP" "${MAP_SHIFT:--17}" "${@:3}"
}

# Chooses a satellite (or "The Sun") through Tracking > Select Satellite.
select_on_map() {
    map_command 102
    probe list --title "Select Satellite" --id 4151 --select "$1" --timeout 10 >/dev/null || fail "no $1 to select"
    probe press --title "Select Satellite" --button OK >/dev/null || fail "no OK in Select Satellite"
    probe gone --class '#32770' --timeout 10 >/dev/null || true
    sleep 2
}

# The names of the records of KOVA.OBS, one a line, "?" for a damaged one,
# and the number of bytes left over after the last whole record.
observer_file() {
    python3 - "$KOVA_DIR/KOVA.OBS" <<'PY'
import struct, sys
b = open(sys.argv[1], "rb").read()
for at in range(0, len(b) - 49, 50):
    name = b[at:at + 26].split(b"\0")[0]
    lat, lon, elev = struct.unpack("<3d", b[at + 26:at + 50])
    ok = name and all(32 <= c < 127 for c in name) and abs(lat) <= 90 and abs(lon) <= 180
    print(f"{name.decode()} {lat:.3f} {lon:.3f} {elev:.1f}" if ok else "?")
print(f"left over {len(b) % 50}")
PY
}

# The map window's height.
map_height() { probe rect --class Tarvon:Map | awk '{print $4 - $2}'; }
