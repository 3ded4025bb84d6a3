# Helpers of the map scenarios; sourced after ../lib.sh.

WORK_WIN="Z:$(echo "$WORK" | tr / '\\')"
KEPS_WIN="Z:$(echo "$KOVA_DIR/Kova.KEP" | tr / '\\')"

cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }

# Kova.KEP from the 2001 amateur file (for AO-40), then the bulletin, whose
# newer sets fill the rest of the 50 slots.
import_elements() {
    cp "$TARVON_SOURCE/tests/data/tle_bbs_bulletin_2026-05.txt" "$WORK/bulletin.txt"
    cp "$TARVON_SOURCE/tests/data/tle_amateur_2001-09.txt" "$WORK/amateur.txt"
    cli import --keps "$KEPS_WIN" "$WORK_WIN\\amateur.txt" >/dev/null
    cli import --keps "$KEPS_WIN" "$WORK_WIN\\bulletin.txt" >/dev/null
    [ -s "$KOVA_DIR/Kova.KEP" ] || fail "no element database"
}

WM_COMMAND=273
WM_CHAR=258
map_key() { probe post --class Tarvon:Map --msg $WM_CHAR --wparam "$(printf '%d' "'$1")" >/dev/null; }
map_command() { probe post --class Tarvon:Map --msg $WM_COMMAND --wparam "$1" >/dev/null; }

# The last line of the map's debug log with "paused=1": the frame on show.
paused_frame() {
    for _ in $(seq 40); do
        line=$(grep 'paused=1' "$WORK/map.log" 2>/dev/null | tail -1 | tr -d '\r')
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.25
    done
    fail "the map did not report its pause"
}

# Pauses the map, takes a screenshot and checks that the marker stands where
# the tool's look angles put satellite $1 at the paused map time.
check_paused_marker() {
    local sat=$1 label=$2 shift=$3 frame unix look lat west left top
    : >"$WORK/map.log"
    map_key p
    frame=$(paused_frame)
    unix=$(echo "$frame" | sed 's/.* unix=\([0-9-]*\).*/\1/')
    sleep 1
    screenshot "$label"
    look=$(cli look --keps "$KEPS_WIN" --sat "$sat" --lat 52.25 --lon 0 --alt 100 --time "$unix")
    lat=$(echo "$look" | awk '$1 == "sub_lat" {print $2}')
    west=$(echo "$look" | awk '$1 == "sub_lon" {print $2}')
    read -r left top _ _ < <(probe rect --class Tarvon:Map)
    mapcheck marker "$label" "$left" "$top" "$shift" "$lat" "$west" || fail "$sat marker in $label"
    map_key p
}

# mapcheck WHAT LABEL LEFT TOP SHIFT ARGS...: checks the screenshot LABEL.
mapcheck() {
    local what=$1 label=$2
    shift 2
    python3 "$TARVON_SOURCE/tests/e2e/map/mapcheck.py" "$what" "$ARTIFACTS/$SCENARIO-$label.png" \
        "$TARVON_SOURCE/res/worldmap.bmp" "$@"
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
