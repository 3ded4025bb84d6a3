# Helpers of the map scenarios; sourced after ../lib.sh.

WORK_WIN="Z:$(echo "$WORK" | tr / '\\')"
KEPS_WIN="Z:$(echo "$KOVA_DIR/Kova.KEP" | tr / '\\')"

cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }

# Kova.KEP from the bulletin and the 2001 amateur file (for AO-40).
import_elements() {
    cp "$TARVON_SOURCE/tests/data/tle_bbs_bulletin_2026-05.txt" "$WORK/bulletin.txt"
    cp "$TARVON_SOURCE/tests/data/tle_amateur_2001-09.txt" "$WORK/amateur.txt"
    cli import --keps "$KEPS_WIN" "$WORK_WIN\\bulletin.txt" >/dev/null
    cli import --keps "$KEPS_WIN" "$WORK_WIN\\amateur.txt" >/dev/null
    [ -s "$KOVA_DIR/Kova.KEP" ] || fail "no element database"
}
